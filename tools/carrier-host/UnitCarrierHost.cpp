// Serving the registration desk over cpp-httplib and the modem line.
#include "UnitCarrierHost.h"

#include "UnitCountryCodes.h"
#include "UnitHeldConnection.h"
#include "UnitModemLine.h"
#include "UnitRegistrationDesk.h"
#include "UnitRegistrationStore.h"

#include <httplib.h>

#include <QDateTime>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <thread>

namespace {
const char *pchListenAddress = "127.0.0.1";
// A site information file is a few kilobytes; nothing legitimate comes near this.
constexpr size_t iMaxRequestBytes = 1024 * 1024;

// Whether this thread's current request has had its log line: handlers write
// theirs before the answer leaves, so a client never sees an answer whose
// line is not written yet; the logger cpp-httplib calls afterwards on the
// same thread covers the requests it refused by itself.
thread_local bool bRequestLogged = false;

void pLogToStderr(const QString &stLine) {
    static std::mutex mtx;
    std::lock_guard lock(mtx);
    std::fprintf(stderr, "%s\n", qPrintable(stLine));
    std::fflush(stderr);
}

// Announces the whole reply, sends its first half and gives up, so the client
// sees a body cut short of its Content-Length.
void pSetTruncatedContent(httplib::Response &res, const TrecHostAnswer &rec) {
    const std::string stBody = rec.baBody.toStdString();
    res.set_content_provider(stBody.size(), rec.baContentType.toStdString(),
                             [stBody](size_t, size_t, httplib::DataSink &sink) {
                                 sink.write(stBody.data(), stBody.size() / 2);
                                 return false;
                             });
}
} // namespace

struct TclsCarrierHost::TrecPrivate {
    TrecCarrierHostOptions recOptions;
    TclsCountryCodes objCountries;
    std::unique_ptr<TclsRegistrationStore> objStore;
    std::unique_ptr<TclsRegistrationDesk> objDesk;
    TclsFailureSwitch<TenumHostFailure> objFailures;
    std::unique_ptr<httplib::Server> svr;
    std::thread thrListen;
    TclsModemLine objModem;
    std::atomic<bool> bStopping{false};
    int iPort = 0;

    bool fnbMakeServer(QString &stError);
    void pServe(const httplib::Request &req, httplib::Response &res);
    void pRefuseMethod(const httplib::Request &req, httplib::Response &res);
    void pLogRequest(const httplib::Request &req, const QString &stStatus, const QString &stNote);
    void pLogRefused(const httplib::Request &req, const httplib::Response &res);
    void pWriteLog(const QString &stText) const;
    bool fnbStartModem(QString &stError);
    bool fnbHttps() const { return !recOptions.stCertFile.isEmpty(); }
};

bool TclsCarrierHost::TrecPrivate::fnbMakeServer(QString &stError) {
    if (fnbHttps()) {
        svr = std::make_unique<httplib::SSLServer>(recOptions.stCertFile.toLocal8Bit().constData(),
                                                   recOptions.stKeyFile.toLocal8Bit().constData());
        if (!svr->is_valid()) {
            stError = QStringLiteral("cannot use the certificate %1 with the key %2")
                          .arg(recOptions.stCertFile, recOptions.stKeyFile);
            return false;
        }
    } else {
        svr = std::make_unique<httplib::Server>();
    }
    // cpp-httplib's default also sets SO_REUSEPORT, which would let a second
    // host share a port silently; a busy port must refuse the start instead.
    svr->set_socket_options([](socket_t sock) {
        int iYes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &iYes, sizeof iYes);
    });
    svr->set_tcp_nodelay(true);
    svr->set_payload_max_length(iMaxRequestBytes);
    svr->Post(".*",
              [this](const httplib::Request &req, httplib::Response &res) { pServe(req, res); });
    const auto fnRefuse = [this](const httplib::Request &req, httplib::Response &res) {
        pRefuseMethod(req, res);
    };
    svr->Get(".*", fnRefuse);
    svr->Put(".*", fnRefuse);
    svr->Patch(".*", fnRefuse);
    svr->Delete(".*", fnRefuse);
    svr->set_logger([this](const httplib::Request &req, const httplib::Response &res) {
        pLogRefused(req, res);
    });
    return true;
}

void TclsCarrierHost::TrecPrivate::pServe(const httplib::Request &req, httplib::Response &res) {
    const TrecHostAnswer rec = objDesk->fnrecAnswer(
        QByteArray::fromStdString(req.get_header_value("Content-Type")),
        QByteArray::fromStdString(req.body), objFailures.fnenTake(), QDateTime::currentDateTime());
    if (rec.enDelivery == TenumHostFailure::Hang) {
        pHoldConnection(fniConnectionSocket(req), recOptions.iHangLimitSeconds, bStopping);
        pLogRequest(req, QStringLiteral("-"), rec.stNote);
        res.status = 504; // never reaches the client: its connection is shut
        return;
    }
    pLogRequest(req, QString::number(rec.iStatus), rec.stNote);
    res.status = rec.iStatus;
    if (!rec.baLocation.isEmpty())
        res.set_header("Location", rec.baLocation.toStdString());
    if (rec.enDelivery == TenumHostFailure::Truncated)
        pSetTruncatedContent(res, rec);
    else
        res.set_content(rec.baBody.toStdString(), rec.baContentType.toStdString());
}

void TclsCarrierHost::TrecPrivate::pRefuseMethod(const httplib::Request &req,
                                                 httplib::Response &res) {
    pLogRequest(req, QStringLiteral("405"), QStringLiteral("only POST is served"));
    res.status = 405;
    res.set_header("Allow", "POST");
    res.set_content("only POST is served\n", "text/plain; charset=utf-8");
}

