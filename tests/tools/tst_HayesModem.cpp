// A whole modem call across a pseudo-terminal: the site's side dials through
// the carrier host's Hayes modem, sends its request over the link, reads the
// reply and hangs up; or the dial fails with the modem's result code.
#include "unitHayesDialogue.h"
#include "UnitHayesModem.h"
#include "unitLinkSerialLine.h"
#include "unitLinkSession.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace ModemLink;

namespace {

// The host gives up after this much silence; the site's side never leaves
// it that long, so it only ends a test whose other side already failed.
constexpr int kiIdleMs = 5000;

struct TrecHostSide {
    std::optional<std::string> stNumber;
    std::optional<std::string> stRequest;
    bool bHungUp = false;
};

struct TrecSiteSide {
    bool bInitialised = false;
    TenuDialResult enDialed = TenuDialResult::Failed;
    std::optional<std::string> stReply;
    bool bHungUp = false;
};

class TclsPseudoTerminal {
public:
    TclsPseudoTerminal() {
        iMaster = posix_openpt(O_RDWR | O_NOCTTY);
        if (iMaster >= 0 && grantpt(iMaster) == 0 && unlockpt(iMaster) == 0)
            iLine = fniOpenSerialLine(ptsname(iMaster), 9600);
    }
    ~TclsPseudoTerminal() {
        pCloseLine();
        if (iMaster >= 0)
            close(iMaster);
    }
    void pCloseLine() {
        if (iLine >= 0)
            close(iLine);
        iLine = -1;
    }
    int iMaster = -1;
    int iLine = -1;
};

} // namespace

TEST(HayesModem, Calls) {
    struct TrecCase {
        const char *pchName;
        std::string stDialResult;
        TenuDialResult enExpected;
        bool bTone = true;
    };
    const std::vector<TrecCase> vecCases = {
        {"connected", "CONNECT 9600", TenuDialResult::Connected},
        {"connected by pulse", "CONNECT 9600", TenuDialResult::Connected, false},
        {"busy", "BUSY", TenuDialResult::Busy},
        {"no carrier", "NO CARRIER", TenuDialResult::NoCarrier},
    };
    const std::string stRequest = std::string("REGRSiteRegs.txt\x1c\x1c\x1c\x1c") + "112345\x1d" +
                                  std::string(400, 'S') + "\x1d";
    const std::string stReply = "REGPPT00000000001234";
    for (const TrecCase &recCase : vecCases) {
        TclsPseudoTerminal objTerminal;
        ASSERT_GE(objTerminal.iLine, 0) << recCase.pchName;
        TrecHostSide recHost;
        std::thread objHost([&] {
            TclsFdLinkStream objStream(objTerminal.iMaster);
            TclsHayesModem objModem(objStream, recCase.stDialResult);
            recHost.stNumber = objModem.fnstAwaitCall(kiIdleMs);
            if (!recHost.stNumber)
                return;
            TclsLinkSession objSession(objStream, {});
            recHost.stRequest = objSession.fnstReceiveMessage();
            if (recHost.stRequest && objSession.fnbSendMessage(stReply))
                recHost.bHungUp = objModem.fnbAwaitHangUp(kiIdleMs);
        });
        TrecSiteSide recSite;
        {
            TclsFdLinkStream objStream(objTerminal.iLine);
            TrecHayesLimits recLimits;
            recLimits.iGuardMs = 50;
            TclsHayesDialogue objDialogue(objStream, {}, recLimits);
            recSite.bInitialised = objDialogue.fnbInitialise();
            recSite.enDialed = objDialogue.fnenDial("0W0212345678", recCase.bTone);
            if (recSite.enDialed == TenuDialResult::Connected) {
                TclsLinkSession objSession(objStream, {});
                if (objSession.fnbSendMessage(stRequest))
                    recSite.stReply = objSession.fnstReceiveMessage();
                recSite.bHungUp = objDialogue.fnbHangUp();
            }
        }
        // The host reads the closed line as the caller gone.
        objTerminal.pCloseLine();
        objHost.join();

        EXPECT_TRUE(recSite.bInitialised) << recCase.pchName;
        EXPECT_EQ(recSite.enDialed, recCase.enExpected) << recCase.pchName;
        const bool bConnected = recCase.enExpected == TenuDialResult::Connected;
        EXPECT_EQ(recHost.stNumber,
                  bConnected ? std::optional<std::string>("0W0212345678") : std::nullopt)
            << recCase.pchName;
        EXPECT_EQ(recHost.stRequest, bConnected ? std::optional(stRequest) : std::nullopt)
            << recCase.pchName;
        EXPECT_EQ(recSite.stReply, bConnected ? std::optional(stReply) : std::nullopt)
            << recCase.pchName;
        EXPECT_EQ(recHost.bHungUp, bConnected) << recCase.pchName;
        EXPECT_EQ(recSite.bHungUp, bConnected) << recCase.pchName;
    }
}
