// A site registration from end to end: the transaction writes SiteRegs.txt,
// the communication library posts it over HTTPS to a running carrier host, and
// what the host answers is stored in the installation's database.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitCarrierHost.h"
#include "unitCommunicationDLLAccess.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitRWAWBLPAlloc.h"
#include "UnitScriptedAnswerer.h"
#include "unitSiteRegistration.h"
#include "UnitTestCertificates.h"
#include "UnitTestInstallation.h"
#include "UnitUserDataCacheDLLAccess.h"

#include <gtest/gtest.h>
#include <QRegularExpression>

namespace {
QVariant fnvScalar(const QString &stSQL) {
    TclsAdHocQuery query;
    EXPECT_EQ(query.fniOpen(stSQL), 0) << qPrintable(stSQL);
    return query.fnbNext() ? query.fnvField(0) : QVariant();
}

void pExec(const QString &stSQL, const QVariantList &vlBinds = {}) {
    TclsAdHocQuery query;
    ASSERT_EQ(query.fniExecute(stSQL, vlBinds), 0) << qPrintable(stSQL);
}

bool fnbSiteIdForm(const QString &st) {
    static const QRegularExpression re(QStringLiteral("^[A-Z]{3}[0-9]{10}ZOZ$"));
    return re.match(st).hasMatch();
}

// An installation whose Site Registration service points at a carrier host
// on this machine, with the rows a registration reads.
class RegistrationHTTPS : public ::testing::Test {
protected:
    TclsTestCertificates objCertificates;
    QTemporaryDir dirHost;
    TclsCarrierHost objHost;
    std::unique_ptr<TclsTestInstallation> objInstallation;
    TclsScriptedAnswerer objAnswers;

    void SetUp() override {
        ASSERT_TRUE(objCertificates.fnbOk()) << qPrintable(objCertificates.fnstError());
        TrecCarrierHostOptions recHost;
        recHost.stDatabaseFile = dirHost.filePath(QStringLiteral("host.db"));
        recHost.stCertFile = objCertificates.fnstCertFile();
        recHost.stKeyFile = objCertificates.fnstKeyFile();
        recHost.pfnLog = [](const QString &) {};
        QString stError;
        ASSERT_TRUE(objHost.fnbStart(recHost, stError)) << qPrintable(stError);
        pInstall(objCertificates.fnstCaFile());
    }

    void pInstall(const QString &stCAFile) {
        objInstallation.reset();
        TrecInstallationOptions rec = fnrecTestOptions();
        rec.stBinSource = qEnvironmentVariable("WIZARD_BIN_DIR");
        rec.recSeed.stSiteRegistrationServer = QStringLiteral("https://localhost");
        rec.recSeed.iSiteRegistrationPort = objHost.fniPort();
        rec.stCAFile = stCAFile;
        objInstallation = std::make_unique<TclsTestInstallation>(rec);
        ASSERT_TRUE(objInstallation->fnbOk()) << qPrintable(objInstallation->fnstError());
        // A client that gives up on a silent host after two seconds.
        QByteArray baIni = objInstallation->fnbaReadFile(QStringLiteral("Config/Installation.ini"));
        baIni.replace("[COMMUNICATION]\r\n",
                      "[COMMUNICATION]\r\nTIMEOUT=2\r\nCONNECT_TIMEOUT=2\r\n");
        ASSERT_TRUE(
            objInstallation->fnbWriteFile(QStringLiteral("Config/Installation.ini"), baIni));
        pExec(QStringLiteral(
                  "INSERT INTO customer_info (company, contact_name, address1, city, "
                  "postcode, country_cd, country_name, telephone) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
              {QStringLiteral("Harbour Traders"), QStringLiteral("Aoife Byrne"),
               QStringLiteral("12 Quay Street"), QStringLiteral("Cork"), QStringLiteral("T12 X2Y3"),
               QStringLiteral("IE"), QStringLiteral("Ireland"), QStringLiteral("+353214567890")});
        pExec(QStringLiteral(
            "UPDATE users SET account_number = '123456789' WHERE user_id = 'DEFAULT'"));
        pExec(QStringLiteral(
            "INSERT INTO country (country_cd, country_name) VALUES ('IE', 'Ireland')"));
        // The quantities the site-registration page saves before it registers.
        TclsRWAWBLPAlloc objAlloc;
        TclsRWAWBLPAllocData objQuantities;
        objQuantities.stShipmentNoQty = QStringLiteral("1000");
        objQuantities.stLPNoQty = QStringLiteral("10000");
        ASSERT_EQ(objAlloc.fnstSaveShipmentNoAlloc(objQuantities), QStringLiteral("success"));
        ASSERT_EQ(objAlloc.fnstSaveLPNoAlloc(objQuantities), QStringLiteral("success"));
    }

    // Registers with the rows as they are stored now.
    QString fnstRegister() {
        TclsRWSiteRegistration objSiteReg;
        objSiteReg.pSetAllocationRequest(
            {true, QStringLiteral("1000"), true, QStringLiteral("10000"), QStringLiteral("ORK")});
        return objSiteReg.fnstSiteRegistrationWithStoredRows();
    }
};
} // namespace

TEST_F(RegistrationHTTPS, TheHostsAnswerIsStoredAndTheCachesReload) {
    std::shared_ptr<const TclsConfigZorvData> objCached;
    ASSERT_EQ(fniGetConfigZorvData(objCached), 0);
    pExec(QStringLiteral("UPDATE config_zorv SET no_of_retries = 7"));
    const TrecCommLibraryUse recBefore = fnrecCommLibraryUse();

    const QString stSiteId = fnstRegister();
    ASSERT_TRUE(fnbSiteIdForm(stSiteId)) << qPrintable(stSiteId);
    EXPECT_TRUE(stSiteId.startsWith(QStringLiteral("HAR")));
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT site_id FROM config_morvane")).toString(), stSiteId);
    // The shipment range: 1000 numbers.
    const qint64 iShipmentLow =
        fnvScalar(QStringLiteral("SELECT start_number FROM shipment_number")).toLongLong();
    const qint64 iShipmentHigh =
        fnvScalar(QStringLiteral("SELECT end_number FROM shipment_number")).toLongLong();
    EXPECT_EQ(iShipmentHigh - iShipmentLow + 1, 1000);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT current_number FROM shipment_number")).toLongLong(),
              iShipmentLow);
    EXPECT_TRUE(fnvScalar(QStringLiteral("SELECT allocation_date FROM shipment_number"))
                    .toDateTime()
                    .isValid());
    // The LP range: code, type and 10000 numbers.
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT lp_prefix FROM zorv_lp")).toString().size(), 1);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT lp_type FROM zorv_lp")).toString().size(), 3);
    const qint64 iLPLow =
        fnvScalar(QStringLiteral("SELECT start_number FROM zorv_lp")).toLongLong();
    const qint64 iLPHigh = fnvScalar(QStringLiteral("SELECT end_number FROM zorv_lp")).toLongLong();
    EXPECT_EQ(iLPHigh - iLPLow + 1, 10000);
    // The pickup address from the customer information, the country by its code.
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT address1 FROM pickup")).toString(),
              QStringLiteral("12 Quay Street"));
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT city FROM pickup")).toString(),
              QStringLiteral("Cork"));
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT country_name FROM pickup")).toString(),
              QStringLiteral("Ireland"));
    // The caches hold the rows as stored now, and DEFAULT is the open user.
    std::shared_ptr<const TclsConfigZorvData> objReloaded;
    ASSERT_EQ(fniGetConfigZorvData(objReloaded), 0);
    EXPECT_EQ(objReloaded->no_of_retries, 7);
    EXPECT_EQ(fnstCurrentUserId(), QStringLiteral("DEFAULT"));
    // The library was loaded for the call and freed after it.
    EXPECT_EQ(fnrecCommLibraryUse().iLoads, recBefore.iLoads + 1);
    EXPECT_EQ(fnrecCommLibraryUse().iUnloads, recBefore.iUnloads + 1);
    EXPECT_FALSE(fnbCommunicationDLLLoaded());
    EXPECT_TRUE(objAnswers.fnarUnexpected().empty());
}

