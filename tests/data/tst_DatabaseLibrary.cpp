// The database library as its callers see it: codes, rows, widths, inserts and
// updates, the combined writes, ad-hoc statements and the dialect rewrite; row
// and table locks across processes; the configuration and user caches.
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitDatabaseConstants.h"
#include "UnitLockHolder.h"
#include "UnitMV5Records.h"
#include "UnitMV5ReferenceRecords.h"
#include "UnitSQLDialect.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"
#include "UnitUserDataCacheDLLAccess.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {
// Copies of the rows of a record class: safe to keep after the query's records are gone.
template <class T> std::vector<T> fnarRows(const TrecarFields &arCriteria = {{}}) {
    TobjarMVData objar;
    EXPECT_EQ(fniQueryRecords(arCriteria, objar, T().fnstClassName()), 0);
    std::vector<T> ar;
    for (const auto &obj : objar)
        ar.push_back(*fnobjAs<T>(obj));
    return ar;
}

int fniQuery(const QString &stClass, const TrecarFields &arCriteria = {{}}) {
    TobjarMVData objar;
    return fniQueryRecords(arCriteria, objar, stClass);
}

const TrecarFields carDefault = {{QStringLiteral("user_id"), QStringLiteral("'DEFAULT'")}};

class DatabaseLibrary : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    }
};
} // namespace

TEST_F(DatabaseLibrary, CriterionValuesAreBoundNeverSpliced) {
    auto objUser = std::make_unique<TclsUsersData>();
    objUser->user_id = QStringLiteral("O'BRIEN");
    auto objar = fnarOne(std::move(objUser));
    ASSERT_EQ(fniInsertRecord(objar), 0);
    EXPECT_EQ(
        fnarRows<TclsUsersData>({{QStringLiteral("user_id"), QStringLiteral("'O''BRIEN'")}}).size(),
        1u);
    EXPECT_TRUE(
        fnarRows<TclsUsersData>({{QStringLiteral("user_id"), QStringLiteral("'x'' OR ''1''=''1'")}})
            .empty());
    EXPECT_EQ(fnarRows<TclsUsersData>().size(), 3u);
    // Rows come back in table order.
    const auto arServices = fnarRows<TclsCommServiceSettingsData>();
    ASSERT_EQ(arServices.size(), 10u);
    EXPECT_EQ(arServices.front().service_name, QStringLiteral("Site Registration"));
    EXPECT_EQ(arServices.back().service_name, QStringLiteral("Paperless Trade (PLT)"));
}

TEST_F(DatabaseLibrary, FailuresAnswerWithTheirCodes) {
    EXPECT_EQ(fniQuery(QStringLiteral("TclsNoSuchDB")), dbc::iConfigurationError);
    EXPECT_EQ(fniQuery(QStringLiteral("TclsUsersDB"), {{QStringLiteral("no_such_column"), 1}}),
              dbc::iConfigurationError);
    TclsUsersData objGone = fnarRows<TclsUsersData>().at(0);
    ASSERT_EQ(
        fniExec(QStringLiteral("DELETE FROM users WHERE record_key = ?"), {objGone.record_key}), 0);
    EXPECT_EQ(fniUpdateRecord(objGone), dbc::iRecordDeleted);
    // A statement the database refuses is no connection failure.
    ASSERT_EQ(fniExec(QStringLiteral("CREATE UNIQUE INDEX users_id ON users (user_id)")), 0);
    auto objUser = std::make_unique<TclsUsersData>();
    objUser->user_id = QStringLiteral("DEFAULT");
    auto objar = fnarOne(std::move(objUser));
    EXPECT_EQ(fniInsertRecord(objar), dbc::iDuplicateRecord);
    EXPECT_EQ(fniExec(QStringLiteral("UPDATE users SET no_such_column = 1")),
              dbc::iConfigurationError);
    EXPECT_EQ(fniExec(QStringLiteral("SELECT * FROM")), dbc::iOperationFailed);
}

