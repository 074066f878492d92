// The internet and pickup saves: the single row of each table, created on the
// first run and updated on later ones, every field, widths and failures.
#include "tstSettingsHelpers.h"
#include "UnitDatabaseConstants.h"
#include "UnitMV5Records.h"
#include "UnitRWPickupDetails.h"
#include "unitRWProxyServer.h"
#include "UnitTableMap.h"

#include <functional>

namespace {
TclsRWProxyServerData fnobjProxyData(const QString &stTag, int iConnectionType) {
    TclsRWProxyServerData obj;
    obj.stHTTPProxyAddress = QStringLiteral("http.") + stTag;
    obj.stHTTPSProxyAddress = QStringLiteral("https.") + stTag;
    obj.stFTPProxyAddress = QStringLiteral("ftp.") + stTag;
    obj.iHTTPPort = 8080 + iConnectionType;
    obj.iHTTPSPort = 8443 + iConnectionType;
    obj.iFTPPort = 2121 + iConnectionType;
    obj.bNTLM = iConnectionType == ctProxy;
    obj.stUserName = QStringLiteral("user.") + stTag;
    obj.stPassword = QStringLiteral("pw.") + stTag;
    obj.bUseBrowserSettings = iConnectionType != ctDialUp;
    obj.bUserNamePwdConfirmation = iConnectionType == ctProxy;
    obj.iConnectionType = iConnectionType;
    obj.stDialupName = QStringLiteral("peer.") + stTag;
    return obj;
}

void pExpectStored(const TclsInternetSettingData &objRow, const TclsRWProxyServerData &objData) {
    EXPECT_EQ(objRow.connection_type, objData.iConnectionType);
    EXPECT_EQ(objRow.use_browser_settings, objData.bUseBrowserSettings);
    EXPECT_EQ(objRow.http_proxy, objData.stHTTPProxyAddress.fnst());
    EXPECT_EQ(objRow.https_proxy, objData.stHTTPSProxyAddress.fnst());
    EXPECT_EQ(objRow.ftp_proxy, objData.stFTPProxyAddress.fnst());
    EXPECT_EQ(objRow.http_port, objData.iHTTPPort);
    EXPECT_EQ(objRow.https_port, objData.iHTTPSPort);
    EXPECT_EQ(objRow.ftp_port, objData.iFTPPort);
    EXPECT_EQ(objRow.ntlm, objData.bNTLM);
    EXPECT_EQ(objRow.use_credentials, objData.bUserNamePwdConfirmation);
    EXPECT_EQ(objRow.proxy_user, objData.stUserName);
    // Compared without printing: a password never reaches the test output.
    EXPECT_TRUE(objRow.proxy_password == objData.stPassword) << "stored proxy password differs";
    EXPECT_EQ(objRow.dialup_name, objData.stDialupName);
}

TclsRWPickupData fnobjPickupData(const QStringList &slLocations, int iMargin, QTime tmClose,
                                 QTime tmReadyBy) {
    TclsRWPickupData obj;
    obj.slPickupLocations = slLocations;
    obj.iRequestCutOffMargin = iMargin;
    obj.iReadyByCloseMargin = iMargin + 1;
    obj.iRequestCloseMargin = iMargin + 2;
    obj.iReadyByCutOffMargin = iMargin + 3;
    obj.tmDefaultCloseTime = tmClose;
    obj.tmDefaultReadyByTime = tmReadyBy;
    return obj;
}

void pExpectStored(const TclsPickupData &objRow, const TclsRWPickupData &objData) {
    EXPECT_EQ(objRow.pickup_locations, objData.slPickupLocations);
    EXPECT_EQ(objRow.request_cutoff_margin, objData.iRequestCutOffMargin);
    EXPECT_EQ(objRow.readyby_close_margin, objData.iReadyByCloseMargin);
    EXPECT_EQ(objRow.request_close_margin, objData.iRequestCloseMargin);
    EXPECT_EQ(objRow.readyby_cutoff_margin, objData.iReadyByCutOffMargin);
    EXPECT_EQ(objRow.default_close_time, objData.tmDefaultCloseTime);
    EXPECT_EQ(objRow.default_readyby_time, objData.tmDefaultReadyByTime);
}

// The one row of the table after a save; a second row fails the test.
template <class T> T fnobjOnlyRow() {
    const std::vector<T> ar = fnarRows<T>();
    EXPECT_EQ(ar.size(), 1u);
    return ar.empty() ? T() : ar.front();
}

TrecInstallationOptions fnrecWithoutInternetRow() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.recSeed.bInternetSettingRow = false;
    return rec;
}

class RWProxyServer : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation{fnrecWithoutInternetRow()};
    void SetUp() override { ASSERT_INSTALLED(objInstallation); }
};

class RWPickup : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override {
        ASSERT_INSTALLED(objInstallation);
        pExecute(QStringLiteral("DELETE FROM pickup"));
    }
};
} // namespace

