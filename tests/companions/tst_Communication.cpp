// The communication library as the wizard uses it: loaded by name from the
// build's bin folder for each call, reading the installation's settings and
// posting to a carrier host, a proxy or nothing at all, on loopback.
#include "MorvaneCommunication.h"

#include "UnitAdHocQuery.h"
#include "UnitCommunicationLibrary.h"
#include "UnitCommunicationPeers.h"
#include "UnitTestCertificates.h"
#include "UnitTestInstallation.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

namespace {

struct TrecCall {
    std::string stResult;
    TrecSiteRegHTTPResp recReply;
};

// One registration call with a reply record full of leftovers, as a caller's
// memory may be.
TrecCall fnrecPost(const std::string &stBody, int iSSL = 0, int iService = 5) {
    TrecCall rec;
    std::memset(&rec.recReply, 0x5A, sizeof rec.recReply);
    TclsCommunicationLibrary objLibrary;
    if (!objLibrary.fnbOk()) {
        const char *pchError = dlerror();
        return {"library not loaded: " + std::string(pchError ? pchError : ""), {}};
    }
    char achResult[MV_RESULT_TEXT];
    objLibrary.pfnHTTP(achResult, sizeof achResult, stBody.data(), stBody.size(), &rec.recReply,
                       iSSL, iService, "");
    rec.stResult = achResult;
    return rec;
}

bool fnbCleared(const TrecSiteRegHTTPResp &rec) {
    const TrecSiteRegHTTPResp recEmpty{};
    return std::memcmp(&rec, &recEmpty, sizeof rec) == 0;
}

template <size_t N> std::string fnstText(const char (&ach)[N]) {
    const void *pEnd = std::memchr(ach, '\0', N);
    return pEnd ? std::string(ach) : std::string("<no terminating NUL>");
}

template <class TShort> std::string fnstShort(const TShort &sht) {
    return sht.iLength > sizeof sht.achText ? std::string("<length past the field>")
                                            : std::string(sht.achText, sht.iLength);
}

using TFields = std::vector<std::pair<std::string, std::string>>;

const TFields carGoodReply = {{"msg_code", "REGP"},         {"site_id", "ABC0000012345ZOZ"},
                              {"shp_status", "0"},          {"shp_low", "1000"},
                              {"shp_high", "1999"},         {"shp_date", "05122026"},
                              {"lp_status", "0"},           {"lp_low", "JJD0000100"},
                              {"lp_high", "JJD0000199"},    {"pu_status", "0"},
                              {"pu_addr1", "1 Harbour St"}, {"pu_addr2", "Level 2"},
                              {"pu_addr3", "Suite 5"},      {"pu_city", "Sydney"},
                              {"pu_postcode", "2000"},      {"pu_country", "AU"}};

const std::string cstGoodReply = fnstFormBody(carGoodReply);
const std::string cstProxyPassword = "s3cret:pass";

// A certificate authority and a host certificate it signed, made once per run.
const TclsTestCertificates &fnobjCertificates() {
    static const TclsTestCertificates objCertificates;
    return objCertificates;
}

void pPointAt(const QString &stServer, int iPort) {
    TclsAdHocQuery objQuery;
    ASSERT_EQ(
        objQuery.fniExecute(QStringLiteral("UPDATE comm_service_settings SET http_server = ?, "
                                           "http_port = ? WHERE service_name = ?"),
                            {stServer, iPort, QStringLiteral("Site Registration")}),
        0);
}

struct TrecInternet {
    int iType = 2;
    QString stHTTPProxy = {};
    int iHTTPPort = 0;
    QString stHTTPSProxy = {};
    int iHTTPSPort = 0;
    bool bCredentials = false;
    bool bNTLM = false;
    bool bBrowser = false;
};

void pSetInternet(const TrecInternet &rec) {
    TclsAdHocQuery objQuery;
    ASSERT_EQ(objQuery.fniExecute(
                  QStringLiteral("UPDATE internet_setting SET connection_type = ?, "
                                 "use_browser_settings = ?, http_proxy = ?, http_port = ?, "
                                 "https_proxy = ?, https_port = ?, use_credentials = ?, "
                                 "proxy_user = ?, proxy_password = ?, ntlm = ?"),
                  {rec.iType, rec.bBrowser, rec.stHTTPProxy, rec.iHTTPPort, rec.stHTTPSProxy,
                   rec.iHTTPSPort, rec.bCredentials, QStringLiteral("agent"),
                   QString::fromStdString(cstProxyPassword), rec.bNTLM}),
              0);
}

// Rewrites a configuration file as the installation built it plus stAddition.
class TclsConfigFile {
public:
    TclsConfigFile(const TclsTestInstallation &obj, const QString &stRelative)
        : objInstallation(obj), stFile(stRelative), baOriginal(obj.fnbaReadFile(stRelative)) {}
    void pSet(const QByteArray &baAddition) const {
        ASSERT_TRUE(objInstallation.fnbWriteFile(stFile, baOriginal + baAddition));
    }

private:
    const TclsTestInstallation &objInstallation;
    QString stFile;
    QByteArray baOriginal;
};

QByteArray fnbaCommunicationSection(const QString &stCAFile, int iTimeout = 10) {
    QByteArray ba = "[COMMUNICATION]\r\nTIMEOUT=" + QByteArray::number(iTimeout) + "\r\n";
    if (!stCAFile.isEmpty())
        ba += "CA_FILE=" + stCAFile.toUtf8() + "\r\n";
    return ba;
}

// A test installation and its Installation.ini, which each case extends.
struct TrecSetup {
    explicit TrecSetup(const TrecInstallationOptions &rec = fnrecTestOptions())
        : objInstallation(rec), objIni(objInstallation, QStringLiteral("Config/Installation.ini")) {
    }
    TclsTestInstallation objInstallation;
    TclsConfigFile objIni;
};

class TclsEnvironmentVariable {
public:
    TclsEnvironmentVariable(const char *pchName, const std::string &stValue) : pchName(pchName) {
        if (const char *pch = std::getenv(pchName))
            optPrevious = pch;
        setenv(pchName, stValue.c_str(), 1);
    }
    ~TclsEnvironmentVariable() {
        if (optPrevious)
            setenv(pchName, optPrevious->c_str(), 1);
        else
            unsetenv(pchName);
    }

private:
    const char *pchName;
    std::optional<std::string> optPrevious;
};

QByteArray fnbaLogs(const TclsTestInstallation &obj) {
    QByteArray ba;
    const QDir dirLogs(obj.fnstPath(QStringLiteral("Logs")));
    for (const QString &stName : dirLogs.entryList(QDir::Files))
        ba += obj.fnbaReadFile(QStringLiteral("Logs/") + stName);
    return ba;
}

} // namespace

