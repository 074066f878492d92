// The modem link's framing and handshake, driven by a scripted peer: each
// case lists what the peer says, read by read, and checks the bytes this
// side sends and the message it ends with.
#include "unitHayesDialogue.h"
#include "unitLinkBlock.h"
#include "unitLinkBytes.h"
#include "unitLinkReply.h"
#include "unitLinkSerialLine.h"
#include "unitLinkSession.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace ModemLink;

namespace {

const std::string stACK(1, kchACK);
const std::string stNAK(1, kchNAK);
const std::string stENQ(1, kchENQ);
const std::string stEOT(1, kchEOT);
const std::string stSilence; // one read that times out

// Each entry is what one read returns; an empty entry is a time-out, the end
// of the script a line that went away, so no case can wait for ever.
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

std::string fnstCorrupted(std::string stBlock) {
    stBlock.back() = static_cast<char>(stBlock.back() ^ 0x01);
    return stBlock;
}

std::string fnstRepeat(const std::string &stText, int iTimes) {
    std::string stResult;
    for (int i = 0; i < iTimes; ++i)
        stResult += stText;
    return stResult;
}

const std::string stShort = "REGRSiteRegs.txt\x1c\x1c\x1c\x1c"
                            "112345\x1c"
                            "061220260\x1d"
                            "Sec 1\x1d";
const std::string stLong(300, 'x'); // two blocks: 256 and 44 bytes

} // namespace

TEST(ModemLink, BlockBytes) {
    struct TrecCase {
        const char *pchName;
        char chSequence;
        std::string stData;
        bool bFinal;
        std::string stExpected;
    };
    const std::vector<TrecCase> vecCases = {
        // LRC: '0' ^ 'A' ^ 'B' ^ ETX = 0x30
        {"final block", '0', "AB", true,
         std::string("\x02"
                     "0AB\x03"
                     "\x30",
                     6)},
        // LRC: '1' ^ 'A' ^ ETB = 0x67
        {"non-final block", '1', "A", false,
         std::string("\x02"
                     "1A\x17"
                     "\x67",
                     5)},
        // STX in the data goes as DLE 'B'; LRC: '0' ^ DLE ^ 'B' ^ ETX = 0x61
        {"escaped STX", '0', std::string("\x02", 1), true,
         std::string("\x02"
                     "0\x10"
                     "B\x03"
                     "\x61",
                     6)},
        // GS and FS are not framing bytes; LRC: '0' ^ GS ^ FS ^ ETX = 0x32
        {"GS and FS unchanged", '0', "\x1d\x1c", true,
         std::string("\x02"
                     "0\x1d\x1c\x03"
                     "\x32",
                     6)},
        {"empty block", '0', "", true,
         std::string("\x02"
                     "0\x03"
                     "\x33",
                     4)},
    };
    for (const TrecCase &recCase : vecCases) {
        EXPECT_EQ(fnstEncodeBlock(recCase.chSequence, recCase.stData, recCase.bFinal),
                  recCase.stExpected)
            << recCase.pchName;
    }
}

