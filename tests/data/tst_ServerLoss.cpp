// A LAN installation whose database server goes away while a workstation is
// connected: the next write answers 11 (the connection dropped), a new
// connection 19 (the server cannot be reached), and what was committed before
// is still there once the server is back. The test runs a cluster of its own,
// since it stops the server.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"
#include "UnitMV5Records.h"
#include "UnitOwnCluster.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <gtest/gtest.h>

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
