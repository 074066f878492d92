// The settings objects of the communication, SFTP, e-mail, internet, pickup,
// password and allocation pages: their checks and their saves.
#include "tstSettingsHelpers.h"
#include "UnitLockHolder.h"
#include "UnitMV5Records.h"
#include "unitRWApplSecurity.h"
#include "UnitRWAWBLPAlloc.h"
#include "unitRWCommSetting.h"
#include "unitRWCommSettingData.h"
#include "unitRWEmailSetting.h"
#include "unitRWEmailSettingData.h"
#include "unitRWFTPSetting.h"
#include "unitRWFTPSettingData.h"
#include "UnitRWPickupDetails.h"
#include "unitRWProxyServer.h"

#include <functional>

namespace {
// "result: control|message ...", after an earlier page's entry the check must drop.
template <class TSetting, class TData>
std::string fnstCheck(TData obj, const std::function<void(TData &)> &fnChange) {
    fnChange(obj);
    TrecarErrorList ar = {{QStringLiteral("edtSenderCode"), QStringLiteral("Earlier."), 0, 0}};
    QString st = TSetting().fnstValidate(obj, ar) + QLatin1Char(':');
    for (const auto &rec : ar)
        st += QLatin1Char(' ') + rec.stControlName + QLatin1Char('|') + rec.stMessage;
    return st.toStdString();
}

TclsRWCommSettingData fnobjValidComm() {
    TclsRWCommSettingData obj;
    obj.stGatewayIATA = QStringLiteral("SYD");
    return obj;
}

std::string fnstCheckComm(const std::function<void(TclsRWCommSettingData &)> &fnChange) {
    return fnstCheck<TclsRWCommSetting>(fnobjValidComm(), fnChange);
}

void pUse(TclsRWCommSettingData &obj, TCommService e, const char *pchMode,
          const char *pchPhone = "", const char *pchServer = "", const char *pchPort = "") {
    obj.arServices[e] = {true,      QString::fromLatin1(pchMode),   QString::fromLatin1(pchPhone),
                         QString(), QString::fromLatin1(pchServer), QString::fromLatin1(pchPort)};
}

TclsRWFTPSettingData fnobjValidFTP() {
    TclsRWFTPSettingData obj;
    obj.bFTPInUse = true;
    obj.stHost = QStringLiteral("sftp.example.com");
    obj.stPort = QStringLiteral(" 2222 ");
    obj.stUserId = QStringLiteral("site01");
    obj.stPassword = QStringLiteral("not-a-real-one");
    obj.stBuildDirPath = QStringLiteral("/manifests/build");
    obj.stWorkDirPath = QStringLiteral("/manifests/work");
    obj.iManifestMode = 1;
    return obj;
}

TclsRWEmailSettingData fnobjValidEmail() {
    TclsRWEmailSettingData obj;
    obj.bEmailInUse = true;
    obj.stHost = QStringLiteral("smtp.example.com");
    obj.stPort = QStringLiteral("587");
    obj.stUserId = QStringLiteral("site01@example.com");
    return obj; // no password needed
}
} // namespace