TEST(ModemLink, SendMessage) {
    const std::string stBlock = fnstEncodeBlock('0', stShort, true);
    const std::string stFirst = fnstEncodeBlock('0', stLong.substr(0, 256), false);
    const std::string stSecond = fnstEncodeBlock('1', stLong.substr(256), true);
    struct TrecCase {
        const char *pchName;
        std::string stMessage;
        std::vector<std::string> vecPeer;
        std::string stExpectedWritten;
        bool bExpected;
    };
    const std::vector<TrecCase> vecCases = {
        {"one block", stShort, {stACK, stACK}, stENQ + stBlock + stEOT, true},
        {"NAK, block sent again",
         stShort,
         {stACK, stNAK, stACK},
         stENQ + stBlock + stBlock + stEOT,
         true},
        {"silence after a block",
         stShort,
         {stACK, stSilence, stACK},
         stENQ + stBlock + stBlock + stEOT,
         true},
        {"ENQ unanswered once",
         stShort,
         {stSilence, stACK, stACK},
         stENQ + stENQ + stBlock + stEOT,
         true},
        {"ETB then ETX", stLong, {stACK, stACK, stACK}, stENQ + stFirst + stSecond + stEOT, true},
        {"ACK and noise in one read",
         stShort,
         {stACK, "zz" + stACK},
         stENQ + stBlock + stEOT,
         true},
        {"block refused four times",
         stShort,
         {stACK, stNAK, stNAK, stNAK, stNAK, stACK},
         stENQ + fnstRepeat(stBlock, 4) + stEOT,
         false},
        {"ENQ never answered",
         stShort,
         {stSilence, stSilence, stSilence, stACK},
         fnstRepeat(stENQ, 3) + stEOT,
         false},
        {"line gone after a block", stShort, {stACK}, stENQ + stBlock + stEOT, false},
        {"line gone after ENQ", stShort, {}, stENQ + stEOT, false},
    };
    for (const TrecCase &recCase : vecCases) {
        TclsScriptedStream objPeer(recCase.vecPeer);
        TclsLinkSession objSession(objPeer, {});
        EXPECT_EQ(objSession.fnbSendMessage(recCase.stMessage), recCase.bExpected)
            << recCase.pchName;
        EXPECT_EQ(objPeer.stWritten, recCase.stExpectedWritten) << recCase.pchName;
    }
}

TEST(ModemLink, ReceiveMessage) {
    const std::string stBlock = fnstEncodeBlock('0', stShort, true);
    const std::string stFirst = fnstEncodeBlock('0', stLong.substr(0, 256), false);
    const std::string stSecond = fnstEncodeBlock('1', stLong.substr(256), true);
    const std::string stBad = fnstCorrupted(stBlock);
    struct TrecCase {
        const char *pchName;
        std::vector<std::string> vecPeer;
        std::optional<std::string> stExpected;
        std::string stExpectedWritten;
    };
    const std::vector<TrecCase> vecCases = {
        {"one block", {stENQ, stBlock, stEOT}, stShort, stACK + stACK},
        {"corrupt LRC, resent once",
         {stENQ, stBad, stBlock, stEOT},
         stShort,
         stACK + stNAK + stACK},
        {"block split across reads",
         {stENQ, stBlock.substr(0, 7), stBlock.substr(7), stEOT},
         stShort,
         stACK + stACK},
        {"everything in one read", {stENQ + stBlock + stEOT}, stShort, stACK + stACK},
        {"ETB then ETX", {stENQ, stFirst, stSecond, stEOT}, stLong, stACK + stACK + stACK},
        {"repeated block after a lost ACK",
         {stENQ, stFirst, stFirst, stSecond, stEOT},
         stLong,
         stACK + stACK + stACK + stACK},
        {"repeated last block", {stENQ, stBlock, stBlock, stEOT}, stShort, stACK + stACK + stACK},
        {"noise before STX", {stENQ, "\r\n" + stBlock, stEOT}, stShort, stACK + stACK},
        {"silence inside a block",
         {stENQ, stBlock.substr(0, 5), stSilence, stBlock, stEOT},
         stShort,
         stACK + stNAK + stACK},
        {"NAK limit passed",
         {stENQ, stBad, stBad, stBad, stBad, stBlock, stEOT},
         std::nullopt,
         stACK + fnstRepeat(stNAK, 3)},
        {"EOT instead of ENQ", {stEOT}, std::nullopt, ""},
        {"peer gives up after ENQ", {stENQ, stEOT}, std::nullopt, stACK},
        {"no EOT after the last block", {stENQ, stBlock, stSilence}, std::nullopt, stACK + stACK},
    };
    for (const TrecCase &recCase : vecCases) {
        TclsScriptedStream objPeer(recCase.vecPeer);
        TclsLinkSession objSession(objPeer, {});
        EXPECT_EQ(objSession.fnstReceiveMessage(), recCase.stExpected) << recCase.pchName;
        EXPECT_EQ(objPeer.stWritten, recCase.stExpectedWritten) << recCase.pchName;
    }
}

