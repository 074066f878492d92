// The database library as its callers see it: codes, rows, writes, statements, locks, caches.
#include "../settings/tstSettingsHelpers.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitDatabaseConstants.h"
#include "UnitLockHolder.h"
#include "UnitMV5Records.h"
#include "UnitMV5ReferenceRecords.h"
#include "UnitSQLDialect.h"
#include "UnitUserDataCacheDLLAccess.h"

#include <QFile>

namespace {
int fniQuery(const QString &stClass, const TrecarFields &arCriteria = {{}}) {
    TobjarMVData objar;
    return fniQueryRecords(arCriteria, objar, stClass);
}

const TrecarFields carDefault = {{QStringLiteral("user_id"), QStringLiteral("'DEFAULT'")}};

class DatabaseLibrary : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override { ASSERT_INSTALLED(objInstallation); }
};
} // namespace

// Criterion values are bound, never spliced; a refused statement is no connection failure.
TEST_F(DatabaseLibrary, CriterionValuesAreBoundAndFailuresAnswerWithTheirCodes) {
    ASSERT_EQ(fniExec(QStringLiteral("CREATE UNIQUE INDEX users_id ON users (user_id)")), 0);
    TobjarMVData objar = fnarUser("O'BRIEN");
    ASSERT_EQ(fniInsertRecord(objar), 0);
    const auto fniCount = [](const char *pchId) {
        return fnarRows<TclsUsersData>({{QStringLiteral("user_id"), QLatin1String(pchId)}}).size();
    };
    EXPECT_EQ(fniCount("'O''BRIEN'"), 1u);
    EXPECT_EQ(fniCount("'x'' OR ''1''=''1'"), 0u);
    EXPECT_EQ(fnarRows<TclsCommServiceSettingsData>().front().service_name, "Site Registration")
        << "rows come back in table order";
    objar = fnarUser("DEFAULT");
    EXPECT_EQ(fniInsertRecord(objar), dbc::iDuplicateRecord);
    EXPECT_EQ(fniQuery(QStringLiteral("TclsNoSuchDB")), dbc::iConfigurationError);
    EXPECT_EQ(fniQuery(QStringLiteral("TclsUsersDB"), {{QStringLiteral("no_such_column"), 1}}),
              dbc::iConfigurationError);
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

    const TclsPickupData p = fnarRows<TclsPickupData>().back();
    const TclsSendersData s = fnarRows<TclsSendersData>().at(0);
    const TclsAccountNumberValidationData r = fnarRows<TclsAccountNumberValidationData>().back();
    EXPECT_EQ(
        QVariantList({p.pickup_locations, p.default_close_time, p.default_readyby_time,
                      s.license_expiration, s.destination_billing, s.sender_cd, s.company.size(),
                      r.Field_Type.has_value(), r.Account_Number_Length.value_or(-1),
                      fnarRows<TclsCountryData>().back().Threshold_Value}),
        QVariantList({QStringList{"DOCK 1", QString(), "GATE"}, QTime(17, 45), QTime(),
                      QDateTime(QDate(2027, 2, 28), QTime(13, 5, 9)), true, QString(30, 'S'), 300,
                      false, 0, 2500.75}));
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

    // A user row that no longer exists fails the call, and nothing of it stays.
    TclsUsersData objGone = objUser;
    objGone.record_key = 9999;
    EXPECT_EQ(fniRWSenderInfoDB(objSender, objCustomer, objGone, objConfig, iarStatus),
              dbc::iRecordDeleted);
    EXPECT_TRUE(fnarRows<TclsSendersData>().empty());
    EXPECT_TRUE(fnarRows<TclsCustomerInfoData>().empty());

    objSender.record_key = 0;
    objCustomer.record_key = 0;
    ASSERT_EQ(fniRWSenderInfoDB(objSender, objCustomer, objUser, objConfig, iarStatus), 0);
    EXPECT_EQ(QStringList({fnarRows<TclsSendersData>().at(0).sender_cd,
                           fnarRows<TclsCustomerInfoData>().at(0).company,
                           fnarRows<TclsConfigMorvaneData>().at(0).default_sender_cd,
                           fnarRows<TclsUsersData>(carDefault).at(0).account_number}),
              QStringList({"MAIN", "Harbour Traders", "MAIN", "987654321"}));
}

TEST_F(DatabaseLibrary, RecordCountAndAdHocStatementsInSQLServerDialect) {
    qint64 iCount = -1;
    ASSERT_EQ(fniRecordCount(QStringLiteral("select Count(1) from internet_setting"), iCount), 0);
    EXPECT_EQ(iCount, 1);
    // The cash-account statement as the sender check writes it.
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

// A row handed out never changes under its holder.
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
