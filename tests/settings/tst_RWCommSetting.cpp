// The communication page's checks (which services are examined, in which
// order, with which texts) and its save into the service rows and the two
// configuration rows of a real installation.
#include "tstSettingsHelpers.h"
#include "UnitMV5Records.h"
#include "unitRWCommSetting.h"
#include "unitRWCommSettingData.h"

#include <algorithm>
#include <functional>
#include <map>

namespace {
using TEntries = std::vector<std::pair<QString, QString>>; // control, message

const QString cstGrid = QStringLiteral("stgCSServiceSettings");
const QString cstEOD = QStringLiteral("edtCSEODviaEmailAddress");
const QString cstReturn = QStringLiteral("edtTPPviaEmailAddress");

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

std::pair<QString, QString> fnrecNotDialled(const char *pchWhich, const char *pchWord) {
    return {cstGrid, QStringLiteral("%1 Phone for %2 service may hold only the characters "
                                    "0-9 + - ( ) , * # W P T.")
                         .arg(QLatin1String(pchWhich), QLatin1String(pchWord))};
}

std::pair<QString, QString> fnrecPhoneBlank(const char *pchWord) {
    return {cstGrid, QStringLiteral("Primary Phone for %1 service cannot be blank.").arg(pchWord)};
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
        {"modem with a phone of blanks",
         [](auto &o) { pUse(o, csSiteRegistration, "MODEM", "   "); },
         {fnrecPhoneBlank("Site Registration")}},
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
         {fnrecNotDialled("Primary", "Tracking"), fnrecNotDialled("Secondary", "Tracking")}},
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
        {"not in use, Software Upgrade, PLT and RUZ by modem and HTTPS are not examined",
         [](auto &o) {
             pUse(o, csSiteRegistration, "HTTP");
             o.arServices[csSiteRegistration].bInUse = false;
             pUse(o, csSoftwareUpgrade, "MODEM");
             pUse(o, csPaperlessTrade, "HTTPS");
             pUse(o, csShipmentNotificationViaRUZ, "MODEM AND HTTPS");
             o.stEODEmailAddress = QStringLiteral("not an address");
         },
         {}},
        {"bad addresses",
         [](auto &o) {
             o.bEODViaEmail = o.bReturnViaEmail = true;
             o.stEODEmailAddress = QStringLiteral("eod@abc");
             o.stReturnEmailAddress = QStringLiteral("returns..desk@example.com");
         },
         {{cstEOD, QStringLiteral("End of day via Email is not a valid email address.")},
          {cstReturn, QStringLiteral("Return Shipment via Email is not a valid email address.")}}},
        {"both addresses good",
         [](auto &o) {
             o.bEODViaEmail = o.bReturnViaEmail = true;
             o.stEODEmailAddress = QStringLiteral("eod@example.com");
             o.stReturnEmailAddress = QStringLiteral("returns@example.com");
         },
         {}},
        {"everything wrong, in the page's order",
         [](auto &o) {
             for (int i = 0; i < csServiceCount; ++i)
                 pUse(o, TCommService(i), "MODEM");
             o.bEODViaEmail = o.bReturnViaEmail = true;
             o.stGatewayIATA.clear();
         },
         {fnrecPhoneBlank("Site Registration"),
          fnrecPhoneBlank("Tracking"),
          fnrecPhoneBlank("Shipment Data File"),
          {cstEOD, QStringLiteral("End of day via Email cannot be blank.")},
          {cstReturn, QStringLiteral("Return Shipment via Email cannot be blank.")},
          fnrecPhoneBlank("Return"),
          fnrecPhoneBlank("automatic shipment number allocation"),
          fnrecPhoneBlank("automatic LP number allocation"),
          fnrecPhoneBlank("Pickup"),
          fnrecPhoneBlank("Shipment Notification Via RUZ"),
          {QStringLiteral("edtGatewayiata"), QStringLiteral("Gateway IATA  can not be blank.")}}},
    };
    TclsRWCommSetting objSetting;
    for (const auto &rec : arCases) {
        TclsRWCommSettingData obj = fnobjValidPage();
        rec.fnChange(obj);
        // What an earlier page left in the list does not belong to this one.
        TrecarErrorList ar = {{QStringLiteral("edtSenderCode"), QStringLiteral("Earlier."), 0, 0}};
        const QString stResult = objSetting.fnstValidate(obj, ar);
        TEntries arEntries;
        for (const auto &recEntry : ar)
            arEntries.emplace_back(recEntry.stControlName, recEntry.stMessage);
        EXPECT_EQ(arEntries, rec.arExpected) << rec.pchCase;
        EXPECT_EQ(stResult, rec.arExpected.empty() ? cstSuccess : cstUnsuccess) << rec.pchCase;
    }
}

namespace {
class RWCommSettingSave : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    TclsRWCommSetting objSetting;

