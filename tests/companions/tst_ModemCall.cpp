// The library's modem call up to the point where a host would answer: what
// it dials in which order, the status lines it reports, and what it never
// sends. Whole calls against the carrier host's modem are the end-to-end
// tests.
#include "UnitAdHocQuery.h"
#include "UnitCommunicationLibrary.h"
#include "UnitTestInstallation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A modem at the far end of a pseudo-terminal: it records every command the
// library sends ("+++" as one of its own) and answers each as the test says
// (empty: stays silent). It never connects, so only the dialogue is used.
class TclsScriptedModem {
public:
    explicit TclsScriptedModem(std::function<std::string(const std::string &)> pfn)
        : pfnAnswer(std::move(pfn)), iMaster(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (iMaster < 0 || grantpt(iMaster) != 0 || unlockpt(iMaster) != 0)
            return;
        stDevice = ptsname(iMaster);
        // Our own raw descriptor on the device: the master never sees a hang-up.
        iKeepOpen = open(stDevice.c_str(), O_RDWR | O_NOCTTY);
        termios recRaw{};
        if (iKeepOpen < 0 || tcgetattr(iKeepOpen, &recRaw) != 0)
            return;
        cfmakeraw(&recRaw);
        tcsetattr(iKeepOpen, TCSANOW, &recRaw);
        thrServe = std::thread([this] { pServe(); });
    }
    ~TclsScriptedModem() {
        bStop = true;
        if (thrServe.joinable())
            thrServe.join();
        for (const int iFd : {iKeepOpen, iMaster})
            if (iFd >= 0)
                close(iFd);
    }
    bool fnbOk() const { return thrServe.joinable(); }
    const std::string &fnstDevice() const { return stDevice; }
    std::vector<std::string> fnarCommands() const {
        std::lock_guard lock(mtx);
        return arCommands;
    }

private:
    // Commands end in CR; the escape "+++" comes without one.
    void pServe() {
        std::string stPending;
        while (!bStop) {
            pollfd recPoll{iMaster, POLLIN, 0};
            char ach[256];
            const ssize_t iRead = poll(&recPoll, 1, 50) > 0 ? read(iMaster, ach, sizeof ach) : 0;
            if (iRead <= 0)
                continue;
            stPending.append(ach, std::size_t(iRead));
            for (std::size_t iEnd;;) {
                std::string stCommand = "+++";
                if (stPending.rfind(stCommand, 0) == 0)
                    iEnd = 2;
                else if ((iEnd = stPending.find('\r')) != std::string::npos)
                    stCommand = stPending.substr(0, iEnd);
                else
                    break;
                stPending.erase(0, iEnd + 1);
                {
                    std::lock_guard lock(mtx);
                    arCommands.push_back(stCommand);
                }
                const std::string stAnswer = stCommand == "+++" ? "" : pfnAnswer(stCommand);
                const std::string stLine = "\r\n" + stAnswer + "\r\n";
                if (!stAnswer.empty() && write(iMaster, stLine.data(), stLine.size()) < 0)
                    return;
            }
        }
    }

    std::function<std::string(const std::string &)> pfnAnswer;
    int iMaster, iKeepOpen = -1;
    std::string stDevice;
    mutable std::mutex mtx;
    std::vector<std::string> arCommands;
    std::atomic<bool> bStop{false};
    std::thread thrServe;
};

std::vector<std::string> garLines;

int fniCollectLine(const char *pchLine) {
    garLines.emplace_back(pchLine);
    return 0;
}

int giWindowCalls = 0;
void pCountWindowCall() {
    ++giWindowCalls;
}

struct TrecModemSetup {
    std::string stDevice; // empty: no modem listed
    int iRetries = 1;
    QString stLocation = {}; // the location's values; empty: as installed (tone, prefix 9)
    QString stPrimary = QStringLiteral("0395551234");
    QString stSecondary = QStringLiteral("0395559876");
};

struct TrecOutcome {
    std::string stResult;
    std::vector<std::string> arLines, arLog; // to the callback, in Comm.log
};

// A call from an installation registering over the modem with two numbers.
TrecOutcome fnrecCall(const TrecModemSetup &rec) {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.stModemDevice = QString::fromStdString(rec.stDevice);
    recOptions.recSeed.stSiteRegistrationMode = QStringLiteral("MODEM");
    recOptions.recSeed.stPrimaryPhone = rec.stPrimary;
    recOptions.recSeed.stSecondaryPhone = rec.stSecondary;
    TclsTestInstallation objInstallation(recOptions);
    if (!objInstallation.fnbOk())
        return {objInstallation.fnstError().toStdString(), {}, {}};
    QByteArray baRegistry = objInstallation.fnbaReadFile(QStringLiteral("Config/registry.ini"));
    baRegistry.replace("Locations\\Location1]", "Locations\\Location0]");
    if (!rec.stLocation.isEmpty())
        baRegistry += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
                      "Telephony\\Locations\\Location1]\r\n" +
                      rec.stLocation.toLatin1();
    objInstallation.fnbWriteFile(QStringLiteral("Config/registry.ini"), baRegistry);
    TclsAdHocQuery objQuery;
    EXPECT_EQ(objQuery.fniExecute(QStringLiteral("UPDATE config_zorv SET no_of_retries = ?"),
                                  {rec.iRetries}),
              0);

    TclsCommunicationLibrary objLibrary;
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
    TrecOutcome recOutcome{achResult, garLines, {}};
    for (const QByteArray &ba :
         objInstallation.fnbaReadFile(QStringLiteral("Logs/Comm.log")).split('\n'))
        if (!ba.trimmed().isEmpty())
            recOutcome.arLog.push_back(ba.trimmed().toStdString());
    return recOutcome;
}

std::string fnstAnswerBusy(const std::string &stCommand) {
    return stCommand.rfind("ATD", 0) == 0 ? "BUSY" : "OK";
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
        TclsScriptedModem objModem(fnstAnswerBusy);
        ASSERT_TRUE(objModem.fnbOk());
        giWindowCalls = 0;
        const TrecOutcome recOutcome = fnrecCall({objModem.fnstDevice(), 2, rec.stLocation});
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
    }
}

TEST(ModemCall, ANumberOrPrefixThatIsNoDialStringIsNeverSent) {
    const QString stPrimary = QStringLiteral("0395551234"),
                  stSecondary = QStringLiteral("0395559876");
    const std::string stNoDial = " holds characters a modem does not dial.";
    const struct {
        QString stLocation, stPrimary, stSecondary;
        std::string stLogged;
    } arCases[] = {
        {{},
         QStringLiteral("0395551234\rATH"),
         stSecondary,
         "The primary phone number of the Site Registration service" + stNoDial},
        {{},
         stPrimary,
         QStringLiteral("0395;559876"),
         "The secondary phone number of the Site Registration service" + stNoDial},
        {QStringLiteral("Flags=dword:00000001\r\nOutsideAccess=9ATZ\r\n"), stPrimary, stSecondary,
         "The outside-line prefix of the dialling location" + stNoDial},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.stLogged);
        TclsScriptedModem objModem(fnstAnswerBusy);
        ASSERT_TRUE(objModem.fnbOk());
        const TrecOutcome recOutcome =
            fnrecCall({objModem.fnstDevice(), 1, rec.stLocation, rec.stPrimary, rec.stSecondary});
        EXPECT_EQ(recOutcome.stResult, "FAILURE");
        EXPECT_TRUE(objModem.fnarCommands().empty());
        EXPECT_NE(std::find(recOutcome.arLog.begin(), recOutcome.arLog.end(), rec.stLogged),
                  recOutcome.arLog.end());
    }
}
