// The host's HTTP reply, a form body read into the caller's reply record.
// Whatever the body, every field of the record ends inside its array; a body
// the reader takes, written again by the carrier host's own form writer, is
// read back to the same fields.
#include "UnitFuzzCheck.h"

#include "UnitHostForm.h"
#include "unitSiteRegReply.h"

#include <cstdint>
#include <cstring>

namespace {
template <size_t N> QByteArray fnbaText(const char (&ach)[N]) {
    FUZZ_CHECK(std::memchr(ach, '\0', N) != nullptr);
    return QByteArray(ach);
}

template <class TShort> QByteArray fnbaShort(const TShort &sht) {
    FUZZ_CHECK(sht.iLength <= sizeof sht.achText);
    return QByteArray(sht.achText, sht.iLength);
}

// The record's fields by the names the host sends them under, every one of
// them read so that an unterminated field is found.
TarFormFields fnarFields(const TrecSiteRegHTTPResp &rec) {
    return {{"msg_code", fnbaShort(rec.shtMessageCode)},
            {"site_id", fnbaShort(rec.shtSiteId)},
            {"shp_status", fnbaText(rec.achShipmentStatus)},
            {"shp_low", fnbaText(rec.achShipmentLowerBound)},
            {"shp_high", fnbaText(rec.achShipmentUpperBound)},
            {"shp_date", fnbaShort(rec.shtAllocationDate)},
            {"lp_status", fnbaText(rec.achLPStatus)},
            {"lp_low", fnbaText(rec.achLPLowerBound)},
            {"lp_high", fnbaText(rec.achLPUpperBound)},
            {"pu_status", fnbaText(rec.achPickupStatus)},
            {"pu_addr1", fnbaText(rec.achPickupAddress1)},
            {"pu_addr2", fnbaText(rec.achPickupAddress2)},
            {"pu_addr3", fnbaText(rec.achPickupAddress3)},
            {"pu_city", fnbaText(rec.achPickupCity)},
            {"pu_postcode", fnbaText(rec.achPickupPostcode)},
            {"pu_country", fnbaText(rec.achPickupCountryCode)}};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize) {
    const QByteArray baBody(reinterpret_cast<const char *>(pData), qsizetype(iSize));
    TrecSiteRegHTTPResp rec;
    const QString stWhy = fnstReadSiteRegReply(baBody, rec);
    const TarFormFields arFields = fnarFields(rec);
    if (!stWhy.isEmpty())
        return 0;
    FUZZ_CHECK(rec.shtMessageCode.iLength > 0);
    TrecSiteRegHTTPResp recAgain;
    FUZZ_CHECK(fnstReadSiteRegReply(fnbaEncodeForm(arFields), recAgain).isEmpty());
    FUZZ_CHECK(fnarFields(recAgain) == arFields);
    return 0;
}
