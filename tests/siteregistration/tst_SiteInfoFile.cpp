// The site information file SiteRegs.txt, byte for byte, and the registration
// message built from it.
#include "unitEFDR.h"
#include "unitSiteRegistration.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include "UnitFileSizeLimit.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace {
// The rows a registration reads, in memory.
struct TrecSiteRows {
    TclsConfigZorvData objZorv;
    TclsConfigMorvaneData objMorvane;
    TclsCustomerInfoData objCustomer;
    TobjarMVData objarUsers, objarServices;

    TrecSiteRows() {
        objZorv.Modem_Name = QStringLiteral("Standard 56000 bps Modem");
        objZorv.no_of_retries = 3;
        objZorv.shipment_advisory = true;
        objZorv.inbound_shipment_tracing = true;
        objZorv.shipment_tracing_size = 100;
        objCustomer.company = QStringLiteral("Harbour Traders Ltd");
        objCustomer.address1 = QStringLiteral("12 Quay Street");
        objCustomer.city = QStringLiteral("Cork");
        objCustomer.state = QStringLiteral("Cork");
        objCustomer.postcode = QStringLiteral("T12 X2Y3");
        objCustomer.country_name = QStringLiteral("Ireland");
        objCustomer.contact_name = QStringLiteral("Aoife Byrne");
        objCustomer.telephone = QStringLiteral("+353214567890");
        for (const char *pchAccount : {"123456789", "123456789", "", "0", "   ", "987654321"})
            pAddUser(QString::fromLatin1(pchAccount));
        pAddService("site registration", false, "0214000000", "0214000001", "HTTPS");
        pAddService("Tracking", true, "0214000002", "", "HTTPS");
        pAddService("Schedule Pickup", true, "", "", "HTTP");
        pAddService("Tracking", false, "0214000003", "", "HTTPS"); // the later record wins
    }
    void pAddUser(const QString &stAccount) {
        auto obj = std::make_unique<TclsUsersData>();
        obj->account_number = stAccount;
        objarUsers.push_back(std::move(obj));
    }
    void pAddService(const char *pchName, bool bInUse, const char *pchFirst, const char *pchSecond,
                     const char *pchMode) {
        auto obj = std::make_unique<TclsCommServiceSettingsData>();
        obj->service_name = QString::fromLatin1(pchName);
        obj->in_use = bInUse;
        obj->primary_phone = QString::fromLatin1(pchFirst);
        obj->secondary_phone = QString::fromLatin1(pchSecond);
        obj->mode = QString::fromLatin1(pchMode);
        objarServices.push_back(std::move(obj));
    }
};

QByteArray fnbaLines(std::initializer_list<const char *> arLines) {
    QByteArray ba;
    for (const char *pch : arLines)
        ba += QByteArray(pch) + "\r\n";
    return ba;
}

