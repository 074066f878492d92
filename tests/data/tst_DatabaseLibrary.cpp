// The database library as its callers see it: codes, rows, widths, inserts and
// updates, the combined writes, ad-hoc statements and the dialect rewrite.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitDatabaseConstants.h"
#include "UnitMV5Records.h"
#include "UnitMV5ReferenceRecords.h"
#include "UnitSQLDialect.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {
template <class T> std::vector<T *> fnarAs(const TobjarMVData &objar) {
    std::vector<T *> ar;
    for (const auto &obj : objar)
        ar.push_back(dynamic_cast<T *>(obj.get()));
    return ar;
}

TobjarMVData fnarQuery(const QString &stClass, const TrecarFields &arCriteria = {{}}) {
    TobjarMVData objar;
    EXPECT_EQ(fniQueryRecords(arCriteria, objar, stClass), 0) << qPrintable(stClass);
    return objar;
}

// Copies of the rows of a record class: safe to keep after the query's records are gone.
template <class T> std::vector<T> fnarRows(const TrecarFields &arCriteria = {{}}) {
    std::vector<T> ar;
    for (const auto &obj : fnarQuery(T().fnstClassName(), arCriteria))
        ar.push_back(*dynamic_cast<T *>(obj.get()));
    return ar;
}

class DatabaseLibrary : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    }
};
} // namespace

TEST_F(DatabaseLibrary, QueriesSelectAllRowsOrTheRowsOfAQuotedCriterion) {
    EXPECT_EQ(fnarQuery(QStringLiteral("TclsUsersDB")).size(), 2u);
    const auto objar = fnarQuery(QStringLiteral("TclsUsersDB"),
                                 {{QStringLiteral("user_id"), QStringLiteral("'DEFAULT'")}});
    ASSERT_EQ(objar.size(), 1u);
    EXPECT_EQ(fnarAs<TclsUsersData>(objar)[0]->user_id, QStringLiteral("DEFAULT"));
    EXPECT_GT(objar[0]->record_key, 0);
    // Rows come back in table order.
    const auto arServices = fnarRows<TclsCommServiceSettingsData>();
    ASSERT_EQ(arServices.size(), 10u);
    EXPECT_EQ(arServices.front().service_name, QStringLiteral("Site Registration"));
    EXPECT_EQ(arServices.back().service_name, QStringLiteral("Paperless Trade (PLT)"));
}

TEST_F(DatabaseLibrary, CriterionValuesAreBoundNeverSpliced) {
    auto objUser = std::make_unique<TclsUsersData>();
    objUser->user_id = QStringLiteral("O'BRIEN");
    auto objar = fnarOne(std::move(objUser));
    ASSERT_EQ(fniInsertRecord(objar), 0);
    EXPECT_EQ(fnarQuery(QStringLiteral("TclsUsersDB"),
                        {{QStringLiteral("user_id"), QStringLiteral("'O''BRIEN'")}})
                  .size(),
              1u);
    EXPECT_TRUE(fnarQuery(QStringLiteral("TclsUsersDB"),
                          {{QStringLiteral("user_id"), QStringLiteral("'x'' OR ''1''=''1'")}})
                    .empty());
    EXPECT_EQ(fnarQuery(QStringLiteral("TclsUsersDB")).size(), 3u);
}

TEST_F(DatabaseLibrary, FailuresAnswerWithTheirCodes) {
    TobjarMVData objar;
    EXPECT_EQ(fniQueryRecords({{}}, objar, QStringLiteral("TclsNoSuchDB")),
              dbc::iConfigurationError);
    EXPECT_EQ(fniQueryRecords({{QStringLiteral("no_such_column"), 1}}, objar,
                              QStringLiteral("TclsUsersDB")),
              dbc::iConfigurationError);
    TclsAdHocQuery query;
    ASSERT_EQ(query.fniExecute(QStringLiteral("DROP TABLE pickup")), 0);
    EXPECT_EQ(fniQueryRecords({{}}, objar, QStringLiteral("TclsPickupDB")),
              dbc::iConfigurationError);

    const auto objarUsers = fnarQuery(QStringLiteral("TclsUsersDB"));
    TclsUsersData objGone = *fnarAs<TclsUsersData>(objarUsers)[0];
    ASSERT_EQ(query.fniExecute(QStringLiteral("DELETE FROM users WHERE record_key = ?"),
                               {objGone.record_key}),
              0);
    EXPECT_EQ(fniUpdateRecord(objGone), dbc::iRecordDeleted);
}

