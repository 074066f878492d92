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

// What one answer of the host gives the site, whichever transport brought it.
struct TrecRegistrationAnswer {
    QString stSiteId;
    TrecRangeReply recShipment, recLP;
    TrecPickupReply recPickup;
};
TrecRegistrationAnswer fnrecHostAnswer(const QString &stSiteId,
                                       const TrecMessageHeaderStructure &rec);
TrecRegistrationAnswer fnrecHostAnswer(const TrecSiteRegHTTPResp &rec);

// The host's values are outside input, checked before anything is stored: a
// site ID of the form a user may type in, range bounds of digits with the low
// bound not above the high one, no control character anywhere. The name of
// the first value refused and why; empty when the answer may be stored.
QString fnstRefusedHostValue(const TrecRegistrationAnswer &rec);

// Stores the answer whole, in one transaction: the site ID in the product
// configuration, then the ranges the host allocated and the pickup address it
// knows, each in the first row of its table. "success", or the text of the
// failing database library code with nothing stored.
QString fnstSaveHostAnswer(const TrecRegistrationAnswer &rec);

// A site ID as a user may type it: three letters, ten characters that read as
// a 32-bit integer, and "ZOZ"; letters in either case.
bool fnbValidSiteId(const QString &stSiteId);