TEST(RWSettingsChecks, CommunicationPage) {
    using D = TclsRWCommSettingData;
    EXPECT_EQ(fnstCheckComm([](D &) {}), "success:");
    // Not in use, Software Upgrade, RUZ, a phone of HTTPS, an address without its box: not
    // examined.
    EXPECT_EQ(fnstCheckComm([](D &o) {
                  pUse(o, csSiteRegistration, "MODEM", "+61 (2) 9999-8888,,*1#");
                  o.arServices[csSiteRegistration].stSecondaryPhone = "9W0299998888pt";
                  pUse(o, csTracking, "HTTPS", "not;a;number", "host", "443");
                  pUse(o, csSchedulePickup, "HTTP");
                  o.arServices[csSchedulePickup].bInUse = false;
                  pUse(o, csSoftwareUpgrade, "MODEM");
                  pUse(o, csShipmentNotificationViaRUZ, "MODEM AND HTTPS");
                  o.stEODEmailAddress = QStringLiteral("not an address");
              }),
              "success:");
    EXPECT_EQ(fnstCheckComm([](D &o) {
                  pUse(o, csTracking, "MODEM", "0299998888\rATH");
                  o.arServices[csTracking].stSecondaryPhone = QStringLiteral("0299;");
              }),
              "unsuccess: stgCSServiceSettings|Primary Phone for Tracking service may hold only "
              "the characters 0-9 + - ( ) , * # W P T. stgCSServiceSettings|Secondary Phone for "
              "Tracking service may hold only the characters 0-9 + - ( ) , * # W P T.");
    EXPECT_EQ(fnstCheckComm([](D &o) {
                  pUse(o, csSiteRegistration, "HTTP");
                  pUse(o, csAutomaticLPNumberAllocation, "HTTPS", "", "host", " ");
              }),
              "unsuccess: stgCSServiceSettings|HTTP Server for Site Registration service cannot "
              "be blank. stgCSServiceSettings|HTTP Port for automatic LP number allocation "
              "service cannot be blank.");
    EXPECT_EQ(fnstCheckComm([](D &o) {
                  o.bEODViaEmail = o.bReturnViaEmail = true;
                  o.stEODEmailAddress = QStringLiteral("eod@abc");
                  o.stReturnEmailAddress = QStringLiteral("returns..desk@example.com");
              }),
              "unsuccess: edtCSEODviaEmailAddress|End of day via Email is not a valid email "
              "address. edtTPPviaEmailAddress|Return Shipment via Email is not a valid email "
              "address.");
    EXPECT_EQ(fnstCheckComm([](D &o) {
                  pUse(o, csTracking, "MODEM");
                  o.bEODViaEmail = true;
                  o.stGatewayIATA.clear();
              }),
              "unsuccess: stgCSServiceSettings|Primary Phone for Tracking service cannot be blank. "
              "edtCSEODviaEmailAddress|End of day via Email cannot be blank. "
              "edtGatewayiata|Gateway IATA  can not be blank.");
}

TEST(RWSettingsChecks, SFTPAndEmailPages) {
    using F = TclsRWFTPSettingData;
    const auto fnstFTP = [](const std::function<void(F &)> &fn) {
        return fnstCheck<TclsRWFTPSetting>(fnobjValidFTP(), fn);
    };
    EXPECT_EQ(fnstFTP([](F &) {}), "success:");
    EXPECT_EQ(fnstFTP([](F &o) { o.stPort = QStringLiteral("0"); }),
              "unsuccess: edtFTPPort|Port cannot be zero.");
    EXPECT_EQ(fnstFTP([](F &o) {
                  o.stPort = QStringLiteral("21.5");
                  o.stUserId.clear();
                  o.stWorkDirPath = QStringLiteral("  ");
              }),
              "unsuccess: edtFTPPort|Port must be a whole number. edtFTPUserId|User Id cannot be "
              "blank. edtFTPWorkDirPath|Work Directory Path cannot be blank.");

    using E = TclsRWEmailSettingData;
    const auto fnstEmail = [](const std::function<void(E &)> &fn) {
        return fnstCheck<TclsRWEmailSetting>(fnobjValidEmail(), fn);
    };
    EXPECT_EQ(fnstEmail([](E &) {}), "success:");
    EXPECT_EQ(
        fnstEmail([](E &o) { o.stHost = o.stPort = QStringLiteral("  "); }),
        "unsuccess: edtEmailHost|Outgoing Mail Server cannot be blank. edtEmailPort|Port(SMTP) "
        "cannot be blank.");
}

namespace {
// Configuration rows last written by someone else, so a save's own mark shows.
class RWSettings : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation{fnrecLogging()};
    void SetUp() override {
        ASSERT_INSTALLED(objInstallation);
        for (const char *pchTable : {"comm_service_settings", "config_zorv", "config_morvane"})
            pExecute(QStringLiteral("UPDATE %1 SET changed_by = 'ADMIN'").arg(pchTable));
    }
    static TrecInstallationOptions fnrecLogging() {
        TrecInstallationOptions rec = fnrecTestOptions();
        rec.bLogging = true;
        return rec;
    }
};

} // namespace