TEST_F(RegistrationHTTPS, ABadAnswerFailsAndARetrySucceeds) {
    const struct {
        const char *pchCase;
        TenumHostFailure enFailure;
    } arCases[] = {
        {"HTTP 500", TenumHostFailure::Http500},
        {"garbage", TenumHostFailure::Garbage},
        {"blank site ID", TenumHostFailure::BlankSiteId},
        {"truncated", TenumHostFailure::Truncated},
        {"no answer", TenumHostFailure::Hang},
    };
    const TrecCommLibraryUse recBefore = fnrecCommLibraryUse();
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.pchCase);
        objHost.pFailNextRequest(rec.enFailure);
        EXPECT_EQ(fnstRegister(), QStringLiteral("Site Registration Failed"));
        // Nothing the failed call touched; what was saved before stays.
        EXPECT_EQ(fnvScalar(QStringLiteral("SELECT site_id FROM config_morvane")).toString(),
                  QString());
        EXPECT_EQ(fnvScalar(QStringLiteral("SELECT allocation_qty FROM zorv_lp")).toInt(), 10000);
        EXPECT_EQ(fnvScalar(QStringLiteral("SELECT company FROM customer_info")).toString(),
                  QStringLiteral("Harbour Traders"));
    }
    EXPECT_EQ(fnrecCommLibraryUse().iLoads, recBefore.iLoads + int(std::size(arCases)));
    const QString stSiteId = fnstRegister();
    EXPECT_TRUE(fnbSiteIdForm(stSiteId)) << qPrintable(stSiteId);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT site_id FROM config_morvane")).toString(), stSiteId);
}

TEST_F(RegistrationHTTPS, ARangeTheHostDoesNotHandOutIsNotStored) {
    objHost.pFailNextRequest(TenumHostFailure::RangeStatus1);
    const QString stSiteId = fnstRegister();
    EXPECT_TRUE(fnbSiteIdForm(stSiteId)) << qPrintable(stSiteId);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT start_number FROM shipment_number")).toString(),
              QString());
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT start_number FROM zorv_lp")).toString(), QString());
}

TEST_F(RegistrationHTTPS, AHostCertificateFromAnotherAuthorityFails) {
    pInstall(objCertificates.fnstOtherCaFile());
    EXPECT_EQ(fnstRegister(), QStringLiteral("Site Registration Failed"));
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT site_id FROM config_morvane")).toString(),
              QString());
}