TEST_F(RWProxyServer, TheFirstRunInsertsTheRowLaterRunsUpdateIt) {
    const TclsRWProxyServerData objFirst = fnobjProxyData(QStringLiteral("first"), ctProxy);
    ASSERT_EQ(TclsRWProxyServer().fnstSaveToDB(objFirst), cstSuccess);
    const TclsInternetSettingData objInserted = fnobjOnlyRow<TclsInternetSettingData>();
    pExpectStored(objInserted, objFirst);

    // Dial-up still stores the proxy fields: they are there when the user switches back.
    const TclsRWProxyServerData objSecond = fnobjProxyData(QStringLiteral("second"), ctDialUp);
    ASSERT_EQ(TclsRWProxyServer().fnstSaveToDB(objSecond), cstSuccess);
    const TclsInternetSettingData objUpdated = fnobjOnlyRow<TclsInternetSettingData>();
    pExpectStored(objUpdated, objSecond);
    EXPECT_EQ(objUpdated.record_key, objInserted.record_key);
}

TEST_F(RWProxyServer, TextsAreCutToTheirColumns) {
    TclsRWProxyServerData objData = fnobjProxyData(QStringLiteral("x"), ctProxy);
    objData.stHTTPProxyAddress = QString(36, QLatin1Char('h'));
    objData.stHTTPSProxyAddress = QString(36, QLatin1Char('s'));
    objData.stFTPProxyAddress = QString(36, QLatin1Char('f'));
    objData.stUserName = QString(36, QLatin1Char('u'));
    objData.stPassword = QString(31, QLatin1Char('p'));
    objData.stDialupName = QString(61, QLatin1Char('d'));
    ASSERT_EQ(TclsRWProxyServer().fnstSaveToDB(objData), cstSuccess);
    const TclsInternetSettingData objRow = fnobjOnlyRow<TclsInternetSettingData>();
    EXPECT_EQ(objRow.http_proxy, QString(35, QLatin1Char('h')));
    EXPECT_EQ(objRow.https_proxy, QString(35, QLatin1Char('s')));
    EXPECT_EQ(objRow.ftp_proxy, QString(35, QLatin1Char('f')));
    EXPECT_EQ(objRow.proxy_user, QString(35, QLatin1Char('u')));
    EXPECT_EQ(objRow.proxy_password.size(), 30);
    EXPECT_EQ(objRow.dialup_name, QString(60, QLatin1Char('d')));
}

TEST_F(RWProxyServer, StoresTheBrowserChoiceTheHolderCarries) {
    // The internet page writes the row with the user's browser choice, then saves
    // the holder, which carries the same choice.
    const struct {
        bool bInRow, bInHolder;
    } arCases[] = {{true, true}, {false, true}, {true, false}};
    ASSERT_EQ(TclsRWProxyServer().fnstSaveToDB(TclsRWProxyServerData()), cstSuccess);
    for (const auto &rec : arCases) {
        SCOPED_TRACE(testing::Message() << "row " << rec.bInRow << ", holder " << rec.bInHolder);
        TclsInternetSettingData objRow = fnobjOnlyRow<TclsInternetSettingData>();
        objRow.use_browser_settings = rec.bInRow;
        ASSERT_EQ(fniUpdateRecord(objRow), 0);
        TclsRWProxyServerData objData = fnobjProxyData(QStringLiteral("b"), ctWithoutProxy);
        objData.bUseBrowserSettings = rec.bInHolder;
        ASSERT_EQ(TclsRWProxyServer().fnstSaveToDB(objData), cstSuccess);
        EXPECT_EQ(fnobjOnlyRow<TclsInternetSettingData>().use_browser_settings, rec.bInHolder);
    }
}

TEST_F(RWPickup, TheFirstRunInsertsTheRowLaterRunsUpdateIt) {
    const TclsRWPickupData objFirst = fnobjPickupData(
        {QStringLiteral("Reception"), QStringLiteral("Dock 1")}, 15, QTime(17, 30), QTime(9, 15));
    ASSERT_EQ(TclsRWPickup().fnstSaveToDB(objFirst), cstSuccess);
    TclsPickupData objInserted = fnobjOnlyRow<TclsPickupData>();
    pExpectStored(objInserted, objFirst);

    // Site registration stores the host's pickup address in the same row.
    objInserted.address1 = QStringLiteral("1 Quay Street");
    ASSERT_EQ(fniUpdateRecord(objInserted), 0);
    const TclsRWPickupData objSecond =
        fnobjPickupData({QStringLiteral("Gate")}, 40, QTime(18, 0), QTime(8, 45));
    ASSERT_EQ(TclsRWPickup().fnstSaveToDB(objSecond), cstSuccess);
    const TclsPickupData objUpdated = fnobjOnlyRow<TclsPickupData>();
    pExpectStored(objUpdated, objSecond);
    EXPECT_EQ(objUpdated.record_key, objInserted.record_key);
    EXPECT_EQ(objUpdated.address1, QStringLiteral("1 Quay Street")) << "the address is not ours";
}

