// A LAN installation whose database server goes away while a workstation is
// connected: the next write answers 11 (the connection dropped), a new
// connection 19 (the server cannot be reached), and what was committed before
// is still there once the server is back. The test runs a cluster of its own,
// since it stops the server.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"
#include "UnitMV5Records.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
bool fnbCluster(const QString &stAction, const QString &stDir) {
    QProcess objScript;
    objScript.start(QStringLiteral("sh"),
                    {qEnvironmentVariable("MORVANE_PGCLUSTER_SCRIPT"), stAction, stDir});
    return objScript.waitForFinished(120000) && objScript.exitStatus() == QProcess::NormalExit &&
           objScript.exitCode() == 0;
}

TobjarMVData fnarUser(const char *pchId) {
    auto obj = std::make_unique<TclsUsersData>();
    obj->user_id = QLatin1String(pchId);
    TobjarMVData objar;
    objar.push_back(std::move(obj));
    return objar;
}

class ServerLoss : public ::testing::Test {
protected:
    QTemporaryDir dirParent;
    QString stCluster;
    void SetUp() override {
        ASSERT_TRUE(dirParent.isValid());
        stCluster = dirParent.filePath(QStringLiteral("cluster"));
        // The cluster's owner must reach its folder.
        QFile::setPermissions(dirParent.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ExeOther);
        ASSERT_TRUE(fnbCluster(QStringLiteral("start"), stCluster));
        qputenv("MORVANE_TEST_PGCLUSTER", stCluster.toLocal8Bit());
    }
    void TearDown() override { fnbCluster(QStringLiteral("stop"), stCluster); }
};
} // namespace

TEST_F(ServerLoss, TheServerStoppingGivesCode11ThenCode19AndKeepsCommittedRows) {
    {
        TclsTestInstallation objInstallation;
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
        ASSERT_TRUE(objInstallation.fnbPostgreSQL());
        auto objarFirst = fnarUser("FIRST");
        ASSERT_EQ(fniInsertRecord(objarFirst), 0);

        ASSERT_TRUE(fnbCluster(QStringLiteral("halt"), stCluster));
        auto objarSecond = fnarUser("SECOND");
        const int iDropped = fniInsertRecord(objarSecond);
        EXPECT_EQ(iDropped, dbc::iNetworkError);
        pDisconnectDatabase();
        auto objarThird = fnarUser("THIRD");
        EXPECT_EQ(fniInsertRecord(objarThird), dbc::iConnectionFailed);

        ASSERT_TRUE(fnbCluster(QStringLiteral("resume"), stCluster));
        pDisconnectDatabase();
        EXPECT_EQ(fnstScalar(QStringLiteral("SELECT count(*) FROM users WHERE user_id = ?"),
                             {QStringLiteral("FIRST")}),
                  QStringLiteral("1"));
        EXPECT_EQ(fnstScalar(QStringLiteral("SELECT count(*) FROM users WHERE user_id IN (?, ?)"),
                             {QStringLiteral("SECOND"), QStringLiteral("THIRD")}),
                  QStringLiteral("0"));
    }
}
