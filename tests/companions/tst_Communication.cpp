// The communication library as the wizard uses it: loaded by name from the
// build's bin folder for each call, reading the installation's settings and
// posting to a carrier host, a proxy or nothing at all, on loopback; and its
// modem call up to the point where a host would answer, against a scripted
// modem (whole calls against the carrier host's modem are end to end).
#include "MorvaneCommunication.h"
#include "UnitCompanionLibrary.h"
#include "UnitTestCertificates.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QDir>
#include <QFile>

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The communication library with the entry points the wizard calls, loaded
// for one call and freed again as the wizard does.
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

// A peer on loopback that records every request and gives each the answer
// last set: a carrier host (HTTPS with certificates), or a forward proxy that
// answers a forwarded request itself and refuses a CONNECT, so a test sees
// which way a call went without a second hop. A held answer waits at most
// 20 s, or until the peer ends.
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

// A modem at the far end of a pseudo-terminal: it records every command the
// library sends ("+++" as one of its own), says OK to each and BUSY to every
// dial. It never connects, so only the dialogue is used.
class TclsScriptedModem {
public:
    TclsScriptedModem() : iMaster(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (iMaster < 0 || grantpt(iMaster) != 0 || unlockpt(iMaster) != 0)
            return;
        stDevice = ptsname(iMaster);
        // Our own raw descriptor on the device: the master never sees a hang-up.
        iKeepOpen = open(stDevice.c_str(), O_RDWR | O_NOCTTY);
        termios recRaw{};
        if (iKeepOpen < 0 || tcgetattr(iKeepOpen, &recRaw) != 0)
            return;
        cfmakeraw(&recRaw);
        tcsetattr(iKeepOpen, TCSANOW, &recRaw);
        thrServe = std::thread([this] { pServe(); });
    }
    ~TclsScriptedModem() {
        bStop = true;
        if (thrServe.joinable())
            thrServe.join();
        for (const int iFd : {iKeepOpen, iMaster})
            if (iFd >= 0)
                close(iFd);
    }
    bool fnbOk() const { return thrServe.joinable(); }
    const std::string &fnstDevice() const { return stDevice; }
    std::vector<std::string> fnarCommands() const {
        std::lock_guard lock(mtx);
        return arCommands;
    }

private:
    // Commands end in CR; the escape "+++" comes without one.
    void pServe() {
        std::string stPending;
        while (!bStop) {
            pollfd recPoll{iMaster, POLLIN, 0};
            char ach[256];
            const ssize_t iRead = poll(&recPoll, 1, 50) > 0 ? read(iMaster, ach, sizeof ach) : 0;
            if (iRead <= 0)
                continue;
            stPending.append(ach, std::size_t(iRead));
            for (std::size_t iEnd;;) {
                std::string stCommand = "+++";
                if (stPending.rfind(stCommand, 0) == 0)
                    iEnd = 2;
                else if ((iEnd = stPending.find('\r')) != std::string::npos)
                    stCommand = stPending.substr(0, iEnd);
                else
                    break;
                stPending.erase(0, iEnd + 1);
                {
                    std::lock_guard lock(mtx);
                    arCommands.push_back(stCommand);
                }
                const std::string stAnswer = stCommand == "+++"               ? ""
                                             : stCommand.rfind("ATD", 0) == 0 ? "BUSY"
                                                                              : "OK";
                const std::string stLine = "\r\n" + stAnswer + "\r\n";
                if (!stAnswer.empty() && write(iMaster, stLine.data(), stLine.size()) < 0)
                    return;
            }
        }
    }