// Another service's row is left alone, a name in other letters is the same service.
TEST_F(RWSettings, EveryServiceRowGetsItsBlockAndOnlyThose) {
    pExecute(
        QStringLiteral("INSERT INTO comm_service_settings (service_name, http_server, "
                       "changed_by) VALUES ('Label Printing', 'labels.example.com', 'ADMIN')"));
    pExecute(QStringLiteral("UPDATE comm_service_settings SET service_name = 'TRACKING' WHERE "
                            "service_name = 'Tracking'"));
    TclsRWCommSettingData obj = fnobjValidComm();
    QStringList slExpected = {"Label Printing|0||||labels.example.com|0|ADMIN"};
    for (int i = 0; i < csServiceCount; ++i) {
        const QString st = QString::number(i);
        auto &b = obj.arServices[i];
        b = {i % 2 == 0, i % 3 == 0 ? "MODEM AND HTTPS" : "HTTP", st, "+61" + st, "s" + st,
             "8" + st};
        const int iPort = i == csTracking ? 0 : i == csSchedulePickup ? 9443 : b.stHTTPPort.toInt();
        slExpected << QStringList({fnarCommServiceNames()[i], QString::number(b.bInUse), b.stMode,
                                   st, "+61" + st, "s" + st, QString::number(iPort), "DEFAULT"})
                          .join('|');
    }
    obj.arServices[csTracking].stHTTPPort = QStringLiteral("abc");
    obj.arServices[csSchedulePickup].stHTTPPort = QStringLiteral(" 9443 ");
    for (int iSave = 0; iSave < 2; ++iSave)
        ASSERT_EQ(TclsRWCommSetting().fnstSaveToDB(obj), cstSuccess);
    QStringList slRows;
    for (const auto &r : fnarRows<TclsCommServiceSettingsData>())
        slRows << QStringList({r.service_name, QString::number(r.in_use), r.mode, r.primary_phone,
                               r.secondary_phone, r.http_server, QString::number(r.http_port),
                               r.changed_by})
                      .join('|');
    slRows.sort();
    slExpected.sort();
    EXPECT_EQ(slRows, slExpected);
}

TEST_F(RWSettings, TheConfigurationRowsGetTheCommunicationPageOptions) {
    for (const bool bEODByEmail : {true, false}) {
        TclsRWCommSettingData obj = fnobjValidComm();
        obj.iNoOfRetries = 4;
        obj.bEODViaFTP = true;
        obj.bEODViaEmail = bEODByEmail;
        obj.stEODEmailAddress = QString(90, u'e') + QStringLiteral("@example.com");
        obj.stGatewayIATA = QStringLiteral("MELX");
        obj.stModemName = QStringLiteral("Modem ") + QString(70, u'm');
        obj.bReturnViaEmail = !bEODByEmail;
        obj.stReturnEmailAddress = QString(110, u'r') + QStringLiteral("@example.com");
        ASSERT_EQ(TclsRWCommSetting().fnstSaveToDB(obj), cstSuccess);

        const TclsConfigZorvData z = fnarRows<TclsConfigZorvData>().at(0);
        const TclsConfigMorvaneData m = fnarRows<TclsConfigMorvaneData>().at(0);
        EXPECT_EQ(QVariantList({z.no_of_retries, z.eod_via_ftp, z.eod_via_email,
                                z.eod_email_address, z.gateway_iata, z.Modem_Name, z.changed_by,
                                m.return_via_email, m.return_email_address, m.changed_by}),
                  QVariantList({4, true, bEODByEmail, obj.stEODEmailAddress.left(80), "MEL",
                                obj.stModemName.left(60), "DEFAULT", !bEODByEmail,
                                obj.stReturnEmailAddress.left(100), "DEFAULT"}));
    }
}