TEST(Communication, GoodReplyFillsEveryFieldAndCutsTheAddressTexts) {
    TrecSetup recSetup;
    ASSERT_TRUE(recSetup.objInstallation.fnbOk())
        << recSetup.objInstallation.fnstError().toStdString();
    TclsHostSimulator objHost;
    ASSERT_TRUE(objHost.fnbOk());
    recSetup.objIni.pSet(fnbaCommunicationSection(QString()));
    pPointAt(QStringLiteral("http://127.0.0.1"), objHost.fniPort());

    TFields arFields = carGoodReply;
    arFields[10].second = std::string(70, 'x');                    // pu_addr1: 63 characters
    arFields[13].second = std::string(62, 'c') + "\xC3\xA9" + "z"; // pu_city: no half character
    arFields[11] = {"unknown_field", "ignored"};
    objHost.pAnswer(200, fnstFormBody(arFields) + "&pu_addr2=Level+2%2FB");

    const TrecCall rec = fnrecPost("msg_type=REGR");
    ASSERT_EQ(rec.stResult, "SUCCESS");
    const TrecSiteRegHTTPResp &r = rec.recReply;
    const TFields arActual = {{"msg_code", fnstShort(r.shtMessageCode)},
                              {"site_id", fnstShort(r.shtSiteId)},
                              {"shp_status", fnstText(r.achShipmentStatus)},
                              {"shp_low", fnstText(r.achShipmentLowerBound)},
                              {"shp_high", fnstText(r.achShipmentUpperBound)},
                              {"shp_date", fnstShort(r.shtAllocationDate)},
                              {"lp_status", fnstText(r.achLPStatus)},
                              {"lp_low", fnstText(r.achLPLowerBound)},
                              {"lp_high", fnstText(r.achLPUpperBound)},
                              {"pu_status", fnstText(r.achPickupStatus)},
                              {"pu_addr1", fnstText(r.achPickupAddress1)},
                              {"pu_addr2", fnstText(r.achPickupAddress2)},
                              {"pu_addr3", fnstText(r.achPickupAddress3)},
                              {"pu_city", fnstText(r.achPickupCity)},
                              {"pu_postcode", fnstText(r.achPickupPostcode)},
                              {"pu_country", fnstText(r.achPickupCountryCode)}};
    TFields arExpected = carGoodReply;
    arExpected[10].second = std::string(63, 'x');
    arExpected[11].second = "Level 2/B";
    arExpected[13].second = std::string(62, 'c');
    EXPECT_EQ(arActual, arExpected);
}

