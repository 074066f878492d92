// A site ID typed by the user: checked against the carrier's pattern and stored.
#include "unitSiteRegistration.h"
#include "unitSiteRegistrationReply.h"
#include "unitSiteRegistrationStrings.h"

#include "unitLogToFile.h"
#include "unitRWSettings.h"

namespace {
const QString cstUnit = QStringLiteral("unitSiteRegistration");

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