namespace {
struct TrecPageSave {
    const char *pchTable, *pchClass, *pchHostColumn;
    QString (*fnstSave)(const QString &stHost); // a valid page with that host
};
const TrecPageSave arPageSaves[] = {
    {"config_zorv", "TclsConfigZorvDB", "ftp_host",
     [](const QString &stHost) {
         TclsRWFTPSettingData obj = fnobjValidFTP();
         obj.stHost = stHost;
         return TclsRWFTPSetting().fnstSaveToDB(obj);
     }},
    {"config_morvane", "TclsConfigMorvaneDB", "smtp_host",
     [](const QString &stHost) {
         TclsRWEmailSettingData obj = fnobjValidEmail();
         obj.stHost = stHost;
         return TclsRWEmailSetting().fnstSaveToDB(obj);
     }},
};
} // namespace

// The workstation that locked the row first keeps its values; the save leaves the row free.
TEST_F(RWSettings, ARowBeingSavedByAnotherWorkstationKeepsThatWorkstationsValues) {
    for (const TrecPageSave &rec : arPageSaves) {
        SCOPED_TRACE(rec.pchTable);
        const QString stClass = QLatin1String(rec.pchClass);
        const QString stSelect = QStringLiteral("SELECT %1 || '/' || changed_by FROM %2")
                                     .arg(rec.pchHostColumn, rec.pchTable);
        const QString stKey = fnstScalar(QStringLiteral("SELECT record_key FROM ") + rec.pchTable);
        ASSERT_FALSE(stKey.isEmpty());
        {
            TclsLockHolder objFirst({QStringLiteral("save"), stClass, stKey,
                                     QLatin1String(rec.pchHostColumn),
                                     QStringLiteral("first.example.com")});
            ASSERT_EQ(objFirst.fnstAnswer(), QStringLiteral("locked"));
            EXPECT_EQ(rec.fnstSave(QStringLiteral("second.example.com")),
                      fnstGetDBErrorMessage(12));
            EXPECT_EQ(fnstScalar(stSelect), QStringLiteral("first.example.com/ADMIN"));
            EXPECT_EQ(fnstIntegrityCheck(), QStringLiteral("ok"));
        }
        EXPECT_EQ(rec.fnstSave(QStringLiteral("new.example.com")), cstSuccess);
        EXPECT_EQ(fnstScalar(stSelect), QStringLiteral("new.example.com/DEFAULT"));
        TclsLockHolder objNext({QStringLiteral("record"), stClass, stKey});
        EXPECT_EQ(objNext.fnstAnswer(), QStringLiteral("locked"));
    }
}

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

TclsInternetSettingData fnobjSaveProxy(const TclsRWProxyServerData &objData) {
    EXPECT_EQ(TclsRWProxyServer().fnstSaveToDB(objData), cstSuccess);
    const std::vector<TclsInternetSettingData> ar = fnarRows<TclsInternetSettingData>();
    EXPECT_EQ(ar.size(), 1u);
    const TclsInternetSettingData r = ar.empty() ? TclsInternetSettingData() : ar.front();
    const TclsRWProxyServerData &d = objData;
    EXPECT_EQ(QVariantList({r.connection_type, r.use_browser_settings, r.http_proxy, r.https_proxy,
                            r.ftp_proxy, r.proxy_user, r.dialup_name, r.http_port, r.https_port,
                            r.ftp_port, r.ntlm, r.use_credentials}),
              QVariantList({d.iConnectionType, d.bUseBrowserSettings, d.stHTTPProxyAddress.fnst(),
                            d.stHTTPSProxyAddress.fnst(), d.stFTPProxyAddress.fnst(),
                            d.stUserName.left(35), d.stDialupName.left(60), d.iHTTPPort,
                            d.iHTTPSPort, d.iFTPPort, d.bNTLM, d.bUserNamePwdConfirmation}));
    // Compared without printing: a password never reaches the test output.
    EXPECT_TRUE(r.proxy_password == d.stPassword.left(30)) << "proxy password differs";
    return r;
}

TclsRWPickupData fnobjPickupData(const QStringList &slLocations, int iMargin) {
    TclsRWPickupData obj;
    obj.slPickupLocations = slLocations;
    obj.iRequestCutOffMargin = iMargin;
    obj.iReadyByCloseMargin = iMargin + 1;
    obj.iRequestCloseMargin = iMargin + 2;
    obj.iReadyByCutOffMargin = iMargin + 3;
    obj.tmDefaultCloseTime = QTime(17, iMargin);
    obj.tmDefaultReadyByTime = QTime(9, iMargin);
    return obj;
}
} // namespace