    int iMaster, iKeepOpen = -1;
    std::string stDevice;
    mutable std::mutex mtx;
    std::vector<std::string> arCommands;
    std::atomic<bool> bStop{false};
    std::thread thrServe;
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

// One registration call with a reply record full of leftovers, as a caller's
// memory may be.
TrecCall fnrecPost(const std::string &stBody, int iSSL = 0, int iService = 5) {
    TrecCall rec;
    std::memset(&rec.recReply, 0x5A, sizeof rec.recReply);
    TclsCommunicationLibrary objLibrary;
    if (!objLibrary.fnbOk())
        return {"library not loaded", {}};
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

// A certificate authority and a host certificate it signed, made once per run.
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

// The internet settings: connection type, browser's settings, HTTP proxy and
// port, HTTPS proxy and port, login, NTLM; the login is agent's.
void pSetInternet(const QVariantList &vl) {
    ASSERT_EQ(fniExec(QStringLiteral("UPDATE internet_setting SET connection_type = ?, "
                                     "use_browser_settings = ?, http_proxy = ?, http_port = ?, "
                                     "https_proxy = ?, https_port = ?, use_credentials = ?, "
                                     "ntlm = ?, proxy_user = ?, proxy_password = ?"),
                      vl + QVariantList{QStringLiteral("agent"),
                                        QString::fromStdString(cstProxyPassword)}),
              0);
}

// A test installation whose Installation.ini each case extends.
class Communication : public ::testing::Test {
protected:
    // The diagnostic log is on: whatever a call logs is there to read.
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
    // The service row pointed at stServer:iPort, the communication settings
    // as given.
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
    EXPECT_EQ(arRequests[0].stMethod, "POST");
    EXPECT_EQ(arRequests[0].stPath, "/carrier/siteregistration");
    EXPECT_EQ(arRequests[0].stContentType, "application/x-www-form-urlencoded");
    EXPECT_EQ(arRequests[0].stBody, stBody);

    const TrecSiteRegHTTPResp &r = rec.recReply;
    // clang-format off
    const TFields arActual = {
        {"msg_code", fnstShort(r.shtMessageCode)}, {"site_id", fnstShort(r.shtSiteId)},
        {"shp_status", fnstText(r.achShipmentStatus)}, {"shp_low", fnstText(r.achShipmentLowerBound)},
        {"shp_high", fnstText(r.achShipmentUpperBound)}, {"shp_date", fnstShort(r.shtAllocationDate)},
        {"lp_status", fnstText(r.achLPStatus)}, {"lp_low", fnstText(r.achLPLowerBound)},
        {"lp_high", fnstText(r.achLPUpperBound)}, {"pu_status", fnstText(r.achPickupStatus)},
        {"pu_addr1", fnstText(r.achPickupAddress1)}, {"pu_addr2", fnstText(r.achPickupAddress2)},
        {"pu_addr3", fnstText(r.achPickupAddress3)}, {"pu_city", fnstText(r.achPickupCity)},
        {"pu_postcode", fnstText(r.achPickupPostcode)}, {"pu_country", fnstText(r.achPickupCountryCode)}};
    // clang-format on
    TFields arExpected = carGoodReply;
    arExpected[10].second = std::string(63, 'x');
    arExpected[11].second = "Level 2/B";
    arExpected[13].second = std::string(62, 'c');
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
        {"no CA file: the system's CAs only", &objRight, QString(), "FAILURE"},
        {"another CA", &objRight, objRight.fnstOtherCaFile(), "FAILURE"},
        {"a CA file that is missing", &objRight, QStringLiteral("certs/none.pem"), "FAILURE"},
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
        {"an HTML page", 200, "<html><body>Service unavailable</body></html>", "FAILURE"},
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

// A host that holds its answer for far longer than any time-out, then answers
// well: the call ends at the time-out (one second, the shortest there is, is
// taken as given) or when the user aborts it, and the next call runs.
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
        {"only an HTTPS proxy for HTTP", {0, f, "", 0, stLoop, iProxy, f, f}, 0, {}, {}, {}, "SUCCESS"},
        {"HTTP proxy", {0, f, stLoop, iProxy, "", 0, f, f}, 0, {}, stPost, {}, "SUCCESS"},
        {"HTTPS proxy tunnels", {0, f, "", 0, stLoop, iProxy, t, f}, 1, {}, stConnect, stBasic, "FAILURE"},
        {"basic login", {0, f, stLoop, iProxy, "", 0, t, f}, 0, {}, stPost, stBasic, "SUCCESS"},
        {"NTLM login", {0, f, stLoop, iProxy, "", 0, t, t}, 0, {}, stPost, "NTLM ", "SUCCESS"},
        {"browser proxy", {0, t, "", 0, "", 0, f, f}, 0, "ftp=10.0.0.9:21;http=" + baProxy, stPost, {}, "SUCCESS"},
        {"browser proxy for every protocol", {0, t, "", 0, "", 0, f, f}, 0, baProxy, stPost, {}, "SUCCESS"},
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
        const std::vector<TrecRequest> arProxied = objProxy.fnarRequests();
        EXPECT_EQ(objHost.fnarRequests().size() + objTLSHost.fnarRequests().size() - iHostBefore,
                  recCase.stRequestLine.empty() ? 1u : 0u);
        ASSERT_EQ(arProxied.size(), recCase.stRequestLine.empty() ? 0u : 1u);
        if (arProxied.empty())
            continue;
        EXPECT_EQ(arProxied[0].stRequestLine, recCase.stRequestLine);
        EXPECT_EQ(arProxied[0].stProxyAuthorization.substr(0, recCase.stAuthorization.size()),
                  recCase.stAuthorization);
        EXPECT_EQ(arProxied[0].stProxyAuthorization.empty(), recCase.stAuthorization.empty());
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

TEST_F(Communication, NoUsableServiceSettingsNoCall) {
    TclsPeer objHost;
    ASSERT_TRUE(objHost.fnbOk());
    objHost.pAnswer(200, cstGoodReply);
    const QString stHost = QStringLiteral("127.0.0.1");
    const int iPort = objHost.fniPort();
    const struct {
        const char *pchCase;
        QString stServer;
        int iPort, iService;
        bool bRow;
    } arCases[] = {
        {"another service number", stHost, iPort, 4, true},
        {"a blank server", QStringLiteral("  "), iPort, 5, true},
        {"a port past 65535", stHost, 65536 + iPort, 5, true},
        {"no Site Registration row", stHost, iPort, 5, false},
    };
    for (const auto &recCase : arCases) {
        SCOPED_TRACE(recCase.pchCase);
        pUse(recCase.stServer, recCase.iPort);
        if (!recCase.bRow) {
            ASSERT_EQ(fniExec(QStringLiteral("DELETE FROM comm_service_settings"), {}), 0);
        }
        const TrecCall rec = fnrecPost("msg_type=REGR", 0, recCase.iService);
        EXPECT_EQ(rec.stResult, "FAILURE");
        EXPECT_TRUE(fnbCleared(rec.recReply));
    }
    EXPECT_TRUE(objHost.fnarRequests().empty());
}

// The installation lists no modem, so the modem call fails before any port
// is opened and leaves both records as they were.
TEST_F(Communication, ResultTextFitsTheCallersBufferAndRecordsStayUntouched) {
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
    } arCases[] = {{false, 1, ""}, {false, 4, "FAI"}, {true, 5, "FAIL"}};
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

namespace {
std::vector<std::string> garLines;
int giWindowCalls = 0;
} // namespace

// What is dialled in which order with the location's prefix and tone or pulse
// for every round, the status lines the call reports, and that a number or
// prefix that is no dial string is never sent.
TEST_F(Communication, TheModemCallDialsEachNumberForEveryRoundAndNothingElse) {
    const QString stPrimary = QStringLiteral("0395551234"),
                  stSecondary = QStringLiteral("0395559876");
    const QString stPulse = QStringLiteral("Flags=dword:00000000\r\n");
    const std::string stNoDial = " holds characters a modem does not dial.";
    const auto fnarRounds = [](const std::string &stDial, const std::string &stPrimaryNo,
                               const std::string &stSecondaryNo) {
        return std::vector<std::string>{"ATZ",
                                        "ATE0",
                                        stDial + stPrimaryNo,
                                        stDial + stSecondaryNo,
                                        stDial + stPrimaryNo,
                                        stDial + stSecondaryNo};
    };
    const struct {
        QString stLocation, stPrimary, stSecondary; // location values; empty: tone, prefix 9
        std::vector<std::string> arCommands;
        std::string stLogged; // the reason none is sent
    } arCases[] = {
        // clang-format off
        {{}, stPrimary, stSecondary, fnarRounds("ATDT", "90395551234", "90395559876"), {}},
        {stPulse, stPrimary, stSecondary, fnarRounds("ATDP", "0395551234", "0395559876"), {}},
        {{}, QStringLiteral("0395551234\rATH"), stSecondary, {}, "The primary phone number of the Site Registration service" + stNoDial},
        {{}, stPrimary, QStringLiteral("0395;559876"), {}, "The secondary phone number of the Site Registration service" + stNoDial},
        {QStringLiteral("Flags=dword:00000001\r\nOutsideAccess=9ATZ\r\n"), stPrimary, stSecondary, {}, "The outside-line prefix of the dialling location" + stNoDial},
        // clang-format on
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.stPrimary.toStdString() + " " + rec.stLocation.toStdString());
        TclsScriptedModem objModem;
        ASSERT_TRUE(objModem.fnbOk());
        TrecInstallationOptions recOptions = fnrecTestOptions();
        recOptions.stModemDevice = QString::fromStdString(objModem.fnstDevice());
        recOptions.recSeed.stSiteRegistrationMode = QStringLiteral("MODEM");
        recOptions.recSeed.stPrimaryPhone = rec.stPrimary;
        recOptions.recSeed.stSecondaryPhone = rec.stSecondary;
        pInstall(recOptions);
        const QString stRegistry = QStringLiteral("Config/registry.ini");
        QByteArray baRegistry = objInstallation->fnbaReadFile(stRegistry);
        baRegistry.replace("Locations\\Location1]", "Locations\\Location0]");
        if (!rec.stLocation.isEmpty())
            baRegistry += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
                          "Telephony\\Locations\\Location1]\r\n" +
                          rec.stLocation.toLatin1();
        ASSERT_TRUE(objInstallation->fnbWriteFile(stRegistry, baRegistry));
        ASSERT_EQ(fniExec(QStringLiteral("UPDATE config_zorv SET no_of_retries = 2")), 0);

        TclsCommunicationLibrary objLibrary;
        garLines.clear();
        giWindowCalls = 0;
        std::string stRequest = "REGR-HEADER\x1dSITE FILE\x1d";
        TrecMessageHeaderStructure recRequest{}, recReply{};
        recRequest.recMessageData = {stRequest.data(), uint32_t(stRequest.size()),
                                     uint32_t(stRequest.size())};
        char achReplyData[512] = {};
        recReply.recMessageData = {achReplyData, 0, sizeof achReplyData};
        char achResult[MV_RESULT_TEXT];
        objLibrary.pfnModem(
            achResult, sizeof achResult, &recRequest, &recReply,
            [](const char *pchLine) { return garLines.emplace_back(pchLine), 0; },
            [] { ++giWindowCalls; });
        EXPECT_STREQ(achResult, "FAILURE");
        EXPECT_EQ(recReply.recMessageData.iLength, 0u);
        EXPECT_EQ(objModem.fnarCommands(), rec.arCommands);
        EXPECT_TRUE(objInstallation->fnbaReadFile(QStringLiteral("Logs/Comm.log"))
                        .contains(QByteArray::fromStdString(rec.stLogged)));
        if (rec.arCommands.empty())
            continue;
        EXPECT_EQ(giWindowCalls, 1);
        std::vector<std::string> arExpected = {"Initializing Modem...", "Going Online..."};
        for (int i = 0; i < 4; ++i) {
            if (i)
                arExpected.push_back("--Retrying... " + std::to_string(i + 1));
            arExpected.push_back("--Dialing Phone No " + rec.arCommands[2 + i].substr(4));
        }
        arExpected.push_back("--Process NOT Successful");
        EXPECT_EQ(garLines, arExpected);
    }
}
