// The communication page's checks (which services are examined, in which
// order, with which texts) and its save into the service rows and the two
// configuration rows of a real installation.
#include "unitRWCommSetting.h"
#include "unitRWCommSettingData.h"
#include "unitRWFTPSettingData.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitMV5Records.h"
#include "UnitTestInstallation.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {
using TEntries = std::vector<std::pair<QString, QString>>; // control, message

const QString cstGrid = QStringLiteral("stgCSServiceSettings");

TEntries fnarEntries(const TrecarErrorList &ar) {
    TEntries arEntries;
    for (const auto &rec : ar)
        arEntries.emplace_back(rec.stControlName, rec.stMessage);
    return arEntries;
}

// A page that passes: every service off, a gateway airport.
TclsRWCommSettingData fnobjValidPage() {
    TclsRWCommSettingData obj;
    obj.stGatewayIATA = QStringLiteral("SYD");
    return obj;
}

void pUse(TclsRWCommSettingData &obj, TCommService e, const char *pchMode,
          const char *pchPhone = "", const char *pchServer = "", const char *pchPort = "") {
    obj.arServices[e] = {true,      QString::fromLatin1(pchMode),   QString::fromLatin1(pchPhone),
                         QString(), QString::fromLatin1(pchServer), QString::fromLatin1(pchPort)};
}

QString fnstNotDialled(const char *pchWhich, const char *pchWord) {
    return QStringLiteral("%1 Phone for %2 service may hold only the characters "
                          "0-9 + - ( ) , * # W P T.")
        .arg(QLatin1String(pchWhich), QLatin1String(pchWord));
}

QString fnstPhoneBlank(const char *pchWord) {
    return QStringLiteral("Primary Phone for %1 service cannot be blank.").arg(pchWord);
}
} // namespace

