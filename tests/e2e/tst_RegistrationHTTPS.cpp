// A site registration posted over HTTPS to a running carrier host, end to end.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitCarrierHost.h"
#include "unitCommunicationDLLAccess.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitRegistrationSite.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestCertificates.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"
#include "UnitUserDataCacheDLLAccess.h"

#include <gtest/gtest.h>

namespace {
class RegistrationHTTPS : public ::testing::Test {
protected:
    TclsTestCertificates objCertificates;
    QTemporaryDir dirHost;
    TclsCarrierHost objHost;
    std::unique_ptr<TclsTestInstallation> objInstallation;
    TclsScriptedAnswerer objAnswers;

    void SetUp() override {
        ASSERT_TRUE(objCertificates.fnbOk()) << qPrintable(objCertificates.fnstError());
        pStartHost(objCertificates, 0);
        TrecInstallationOptions rec = fnrecTestOptions();
        rec.stBinSource = qEnvironmentVariable("WIZARD_BIN_DIR");
        rec.recSeed.stSiteRegistrationServer = QStringLiteral("https://localhost");
        rec.recSeed.iSiteRegistrationPort = objHost.fniPort();
        rec.stCAFile = objCertificates.fnstCaFile();
        objInstallation = std::make_unique<TclsTestInstallation>(rec);
        ASSERT_TRUE(objInstallation->fnbOk()) << qPrintable(objInstallation->fnstError());
        // A client that gives up on a silent host after two seconds.
        ASSERT_TRUE(objInstallation->fnbEditInstallationIni(
            "[COMMUNICATION]\r\n", "[COMMUNICATION]\r\nTIMEOUT=2\r\nCONNECT_TIMEOUT=2\r\n"));
        const QStringList slFailed = fnslSeedRegisteringSite();
        ASSERT_TRUE(slFailed.isEmpty()) << qPrintable(slFailed.join(QLatin1Char('\n')));
    }

    void pStartHost(const TclsTestCertificates &objUsed, int iPort) {
        objHost.pStop();
        TrecCarrierHostOptions recHost;
        recHost.iPort = iPort;
        recHost.stDatabaseFile = dirHost.filePath(QStringLiteral("host.db"));
        recHost.stCertFile = objUsed.fnstCertFile();
        recHost.stKeyFile = objUsed.fnstKeyFile();
        recHost.pfnLog = [](const QString &) {};
        QString stError;
        ASSERT_TRUE(objHost.fnbStart(recHost, stError)) << qPrintable(stError);
    }

    void pTrust(const QString &stFrom, const QString &stTo) {
        ASSERT_TRUE(objInstallation->fnbEditInstallationIni("CA_FILE=" + stFrom.toUtf8(),
                                                            "CA_FILE=" + stTo.toUtf8()));
    }

    void pExpectFailedAndNothingLost() {
        EXPECT_EQ(fnstRegisterStoredSite(), QStringLiteral("Site Registration Failed"));
        EXPECT_EQ(fnslNotAsBeforeRegistering().join(QLatin1Char('\n')), QString());
    }

    void pExpectRegistered() {
        const QString stSiteId = fnstRegisterStoredSite();
        EXPECT_TRUE(fnbSiteIdForm(stSiteId)) << qPrintable(stSiteId);
        EXPECT_EQ(fnvScalar(QStringLiteral("SELECT site_id FROM config_morvane")).toString(),
                  stSiteId);
    }
};
} // namespace

TEST_F(RegistrationHTTPS, TheHostsAnswerIsStoredAndTheCachesReload) {
    std::shared_ptr<const TclsConfigZorvData> objCached;
    ASSERT_EQ(fniGetConfigZorvData(objCached), 0);
    EXPECT_EQ(fniExec(QStringLiteral("UPDATE config_zorv SET no_of_retries = 7")), 0);
    const TrecCommLibraryUse recBefore = fnrecCommLibraryUse();

    const QString stSiteId = fnstRegisterStoredSite();
    ASSERT_TRUE(fnbSiteIdForm(stSiteId)) << qPrintable(stSiteId);
    EXPECT_TRUE(stSiteId.startsWith(QStringLiteral("HAR")));
    EXPECT_EQ(fnslRegistrationNotStored(stSiteId).join(QLatin1Char('\n')), QString());
    EXPECT_TRUE(fnbOnTheRunsDatabase());
    // The caches hold the rows as stored now, and DEFAULT is the open user.
    std::shared_ptr<const TclsConfigZorvData> objReloaded;
    ASSERT_EQ(fniGetConfigZorvData(objReloaded), 0);
    EXPECT_EQ(objReloaded->no_of_retries, 7);
    EXPECT_EQ(fnstCurrentUserId(), QStringLiteral("DEFAULT"));
    EXPECT_EQ(fnrecCommLibraryUse().iUnloads, recBefore.iUnloads + 1);
    EXPECT_FALSE(fnbCommunicationDLLLoaded());
    EXPECT_TRUE(objAnswers.fnarUnexpected().empty());
}

TEST_F(RegistrationHTTPS, ABadAnswerFailsAndARetrySucceeds) {
    const std::pair<const char *, TenumHostFailure> arCases[] = {
        {"HTTP 500", TenumHostFailure::Http500},
        {"garbage", TenumHostFailure::Garbage},
        {"blank site ID", TenumHostFailure::BlankSiteId},
        {"truncated", TenumHostFailure::Truncated},
        {"no answer", TenumHostFailure::Hang},
        // A whole REGP past the size limit; a redirect to a path that would register.
        {"over the size limit", TenumHostFailure::Oversize},
        {"a redirect", TenumHostFailure::Redirect},
    };
    const TrecCommLibraryUse recBefore = fnrecCommLibraryUse();
    for (const auto &[pchCase, enFailure] : arCases) {
        SCOPED_TRACE(pchCase);
        objHost.pFailNextRequest(enFailure);
        pExpectFailedAndNothingLost();
    }
    EXPECT_EQ(fnrecCommLibraryUse().iLoads, recBefore.iLoads + int(std::size(arCases)));
    pExpectRegistered();
}

// A host unreachable, or with a trusted certificate for another name, fails.
TEST_F(RegistrationHTTPS, AnUnreachableMisnamedOrUntrustedHostFailsAndARetrySucceeds) {
    const QString stOurCA = objCertificates.fnstCaFile();
    const int iPort = objHost.fniPort();
    objHost.pStop();
    pExpectFailedAndNothingLost();
    TclsTestCertificates objMisnamed(QStringLiteral("DNS:carrier.invalid"));
    ASSERT_TRUE(objMisnamed.fnbOk()) << qPrintable(objMisnamed.fnstError());
    pStartHost(objMisnamed, iPort);
    pTrust(stOurCA, objMisnamed.fnstCaFile());
    pExpectFailedAndNothingLost();
    pStartHost(objCertificates, iPort); // an authority the installation does not trust
    pExpectFailedAndNothingLost();
    pTrust(objMisnamed.fnstCaFile(), stOurCA);
    pExpectRegistered();
}
