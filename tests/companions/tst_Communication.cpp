// The communication library as the wizard loads it, posting on loopback.
#include "MorvaneCommunication.h"
#include "UnitCompanionLibrary.h"
#include "UnitTestCertificates.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QDir>
#include <QFile>

#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

namespace {

// Loaded for one call and freed again, as the wizard does.
class TclsCommunicationLibrary : public TclsCompanionLibrary {
public:
    TclsCommunicationLibrary() : TclsCompanionLibrary("libMorvaneCommunication.so") {}
    bool fnbOk() const { return pfnHTTP && pfnModem && pfnAbort; }
    const TpfnCommViaHTTPServices pfnHTTP =
        fnpfn<TpfnCommViaHTTPServices>("fnstCommViaHTTPServices");
    const TpfnCommViaModem pfnModem = fnpfn<TpfnCommViaModem>("fnstCommViaModem");
    const TpfnSetAbort pfnAbort = fnpfn<TpfnSetAbort>("pSetAbort");
};

struct TrecRequest {
    std::string stMethod, stPath, stContentType, stBody;
    std::string stRequestLine, stProxyAuthorization; // as a proxy sees them
};

// A host or forward proxy recording each request; the proxy refuses a CONNECT.
class TclsPeer {
public:
    explicit TclsPeer(const TclsTestCertificates *pobjTLS = nullptr, bool bProxy = false) {
        if (pobjTLS)
            objServer = std::make_unique<httplib::SSLServer>(
                pobjTLS->fnstCertFile().toLocal8Bit().constData(),
                pobjTLS->fnstKeyFile().toLocal8Bit().constData());
        else
            objServer = std::make_unique<httplib::Server>();
        if (bProxy)
            objServer->set_pre_routing_handler([this](const auto &req, auto &res) {
                pTake(req, res, req.method + " " + req.target + " " + req.version);
                return httplib::Server::HandlerResponse::Handled;
            });
        objServer->Post(".*", [this](const auto &req, auto &res) { pTake(req, res, {}); });
        iPort = objServer->is_valid() ? objServer->bind_to_any_port("127.0.0.1") : -1;
        if (iPort > 0)
            thrListen = std::thread([this] { objServer->listen_after_bind(); });
    }
    ~TclsPeer() {
        pSet([this] { bEnding = true; });
        objServer->stop();
        if (thrListen.joinable())
            thrListen.join();
    }
    bool fnbOk() const { return iPort > 0; }
    int fniPort() const { return iPort; }
    void pAnswer(int iNewStatus, const std::string &stNewBody) {
        pSet([&] { iStatus = iNewStatus, stBody = stNewBody; });
    }
    void pHold() {
        pSet([this] { bHold = true; });
    }
    bool fnbWaitForRequest(int iMilliseconds) {
        std::unique_lock lock(mtx);
        return cvChange.wait_for(lock, std::chrono::milliseconds(iMilliseconds),
                                 [this] { return !arRequests.empty(); });
    }
    std::vector<TrecRequest> fnarRequests() const {
        std::lock_guard lock(mtx);
        return arRequests;
    }
    void pClear() {
        pSet([this] { arRequests.clear(); });
    }

private:
    template <class TChange> void pSet(TChange fnChange) {
        std::lock_guard lock(mtx);
        fnChange();
        cvChange.notify_all();
    }
    void pTake(const httplib::Request &req, httplib::Response &res, const std::string &stLine) {
        std::unique_lock lock(mtx);
        arRequests.push_back({req.method, req.path, req.get_header_value("Content-Type"), req.body,
                              stLine, req.get_header_value("Proxy-Authorization")});
        cvChange.notify_all();
        if (bHold)
            cvChange.wait_for(lock, std::chrono::seconds(20), [this] { return bEnding; });
        // A redirect leads to /moved, where the answer is taken as it comes.
        res.status = req.method == "CONNECT" ? 403 : req.path == "/moved" ? 200 : iStatus;
        if (res.status / 100 == 3)
            res.set_header("Location", "/moved");
        res.set_content(stBody, "application/x-www-form-urlencoded");
    }