TEST_F(RWPickup, TheDefaultLocationLeadsOnlyFilledOnesFollow) {
    const struct {
        QString stDefault;
        QStringList slFurther; // edtPickup1..4
        QStringList slExpected;
    } arCases[] = {
        {{}, {{}, {}, {}, {}}, {QString()}},
        {{}, {{}, QStringLiteral("Dock 2"), {}, {}}, {QString(), QStringLiteral("Dock 2")}},
        {QStringLiteral(" Reception "),
         {QStringLiteral("Dock 1"), QStringLiteral("  "), {}, QStringLiteral(" Gate ")},
         {QStringLiteral("Reception"), QStringLiteral("Dock 1"), QStringLiteral("Gate")}},
        {QStringLiteral("Reception"),
         {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")},
         {QStringLiteral("Reception"), QStringLiteral("A"), QStringLiteral("B"),
          QStringLiteral("C"), QStringLiteral("D")}},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.slExpected.join(QLatin1Char('|')).toStdString());
        const QStringList sl = fnslPickupLocations(rec.stDefault, rec.slFurther);
        EXPECT_EQ(sl, rec.slExpected);
        ASSERT_EQ(TclsRWPickup().fnstSaveToDB(fnobjPickupData(sl, 0, QTime(17, 0), QTime(9, 0))),
                  cstSuccess);
        // A list of one empty entry is stored as an empty text and reads back empty.
        EXPECT_EQ(fnobjOnlyRow<TclsPickupData>().pickup_locations.join(QLatin1Char('\n')),
                  rec.slExpected.join(QLatin1Char('\n')));
    }
}

namespace {
// The code the library gives the refused write itself, whatever it names it.
int fniRefusedWriteCode(const QString &stClassName, const QString &stStatement) {
    TobjarMVData objar;
    EXPECT_EQ(fniQueryRecords({{}}, objar, stClassName), 0);
    if (stStatement == QLatin1String("UPDATE"))
        return objar.empty() ? -1 : fniUpdateRecord(*objar.front());
    objar.clear();
    objar.push_back(fnobjCreateRecord(stClassName));
    return fniInsertRecord(objar);
}
} // namespace

TEST(RWProxyPickupFailures, AFailedWriteIsLoggedAsAFailedInsertAndGivesItsMessage) {
    const std::function<QString()> fnSaveInternet = [] {
        return TclsRWProxyServer().fnstSaveToDB(fnobjProxyData(QStringLiteral("f"), ctProxy));
    };
    const std::function<QString()> fnSavePickup = [] {
        return TclsRWPickup().fnstSaveToDB(fnobjPickupData({}, 0, QTime(17, 0), QTime(9, 0)));
    };
    const struct {
        const char *pchUnit, *pchClass, *pchTable, *pchSetUp, *pchLog;
        std::function<QString()> fnSave;
    } arCases[] = {
        {"unitRWProxyServer", "TclsInternetSettingDB", "internet_setting", "UPDATE",
         "Call to fniInsertRecord failed.", fnSaveInternet},
        {"unitRWProxyServer", "TclsInternetSettingDB", "internet_setting", "INSERT",
         "Call to fniInsertRecord failed.", fnSaveInternet},
        {"unitRWProxyServer", "TclsInternetSettingDB", "internet_setting", "DROP",
         "Call to fniQueryRecords failed", fnSaveInternet},
        {"unitRWPickupDetails", "TclsPickupDB", "pickup", "UPDATE",
         "Call to fniInsertRecord failed.", fnSavePickup},
        {"unitRWPickupDetails", "TclsPickupDB", "pickup", "INSERT",
         "Call to fniInsertRecord failed.", fnSavePickup},
        {"unitRWPickupDetails", "TclsPickupDB", "pickup", "DROP", "Call to fniQueryRecords failed",
         fnSavePickup},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(std::string(rec.pchTable) + " " + rec.pchSetUp);
        TrecInstallationOptions recOptions = fnrecTestOptions();
        recOptions.bLogging = true;
        const QString stTable = QString::fromLatin1(rec.pchTable);
        const QString stSetUp = QString::fromLatin1(rec.pchSetUp);
        const bool bDrop = stSetUp == QLatin1String("DROP");
        if (bDrop)
            recOptions.slDropTables = {stTable};
        TclsTestInstallation objInstallation(recOptions);
        ASSERT_INSTALLED(objInstallation);
        // An insert needs an empty table, an update the seeded row.
        if (stSetUp == QLatin1String("INSERT"))
            pExecute(QStringLiteral("DELETE FROM ") + stTable);
        if (!bDrop)
            pRefuseWrites(stTable, stSetUp);
        const int iCode = bDrop ? dbc::iConfigurationError
                                : fniRefusedWriteCode(QString::fromLatin1(rec.pchClass), stSetUp);
        ASSERT_NE(iCode, 0);
        EXPECT_EQ(rec.fnSave(), fnstGetDBErrorMessage(iCode));
        EXPECT_TRUE(fnstTodaysLog(objInstallation)
                        .contains(fnstLogLine(2, QString::fromLatin1(rec.pchUnit),
                                              QStringLiteral("fnstSaveToDB"),
                                              QString::fromLatin1(rec.pchLog))));
    }
}
