// A modem call's plumbing: the library from Bin, the status mail slot and the status lines.
#include "UnitAdHocQuery.h"
#include "unitCommRecordText.h"
#include "unitCommStatusMain.h"
#include "unitCommunicationDLLAccess.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "unitMailSlot.h"
#include "unitMailSlotAddress.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// The slot's address for the user uid (this process's user by default).
sockaddr_un frecMailSlotAddress(socklen_t &iLength, uid_t uid = ::getuid()) {
    sockaddr_un rec;
    iLength = fniMailSlotAddress(fnbaMailSlotName(uid), rec);
    return rec;
}

// Posts one message to the slot of the user uid as the communication library does.
bool fnbPost(const QByteArray &baMessage, uid_t uid = ::getuid()) {
    socklen_t iLength = 0;
    const sockaddr_un rec = frecMailSlotAddress(iLength, uid);
    const int iSocket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const bool bSent =
        ::sendto(iSocket, baMessage.constData(), size_t(baMessage.size()), 0,
                 reinterpret_cast<const sockaddr *>(&rec), iLength) == baMessage.size();
    ::close(iSocket);
    return bSent;
}

// Runs fn in a child process; its exit code, or -1.
template <class F> int fniInChild(F fn) {
    const pid_t iPid = ::fork();
    if (iPid == 0)
        ::_exit(fn());
    int iStatus = 0;
    return iPid > 0 && ::waitpid(iPid, &iStatus, 0) == iPid && WIFEXITED(iStatus)
               ? WEXITSTATUS(iStatus)
               : -1;
}

// Binds the slot's name as another program would: the socket, or -1.
int fniBindSlot() {
    socklen_t iLength = 0;
    const sockaddr_un rec = frecMailSlotAddress(iLength);
    const int iSocket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (::bind(iSocket, reinterpret_cast<const sockaddr *>(&rec), iLength) == 0)
        return iSocket;
    ::close(iSocket);
    return -1;
}

class CommStatus : public ::testing::Test {
protected:
    // The mail slot's name is one per network namespace: a namespace of the
    // test's own keeps parallel test runs from taking each other's name.
    static void SetUpTestSuite() { ::unshare(CLONE_NEWNET); }

    TclsTestInstallation objInstallation;
    QStringList slShown; // what reached the windows, in order

    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
        pExecute(QStringLiteral("UPDATE config_zorv SET Modem_Name = ?, no_of_retries = ?, "
                                "comm_log_level = ?, installation_type = ?"),
                 {QStringLiteral("Hayes Optima"), 3, 1, QStringLiteral("1")});
        pSetCommStatusDisplay(
            {[this](const QString &st) { slShown << QStringLiteral("progress: ") + st; },
             [this](int iKind, const QString &st) {
                 slShown << QStringLiteral("status %1: ").arg(iKind) + st;
             },
             [this] { slShown << QStringLiteral("freed"); }});
    }
    void TearDown() override { pSetCommStatusDisplay({}); }

    static void pExecute(const QString &stSQL, const QVariantList &vlBinds = {}) {
        TclsAdHocQuery query;
        ASSERT_EQ(query.fniExecute(stSQL, vlBinds), 0) << qPrintable(stSQL);
        fniLoadConfigDLL(0);
    }

    // Puts the named test library in Bin as the communication library.
    void pInstallLibrary(const char *pchTestLibrary) {
        const QString stSource = qEnvironmentVariable("WIZARD_BIN_DIR") + QLatin1Char('/') +
                                 QLatin1String(pchTestLibrary);
        ASSERT_TRUE(QFile::copy(
            stSource, objInstallation.fnstPath(QStringLiteral("Bin/libMorvaneCommunication.so"))))
            << qPrintable(stSource);
    }
};

// A request record carrying the text as its message data, and a reply record
// whose buffer is the caller's.
struct TrecModemExchange {
    QByteArray baRequest, baReply;
    TrecMessageHeaderStructure recRequest{}, recReply{};

    TrecModemExchange(const QByteArray &baText, uint32_t iReplyCapacity = 4096)
        : baRequest(baText), baReply(qsizetype(iReplyCapacity), '\0') {
        recRequest.recMessageData = {baRequest.data(), uint32_t(baRequest.size()),
                                     uint32_t(baRequest.size())};
        pSetShortText(recRequest.shtMessageCode, QStringLiteral("REGR"));
        recReply.recMessageData = {baReply.data(), 0, iReplyCapacity};
    }
    QString fnstCall(TpfnStatusCallback pfnStatus = nullptr,
                     TpfnWindowCallback pfnWindow = nullptr) {
        return fnstCommViaModemCall(recRequest, recReply, pfnStatus, pfnWindow);
    }
    QByteArray fnbaReplyData() const { return baReply.left(recReply.recMessageData.iLength); }
};

QStringList gslStatusLines;
int giWindowCalls = 0;
} // namespace