TEST_F(DatabaseLibrary, ADatabaseThatCannotBeOpenedAnswers19) {
    const QString stIni = QStringLiteral("Config/Installation.ini");
    const QByteArray baIni = objInstallation.fnbaReadFile(stIni);
    std::vector<std::pair<QByteArray, QByteArray>> arEdits; // in Installation.ini, or the file
    if (objInstallation.fnbPostgreSQL()) {
        const TrecDatabaseSettings &recDb = objInstallation.fnrecDatabase();
        QFile filePass(recDb.stPasswordFile);
        ASSERT_TRUE(filePass.open(QIODevice::ReadOnly));
        const QByteArray baPassFile = "PASSWORD_FILE=" + recDb.stPasswordFile.toUtf8();
        arEdits = {{"NAME=" + recDb.stName.toUtf8(), "NAME=morvane_no_such_database"},
                   // The right password in the ini is not used: without the file the
                   // server refuses.
                   {baPassFile, baPassFile + ".missing\r\nPASSWORD=" +
                                    filePass.readAll().trimmed().split(':').last()}};
    } else {
        arEdits = {{"missing file", {}}, {"not a database", QByteArray(4096, 'x')}};
    }
    for (const auto &[baFrom, baTo] : arEdits) {
        pDisconnectDatabase();
        if (objInstallation.fnbPostgreSQL()) {
            ASSERT_TRUE(baIni.contains(baFrom));
            ASSERT_TRUE(
                objInstallation.fnbWriteFile(stIni, QByteArray(baIni).replace(baFrom, baTo)));
        } else {
            QFile::remove(objInstallation.fnstDatabaseFile());
            ASSERT_TRUE(baTo.isEmpty() || objInstallation.fnbWriteFile(
                                              QStringLiteral("Database/Morvane_050300.db"), baTo));
        }
        EXPECT_EQ(fniQuery(QStringLiteral("TclsConfigZorvDB")), dbc::iConnectionFailed)
            << baFrom.constData();
        EXPECT_FALSE(baTo.isEmpty() && QFile::exists(objInstallation.fnstDatabaseFile()))
            << "no file is created";
    }
}

TEST_F(DatabaseLibrary, InsertGivesKeysAndUpdateWritesOnlyItsRow) {
    TobjarMVData objar;
    for (const char *pchName : {"FIRST", "SECOND"}) {
        auto obj = std::make_unique<TclsUsersData>();
        obj->user_id = QString::fromLatin1(pchName);
        objar.push_back(std::move(obj));
    }
    ASSERT_EQ(fniInsertRecord(objar), 0);
    EXPECT_GT(objar[0]->record_key, 0);
    EXPECT_NE(objar[0]->record_key, objar[1]->record_key);
    auto *pSecond = fnobjAs<TclsUsersData>(objar[1]);
    pSecond->account_number = QStringLiteral("12345678901234");
    ASSERT_EQ(fniUpdateRecord(*pSecond), 0);
    QStringList slAccounts;
    for (const auto &rec : fnarRows<TclsUsersData>())
        slAccounts << rec.user_id + QLatin1Char('=') + rec.account_number;
    EXPECT_EQ(slAccounts.join(u','), QStringLiteral("ADMIN=,DEFAULT=,FIRST=,SECOND=123456789012"));
}

// Every field kind comes back as it was stored, texts cut to their widths.
TEST_F(DatabaseLibrary, EveryFieldKindRoundTrips) {
    auto objPickup = std::make_unique<TclsPickupData>();
    objPickup->pickup_locations = {QStringLiteral("DOCK 1"), QString(), QStringLiteral("GATE")};
    objPickup->default_close_time = QTime(17, 45);
    auto objSender = std::make_unique<TclsSendersData>();
    objSender->license_expiration = QDateTime(QDate(2027, 2, 28), QTime(13, 5, 9));
    objSender->destination_billing = true;
    objSender->sender_cd = QString(40, QLatin1Char('S'));
    objSender->company = QString(300, QLatin1Char('c')); // no width: kept whole
    auto objRule = std::make_unique<TclsAccountNumberValidationData>();
    objRule->Field_Type = std::nullopt;
    objRule->Account_Number_Length = 0;
    auto objCountry = std::make_unique<TclsCountryData>();
    objCountry->Threshold_Value = 2500.75;
    TobjarMVData objar;
    objar.push_back(std::move(objPickup));
    objar.push_back(std::move(objSender));
    objar.push_back(std::move(objRule));
    objar.push_back(std::move(objCountry));
    ASSERT_EQ(fniInsertRecord(objar), 0);

    const TclsPickupData objStoredPickup = fnarRows<TclsPickupData>().back();
    EXPECT_EQ(objStoredPickup.pickup_locations,
              (QStringList{QStringLiteral("DOCK 1"), QString(), QStringLiteral("GATE")}));
    EXPECT_EQ(objStoredPickup.default_close_time, QTime(17, 45));
    EXPECT_FALSE(objStoredPickup.default_readyby_time.isValid());
    const TclsSendersData objStoredSender = fnarRows<TclsSendersData>().at(0);
    EXPECT_EQ(objStoredSender.license_expiration, QDateTime(QDate(2027, 2, 28), QTime(13, 5, 9)));
    EXPECT_TRUE(objStoredSender.destination_billing);
    EXPECT_EQ(objStoredSender.sender_cd, QString(30, QLatin1Char('S')));
    EXPECT_EQ(objStoredSender.company.size(), 300);
    const TclsAccountNumberValidationData objStoredRule =
        fnarRows<TclsAccountNumberValidationData>().back();
    EXPECT_FALSE(objStoredRule.Field_Type.has_value());
    EXPECT_EQ(objStoredRule.Account_Number_Length, std::optional<qint32>(0));
    EXPECT_DOUBLE_EQ(fnarRows<TclsCountryData>().back().Threshold_Value, 2500.75);
}