// Inserted, then updated; dial-up keeps the proxy fields for when the user switches back.
TEST_F(RWSettings, TheInternetRowIsInsertedThenUpdated) {
    pExecute(QStringLiteral("DELETE FROM internet_setting"));
    const qint32 iKey = fnobjSaveProxy(fnobjProxyData(QStringLiteral("first"), ctProxy)).record_key;
    EXPECT_EQ(fnobjSaveProxy(fnobjProxyData(QStringLiteral("second"), ctDialUp)).record_key, iKey);
}

// The default location leads, only filled ones follow; an update leaves the host's address.
TEST_F(RWSettings, ThePickupRowIsInsertedThenUpdated) {
    pExecute(QStringLiteral("DELETE FROM pickup"));
    const struct {
        QString stDefault;
        QStringList slFurther; // edtPickup1..4
        QStringList slExpected;
    } arCases[] = {
        {QStringLiteral(" Reception "),
         {QStringLiteral("Dock 1"), QStringLiteral("  "), {}, QStringLiteral(" Gate ")},
         {QStringLiteral("Reception"), QStringLiteral("Dock 1"), QStringLiteral("Gate")}},
        {{}, {{}, {}, {}, {}}, {QString()}},
        {{}, {{}, QStringLiteral("Dock 2"), {}, {}}, {QString(), QStringLiteral("Dock 2")}},
    };
    TclsPickupData objInserted;
    for (const auto &rec : arCases) {
        const int iMargin = int(&rec - arCases) * 10 + 5;
        const QStringList sl = fnslPickupLocations(rec.stDefault, rec.slFurther);
        EXPECT_EQ(sl, rec.slExpected);
        ASSERT_EQ(TclsRWPickup().fnstSaveToDB(fnobjPickupData(sl, iMargin)), cstSuccess);
        const std::vector<TclsPickupData> arRows = fnarRows<TclsPickupData>();
        ASSERT_EQ(arRows.size(), 1u);
        const TclsPickupData &objRow = arRows[0];
        EXPECT_EQ(QVariantList({objRow.pickup_locations.join(u'|'), objRow.request_cutoff_margin,
                                objRow.readyby_close_margin, objRow.request_close_margin,
                                objRow.readyby_cutoff_margin, objRow.default_close_time,
                                objRow.default_readyby_time}),
                  QVariantList({rec.slExpected.join(u'|'), iMargin, iMargin + 1, iMargin + 2,
                                iMargin + 3, QTime(17, iMargin), QTime(9, iMargin)}));
        if (objInserted.record_key == 0) {
            objInserted = objRow;
            objInserted.address1 = QStringLiteral("1 Quay Street");
            ASSERT_EQ(fniUpdateRecord(objInserted), 0);
            continue;
        }
        EXPECT_EQ(objRow.record_key, objInserted.record_key);
        EXPECT_EQ(objRow.address1, objInserted.address1) << "the address is not ours";
    }
}

namespace {
TclsUsersData fnobjUser(const char *pchId = "'DEFAULT'") {
    const std::vector<TclsUsersData> ar =
        fnarRows<TclsUsersData>({{QStringLiteral("user_id"), QLatin1String(pchId)}});
    EXPECT_EQ(ar.size(), 1u);
    return ar.empty() ? TclsUsersData() : ar.front();
}

void pSetDefaultUser(const QString &stPassword, bool bPasswordSet) {
    TclsUsersData objUser = fnobjUser();
    objUser.password = stPassword;
    objUser.password_set = bPasswordSet;
    ASSERT_EQ(fniUpdateRecord(objUser), 0);
}

QString fnstSavePassword(const QString &stPassword) {
    TclsRWApplSecurityData objData;
    objData.bPasswordRequired = !stPassword.isEmpty();
    objData.stPassword = stPassword;
    return TclsRWApplSecurity().fnstSaveToDB(objData);
}
} // namespace

