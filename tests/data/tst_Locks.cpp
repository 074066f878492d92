// Row locks and the "runningexes" table lock across processes: a second
// workstation is refused while the first holds a lock, and a holder that dies
// leaves nothing locked behind.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"
#include "UnitLockHolder.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <gtest/gtest.h>

namespace {
class Locks : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    }
};
} // namespace

TEST_F(Locks, ARowLockedByAnotherProcessIsRefusedUntilItsHolderDies) {
    const QString stClass = QStringLiteral("TclsConfigZorvDB");
    TclsLockHolder objHolder({QStringLiteral("record"), stClass, QStringLiteral("1")});
    ASSERT_EQ(objHolder.fnstAnswer(), QStringLiteral("locked"));
    EXPECT_EQ(fniLockRecord(1, stClass), dbc::iRecordLocked);
    EXPECT_EQ(fniLockRecord(1, QStringLiteral("tclsconfigzorvdb")), dbc::iRecordLocked)
        << "class names ignore case";
    EXPECT_EQ(fniLockRecord(2, stClass), 0) << "another row is free";
    EXPECT_EQ(fniLockRecord(1, QStringLiteral("TclsConfigMorvaneDB")), 0)
        << "another class is free";
    objHolder.pKill();
    EXPECT_EQ(fniLockRecord(1, stClass), 0);
}

// A workstation killed in the middle of its save, its row written and still
// locked: what it wrote stays, the database is sound and the row is free for
// the next save.
TEST_F(Locks, AWorkstationKilledInItsSaveLeavesItsRowSoundAndFree) {
    const QString stClass = QStringLiteral("TclsConfigZorvDB");
    const QString stKey = fnstScalar(QStringLiteral("SELECT record_key FROM config_zorv"));
    ASSERT_FALSE(stKey.isEmpty());
    TclsLockHolder objHolder({QStringLiteral("save"), stClass, stKey, QStringLiteral("ftp_host"),
                              QStringLiteral("killed.example.com")});
    ASSERT_EQ(objHolder.fnstAnswer(), QStringLiteral("locked"));
    EXPECT_EQ(fniLockRecord(stKey.toInt(), stClass), dbc::iRecordLocked);
    objHolder.pKill();
    EXPECT_EQ(fnstScalar(QStringLiteral("SELECT ftp_host FROM config_zorv")),
              QStringLiteral("killed.example.com"));
    EXPECT_EQ(fnstIntegrityCheck(), QStringLiteral("ok"));
    EXPECT_EQ(fniLockRecord(stKey.toInt(), stClass), 0);
}

TEST_F(Locks, ARowLockIsFreeAgainAfterItsUnlock) {
    const QString stClass = QStringLiteral("TclsUsersDB");
    ASSERT_EQ(fniLockRecord(5, stClass), 0);
    EXPECT_EQ(fniLockRecord(5, stClass), 0) << "the holder may lock its row again";
    {
        TclsLockHolder objHolder({QStringLiteral("record"), stClass, QStringLiteral("5")});
        EXPECT_EQ(objHolder.fnstAnswer(), QStringLiteral("refused 12"));
    }
    fniUnLockRecord(5, stClass);
    TclsLockHolder objHolder({QStringLiteral("record"), stClass, QStringLiteral("5")});
    EXPECT_EQ(objHolder.fnstAnswer(), QStringLiteral("locked"));
}

TEST_F(Locks, RunningExesKeepsASecondWizardOffTheDatabase) {
    const QString stTable = QString::fromLatin1(cstRunningExes);
    {
        TclsLockHolder objHolder({QStringLiteral("table"), stTable});
        ASSERT_EQ(objHolder.fnstAnswer(), QStringLiteral("locked"));
        EXPECT_NE(fniLockTable(stTable, 0), 0);
        objHolder.pKill();
        EXPECT_EQ(fniLockTable(stTable, 0), 0);
        TclsLockHolder objSecond({QStringLiteral("table"), stTable});
        EXPECT_EQ(objSecond.fnstAnswer(), QStringLiteral("refused 12"));
    }
    fniUnlockTable(stTable);
    TclsLockHolder objThird({QStringLiteral("table"), stTable});
    EXPECT_EQ(objThird.fnstAnswer(), QStringLiteral("locked"));
}
