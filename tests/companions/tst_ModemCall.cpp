// The library's modem call up to the point where a host would answer: which
// modem and port it uses, what it dials in which order, the status lines it
// reports (to the callback, the mail slot and Comm.log) and how it ends when
// nothing connects, the modem does not answer, or the user aborts. Whole
// calls against the carrier host's modem are the end-to-end tests.
#include "UnitAdHocQuery.h"
#include "UnitCommunicationLibrary.h"
#include "unitMailSlot.h"
#include "UnitScriptedModem.h"
#include "UnitTestInstallation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> garLines;

int fniCollectLine(const char *pchLine) {
    garLines.emplace_back(pchLine);
    return 0;
}

int giWindowCalls = 0;
void pCountWindowCall() {
    ++giWindowCalls;
}

const QString cstLocationKey = QStringLiteral(
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations\\"
    "Location1]");

struct TrecModemSetup {
    std::string stDevice; // empty: no modem listed
    int iRetries = 1;
    QString stLocation = {}; // the location's values; empty: as installed (tone, prefix 9)
    QString stPrimary = QStringLiteral("0395551234");
    QString stSecondary = QStringLiteral("0395559876");
};

// An installation registering over the modem with two numbers.
std::unique_ptr<TclsTestInstallation> fnobjInstall(const TrecModemSetup &rec) {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.stModemDevice = QString::fromStdString(rec.stDevice);
    recOptions.recSeed.stSiteRegistrationMode = QStringLiteral("MODEM");
    recOptions.recSeed.stPrimaryPhone = rec.stPrimary;
    recOptions.recSeed.stSecondaryPhone = rec.stSecondary;
    auto obj = std::make_unique<TclsTestInstallation>(recOptions);
    if (!obj->fnbOk())
        return obj;
    QByteArray baRegistry = obj->fnbaReadFile(QStringLiteral("Config/registry.ini"));
    baRegistry.replace("Locations\\Location1]", "Locations\\Location0]");
    if (!rec.stLocation.isEmpty())
        baRegistry += (cstLocationKey + QStringLiteral("\r\n") + rec.stLocation).toLatin1();
    obj->fnbWriteFile(QStringLiteral("Config/registry.ini"), baRegistry);
    TclsAdHocQuery objQuery;
    EXPECT_EQ(objQuery.fniExecute(QStringLiteral("UPDATE config_zorv SET no_of_retries = ?"),
                                  {rec.iRetries}),
              0);
    return obj;
}

struct TrecOutcome {
    std::string stResult;
    std::vector<std::string> arLines;
};

TrecOutcome fnrecCall(TclsCommunicationLibrary &objLibrary) {
    garLines.clear();
    std::string stRequest = "REGR-HEADER\x1dSITE FILE\x1d";
    TrecMessageHeaderStructure recRequest{}, recReply{};
    recRequest.recMessageData = {stRequest.data(), uint32_t(stRequest.size()),
                                 uint32_t(stRequest.size())};
    char achReplyData[512] = {};
    recReply.recMessageData = {achReplyData, 0, sizeof achReplyData};
    char achResult[MV_RESULT_TEXT];
    objLibrary.pfnModem(achResult, sizeof achResult, &recRequest, &recReply, fniCollectLine,
                        pCountWindowCall);
    EXPECT_EQ(recReply.recMessageData.iLength, 0u);
    return {achResult, garLines};
}

std::vector<std::string> fnarCommLog(const TclsTestInstallation &obj) {
    std::vector<std::string> ar;
    for (const QByteArray &ba : obj.fnbaReadFile(QStringLiteral("Logs/Comm.log")).split('\n'))
        if (!ba.trimmed().isEmpty())
            ar.push_back(ba.trimmed().toStdString());
    return ar;
}

std::string fnstAnswerAll(const std::string &stCommand, const std::string &stDial) {
    return stCommand.rfind("ATD", 0) == 0 ? stDial : std::string("OK");
}

} // namespace