TEST(Communication, RequestIsTheExactFormBody) {
    TrecSetup recSetup;
    ASSERT_TRUE(recSetup.objInstallation.fnbOk());
    TclsHostSimulator objHost;
    recSetup.objIni.pSet(fnbaCommunicationSection(QString()));
    pPointAt(QStringLiteral("127.0.0.1/carrier/siteregistration"), objHost.fniPort());
    objHost.pAnswer(200, cstGoodReply);

    // Every byte a form body may hold, escapes included, must arrive as given.
    std::string stBody = "msg_type=REGR&msg_hdr=REGR%2016&msg_bdy=";
    for (int i = 0; i < 200; ++i)
        stBody += "line+" + std::to_string(i) + "%26%3D%0D%0A";
    ASSERT_EQ(fnrecPost(stBody).stResult, "SUCCESS");

    const std::vector<TrecHostRequest> arRequests = objHost.fnarRequests();
    ASSERT_EQ(arRequests.size(), 1u);
    EXPECT_EQ(arRequests[0].stMethod, "POST");
    EXPECT_EQ(arRequests[0].stPath, "/carrier/siteregistration");
    EXPECT_EQ(arRequests[0].stContentType, "application/x-www-form-urlencoded");
    EXPECT_EQ(arRequests[0].stBody, stBody);
}

TEST(Communication, AddressComesFromTheServiceRowAndTheFlagChoosesTLS) {
    ASSERT_TRUE(fnobjCertificates().fnbOk()) << fnobjCertificates().fnstError().toStdString();
    TrecSetup recSetup;
    ASSERT_TRUE(recSetup.objInstallation.fnbOk());
    TclsHostSimulator objPlain;
    TclsHostSimulator objTLS(&fnobjCertificates());
    ASSERT_TRUE(objPlain.fnbOk() && objTLS.fnbOk());
    objPlain.pAnswer(200, cstGoodReply);
    objTLS.pAnswer(200, cstGoodReply);
    recSetup.objIni.pSet(fnbaCommunicationSection(fnobjCertificates().fnstCaFile()));
    const QString stPlain = QString::number(objPlain.fniPort());
    const QString stTLS = QString::number(objTLS.fniPort());

    enum THost { hPlain, hTLS };
    const struct {
        QString stServer;
        int iPort;
        int iSSL;
        THost eHost;
        std::string stPath;
    } arCases[] = {
        {QStringLiteral("127.0.0.1"), objPlain.fniPort(), 0, hPlain, "/"},
        {QStringLiteral(" http://127.0.0.1/carrier/reg "), objPlain.fniPort(), 0, hPlain,
         "/carrier/reg"},
        {QStringLiteral("HTTP://127.0.0.1:") + stPlain + QStringLiteral("/x?y=1"), 1, 0, hPlain,
         "/x"},
        {QStringLiteral("https://127.0.0.1"), objPlain.fniPort(), 0, hPlain, "/"},
        {QStringLiteral("http://127.0.0.1/tls"), objTLS.fniPort(), 1, hTLS, "/tls"},
        {QStringLiteral("127.0.0.1:") + stTLS, 0, 1, hTLS, "/"},
    };
    for (const auto &recCase : arCases) {
        SCOPED_TRACE(recCase.stServer.toStdString());
        pPointAt(recCase.stServer, recCase.iPort);
        const size_t iPlainBefore = objPlain.fnarRequests().size();
        const size_t iTLSBefore = objTLS.fnarRequests().size();
        EXPECT_EQ(fnrecPost("msg_type=REGR", recCase.iSSL).stResult, "SUCCESS");
        const TclsHostSimulator &objHost = recCase.eHost == hPlain ? objPlain : objTLS;
        const std::vector<TrecHostRequest> arRequests = objHost.fnarRequests();
        ASSERT_EQ(objPlain.fnarRequests().size() + objTLS.fnarRequests().size(),
                  iPlainBefore + iTLSBefore + 1);
        ASSERT_EQ(arRequests.size(), (recCase.eHost == hPlain ? iPlainBefore : iTLSBefore) + 1);
        EXPECT_EQ(arRequests.back().stPath, recCase.stPath);
    }
}

