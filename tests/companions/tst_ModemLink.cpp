// The modem link against a scripted peer: bytes sent, message ended with.
#include "unitHayesDialogue.h"
#include "unitLinkBlock.h"
#include "unitLinkBytes.h"
#include "unitLinkReply.h"
#include "unitLinkSession.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <vector>

using namespace ModemLink;

namespace {

const std::string stACK(1, kchACK), stNAK(1, kchNAK), stENQ(1, kchENQ), stEOT(1, kchEOT);
const std::string stSilence; // one read that times out

// One entry per read: empty is a time-out, the end of the script a line gone.
class TclsScriptedStream : public TclsLinkStream {
public:
    explicit TclsScriptedStream(std::vector<std::string> vecReads)
        : deqReads(vecReads.begin(), vecReads.end()) {}

    bool fnbWrite(std::string_view stBytes) override {
        stWritten += stBytes;
        return true;
    }
    long fniRead(char *pchBuffer, std::size_t iMax, int) override {
        if (deqReads.empty())
            return -1;
        std::string &stNext = deqReads.front();
        const std::size_t iCount = std::min(iMax, stNext.size());
        std::memcpy(pchBuffer, stNext.data(), iCount);
        stNext.erase(0, iCount);
        if (stNext.empty() || iCount == 0)
            deqReads.pop_front();
        return static_cast<long>(iCount);
    }

    std::string stWritten;

private:
    std::deque<std::string> deqReads;
};

const std::string stShort = "REGRSiteRegs.txt\x1c\x1c\x1c\x1c"
                            "112345\x1c"
                            "061220260\x1d"
                            "Sec 1\x1d";
const std::string stLong(300, 'x'); // two blocks: 256 and 44 bytes
const std::string stBlock = fnstEncodeBlock('0', stShort, true);
const std::string stFirst = fnstEncodeBlock('0', stLong.substr(0, 256), false);
const std::string stSecond = fnstEncodeBlock('1', stLong.substr(256), true);
const std::string stBad = stBlock.substr(0, stBlock.size() - 1) + char(stBlock.back() ^ 0x01);

} // namespace