TEST_F(DatabaseLibrary, SenderInfoIsWrittenAllOrNone) {
    TclsSendersData objSender;
    objSender.sender_cd = QStringLiteral("MAIN");
    TclsCustomerInfoData objCustomer;
    objCustomer.company = QStringLiteral("Harbour Traders");
    TclsUsersData objUser = fnarRows<TclsUsersData>(carDefault).at(0);
    objUser.account_number = QStringLiteral("987654321");
    TclsConfigMorvaneData objConfig = fnarRows<TclsConfigMorvaneData>().at(0);
    objConfig.default_sender_cd = QStringLiteral("MAIN");
    const TiarFields iarStatus = {dbc::iStatusInsert, dbc::iStatusInsert, dbc::iStatusUpdate,
                                  dbc::iStatusUpdate};

    // A user row that no longer exists fails the call: nothing of it stays.
    TclsUsersData objGone = objUser;
    objGone.record_key = 9999;
    EXPECT_EQ(fniRWSenderInfoDB(objSender, objCustomer, objGone, objConfig, iarStatus),
              dbc::iRecordDeleted);
    EXPECT_TRUE(fnarRows<TclsSendersData>().empty());
    EXPECT_TRUE(fnarRows<TclsCustomerInfoData>().empty());

    objSender.record_key = 0;
    objCustomer.record_key = 0;
    ASSERT_EQ(fniRWSenderInfoDB(objSender, objCustomer, objUser, objConfig, iarStatus), 0);
    EXPECT_EQ(fnarRows<TclsSendersData>().size(), 1u);
    EXPECT_EQ(fnarRows<TclsCustomerInfoData>().at(0).company, QStringLiteral("Harbour Traders"));
    EXPECT_EQ(fnarRows<TclsConfigMorvaneData>().at(0).default_sender_cd, QStringLiteral("MAIN"));
    EXPECT_EQ(fnarRows<TclsUsersData>(carDefault).at(0).account_number,
              QStringLiteral("987654321"));
}

TEST_F(DatabaseLibrary, RecordCountAndAdHocStatementsInSQLServerDialect) {
    qint64 iCount = -1;
    ASSERT_EQ(fniRecordCount(QStringLiteral("select Count(1) from internet_setting"), iCount), 0);
    EXPECT_EQ(iCount, 1);
    // The cash-account statement as the sender check writes it, with the
    // account bound instead of spliced.
    TclsAdHocQuery query;
    ASSERT_EQ(query.fniOpen(
                  QStringLiteral("SELECT * FROM [dbo].[Account_Number_Validations] WHERE "
                                 "Type_Of_Account = ? AND Cash_Flag = 1AND ? LIKE (Prefix + '%')"),
                  {0, QStringLiteral("CA12345678")}),
              0);
    ASSERT_TRUE(query.fnbNext());
    EXPECT_EQ(query.fnvField(QStringLiteral("account_number_length")).toInt(), 10);
    EXPECT_FALSE(query.fnbNext());
}

