// The answers file of an unattended registration. Whatever the text, it is
// either refused with "answers.ini:LINE: why" (or "answers.ini: why") naming a
// line the text has, or taken with every answer on a line of the text, in a
// known section, with its key and value trimmed.
#include "UnitFuzzCheck.h"

#include "UnitAnswersFile.h"

#include <QRegularExpression>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize) {
    const QString stText =
        QString::fromUtf8(reinterpret_cast<const char *>(pData), qsizetype(iSize));
    const qsizetype iLines = stText.count(QLatin1Char('\n')) + 1;
    TclsAnswersFile objAnswers;
    QString stError;
    if (!objAnswers.fnbParse(stText, QStringLiteral("answers.ini"), stError)) {
        static const QRegularExpression reWhere(QStringLiteral("^answers\\.ini:(\\d+:)? \\S"));
        const QRegularExpressionMatch match = reWhere.match(stError);
        FUZZ_CHECK(match.hasMatch());
        if (match.hasCaptured(1)) {
            const int iLine = match.captured(1).chopped(1).toInt();
            FUZZ_CHECK(iLine >= 1 && iLine <= iLines);
        }
        return 0;
    }
    FUZZ_CHECK(stError.isEmpty());
    for (const TrecAnswer &rec : objAnswers.fnarAnswers()) {
        FUZZ_CHECK(rec.iLine >= 1 && rec.iLine <= iLines);
        FUZZ_CHECK(!rec.stSection.isEmpty() && !rec.stKey.isEmpty());
        FUZZ_CHECK(rec.stKey == rec.stKey.trimmed() && rec.stValue == rec.stValue.trimmed());
        FUZZ_CHECK(objAnswers.fnstWhere(rec).startsWith(QStringLiteral("answers.ini:")));
    }
    return 0;
}
