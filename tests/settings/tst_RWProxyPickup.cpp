// The internet and pickup saves: the single row of each table, created on the
// first run and updated on later ones, every field, widths and failures.
#include "tstSettingsHelpers.h"
#include "UnitMV5Records.h"
#include "UnitRWPickupDetails.h"
#include "unitRWProxyServer.h"

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
    EXPECT_EQ(
        QStringList({objRow.http_proxy, objRow.https_proxy, objRow.ftp_proxy, objRow.proxy_user,
                     objRow.dialup_name}),
        QStringList({objData.stHTTPProxyAddress.fnst(), objData.stHTTPSProxyAddress.fnst(),
                     objData.stFTPProxyAddress.fnst(), objData.stUserName, objData.stDialupName}));
    EXPECT_EQ(QList<int>({objRow.http_port, objRow.https_port, objRow.ftp_port}),
              QList<int>({objData.iHTTPPort, objData.iHTTPSPort, objData.iFTPPort}));
    EXPECT_EQ(objRow.ntlm, objData.bNTLM);
    EXPECT_EQ(objRow.use_credentials, objData.bUserNamePwdConfirmation);
    // Compared without printing: a password never reaches the test output.
    EXPECT_TRUE(objRow.proxy_password == objData.stPassword) << "stored proxy password differs";
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
    EXPECT_EQ(QList<int>({objRow.request_cutoff_margin, objRow.readyby_close_margin,
                          objRow.request_close_margin, objRow.readyby_cutoff_margin}),
              QList<int>({objData.iRequestCutOffMargin, objData.iReadyByCloseMargin,
                          objData.iRequestCloseMargin, objData.iReadyByCutOffMargin}));
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

TEST_F(RWProxyServer, TheFirstRunInsertsTheRowLaterRunsUpdateItCutToItsColumns) {
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

    TclsRWProxyServerData objLong = objFirst;
    objLong.stHTTPSProxyAddress = QString(36, QLatin1Char('s'));
    objLong.stUserName = QString(36, QLatin1Char('u'));
    objLong.stPassword = QString(31, QLatin1Char('p'));
    objLong.stDialupName = QString(61, QLatin1Char('d'));
    ASSERT_EQ(TclsRWProxyServer().fnstSaveToDB(objLong), cstSuccess);
    const TclsInternetSettingData objRow = fnobjOnlyRow<TclsInternetSettingData>();
    EXPECT_EQ(objRow.https_proxy, QString(35, QLatin1Char('s')));
    EXPECT_EQ(objRow.proxy_user, QString(35, QLatin1Char('u')));
    EXPECT_EQ(objRow.proxy_password.size(), 30);
    EXPECT_EQ(objRow.dialup_name, QString(60, QLatin1Char('d')));
}

// The internet page writes the row with the user's browser choice, then saves
// the holder, which carries the same choice.
TEST_F(RWProxyServer, StoresTheBrowserChoiceTheHolderCarries) {
    ASSERT_EQ(TclsRWProxyServer().fnstSaveToDB(TclsRWProxyServerData()), cstSuccess);
    for (const bool bInHolder : {true, false}) {
        TclsInternetSettingData objRow = fnobjOnlyRow<TclsInternetSettingData>();
        objRow.use_browser_settings = !bInHolder;
        ASSERT_EQ(fniUpdateRecord(objRow), 0);
        TclsRWProxyServerData objData = fnobjProxyData(QStringLiteral("b"), ctWithoutProxy);
        objData.bUseBrowserSettings = bInHolder;
        ASSERT_EQ(TclsRWProxyServer().fnstSaveToDB(objData), cstSuccess);
        EXPECT_EQ(fnobjOnlyRow<TclsInternetSettingData>().use_browser_settings, bInHolder);
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

TEST(RWProxyPickupFailures, AFailedWriteGivesItsMessage) {
    const struct {
        const char *pchTable, *pchSetUp; // the write a trigger refuses, or DROP
    } arCases[] = {{"internet_setting", "UPDATE"}, {"pickup", "INSERT"}, {"pickup", "DROP"}};
    for (const auto &rec : arCases) {
        SCOPED_TRACE(std::string(rec.pchTable) + " " + rec.pchSetUp);
        const QString stTable = QString::fromLatin1(rec.pchTable);
        const QString stSetUp = QString::fromLatin1(rec.pchSetUp);
        TrecInstallationOptions recOptions = fnrecTestOptions();
        if (stSetUp == QLatin1String("DROP"))
            recOptions.slDropTables = {stTable};
        TclsTestInstallation objInstallation(recOptions);
        ASSERT_INSTALLED(objInstallation);
        // An insert needs an empty table, an update the seeded row.
        if (stSetUp == QLatin1String("INSERT"))
            pExecute(QStringLiteral("DELETE FROM ") + stTable);
        ASSERT_TRUE(stSetUp == QLatin1String("DROP") ||
                    fniRefuseWrites(stTable, stSetUp, TRefusal::MissingTable) == 0);
        const QString stResult =
            stTable == QLatin1String("pickup")
                ? TclsRWPickup().fnstSaveToDB(fnobjPickupData({}, 0, QTime(17, 0), QTime(9, 0)))
                : TclsRWProxyServer().fnstSaveToDB(fnobjProxyData(QStringLiteral("f"), ctProxy));
        EXPECT_EQ(stResult, fnstGetDBErrorMessage(9));
    }
}