TEST(SQLDialect, SQLServerStatementsAreRewritten) {
    const struct {
        const char *pchIn, *pchOut;
    } arCases[] = {
        {"SELECT * FROM [dbo].[Account_Number_Validations]",
         "SELECT * FROM Account_Number_Validations"},
        {"'A' + name + 'B'", "'A' || name || 'B'"},
        {"x + 1", "x + 1"},
        {"WHERE Cash_Flag = 1AND 'A1' LIKE x", "WHERE Cash_Flag = 1 AND 'A1' LIKE x"},
        {"WHERE code = 'X1AND'", "WHERE code = 'X1AND'"},
        {"name = '[dbo].[x] + y'", "name = '[dbo].[x] + y'"},
        {"name = 'it''s' + x", "name = 'it''s' || x"},
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(fnstRewriteSQLServerDialect(QString::fromLatin1(rec.pchIn)),
                  QString::fromLatin1(rec.pchOut))
            << rec.pchIn;
}

// A second workstation is refused a row while the first holds it; another
// row, another class, or the row once its holder died, is free.
TEST_F(DatabaseLibrary, ARowLockedByAnotherProcessIsRefusedUntilItsHolderDies) {
    const QString stClass = QStringLiteral("TclsConfigZorvDB");
    TclsLockHolder objHolder({QStringLiteral("record"), stClass, QStringLiteral("1")});
    ASSERT_EQ(objHolder.fnstAnswer(), QStringLiteral("locked"));
    EXPECT_EQ(fniLockRecord(1, stClass), dbc::iRecordLocked);
    EXPECT_EQ(fniLockRecord(1, QStringLiteral("tclsconfigzorvdb")), dbc::iRecordLocked)
        << "class names ignore case";
    EXPECT_EQ(fniLockRecord(2, stClass), 0) << "another row is free";
    EXPECT_EQ(fniLockRecord(1, QStringLiteral("TclsConfigMorvaneDB")), 0);
    objHolder.pKill();
    EXPECT_EQ(fniLockRecord(1, stClass), 0);
    TclsLockHolder objRefused({QStringLiteral("record"), stClass, QStringLiteral("1")});
    EXPECT_EQ(objRefused.fnstAnswer(), QStringLiteral("refused 12"));
    objRefused.pKill();
    fniUnLockRecord(1, stClass);
    TclsLockHolder objNext({QStringLiteral("record"), stClass, QStringLiteral("1")});
    EXPECT_EQ(objNext.fnstAnswer(), QStringLiteral("locked")) << "free again after its unlock";
}

// A workstation killed in the middle of its save, its row written and still
// locked: what it wrote stays, the database is sound and the row is free for
// the next save.
TEST_F(DatabaseLibrary, AWorkstationKilledInItsSaveLeavesItsRowSoundAndFree) {
    const QString stClass = QStringLiteral("TclsConfigZorvDB");
    const QString stKey = fnstScalar(QStringLiteral("SELECT record_key FROM config_zorv"));
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

TEST_F(DatabaseLibrary, RunningExesKeepsASecondWizardOffTheDatabase) {
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

// Rows are read once and kept until the cache is told to reload; a row handed
// out never changes under its holder.
TEST_F(DatabaseLibrary, TheConfigurationRowIsKeptUntilTheCacheReloads) {
    std::shared_ptr<const TclsConfigZorvData> objConfig, objAgain;
    ASSERT_EQ(fniGetConfigZorvData(objConfig), 0);
    ASSERT_EQ(objConfig->no_of_retries, 1);
    ASSERT_EQ(fniExec(QStringLiteral("UPDATE config_zorv SET no_of_retries = 4")), 0);
    fniGetConfigZorvData(objAgain);
    EXPECT_EQ(objAgain->no_of_retries, 1);
    fniLoadConfigDLL(0);
    fniGetConfigZorvData(objAgain);
    EXPECT_EQ(objAgain->no_of_retries, 4);
    EXPECT_EQ(objConfig->no_of_retries, 1);
}

TEST_F(DatabaseLibrary, TheUserCacheOpensAUserByItsPassword) {
    ASSERT_EQ(fniExec(QStringLiteral("UPDATE users SET password = ? WHERE user_id = 'DEFAULT'"),
                      {QStringLiteral("s3cret")}),
              0);
    EXPECT_NE(fniLoadUserDLL(QStringLiteral("DEFAULT"), QStringLiteral("wrong")), 0);
    EXPECT_TRUE(fnstCurrentUserId().isEmpty());
    EXPECT_EQ(fniLoadUserDLL(QStringLiteral("DEFAULT"), QStringLiteral("s3cret")), 0);
    EXPECT_EQ(fnstCurrentUserId(), QStringLiteral("DEFAULT"));
    EXPECT_NE(fniLoadUserDLL(QStringLiteral("NOBODY"), QString()), 0);
}