// What one side sends, the other reads back unchanged, whatever bytes the
// message holds.
TEST(ModemLink, RoundTrip) {
    std::string stAllBytes;
    for (int i = 0; i < 700; ++i)
        stAllBytes += static_cast<char>(i % 256);
    const std::vector<std::string> vecMessages = {"", stShort, stLong, stAllBytes};
    for (const std::string &stMessage : vecMessages) {
        TclsScriptedStream objSender(std::vector<std::string>(8, stACK));
        ASSERT_TRUE(TclsLinkSession(objSender, {}).fnbSendMessage(stMessage));
        TclsScriptedStream objReceiver({objSender.stWritten});
        EXPECT_EQ(TclsLinkSession(objReceiver, {}).fnstReceiveMessage(), stMessage)
            << stMessage.size() << " bytes";
    }
}

TEST(ModemLink, StatusLinesOfAResend) {
    const std::string stBlock = fnstEncodeBlock('0', "REGP", true);
    TclsScriptedStream objPeer({stENQ, fnstCorrupted(stBlock), stBlock, stEOT});
    std::vector<std::string> vecLines;
    TclsLinkSession objSession(objPeer,
                               [&](const std::string &stLine) { vecLines.push_back(stLine); });
    ASSERT_EQ(objSession.fnstReceiveMessage(), std::optional<std::string>("REGP"));
    const std::vector<std::string> vecExpected = {
        "--Waiting for ENQ",     "--Received ENQ",
        "--Sending ACK",         "--Waiting for STX",
        "--Received STX",        "Checksum Failure",
        "--Sending NAK",         "--Received STX",
        "--Received ETX",        "--Valid LRC : Sending ACK",
        "--Waiting for EOT/ENQ", "--Received EOT"};
    EXPECT_EQ(vecLines, vecExpected);
}

