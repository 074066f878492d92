// The application password of the DEFAULT user: what is stored, the flag that
// says a password was set, the row lock other workstations hold, and the log.
#include "tstSettingsHelpers.h"
#include "UnitLockHolder.h"
#include "UnitMV5Records.h"
#include "unitRWApplSecurity.h"

namespace {
const TrecarFields carDefaultUser = {{QStringLiteral("user_id"), QStringLiteral("'DEFAULT'")}};

TclsUsersData fnobjDefaultUser() {
    const std::vector<TclsUsersData> ar = fnarRows<TclsUsersData>(carDefaultUser);
    EXPECT_EQ(ar.size(), 1u);
    return ar.empty() ? TclsUsersData() : ar.front();
}

// Puts the DEFAULT user's password and flag as an earlier run left them.
void pSetDefaultUser(const QString &stPassword, bool bPasswordSet) {
    TclsUsersData objUser = fnobjDefaultUser();
    objUser.password = stPassword;
    objUser.password_set = bPasswordSet;
    ASSERT_EQ(fniUpdateRecord(objUser), 0);
}

QString fnstSave(const QString &stPassword, bool bBoxTicked = true) {
    TclsRWApplSecurityData objData;
    objData.bPasswordRequired = bBoxTicked;
    objData.stPassword = stPassword;
    return TclsRWApplSecurity().fnstSaveToDB(objData);
}

class RWApplSecurity : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override { ASSERT_INSTALLED(objInstallation); }
};
} // namespace

TEST_F(RWApplSecurity, StoresThePasswordAndSetsTheFlagOnlyForAPassword) {
    const QString stLong = QString(300, QLatin1Char('p'));
    const struct {
        const char *pchCase;
        QString stOldPassword;
        bool bOldFlag;
        QString stPassword;
        QString stStored;
        bool bFlag;
    } arCases[] = {
        {"box never ticked, flag was set", QStringLiteral("Old1"), true, {}, {}, true},
        {"box never ticked, flag was clear", {}, false, {}, {}, false},
        {"a password sets the flag",
         {},
         false,
         QStringLiteral("Secret7"),
         QStringLiteral("Secret7"),
         true},
        {"a new password over an old one", QStringLiteral("Old1"), true, QStringLiteral("New2"),
         QStringLiteral("New2"), true},
        {"cut to 255 characters", {}, false, stLong, stLong.left(255), true},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.pchCase);
        pSetDefaultUser(rec.stOldPassword, rec.bOldFlag);
        EXPECT_EQ(fnstSave(rec.stPassword, !rec.stPassword.isEmpty()), cstSuccess);
        const TclsUsersData objUser = fnobjDefaultUser();
        // Compared without printing: a password never reaches the test output.
        EXPECT_TRUE(objUser.password == rec.stStored) << "stored password differs";
        EXPECT_EQ(objUser.password_set, rec.bFlag);
        EXPECT_EQ(objUser.changed_by, QStringLiteral("DEFAULT"));
    }
    const std::vector<TclsUsersData> arAdmin =
        fnarRows<TclsUsersData>({{QStringLiteral("user_id"), QStringLiteral("'ADMIN'")}});
    ASSERT_EQ(arAdmin.size(), 1u);
    EXPECT_TRUE(arAdmin.front().password.isEmpty()) << "only the DEFAULT user is written";
    EXPECT_TRUE(arAdmin.front().changed_by.isEmpty());
}

TEST(RWApplSecurityFailures, AMissingDefaultUserOrUsersTableGivesItsMessage) {
    TrecInstallationOptions recNoUser = fnrecTestOptions();
    recNoUser.recSeed.bDefaultUser = false;
    TrecInstallationOptions recNoTable = fnrecTestOptions();
    recNoTable.slDropTables = {QStringLiteral("users")};
    const struct {
        const char *pchCase;
        TrecInstallationOptions recOptions;
        QString stResult;
    } arCases[] = {
        {"no DEFAULT user", recNoUser, QStringLiteral("0")},
        {"no users table", recNoTable,
         QStringLiteral(
             "Database Configuration is not correct. Please contact System Administrator.")},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.pchCase);
        TclsTestInstallation objInstallation(rec.recOptions);
        ASSERT_INSTALLED(objInstallation);
        EXPECT_EQ(fnstSave(QStringLiteral("Secret7")), rec.stResult);
    }
}

TEST_F(RWApplSecurity, ARowLockedByAnotherWorkstationIsLeftAlone) {
    pSetDefaultUser(QStringLiteral("Old1"), false);
    const QString stKey = QString::number(fnobjDefaultUser().record_key);
    {
        TclsLockHolder objHolder({QStringLiteral("record"), QStringLiteral("TclsUsersDB"), stKey});
        ASSERT_EQ(objHolder.fnstAnswer(), QStringLiteral("locked"));
        EXPECT_EQ(fnstSave(QStringLiteral("New2")),
                  QStringLiteral("This record is being used by another user."));
        const TclsUsersData objUser = fnobjDefaultUser();
        EXPECT_TRUE(objUser.password == QStringLiteral("Old1")) << "the row was updated";
        EXPECT_FALSE(objUser.password_set);
    }
    EXPECT_EQ(fnstSave(QStringLiteral("New2")), cstSuccess) << "once the other one has gone";
    TclsLockHolder objLater({QStringLiteral("record"), QStringLiteral("TclsUsersDB"), stKey});
    EXPECT_EQ(objLater.fnstAnswer(), QStringLiteral("locked")) << "the save unlocked its row";
}

TEST(RWApplSecurityLog, TheSaveIsLoggedWithoutThePassword) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bLogging = true;
    TclsTestInstallation objInstallation(rec);
    ASSERT_INSTALLED(objInstallation);
    const QString stPassword = QStringLiteral("Zq8-unlikely-text");
    ASSERT_EQ(fnstSave(stPassword), cstSuccess);
    const QString stLog = fnstTodaysLog(objInstallation);
    const QString stUnit = QStringLiteral("unitRWApplSecurity");
    const QString stMethod = QStringLiteral("fnstSaveToDB");
    for (const char *pchLine :
         {"Select * from Users", "Calling fniLockRecord", "Calling fniUpdateRecord",
          "Calling FreeAndNil method on objarUsersData"})
        EXPECT_TRUE(stLog.contains(fnstLogLine(0, stUnit, stMethod, QString::fromLatin1(pchLine))))
            << pchLine;
    EXPECT_FALSE(stLog.contains(stPassword)) << "the password reached the log";
}
