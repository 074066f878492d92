// Replies built as the communication library fills them, for the site
// registration tests.
#pragma once

#include "MorvaneCommunication.h"
#include "unitCommRecordText.h"
#include "unitSiteRegistration.h"

#include <QByteArray>

struct TrecRangeText {
    const char *pchStatus = "1";
    const char *pchLower = "";
    const char *pchUpper = "";
    const char *pchDate = "       0";
};

inline void pFillRange(TrecAwbLPRange &rec, const TrecRangeText &recText) {
    pSetFixedText(rec.achStatus, QString::fromLatin1(recText.pchStatus));
    pSetFixedText(rec.achLowerBound, QString::fromLatin1(recText.pchLower));
    pSetFixedText(rec.achUpperBound, QString::fromLatin1(recText.pchUpper));
    pSetShortText(rec.shtAllocationDate, QString::fromLatin1(recText.pchDate));
}

struct TrecPickupText {
    const char *pchStatus = "1";
    const char *pchAddress1 = "";
    const char *pchAddress2 = "";
    const char *pchAddress3 = "";
    const char *pchCity = "";
    const char *pchPostcode = "";
    const char *pchCountryCode = "";
};

inline void pFillPickup(TrecRegistrationPickupResponse &rec, const TrecPickupText &recText) {
    pSetFixedText(rec.achStatus, QString::fromLatin1(recText.pchStatus));
    pSetFixedText(rec.achAddress1, QString::fromLatin1(recText.pchAddress1));
    pSetFixedText(rec.achAddress2, QString::fromLatin1(recText.pchAddress2));
    pSetFixedText(rec.achAddress3, QString::fromLatin1(recText.pchAddress3));
    pSetFixedText(rec.achCity, QString::fromLatin1(recText.pchCity));
    pSetFixedText(rec.achPostcode, QString::fromLatin1(recText.pchPostcode));
    pSetFixedText(rec.achCountryCode, QString::fromLatin1(recText.pchCountryCode));
}

// A modem reply record whose message data buffer lives with it.
struct TrecModemReply {
    QByteArray baData;
    TrecMessageHeaderStructure rec{};

    explicit TrecModemReply(const QByteArray &baMessage, const TrecRangeText &recShipment = {},
                            const TrecRangeText &recLP = {}, const TrecPickupText &recPickup = {})
        : baData(4096, '\0') {
        baData.replace(0, baMessage.size(), baMessage);
        rec.recMessageData = {baData.data(), uint32_t(baMessage.size()), uint32_t(baData.size())};
        pFillRange(rec.recShipmentRange, recShipment);
        pFillRange(rec.recLPRange, recLP);
        pFillPickup(rec.recPickup, recPickup);
    }
};

// The HTTP reply object as the library fills it.
inline TrecSiteRegHTTPResp fnrecHTTPReply(const char *pchCode, const QString &stSiteId,
                                          const TrecRangeText &recShipment,
                                          const TrecRangeText &recLP,
                                          const TrecPickupText &recPickup) {
    TrecSiteRegHTTPResp rec{};
    pSetShortText(rec.shtMessageCode, QString::fromLatin1(pchCode));
    pSetShortText(rec.shtSiteId, stSiteId);
    pSetFixedText(rec.achShipmentStatus, QString::fromLatin1(recShipment.pchStatus));
    pSetFixedText(rec.achShipmentLowerBound, QString::fromLatin1(recShipment.pchLower));
    pSetFixedText(rec.achShipmentUpperBound, QString::fromLatin1(recShipment.pchUpper));
    pSetShortText(rec.shtAllocationDate, QString::fromLatin1(recShipment.pchDate));
    pSetFixedText(rec.achLPStatus, QString::fromLatin1(recLP.pchStatus));
    pSetFixedText(rec.achLPLowerBound, QString::fromLatin1(recLP.pchLower));
    pSetFixedText(rec.achLPUpperBound, QString::fromLatin1(recLP.pchUpper));
    pSetFixedText(rec.achPickupStatus, QString::fromLatin1(recPickup.pchStatus));
    pSetFixedText(rec.achPickupAddress1, QString::fromLatin1(recPickup.pchAddress1));
    pSetFixedText(rec.achPickupAddress2, QString::fromLatin1(recPickup.pchAddress2));
    pSetFixedText(rec.achPickupAddress3, QString::fromLatin1(recPickup.pchAddress3));
    pSetFixedText(rec.achPickupCity, QString::fromLatin1(recPickup.pchCity));
    pSetFixedText(rec.achPickupPostcode, QString::fromLatin1(recPickup.pchPostcode));
    pSetFixedText(rec.achPickupCountryCode, QString::fromLatin1(recPickup.pchCountryCode));
    return rec;
}