    std::unique_ptr<httplib::Server> objServer;
    std::thread thrListen;
    int iPort = -1;
    mutable std::mutex mtx;
    std::condition_variable cvChange;
    int iStatus = 200;
    std::string stBody;
    bool bHold = false, bEnding = false;
    std::vector<TrecRequest> arRequests;
};

// A registration reply in the host's wire format, values percent-encoded.
std::string fnstFormBody(const std::vector<std::pair<std::string, std::string>> &arFields) {
    QByteArray ba;
    for (const auto &[stName, stValue] : arFields)
        ba += (ba.isEmpty() ? "" : "&") + QByteArray::fromStdString(stName) + '=' +
              QByteArray::fromStdString(stValue).toPercentEncoding();
    return ba.toStdString();
}

struct TrecCall {
    std::string stResult;
    TrecSiteRegHTTPResp recReply;
};

// One registration call, its reply record full of leftovers.
TrecCall fnrecPost(const std::string &stBody, int iSSL = 0) {
    TrecCall rec;
    std::memset(&rec.recReply, 0x5A, sizeof rec.recReply);
    TclsCommunicationLibrary objLibrary;
    if (!objLibrary.fnbOk())
        return {"library not loaded", {}};
    char achResult[MV_RESULT_TEXT];
    objLibrary.pfnHTTP(achResult, sizeof achResult, stBody.data(), stBody.size(), &rec.recReply,
                       iSSL, 5, "");
    rec.stResult = achResult;
    return rec;
}

bool fnbCleared(const TrecSiteRegHTTPResp &rec) {
    const TrecSiteRegHTTPResp recEmpty{};
    return std::memcmp(&rec, &recEmpty, sizeof rec) == 0;
}

template <size_t N> std::string fnstText(const char (&ach)[N]) {
    return std::memchr(ach, '\0', N) ? std::string(ach) : std::string("<no terminating NUL>");
}

template <class TShort> std::string fnstShort(const TShort &sht) {
    return sht.iLength > sizeof sht.achText ? std::string("<length past the field>")
                                            : std::string(sht.achText, sht.iLength);
}

using TFields = std::vector<std::pair<std::string, std::string>>;

// clang-format off
const TFields carGoodReply = {
    {"msg_code", "REGP"}, {"site_id", "ABC0000012345ZOZ"}, {"shp_status", "0"}, {"shp_low", "1000"},
    {"shp_high", "1999"}, {"shp_date", "05122026"}, {"lp_status", "0"}, {"lp_low", "JJD0000100"},
    {"lp_high", "JJD0000199"}, {"pu_status", "0"}, {"pu_addr1", "1 Harbour St"},
    {"pu_addr2", "Level 2"}, {"pu_addr3", "Suite 5"}, {"pu_city", "Sydney"},
    {"pu_postcode", "2000"}, {"pu_country", "AU"}};
// clang-format on

const std::string cstGoodReply = fnstFormBody(carGoodReply);
const std::string cstProxyPassword = "s3cret:pass";

const TclsTestCertificates &fnobjCertificates() {
    static const TclsTestCertificates objCertificates;
    return objCertificates;
}

void pPointAt(const QString &stServer, int iPort) {
    ASSERT_EQ(fniExec(QStringLiteral("UPDATE comm_service_settings SET http_server = ?, "
                                     "http_port = ? WHERE service_name = ?"),
                      {stServer, iPort, QStringLiteral("Site Registration")}),
              0);
}

// Connection type, browser settings, HTTP and HTTPS proxy and port, login, NTLM.
void pSetInternet(const QVariantList &vl) {
    ASSERT_EQ(fniExec(QStringLiteral("UPDATE internet_setting SET connection_type = ?, "
                                     "use_browser_settings = ?, http_proxy = ?, http_port = ?, "
                                     "https_proxy = ?, https_port = ?, use_credentials = ?, "
                                     "ntlm = ?, proxy_user = ?, proxy_password = ?"),
                      vl + QVariantList{QStringLiteral("agent"),
                                        QString::fromStdString(cstProxyPassword)}),
              0);
}

class Communication : public ::testing::Test {
protected:
    void SetUp() override {
        TrecInstallationOptions rec = fnrecTestOptions();
        rec.bLogging = true;
        pInstall(rec);
    }