TEST(RWCommSetting, ValidationRules) {
    const struct {
        const char *pchCase;
        std::function<void(TclsRWCommSettingData &)> fnChange;
        TEntries arExpected;
    } arCases[] = {
        {"every service off", [](auto &) {}, {}},
        {"modem and HTTPS needs only the phone",
         [](auto &o) { pUse(o, csTracking, "MODEM AND HTTPS", "0299998888"); },
         {}},
        {"modem and HTTPS without phone",
         [](auto &o) { pUse(o, csTracking, "MODEM AND HTTPS", "", "host", "80"); },
         {{cstGrid, fnstPhoneBlank("Tracking")}}},
        {"modem with a phone of blanks",
         [](auto &o) { pUse(o, csSiteRegistration, "MODEM", "   "); },
         {{cstGrid, fnstPhoneBlank("Site Registration")}}},
        {"every character a modem dials",
         [](auto &o) {
             pUse(o, csSiteRegistration, "MODEM", "+61 (2) 9999-8888,,*1#");
             o.arServices[csSiteRegistration].stSecondaryPhone = QStringLiteral("9W0299998888pt");
         },
         {}},
        {"a command after a carriage return, and a semicolon",
         [](auto &o) {
             pUse(o, csTracking, "MODEM", "0299998888\rATH");
             o.arServices[csTracking].stSecondaryPhone = QStringLiteral("0299;");
         },
         {{cstGrid, fnstNotDialled("Primary", "Tracking")},
          {cstGrid, fnstNotDialled("Secondary", "Tracking")}}},
        {"a blank primary and a lettered secondary, by modem and HTTPS",
         [](auto &o) {
             pUse(o, csSchedulePickup, "MODEM AND HTTPS");
             o.arServices[csSchedulePickup].stSecondaryPhone = QStringLiteral("CALLME");
         },
         {{cstGrid, fnstPhoneBlank("Pickup")}, {cstGrid, fnstNotDialled("Secondary", "Pickup")}}},
        {"the numbers of an HTTP service are not dialled",
         [](auto &o) { pUse(o, csTracking, "HTTPS", "not;a;number", "host", "443"); },
         {}},
        {"HTTP with neither server nor port gives the server only",
         [](auto &o) { pUse(o, csSiteRegistration, "HTTP"); },
         {{cstGrid, QStringLiteral("HTTP Server for Site Registration service cannot be blank.")}}},
        {"HTTPS with a server but no port",
         [](auto &o) { pUse(o, csAutomaticLPNumberAllocation, "HTTPS", "", "host", " "); },
         {{cstGrid, QStringLiteral(
                        "HTTP Port for automatic LP number allocation service cannot be blank.")}}},
        {"HTTP with server and port",
         [](auto &o) { pUse(o, csTracking, "HTTP", "", "h", "80"); },
         {}},
        {"a mode the page does not offer", [](auto &o) { pUse(o, csTracking, "FAX"); }, {}},
        {"a service not in use is never examined",
         [](auto &o) {
             pUse(o, csSiteRegistration, "HTTP");
             o.arServices[csSiteRegistration].bInUse = false;
         },
         {}},
        {"Software Upgrade and PLT are never examined",
         [](auto &o) {
             pUse(o, csSoftwareUpgrade, "MODEM");
             pUse(o, csPaperlessTrade, "HTTPS");
         },
         {}},
        {"RUZ in modem and HTTPS is not examined",
         [](auto &o) { pUse(o, csShipmentNotificationViaRUZ, "MODEM AND HTTPS"); },
         {}},
        {"RUZ by modem is",
         [](auto &o) { pUse(o, csShipmentNotificationViaRUZ, "MODEM"); },
         {{cstGrid, fnstPhoneBlank("Shipment Notification Via RUZ")}}},
        {"EOD by e-mail without address",
         [](auto &o) { o.bEODViaEmail = true; },
         {{QStringLiteral("edtCSEODviaEmailAddress"),
           QStringLiteral("End of day via Email cannot be blank.")}}},
        {"EOD by e-mail to a bad address",
         [](auto &o) {
             o.bEODViaEmail = true;
             o.stEODEmailAddress = QStringLiteral("eod@abc");
         },
         {{QStringLiteral("edtCSEODviaEmailAddress"),
           QStringLiteral("End of day via Email is not a valid email address.")}}},
        {"an address without its box is not examined",
         [](auto &o) { o.stEODEmailAddress = QStringLiteral("not an address"); },
         {}},
        {"Forward/Return by e-mail without address",
         [](auto &o) { o.bReturnViaEmail = true; },
         {{QStringLiteral("edtTPPviaEmailAddress"),
           QStringLiteral("Return Shipment via Email cannot be blank.")}}},
        {"Forward/Return by e-mail to a bad address",
         [](auto &o) {
             o.bReturnViaEmail = true;
             o.stReturnEmailAddress = QStringLiteral("returns..desk@example.com");
         },
         {{QStringLiteral("edtTPPviaEmailAddress"),
           QStringLiteral("Return Shipment via Email is not a valid email address.")}}},
        {"both addresses good",
         [](auto &o) {
             o.bEODViaEmail = o.bReturnViaEmail = true;
             o.stEODEmailAddress = QStringLiteral("eod@example.com");
             o.stReturnEmailAddress = QStringLiteral("returns@example.com");
         },
         {}},
        {"every service valid but no gateway",
         [](auto &o) {
             for (int i = 0; i < csServiceCount; ++i)
                 pUse(o, TCommService(i), "HTTPS", "", "host", "443");
             o.stGatewayIATA.clear();
         },
         {{QStringLiteral("edtGatewayiata"), QStringLiteral("Gateway IATA  can not be blank.")}}},
        {"everything wrong, in the page's order",
         [](auto &o) {
             for (int i = 0; i < csServiceCount; ++i)
                 pUse(o, TCommService(i), "MODEM");
             o.bEODViaEmail = o.bReturnViaEmail = true;
             o.stGatewayIATA.clear();
         },
         {{cstGrid, fnstPhoneBlank("Site Registration")},
          {cstGrid, fnstPhoneBlank("Tracking")},
          {cstGrid, fnstPhoneBlank("Shipment Data File")},
          {QStringLiteral("edtCSEODviaEmailAddress"),
           QStringLiteral("End of day via Email cannot be blank.")},
          {QStringLiteral("edtTPPviaEmailAddress"),
           QStringLiteral("Return Shipment via Email cannot be blank.")},
          {cstGrid, fnstPhoneBlank("Return")},
          {cstGrid, fnstPhoneBlank("automatic shipment number allocation")},
          {cstGrid, fnstPhoneBlank("automatic LP number allocation")},
          {cstGrid, fnstPhoneBlank("Pickup")},
          {cstGrid, fnstPhoneBlank("Shipment Notification Via RUZ")},
          {QStringLiteral("edtGatewayiata"), QStringLiteral("Gateway IATA  can not be blank.")}}},
    };
    TclsRWCommSetting objSetting;
    for (const auto &rec : arCases) {
        TclsRWCommSettingData obj = fnobjValidPage();
        rec.fnChange(obj);
        // What an earlier page left in the list does not belong to this one.
        TrecarErrorList ar = {{QStringLiteral("edtSenderCode"), QStringLiteral("Earlier."), 0, 0}};
        const QString stResult = objSetting.fnstValidate(obj, ar);
        EXPECT_EQ(fnarEntries(ar), rec.arExpected) << rec.pchCase;
        EXPECT_EQ(stResult,
                  rec.arExpected.empty() ? QStringLiteral("success") : QStringLiteral("unsuccess"))
            << rec.pchCase;
    }
}

