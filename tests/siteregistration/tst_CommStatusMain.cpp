// The modem call's state: the mail slot (one per process, kept, read without
// waiting), the data folders beside Bin, and the configuration values the
// status windows show.
#include "UnitAdHocQuery.h"
#include "unitCommStatusMain.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "unitMailSlot.h"
#include "unitMailSlotAddress.h"
#include "UnitTestInstallation.h"

#include <QDate>
#include <QDir>

#include <gtest/gtest.h>

#include <sched.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

namespace {
// The slot's address for the user uid (this process's user by default).
sockaddr_un frecMailSlotAddress(socklen_t &iLength, uid_t uid = ::getuid()) {
    sockaddr_un rec;
    iLength = fniMailSlotAddress(fnbaMailSlotName(uid), rec);
    return rec;
}

// Posts one message to the mail slot as the communication library does.
bool fnbPost(const QByteArray &baMessage) {
    socklen_t iLength = 0;
    const sockaddr_un rec = frecMailSlotAddress(iLength);
    const int iSocket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const bool bSent =
        ::sendto(iSocket, baMessage.constData(), size_t(baMessage.size()), 0,
                 reinterpret_cast<const sockaddr *>(&rec), iLength) == baMessage.size();
    ::close(iSocket);
    return bSent;
}

// Another process that holds the mail slot's name until it is killed.
class TclsOtherHolder {
public:
    TclsOtherHolder() {
        int aiPipe[2];
        if (::pipe(aiPipe) != 0)
            return;
        iPid = ::fork();
        if (iPid == 0) {
            socklen_t iLength = 0;
            const sockaddr_un rec = frecMailSlotAddress(iLength);
            const int iSocket = ::socket(AF_UNIX, SOCK_DGRAM, 0);
            const char chAnswer =
                ::bind(iSocket, reinterpret_cast<const sockaddr *>(&rec), iLength) == 0 ? 'y' : 'n';
            (void)!::write(aiPipe[1], &chAnswer, 1);
            for (int i = 0; i < 600; ++i) // ends by itself should the test never kill it
                ::sleep(1);
            ::_exit(0);
        }
        ::close(aiPipe[1]);
        char chAnswer = 'n';
        bHolds = ::read(aiPipe[0], &chAnswer, 1) == 1 && chAnswer == 'y';
        ::close(aiPipe[0]);
    }
    ~TclsOtherHolder() {
        if (iPid > 0) {
            ::kill(iPid, SIGKILL);
            ::waitpid(iPid, nullptr, 0);
        }
    }
    TclsOtherHolder(const TclsOtherHolder &) = delete;
    TclsOtherHolder &operator=(const TclsOtherHolder &) = delete;
    bool bHolds = false;

private:
    pid_t iPid = -1;
};

class CommStatusMain : public ::testing::Test {
protected:
    // The mail slot's name is one per network namespace: a namespace of the
    // test's own keeps parallel test runs from taking each other's name.
    static void SetUpTestSuite() { ::unshare(CLONE_NEWNET); }

    TclsTestInstallation objInstallation;
    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    }

    static void pExecute(const QString &stSQL, const QVariantList &vlBinds = {}) {
        TclsAdHocQuery query;
        ASSERT_EQ(query.fniExecute(stSQL, vlBinds), 0) << qPrintable(stSQL);
        fniLoadConfigDLL(0);
    }
};
} // namespace

TEST_F(CommStatusMain, TheMailSlotIsCreatedOnceAndCarriesMessages) {
    TclsCommStatusMain objStatus;
    {
        TclsOtherHolder objOther;
        ASSERT_TRUE(objOther.bHolds);
        EXPECT_EQ(objStatus.fnstCreateMailSlot(), QStringLiteral("Failure"));
        EXPECT_EQ(objStatus.fnstReadMailSlot(), QString());
    }
    EXPECT_EQ(objStatus.fnstCreateMailSlot(), QStringLiteral("Success"));
    EXPECT_EQ(TclsCommStatusMain().fnstCreateMailSlot(), QStringLiteral("Success"))
        << "a second creation keeps the slot it holds";
    {
        TclsOtherHolder objOther;
        EXPECT_FALSE(objOther.bHolds) << "the process still holds the name";
    }
    const struct {
        QByteArray baPosted;
        QString stRead;
    } arCases[] = {
        {"Going Online...", QStringLiteral("Going Online...")},
        {QByteArray("--Received ACK\0", 15), QStringLiteral("--Received ACK")},
        {QByteArray(1500, 'z'), QString(1000, QLatin1Char('z'))},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.stRead.left(20).toStdString());
        ASSERT_TRUE(fnbPost(rec.baPosted));
        EXPECT_EQ(objStatus.fnstReadMailSlot(), rec.stRead);
        EXPECT_EQ(objStatus.fnstReadMailSlot(), QString()) << "nothing more waits";
    }
    ASSERT_TRUE(fnbPost("first"));
    ASSERT_TRUE(fnbPost("second"));
    EXPECT_EQ(objStatus.fnstReadMailSlot(), QStringLiteral("first"));
    EXPECT_EQ(objStatus.fnstReadMailSlot(), QStringLiteral("second"));
}