const QByteArray cbaExpected = fnbaLines({
    "ZOZ SITE CONFIGURATION                              05/12/2026  14:03:09",
    "",
    "Sec 1 : CUSTOMER INFORMATION",
    "",
    "Name           : Harbour Traders Ltd",
    "Address_1      : 12 Quay Street",
    "Address_2      : ",
    "Address_3      : ",
    "City           : Cork",
    "State          : Cork",
    "Zip            : T12 X2Y3",
    "Country        : Ireland",
    "Contact Person : Aoife Byrne",
    "Phone Number   : +353214567890",
    "",
    "",
    "Sec 2 : APPLICATION INFORMATION",
    "",
    "Application ID : ZOZ",
    "ZOZ Version    : 5.01.02",
    "Site Type      : Standalone",
    "",
    "Sec 3 : ZORV ACCOUNT NUMBERS",
    "",
    "123456789",
    "987654321",
    "---",
    "",
    "Sec 4 : PICKUP POINT INFORMATION",
    "---",
    "",
    "Sec 5 : COMMUNICATION WORKSTATION CONFIGURATION INFORMATION",
    "",
    "Workstation Name : ",
    "Description      : ",
    "Modem Name       : Standard 56000 bps Modem",
    "Modem Speed      : 57600",
    "Phone Number     : 9",
    "",
    "---",
    "",
    "Sec 6 : TELECOMM SERVICES INFORMATION",
    "",
    "Service        : Site Registration",
    "Workstation ID : ALL",
    "Active         : Y",
    "1st Phone No.  : 0214000000",
    "2nd Phone No.  : 0214000001",
    "Dial Retries   : 3",
    "",
    "Service        : Electronic Message",
    "Workstation ID : ALL",
    "Active         : N",
    "1st Phone No.  : ",
    "2nd Phone No.  : ",
    "Dial Retries   : 0",
    "",
    "Service        : Electronic Manifest",
    "Workstation ID : ALL",
    "Active         : N",
    "1st Phone No.  : ",
    "2nd Phone No.  : ",
    "Dial Retries   : 0",
    "",
    "Service        : Track & Trace",
    "Workstation ID : ALL",
    "Active         : N",
    "1st Phone No.  : 0214000003",
    "2nd Phone No.  : ",
    "Dial Retries   : 3",
    "",
    "Service        : Pickup Booking",
    "Workstation ID : ALL",
    "Active         : Y",
    "1st Phone No.  : ",
    "2nd Phone No.  : ",
    "Dial Retries   : 3",
    "",
    "Service        : Automatic Shipment ID Allocation",
    "Workstation ID : ALL",
    "Active         : N",
    "1st Phone No.  : ",
    "2nd Phone No.  : ",
    "Dial Retries   : 0",
    "",
    "Service        : Automatic Licence Plate Number Allocation",
    "Workstation ID : ALL",
    "Active         : N",
    "1st Phone No.  : ",
    "2nd Phone No.  : ",
    "Dial Retries   : 0",
    "---",
    "",
    "Shipment Advisory         : Y",
    "Checkpoint Access         : N",
    "Inbound Shipment Tracing  : Y",
    "",
    "Shipment Tracing Size : 100",
    "",
    "Sec 7 : MANIFEST SETTINGS",
    "",
    "Auto-Manifest : No",
    "",
    "Sec 8 : EMAIL ALIASES",
    "",
    "Alias   : ",
    "Address : ",
    "---",
    "Sec 9 : SHIPMENT RANGE",
    "",
    "Range required flag     : Y",
    "Quantity                : 5000",
    "",
    "Sec 10 : LP RANGE",
    "",
    "Range required flag     : N",
    "Quantity                : 0",
    "",
    "Sec 11 : IATA CODE ",
    "",
    "Gateway IATA Code       : ORK",
    "",
    "Sec 12 : Version Update Date Time",
    "",
    "DateTime Format         : yyyymmddhhmmss",
    "Date Time               : 20261205140309",
    "",
    "Sec 13 : PickUp Address",
    "PickUp Address Required Flag : Y",
});

class SiteInfoFile : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    TrecSiteRows rec;
    std::unique_ptr<TclsRWSiteRegistration> objSiteReg;

    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
        // A modem whose DCB says 57600 baud (0x0000E100 at byte 4).
        QByteArray baRegistry = objInstallation.fnbaReadFile(QStringLiteral("Config/registry.ini"));
        baRegistry += "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
                      "{4D36E96D-E325-11CE-BFC1-08002BE10318}\\0012]\r\n"
                      "FriendlyName=Standard 56000 bps Modem\r\n"
                      "DCB=hex:1c,00,00,00,00,e1,00,00,11,32,00,00,00,00,0a,00,00,00,00,00,00,00,"
                      "00,00,00,00,00,00\r\n";
        ASSERT_TRUE(
            objInstallation.fnbWriteFile(QStringLiteral("Config/registry.ini"), baRegistry));
        objSiteReg = std::make_unique<TclsRWSiteRegistration>();
        objSiteReg->pSetInstallationType(QStringLiteral("Single User Typical"));
        objSiteReg->pSetClock(QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9)));
        objSiteReg->pSetAllocationRequest(
            {true, QStringLiteral("5000"), false, QStringLiteral("10000"), QStringLiteral("ORK")});
    }
    QString fnstMake() {
        return objSiteReg->fnstMakeSiteInfoFile(&rec.objZorv, &rec.objMorvane, &rec.objCustomer,
                                                rec.objarUsers, rec.objarServices);
    }
    QByteArray fnbaFile() {
        return objInstallation.fnbaReadFile(QStringLiteral("Bin/SiteRegs.txt"));
    }
    QList<QByteArray> fnarLines() { return fnbaFile().split('\n'); }
};
} // namespace