    void SetUp() override {
        ASSERT_INSTALLED(objInstallation);
        // Rows last written by someone else, so the save's own mark shows.
        for (const char *pchTable : {"comm_service_settings", "config_zorv", "config_morvane"})
            pExecute(QStringLiteral("UPDATE %1 SET changed_by = 'ADMIN'").arg(pchTable));
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
} // namespace

// Every service row gets its block, cut to its widths; a row of another
// service is left alone, a service name in other letters is the same service,
// and a second save duplicates nothing.
TEST_F(RWCommSettingSave, EveryServiceRowGetsItsBlockAndOnlyThose) {
    auto objExtra = std::make_unique<TclsCommServiceSettingsData>();
    objExtra->service_name = QStringLiteral("Label Printing");
    objExtra->http_server = QStringLiteral("labels.example.com");
    objExtra->changed_by = QStringLiteral("ADMIN");
    TobjarMVData objarExtra = fnarOne(std::move(objExtra));
    ASSERT_EQ(fniInsertRecord(objarExtra), 0);
    pExecute(QStringLiteral("UPDATE comm_service_settings SET service_name = 'TRACKING' WHERE "
                            "service_name = 'Tracking'"));
    const TclsRWCommSettingData obj = fnobjFullPage();
    ASSERT_EQ(objSetting.fnstSaveToDB(obj), cstSuccess);
    ASSERT_EQ(objSetting.fnstSaveToDB(obj), cstSuccess);

    const auto arRows = fnarRows<TclsCommServiceSettingsData>();
    ASSERT_EQ(arRows.size(), size_t(csServiceCount) + 1);
    std::map<QString, int> mapPorts;
    for (const auto &row : arRows) {
        SCOPED_TRACE(qPrintable(row.service_name));
        mapPorts[row.service_name] = row.http_port;
        const auto it = std::find(fnarCommServiceNames().begin(), fnarCommServiceNames().end(),
                                  row.service_name);
        if (it == fnarCommServiceNames().end()) {
            EXPECT_EQ(row.service_name, QStringLiteral("Label Printing"));
            EXPECT_EQ(row.http_server, QStringLiteral("labels.example.com"));
            EXPECT_EQ(row.changed_by, QStringLiteral("ADMIN"));
            continue;
        }
        const TrecCommServiceBlock &rec = obj.arServices[it - fnarCommServiceNames().begin()];
        EXPECT_EQ(row.in_use, rec.bInUse);
        EXPECT_EQ(row.mode, rec.stMode);
        EXPECT_EQ(row.primary_phone, rec.stPrimaryPhone.left(20));
        EXPECT_EQ(row.secondary_phone, rec.stSecondaryPhone.left(20));
        EXPECT_EQ(row.http_server, rec.stHTTPServer.left(100));
        EXPECT_EQ(row.changed_by, QStringLiteral("DEFAULT"));
    }
    EXPECT_EQ(mapPorts[fnarCommServiceNames()[csTracking]], 0) << "a port that is not a number";
    EXPECT_EQ(mapPorts[fnarCommServiceNames()[csSchedulePickup]], 9443) << "blanks around it";
    EXPECT_EQ(mapPorts[fnarCommServiceNames()[csSiteRegistration]], 8002);
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
        ASSERT_EQ(objSetting.fnstSaveToDB(obj), cstSuccess);

        const TclsConfigZorvData objZorv = fnarRows<TclsConfigZorvData>().at(0);
        EXPECT_EQ(objZorv.no_of_retries, 4);
        EXPECT_TRUE(objZorv.eod_via_ftp);
        EXPECT_EQ(objZorv.eod_via_email, bEODByEmail);
        EXPECT_EQ(objZorv.eod_email_address, obj.stEODEmailAddress.left(80));
        EXPECT_EQ(objZorv.gateway_iata, QStringLiteral("MEL"));
        EXPECT_EQ(objZorv.Modem_Name, obj.stModemName.left(60));
        EXPECT_EQ(objZorv.changed_by, QStringLiteral("DEFAULT"));
        const TclsConfigMorvaneData objMorvane = fnarRows<TclsConfigMorvaneData>().at(0);
        EXPECT_EQ(objMorvane.return_via_email, !bEODByEmail);
        EXPECT_EQ(objMorvane.return_email_address, obj.stReturnEmailAddress.left(100));
        EXPECT_EQ(objMorvane.changed_by, QStringLiteral("DEFAULT"));
    }
}

TEST_F(RWCommSettingSave, AMissingRowOrServiceTableEndsTheSave) {
    pExecute(QStringLiteral("DELETE FROM config_morvane"));
    EXPECT_EQ(objSetting.fnstSaveToDB(fnobjValidPage()), QStringLiteral("0"));
    pExecute(QStringLiteral("DROP TABLE comm_service_settings"));
    TclsRWCommSettingData obj = fnobjValidPage();
    obj.stGatewayIATA = QStringLiteral("PER");
    EXPECT_EQ(objSetting.fnstSaveToDB(obj), fnstGetDBErrorMessage(9));
    EXPECT_NE(fnarRows<TclsConfigZorvData>().at(0).gateway_iata, QStringLiteral("PER"));
}