TEST(RWCommSetting, AHolderOfAnotherPageIsRefused) {
    TclsRWCommSetting objSetting;
    TclsRWFTPSettingData objOther;
    TrecarErrorList ar;
    EXPECT_EQ(objSetting.fnstValidate(objOther, ar), QStringLiteral("unsuccess"));
    EXPECT_EQ(objSetting.fnstSaveToDB(objOther), QString());
}

namespace {
class RWCommSettingSave : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    TclsRWCommSetting objSetting;
    TclsAdHocQuery query;

    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
        // Rows last written by someone else, so the save's own mark shows.
        for (const char *pchTable : {"comm_service_settings", "config_zorv", "config_morvane"})
            ASSERT_EQ(
                query.fniExecute(
                    QStringLiteral("UPDATE %1 SET changed_by = ?").arg(QLatin1String(pchTable)),
                    {QStringLiteral("ADMIN")}),
                0);
    }

    template <class T> std::vector<T> fnarRows(const char *pchClass) {
        TobjarMVData objar;
        EXPECT_EQ(fniQueryRecords({{}}, objar, QString::fromLatin1(pchClass)), 0);
        std::vector<T> ar;
        for (const auto &obj : objar)
            ar.push_back(*fnobjAs<T>(obj));
        return ar;
    }
    std::vector<TclsCommServiceSettingsData> fnarServiceRows() {
        return fnarRows<TclsCommServiceSettingsData>("TclsCommServiceSettingsDB");
    }
};

// Service i's block: texts longer than their columns, ports of every kind.
TclsRWCommSettingData fnobjFullPage() {
    TclsRWCommSettingData obj = fnobjValidPage();
    for (int i = 0; i < csServiceCount; ++i) {
        TrecCommServiceBlock &rec = obj.arServices[i];
        rec.bInUse = i % 2 == 0;
        rec.stMode = i % 3 == 0 ? QStringLiteral("MODEM AND HTTPS") : QStringLiteral("HTTP");
        rec.stPrimaryPhone = QString(25, QChar(u'0' + i));
        rec.stSecondaryPhone = QStringLiteral("+61") + QString(22, QChar(u'0' + i));
        rec.stHTTPServer = QStringLiteral("https://s%1.example.com/").arg(i) + QString(120, u'p');
        rec.stHTTPPort = QString::number(8000 + i);
    }
    obj.arServices[csTracking].stHTTPPort = QStringLiteral("abc");
    obj.arServices[csSchedulePickup].stHTTPPort = QStringLiteral(" 9443 ");
    return obj;
}

std::optional<int> fniServiceIndex(const QString &stName) {
    const auto &ar = fnarCommServiceNames();
    for (int i = 0; i < csServiceCount; ++i)
        if (ar[i] == stName)
            return i;
    return std::nullopt;
}
} // namespace

