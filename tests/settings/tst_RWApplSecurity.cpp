// The application password of the DEFAULT user: what is stored, the flag that
// says a password was set, the row lock other workstations hold, and the log.
#include "tstSettingsHelpers.h"
#include "UnitLockHolder.h"
#include "UnitMV5Records.h"
#include "unitRWApplSecurity.h"

namespace {
TclsUsersData fnobjUser(const char *pchId = "'DEFAULT'") {
    const std::vector<TclsUsersData> ar =
        fnarRows<TclsUsersData>({{QStringLiteral("user_id"), QLatin1String(pchId)}});
    EXPECT_EQ(ar.size(), 1u);
    return ar.empty() ? TclsUsersData() : ar.front();
}

// Puts the DEFAULT user's password and flag as an earlier run left them.
void pSetDefaultUser(const QString &stPassword, bool bPasswordSet) {
    TclsUsersData objUser = fnobjUser();
    objUser.password = stPassword;
    objUser.password_set = bPasswordSet;
    ASSERT_EQ(fniUpdateRecord(objUser), 0);
}

QString fnstSave(const QString &stPassword) {
    TclsRWApplSecurityData objData;
    objData.bPasswordRequired = !stPassword.isEmpty();
    objData.stPassword = stPassword;
    return TclsRWApplSecurity().fnstSaveToDB(objData);
}

TrecInstallationOptions fnrecLogging() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bLogging = true;
    return rec;
}

class RWApplSecurity : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation{fnrecLogging()};
    void SetUp() override { ASSERT_INSTALLED(objInstallation); }
};
} // namespace

// The password is stored, cut to 255, and sets the flag; no password leaves
// the flag as it was. Nothing of it reaches the log.
TEST_F(RWApplSecurity, StoresThePasswordAndSetsTheFlagOnlyForAPassword) {
    const QString stLong = QStringLiteral("Zq8-unlikely-text") + QString(300, QLatin1Char('p'));
    const struct {
        bool bOldFlag;
        QString stPassword, stStored;
    } arCases[] = {{true, {}, {}}, {false, {}, {}}, {false, stLong, stLong.left(255)}};
    for (const auto &rec : arCases) {
        pSetDefaultUser(QStringLiteral("Old1"), rec.bOldFlag);
        EXPECT_EQ(fnstSave(rec.stPassword), cstSuccess);
        const TclsUsersData objUser = fnobjUser();
        // Compared without printing: a password never reaches the test output.
        EXPECT_TRUE(objUser.password == rec.stStored) << "stored password differs";
        EXPECT_EQ(objUser.password_set, rec.bOldFlag || !rec.stPassword.isEmpty());
        EXPECT_EQ(objUser.changed_by, QStringLiteral("DEFAULT"));
    }
    EXPECT_TRUE(fnobjUser("'ADMIN'").changed_by.isEmpty()) << "only the DEFAULT user is written";
    const QString stLog = fnstTodaysLog(objInstallation);
    EXPECT_TRUE(stLog.contains(QStringLiteral("|Process fnstSaveToDB|")));
    EXPECT_FALSE(stLog.contains(QStringLiteral("Zq8-unlikely-text")))
        << "the password reached the log";
}

TEST(RWApplSecurityFailures, AMissingDefaultUserOrUsersTableGivesItsMessage) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.recSeed.bDefaultUser = false;
    std::optional<TclsTestInstallation> objInstallation(std::in_place, rec);
    ASSERT_INSTALLED(*objInstallation);
    EXPECT_EQ(fnstSave(QStringLiteral("Secret7")), QStringLiteral("0")) << "no DEFAULT user";
    rec = fnrecTestOptions();
    rec.slDropTables = {QStringLiteral("users")};
    objInstallation.reset();
    objInstallation.emplace(rec);
    ASSERT_INSTALLED(*objInstallation);
    EXPECT_EQ(fnstSave(QStringLiteral("Secret7")), fnstGetDBErrorMessage(9));
}

TEST_F(RWApplSecurity, ARowLockedByAnotherWorkstationIsLeftAlone) {
    pSetDefaultUser(QStringLiteral("Old1"), false);
    const QString stKey = QString::number(fnobjUser().record_key);
    {
        TclsLockHolder objHolder({QStringLiteral("record"), QStringLiteral("TclsUsersDB"), stKey});
        ASSERT_EQ(objHolder.fnstAnswer(), QStringLiteral("locked"));
        EXPECT_EQ(fnstSave(QStringLiteral("New2")), fnstGetDBErrorMessage(12));
        const TclsUsersData objUser = fnobjUser();
        EXPECT_TRUE(objUser.password == QStringLiteral("Old1")) << "the row was updated";
        EXPECT_FALSE(objUser.password_set);
    }
    EXPECT_EQ(fnstSave(QStringLiteral("New2")), cstSuccess) << "once the other one has gone";
    TclsLockHolder objLater({QStringLiteral("record"), QStringLiteral("TclsUsersDB"), stKey});
    EXPECT_EQ(objLater.fnstAnswer(), QStringLiteral("locked")) << "the save unlocked its row";
}