    void pInstall(const TrecInstallationOptions &rec) {
        objInstallation.reset();
        objInstallation = std::make_unique<TclsTestInstallation>(rec);
        ASSERT_TRUE(objInstallation->fnbOk()) << objInstallation->fnstError().toStdString();
        baIni = objInstallation->fnbaReadFile(cstIni);
    }
    void pUse(const QString &stServer, int iPort, const QString &stCAFile = {}, int iTimeout = 10) {
        QByteArray ba =
            baIni + "[COMMUNICATION]\r\nTIMEOUT=" + QByteArray::number(iTimeout) + "\r\n";
        if (!stCAFile.isEmpty())
            ba += "CA_FILE=" + stCAFile.toUtf8() + "\r\n";
        ASSERT_TRUE(objInstallation->fnbWriteFile(cstIni, ba));
        pPointAt(stServer, iPort);
    }

    const QString cstIni = QStringLiteral("Config/Installation.ini");
    std::unique_ptr<TclsTestInstallation> objInstallation;
    QByteArray baIni;
};

} // namespace

TEST_F(Communication, TheRequestArrivesAsGivenAndTheReplyFillsEveryField) {
    TclsPeer objHost;
    ASSERT_TRUE(objHost.fnbOk());
    pUse(QStringLiteral("127.0.0.1/carrier/siteregistration"), objHost.fniPort());
    TFields arFields = carGoodReply;
    arFields[10].second = std::string(70, 'x');                    // pu_addr1: 63 characters
    arFields[13].second = std::string(62, 'c') + "\xC3\xA9" + "z"; // pu_city: no half character
    arFields[11] = {"unknown_field", "ignored"};
    objHost.pAnswer(200, fnstFormBody(arFields) + "&pu_addr2=Level+2%2FB");

    // Every byte a form body may hold, escapes included, must arrive as given.
    std::string stBody = "msg_type=REGR&msg_hdr=REGR%2016&msg_bdy=";
    for (int i = 0; i < 200; ++i)
        stBody += "line+" + std::to_string(i) + "%26%3D%0D%0A";
    const TrecCall rec = fnrecPost(stBody);
    ASSERT_EQ(rec.stResult, "SUCCESS");
    const std::vector<TrecRequest> arRequests = objHost.fnarRequests();
    ASSERT_EQ(arRequests.size(), 1u);
    const TrecRequest &r0 = arRequests[0];
    EXPECT_EQ((std::vector{r0.stMethod, r0.stPath, r0.stContentType, r0.stBody}),
              (std::vector<std::string>{"POST", "/carrier/siteregistration",
                                        "application/x-www-form-urlencoded", stBody}));

    const TrecSiteRegHTTPResp &r = rec.recReply;
    // clang-format off
    const std::vector<std::string> arActual = {fnstShort(r.shtMessageCode), fnstShort(r.shtSiteId),
        fnstText(r.achShipmentStatus), fnstText(r.achShipmentLowerBound), fnstText(r.achShipmentUpperBound),
        fnstShort(r.shtAllocationDate), fnstText(r.achLPStatus), fnstText(r.achLPLowerBound),
        fnstText(r.achLPUpperBound), fnstText(r.achPickupStatus), fnstText(r.achPickupAddress1),
        fnstText(r.achPickupAddress2), fnstText(r.achPickupAddress3), fnstText(r.achPickupCity),
        fnstText(r.achPickupPostcode), fnstText(r.achPickupCountryCode)};
    // clang-format on
    std::vector<std::string> arExpected;
    for (const auto &pr : carGoodReply)
        arExpected.push_back(pr.second);
    arExpected[10] = std::string(63, 'x'), arExpected[11] = "Level 2/B";
    arExpected[13] = std::string(62, 'c');
    EXPECT_EQ(arActual, arExpected);
}

