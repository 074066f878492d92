// A database server going away under a connected workstation; a cluster of its own, as it stops.
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
class ServerLoss : public ::testing::Test {
protected:
    TclsOwnCluster objCluster;
    void SetUp() override { ASSERT_TRUE(objCluster.fnbOk()); }
};
} // namespace

TEST_F(ServerLoss, TheServerStoppingGivesCode11ThenCode19KeepsCommittedRowsAndARetryInserts) {
    TclsTestInstallation objInstallation;
    ASSERT_INSTALLED(objInstallation);
    ASSERT_TRUE(objInstallation.fnbPostgreSQL());
    {
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
// Another workstation locks config_morvane, waits for a save to queue behind it, stops the server.
class TclsBlockerThenHalt {
public:
    TclsBlockerThenHalt(const TrecDatabaseSettings &recDatabase, const TclsOwnCluster &objCluster)
        : thrWork([this, recDatabase, &objCluster] { pRun(recDatabase, objCluster); }) {}
    ~TclsBlockerThenHalt() {
        if (thrWork.joinable())
            thrWork.join();
    }

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

// The save waits on the table it writes last with its first rows written; the server then stops.
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
    // The senders' rows, the DEFAULT user's account (written before the wait) and the default
    // sender.
    const QString stState = QStringLiteral(
        "SELECT (SELECT string_agg(company || '/' || zorv_account, ',') FROM senders) || ' ' || "
        "(SELECT account_number FROM users WHERE user_id = 'DEFAULT') || ' ' || "
        "(SELECT default_sender_cd FROM config_morvane)");
    EXPECT_EQ(fnstScalar(stState), "Acme Ltd/123456789 123456789 SND001");
    ASSERT_EQ(objSenders.fnstSaveToDB(objChanged, objarNoBilling), QStringLiteral("success"));
    EXPECT_EQ(fnstScalar(stState), "Second Ltd/987654321 987654321 SND001");
}
