// The host's "REGP" answer from the modem record or the HTTP reply object:
// checked, then the site ID, the ranges and the pickup address stored whole.
#include "unitSiteRegistration.h"
#include "unitSiteRegistrationReply.h"

#include "unitCommRecordText.h"
#include "unitLogToFile.h"
#include "unitRWSettings.h"

namespace {
const QString cstUnit = QStringLiteral("unitSiteRegistration");
const QString cstReplyCode = QStringLiteral("REGP");
const QString cstResponseNotRead =
    QStringLiteral("Response pointer could not be read, site reg failed.");
const QString cstBlankSiteId = QStringLiteral("Blank site id is returned, site reg failed.");
const QString cstSiteIdNotSaved =
    QStringLiteral("Site id could not be saved in to database, site reg failed.");

// The site ID of a modem answer: characters 5 to 20. A NUL ends it: the host
// pads a short answer with NULs, which are no part of any ID.
QString fnstModemSiteId(const QString &stData) {
    QString stSiteId = stData.mid(4, 16);
    if (const qsizetype iEnd = stSiteId.indexOf(QChar(u'\0')); iEnd >= 0)
        stSiteId.truncate(iEnd);
    return stSiteId;
}

// Stores the answer when the host's values pass their checks: the site ID,
// or the failure text with the reason logged and nothing stored.
QString fnstStoreAnswer(const QString &stMethod, const TrecRegistrationAnswer &rec) {
    if (rec.stSiteId.trimmed().isEmpty()) {
        pWriteLog(3, cstUnit, stMethod, cstBlankSiteId);
        return fnstSiteRegistrationFailedText();
    }
    if (const QString stRefused = fnstRefusedHostValue(rec); !stRefused.isEmpty()) {
        pWriteLog(3, cstUnit, stMethod,
                  QStringLiteral("The host's answer was refused, site reg failed: ") + stRefused);
        return fnstSiteRegistrationFailedText();
    }
    if (fnstSaveHostAnswer(rec) != cstSuccess) {
        pWriteLog(3, cstUnit, stMethod, cstSiteIdNotSaved);
        return fnstSiteRegistrationFailedText();
    }
    return rec.stSiteId;
}
} // namespace

QString TclsRWSiteRegistration::fnstSaveModemReply(const TrecMessageHeaderStructure &recReply) {
    const QString stMethod = QStringLiteral("fnstSiteRegistration");
    const QString stData = fnstReplyMessageData(recReply.recMessageData);
    if (!stData.startsWith(cstReplyCode)) {
        pWriteLog(3, cstUnit, stMethod, cstResponseNotRead);
        return fnstSiteRegistrationFailedText();
    }
    return fnstStoreAnswer(stMethod, fnrecHostAnswer(fnstModemSiteId(stData), recReply));
}

void TclsRWSiteRegistration::pSaveSiteRegResponseForHTTP(const TrecSiteRegHTTPResp &recReply,
                                                         QString &stResult) {
    const QString stMethod = QStringLiteral("pSaveSiteRegResponseForHTTP");
    if (fnstShortText(recReply.shtMessageCode) != cstReplyCode) {
        pWriteLog(3, cstUnit, stMethod, cstResponseNotRead);
        stResult = fnstSiteRegistrationFailedText();
        return;
    }
    stResult = fnstStoreAnswer(stMethod, fnrecHostAnswer(recReply));
}
