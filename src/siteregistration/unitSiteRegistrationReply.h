// The host's answer as site registration reads it, whichever transport brought
// it: the modem record and the HTTP reply object are read into the same plain
// texts (bounded, trailing and leading blanks removed) before anything is
// shown or stored, and the savers that store them.
#pragma once

#include "MorvaneCommunication.h"

#include <QString>

struct TrecRangeReply {
    QString stStatus; // "0": allocated
    QString stLowerBound;
    QString stUpperBound;
    QString stAllocationDate; // ddmmyyyy as sent, untrimmed

    bool fnbAllocated() const {
        return stStatus == QLatin1String("0") && !stLowerBound.isEmpty() && !stUpperBound.isEmpty();
    }
};

struct TrecPickupReply {
    QString stStatus; // "0": the host knows the pickup address
    QString stAddress1, stAddress2, stAddress3, stCity, stPostcode, stCountryCode;

    bool fnbKnown() const { return stStatus == QLatin1String("0"); }
};

TrecRangeReply fnrecRangeReply(const TrecAwbLPRange &rec);
TrecRangeReply fnrecShipmentRangeReply(const TrecSiteRegHTTPResp &rec);
TrecRangeReply fnrecLPRangeReply(const TrecSiteRegHTTPResp &rec);
TrecPickupReply fnrecPickupReply(const TrecRegistrationPickupResponse &rec);
TrecPickupReply fnrecPickupReply(const TrecSiteRegHTTPResp &rec);

// The modem reply's message data: the buffer's text up to the length the
// library set, never past the buffer's capacity.
QString fnstReplyMessageData(const TrecMessageData &rec);

// The savers. Each stores into the first row of its table and answers
// "success" or the text of the failing database library code. A range the
// host did not allocate, or a pickup address it does not know, stores nothing
// and answers "success": there was nothing to store.
struct TrecShipmentRangeSave {
    QString stMethod;
    QString stQueryFailLog;
    QString stUpdateFailLog;
};
QString fnstSaveShipmentRangeReply(const TrecRangeReply &rec, const TrecShipmentRangeSave &recSave);
QString fnstSaveLPRangeReply(const TrecRangeReply &rec);
QString fnstSavePickupReply(const TrecPickupReply &rec);
