// Registration benchmark: a whole site registration over HTTPS against the
// carrier host on loopback (SiteRegs.txt, the message, loading the
// communication library, the TLS call, storing the answer), against a bare
// libcurl POST of the same body on a fresh connection, trusting the same
// authorities, alternating. Prints both medians and their ratio.
//   registration [RUNS]
#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitCarrierHost.h"
#include "unitGlobalData.h"
#include "UnitInstallationBuilder.h"
#include "UnitMsgDialog.h"
#include "UnitRWAWBLPAlloc.h"
#include "unitSiteRegistration.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <curl/curl.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

namespace {
using TClock = std::chrono::steady_clock;

bool fnbRun(const QString &stDir, const QStringList &slArgs) {
    QProcess objProcess;
    objProcess.setWorkingDirectory(stDir);
    objProcess.start(QStringLiteral("openssl"), slArgs);
    return objProcess.waitForFinished(60000) && objProcess.exitCode() == 0;
}

// A throw-away authority and a certificate for localhost.
bool fnbMakeCertificates(const QString &stDir) {
    QFile fileExt(stDir + QStringLiteral("/host.ext"));
    if (!fileExt.open(QIODevice::WriteOnly))
        return false;
    fileExt.write("subjectAltName=DNS:localhost,IP:127.0.0.1\nbasicConstraints=CA:FALSE\n");
    fileExt.close();
    return fnbRun(stDir, {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
                          "/CN=Bench CA", "-keyout", "ca.key", "-out", "ca.pem"}) &&
           fnbRun(stDir, {"req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=localhost",
                          "-keyout", "host.key", "-out", "host.csr"}) &&
           fnbRun(stDir,
                  {"x509", "-req", "-in", "host.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
                   "-CAcreateserial", "-days", "1", "-extfile", "host.ext", "-out", "host.pem"});
}

bool fnbPrepareRows() {
    TclsAdHocQuery query;
    if (query.fniExecute(
            QStringLiteral("INSERT INTO customer_info (company, contact_name, address1, "
                           "city, country_cd, country_name) VALUES (?, ?, ?, ?, ?, ?)"),
            {QStringLiteral("Harbour Traders"), QStringLiteral("Aoife Byrne"),
             QStringLiteral("12 Quay Street"), QStringLiteral("Cork"), QStringLiteral("IE"),
             QStringLiteral("Ireland")}) != 0)
        return false;
    TclsRWAWBLPAlloc objAlloc;
    TclsRWAWBLPAllocData objQuantities;
    objQuantities.stShipmentNoQty = QStringLiteral("1000");
    objQuantities.stLPNoQty = QStringLiteral("10000");
    return objAlloc.fnstSaveShipmentNoAlloc(objQuantities) == QLatin1String("success") &&
           objAlloc.fnstSaveLPNoAlloc(objQuantities) == QLatin1String("success");
}

// One registration as the wizard makes it; returns the site ID or the failure.
QString fnstRegister(QByteArray *pbaBody) {
    TclsRWSiteRegistration objSiteReg;
    objSiteReg.pSetAllocationRequest(
        {true, QStringLiteral("1000"), true, QStringLiteral("10000"), QStringLiteral("ORK")});
    const QString stResult = objSiteReg.fnstSiteRegistrationWithStoredRows();
    if (pbaBody)
        *pbaBody = objSiteReg.fnbaMessageString();
    return stResult;
}

size_t fniDiscard(char *, size_t iSize, size_t iCount, void *pUser) {
    static_cast<std::string *>(pUser)->append(iSize * iCount, ' ');
    return iSize * iCount;
}

// The CA file joins the system's authorities, as the communication library
// trusts them, so both calls verify the host against the same store.
CURLcode fneAddCAFile(CURL *, void *pSslContext, void *pCAFile) {
    X509_STORE *pStore = SSL_CTX_get_cert_store(static_cast<SSL_CTX *>(pSslContext));
    return X509_STORE_load_file(pStore, static_cast<const char *>(pCAFile)) == 1
               ? CURLE_OK
               : CURLE_SSL_CACERT_BADFILE;
}

// The same body, posted by libcurl on a fresh connection.
bool fnbBarePost(const std::string &stUrl, const QByteArray &baBody, const std::string &stCAFile) {
    CURL *pCurl = curl_easy_init();
    std::string stReply;
    curl_easy_setopt(pCurl, CURLOPT_URL, stUrl.c_str());
    curl_easy_setopt(pCurl, CURLOPT_POSTFIELDS, baBody.constData());
    curl_easy_setopt(pCurl, CURLOPT_POSTFIELDSIZE, long(baBody.size()));
    curl_easy_setopt(pCurl, CURLOPT_SSL_CTX_FUNCTION, fneAddCAFile);
    curl_easy_setopt(pCurl, CURLOPT_SSL_CTX_DATA, const_cast<char *>(stCAFile.c_str()));
    curl_easy_setopt(pCurl, CURLOPT_WRITEFUNCTION, fniDiscard);
    curl_easy_setopt(pCurl, CURLOPT_WRITEDATA, &stReply);
    long iStatus = 0;
    const bool bOk = curl_easy_perform(pCurl) == CURLE_OK &&
                     curl_easy_getinfo(pCurl, CURLINFO_RESPONSE_CODE, &iStatus) == CURLE_OK &&
                     iStatus == 200;
    curl_easy_cleanup(pCurl);
    return bOk;
}

double fndMedian(std::vector<double> ar) {
    std::sort(ar.begin(), ar.end());
    return ar.empty()      ? 0
           : ar.size() % 2 ? ar[ar.size() / 2]
                           : (ar[ar.size() / 2 - 1] + ar[ar.size() / 2]) / 2;
}

double fndMilliseconds(TClock::time_point tStart) {
    return std::chrono::duration<double, std::milli>(TClock::now() - tStart).count();
}
} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int iRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    pSetMessageAnswerer(fniAnswerWithDefault);
    QTemporaryDir dir;
    const QString stHostDir = dir.filePath(QStringLiteral("Host"));
    QDir().mkpath(stHostDir);
    if (!fnbMakeCertificates(stHostDir)) {
        std::fprintf(stderr, "registration: the openssl command could not make certificates\n");
        return 1;
    }
    TclsCarrierHost objHost;
    TrecCarrierHostOptions recHost;
    recHost.stDatabaseFile = stHostDir + QStringLiteral("/host.db");
    recHost.stCertFile = stHostDir + QStringLiteral("/host.pem");
    recHost.stKeyFile = stHostDir + QStringLiteral("/host.key");
    recHost.pfnLog = [](const QString &) {};
    QString stError;
    if (!objHost.fnbStart(recHost, stError)) {
        std::fprintf(stderr, "registration: %s\n", qPrintable(stError));
        return 1;
    }
    TrecInstallationOptions rec;
    rec.recSources = fnrecDefaultReferenceSources();
    rec.bReferenceData = false;
    rec.stBinSource = QCoreApplication::applicationDirPath();
    rec.recSeed.stSiteRegistrationServer = QStringLiteral("https://localhost");
    rec.recSeed.iSiteRegistrationPort = objHost.fniPort();
    rec.stCAFile = stHostDir + QStringLiteral("/ca.pem");
    const QString stRoot = dir.filePath(QStringLiteral("Installation"));
    if (!fnbMakeInstallation(stRoot, rec, stError)) {
        std::fprintf(stderr, "registration: %s\n", qPrintable(stError));
        return 1;
    }
    QDir::setCurrent(stRoot + QStringLiteral("/Bin"));
    pSetExecutableDir(stRoot + QStringLiteral("/Bin"));
    if (!fnbPrepareRows()) {
        std::fprintf(stderr, "registration: the installation's rows could not be prepared\n");
        return 1;
    }
    QByteArray baBody;
    if (fnstRegister(&baBody).size() != 16) { // warm-up, and the body for the bare call
        std::fprintf(stderr, "registration: the first registration failed\n");
        return 1;
    }
    const std::string stUrl =
        QStringLiteral("https://localhost:%1/").arg(objHost.fniPort()).toStdString();
    const std::string stCAFile = rec.stCAFile.toStdString();
    curl_global_init(CURL_GLOBAL_DEFAULT);
    std::vector<double> arWizard, arBare;
    for (int i = 0; i < iRuns; ++i) {
        auto tStart = TClock::now();
        const bool bRegistered = fnstRegister(nullptr).size() == 16;
        arWizard.push_back(fndMilliseconds(tStart));
        tStart = TClock::now();
        const bool bPosted = fnbBarePost(stUrl, baBody, stCAFile);
        arBare.push_back(fndMilliseconds(tStart));
        if (!bRegistered || !bPosted) {
            std::fprintf(stderr, "registration: run %d failed\n", i + 1);
            return 1;
        }
    }
    curl_global_cleanup();
    const double dWizard = fndMedian(arWizard), dBare = fndMedian(arBare);
    std::printf("runs each:              %d\n", iRuns);
    std::printf("registration, median:   %8.2f ms\n", dWizard);
    std::printf("bare libcurl, median:   %8.2f ms\n", dBare);
    std::printf("ratio registration/bare:%8.2f\n", dWizard / dBare);
    pDisconnectDatabase();
    return 0;
}