void TclsCarrierHost::TrecPrivate::pLogRequest(const httplib::Request &req, const QString &stStatus,
                                               const QString &stNote) {
    // A request cpp-httplib could not parse has no peer, method or path.
    const auto fnstOrDash = [](const std::string &st) {
        return st.empty() ? QStringLiteral("-") : QString::fromStdString(st);
    };
    const QString stPeer = req.remote_addr.empty()
                               ? QStringLiteral("-")
                               : QStringLiteral("%1:%2")
                                     .arg(QString::fromStdString(req.remote_addr))
                                     .arg(req.remote_port);
    bRequestLogged = true;
    pWriteLog(QStringLiteral("%1 %2 %3 %4 %5")
                  .arg(stPeer, fnstOrDash(req.method), fnstOrDash(req.path), stStatus, stNote));
}

// One line of the host's log, stamped with the time.
void TclsCarrierHost::TrecPrivate::pWriteLog(const QString &stText) const {
    const QString stLine =
        (QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss ")) + stText)
            .trimmed();
    if (recOptions.pfnLog)
        recOptions.pfnLog(stLine);
    else
        pLogToStderr(stLine);
}

bool TclsCarrierHost::TrecPrivate::fnbStartModem(QString &stError) {
    TrecModemLineOptions recLine;
    recLine.pfnAnswer = [this](const QByteArray &baRequest) {
        return objDesk->fnrecModemAnswer(baRequest, QDateTime::currentDateTime());
    };
    recLine.pfnLog = [this](const QString &stText) { pWriteLog(stText); };
    recLine.enFailure = recOptions.enModemFailure;
    recLine.bFailOnce = recOptions.bModemFailOnce;
    recLine.iBusyCalls = recOptions.iModemBusyCalls;
    recLine.iNoAnswerMs = recOptions.iModemNoAnswerMs;
    return objModem.fnbStart(recLine, stError);
}

void TclsCarrierHost::TrecPrivate::pLogRefused(const httplib::Request &req,
                                               const httplib::Response &res) {
    if (!bRequestLogged)
        pLogRequest(req, QString::number(res.status), QStringLiteral("refused by the server"));
    bRequestLogged = false;
}

TclsCarrierHost::TclsCarrierHost() : p(std::make_unique<TrecPrivate>()) {}

TclsCarrierHost::~TclsCarrierHost() {
    pStop();
}

bool TclsCarrierHost::fnbStart(const TrecCarrierHostOptions &rec, QString &stError) {
    if (fnbRunning()) {
        stError = QStringLiteral("the host is already running");
        return false;
    }
    if (rec.stCertFile.isEmpty() != rec.stKeyFile.isEmpty()) {
        stError = QStringLiteral("HTTPS needs both a certificate and a key");
        return false;
    }
    p->recOptions = rec;
    p->recOptions.iHangLimitSeconds = std::clamp(rec.iHangLimitSeconds, 1, 60);
    const QString stIsoCodes =
        rec.stIsoCodesFile.isEmpty() ? TclsCountryCodes::fnstDefaultFile() : rec.stIsoCodesFile;
    if (!p->objCountries.fnbLoad(stIsoCodes, stError))
        return false;
    p->objStore = std::make_unique<TclsRegistrationStore>(rec.stDatabaseFile);
    if (!p->objStore->fnbOpen(stError))
        return false;
    p->objDesk = std::make_unique<TclsRegistrationDesk>(*p->objStore, p->objCountries);
    p->objFailures.pSetStanding(rec.enFailure, rec.bFailOnce);
    if (!p->fnbMakeServer(stError))
        return false;
    p->iPort = rec.iPort == 0
                   ? p->svr->bind_to_any_port(pchListenAddress)
                   : (p->svr->bind_to_port(pchListenAddress, rec.iPort) ? rec.iPort : -1);
    if (p->iPort <= 0) {
        stError = QStringLiteral("cannot listen on %1:%2").arg(pchListenAddress).arg(rec.iPort);
        p->svr.reset();
        return false;
    }
    if (rec.bModem && !p->fnbStartModem(stError)) {
        p->svr.reset();
        p->iPort = 0;
        return false;
    }
    // A client that leaves while its answer is written must not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    p->bStopping = false;
    p->thrListen = std::thread([this] { p->svr->listen_after_bind(); });
    // stop() only reaches a server that is already listening; wait for that
    // (a matter of microseconds) so an early pStop() cannot miss it.
    for (int i = 0; i < 5000 && !p->svr->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void TclsCarrierHost::pStop() {
    p->objModem.pStop();
    if (!p->thrListen.joinable())
        return;
    p->bStopping = true;
    p->svr->stop();
    p->thrListen.join();
    p->svr.reset();
    p->iPort = 0;
}

bool TclsCarrierHost::fnbRunning() const {
    return p->thrListen.joinable();
}

int TclsCarrierHost::fniPort() const {
    return p->iPort;
}

QString TclsCarrierHost::fnstUrl() const {
    return QStringLiteral("%1://%2:%3/")
        .arg(p->fnbHttps() ? QStringLiteral("https") : QStringLiteral("http"),
             QLatin1String(pchListenAddress))
        .arg(p->iPort);
}

void TclsCarrierHost::pFailNextRequest(TenumHostFailure en) {
    p->objFailures.pFailNext(en);
}

QString TclsCarrierHost::fnstModemDevice() const {
    return p->objModem.fnstDevice();
}

void TclsCarrierHost::pFailNextCall(TenumModemFailure en) {
    p->objModem.pFailNextCall(en);
}