TEST_F(CommStatus, EachCallLoadsAndFreesTheLibraryAndTheRequestArrives) {
    pInstallLibrary("libtestcommlib.so");
    const TrecCommLibraryUse recBefore = fnrecCommLibraryUse();
    for (int iCall = 1; iCall <= 2; ++iCall) {
        SCOPED_TRACE(iCall);
        TrecModemExchange rec("REGRSiteRegs.txt\x1c"
                              "body");
        EXPECT_EQ(rec.fnstCall(
                      [](const char *pch) {
                          gslStatusLines << QString::fromLatin1(pch);
                          return 0;
                      },
                      [] { ++giWindowCalls; }),
                  QStringLiteral("SUCCESS"));
        EXPECT_EQ(rec.fnbaReplyData(), rec.baRequest);
        // A library kept loaded between calls would count on.
        EXPECT_EQ(fnstFixedText(rec.recReply.recLPRange.achRangeType) +
                      fnstFixedText(rec.recReply.recShipmentRange.achRangeType),
                  QStringLiteral("REGRcalls=1"));
    }
    EXPECT_EQ(gslStatusLines, QStringList(2, QStringLiteral("--Process Successful")));
    EXPECT_EQ(giWindowCalls, 2);
    // A reply never runs past the caller's buffer.
    TrecModemExchange recSmall(QByteArray(100, 'x'), 10);
    EXPECT_EQ(recSmall.fnstCall(), QStringLiteral("SUCCESS"));
    EXPECT_EQ(recSmall.fnbaReplyData(), QByteArray(10, 'x'));

    TrecSiteRegHTTPResp recReply{};
    EXPECT_EQ(fnstCommViaHTTPServicesCall("msg_type=0&msg_hdr=REGR", recReply, 1, 5, QString()),
              QStringLiteral("success"))
        << "the library's own words come back as they are";
    EXPECT_EQ(
        QStringList(
            {fnstFixedText(recReply.achPickupAddress1), fnstFixedText(recReply.achPickupCity),
             fnstFixedText(recReply.achPickupPostcode),
             fnstFixedText(recReply.achPickupCountryCode), fnstFixedText(recReply.achLPStatus)}),
        QStringList({QStringLiteral("msg_type=0&msg_hdr=REGR"), QStringLiteral("ssl=1"),
                     QStringLiteral("service=5"), QStringLiteral("[]"), QStringLiteral("1")}));
    EXPECT_EQ(fnrecCommLibraryUse().iUnloads - recBefore.iUnloads, 4);
    EXPECT_FALSE(fnbCommunicationDLLLoaded());
}

TEST_F(CommStatus, LibraryFailuresGiveTheWrappersWords) {
    const struct {
        const char *pchLibrary; // nullptr: no library in Bin
        QByteArray baRequest;
        QString stModem, stHTTP;
    } arCases[] = {
        {nullptr, "REGR", QStringLiteral("Error in DLL Loading"), QStringLiteral("FAILURE")},
        {"libtestcommlibhttponly.so", "REGR", QStringLiteral("FAILURE"), QStringLiteral("success")},
        {"libtestcommlib.so", "THROW", QStringLiteral("Error in modem communication"),
         QStringLiteral("success")},
    };
    for (const auto &recCase : arCases) {
        SCOPED_TRACE(recCase.pchLibrary ? recCase.pchLibrary : "no library");
        QFile::remove(objInstallation.fnstPath(QStringLiteral("Bin/libMorvaneCommunication.so")));
        if (recCase.pchLibrary)
            pInstallLibrary(recCase.pchLibrary);
        const TrecCommLibraryUse recBefore = fnrecCommLibraryUse();
        EXPECT_EQ(TrecModemExchange(recCase.baRequest).fnstCall(), recCase.stModem);
        TrecSiteRegHTTPResp recReply{};
        EXPECT_EQ(fnstCommViaHTTPServicesCall("body", recReply, 0, 5, QString()), recCase.stHTTP);
        EXPECT_FALSE(fnbCommunicationDLLLoaded());
        EXPECT_EQ(fnrecCommLibraryUse().iLoads - recBefore.iLoads,
                  fnrecCommLibraryUse().iUnloads - recBefore.iUnloads);
    }
    // Loading again keeps the one handle.
    pLoadCommunicationDLL();
    const int iLoads = fnrecCommLibraryUse().iLoads;
    pLoadCommunicationDLL();
    EXPECT_EQ(fnrecCommLibraryUse().iLoads, iLoads);
    pUnloadCommunicationDLL();
}