TEST(ModemLink, BlockBytes) {
    const struct {
        char chSequence;
        std::string stData;
        bool bFinal;
        std::string stExpected;
    } arCases[] = {
        // clang-format off
        {'0', "AB", true, std::string("\x02" "0AB\x03" "\x30", 6)},    // LRC '0'^'A'^'B'^ETX
        {'1', "A", false, std::string("\x02" "1A\x17" "\x67", 5)},     // ETB, not final
        {'0', std::string("\x02", 1), true, std::string("\x02" "0\x10" "B\x03" "\x61", 6)}, // DLE 'B'
        {'0', "\x1d\x1c", true, std::string("\x02" "0\x1d\x1c\x03" "\x32", 6)}, // GS, FS as they are
        {'0', "", true, std::string("\x02" "0\x03" "\x33", 4)},
        // clang-format on
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(fnstEncodeBlock(rec.chSequence, rec.stData, rec.bFinal), rec.stExpected)
            << rec.stExpected.size();
}

// A row with a message sends it, one without receives.
TEST(ModemLink, SendAndReceive) {
    const std::optional<std::string> none, stRecv;
    const struct {
        const char *pchName;
        std::optional<std::string> stSend;
        std::vector<std::string> vecPeer;
        std::string stExpectedWritten;
        std::optional<std::string> stExpected;
    } arCases[] = {
        // clang-format off
        {"one block", stShort, {stACK, stACK}, stENQ + stBlock + stEOT, stShort},
        {"NAK, block sent again", stShort, {stACK, stNAK, stACK}, stENQ + stBlock + stBlock + stEOT, stShort},
        {"silence after a block", stShort, {stACK, stSilence, stACK}, stENQ + stBlock + stBlock + stEOT, stShort},
        {"ENQ unanswered once", stShort, {stSilence, stACK, stACK}, stENQ + stENQ + stBlock + stEOT, stShort},
        {"ETB then ETX", stLong, {stACK, stACK, stACK}, stENQ + stFirst + stSecond + stEOT, stLong},
        {"block refused four times", stShort, {stACK, stNAK, stNAK, stNAK, stNAK, stACK}, stENQ + stBlock + stBlock + stBlock + stBlock + stEOT, none},
        {"ENQ never answered", stShort, {stSilence, stSilence, stSilence, stACK}, std::string(3, kchENQ) + stEOT, none},
        {"line gone after ENQ", stShort, {}, stENQ + stEOT, none},
        {"corrupt LRC, resent once", stRecv, {stENQ, stBad, stBlock, stEOT}, stACK + stNAK + stACK, stShort},
        {"block split across reads", stRecv, {stENQ, stBlock.substr(0, 7), stBlock.substr(7), stEOT}, stACK + stACK, stShort},
        {"repeated block after a lost ACK", stRecv, {stENQ, stFirst, stFirst, stSecond, stEOT}, std::string(4, kchACK), stLong},
        {"noise before STX", stRecv, {stENQ, "\r\n" + stBlock, stEOT}, stACK + stACK, stShort},
        {"silence inside a block", stRecv, {stENQ, stBlock.substr(0, 5), stSilence, stBlock, stEOT}, stACK + stNAK + stACK, stShort},
        {"NAK limit passed", stRecv, {stENQ, stBad, stBad, stBad, stBad, stBlock, stEOT}, stACK + std::string(3, kchNAK), none},
        {"EOT instead of ENQ", stRecv, {stEOT}, "", none},
        {"no EOT after the last block", stRecv, {stENQ, stBlock, stSilence}, stACK + stACK, none},
        // clang-format on
    };
    for (const auto &rec : arCases) {
        TclsScriptedStream objPeer(rec.vecPeer);
        TclsLinkSession objSession(objPeer, {});
        const std::optional<std::string> stEnded = !rec.stSend ? objSession.fnstReceiveMessage()
                                                   : objSession.fnbSendMessage(*rec.stSend)
                                                       ? rec.stSend
                                                       : none;
        EXPECT_EQ(stEnded, rec.stExpected) << rec.pchName;
        EXPECT_EQ(objPeer.stWritten, rec.stExpectedWritten) << rec.pchName;
    }
}

// Any bytes read back unchanged; the block of "1" ends in the LRC 0x02, an STX.
TEST(ModemLink, RoundTrip) {
    std::string stAllBytes;
    for (int i = 0; i < 700; ++i)
        stAllBytes += static_cast<char>(i % 256);
    for (const std::string &stMessage : {std::string(), std::string("1"), stLong, stAllBytes}) {
        TclsScriptedStream objSender(std::vector<std::string>(8, stACK));
        ASSERT_TRUE(TclsLinkSession(objSender, {}).fnbSendMessage(stMessage));
        TclsScriptedStream objReceiver({objSender.stWritten});
        EXPECT_EQ(TclsLinkSession(objReceiver, {}).fnstReceiveMessage(), stMessage)
            << stMessage.size() << " bytes";
    }
}

namespace {

// clang-format off
const std::vector<std::string> vecAllocated = {
    "0", "ZRV0000100", "ZRV0000199", "06122026", "0", "LP00000500", "LP00000599",
    "0", "1 Harbour Road", "Unit 4", "", "Lisbon", "1100-001", "PT"};
// clang-format on

struct TrecFilledReply {
    bool bFilled = false;
    std::string stMessageData;
    TrecMessageHeaderStructure rec{};
};

TrecFilledReply fnrecFill(const std::string &stMessage, uint32_t iCapacity = 512) {
    TrecFilledReply recResult;
    std::vector<char> vecBuffer(iCapacity);
    recResult.rec.recMessageData = {vecBuffer.data(), 0, iCapacity};
    recResult.bFilled = fnbFillReplyRecord(stMessage, recResult.rec);
    recResult.stMessageData.assign(vecBuffer.data(), recResult.rec.recMessageData.iLength);
    return recResult;
}

std::string fnstShort(const TShortText8 &sht) {
    return std::string(sht.achText, sht.iLength);
}

} // namespace

TEST(ModemLink, ReplyRecord) {
    const std::string stReply = fnstEncodeRegistrationReply("PT00000000001234", vecAllocated);
    EXPECT_EQ(fnrecFill(stReply).stMessageData, stReply);
    EXPECT_EQ(fnrecFill(stReply, 10).stMessageData, "REGPPT0000");

    std::vector<std::string> vecNoDate = vecAllocated, vecLongCity = vecAllocated;
    vecNoDate[3] = "";
    vecLongCity[11] = std::string(62, 'a') + "\xc3\xa9"; // an e-acute across byte 63
    const struct {
        const char *pchName;
        std::string stMessage;
        bool bExpected;
        std::string stFields; // shipment allocation date, pickup postcode and city
    } arCases[] = {
        // clang-format off
        {"allocated", stReply, true, "06122026|1100-001|Lisbon"},
        {"no allocation date", fnstEncodeRegistrationReply("S", vecNoDate), true, "       0|1100-001|Lisbon"},
        {"refused site: blank ID", fnstEncodeRegistrationReply("", vecAllocated), true, "06122026|1100-001|Lisbon"},
        {"city cut at a character", fnstEncodeRegistrationReply("S", vecLongCity), true, "06122026|1100-001|" + std::string(62, 'a')},
        {"a field missing", stReply.substr(0, stReply.size() - 1), false, "||"},
        // clang-format on
    };
    for (const auto &rec : arCases) {
        const TrecFilledReply recFilled = fnrecFill(rec.stMessage);
        const TrecMessageHeaderStructure &r = recFilled.rec;
        EXPECT_EQ(recFilled.bFilled, rec.bExpected) << rec.pchName;
        EXPECT_EQ(fnstShort(r.recShipmentRange.shtAllocationDate) + '|' + r.recPickup.achPostcode +
                      '|' + r.recPickup.achCity,
                  rec.stFields)
            << rec.pchName;
    }
}

TEST(ModemLink, HayesDialogue) {
    const std::string stOK = "OK\r\n", stInit = "ATZ\rATE0\r", stDial = "ATDT090123456\r";
    using D = TenuDialResult;
    const struct {
        const char *pchName;
        std::vector<std::string> vecPeer;
        bool bInitialised;
        D enDialed; // only when initialised
        std::string stExpectedWritten;
    } arCases[] = {
        // clang-format off
        {"connect with speed", {stOK, stOK, "\r\nCONNECT 9600\r\n"}, true, D::Connected, stInit + stDial},
        {"echo still on", {"ATZ\r\r\nOK\r\n", "ATE0\r\r\nOK\r\n", "CONNECT\r\n"}, true, D::Connected, stInit + stDial},
        {"result split across reads", {stOK, stOK, "CONN", "ECT 2400\r", "\n"}, true, D::Connected, stInit + stDial},
        {"ATZ refused, AT&F taken", {"ERROR\r\n", stOK, stOK, "BUSY\r\n"}, true, D::Busy, "ATZ\rAT&F\rATE0\r" + stDial},
        {"silence on dial", {stOK, stOK, stSilence}, true, D::Failed, stInit + stDial},
        {"silent modem", {stSilence, stSilence}, false, D::Failed, "ATZ\rAT&F\r"},
        {"ATE0 refused", {stOK, "ERROR\r\n"}, false, D::Failed, stInit},
        {"endless line", {std::string(100, 'x'), std::string(100, 'x'), stOK}, false, D::Failed, "ATZ\rAT&F\rATE0\r"},
        // clang-format on
    };
    for (const auto &rec : arCases) {
        TclsScriptedStream objModem(rec.vecPeer);
        std::vector<std::string> vecLines;
        TclsHayesDialogue objDialogue(
            objModem, [&](const std::string &stLine) { vecLines.push_back(stLine); });
        ASSERT_EQ(objDialogue.fnbInitialise(), rec.bInitialised) << rec.pchName;
        if (rec.bInitialised) {
            EXPECT_EQ(objDialogue.fnenDial("090123456"), rec.enDialed) << rec.pchName;
            EXPECT_EQ(vecLines.at(1), "--Dialing Phone No 090123456") << rec.pchName;
        } else {
            EXPECT_EQ(vecLines.back(), "Modem is not available.") << rec.pchName;
        }
        EXPECT_EQ(objModem.stWritten, rec.stExpectedWritten) << rec.pchName;
    }
    TclsScriptedStream objModem({"CONNECT\r\n"});
    EXPECT_EQ(TclsHayesDialogue(objModem, {}).fnenDial("0901", false), D::Connected);
    EXPECT_EQ(objModem.stWritten, "ATDP0901\r");
}
