// The host's "REGP" answer: the site ID first, then the ranges and the pickup
// address, from the modem record or the HTTP reply object.
#include "unitSiteRegistration.h"
#include "unitSiteRegistrationReply.h"
#include "unitSiteRegistrationStrings.h"

#include "unitCommRecordText.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitRWSettings.h"

namespace {
const QString cstUnit = QStringLiteral("unitSiteRegistration");
const QString cstReplyCode = QStringLiteral("REGP");
const QString cstResponseNotRead =
    QStringLiteral("Response pointer could not be read, site reg failed.");
const QString cstBlankSiteId = QStringLiteral("Blank site id is returned, site reg failed.");
const QString cstSiteIdNotSaved =
    QStringLiteral("Site id could not be saved in to database, site reg failed.");
const QString cstPickupNotUpdated = QStringLiteral("Update of Pickup table failed");

// The site ID of a modem answer: characters 5 to 20. A NUL ends it: the host
// pads a short answer with NULs, which are no part of any ID.
QString fnstModemSiteId(const QString &stData) {
    QString stSiteId = stData.mid(4, 16);
    if (const qsizetype iEnd = stSiteId.indexOf(QChar(u'\0')); iEnd >= 0)
        stSiteId.truncate(iEnd);
    return stSiteId;
}

// One part of the answer that is stored after the site ID.
struct TrecReplyPart {
    QString stResult;
    QString stFailLog;
    TResourceString rsItem;
};

void pWarnNotUpdated(const QStringList &slItems) {
    fniMessageDlg(fnstRS(srs::rsNotUpdated) + slItems.join(QStringLiteral(", ")),
                  fnstRS(srs::rsCaptionWarning), {fnstRS(srs::rsOK)}, fnstRS(srs::rsOK),
                  mikWarning);
}
} // namespace

QString TclsRWSiteRegistration::fnstSaveModemReply(const TrecMessageHeaderStructure &recReply) {
    const QString stMethod = QStringLiteral("fnstSiteRegistration");
    const QString stData = fnstReplyMessageData(recReply.recMessageData);
    if (!stData.startsWith(cstReplyCode)) {
        pWriteLog(3, cstUnit, stMethod, cstResponseNotRead);
        return fnstSiteRegistrationFailedText();
    }
    QString stResult;
    const QString stSiteId = fnstModemSiteId(stData);
    if (stSiteId.trimmed().isEmpty()) {
        pWriteLog(3, cstUnit, stMethod, cstBlankSiteId);
        stResult = fnstSiteRegistrationFailedText();
    } else if (fnstSaveSiteID(stSiteId) == cstSuccess) {
        stResult = stSiteId;
    } else {
        pWriteLog(3, cstUnit, stMethod, cstSiteIdNotSaved);
        stResult = fnstSiteRegistrationFailedText();
    }
    // The ranges and the pickup address are stored even when the site ID was
    // not: what the host allocated stays on record.
    const TrecReplyPart arParts[] = {
        {fnstSaveAWBRange(recReply), QStringLiteral("Update of Shipment Number table failed"),
         srs::rsAirwayBillRange},
        {fnstSaveLPRange(recReply.recLPRange), QStringLiteral("Update of LP Number table failed"),
         srs::rsLicensePlates},
        {fnstSavePickup(recReply.recPickup), cstPickupNotUpdated, srs::rsPickupInformation},
    };
    QStringList slNotUpdated;
    for (const TrecReplyPart &rec : arParts) {
        if (rec.stResult == cstSuccess)
            continue;
        pWriteLog(3, cstUnit, stMethod, rec.stFailLog);
        slNotUpdated << fnstRS(rec.rsItem);
    }
    if (!slNotUpdated.isEmpty())
        pWarnNotUpdated(slNotUpdated);
    return stResult;
}

void TclsRWSiteRegistration::pSaveSiteRegResponseForHTTP(const TrecSiteRegHTTPResp &recReply,
                                                         QString &stResult) {
    const QString stMethod = QStringLiteral("pSaveSiteRegResponseForHTTP");
    if (fnstShortText(recReply.shtMessageCode) != cstReplyCode) {
        pWriteLog(3, cstUnit, stMethod, cstResponseNotRead);
        stResult = fnstSiteRegistrationFailedText();
        return;
    }
    const QString stSiteId = fnstShortText(recReply.shtSiteId);
    if (stSiteId.trimmed().isEmpty()) {
        pWriteLog(3, cstUnit, stMethod, cstBlankSiteId);
        stResult = fnstSiteRegistrationFailedText();
        return;
    }
    if (fnstSaveSiteID(stSiteId).toUpper() != cstSuccess.toUpper()) {
        pWriteLog(3, cstUnit, stMethod, cstSiteIdNotSaved);
        stResult = fnstSiteRegistrationFailedText();
        return;
    }
    stResult = stSiteId;
    const TrecPickupReply recPickup = fnrecPickupReply(recReply);
    const TrecRangeReply recShipment = fnrecShipmentRangeReply(recReply);
    const TrecRangeReply recLP = fnrecLPRangeReply(recReply);
    const QString arOutcomes[] = {
        recPickup.fnbKnown() ? fnstSavePickupReply(recPickup) : cstUnsuccess,
        recShipment.stStatus == QLatin1String("0") ? fnstSaveAWBRangeForHTTP(recReply)
                                                   : cstUnsuccess,
        recLP.stStatus == QLatin1String("0") ? fnstSaveLPRangeReply(recLP) : cstUnsuccess,
    };
    // Any part not stored is worth the line, not only the last one tried.
    if (std::any_of(std::begin(arOutcomes), std::end(arOutcomes),
                    [](const QString &st) { return st != cstSuccess; }))
        pWriteLog(3, cstUnit, QStringLiteral("fnstSaveSiteRegResponseForHTTP"),
                  cstPickupNotUpdated);
}
