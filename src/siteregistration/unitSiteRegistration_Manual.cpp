// A site ID typed by the user: checked against the carrier's pattern and stored.
#include "unitSiteRegistration.h"
#include "unitSiteRegistrationStrings.h"

#include "unitLogToFile.h"
#include "unitRWSettings.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
const QString cstUnit = QStringLiteral("unitSiteRegistration");

bool fnbIsAsciiLetter(QChar ch) {
    return ch >= QLatin1Char('A') && ch <= QLatin1Char('Z');
}

// Sixteen characters: three letters, ten characters that read as a 32-bit
// integer, and "ZOZ". Letters may come in lower case.
bool fnbValidSiteId(const QString &stSiteId) {
    if (stSiteId.size() != 16)
        return false;
    const QString stUpper = stSiteId.toUpper();
    if (!stUpper.endsWith(QLatin1String("ZOZ")))
        return false;
    if (!std::all_of(stUpper.begin(), stUpper.begin() + 3, fnbIsAsciiLetter))
        return false;
    // A sign is part of an integer's text; blanks and anything else are not.
    const QString stNumber = stSiteId.mid(3, 10);
    static const QRegularExpression reInteger(QStringLiteral("^[+-]?[0-9]+$"));
    bool bNumber = false;
    stNumber.toInt(&bNumber, 10);
    return bNumber && reInteger.match(stNumber).hasMatch();
}
} // namespace

QString TclsRWSiteRegistration::fnstManualSiteReg(const QString &stSiteId) {
    const QString stMethod = QStringLiteral("fnstManualSiteReg");
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Inside fnstManualSiteReg method."));
    const QString stTrimmed = stSiteId.trimmed();
    if (!fnbValidSiteId(stTrimmed)) {
        pWriteLog(3, cstUnit, stMethod,
                  QStringLiteral("Invalid site id, Manual site registration failed."));
        return fnstInvalidSiteIdText();
    }
    if (fnstSaveSiteID(stTrimmed.toUpper()) == cstSuccess)
        return cstSuccess;
    pWriteLog(3, cstUnit, stMethod,
              QStringLiteral("Site id could not be saved to database, Manual site registration "
                             "failed."));
    return fnstManualRegistrationFailedText();
}