TEST_F(Communication, HostCertificateIsVerified) {
    const TclsTestCertificates &objRight = fnobjCertificates();
    const TclsTestCertificates objOtherName(QStringLiteral("DNS:carrier.invalid"));
    ASSERT_TRUE(objRight.fnbOk() && objOtherName.fnbOk());
    ASSERT_TRUE(QDir(objInstallation->fnstPath(QStringLiteral("Config"))).mkdir("certs"));
    ASSERT_TRUE(QFile::copy(objRight.fnstCaFile(),
                            objInstallation->fnstPath(QStringLiteral("Config/certs/CA.pem"))));
    const struct {
        const char *pchCase;
        const TclsTestCertificates *pobjHost;
        QString stCAFile;
        std::string stResult;
    } arCases[] = {
        // clang-format off
        {"the installation's CA", &objRight, objRight.fnstCaFile(), "SUCCESS"},
        {"a relative CA file, any case", &objRight, QStringLiteral("Certs\\ca.pem"), "SUCCESS"},
        {"another CA", &objRight, objRight.fnstOtherCaFile(), "FAILURE"},
        {"a certificate for another name", &objOtherName, objOtherName.fnstCaFile(), "FAILURE"},
        // clang-format on
    };
    for (const auto &recCase : arCases) {
        SCOPED_TRACE(recCase.pchCase);
        TclsPeer objHost(recCase.pobjHost);
        ASSERT_TRUE(objHost.fnbOk());
        objHost.pAnswer(200, cstGoodReply);
        pUse(QStringLiteral("http://127.0.0.1"), objHost.fniPort(), recCase.stCAFile); // flag: TLS
        EXPECT_EQ(fnrecPost("msg_type=REGR", 1).stResult, recCase.stResult);
    }
}