TEST(Communication, HostCertificateIsVerified) {
    const TclsTestCertificates &objRight = fnobjCertificates();
    const TclsTestCertificates objOtherCA;
    const TclsTestCertificates objOtherName(QStringLiteral("DNS:carrier.invalid"));
    ASSERT_TRUE(objRight.fnbOk() && objOtherCA.fnbOk() && objOtherName.fnbOk());
    TrecSetup recSetup;
    ASSERT_TRUE(recSetup.objInstallation.fnbOk());
    ASSERT_TRUE(QDir(recSetup.objInstallation.fnstPath(QStringLiteral("Config")))
                    .mkdir(QStringLiteral("certs")));
    ASSERT_TRUE(QFile::copy(objRight.fnstCaFile(), recSetup.objInstallation.fnstPath(
                                                       QStringLiteral("Config/certs/CA.pem"))));

    const struct {
        const char *pchCase;
        const TclsTestCertificates *pobjHost;
        QString stCAFile;
        std::string stResult;
    } arCases[] = {
        {"the installation's CA", &objRight, objRight.fnstCaFile(), "SUCCESS"},
        {"a relative CA file, any case", &objRight, QStringLiteral("Certs\\ca.pem"), "SUCCESS"},
        {"no CA file: the system's CAs only", &objRight, QString(), "FAILURE"},
        {"another CA", &objRight, objOtherCA.fnstCaFile(), "FAILURE"},
        {"a CA file that is missing", &objRight, QStringLiteral("certs/none.pem"), "FAILURE"},
        {"a certificate for another name", &objOtherName, objOtherName.fnstCaFile(), "FAILURE"},
    };
    for (const auto &recCase : arCases) {
        SCOPED_TRACE(recCase.pchCase);
        TclsHostSimulator objHost(recCase.pobjHost);
        ASSERT_TRUE(objHost.fnbOk());
        objHost.pAnswer(200, cstGoodReply);
        recSetup.objIni.pSet(fnbaCommunicationSection(recCase.stCAFile));
        pPointAt(QStringLiteral("https://127.0.0.1"), objHost.fniPort());
        EXPECT_EQ(fnrecPost("msg_type=REGR", 1).stResult, recCase.stResult);
    }
}