// No password leaves the flag as it was; the password never reaches the log.
TEST_F(RWSettings, StoresThePasswordAndSetsTheFlagOnlyForAPassword) {
    const QString stLong = QStringLiteral("Zq8-unlikely-text") + QString(300, QLatin1Char('p'));
    const struct {
        bool bOldFlag;
        QString stPassword, stStored;
    } arCases[] = {{true, {}, {}}, {false, {}, {}}, {false, stLong, stLong.left(255)}};
    for (const auto &rec : arCases) {
        pSetDefaultUser(QStringLiteral("Old1"), rec.bOldFlag);
        EXPECT_EQ(fnstSavePassword(rec.stPassword), cstSuccess);
        const TclsUsersData objUser = fnobjUser();
        // Compared without printing: a password never reaches the test output.
        EXPECT_TRUE(objUser.password == rec.stStored) << "stored password differs";
        EXPECT_EQ(objUser.password_set, rec.bOldFlag || !rec.stPassword.isEmpty());
        EXPECT_EQ(objUser.changed_by, QStringLiteral("DEFAULT"));
    }
    EXPECT_TRUE(fnobjUser("'ADMIN'").changed_by.isEmpty()) << "only the DEFAULT user is written";
    const QString stLog = fnstTodaysLog(objInstallation);
    EXPECT_FALSE(stLog.contains(QStringLiteral("Zq8-unlikely-text"))) << "the password is logged";
}

TEST_F(RWSettings, ADefaultUserLockedByAnotherWorkstationIsLeftAlone) {
    pSetDefaultUser(QStringLiteral("Old1"), false);
    const QString stKey = QString::number(fnobjUser().record_key);
    {
        TclsLockHolder objHolder({QStringLiteral("record"), QStringLiteral("TclsUsersDB"), stKey});
        ASSERT_EQ(objHolder.fnstAnswer(), QStringLiteral("locked"));
        EXPECT_EQ(fnstSavePassword(QStringLiteral("New2")), fnstGetDBErrorMessage(12));
        const TclsUsersData objUser = fnobjUser();
        EXPECT_TRUE(objUser.password == QStringLiteral("Old1")) << "the row was updated";
        EXPECT_FALSE(objUser.password_set);
    }
    EXPECT_EQ(fnstSavePassword(QStringLiteral("New2")), cstSuccess) << "the other one has gone";
    TclsLockHolder objLater({QStringLiteral("record"), QStringLiteral("TclsUsersDB"), stKey});
    EXPECT_EQ(objLater.fnstAnswer(), QStringLiteral("locked")) << "the save unlocked its row";
}

namespace {
// Both allocation saves' results, then the quantities stored in both tables.
QString fnstSaveQuantities(const QString &stQuantity) {
    TclsRWAWBLPAllocData objData;
    objData.stShipmentNoQty = objData.stLPNoQty = stQuantity;
    QStringList sl = {TclsRWAWBLPAlloc().fnstSaveShipmentNoAlloc(objData),
                      TclsRWAWBLPAlloc().fnstSaveLPNoAlloc(objData)};
    for (const TclsShipmentNumberData &objRow : fnarRows<TclsShipmentNumberData>())
        sl << QString::number(objRow.allocation_qty);
    for (const TclsZorvLpData &objRow : fnarRows<TclsZorvLpData>())
        sl << QString::number(objRow.allocation_qty);
    return sl.join(QLatin1Char(' '));
}
} // namespace

TEST_F(RWSettings, AFreshDatabaseGetsOneAllocationRowInEachTableLaterRunsUpdateThem) {
    const QString stRefused =
        QStringLiteral("The requested quantity of numbers is not a positive whole number.");
    EXPECT_EQ(fnstSaveQuantities(QStringLiteral("abc")), stRefused + " " + stRefused)
        << "refused on an empty table: no row is created either";
    ASSERT_EQ(fnstSaveQuantities(QStringLiteral(" 2500 ")), "success success 2500 2500");
    const TclsZorvLpData objLP = fnarRows<TclsZorvLpData>().at(0);
    EXPECT_EQ(objLP.lp_status + objLP.lp_source + objLP.changed_by, QStringLiteral("JJDEFAULT"));
    // Site registration has since stored what the host said in the LP row.
    TclsZorvLpData objRegistered = objLP;
    objRegistered.lp_status = QStringLiteral("0");
    ASSERT_EQ(fniUpdateRecord(objRegistered), 0);
    for (const char *pchQuantity : {"0", "2.5", "99999999999", ""})
        EXPECT_EQ(fnstSaveQuantities(QLatin1String(pchQuantity)),
                  stRefused + " " + stRefused + " 2500 2500")
            << pchQuantity;
    ASSERT_EQ(fnstSaveQuantities(QStringLiteral("1000000")), "success success 1000000 1000000");
    const TclsZorvLpData objAgain = fnarRows<TclsZorvLpData>().at(0);
    EXPECT_EQ(objAgain.record_key, objLP.record_key);
    EXPECT_EQ(objAgain.lp_status, QStringLiteral("0")) << "an existing row keeps its codes";
}

