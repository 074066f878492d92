// The configuration and user caches: rows are read once and kept until the
// caches are told to reload.
#include "UnitAdHocQuery.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitTestInstallation.h"
#include "UnitUserDataCacheDLLAccess.h"

#include <gtest/gtest.h>

namespace {
class Caches : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    }
    static void pSetRetries(int i) {
        TclsAdHocQuery query;
        ASSERT_EQ(query.fniExecute(QStringLiteral("UPDATE config_zorv SET no_of_retries = ?"), {i}),
                  0);
    }
};
} // namespace

TEST_F(Caches, TheConfigurationRowIsKeptUntilTheCacheReloads) {
    std::shared_ptr<const TclsConfigZorvData> objConfig;
    ASSERT_EQ(fniGetConfigZorvData(objConfig), 0);
    ASSERT_TRUE(objConfig);
    EXPECT_EQ(objConfig->no_of_retries, 1);
    pSetRetries(4);
    std::shared_ptr<const TclsConfigZorvData> objAgain;
    fniGetConfigZorvData(objAgain);
    EXPECT_EQ(objAgain->no_of_retries, 1);
    EXPECT_EQ(objConfig->no_of_retries, 1) << "a row handed out never changes under its holder";
    fniLoadConfigDLL(0);
    fniGetConfigZorvData(objAgain);
    EXPECT_EQ(objAgain->no_of_retries, 4);
}

TEST_F(Caches, ListsOfTheConfigurationCache) {
    std::vector<TclsProductsData> arProducts;
    ASSERT_EQ(fniGetProductsData(arProducts), 0);
    ASSERT_FALSE(arProducts.empty());
    EXPECT_EQ(arProducts.front().product_cd, QStringLiteral("DEFAULT"));
    std::vector<TclsAccountProductMatrixData> arMatrix;
    ASSERT_EQ(fniGetAccountProductMatrixData(arMatrix), 0);
    EXPECT_EQ(arMatrix.size(), 3u);
    std::vector<TclsCountryData> arCountries;
    ASSERT_EQ(fniGetCountryData(arCountries), 0);
    EXPECT_TRUE(arCountries.empty()) << "this installation has no reference data";
}

TEST_F(Caches, TheUserCacheOpensAUserByItsPassword) {
    TclsAdHocQuery query;
    ASSERT_EQ(
        query.fniExecute(QStringLiteral("UPDATE users SET password = ? WHERE user_id = 'DEFAULT'"),
                         {QStringLiteral("s3cret")}),
        0);
    EXPECT_NE(fniLoadUserDLL(QStringLiteral("DEFAULT"), QStringLiteral("wrong")), 0);
    EXPECT_TRUE(fnstCurrentUserId().isEmpty());
    EXPECT_EQ(fniLoadUserDLL(QStringLiteral("DEFAULT"), QStringLiteral("s3cret")), 0);
    EXPECT_EQ(fnstCurrentUserId(), QStringLiteral("DEFAULT"));
    EXPECT_NE(fniLoadUserDLL(QStringLiteral("NOBODY"), QString()), 0);
    std::vector<TclsUsersData> arUsers;
    ASSERT_EQ(fniGetUsersData(arUsers), 0);
    EXPECT_EQ(arUsers.size(), 2u);
}
