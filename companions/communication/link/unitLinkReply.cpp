// Writing and reading the registration reply of the modem link. The text
// comes off a telephone line: it is split strictly and every field is cut to
// its record width, keeping the terminating NUL.
#include "unitLinkReply.h"

#include <algorithm>
#include <cstring>

namespace ModemLink {

namespace {

constexpr std::string_view kstReplyCode = "REGP";
constexpr std::size_t kiSiteIdLength = 16;

// The longest prefix of at most iMax bytes that does not end inside a UTF-8
// sequence.
std::size_t fniCutLength(std::string_view st, std::size_t iMax) {
    if (st.size() <= iMax)
        return st.size();
    std::size_t i = iMax;
    while (i > 0 && (static_cast<unsigned char>(st[i]) & 0xC0) == 0x80)
        --i;
    return i;
}

template <std::size_t N> void pSetText(char (&ach)[N], std::string_view st) {
    const std::size_t iLength = fniCutLength(st, N - 1);
    std::memcpy(ach, st.data(), iLength);
    ach[iLength] = '\0';
}

// The client's records mark a missing allocation date this way.
void pSetDate(TShortText8 &sht, std::string_view st) {
    const std::string_view stDate = st.empty() ? std::string_view("       0") : st;
    sht.iLength = static_cast<uint8_t>(std::min(stDate.size(), sizeof sht.achText));
    std::memcpy(sht.achText, stDate.data(), sht.iLength);
}

std::vector<std::string_view> fnvecSplitFields(std::string_view stRest) {
    std::vector<std::string_view> vecFields;
    while (vecFields.size() < kiReplyFields) {
        const std::size_t iEnd = stRest.find(kchFS);
        if (iEnd == std::string_view::npos)
            break;
        vecFields.push_back(stRest.substr(0, iEnd));
        stRest.remove_prefix(iEnd + 1);
    }
    return vecFields;
}

void pFillRange(TrecAwbLPRange &rec, const std::string_view *pFields, std::string_view stDate) {
    pSetText(rec.achStatus, pFields[0]);
    pSetText(rec.achLowerBound, pFields[1]);
    pSetText(rec.achUpperBound, pFields[2]);
    pSetDate(rec.shtAllocationDate, stDate);
}

void pCopyMessageData(std::string_view stMessage, TrecMessageData &rec) {
    if (rec.pchData == nullptr)
        return;
    rec.iLength = static_cast<uint32_t>(std::min<std::size_t>(stMessage.size(), rec.iCapacity));
    std::memcpy(rec.pchData, stMessage.data(), rec.iLength);
}

} // namespace

std::string fnstEncodeRegistrationReply(std::string_view stSiteId,
                                        const std::vector<std::string> &vecFields) {
    std::string stMessage(kstReplyCode);
    std::string stPaddedId(stSiteId.substr(0, kiSiteIdLength));
    stPaddedId.resize(kiSiteIdLength, ' ');
    stMessage += stPaddedId;
    for (std::size_t i = 0; i < kiReplyFields; ++i) {
        if (i < vecFields.size())
            stMessage += vecFields[i];
        stMessage += kchFS;
    }
    return stMessage;
}

bool fnbFillReplyRecord(std::string_view stMessage, TrecMessageHeaderStructure &recReply) {
    std::memset(&recReply.recShipmentRange, 0, sizeof recReply.recShipmentRange);
    std::memset(&recReply.recLPRange, 0, sizeof recReply.recLPRange);
    std::memset(&recReply.recPickup, 0, sizeof recReply.recPickup);
    const std::size_t iHeader = kstReplyCode.size() + kiSiteIdLength;
    if (stMessage.size() < iHeader || stMessage.substr(0, kstReplyCode.size()) != kstReplyCode)
        return false;
    const std::vector<std::string_view> vecFields = fnvecSplitFields(stMessage.substr(iHeader));
    if (vecFields.size() != kiReplyFields)
        return false;
    pFillRange(recReply.recShipmentRange, &vecFields[0], vecFields[3]);
    pFillRange(recReply.recLPRange, &vecFields[4], vecFields[3]);
    TrecRegistrationPickupResponse &recPickup = recReply.recPickup;
    pSetText(recPickup.achStatus, vecFields[7]);
    pSetText(recPickup.achAddress1, vecFields[8]);
    pSetText(recPickup.achAddress2, vecFields[9]);
    pSetText(recPickup.achAddress3, vecFields[10]);
    pSetText(recPickup.achCity, vecFields[11]);
    pSetText(recPickup.achPostcode, vecFields[12]);
    pSetText(recPickup.achCountryCode, vecFields[13]);
    pCopyMessageData(stMessage, recReply.recMessageData);
    return true;
}

} // namespace ModemLink