TEST_F(RWCommSettingSave, EveryServiceRowGetsItsBlockCutToItsWidths) {
    ASSERT_EQ(
        query.fniExecute(QStringLiteral("UPDATE comm_service_settings SET http_port = ?"), {1234}),
        0);
    const TclsRWCommSettingData obj = fnobjFullPage();
    ASSERT_EQ(objSetting.fnstSaveToDB(obj), QStringLiteral("success"));
    const auto arRows = fnarServiceRows();
    ASSERT_EQ(arRows.size(), size_t(csServiceCount));
    for (const auto &row : arRows) {
        const std::optional<int> i = fniServiceIndex(row.service_name);
        ASSERT_TRUE(i) << qPrintable(row.service_name);
        const TrecCommServiceBlock &rec = obj.arServices[*i];
        SCOPED_TRACE(qPrintable(row.service_name));
        EXPECT_EQ(row.in_use, rec.bInUse);
        EXPECT_EQ(row.mode, rec.stMode);
        EXPECT_EQ(row.primary_phone, rec.stPrimaryPhone.left(20));
        EXPECT_EQ(row.secondary_phone, rec.stSecondaryPhone.left(20));
        EXPECT_EQ(row.http_server, rec.stHTTPServer.left(100));
        EXPECT_EQ(row.changed_by, QStringLiteral("DEFAULT"));
    }
    const auto fniPortOf = [&](TCommService e) {
        for (const auto &row : arRows)
            if (row.service_name == fnarCommServiceNames()[e])
                return row.http_port;
        return -1;
    };
    EXPECT_EQ(fniPortOf(csTracking), 0) << "a port that is not a number";
    EXPECT_EQ(fniPortOf(csSchedulePickup), 9443) << "blanks around the digits";
    EXPECT_EQ(fniPortOf(csSiteRegistration), 8002);
}

// The two e-mail boxes are saved each to its own flag: one ticked, the other
// not, both ways round.
TEST_F(RWCommSettingSave, TheConfigurationRowsGetThePageOptions) {
    for (const bool bEODByEmail : {true, false}) {
        TclsRWCommSettingData obj = fnobjValidPage();
        obj.iNoOfRetries = 4;
        obj.bEODViaFTP = true;
        obj.bEODViaEmail = bEODByEmail;
        obj.stEODEmailAddress = QString(90, u'e') + QStringLiteral("@example.com");
        obj.stGatewayIATA = QStringLiteral("MELX");
        obj.stModemName = QStringLiteral("Modem ") + QString(70, u'm');
        obj.bReturnViaEmail = !bEODByEmail;
        obj.stReturnEmailAddress = QString(110, u'r') + QStringLiteral("@example.com");
        ASSERT_EQ(objSetting.fnstSaveToDB(obj), QStringLiteral("success"));

        const auto arZorv = fnarRows<TclsConfigZorvData>("TclsConfigZorvDB");
        ASSERT_EQ(arZorv.size(), 1u);
        EXPECT_EQ(arZorv[0].no_of_retries, 4);
        EXPECT_TRUE(arZorv[0].eod_via_ftp);
        EXPECT_EQ(arZorv[0].eod_via_email, bEODByEmail);
        EXPECT_EQ(arZorv[0].eod_email_address, obj.stEODEmailAddress.left(80));
        EXPECT_EQ(arZorv[0].gateway_iata, QStringLiteral("MEL"));
        EXPECT_EQ(arZorv[0].Modem_Name, obj.stModemName.left(60));
        EXPECT_EQ(arZorv[0].changed_by, QStringLiteral("DEFAULT"));
        const auto arMorvane = fnarRows<TclsConfigMorvaneData>("TclsConfigMorvaneDB");
        ASSERT_EQ(arMorvane.size(), 1u);
        EXPECT_EQ(arMorvane[0].return_via_email, !bEODByEmail);
        EXPECT_EQ(arMorvane[0].return_email_address, obj.stReturnEmailAddress.left(100));
        EXPECT_EQ(arMorvane[0].changed_by, QStringLiteral("DEFAULT"));
    }
}

