// A LAN installation whose database server goes away while a workstation is
// connected: the next write answers 11 (the connection dropped), a new
// connection 19 (the server cannot be reached), and what was committed before
// is still there once the server is back; a save cut off in the middle leaves
// nothing of itself. The tests run a cluster of their own, since they stop the
// server.
#include "../settings/tstFilledSender.h"
#include "../settings/tstSettingsHelpers.h"
#include "UnitDatabaseConstants.h"
#include "UnitMV5Records.h"
#include "UnitOwnCluster.h"
#include "UnitPostgreSQLBackend.h"

#include <QSqlQuery>
#include <QThread>

#include <future>
#include <thread>

namespace {
TobjarMVData fnarUser(const char *pchId) {
    auto obj = std::make_unique<TclsUsersData>();
    obj->user_id = QLatin1String(pchId);
    return fnarOne(std::move(obj));
}

class ServerLoss : public ::testing::Test {
protected:
    TclsOwnCluster objCluster;
    void SetUp() override { ASSERT_TRUE(objCluster.fnbOk()); }
};
} // namespace

TEST_F(ServerLoss, TheServerStoppingGivesCode11ThenCode19KeepsCommittedRowsAndARetryInserts) {
    {
        TclsTestInstallation objInstallation;
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
        ASSERT_TRUE(objInstallation.fnbPostgreSQL());
        auto objarFirst = fnarUser("FIRST");
        ASSERT_EQ(fniInsertRecord(objarFirst), 0);

        ASSERT_TRUE(objCluster.fnbHalt());
        auto objarSecond = fnarUser("SECOND");
        const int iDropped = fniInsertRecord(objarSecond);
        EXPECT_EQ(iDropped, dbc::iNetworkError);
        pDisconnectDatabase();
        auto objarThird = fnarUser("THIRD");
        EXPECT_EQ(fniInsertRecord(objarThird), dbc::iConnectionFailed);

        ASSERT_TRUE(objCluster.fnbResume());
        pDisconnectDatabase();
        EXPECT_EQ(fnstScalar(QStringLiteral("SELECT count(*) FROM users WHERE user_id = ?"),
                             {QStringLiteral("FIRST")}),
                  QStringLiteral("1"));
        EXPECT_EQ(fnstScalar(QStringLiteral("SELECT count(*) FROM users WHERE user_id IN (?, ?)"),
                             {QStringLiteral("SECOND"), QStringLiteral("THIRD")}),
                  QStringLiteral("0"));
        // The same insert goes through once the server is back.
        EXPECT_EQ(fniInsertRecord(objarSecond), 0);
    }
}

namespace {
// The other workstation: holds config_morvane against writes in an open
// transaction, waits until a save queues behind it (at most 400 looks), then
// stops the server. What it says: "halted", or where it went wrong.
class TclsBlockerThenHalt {
public:
    TclsBlockerThenHalt(const TrecDatabaseSettings &recDatabase, const TclsOwnCluster &objCluster)
        : thrWork([this, recDatabase, &objCluster] { pRun(recDatabase, objCluster); }) {}
    ~TclsBlockerThenHalt() {
        if (thrWork.joinable())
            thrWork.join();
    }
    TclsBlockerThenHalt(const TclsBlockerThenHalt &) = delete;
    TclsBlockerThenHalt &operator=(const TclsBlockerThenHalt &) = delete;