namespace {

const std::vector<std::string> vecAllocated = {
    "0", "ZRV0000100",     "ZRV0000199", "06122026", "0",      "LP00000500", "LP00000599",
    "0", "1 Harbour Road", "Unit 4",     "",         "Lisbon", "1100-001",   "PT"};

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

TEST(ModemLink, ReplyBytes) {
    const std::string stFS(1, kchFS);
    EXPECT_EQ(fnstEncodeRegistrationReply("SITE1", {"0", "A1", "A9"}),
              "REGPSITE1           0" + stFS + "A1" + stFS + "A9" + stFS + fnstRepeat(stFS, 11));
    EXPECT_EQ(fnstEncodeRegistrationReply("ABCDEFGHIJKLMNOPQRS", {}).substr(0, 20),
              "REGPABCDEFGHIJKLMNOP");
}

TEST(ModemLink, ReplyRecordFilled) {
    const std::string stReply = fnstEncodeRegistrationReply("PT00000000001234", vecAllocated);
    const TrecFilledReply recFilled = fnrecFill(stReply);
    ASSERT_TRUE(recFilled.bFilled);
    const TrecMessageHeaderStructure &rec = recFilled.rec;
    EXPECT_EQ(recFilled.stMessageData, stReply);
    EXPECT_STREQ(rec.recShipmentRange.achStatus, "0");
    EXPECT_STREQ(rec.recShipmentRange.achLowerBound, "ZRV0000100");
    EXPECT_STREQ(rec.recShipmentRange.achUpperBound, "ZRV0000199");
    EXPECT_EQ(fnstShort(rec.recShipmentRange.shtAllocationDate), "06122026");
    EXPECT_STREQ(rec.recLPRange.achLowerBound, "LP00000500");
    EXPECT_STREQ(rec.recLPRange.achUpperBound, "LP00000599");
    EXPECT_EQ(fnstShort(rec.recLPRange.shtAllocationDate), "06122026");
    EXPECT_STREQ(rec.recPickup.achStatus, "0");
    EXPECT_STREQ(rec.recPickup.achAddress1, "1 Harbour Road");
    EXPECT_STREQ(rec.recPickup.achAddress2, "Unit 4");
    EXPECT_STREQ(rec.recPickup.achAddress3, "");
    EXPECT_STREQ(rec.recPickup.achCity, "Lisbon");
    EXPECT_STREQ(rec.recPickup.achPostcode, "1100-001");
    EXPECT_STREQ(rec.recPickup.achCountryCode, "PT");
}

TEST(ModemLink, ReplyRecordEdges) {
    std::vector<std::string> vecNoDate = vecAllocated;
    vecNoDate[3] = "";
    std::vector<std::string> vecLongCity = vecAllocated;
    vecLongCity[11] = std::string(62, 'a') + "\xc3\xa9"; // an e-acute across byte 63
    const std::string stGood = fnstEncodeRegistrationReply("PT00000000001234", vecAllocated);
    struct TrecCase {
        const char *pchName;
        std::string stMessage;
        bool bExpected;
        std::string stDate;
        std::string stCity;
    };
    const std::vector<TrecCase> vecCases = {
        {"no allocation date", fnstEncodeRegistrationReply("S", vecNoDate), true, "       0",
         "Lisbon"},
        {"refused site: blank ID", fnstEncodeRegistrationReply("", vecAllocated), true, "06122026",
         "Lisbon"},
        {"city cut at a character", fnstEncodeRegistrationReply("S", vecLongCity), true, "06122026",
         std::string(62, 'a')},
        {"not a reply", "REGX" + stGood.substr(4), false, "", ""},
        {"site ID cut short", "REGP1234", false, "", ""},
        {"a field missing", stGood.substr(0, stGood.size() - 1), false, "", ""},
        {"empty", "", false, "", ""},
    };
    for (const TrecCase &recCase : vecCases) {
        const TrecFilledReply recFilled = fnrecFill(recCase.stMessage);
        EXPECT_EQ(recFilled.bFilled, recCase.bExpected) << recCase.pchName;
        EXPECT_EQ(fnstShort(recFilled.rec.recShipmentRange.shtAllocationDate), recCase.stDate)
            << recCase.pchName;
        EXPECT_EQ(recFilled.rec.recPickup.achCity, recCase.stCity) << recCase.pchName;
    }
    EXPECT_EQ(fnrecFill(stGood, 10).stMessageData, "REGPPT0000");
}

// A request and its reply across a pseudo-terminal: the device opened as the
// library opens a modem's port, the host on the other end.
TEST(ModemLink, ExchangeOverPseudoTerminal) {
    const int iMaster = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(iMaster, 0);
    ASSERT_EQ(grantpt(iMaster), 0);
    ASSERT_EQ(unlockpt(iMaster), 0);
    const int iLine = fniOpenSerialLine(ptsname(iMaster), 9600);
    ASSERT_GE(iLine, 0);
    std::string stRequest = stShort;
    for (int i = 0; i < 600; ++i)
        stRequest += static_cast<char>(i % 256);
    const std::string stReply = fnstEncodeRegistrationReply("PT00000000001234", vecAllocated);

    std::optional<std::string> stHostReceived;
    bool bHostSent = false;
    std::thread objHost([&] {
        TclsFdLinkStream objStream(iMaster);
        TclsLinkSession objHostSession(objStream, {});
        stHostReceived = objHostSession.fnstReceiveMessage();
        bHostSent = stHostReceived && objHostSession.fnbSendMessage(stReply);
    });
    TclsFdLinkStream objStream(iLine);
    TclsLinkSession objClient(objStream, {});
    const bool bSent = objClient.fnbSendMessage(stRequest);
    const std::optional<std::string> stClientReceived = objClient.fnstReceiveMessage();
    objHost.join();
    close(iLine);
    close(iMaster);

    EXPECT_TRUE(bSent);
    EXPECT_EQ(stHostReceived, stRequest);
    EXPECT_TRUE(bHostSent);
    EXPECT_EQ(stClientReceived, stReply);
}

TEST(ModemLink, SerialLineMissing) {
    EXPECT_EQ(fniOpenSerialLine("/nonexistent/ttyS0", 9600), -1);
}

TEST(ModemLink, HayesDialogue) {
    const std::string stOK = "OK\r\n";
    const std::string stInit = "ATZ\rATE0\r";
    const std::string stDial = "ATDT090123456\r";
    using D = TenuDialResult;
    struct TrecCase {
        const char *pchName;
        std::vector<std::string> vecPeer;
        bool bInitialised;
        D enDialed; // only when initialised
        std::string stExpectedWritten;
    };
    const std::vector<TrecCase> vecCases = {
        {"connect with speed",
         {stOK, stOK, "\r\nCONNECT 9600\r\n"},
         true,
         D::Connected,
         stInit + stDial},
        {"echo still on",
         {"ATZ\r\r\nOK\r\n", "ATE0\r\r\nOK\r\n", "CONNECT\r\n"},
         true,
         D::Connected,
         stInit + stDial},
        {"result split across reads",
         {stOK, stOK, "CONN", "ECT 2400\r", "\n"},
         true,
         D::Connected,
         stInit + stDial},
        {"ring before connect",
         {stOK, stOK, "RING\r\nCONNECT\r\n"},
         true,
         D::Connected,
         stInit + stDial},
        {"ATZ refused, AT&F taken",
         {"ERROR\r\n", stOK, stOK, "BUSY\r\n"},
         true,
         D::Busy,
         "ATZ\rAT&F\rATE0\r" + stDial},
        {"no carrier", {stOK, stOK, "NO CARRIER\r\n"}, true, D::NoCarrier, stInit + stDial},
        {"no dial tone", {stOK, stOK, "NO DIALTONE\r\n"}, true, D::NoDialtone, stInit + stDial},
        {"no answer", {stOK, stOK, "NO ANSWER\r\n"}, true, D::NoAnswer, stInit + stDial},
        {"error on dial", {stOK, stOK, "ERROR\r\n"}, true, D::Failed, stInit + stDial},
        {"silence on dial", {stOK, stOK, stSilence}, true, D::Failed, stInit + stDial},
        {"silent modem", {stSilence, stSilence}, false, D::Failed, "ATZ\rAT&F\r"},
        {"ATE0 refused", {stOK, "ERROR\r\n"}, false, D::Failed, stInit},
        {"endless line",
         {std::string(100, 'x'), std::string(100, 'x'), stOK},
         false,
         D::Failed,
         "ATZ\rAT&F\rATE0\r"},
    };
    for (const TrecCase &recCase : vecCases) {
        TclsScriptedStream objModem(recCase.vecPeer);
        std::vector<std::string> vecLines;
        TclsHayesDialogue objDialogue(
            objModem, [&](const std::string &stLine) { vecLines.push_back(stLine); });
        ASSERT_EQ(objDialogue.fnbInitialise(), recCase.bInitialised) << recCase.pchName;
        if (recCase.bInitialised) {
            EXPECT_EQ(objDialogue.fnenDial("090123456"), recCase.enDialed) << recCase.pchName;
            EXPECT_EQ(vecLines.at(1), "--Dialing Phone No 090123456") << recCase.pchName;
        } else {
            EXPECT_EQ(vecLines.back(), "Modem is not available.") << recCase.pchName;
        }
        EXPECT_EQ(objModem.stWritten, recCase.stExpectedWritten) << recCase.pchName;
    }
}

TEST(ModemLink, HayesHangUp) {
    struct TrecCase {
        const char *pchName;
        std::vector<std::string> vecPeer;
        bool bExpected;
    };
    const std::vector<TrecCase> vecCases = {
        {"on hook", {stSilence, "OK\r\n", stSilence, "OK\r\n"}, true},
        {"host still talking", {"tail of a block", stSilence, "OK\r\n", stSilence, "OK\r\n"}, true},
        {"modem gone", {}, false},
    };
    for (const TrecCase &recCase : vecCases) {
        TclsScriptedStream objModem(recCase.vecPeer);
        TclsHayesDialogue objDialogue(objModem, {});
        EXPECT_EQ(objDialogue.fnbHangUp(), recCase.bExpected) << recCase.pchName;
        EXPECT_EQ(objModem.stWritten, "+++ATH\r") << recCase.pchName;
    }
}