TEST_F(Communication, RepliesThatAreNotARegistrationReplyFail) {
    TclsPeer objHost;
    // The TLS flag, not the server's scheme, chooses HTTPS.
    pUse(QStringLiteral("https://127.0.0.1"), objHost.fniPort());
    const std::string stPad = "msg_code=REGP&pad=";
    const struct {
        const char *pchCase;
        int iStatus;
        std::string stBody, stResult;
    } arCases[] = {
        // clang-format off
        {"a good reply with a line end", 200, cstGoodReply + "\r\n", "SUCCESS"},
        {"empty pairs are skipped", 200, "&&msg_code=REGP&", "SUCCESS"},
        {"64 KiB exactly", 200, stPad + std::string(65536 - stPad.size(), 'x'), "SUCCESS"},
        {"one byte more than 64 KiB", 200, stPad + std::string(65537 - stPad.size(), 'x'), "FAILURE"},
        {"status 500", 500, cstGoodReply, "FAILURE"},
        {"a redirect to a good reply", 307, cstGoodReply, "FAILURE"},
        {"an empty msg_code", 200, "msg_code=&site_id=ABC0000012345ZOZ", "FAILURE"},
        {"a bad escape", 200, "msg_code=REGP&site_id=%zz", "FAILURE"},
        {"an escape cut short", 200, "msg_code=REGP&pu_city=Syd%4", "FAILURE"},
        {"an escaped NUL", 200, "msg_code=REGP&site_id=ABC%00DEF", "FAILURE"},
        {"a raw blank", 200, "msg_code=REGP&pu_city=Sydney North", "FAILURE"},
        {"a field given twice", 200, "msg_code=REGP&site_id=A&site_id=B", "FAILURE"},
        // Cut to its field it would be another ID; an address text is cut.
        {"a 17-character site ID", 200, "msg_code=REGP&site_id=ABC1234567890ZOZX", "FAILURE"},
        {"a long pickup city", 200, "msg_code=REGP&pu_city=" + std::string(200, 'c'), "SUCCESS"},
        // clang-format on
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

// A held answer: the call ends at a time-out of one second, or on abort.
TEST_F(Communication, AHeldCallEndsAtTheTimeOutOrOnAbortOnly) {
    TclsPeer objHost, objSecondHost;
    objHost.pAnswer(200, cstGoodReply);
    objSecondHost.pAnswer(200, cstGoodReply);
    objHost.pHold();
    pUse(QStringLiteral("127.0.0.1"), objHost.fniPort(), {}, 1);
    EXPECT_EQ(fnrecPost("msg_type=REGR").stResult, "FAILURE");
    EXPECT_EQ(objHost.fnarRequests().size(), 1u);

    pUse(QStringLiteral("127.0.0.1"), objHost.fniPort(), {}, 30);
    objHost.pClear();
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
    // A port in the server text wins over the row's.
    pPointAt(QStringLiteral("HTTP://127.0.0.1:%1/x?y=1").arg(objSecondHost.fniPort()), 1);
    objLibrary.pfnHTTP(achResult, sizeof achResult, "msg_type=REGR", 13, &recReply, 0, 5, "");
    EXPECT_STREQ(achResult, "SUCCESS");
}

TEST_F(Communication, InternetSettingsChooseTheProxy) {
    TclsPeer objHost, objTLSHost(&fnobjCertificates()), objProxy(nullptr, true);
    ASSERT_TRUE(objHost.fnbOk() && objTLSHost.fnbOk() && objProxy.fnbOk());
    objHost.pAnswer(200, cstGoodReply);
    objProxy.pAnswer(200, cstGoodReply);
    const QString cstRegistry = QStringLiteral("Config/registry.ini");
    const QByteArray baRegistry = objInstallation->fnbaReadFile(cstRegistry);
    // The environment names the proxy too: a direct call must not use it.
    const int iProxy = objProxy.fniPort();
    const QByteArray baProxy = "127.0.0.1:" + QByteArray::number(iProxy);
    const char *const apchEnvironment[] = {"http_proxy", "https_proxy", "HTTPS_PROXY", "ALL_PROXY"};
    for (const char *pch : apchEnvironment)
        setenv(pch, ("http://" + baProxy).constData(), 1);

    const std::string stPost =
        "POST http://127.0.0.1:" + std::to_string(objHost.fniPort()) + "/ HTTP/1.1";
    const std::string stConnect =
        "CONNECT 127.0.0.1:" + std::to_string(objTLSHost.fniPort()) + " HTTP/1.1";
    const std::string stBasic =
        "Basic " +
        ("agent:" + QByteArray::fromStdString(cstProxyPassword)).toBase64().toStdString();
    const QString stLoop = QStringLiteral("127.0.0.1");
    const bool f = false, t = true;
    const struct {
        const char *pchCase;
        QVariantList vlInternet;
        int iSSL;
        QByteArray baBrowserProxy;
        std::string stRequestLine; // empty: straight to the host
        std::string stAuthorization, stResult;
    } arCases[] = {
        // clang-format off
        {"without proxy", {2, f, stLoop, iProxy, "", 0, f, f}, 0, {}, {}, {}, "SUCCESS"},
        {"HTTPS proxy tunnels", {0, f, "", 0, stLoop, iProxy, t, f}, 1, {}, stConnect, stBasic, "FAILURE"},
        {"NTLM login", {0, f, stLoop, iProxy, "", 0, t, t}, 0, {}, stPost, "NTLM ", "SUCCESS"},
        {"browser proxy", {0, t, "", 0, "", 0, f, f}, 0, "ftp=10.0.0.9:21;http=" + baProxy, stPost, {}, "SUCCESS"},
        // clang-format on
    };
    for (const auto &recCase : arCases) {
        SCOPED_TRACE(recCase.pchCase);
        pSetInternet(recCase.vlInternet);
        ASSERT_TRUE(objInstallation->fnbWriteFile(
            cstRegistry, baRegistry +
                             "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\"
                             "CurrentVersion\\Internet Settings]\r\nProxyServer=" +
                             recCase.baBrowserProxy + "\r\n"));
        pUse(stLoop, (recCase.iSSL ? objTLSHost : objHost).fniPort(),
             fnobjCertificates().fnstCaFile());
        objProxy.pClear();
        const size_t iHostBefore = objHost.fnarRequests().size() + objTLSHost.fnarRequests().size();
        EXPECT_EQ(fnrecPost("msg_type=REGR&msg_bdy=SITE-DETAILS-7731", recCase.iSSL).stResult,
                  recCase.stResult);
        EXPECT_EQ(objHost.fnarRequests().size() + objTLSHost.fnarRequests().size() - iHostBefore,
                  recCase.stRequestLine.empty() ? 1u : 0u);
        // The request line, and the login as far as the row knows it (NTLM: its scheme).
        std::string stProxied;
        for (const TrecRequest &rec : objProxy.fnarRequests())
            stProxied += rec.stRequestLine + '|' +
                         rec.stProxyAuthorization.substr(0, recCase.stAuthorization.empty()
                                                                ? std::string::npos
                                                                : recCase.stAuthorization.size());
        EXPECT_EQ(stProxied, recCase.stRequestLine.empty()
                                 ? ""
                                 : recCase.stRequestLine + '|' + recCase.stAuthorization);
    }
    for (const char *pch : apchEnvironment)
        unsetenv(pch);
    // The log tells why a call failed, but no password and nothing of what was sent.
    QByteArray baLog;
    const QDir dirLogs(objInstallation->fnstPath(QStringLiteral("Logs")));
    for (const QString &stName : dirLogs.entryList(QDir::Files))
        baLog += objInstallation->fnbaReadFile(QStringLiteral("Logs/") + stName);
    EXPECT_TRUE(baLog.contains("The call failed: CONNECT tunnel failed, response 403"));
    EXPECT_FALSE(baLog.contains(QByteArray::fromStdString(cstProxyPassword)));
    EXPECT_FALSE(baLog.contains("SITE-DETAILS-7731"));
}

// A number or prefix that is no dial string never reaches the modem's command line.
TEST_F(Communication, TheModemCallRefusesWhatIsNoDialString) {
    const std::string stNoDial = " holds characters a modem does not dial.";
    const struct {
        QString stPrimary, stSecondary, stPrefix;
        std::string stLogged;
    } arCases[] = {
        // clang-format off
        {QStringLiteral("0395551234\rATH"), {}, QStringLiteral("9"), "The primary phone number of the Site Registration service"},
        {QStringLiteral("0395551234"), QStringLiteral("0395;559876"), QStringLiteral("9"), "The secondary phone number of the Site Registration service"},
        {QStringLiteral("0395551234"), {}, QStringLiteral("9ATZ"), "The outside-line prefix of the dialling location"},
        // clang-format on
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.stLogged);
        TrecInstallationOptions recOptions = fnrecTestOptions();
        recOptions.stModemDevice = QStringLiteral("/nonexistent/ttyS9");
        recOptions.recSeed.stSiteRegistrationMode = QStringLiteral("MODEM");
        recOptions.recSeed.stPrimaryPhone = rec.stPrimary;
        recOptions.recSeed.stSecondaryPhone = rec.stSecondary;
        pInstall(recOptions);
        QByteArray baRegistry =
            objInstallation->fnbaReadFile(QStringLiteral("Config/registry.ini"));
        baRegistry.replace("OutsideAccess=9", "OutsideAccess=" + rec.stPrefix.toLatin1());
        ASSERT_TRUE(
            objInstallation->fnbWriteFile(QStringLiteral("Config/registry.ini"), baRegistry));
        TclsCommunicationLibrary objLibrary;
        std::string stRequest = "REGR-HEADER\x1dSITE FILE\x1d";
        TrecMessageHeaderStructure recRequest{}, recReply{};
        recRequest.recMessageData = {stRequest.data(), uint32_t(stRequest.size()),
                                     uint32_t(stRequest.size())};
        char achResult[MV_RESULT_TEXT];
        objLibrary.pfnModem(achResult, sizeof achResult, &recRequest, &recReply, nullptr, nullptr);
        EXPECT_STREQ(achResult, "FAILURE");
        EXPECT_TRUE(objInstallation->fnbaReadFile(QStringLiteral("Logs/Comm.log"))
                        .contains(QByteArray::fromStdString(rec.stLogged + stNoDial)));
    }
}
