// The dialect rewrite shared by the SQLite and PostgreSQL backends.
#include "UnitSQLDialect.h"

#include <QRegularExpression>

namespace {
struct TrecToken {
    QString stText;
    bool bLiteral = false;
};

// Splits into string literals, bracketed names and the text between them.
std::vector<TrecToken> fnarTokens(const QString &stSQL) {
    std::vector<TrecToken> arTokens;
    QString stPlain;
    auto pFlushPlain = [&] {
        if (!stPlain.isEmpty())
            arTokens.push_back({stPlain, false});
        stPlain.clear();
    };
    for (qsizetype i = 0; i < stSQL.size(); ++i) {
        const QChar ch = stSQL[i];
        if (ch == QLatin1Char('\'')) {
            pFlushPlain();
            QString stLiteral(ch);
            for (++i; i < stSQL.size(); ++i) {
                stLiteral += stSQL[i];
                if (stSQL[i] == QLatin1Char('\'')) {
                    if (i + 1 < stSQL.size() && stSQL[i + 1] == QLatin1Char('\''))
                        stLiteral += stSQL[++i];
                    else
                        break;
                }
            }
            arTokens.push_back({stLiteral, true});
        } else if (ch == QLatin1Char('[')) {
            const qsizetype iEnd = stSQL.indexOf(QLatin1Char(']'), i);
            if (iEnd < 0) {
                stPlain += stSQL.mid(i);
                break;
            }
            stPlain += stSQL.mid(i + 1, iEnd - i - 1);
            i = iEnd;
        } else {
            stPlain += ch;
        }
    }
    pFlushPlain();
    return arTokens;
}
} // namespace

QString fnstRewriteSQLServerDialect(const QString &stSQL) {
    std::vector<TrecToken> arTokens = fnarTokens(stSQL);
    // "dbo." left over from "[dbo].[x]".
    static const QRegularExpression reOwner(QStringLiteral("\\bdbo\\."),
                                            QRegularExpression::CaseInsensitiveOption);
    // SQL Server reads "1AND" as a number and a keyword; the others do not.
    static const QRegularExpression reGluedKeyword(QStringLiteral("(?<![\\w.])(\\d+)(AND|OR)\\b"),
                                                   QRegularExpression::CaseInsensitiveOption);
    for (auto &rec : arTokens)
        if (!rec.bLiteral) {
            rec.stText.replace(reOwner, QString());
            rec.stText.replace(reGluedKeyword, QStringLiteral("\\1 \\2"));
        }
    static const QRegularExpression reTrailingPlus(QStringLiteral("\\+\\s*$"));
    static const QRegularExpression reLeadingPlus(QStringLiteral("^\\s*\\+"));
    for (size_t i = 0; i < arTokens.size(); ++i) {
        if (!arTokens[i].bLiteral)
            continue;
        if (i > 0 && !arTokens[i - 1].bLiteral)
            arTokens[i - 1].stText.replace(reTrailingPlus, QStringLiteral("|| "));
        if (i + 1 < arTokens.size() && !arTokens[i + 1].bLiteral)
            arTokens[i + 1].stText.replace(reLeadingPlus, QStringLiteral(" ||"));
    }
    QString stResult;
    for (const auto &rec : arTokens)
        stResult += rec.stText;
    return stResult;
}
