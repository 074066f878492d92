// The registration reply as it comes over the modem link, read into the
// caller's exchange record. The message data never passes the buffer's
// capacity, every field ends inside its array, and a text the reader takes,
// written again by the host's writer, is read back to the same record.
#include "UnitFuzzCheck.h"

#include "unitLinkReply.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {
template <size_t N> std::string fnstText(const char (&ach)[N]) {
    FUZZ_CHECK(std::memchr(ach, '\0', N) != nullptr);
    return std::string(ach);
}

std::string fnstShort(const TShortText8 &sht) {
    FUZZ_CHECK(sht.iLength <= sizeof sht.achText);
    return std::string(sht.achText, sht.iLength);
}

// The fourteen fields in the host's order, every one of them read.
std::vector<std::string> fnarFields(const TrecMessageHeaderStructure &rec) {
    const TrecAwbLPRange &recShipment = rec.recShipmentRange, &recLP = rec.recLPRange;
    const TrecRegistrationPickupResponse &recPickup = rec.recPickup;
    fnstText(recShipment.achRangeType);
    fnstText(recLP.achRangeType);
    fnstShort(recLP.shtAllocationDate);
    return {fnstText(recShipment.achStatus),     fnstText(recShipment.achLowerBound),
            fnstText(recShipment.achUpperBound), fnstShort(recShipment.shtAllocationDate),
            fnstText(recLP.achStatus),           fnstText(recLP.achLowerBound),
            fnstText(recLP.achUpperBound),       fnstText(recPickup.achStatus),
            fnstText(recPickup.achAddress1),     fnstText(recPickup.achAddress2),
            fnstText(recPickup.achAddress3),     fnstText(recPickup.achCity),
            fnstText(recPickup.achPostcode),     fnstText(recPickup.achCountryCode)};
}

// An exchange record whose message data is a buffer of iCapacity bytes.
struct TrecReplyBuffer {
    explicit TrecReplyBuffer(std::size_t iCapacity) : stBuffer(iCapacity, '\xAA') {
        rec.recMessageData = {stBuffer.data(), 0, std::uint32_t(iCapacity)};
    }
    TrecMessageHeaderStructure rec{};
    std::string stBuffer;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize) {
    const std::string_view stMessage(reinterpret_cast<const char *>(pData), iSize);
    // A capacity taken from the input, so short buffers are tried too.
    TrecReplyBuffer objReply(iSize > 0 ? pData[0] * 4u : 64u);
    const bool bTaken = ModemLink::fnbFillReplyRecord(stMessage, objReply.rec);
    const std::vector<std::string> arFields = fnarFields(objReply.rec);
    FUZZ_CHECK(objReply.rec.recMessageData.iLength <= objReply.rec.recMessageData.iCapacity);
    if (!bTaken)
        return 0;
    const std::string stSiteId(stMessage.substr(4, 16));
    TrecReplyBuffer objAgain(stMessage.size() + 64);
    FUZZ_CHECK(ModemLink::fnbFillReplyRecord(
        ModemLink::fnstEncodeRegistrationReply(stSiteId, arFields), objAgain.rec));
    FUZZ_CHECK(fnarFields(objAgain.rec) == arFields);
    return 0;
}