TEST_F(DatabaseLibrary, AStatementRefusedByTheDatabaseIsNoConnectionFailure) {
    TclsAdHocQuery query;
    ASSERT_EQ(query.fniExecute(QStringLiteral("CREATE UNIQUE INDEX users_id ON users (user_id)")),
              0);
    auto objUser = std::make_unique<TclsUsersData>();
    objUser->user_id = QStringLiteral("DEFAULT");
    auto objar = fnarOne(std::move(objUser));
    EXPECT_EQ(fniInsertRecord(objar), dbc::iDuplicateRecord);
    EXPECT_EQ(query.fniExecute(QStringLiteral("UPDATE users SET no_such_column = 1")),
              dbc::iConfigurationError);
    EXPECT_EQ(query.fniExecute(QStringLiteral("SELECT * FROM")), dbc::iOperationFailed);
}

TEST_F(DatabaseLibrary, ADatabaseThatCannotBeOpenedAnswers19) {
    if (objInstallation.fnbPostgreSQL()) {
        const TrecDatabaseSettings &recDb = objInstallation.fnrecDatabase();
        const QByteArray baIni =
            objInstallation.fnbaReadFile(QStringLiteral("Config/Installation.ini"));
        const QByteArray baName = "NAME=" + recDb.stName.toUtf8();
        const QByteArray baPort = "PORT=" + QByteArray::number(recDb.iPort);
        const QByteArray baPassFile = "PASSWORD_FILE=" + recDb.stPasswordFile.toUtf8();
        QFile filePass(recDb.stPasswordFile);
        ASSERT_TRUE(filePass.open(QIODevice::ReadOnly));
        const QByteArray baPassword = filePass.readAll().trimmed().split(':').last();
        const struct {
            const char *pchCase;
            QByteArray baFrom, baTo;
        } arServerCases[] = {
            {"no such database", baName, "NAME=morvane_no_such_database"},
            {"no server at the port", baPort, "PORT=1"},
            // The right password in the ini is not used: without the file the server refuses.
            {"password only in the ini", baPassFile,
             "PASSWORD_FILE=" + recDb.stPasswordFile.toUtf8() +
                 ".missing\r\nPASSWORD=" + baPassword},
        };
        for (const auto &rec : arServerCases) {
            pDisconnectDatabase();
            ASSERT_TRUE(baIni.contains(rec.baFrom)) << rec.pchCase;
            ASSERT_TRUE(
                objInstallation.fnbWriteFile(QStringLiteral("Config/Installation.ini"),
                                             QByteArray(baIni).replace(rec.baFrom, rec.baTo)));
            TobjarMVData objar;
            EXPECT_EQ(fniQueryRecords({{}}, objar, QStringLiteral("TclsConfigZorvDB")),
                      dbc::iConnectionFailed)
                << rec.pchCase;
        }
        pDisconnectDatabase();
        ASSERT_TRUE(objInstallation.fnbWriteFile(QStringLiteral("Config/Installation.ini"), baIni));
        TobjarMVData objar;
        EXPECT_EQ(fniQueryRecords({{}}, objar, QStringLiteral("TclsConfigZorvDB")), 0);
        return;
    }
    const struct {
        const char *pchCase;
        QByteArray baContent; // empty: no file at all
    } arCases[] = {{"missing file", {}}, {"not a database", QByteArray(4096, 'x')}};
    for (const auto &rec : arCases) {
        pDisconnectDatabase();
        QFile::remove(objInstallation.fnstDatabaseFile());
        if (!rec.baContent.isEmpty()) {
            ASSERT_TRUE(objInstallation.fnbWriteFile(QStringLiteral("Database/Morvane_050300.db"),
                                                     rec.baContent));
        }
        TobjarMVData objar;
        EXPECT_EQ(fniQueryRecords({{}}, objar, QStringLiteral("TclsConfigZorvDB")),
                  dbc::iConnectionFailed)
            << rec.pchCase;
        EXPECT_FALSE(QFile::exists(objInstallation.fnstDatabaseFile()) && rec.baContent.isEmpty())
            << "no file is created";
    }
}