TEST(Communication, RepliesThatAreNotARegistrationReplyFail) {
    TrecSetup recSetup;
    ASSERT_TRUE(recSetup.objInstallation.fnbOk());
    TclsHostSimulator objHost;
    recSetup.objIni.pSet(fnbaCommunicationSection(QString()));
    pPointAt(QStringLiteral("127.0.0.1"), objHost.fniPort());
    const std::string stPadding = "msg_code=REGP&pad=";

    const struct {
        const char *pchCase;
        int iStatus;
        std::string stBody;
        std::string stResult;
    } arCases[] = {
        {"a good reply with a line end", 200, cstGoodReply + "\r\n", "SUCCESS"},
        {"empty pairs are skipped", 200, "&&msg_code=REGP&", "SUCCESS"},
        {"64 KiB exactly", 200, stPadding + std::string(65536 - stPadding.size(), 'x'), "SUCCESS"},
        {"one byte more than 64 KiB", 200, stPadding + std::string(65537 - stPadding.size(), 'x'),
         "FAILURE"},
        {"status 500", 500, cstGoodReply, "FAILURE"},
        {"status 302", 302, cstGoodReply, "FAILURE"},
        {"an HTML page", 200, "<html><body>Service unavailable</body></html>", "FAILURE"},
        {"no msg_code", 200, "site_id=ABC0000012345ZOZ&shp_status=0", "FAILURE"},
        {"an empty msg_code", 200, "msg_code=&site_id=ABC0000012345ZOZ", "FAILURE"},
        {"an empty body", 200, "", "FAILURE"},
        {"a bad escape", 200, "msg_code=REGP&site_id=%zz", "FAILURE"},
        {"an escape cut short", 200, "msg_code=REGP&pu_city=Syd%4", "FAILURE"},
        {"an escaped NUL", 200, "msg_code=REGP&site_id=ABC%00DEF", "FAILURE"},
        {"a pair without =", 200, "msg_code=REGP&site_id", "FAILURE"},
        {"a raw blank", 200, "msg_code=REGP&pu_city=Sydney North", "FAILURE"},
        {"a field given twice", 200, "msg_code=REGP&site_id=A&site_id=B", "FAILURE"},
        // Cut to its field it would be another ID; an address text is cut.
        {"a 17-character site ID", 200, "msg_code=REGP&site_id=ABC1234567890ZOZX", "FAILURE"},
        {"a 9-character date", 200, "msg_code=REGP&shp_date=051220269", "FAILURE"},
        {"a long pickup city", 200, "msg_code=REGP&pu_city=" + std::string(200, 'c'), "SUCCESS"},
    };
    for (const auto &recCase : arCases) {
        SCOPED_TRACE(recCase.pchCase);
        objHost.pAnswer(recCase.iStatus, recCase.stBody);
        const TrecCall rec = fnrecPost("msg_type=REGR");
        EXPECT_EQ(rec.stResult, recCase.stResult);
        if (recCase.stResult == "SUCCESS")
            EXPECT_EQ(fnstShort(rec.recReply.shtMessageCode), "REGP");
        else
            EXPECT_TRUE(fnbCleared(rec.recReply));
    }
}

TEST(Communication, HostThatNeverAnswersFailsAtTheTimeOut) {
    TrecSetup recSetup;
    ASSERT_TRUE(recSetup.objInstallation.fnbOk());
    TclsHostSimulator objHost;
    recSetup.objIni.pSet(fnbaCommunicationSection(QString(), 2));
    pPointAt(QStringLiteral("127.0.0.1"), objHost.fniPort());
    // Held past the time-out, then a good answer: only a time-out makes this fail.
    objHost.pAnswer(200, cstGoodReply);
    objHost.pHold();
    EXPECT_EQ(fnrecPost("msg_type=REGR").stResult, "FAILURE");
    EXPECT_EQ(objHost.fnarRequests().size(), 1u);
}

TEST(Communication, AbortStopsTheRunningCallOnly) {
    TrecSetup recSetup;
    ASSERT_TRUE(recSetup.objInstallation.fnbOk());
    TclsHostSimulator objHost;
    recSetup.objIni.pSet(fnbaCommunicationSection(QString(), 30));
    pPointAt(QStringLiteral("127.0.0.1"), objHost.fniPort());
    objHost.pAnswer(200, cstGoodReply);
    objHost.pHold();

    TclsCommunicationLibrary objLibrary;
    ASSERT_TRUE(objLibrary.fnbOk());
    std::thread thrAbort([&] {
        if (objHost.fnbWaitForRequest(15000))
            objLibrary.pfnAbort();
    });
    TrecSiteRegHTTPResp recReply{};
    char achResult[MV_RESULT_TEXT];
    objLibrary.pfnHTTP(achResult, sizeof achResult, "msg_type=REGR", 13, &recReply, 0, 5, "");
    thrAbort.join();
    EXPECT_STREQ(achResult, "FAILURE");

    TclsHostSimulator objSecondHost;
    objSecondHost.pAnswer(200, cstGoodReply);
    pPointAt(QStringLiteral("127.0.0.1"), objSecondHost.fniPort());
    objLibrary.pfnHTTP(achResult, sizeof achResult, "msg_type=REGR", 13, &recReply, 0, 5, "");
    EXPECT_STREQ(achResult, "SUCCESS");
}