TEST(ModemCall, DialsEachNumberWithTheLocationsPrefixForEveryRound) {
    const struct {
        const char *pchCase;
        QString stLocation;
        std::string stPrimary, stSecondary;
    } arCases[] = {
        {"tone with prefix 9", {}, "ATDT90395551234", "ATDT90395559876"},
        {"pulse, no prefix", QStringLiteral("Flags=dword:00000000\r\n"), "ATDP0395551234",
         "ATDP0395559876"},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.pchCase);
        TclsScriptedModem objModem([](const std::string &st) { return fnstAnswerAll(st, "BUSY"); });
        ASSERT_TRUE(objModem.fnbOk());
        const auto objInstallation = fnobjInstall({objModem.fnstDevice(), 2, rec.stLocation});
        ASSERT_TRUE(objInstallation->fnbOk()) << qPrintable(objInstallation->fnstError());
        TclsCommunicationLibrary objLibrary;
        ASSERT_TRUE(objLibrary.fnbOk());
        giWindowCalls = 0;

        const TrecOutcome recOutcome = fnrecCall(objLibrary);
        EXPECT_EQ(recOutcome.stResult, "FAILURE");
        EXPECT_EQ(giWindowCalls, 1);
        const std::vector<std::string> arExpectedCommands = {
            "ATZ", "ATE0", rec.stPrimary, rec.stSecondary, rec.stPrimary, rec.stSecondary};
        EXPECT_EQ(objModem.fnarCommands(), arExpectedCommands);
        const std::string stPrimary = rec.stPrimary.substr(4),
                          stSecondary = rec.stSecondary.substr(4);
        const std::vector<std::string> arExpectedLines = {"Initializing Modem...",
                                                          "Going Online...",
                                                          "--Dialing Phone No " + stPrimary,
                                                          "--Retrying... 2",
                                                          "--Dialing Phone No " + stSecondary,
                                                          "--Retrying... 3",
                                                          "--Dialing Phone No " + stPrimary,
                                                          "--Retrying... 4",
                                                          "--Dialing Phone No " + stSecondary,
                                                          "--Process NOT Successful"};
        EXPECT_EQ(recOutcome.arLines, arExpectedLines);
        // Comm.log holds the same lines and why each dial failed.
        const std::vector<std::string> arLog = fnarCommLog(*objInstallation);
        EXPECT_EQ(std::count(arLog.begin(), arLog.end(), "Dialling " + stPrimary + " gave BUSY."),
                  2);
        EXPECT_EQ(arLog.back(), "--Process NOT Successful");
    }
}

TEST(ModemCall, TheStatusLinesReachTheMailSlotInOrder) {
    TclsMailSlot objSlot;
    ASSERT_TRUE(objSlot.fnbCreate());
    TclsScriptedModem objModem(
        [](const std::string &st) { return fnstAnswerAll(st, "NO CARRIER"); });
    ASSERT_TRUE(objModem.fnbOk());
    const auto objInstallation = fnobjInstall({objModem.fnstDevice(), 1});
    ASSERT_TRUE(objInstallation->fnbOk());
    TclsCommunicationLibrary objLibrary;
    const TrecOutcome recOutcome = fnrecCall(objLibrary);
    std::vector<std::string> arPosted;
    for (QByteArray ba = objSlot.fnbaRead(); !ba.isEmpty(); ba = objSlot.fnbaRead())
        arPosted.push_back(ba.toStdString());
    EXPECT_EQ(arPosted, recOutcome.arLines);
    EXPECT_EQ(recOutcome.arLines.size(), 6u);
}

TEST(ModemCall, AModemThatCannotBeUsedTakesTheCallOffline) {
    TclsScriptedModem objRefusing([](const std::string &) { return std::string("ERROR"); });
    ASSERT_TRUE(objRefusing.fnbOk());
    const struct {
        const char *pchCase;
        std::string stDevice;
        std::vector<std::string> arLines;
        std::string stLogged;
    } arCases[] = {
        {"no modem listed",
         "",
         {"Modem is not available.", "Going Offline"},
         "No modem named \"\" is attached to a port."},
        {"port missing",
         "/dev/no-such-modem",
         {"Modem is not available.", "Going Offline"},
         "The port /dev/no-such-modem could not be opened."},
        {"modem refuses the reset",
         objRefusing.fnstDevice(),
         {"Initializing Modem...", "Modem is not available.", "Going Offline"},
         "The modem does not answer."},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.pchCase);
        const auto objInstallation = fnobjInstall({rec.stDevice, 3});
        ASSERT_TRUE(objInstallation->fnbOk());
        TclsCommunicationLibrary objLibrary;
        const TrecOutcome recOutcome = fnrecCall(objLibrary);
        EXPECT_EQ(recOutcome.stResult, "FAILURE");
        EXPECT_EQ(recOutcome.arLines, rec.arLines);
        const std::vector<std::string> arLog = fnarCommLog(*objInstallation);
        EXPECT_NE(std::find(arLog.begin(), arLog.end(), rec.stLogged), arLog.end());
    }
    // The refusing modem was reset twice and never dialled.
    const std::vector<std::string> arExpected = {"ATZ", "AT&F"};
    EXPECT_EQ(objRefusing.fnarCommands(), arExpected);
}