TEST_F(DatabaseLibrary, TextsAreCutToTheirWidthsWhenStored) {
    auto objSender = std::make_unique<TclsSendersData>();
    objSender->sender_cd = QString(40, QLatin1Char('S'));
    objSender->country_cd = QStringLiteral("GBR");
    objSender->email = QString(100, QLatin1Char('e'));
    objSender->company = QString(300, QLatin1Char('c')); // no width: kept whole
    auto objar = fnarOne(std::move(objSender));
    ASSERT_EQ(fniInsertRecord(objar), 0);
    const auto arSenders = fnarRows<TclsSendersData>();
    ASSERT_EQ(arSenders.size(), 1u);
    EXPECT_EQ(arSenders[0].sender_cd, QString(30, QLatin1Char('S')));
    EXPECT_EQ(arSenders[0].country_cd, QStringLiteral("GB"));
    EXPECT_EQ(arSenders[0].email.size(), 80);
    EXPECT_EQ(arSenders[0].company.size(), 300);

    auto objarConfig = fnarQuery(QStringLiteral("TclsConfigZorvDB"));
    auto *pConfig = fnarAs<TclsConfigZorvData>(objarConfig)[0];
    pConfig->ftp_host = QString(60, QLatin1Char('h'));
    ASSERT_EQ(fniUpdateRecord(*pConfig), 0);
    EXPECT_EQ(fnarRows<TclsConfigZorvData>()[0].ftp_host, QString(50, QLatin1Char('h')));
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
    auto *pSecond = fnarAs<TclsUsersData>(objar)[1];
    pSecond->account_number = QStringLiteral("123456789");
    ASSERT_EQ(fniUpdateRecord(*pSecond), 0);
    QStringList slAccounts;
    for (const auto &rec : fnarRows<TclsUsersData>())
        slAccounts << rec.user_id + QLatin1Char('=') + rec.account_number;
    EXPECT_EQ(slAccounts.join(u','), QStringLiteral("ADMIN=,DEFAULT=,FIRST=,SECOND=123456789"));
}

// Every field kind comes back as it was stored, for every record class.
TEST_F(DatabaseLibrary, EveryFieldKindRoundTrips) {
    auto objPickup = std::make_unique<TclsPickupData>();
    objPickup->pickup_locations = {QStringLiteral("DOCK 1"), QString(), QStringLiteral("GATE")};
    objPickup->default_close_time = QTime(17, 45);
    objPickup->request_close_margin = 75;
    auto objSender = std::make_unique<TclsSendersData>();
    objSender->sender_cd = QStringLiteral("ROUND");
    objSender->license_expiration = QDateTime(QDate(2027, 2, 28), QTime(13, 5, 9));
    objSender->destination_billing = true;
    objSender->sender_flags = 12289;
    auto objRule = std::make_unique<TclsAccountNumberValidationData>();
    objRule->Type_Of_Account = 77;
    objRule->Field_Type = std::nullopt;
    objRule->Account_Number_Length = 0;
    auto objCountry = std::make_unique<TclsCountryData>();
    objCountry->country_cd = QStringLiteral("ZZ");
    objCountry->Threshold_Value = 2500.75;
    TobjarMVData objar;
    objar.push_back(std::move(objPickup));
    objar.push_back(std::move(objSender));
    objar.push_back(std::move(objRule));
    objar.push_back(std::move(objCountry));
    ASSERT_EQ(fniInsertRecord(objar), 0);

    const auto objarPickup = fnarQuery(QStringLiteral("TclsPickupDB"));
    const auto *pPickup = fnarAs<TclsPickupData>(objarPickup).back();
    EXPECT_EQ(pPickup->pickup_locations,
              (QStringList{QStringLiteral("DOCK 1"), QString(), QStringLiteral("GATE")}));
    EXPECT_EQ(pPickup->default_close_time, QTime(17, 45));
    EXPECT_FALSE(pPickup->default_readyby_time.isValid());
    EXPECT_EQ(pPickup->request_close_margin, 75);
    const auto objarSender = fnarQuery(QStringLiteral("TclsSendersDB"),
                                       {{QStringLiteral("sender_cd"), QStringLiteral("'ROUND'")}});
    const auto *pSender = fnarAs<TclsSendersData>(objarSender)[0];
    EXPECT_EQ(pSender->license_expiration, QDateTime(QDate(2027, 2, 28), QTime(13, 5, 9)));
    EXPECT_TRUE(pSender->destination_billing);
    EXPECT_EQ(pSender->sender_flags, 12289);
    const auto objarRule = fnarQuery(QStringLiteral("TclsAccountNumberValidationDB"),
                                     {{QStringLiteral("Type_Of_Account"), 77}});
    const auto *pRule = fnarAs<TclsAccountNumberValidationData>(objarRule)[0];
    EXPECT_FALSE(pRule->Field_Type.has_value());
    EXPECT_EQ(pRule->Account_Number_Length, std::optional<qint32>(0));
    const auto objarCountry = fnarQuery(QStringLiteral("TclsCountryDB"),
                                        {{QStringLiteral("country_cd"), QStringLiteral("'ZZ'")}});
    EXPECT_DOUBLE_EQ(fnarAs<TclsCountryData>(objarCountry)[0]->Threshold_Value, 2500.75);
}