TEST(Communication, InternetSettingsChooseTheProxy) {
    ASSERT_TRUE(fnobjCertificates().fnbOk());
    TrecSetup recSetup;
    ASSERT_TRUE(recSetup.objInstallation.fnbOk());
    const TclsConfigFile objRegistry(recSetup.objInstallation,
                                     QStringLiteral("Config/registry.ini"));
    TclsHostSimulator objHost;
    TclsHostSimulator objTLSHost(&fnobjCertificates());
    TclsRecordingProxy objProxy(cstGoodReply);
    ASSERT_TRUE(objHost.fnbOk() && objTLSHost.fnbOk() && objProxy.fnbOk());
    objHost.pAnswer(200, cstGoodReply);
    recSetup.objIni.pSet(fnbaCommunicationSection(fnobjCertificates().fnstCaFile()));

    // The environment names the proxy too: a direct call must not use it.
    const std::string stProxyUrl = "http://127.0.0.1:" + std::to_string(objProxy.fniPort());
    const TclsEnvironmentVariable envHTTP("http_proxy", stProxyUrl);
    const TclsEnvironmentVariable envHTTPS("https_proxy", stProxyUrl);
    const TclsEnvironmentVariable envHTTPSUpper("HTTPS_PROXY", stProxyUrl);
    const TclsEnvironmentVariable envAll("ALL_PROXY", stProxyUrl);

    const QString stLoop = QStringLiteral("127.0.0.1");
    const int iProxy = objProxy.fniPort();
    const std::string stPost =
        "POST http://127.0.0.1:" + std::to_string(objHost.fniPort()) + "/ HTTP/1.1";
    const std::string stConnect =
        "CONNECT 127.0.0.1:" + std::to_string(objTLSHost.fniPort()) + " HTTP/1.1";
    const std::string stBasic =
        "Basic " +
        QByteArray("agent:" + QByteArray::fromStdString(cstProxyPassword)).toBase64().toStdString();
    const QByteArray baBrowserKey =
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
        "Settings]\r\nProxyServer=";
    const QByteArray baProxy = "127.0.0.1:" + QByteArray::number(iProxy);

    const TrecInternet recHTTPProxy{.iType = 0, .stHTTPProxy = stLoop, .iHTTPPort = iProxy};
    const TrecInternet recHTTPSProxy{.iType = 0, .stHTTPSProxy = stLoop, .iHTTPSPort = iProxy};
    const auto fnrecWith = [](TrecInternet rec, auto fnChange) {
        fnChange(rec);
        return rec;
    };
    const struct {
        const char *pchCase;
        TrecInternet recInternet;
        int iSSL;
        QByteArray baBrowserProxy;
        std::string stRequestLine; // empty: straight to the host
        std::string stAuthorization;
        std::string stResult;
    } arCases[] = {
        // clang-format off
        {"without proxy", fnrecWith(recHTTPProxy, [](auto &r) { r.iType = 2; }), 0, {}, {}, {}, "SUCCESS"},
        {"dial-up", fnrecWith(recHTTPProxy, [](auto &r) { r.iType = 1; }), 0, {}, {}, {}, "SUCCESS"},
        {"proxy without an address", {.iType = 0}, 0, {}, {}, {}, "SUCCESS"},
        {"only an HTTPS proxy for HTTP", recHTTPSProxy, 0, {}, {}, {}, "SUCCESS"},
        {"HTTP proxy", recHTTPProxy, 0, {}, stPost, {}, "SUCCESS"},
        {"HTTPS proxy tunnels", recHTTPSProxy, 1, {}, stConnect, {}, "FAILURE"},
        {"basic login", fnrecWith(recHTTPProxy, [](auto &r) { r.bCredentials = true; }), 0, {}, stPost, stBasic, "SUCCESS"},
        {"NTLM login", fnrecWith(recHTTPProxy, [](auto &r) { r.bCredentials = r.bNTLM = true; }), 0, {}, stPost, "NTLM ", "SUCCESS"},
        {"login not confirmed", fnrecWith(recHTTPProxy, [](auto &r) { r.bNTLM = true; }), 0, {}, stPost, {}, "SUCCESS"},
        {"browser proxy", {.iType = 0, .bBrowser = true}, 0, "ftp=10.0.0.9:21;http=" + baProxy, stPost, {}, "SUCCESS"},
        {"browser proxy for every protocol", {.iType = 0, .bBrowser = true}, 0, baProxy, stPost, {}, "SUCCESS"},
        {"browser without a proxy for HTTP", fnrecWith(recHTTPProxy, [](auto &r) { r.bBrowser = true; }), 0, "https=" + baProxy, {}, {}, "SUCCESS"},
        // clang-format on
    };
    for (const auto &recCase : arCases) {
        SCOPED_TRACE(recCase.pchCase);
        pSetInternet(recCase.recInternet);
        objRegistry.pSet(recCase.baBrowserProxy.isEmpty()
                             ? QByteArray()
                             : baBrowserKey + recCase.baBrowserProxy + "\r\n");
        pPointAt(stLoop, recCase.iSSL ? objTLSHost.fniPort() : objHost.fniPort());
        objProxy.pClear();
        const size_t iHostBefore = objHost.fnarRequests().size() + objTLSHost.fnarRequests().size();

        EXPECT_EQ(fnrecPost("msg_type=REGR", recCase.iSSL).stResult, recCase.stResult);
        const std::vector<TrecProxyRequest> arProxied = objProxy.fnarRequests();
        const size_t iHostRequests =
            objHost.fnarRequests().size() + objTLSHost.fnarRequests().size() - iHostBefore;
        if (recCase.stRequestLine.empty()) {
            EXPECT_EQ(iHostRequests, 1u);
            EXPECT_TRUE(arProxied.empty());
            continue;
        }
        EXPECT_EQ(iHostRequests, 0u);
        ASSERT_FALSE(arProxied.empty());
        EXPECT_EQ(arProxied[0].stRequestLine, recCase.stRequestLine);
        EXPECT_EQ(arProxied[0].stProxyAuthorization.substr(0, recCase.stAuthorization.size()),
                  recCase.stAuthorization);
        EXPECT_EQ(arProxied[0].stProxyAuthorization.empty(), recCase.stAuthorization.empty());
    }
}