TEST_F(CommStatus, TheMailSlotIsCreatedOnceAndCarriesMessages) {
    TclsCommStatusMain objStatus;
    const int iOther = fniBindSlot();
    ASSERT_GE(iOther, 0);
    EXPECT_EQ(objStatus.fnstCreateMailSlot(), QStringLiteral("Failure"));
    EXPECT_EQ(objStatus.fnstReadMailSlot(), QString());
    ::close(iOther);
    ASSERT_TRUE(QDir(objInstallation.fnstPath(QStringLiteral("TempData"))).removeRecursively());
    EXPECT_EQ(objStatus.fnstCreateMailSlot(), QStringLiteral("Success"));
    // Creating it makes the data folders beside Bin.
    EXPECT_TRUE(QDir(objInstallation.fnstPath(QStringLiteral("TempData"))).exists());
    EXPECT_EQ(TclsCommStatusMain().fnstCreateMailSlot(), QStringLiteral("Success"))
        << "a second creation keeps the slot it holds";
    EXPECT_LT(fniBindSlot(), 0) << "the process still holds the name";
    const std::pair<QByteArray, QString> arCases[] = {
        {"Going Online...", QStringLiteral("Going Online...")},
        {QByteArray("--Received ACK\0", 15), QStringLiteral("--Received ACK")},
        {QByteArray(1500, 'z'), QString(1000, QLatin1Char('z'))},
    };
    for (const auto &[baPosted, stRead] : arCases) {
        ASSERT_TRUE(fnbPost(baPosted));
        EXPECT_EQ(objStatus.fnstReadMailSlot(), stRead);
        EXPECT_EQ(objStatus.fnstReadMailSlot(), QString()) << "nothing more waits";
    }
    ASSERT_TRUE(fnbPost("first") && fnbPost("second"));
    const QString stFirst = objStatus.fnstReadMailSlot();
    EXPECT_EQ(stFirst + objStatus.fnstReadMailSlot(), QStringLiteral("firstsecond"));
}

// Another user's process binds its own slot, posts a line into it and reads
// it back, and posts a line into the slot of the test's user.
TEST_F(CommStatus, EachUserHasASlotOfTheirOwnAndReadsOnlyTheirOwnLines) {
    if (::getuid() != 0)
        GTEST_SKIP() << "changing to another user needs root";
    TclsCommStatusMain objStatus;
    ASSERT_EQ(objStatus.fnstCreateMailSlot(), QStringLiteral("Success"));
    EXPECT_EQ(fniInChild([] {
                  if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                      return 1;
                  TclsMailSlot objOwn;
                  if (!objOwn.fnbCreate())
                      return 1;
                  if (!fnbPost("own line", 65534) || objOwn.fnbaRead() != "own line")
                      return 2;
                  return fnbPost("from another user", 0) ? 0 : 3;
              }),
              0)
        << "the step of the other user that failed";
    EXPECT_EQ(objStatus.fnstReadMailSlot(), QString()) << "the other user's line is dropped";
    ASSERT_TRUE(fnbPost("a line of our own"));
    EXPECT_EQ(objStatus.fnstReadMailSlot(), QStringLiteral("a line of our own"));
}

TEST_F(CommStatus, TheCallStateFollowsTheLinesAndEachLineReachesItsWindow) {
    // The lines; online, finished and connected after each line, as o/f/c or
    // dashes; where each line was shown: p the call progress, 1 the level-1
    // status window, F the windows freed before it.
    const struct {
        QStringList slLines;
        const char *pchFlags, *pchShown;
    } arCases[] = {
        {{"Setting modem to Command state...", "Retrying...", "Now Retrying...",
          "2 Retrying... (2)"},
         "--- --- --- o--",
         "111p"},
        {{"--Dialing Phone No 0395551234", "--Sending ENQ", "--Process Successful",
          "--Sending ENQ"},
         "o-- --c -f- -f-",
         "p1F11"},
        {{"Initializing Modem...", "--Sending ENQ", "Going Offline", "Going Offline"},
         "o-- --c -fc -fc",
         "p1F11"},
        {{"Going Online...", "--Process Successful", "Going Online..."}, "o-- -f- o--", "pF1p"},
    };
    for (const auto &c : arCases) {
        SCOPED_TRACE(c.slLines.join(QLatin1Char('/')).toStdString());
        TclsCommStatusMain objStatus;
        grecCommCallState().bOnline = grecCommCallState().bFinished = false;
        grecCommCallState().bConnected = false;
        slShown.clear();
        QStringList slFlags, slExpected;
        for (const QString &stLine : c.slLines) {
            EXPECT_EQ(fniUpdateStatusMsg(qPrintable(stLine)), 0);
            const TrecCommCallState &rec = grecCommCallState();
            slFlags << QString(rec.bOnline ? 'o' : '-') + (rec.bFinished ? 'f' : '-') +
                           (rec.bConnected ? 'c' : '-');
        }
        qsizetype iLine = 0;
        for (const char ch : QByteArray(c.pchShown))
            slExpected << (ch == 'F'   ? QStringLiteral("freed")
                           : ch == 'p' ? QStringLiteral("progress: ") + c.slLines[iLine++]
                                       : QStringLiteral("status 1: ") + c.slLines[iLine++]);
        EXPECT_EQ(slFlags.join(QLatin1Char(' ')), QLatin1String(c.pchFlags));
        EXPECT_EQ(slShown, slExpected);
    }
}