TEST_F(DatabaseLibrary, SenderInfoIsWrittenAllOrNone) {
    auto objarConfig = fnarQuery(QStringLiteral("TclsConfigMorvaneDB"));
    auto objarUsers = fnarQuery(QStringLiteral("TclsUsersDB"),
                                {{QStringLiteral("user_id"), QStringLiteral("'DEFAULT'")}});
    TclsSendersData objSender;
    objSender.sender_cd = QStringLiteral("MAIN");
    TclsCustomerInfoData objCustomer;
    objCustomer.company = QStringLiteral("Harbour Traders");
    auto *pUser = fnarAs<TclsUsersData>(objarUsers)[0];
    pUser->account_number = QStringLiteral("987654321");
    auto *pConfig = fnarAs<TclsConfigMorvaneData>(objarConfig)[0];
    pConfig->default_sender_cd = QStringLiteral("MAIN");
    const TiarFields iarStatus = {dbc::iStatusInsert, dbc::iStatusInsert, dbc::iStatusUpdate,
                                  dbc::iStatusUpdate};

    // A user row that no longer exists fails the call: nothing of it stays.
    TclsUsersData objGone = *pUser;
    objGone.record_key = 9999;
    EXPECT_EQ(fniRWSenderInfoDB(objSender, objCustomer, objGone, *pConfig, iarStatus),
              dbc::iRecordDeleted);
    EXPECT_TRUE(fnarQuery(QStringLiteral("TclsSendersDB")).empty());
    EXPECT_TRUE(fnarQuery(QStringLiteral("TclsCustomerInfoDB")).empty());

    objSender.record_key = 0;
    objCustomer.record_key = 0;
    ASSERT_EQ(fniRWSenderInfoDB(objSender, objCustomer, *pUser, *pConfig, iarStatus), 0);
    EXPECT_EQ(fnarQuery(QStringLiteral("TclsSendersDB")).size(), 1u);
    EXPECT_EQ(fnarRows<TclsCustomerInfoData>()[0].company, QStringLiteral("Harbour Traders"));
    EXPECT_EQ(fnarRows<TclsConfigMorvaneData>()[0].default_sender_cd, QStringLiteral("MAIN"));
    EXPECT_EQ(fnarRows<TclsUsersData>({{QStringLiteral("user_id"), QStringLiteral("'DEFAULT'")}})[0]
                  .account_number,
              QStringLiteral("987654321"));
}

TEST_F(DatabaseLibrary, DestinationBillingRowsOfASenderAreReplaced) {
    TclsSendersData objSender;
    objSender.sender_cd = QStringLiteral("MAIN");
    auto fnarBilling = [](std::initializer_list<std::pair<const char *, const char *>> arPairs) {
        TobjarMVData objar;
        for (const auto &[pchIata, pchAccount] : arPairs) {
            auto obj = std::make_unique<TclsDestinationBillingData>();
            obj->iata = QString::fromLatin1(pchIata);
            obj->account_number = QString::fromLatin1(pchAccount);
            objar.push_back(std::move(obj));
        }
        return objar;
    };
    auto objarFirst = fnarBilling({{"LHR", "111111111"}, {"JFK", "222222222"}});
    ASSERT_EQ(fniUpdateSenderRecord(objSender, objarFirst), 0);
    auto objarSecond = fnarBilling({{"FRA", "333333333"}});
    ASSERT_EQ(fniUpdateSenderRecord(objSender, objarSecond), 0);
    const auto arRows = fnarRows<TclsDestinationBillingData>(
        {{QStringLiteral("sender_cd"), QStringLiteral("'MAIN'")}});
    ASSERT_EQ(arRows.size(), 1u);
    EXPECT_EQ(arRows[0].iata, QStringLiteral("FRA"));
    EXPECT_EQ(fnarQuery(QStringLiteral("TclsSendersDB")).size(), 1u);
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
        {"select [state] from [state]", "select state from state"},
        {"? LIKE (Prefix + '%')", "? LIKE (Prefix || '%')"},
        {"'A' + name + 'B'", "'A' || name || 'B'"},
        {"x + 1", "x + 1"},
        {"WHERE Type_Of_Account = 0 AND Cash_Flag = 1AND 'A1' LIKE x",
         "WHERE Type_Of_Account = 0 AND Cash_Flag = 1 AND 'A1' LIKE x"},
        {"WHERE code = 'X1AND'", "WHERE code = 'X1AND'"},
        {"name = '[dbo].[x] + y'", "name = '[dbo].[x] + y'"},
        {"name = 'it''s' + x", "name = 'it''s' || x"},
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(fnstRewriteSQLServerDialect(QString::fromLatin1(rec.pchIn)),
                  QString::fromLatin1(rec.pchOut))
            << rec.pchIn;
}