TEST_F(SiteInfoFile, IsWrittenByteForByte) {
    ASSERT_EQ(fnstMake(), QStringLiteral("success"));
    EXPECT_EQ(fnbaFile().toStdString(), cbaExpected.toStdString());
}

TEST_F(SiteInfoFile, AccountNumbersAreWrittenOnceAndAtMostAHundredCounted) {
    rec.objarUsers.clear();
    // "" and "0" count towards the hundred distinct values but are not written.
    rec.pAddUser(QString());
    rec.pAddUser(QStringLiteral("0"));
    for (int i = 1; i <= 105; ++i)
        rec.pAddUser(QStringLiteral("ACC%1").arg(i, 3, 10, QLatin1Char('0')));
    ASSERT_EQ(fnstMake(), QStringLiteral("success"));
    const QByteArray baFile = fnbaFile();
    EXPECT_TRUE(baFile.contains("\r\nACC098\r\n---\r\n"));
    EXPECT_FALSE(baFile.contains("ACC099"));
    EXPECT_EQ(baFile.count("\r\nACC"), 98);
}

TEST_F(SiteInfoFile, SiteTypeAndAMissingSiteRegistrationRecord) {
    const struct {
        const char *pchType;
        const char *pchLine;
    } arTypes[] = {{"Single User Custom", "Site Type      : Standalone"},
                   {"Single User Typical", "Site Type      : Standalone"},
                   {"single user custom", "Site Type      : LAN"},
                   {"LAN", "Site Type      : LAN"}};
    for (const auto &r : arTypes) {
        objSiteReg->pSetInstallationType(QString::fromLatin1(r.pchType));
        ASSERT_EQ(fnstMake(), QStringLiteral("success"));
        EXPECT_TRUE(fnbaFile().contains(QByteArray("\r\n") + r.pchLine + "\r\n")) << r.pchType;
    }
    rec.objarServices.erase(rec.objarServices.begin()); // no Site Registration record
    ASSERT_EQ(fnstMake(), QStringLiteral("success"));
    EXPECT_TRUE(fnbaFile().contains("Service        : Site Registration\r\n"
                                    "Workstation ID : DUMMYWKST\r\n"
                                    "Active         : N\r\n"
                                    "1st Phone No.  : \r\n"
                                    "2nd Phone No.  : \r\n"
                                    "Dial Retries   : 0\r\n"));
}

TEST_F(SiteInfoFile, MissingInputsAreReportedAndTheFileIsNotTouched) {
    ASSERT_TRUE(objInstallation.fnbWriteFile(QStringLiteral("Bin/SiteRegs.txt"), "old"));
    EXPECT_EQ(objSiteReg->fnstMakeSiteInfoFile(nullptr, &rec.objMorvane, &rec.objCustomer,
                                               rec.objarUsers, rec.objarServices),
              QStringLiteral("Not sufficient data for site registration"));
    rec.objarUsers.push_back(nullptr);
    EXPECT_EQ(fnstMake(), QStringLiteral("Object is not assigned"));
    rec.objarUsers.clear();
    EXPECT_EQ(fnstMake(), QStringLiteral("Not sufficient data for site registration"));
    EXPECT_EQ(fnbaFile(), QByteArray("old"));
}

TEST_F(SiteInfoFile, AFailedWriteIsNoSuccessAndLeavesTheOldFile) {
    ASSERT_TRUE(objInstallation.fnbWriteFile(QStringLiteral("Bin/SiteRegs.txt"), "old"));
    QString stResult, stPrepared;
    {
        const TclsFileSizeLimit objLimit;
        stResult = fnstMake();
        stPrepared = objSiteReg->fnstPrepareSiteRegMsgFile(QStringLiteral("REGR"), &rec.objZorv,
                                                           &rec.objMorvane, &rec.objCustomer,
                                                           rec.objarUsers, rec.objarServices);
    }
    EXPECT_EQ(stResult, QString());
    EXPECT_EQ(stPrepared, QString());
    EXPECT_TRUE(objSiteReg->fnbaMessageString().isEmpty());
    EXPECT_EQ(fnbaFile(), QByteArray("old"));
    EXPECT_EQ(QDir(objInstallation.fnstPath(QStringLiteral("Bin")))
                  .entryList({QStringLiteral("SiteRegs.txt*")}, QDir::Files),
              QStringList{QStringLiteral("SiteRegs.txt")});
    EXPECT_EQ(fnstIntegrityCheck(), QStringLiteral("ok"));
    EXPECT_EQ(fnstMake(), QStringLiteral("success"));
}