TEST(Communication, NoUsableServiceSettingsNoCall) {
    TclsHostSimulator objHost;
    ASSERT_TRUE(objHost.fnbOk());
    const QString stHost = QStringLiteral("127.0.0.1");
    const struct {
        const char *pchCase;
        bool bServiceRow;
        QString stServer;
        int iPort;
        int iService;
    } arCases[] = {
        {"another service number", true, stHost, objHost.fniPort(), 4},
        {"no Site Registration row", false, stHost, objHost.fniPort(), 5},
        {"a blank server", true, QStringLiteral("  "), objHost.fniPort(), 5},
        {"a scheme and nothing else", true, QStringLiteral("https://"), objHost.fniPort(), 5},
        {"a server that is no address", true, QStringLiteral("127.0.0.1 /reg"), objHost.fniPort(),
         5},
        {"a port past 65535", true, stHost, 65536 + objHost.fniPort(), 5},
    };
    for (const auto &recCase : arCases) {
        SCOPED_TRACE(recCase.pchCase);
        TrecInstallationOptions recOptions = fnrecTestOptions();
        recOptions.recSeed.bSiteRegistrationService = recCase.bServiceRow;
        TrecSetup recSetup(recOptions);
        ASSERT_TRUE(recSetup.objInstallation.fnbOk());
        recSetup.objIni.pSet(fnbaCommunicationSection(QString()));
        pPointAt(recCase.stServer, recCase.iPort);
        objHost.pAnswer(200, cstGoodReply);
        const TrecCall rec = fnrecPost("msg_type=REGR", 0, recCase.iService);
        EXPECT_EQ(rec.stResult, "FAILURE");
        EXPECT_TRUE(fnbCleared(rec.recReply));
    }
    EXPECT_TRUE(objHost.fnarRequests().empty());
}

