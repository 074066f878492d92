// How the host forms what it hands out. Site IDs pass the client's manual
// check: three letters, ten digits that fit a 32-bit integer, "ZOZ".
// Shipment numbers have ten digits. LP numbers are a one-letter code, a
// three-letter type and a ten-digit number ("JZLP0000000001"), so the client's
// slicing (first character, characters 2 to 4, the rest) finds all three and
// both bounds have numbers of the same width.
#pragma once

#include <QString>

inline constexpr qint64 iFirstSiteSequence = 1;
inline constexpr qint64 iLastSiteSequence = 2147483647;
inline constexpr qint64 iFirstShipmentNumber = 1000000000;
inline constexpr qint64 iLastShipmentNumber = 9999999999;
inline constexpr qint64 iFirstLPNumber = 1;
inline constexpr qint64 iLastLPNumber = 9999999999;
// The most numbers one registration may ask for in one range.
inline constexpr qint64 iMaxRangeQuantity = 1000000;

// The first three ASCII letters of the company name, upper-cased; "ZOR" when
// the name has fewer than three.
QString fnstSitePrefix(const QString &stCompany);

QString fnstSiteId(const QString &stPrefix, qint64 iSequence);
QString fnstShipmentNumber(qint64 iNumber);
QString fnstLPNumber(qint64 iNumber);
