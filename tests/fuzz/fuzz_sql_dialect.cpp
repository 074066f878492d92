// The rewrite of ad-hoc statements written for SQL Server. Whatever the text,
// the rewrite ends; quoted literals come out as they went in (where no
// bracketed name could hide a quote), and a statement without literals whose
// brackets pair up comes out with no bracket and no "dbo." owner left.
#include "UnitFuzzCheck.h"

#include "UnitSQLDialect.h"

#include <QRegularExpression>

#include <cstdint>

namespace {
// The statement's single-quoted literals, in order ('' inside one is a quote).
QStringList fnslLiterals(const QString &stSQL) {
    static const QRegularExpression reLiteral(QStringLiteral("'(?:[^']|'')*'"));
    QStringList sl;
    for (auto it = reLiteral.globalMatch(stSQL); it.hasNext();)
        sl << it.next().captured();
    return sl;
}

// Every "[" closed by a "]" before the next "[", and no "]" on its own.
bool fnbBracketsPairUp(const QString &stSQL) {
    bool bOpen = false;
    for (const QChar ch : stSQL) {
        if (ch == QLatin1Char('[') || ch == QLatin1Char(']')) {
            if (bOpen == (ch == QLatin1Char('[')))
                return false;
            bOpen = !bOpen;
        }
    }
    return !bOpen;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize) {
    const QString stSQL =
        QString::fromUtf8(reinterpret_cast<const char *>(pData), qsizetype(iSize));
    const QString stRewritten = fnstRewriteSQLServerDialect(stSQL);
    if (stSQL.count(QLatin1Char('\'')) % 2 == 0 && !stSQL.contains(QLatin1Char('[')))
        FUZZ_CHECK(fnslLiterals(stRewritten) == fnslLiterals(stSQL));
    if (!stSQL.contains(QLatin1Char('\'')) && fnbBracketsPairUp(stSQL) &&
        stSQL.contains(QLatin1Char('['))) {
        FUZZ_CHECK(!stRewritten.contains(QLatin1Char('[')) &&
                   !stRewritten.contains(QLatin1Char(']')));
        static const QRegularExpression reOwner(QStringLiteral("\\bdbo\\."),
                                                QRegularExpression::CaseInsensitiveOption);
        FUZZ_CHECK(!reOwner.match(stRewritten).hasMatch());
    }
    return 0;
}