    bool fnbHolding() { return futHolding.get(); }
    QString fnstOutcome() {
        thrWork.join();
        return stOutcome;
    }

private:
    void pRun(const TrecDatabaseSettings &recDatabase, const TclsOwnCluster &objCluster) {
        TclsPostgreSQLBackend objBackend(recDatabase);
        QSqlDatabase db;
        bool bHolding = objBackend.fniOpen() == 0;
        if (bHolding) {
            db = objBackend.fndbConnection();
            bHolding =
                db.transaction() &&
                QSqlQuery(db).exec(QStringLiteral("LOCK TABLE config_morvane IN EXCLUSIVE MODE"));
        }
        promHolding.set_value(bHolding);
        if (!bHolding) {
            stOutcome = QStringLiteral("no table lock");
            return;
        }
        stOutcome = fnbSaveWaits(db) ? (objCluster.fnbHalt() ? QStringLiteral("halted")
                                                             : QStringLiteral("no halt"))
                                     : QStringLiteral("no save waited");
        db = QSqlDatabase();
        objBackend.pClose();
    }
    static bool fnbSaveWaits(const QSqlDatabase &db) {
        for (int i = 0; i < 400; ++i) {
            QSqlQuery query(db);
            if (query.exec(
                    QStringLiteral("SELECT count(*) FROM pg_locks WHERE NOT granted AND relation = "
                                   "'config_morvane'::regclass")) &&
                query.next() && query.value(0).toInt() > 0)
                return true;
            QThread::msleep(25);
        }
        return false;
    }

    std::promise<bool> promHolding;
    std::future<bool> futHolding = promHolding.get_future();
    QString stOutcome;
    std::thread thrWork;
};

} // namespace

// The server going away in the middle of a save: another workstation holds
// the table the save writes last, so the save waits inside its transaction
// with its first rows written; the server then stops. The user is told of the
// network error, the half-done save leaves nothing behind, and what an earlier
// save committed is still there once the server is back, when the same save
// then goes through.
TEST_F(ServerLoss, AServerStoppingDuringASaveGivesTheNetworkErrorKeepsEarlierRowsAndARetrySaves) {
    TclsTestInstallation objInstallation;
    ASSERT_INSTALLED(objInstallation);
    ASSERT_TRUE(objInstallation.fnbPostgreSQL());
    TclsRWSenders objSenders;
    TobjarMVData objarNoBilling;
    ASSERT_EQ(objSenders.fnstSaveToDB(fnobjFilledSender(), objarNoBilling),
              QStringLiteral("success"));

    TclsRWSendersData objChanged = fnobjFilledSender();
    objChanged.stCompany = QStringLiteral("Second Ltd");
    objChanged.stZorvAccount = QStringLiteral("987654321");
    {
        TclsBlockerThenHalt objOther(objInstallation.fnrecDatabase(), objCluster);
        ASSERT_TRUE(objOther.fnbHolding());
        EXPECT_EQ(objSenders.fnstSaveToDB(objChanged, objarNoBilling),
                  QStringLiteral("Network error occurred. Please contact System Administrator."));
        ASSERT_EQ(objOther.fnstOutcome(), QStringLiteral("halted"));
    }

    ASSERT_TRUE(objCluster.fnbResume());
    pDisconnectDatabase();
    const auto arSenders = fnarRows<TclsSendersData>();
    ASSERT_EQ(arSenders.size(), 1u);
    EXPECT_EQ(arSenders[0].company, QStringLiteral("Acme Ltd"));
    EXPECT_EQ(arSenders[0].zorv_account, QStringLiteral("123456789"));
    EXPECT_EQ(fnstScalar(QStringLiteral("SELECT account_number FROM users WHERE user_id = ?"),
                         {QStringLiteral("DEFAULT")}),
              QStringLiteral("123456789"))
        << "the user row written before the wait is not kept";
    EXPECT_EQ(fnstScalar(QStringLiteral("SELECT default_sender_cd FROM config_morvane")),
              QStringLiteral("SND001"));

    // With the server back, the same save goes through whole.
    ASSERT_EQ(objSenders.fnstSaveToDB(objChanged, objarNoBilling), QStringLiteral("success"));
    const auto arSaved = fnarRows<TclsSendersData>();
    ASSERT_EQ(arSaved.size(), 1u);
    EXPECT_EQ(arSaved[0].company, QStringLiteral("Second Ltd"));
    EXPECT_EQ(fnstScalar(QStringLiteral("SELECT account_number FROM users WHERE user_id = ?"),
                         {QStringLiteral("DEFAULT")}),
              QStringLiteral("987654321"));
}