TEST(SiteInfoPadding, PadAndCut) {
    EXPECT_EQ(TclsRWSiteRegistration::fnstPad(QString(), 5), QString());
    EXPECT_EQ(TclsRWSiteRegistration::fnstPad(QStringLiteral("ab"), 2), QStringLiteral("ab  "));
    EXPECT_EQ(TclsRWSiteRegistration::fnstPadToGivenLength(QStringLiteral("abc"), 5),
              QStringLiteral("abc  "));
    EXPECT_EQ(TclsRWSiteRegistration::fnstPadToGivenLength(QStringLiteral("abcde"), 5),
              QStringLiteral("abcde"));
    EXPECT_EQ(TclsRWSiteRegistration::fnstPadToGivenLength(QStringLiteral("abcdefg"), 5),
              QStringLiteral("abcde"));
}

TEST_F(SiteInfoFile, TheMessageCarriesTheFileInTheServicesTransportForm) {
    const QByteArray baFS(4, cchFS);
    // "site registration" is not the exact name: no transport, no message.
    EXPECT_EQ(objSiteReg->fnstPrepareSiteRegMsgFile(QStringLiteral("REGR"), &rec.objZorv,
                                                    &rec.objMorvane, &rec.objCustomer,
                                                    rec.objarUsers, rec.objarServices),
              QString());
    EXPECT_TRUE(objSiteReg->fnbaMessageString().isEmpty());
    // HTTPS: the form body, its header without GS.
    static_cast<TclsCommServiceSettingsData &>(*rec.objarServices[0]).service_name =
        QStringLiteral("Site Registration");
    const QByteArray baSize = QByteArray::number(cbaExpected.size());
    ASSERT_EQ(objSiteReg->fnstPrepareSiteRegMsgFile(QStringLiteral("REGR"), &rec.objZorv,
                                                    &rec.objMorvane, &rec.objCustomer,
                                                    rec.objarUsers, rec.objarServices),
              QStringLiteral("success"));
    EXPECT_EQ(objSiteReg->fnbaMessageString(),
              "msg_type=0&msg_hdr=REGRSiteRegs%2Etxt%1C%1C%1C%1C11" + baSize +
                  "%1CDDMMYYYY0&msg_bdy=" + fnstURLEncode(cbaExpected));
    // MODEM: header with GS, the file, GS.
    static_cast<TclsCommServiceSettingsData &>(*rec.objarServices[0]).mode =
        QStringLiteral("MODEM");
    ASSERT_EQ(objSiteReg->fnstPrepareSiteRegMsgFile(QStringLiteral("REGR"), &rec.objZorv,
                                                    &rec.objMorvane, &rec.objCustomer,
                                                    rec.objarUsers, rec.objarServices),
              QStringLiteral("success"));
    const QByteArray baGS(1, cchGS);
    EXPECT_EQ(objSiteReg->fnbaMessageString(), "REGRSiteRegs.txt" + baFS + "11" + baSize +
                                                   QByteArray(1, cchFS) + "DDMMYYYY0" + baGS +
                                                   cbaExpected + baGS);
    // An update names the site.
    rec.objMorvane.site_id = QStringLiteral("ABC0000000123ZOZ");
    ASSERT_EQ(objSiteReg->fnstPrepareSiteRegMsgFile(QStringLiteral("UCFR"), &rec.objZorv,
                                                    &rec.objMorvane, &rec.objCustomer,
                                                    rec.objarUsers, rec.objarServices),
              QStringLiteral("success"));
    EXPECT_TRUE(
        objSiteReg->fnbaMessageString().startsWith("UCFRABC0000000123ZOZSiteRegs.txt" + baFS));
    // Any other transport: no message and an empty result.
    static_cast<TclsCommServiceSettingsData &>(*rec.objarServices[0]).mode =
        QStringLiteral("Https");
    EXPECT_EQ(objSiteReg->fnstPrepareSiteRegMsgFile(QStringLiteral("REGR"), &rec.objZorv,
                                                    &rec.objMorvane, &rec.objCustomer,
                                                    rec.objarUsers, rec.objarServices),
              QString());
    EXPECT_TRUE(objSiteReg->fnbaMessageString().isEmpty());
}
