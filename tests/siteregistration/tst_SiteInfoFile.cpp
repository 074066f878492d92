// The site information file SiteRegs.txt byte for byte, and the host message built from it.
#include "unitEFDR.h"
#include "unitSiteRegistration.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include "UnitFileSizeLimit.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

// The file as the installation above writes it on 5 December 2026, 14:03:09.
QByteArray fnbaExpected() {
    QFile file(QStringLiteral(SITEREGS_EXPECTED_FILE));
    return file.open(QIODevice::ReadOnly) ? file.readAll().replace("\n", "\r\n") : QByteArray();
}
const QByteArray cbaExpected = fnbaExpected();
const QByteArray cbaGS(1, cchGS);

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
    QString fnstPrepare(const char *pchCode) {
        return objSiteReg->fnstPrepareSiteRegMsgFile(QString::fromLatin1(pchCode), &rec.objZorv,
                                                     &rec.objMorvane, &rec.objCustomer,
                                                     rec.objarUsers, rec.objarServices);
    }
    TclsCommServiceSettingsData &fnobjSiteRegService() {
        return static_cast<TclsCommServiceSettingsData &>(*rec.objarServices[0]);
    }
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
    EXPECT_TRUE(fnbaFile().contains("\r\nACC098\r\n---\r\n"));
    EXPECT_EQ(fnbaFile().count("\r\nACC"), 98);
}

TEST_F(SiteInfoFile, MissingInputsAreReportedAndTheFileIsNotTouched) {
    ASSERT_TRUE(objInstallation.fnbWriteFile(QStringLiteral("Bin/SiteRegs.txt"), "old"));
    QStringList sl{objSiteReg->fnstMakeSiteInfoFile(nullptr, &rec.objMorvane, &rec.objCustomer,
                                                    rec.objarUsers, rec.objarServices)};
    rec.objarUsers.push_back(nullptr);
    sl << fnstMake();
    rec.objarUsers.clear();
    sl << fnstMake() << QString::fromLatin1(fnbaFile());
    EXPECT_EQ(sl, QStringList({QStringLiteral("Not sufficient data for site registration"),
                               QStringLiteral("Object is not assigned"),
                               QStringLiteral("Not sufficient data for site registration"),
                               QStringLiteral("old")}));
}

TEST_F(SiteInfoFile, AFailedWriteIsNoSuccessAndLeavesTheOldFile) {
    ASSERT_TRUE(objInstallation.fnbWriteFile(QStringLiteral("Bin/SiteRegs.txt"), "old"));
    QString stResult, stPrepared;
    {
        const TclsFileSizeLimit objLimit;
        stResult = fnstMake();
        stPrepared = fnstPrepare("REGR");
    }
    EXPECT_EQ(stResult + stPrepared + objSiteReg->fnbaMessageString() + fnbaFile(),
              QStringLiteral("old"));
    EXPECT_EQ(QDir(objInstallation.fnstPath(QStringLiteral("Bin")))
                  .entryList({QStringLiteral("SiteRegs.txt*")}, QDir::Files),
              QStringList{QStringLiteral("SiteRegs.txt")});
    EXPECT_EQ(fnstIntegrityCheck(), QStringLiteral("ok"));
    EXPECT_EQ(fnstMake(), QStringLiteral("success"));
}

TEST_F(SiteInfoFile, TheMessageCarriesTheFileInTheServicesTransportForm) {
    const QByteArray baFS(4, cchFS);
    const QByteArray baSize = QByteArray::number(cbaExpected.size());
    // "site registration" is not the exact name: no transport, no message.
    EXPECT_EQ(fnstPrepare("REGR"), QString());
    EXPECT_TRUE(objSiteReg->fnbaMessageString().isEmpty());
    // HTTPS: the form body, its header without GS.
    fnobjSiteRegService().service_name = QStringLiteral("Site Registration");
    ASSERT_EQ(fnstPrepare("REGR"), QStringLiteral("success"));
    EXPECT_EQ(objSiteReg->fnbaMessageString(),
              "msg_type=0&msg_hdr=REGRSiteRegs%2Etxt%1C%1C%1C%1C11" + baSize +
                  "%1CDDMMYYYY0&msg_bdy=" + fnstURLEncode(cbaExpected));
    // MODEM: header with GS, the file, GS.
    fnobjSiteRegService().mode = QStringLiteral("MODEM");
    ASSERT_EQ(fnstPrepare("REGR"), QStringLiteral("success"));
    EXPECT_EQ(objSiteReg->fnbaMessageString(), "REGRSiteRegs.txt" + baFS + "11" + baSize +
                                                   QByteArray(1, cchFS) + "DDMMYYYY0" + cbaGS +
                                                   cbaExpected + cbaGS);
    // An update names the site.
    rec.objMorvane.site_id = QStringLiteral("ABC0000000123ZOZ");
    ASSERT_EQ(fnstPrepare("UCFR"), QStringLiteral("success"));
    EXPECT_TRUE(
        objSiteReg->fnbaMessageString().startsWith("UCFRABC0000000123ZOZSiteRegs.txt" + baFS));
    // Any other transport: no message and an empty result.
    fnobjSiteRegService().mode = QStringLiteral("Https");
    EXPECT_EQ(fnstPrepare("REGR"), QString());
    EXPECT_TRUE(objSiteReg->fnbaMessageString().isEmpty());
}

TEST(HostMessage, URLEncodingKeepsLettersAndDigitsOnly) {
    const std::pair<QByteArray, QByteArray> arCases[] = {
        {"x.y-z/a b", "x%2Ey%2Dz%2Fa%20b"},
        {"AZaz09", "AZaz09"},
        {"\x1D\r\n\xE9\xFF", "%1D%0D%0A%E9%FF"},
    };
    for (const auto &[baIn, baOut] : arCases)
        EXPECT_EQ(fnstURLEncode(baIn), baOut) << baIn.toStdString();
}

TEST(HostMessage, TheModemMessageFramesTheWholeFileWithGroupSeparators) {
    QTemporaryDir dir;
    const QString stFile = dir.filePath(QStringLiteral("SiteRegs.txt"));
    const auto fnbaMessage = [&](const QByteArray &baContent, const QByteArray &baHeader) {
        QFile file(stFile);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(baContent);
        file.close();
        QByteArray baMessage = "old";
        return fnbGenMessageString(stFile, baMessage, baHeader) ? baMessage : "failed:" + baMessage;
    };
    EXPECT_EQ(fnbaMessage("L1\r\nL2\r\n", "HDR"), "HDR" + cbaGS + "L1\r\nL2\r\n" + cbaGS);
    // A header that already ends in GS gets no second one; an empty file
    // leaves the header and its GS alone.
    EXPECT_EQ(fnbaMessage("L1", "HDR" + cbaGS), "HDR" + cbaGS + "L1" + cbaGS);
    EXPECT_EQ(fnbaMessage({}, "HDR"), "HDR" + cbaGS);
    for (const qsizetype iSize : {4096, 4097, 3 * 4096 + 5}) {
        QByteArray baContent(iSize, 'x');
        baContent[0] = 'A';
        baContent[iSize - 1] = 'Z';
        EXPECT_EQ(fnbaMessage(baContent, "H"), "H" + cbaGS + baContent + cbaGS) << iSize;
    }
    // A missing file builds no message.
    for (auto *pfn : {&fnbGenMessageString, &fnbGenMessageStringForHTTP}) {
        QByteArray baMessage = "old";
        EXPECT_FALSE(pfn(dir.filePath(QStringLiteral("none")), baMessage, "H") ||
                     !baMessage.isEmpty());
    }
}