// A refused write, a missing table or row: the save answers with the code's message.
TEST(RWSettingsFailures, AFailedWriteGivesItsMessage) {
    const std::function<QString()> fnstLP = [] {
        TclsRWAWBLPAllocData objData;
        objData.stShipmentNoQty = objData.stLPNoQty = QStringLiteral("10");
        return TclsRWAWBLPAlloc().fnstSaveLPNoAlloc(objData);
    };
    const std::function<QString()> fnstInternet = [] {
        return TclsRWProxyServer().fnstSaveToDB(fnobjProxyData(QStringLiteral("f"), ctProxy));
    };
    const std::function<QString()> fnstPickup = [] {
        return TclsRWPickup().fnstSaveToDB(fnobjPickupData({}, 0));
    };
    const std::function<QString()> fnstPassword = [] {
        return fnstSavePassword(QStringLiteral("Secret7"));
    };
    const std::function<QString()> fnstComm = [] {
        return TclsRWCommSetting().fnstSaveToDB(fnobjValidComm());
    };
    const auto fnstHost = [](int i) {
        return [i] { return arPageSaves[i].fnstSave(QStringLiteral("new.example.com")); };
    };
    const QString stConfiguration = fnstGetDBErrorMessage(9);
    const struct {
        const char *pchTable, *pchSetUp; // a write a trigger refuses, DROP, EMPTY or NODEFAULT
        std::function<QString()> fnstSave;
        QString stExpected;
    } arCases[] = {
        {"internet_setting", "UPDATE", fnstInternet, stConfiguration},
        {"pickup", "INSERT", fnstPickup, stConfiguration},
        {"users", "NODEFAULT", fnstPassword, QStringLiteral("0")},
        {"zorv_lp", "DROP", fnstLP, stConfiguration},
        {"comm_service_settings", "DROP", fnstComm, stConfiguration},
        {"config_zorv", "EMPTY", fnstHost(0), QStringLiteral("0")},
        {"config_morvane", "EMPTY", fnstHost(1), QStringLiteral("0")},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(std::string(rec.pchTable) + " " + rec.pchSetUp);
        const QString stTable = QString::fromLatin1(rec.pchTable);
        const QString stSetUp = QString::fromLatin1(rec.pchSetUp);
        TrecInstallationOptions recOptions = fnrecTestOptions();
        if (stSetUp == QLatin1String("DROP"))
            recOptions.slDropTables = {stTable};
        recOptions.recSeed.bDefaultUser = stSetUp != QLatin1String("NODEFAULT");
        TclsTestInstallation objInstallation(recOptions);
        ASSERT_INSTALLED(objInstallation);
        const bool bEmpty = stSetUp == QLatin1String("INSERT") || stSetUp == QLatin1String("EMPTY");
        if (bEmpty)
            pExecute(QStringLiteral("DELETE FROM ") + stTable);
        ASSERT_TRUE((stSetUp != QLatin1String("UPDATE") && stSetUp != QLatin1String("INSERT")) ||
                    fniRefuseWrites(stTable, stSetUp, TRefusal::MissingTable) == 0);
        EXPECT_EQ(rec.fnstSave(), rec.stExpected);
        if (bEmpty) {
            EXPECT_EQ(fnstScalar(QStringLiteral("SELECT count(*) FROM ") + stTable), "0");
        }
    }
}
