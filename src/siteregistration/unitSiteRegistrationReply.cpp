// Reading the host's answer out of the library's records.
#include "unitSiteRegistrationReply.h"

#include "unitCommRecordText.h"

TrecRangeReply fnrecRangeReply(const TrecAwbLPRange &rec) {
    return {fnstFixedText(rec.achStatus).trimmed(), fnstFixedText(rec.achLowerBound).trimmed(),
            fnstFixedText(rec.achUpperBound).trimmed(), fnstShortText(rec.shtAllocationDate)};
}

TrecRangeReply fnrecShipmentRangeReply(const TrecSiteRegHTTPResp &rec) {
    return {fnstFixedText(rec.achShipmentStatus).trimmed(),
            fnstFixedText(rec.achShipmentLowerBound).trimmed(),
            fnstFixedText(rec.achShipmentUpperBound).trimmed(),
            fnstShortText(rec.shtAllocationDate)};
}

TrecRangeReply fnrecLPRangeReply(const TrecSiteRegHTTPResp &rec) {
    // The HTTP reply carries one allocation date, the shipment range's.
    return {fnstFixedText(rec.achLPStatus).trimmed(), fnstFixedText(rec.achLPLowerBound).trimmed(),
            fnstFixedText(rec.achLPUpperBound).trimmed(), fnstShortText(rec.shtAllocationDate)};
}

TrecPickupReply fnrecPickupReply(const TrecRegistrationPickupResponse &rec) {
    return {fnstFixedText(rec.achStatus).trimmed(),     fnstFixedText(rec.achAddress1).trimmed(),
            fnstFixedText(rec.achAddress2).trimmed(),   fnstFixedText(rec.achAddress3).trimmed(),
            fnstFixedText(rec.achCity).trimmed(),       fnstFixedText(rec.achPostcode).trimmed(),
            fnstFixedText(rec.achCountryCode).trimmed()};
}

TrecPickupReply fnrecPickupReply(const TrecSiteRegHTTPResp &rec) {
    return {fnstFixedText(rec.achPickupStatus).trimmed(),
            fnstFixedText(rec.achPickupAddress1).trimmed(),
            fnstFixedText(rec.achPickupAddress2).trimmed(),
            fnstFixedText(rec.achPickupAddress3).trimmed(),
            fnstFixedText(rec.achPickupCity).trimmed(),
            fnstFixedText(rec.achPickupPostcode).trimmed(),
            fnstFixedText(rec.achPickupCountryCode).trimmed()};
}

TrecRegistrationAnswer fnrecHostAnswer(const QString &stSiteId,
                                       const TrecMessageHeaderStructure &rec) {
    return {stSiteId, fnrecRangeReply(rec.recShipmentRange), fnrecRangeReply(rec.recLPRange),
            fnrecPickupReply(rec.recPickup)};
}

TrecRegistrationAnswer fnrecHostAnswer(const TrecSiteRegHTTPResp &rec) {
    return {fnstShortText(rec.shtSiteId), fnrecShipmentRangeReply(rec), fnrecLPRangeReply(rec),
            fnrecPickupReply(rec)};
}

QString fnstReplyMessageData(const TrecMessageData &rec) {
    if (!rec.pchData)
        return {};
    const uint32_t iLength = rec.iLength < rec.iCapacity ? rec.iLength : rec.iCapacity;
    return QString::fromLatin1(rec.pchData, qsizetype(iLength));
}