TEST(ModemCall, AnAbortWhileDiallingHangsUpAndDialsNoMore) {
    TclsCommunicationLibrary objLibrary;
    ASSERT_TRUE(objLibrary.fnbOk());
    // The modem says nothing to a dial, as while a far phone rings, and the
    // user presses Cancel meanwhile.
    TclsScriptedModem objModem([&objLibrary](const std::string &st) {
        if (st.rfind("ATD", 0) == 0)
            objLibrary.pfnAbort();
        return fnstAnswerAll(st, "");
    });
    ASSERT_TRUE(objModem.fnbOk());
    const auto objInstallation = fnobjInstall({objModem.fnstDevice(), 3});
    ASSERT_TRUE(objInstallation->fnbOk());
    const TrecOutcome recOutcome = fnrecCall(objLibrary);
    EXPECT_EQ(recOutcome.stResult, "FAILURE");
    const std::vector<std::string> arExpectedLines = {"Initializing Modem...",
                                                      "Going Online...",
                                                      "--Dialing Phone No 90395551234",
                                                      "Setting modem to Command state...",
                                                      "....Hung up",
                                                      "Going Offline"};
    EXPECT_EQ(recOutcome.arLines, arExpectedLines);
    const std::vector<std::string> arExpectedCommands = {"ATZ", "ATE0", "ATDT90395551234", "+++",
                                                         "ATH"};
    EXPECT_EQ(objModem.fnarCommands(), arExpectedCommands);
    // The next call starts without the old abort.
    TclsScriptedModem objBusy([](const std::string &st) { return fnstAnswerAll(st, "BUSY"); });
    const auto objSecond = fnobjInstall({objBusy.fnstDevice(), 1});
    EXPECT_EQ(fnrecCall(objLibrary).arLines.back(), "--Process NOT Successful");
}

TEST(ModemCall, ANumberOrPrefixThatIsNoDialStringIsNeverSent) {
    const struct {
        const char *pchCase;
        QString stLocation, stPrimary, stSecondary;
        std::string stLogged;
    } arCases[] = {
        {"a command after a carriage return in the primary number",
         {},
         QStringLiteral("0395551234\rATH"),
         QStringLiteral("0395559876"),
         "The primary phone number of the Site Registration service holds characters a modem "
         "does not dial."},
        {"a semicolon in the secondary number",
         {},
         QStringLiteral("0395551234"),
         QStringLiteral("0395;559876"),
         "The secondary phone number of the Site Registration service holds characters a modem "
         "does not dial."},
        {"letters in the location's prefix",
         QStringLiteral("Flags=dword:00000001\r\nOutsideAccess=9ATZ\r\n"),
         QStringLiteral("0395551234"), QStringLiteral("0395559876"),
         "The outside-line prefix of the dialling location holds characters a modem does not "
         "dial."},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.pchCase);
        TclsScriptedModem objModem([](const std::string &st) { return fnstAnswerAll(st, "BUSY"); });
        ASSERT_TRUE(objModem.fnbOk());
        const auto objInstallation = fnobjInstall(
            {objModem.fnstDevice(), 1, rec.stLocation, rec.stPrimary, rec.stSecondary});
        ASSERT_TRUE(objInstallation->fnbOk()) << qPrintable(objInstallation->fnstError());
        TclsCommunicationLibrary objLibrary;
        const TrecOutcome recOutcome = fnrecCall(objLibrary);
        EXPECT_EQ(recOutcome.stResult, "FAILURE");
        EXPECT_TRUE(objModem.fnarCommands().empty());
        const std::vector<std::string> arLog = fnarCommLog(*objInstallation);
        EXPECT_NE(std::find(arLog.begin(), arLog.end(), rec.stLogged), arLog.end());
    }
}

// Every way a dial can fail is told in Comm.log (a modem answer that is no
// dial result as "no usable answer"), the next number is tried, and the call
// ends as not successful.
TEST(ModemCall, EachFailedDialIsLoggedAndTheNextNumberTried) {
    const std::pair<const char *, const char *> arAnswers[] = {{"NO CARRIER", "NO CARRIER"},
                                                               {"NO DIALTONE", "NO DIALTONE"},
                                                               {"NO ANSWER", "NO ANSWER"},
                                                               {"ERROR", "no usable answer"}};
    for (const auto &[pchAnswer, pchLogged] : arAnswers) {
        SCOPED_TRACE(pchAnswer);
        const std::string stAnswer = pchAnswer;
        TclsScriptedModem objModem(
            [stAnswer](const std::string &st) { return fnstAnswerAll(st, stAnswer); });
        ASSERT_TRUE(objModem.fnbOk());
        const auto objInstallation = fnobjInstall({objModem.fnstDevice(), 1});
        ASSERT_TRUE(objInstallation->fnbOk());
        TclsCommunicationLibrary objLibrary;
        const TrecOutcome recOutcome = fnrecCall(objLibrary);
        EXPECT_EQ(recOutcome.stResult, "FAILURE");
        const std::vector<std::string> arExpectedCommands = {"ATZ", "ATE0", "ATDT90395551234",
                                                             "ATDT90395559876"};
        EXPECT_EQ(objModem.fnarCommands(), arExpectedCommands);
        const std::vector<std::string> arLog = fnarCommLog(*objInstallation);
        for (const char *pchNumber : {"90395551234", "90395559876"})
            EXPECT_NE(std::find(arLog.begin(), arLog.end(),
                                "Dialling " + std::string(pchNumber) + " gave " + pchLogged + "."),
                      arLog.end());
        EXPECT_EQ(arLog.back(), "--Process NOT Successful");
    }
}