TEST(Communication, LogShowsTheStepsButNoSecrets) {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.bLogging = true;
    TrecSetup recSetup(recOptions);
    ASSERT_TRUE(recSetup.objInstallation.fnbOk());
    ASSERT_TRUE(fnobjCertificates().fnbOk());
    TclsHostSimulator objTLSHost(&fnobjCertificates());
    TclsRecordingProxy objProxy(cstGoodReply);
    recSetup.objIni.pSet(fnbaCommunicationSection(fnobjCertificates().fnstCaFile()));
    pSetInternet({.iType = 0,
                  .stHTTPSProxy = QStringLiteral("127.0.0.1"),
                  .iHTTPSPort = objProxy.fniPort(),
                  .bCredentials = true});
    pPointAt(QStringLiteral("127.0.0.1"), objTLSHost.fniPort());

    const std::string stBody = "msg_type=REGR&msg_bdy=SITE-DETAILS-7731";
    EXPECT_EQ(fnrecPost(stBody, 1).stResult, "FAILURE");
    const QByteArray baLog = fnbaLogs(recSetup.objInstallation);
    EXPECT_TRUE(baLog.contains("|Severity Level 1|Unit MorvaneCommunication|Process "
                               "fnstCommViaHTTPServices|Posting " +
                               QByteArray::number(qsizetype(stBody.size())) +
                               " bytes to https://127.0.0.1:"));
    EXPECT_TRUE(baLog.contains(
        "|Severity Level 2|Unit MorvaneCommunication|Process fnstCommViaHTTPServices|The call "
        "failed: CONNECT tunnel failed, response 403"));
    EXPECT_TRUE(baLog.contains("agent"));
    EXPECT_FALSE(baLog.contains(QByteArray::fromStdString(cstProxyPassword)));
    EXPECT_FALSE(baLog.contains("SITE-DETAILS-7731"));
}

// The installation lists no modem, so the modem call fails before any port
// is opened and leaves both records as they were.
TEST(Communication, ResultTextFitsTheCallersBufferAndRecordsStayUntouched) {
    TrecSetup recSetup;
    ASSERT_TRUE(recSetup.objInstallation.fnbOk());
    TclsCommunicationLibrary objLibrary;
    ASSERT_TRUE(objLibrary.fnbOk());
    TrecMessageHeaderStructure recRequest, recReply;
    std::memset(&recRequest, 0x5A, sizeof recRequest);
    std::memset(&recReply, 0x5A, sizeof recReply);
    const std::vector<unsigned char> arUntouched(sizeof recReply, 0x5A);
    TrecSiteRegHTTPResp recHTTPReply{};

    const struct {
        bool bModem;
        size_t iSize;
        std::string stResult;
    } arCases[] = {
        {false, 1, ""},    {false, 4, "FAI"},     {false, 64, "FAILURE"},
        {true, 5, "FAIL"}, {true, 64, "FAILURE"},
    };
    for (const auto &recCase : arCases) {
        SCOPED_TRACE(recCase.stResult);
        std::vector<char> achResult(recCase.iSize + 8, '#');
        if (recCase.bModem)
            objLibrary.pfnModem(achResult.data(), recCase.iSize, &recRequest, &recReply, nullptr,
                                nullptr);
        else
            objLibrary.pfnHTTP(achResult.data(), recCase.iSize, "", 0, &recHTTPReply, 0, 4, "");
        EXPECT_EQ(std::string(achResult.data()), recCase.stResult);
        EXPECT_EQ(achResult[recCase.iSize], '#');
    }
    EXPECT_EQ(std::memcmp(&recReply, arUntouched.data(), sizeof recReply), 0);
    EXPECT_EQ(std::memcmp(&recRequest, arUntouched.data(), sizeof recRequest), 0);
}