TEST_F(RWCommSettingSave, RowsOfOtherServicesAreLeftAloneAndNothingIsDuplicated) {
    TobjarMVData objarExtra;
    auto objExtra = std::make_unique<TclsCommServiceSettingsData>();
    objExtra->service_name = QStringLiteral("Label Printing");
    objExtra->in_use = true;
    objExtra->mode = QStringLiteral("HTTP");
    objExtra->http_server = QStringLiteral("labels.example.com");
    objExtra->http_port = 8080;
    objExtra->changed_by = QStringLiteral("ADMIN");
    objarExtra.push_back(std::move(objExtra));
    ASSERT_EQ(fniInsertRecord(objarExtra), 0);

    const TclsRWCommSettingData obj = fnobjFullPage();
    ASSERT_EQ(objSetting.fnstSaveToDB(obj), QStringLiteral("success"));
    ASSERT_EQ(objSetting.fnstSaveToDB(obj), QStringLiteral("success"));

    const auto arRows = fnarServiceRows();
    EXPECT_EQ(arRows.size(), size_t(csServiceCount) + 1);
    int iExtra = 0;
    for (const auto &row : arRows) {
        if (row.service_name != QLatin1String("Label Printing"))
            continue;
        ++iExtra;
        EXPECT_EQ(row.http_server, QStringLiteral("labels.example.com"));
        EXPECT_EQ(row.http_port, 8080);
        EXPECT_EQ(row.changed_by, QStringLiteral("ADMIN"));
    }
    EXPECT_EQ(iExtra, 1);
}

TEST_F(RWCommSettingSave, AServiceNameInOtherLettersIsTheSameService) {
    ASSERT_EQ(
        query.fniExecute(QStringLiteral("UPDATE comm_service_settings SET service_name = ? WHERE "
                                        "service_name = ?"),
                         {QStringLiteral("TRACKING"), QStringLiteral("Tracking")}),
        0);
    TclsRWCommSettingData obj = fnobjValidPage();
    pUse(obj, csTracking, "HTTPS", "", "track.example.com", "443");
    ASSERT_EQ(objSetting.fnstSaveToDB(obj), QStringLiteral("success"));
    const auto arRows = fnarServiceRows();
    EXPECT_EQ(arRows.size(), size_t(csServiceCount));
    int iTracking = 0;
    for (const auto &row : arRows)
        if (row.service_name.compare(QLatin1String("Tracking"), Qt::CaseInsensitive) == 0) {
            ++iTracking;
            EXPECT_EQ(row.http_server, QStringLiteral("track.example.com"));
            EXPECT_EQ(row.service_name, QStringLiteral("Tracking"));
        }
    EXPECT_EQ(iTracking, 1);
}

TEST(RWCommSetting, AConfigurationTableWithoutRowGivesZero) {
    for (const char *pchTable : {"config_zorv", "config_morvane"}) {
        TclsTestInstallation objInstallation;
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
        TclsAdHocQuery query;
        ASSERT_EQ(query.fniExecute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(pchTable))),
                  0);
        TclsRWCommSetting objSetting;
        EXPECT_EQ(objSetting.fnstSaveToDB(fnobjValidPage()), QStringLiteral("0")) << pchTable;
    }
}

TEST_F(RWCommSettingSave, AFailedServiceQueryEndsTheSave) {
    ASSERT_EQ(query.fniExecute(QStringLiteral("DROP TABLE comm_service_settings")), 0);
    TclsRWCommSettingData obj = fnobjValidPage();
    obj.stGatewayIATA = QStringLiteral("PER");
    EXPECT_EQ(objSetting.fnstSaveToDB(obj),
              QStringLiteral(
                  "Database Configuration is not correct. Please contact System Administrator."));
    const auto arZorv = fnarRows<TclsConfigZorvData>("TclsConfigZorvDB");
    ASSERT_EQ(arZorv.size(), 1u);
    EXPECT_NE(arZorv[0].gateway_iata, QStringLiteral("PER"));
}