// What a process of another user does at the same time: it binds its own
// user's slot, posts a line into it and reads it back, and posts a line into
// the slot of the test's user. The exit code: 0, or which step failed.
int fniAsAnotherUser(uid_t uid) {
    if (::setgid(uid) != 0 || ::setuid(uid) != 0)
        return 1;
    TclsMailSlot objOwn;
    if (!objOwn.fnbCreate())
        return 2;
    socklen_t iLength = 0;
    const int iSocket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const sockaddr_un recOwn = frecMailSlotAddress(iLength);
    if (::sendto(iSocket, "own line", 8, 0, reinterpret_cast<const sockaddr *>(&recOwn), iLength) !=
        8)
        return 3;
    if (objOwn.fnbaRead() != "own line")
        return 4;
    const sockaddr_un recTheirs = frecMailSlotAddress(iLength, 0);
    if (::sendto(iSocket, "from another user", 17, 0,
                 reinterpret_cast<const sockaddr *>(&recTheirs), iLength) != 17)
        return 5;
    return 0;
}

TEST_F(CommStatusMain, EachUserHasASlotOfTheirOwnAndReadsOnlyTheirOwnLines) {
    if (::getuid() != 0)
        GTEST_SKIP() << "changing to another user needs root";
    TclsCommStatusMain objStatus;
    ASSERT_EQ(objStatus.fnstCreateMailSlot(), QStringLiteral("Success"));
    const pid_t iPid = ::fork();
    ASSERT_GE(iPid, 0);
    if (iPid == 0)
        ::_exit(fniAsAnotherUser(65534));
    int iStatus = 0;
    ASSERT_EQ(::waitpid(iPid, &iStatus, 0), iPid);
    ASSERT_TRUE(WIFEXITED(iStatus));
    EXPECT_EQ(WEXITSTATUS(iStatus), 0) << "the step of the other user that failed";
    EXPECT_EQ(objStatus.fnstReadMailSlot(), QString()) << "the other user's line is dropped";
    ASSERT_TRUE(fnbPost("a line of our own"));
    EXPECT_EQ(objStatus.fnstReadMailSlot(), QStringLiteral("a line of our own"));
}

TEST_F(CommStatusMain, CreatingTheMailSlotMakesTheDataFoldersBesideBin) {
    for (const char *pchFolder : {"TempData", "EmailData"})
        ASSERT_TRUE(QDir(objInstallation.fnstPath(QLatin1String(pchFolder))).removeRecursively());
    TclsCommStatusMain().fnstCreateMailSlot();
    for (const char *pchFolder : {"TempData", "EmailData"})
        EXPECT_TRUE(QDir(objInstallation.fnstPath(QLatin1String(pchFolder))).exists()) << pchFolder;
    EXPECT_FALSE(QDir(objInstallation.fnstPath(QStringLiteral("Bin/TempData"))).exists());
}

TEST_F(CommStatusMain, ModemNameRetriesRegionAndLogLevelComeFromTheCarrierConfiguration) {
    const struct {
        QString stSQL; // run on the seeded row before the reads
        QVariantList vlBinds;
        QString stModemName;
        int iRetries;
        int iRegion;
        int iLogLevel;
    } arCases[] = {
        {QStringLiteral("UPDATE config_zorv SET Modem_Name = ?, no_of_retries = ?, "
                        "comm_log_level = ?"),
         {QStringLiteral("USR Courier V.Everything"), 4, 2},
         QStringLiteral("USR Courier V.Everything"),
         4,
         1,
         2},
        {QStringLiteral("UPDATE config_zorv SET installation_type = ?"),
         {QStringLiteral("0")},
         QStringLiteral("USR Courier V.Everything"),
         4,
         0,
         2},
        {QStringLiteral("UPDATE config_zorv SET installation_type = ?"),
         {QStringLiteral(" ")},
         QStringLiteral("USR Courier V.Everything"),
         4,
         -1,
         2},
        {QStringLiteral("DELETE FROM config_zorv"),
         {},
         QStringLiteral("Standard Modem"),
         0,
         -1,
         -1},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.stSQL.toStdString());
        pExecute(rec.stSQL, rec.vlBinds);
        TclsCommStatusMain objStatus;
        EXPECT_EQ(grecCommCallState().stModemName, QString()) << "a new call starts without one";
        EXPECT_EQ(grecCommCallState().iRetryCount, 0);
        objStatus.pGetModemName();
        objStatus.pGetTotalAttempt();
        EXPECT_EQ(grecCommCallState().stModemName, rec.stModemName);
        EXPECT_EQ(grecCommCallState().iRetryCount, rec.iRetries);
        EXPECT_EQ(objStatus.fniGetRegion(), rec.iRegion);
        EXPECT_EQ(objStatus.fniGetLogLevel(), rec.iLogLevel);
    }
}

TEST(CommStatusMainWithoutConfiguration, TheModemIsTheStandardModemWithoutTheTable) {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.slDropTables << QStringLiteral("config_zorv");
    recOptions.bLogging = true;
    TclsTestInstallation objInstallation(recOptions);
    ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    TclsCommStatusMain objStatus;
    objStatus.pGetModemName();
    EXPECT_EQ(grecCommCallState().stModemName, QStringLiteral("Standard Modem"));
    const QString stLog = QString::fromUtf8(objInstallation.fnbaReadFile(
        QStringLiteral("Logs/RegistrationWizard_%1.log")
            .arg(QDate::currentDate().toString(QStringLiteral("ddMMyyyy")))));
    EXPECT_TRUE(stLog.contains(QStringLiteral("|Unit unitCommStatusMain|Process pGetModemName|Got "
                                              "modem name from db as Standard Modem\r\n")))
        << qPrintable(stLog);
}
