// Reading the reply. The body is untrusted: it is decoded strictly and never
// written past a field, and each field keeps a terminating NUL (short texts
// keep their length byte instead).
#include "unitSiteRegReply.h"

#include <QList>

#include <cstring>
#include <optional>
#include <set>

namespace {

// The longest prefix of ba of at most iMax bytes that does not end inside a
// UTF-8 sequence (for text that is not UTF-8, simply iMax bytes).
qsizetype fniCutLength(const QByteArray &ba, qsizetype iMax) {
    if (ba.size() <= iMax)
        return ba.size();
    if (QString::fromUtf8(ba).toUtf8() != ba)
        return iMax;
    qsizetype i = iMax;
    while (i > 0 && (uchar(ba[i]) & 0xC0) == 0x80)
        --i;
    return i;
}

// Both setters answer whether the whole value fitted.
template <size_t N> bool fnbSetText(char (&ach)[N], const QByteArray &ba) {
    const qsizetype iLength = fniCutLength(ba, qsizetype(N - 1));
    std::memcpy(ach, ba.constData(), size_t(iLength));
    ach[iLength] = '\0';
    return iLength == ba.size();
}

template <class TShort> bool fnbSetShort(TShort &sht, const QByteArray &ba) {
    const qsizetype iLength = fniCutLength(ba, qsizetype(sizeof sht.achText));
    std::memcpy(sht.achText, ba.constData(), size_t(iLength));
    sht.iLength = uint8_t(iLength);
    return iLength == ba.size();
}

// A code, an ID, a status, a bound or a date cut to its field would be
// another value: it must fit. The pickup address's texts are cut to fit.
struct TrecReplyField {
    const char *pchName;
    bool (*pfnbSet)(TrecSiteRegHTTPResp &, const QByteArray &);
    bool bMustFit;
};

using R = TrecSiteRegHTTPResp;
using B = QByteArray;
const TrecReplyField carFields[] = {
    {"msg_code", [](R &r, const B &b) { return fnbSetShort(r.shtMessageCode, b); }, true},
    {"site_id", [](R &r, const B &b) { return fnbSetShort(r.shtSiteId, b); }, true},
    {"shp_status", [](R &r, const B &b) { return fnbSetText(r.achShipmentStatus, b); }, true},
    {"shp_low", [](R &r, const B &b) { return fnbSetText(r.achShipmentLowerBound, b); }, true},
    {"shp_high", [](R &r, const B &b) { return fnbSetText(r.achShipmentUpperBound, b); }, true},
    {"shp_date", [](R &r, const B &b) { return fnbSetShort(r.shtAllocationDate, b); }, true},
    {"lp_status", [](R &r, const B &b) { return fnbSetText(r.achLPStatus, b); }, true},
    {"lp_low", [](R &r, const B &b) { return fnbSetText(r.achLPLowerBound, b); }, true},
    {"lp_high", [](R &r, const B &b) { return fnbSetText(r.achLPUpperBound, b); }, true},
    {"pu_status", [](R &r, const B &b) { return fnbSetText(r.achPickupStatus, b); }, true},
    {"pu_addr1", [](R &r, const B &b) { return fnbSetText(r.achPickupAddress1, b); }, false},
    {"pu_addr2", [](R &r, const B &b) { return fnbSetText(r.achPickupAddress2, b); }, false},
    {"pu_addr3", [](R &r, const B &b) { return fnbSetText(r.achPickupAddress3, b); }, false},
    {"pu_city", [](R &r, const B &b) { return fnbSetText(r.achPickupCity, b); }, false},
    {"pu_postcode", [](R &r, const B &b) { return fnbSetText(r.achPickupPostcode, b); }, false},
    {"pu_country", [](R &r, const B &b) { return fnbSetText(r.achPickupCountryCode, b); }, true},
};

const TrecReplyField *fnpFieldNamed(const QByteArray &baName) {
    for (const TrecReplyField &rec : carFields)
        if (baName == rec.pchName)
            return &rec;
    return nullptr;
}

int fniHexDigit(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

// "+" is a blank, "%XY" the byte XY; a "%" without two hex digits after it, or
// an escaped NUL (which would end a C text early), is no form text.
std::optional<QByteArray> fnbaDecode(const QByteArray &ba) {
    QByteArray baResult;
    baResult.reserve(ba.size());
    for (qsizetype i = 0; i < ba.size(); ++i) {
        if (ba[i] == '+') {
            baResult += ' ';
        } else if (ba[i] != '%') {
            baResult += ba[i];
        } else {
            const int iHigh = i + 2 < ba.size() ? fniHexDigit(ba[i + 1]) : -1;
            const int iLow = iHigh >= 0 ? fniHexDigit(ba[i + 2]) : -1;
            if (iLow < 0 || (iHigh == 0 && iLow == 0))
                return std::nullopt;
            baResult += char(iHigh * 16 + iLow);
            i += 2;
        }
    }
    return baResult;
}

// A form body is printable ASCII; the one line end a host may put after it is
// dropped.
std::optional<QByteArray> fnbaFormText(const QByteArray &baBody) {
    QByteArray ba = baBody;
    if (ba.endsWith("\r\n"))
        ba.chop(2);
    else if (ba.endsWith('\n'))
        ba.chop(1);
    for (const char ch : ba)
        if (ch < 0x21 || ch > 0x7E)
            return std::nullopt;
    return ba;
}

} // namespace

QString fnstReadSiteRegReply(const QByteArray &baBody, TrecSiteRegHTTPResp &recReply) {
    recReply = TrecSiteRegHTTPResp{};
    const auto optText = fnbaFormText(baBody);
    if (!optText)
        return QStringLiteral("The reply holds characters a form body cannot hold.");
    std::set<const TrecReplyField *> setSeen;
    for (const QByteArray &baPair : optText->split('&')) {
        if (baPair.isEmpty())
            continue;
        const qsizetype iEquals = baPair.indexOf('=');
        const auto optName = iEquals < 0 ? std::nullopt : fnbaDecode(baPair.left(iEquals));
        const auto optValue = iEquals < 0 ? std::nullopt : fnbaDecode(baPair.mid(iEquals + 1));
        if (!optName || !optValue)
            return QStringLiteral("The reply is not a form body.");
        const TrecReplyField *precField = fnpFieldNamed(*optName);
        if (!precField)
            continue;
        if (!setSeen.insert(precField).second)
            return QStringLiteral("The reply gives %1 twice.")
                .arg(QLatin1String(precField->pchName));
        if (!precField->pfnbSet(recReply, *optValue) && precField->bMustFit)
            return QStringLiteral("The reply's %1 is longer than its field.")
                .arg(QLatin1String(precField->pchName));
    }
    if (recReply.shtMessageCode.iLength == 0)
        return QStringLiteral("The reply has no msg_code.");
    return QString();
}
