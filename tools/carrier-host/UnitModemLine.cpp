// Serving modem calls on a pseudo-terminal.
#include "UnitModemLine.h"

#include "UnitHayesModem.h"
#include "UnitModemLineStream.h"

#include "unitLinkSerialLine.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {
// Silence after which the line looks for leftovers and checks for a stop;
// the caller's dialogue goes on across it.
constexpr int kiIdleMs = 1000;
// From the reply's EOT to the caller's ATH: two guard times and a command.
constexpr int kiHangUpMs = 5000;
// How long a silent host waits for the caller to give up: longer than the
// caller waits for the reply's ENQ.
constexpr int kiSilentMs = 120000;
// Pause after a read that failed for another reason than a stop, so a
// broken descriptor cannot spin the thread.
constexpr int kiRetryMs = 50;

// What a host that has lost its mind sends instead of a REGP.
constexpr std::string_view kstWrongAnswer = "SERVICE TEMPORARILY UNAVAILABLE";

QString fnstErrno(const char *pchWhat) {
    return QStringLiteral("%1: %2").arg(QLatin1String(pchWhat),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

void pCloseFd(int &iFd) {
    if (iFd >= 0)
        close(iFd);
    iFd = -1;
}
} // namespace

struct TclsModemLine::TrecPrivate {
    TrecModemLineOptions recOptions;
    int iMaster = -1;
    int iSlave = -1;
    int arStop[2] = {-1, -1};
    QString stDevice;
    std::thread thrServe;
    TclsFailureSwitch<TenumModemFailure> objFailures;
    // Used on the line's thread only.
    int iBusyLeft = 0;
    TenumModemFailure enCallFailure = TenumModemFailure::None;

    bool fnbOpen(int iGivenMaster, QString &stError);
    void pClose();
    void pServe();
    std::string fnstDialResult(TclsModemLineStream &objStream, const std::string &stNumber);
    void pServeCall(TclsModemLineStream &objStream, TclsHayesModem &objModem,
                    const std::string &stNumber);
    void pDiscardUnread() const;
    void pLog(const std::string &stNumber, const char *pchResult, const QString &stNote) const;
    QString fnstAsked() const;
};

bool TclsModemLine::TrecPrivate::fnbOpen(int iGivenMaster, QString &stError) {
    iMaster = iGivenMaster >= 0 ? iGivenMaster : posix_openpt(O_RDWR | O_NOCTTY);
    char achSlave[128];
    if (iMaster < 0 || grantpt(iMaster) != 0 || unlockpt(iMaster) != 0 ||
        ptsname_r(iMaster, achSlave, sizeof achSlave) != 0) {
        stError = fnstErrno("cannot set up a pseudo-terminal");
        return false;
    }
    fcntl(iMaster, F_SETFD, FD_CLOEXEC);
    fcntl(iMaster, F_SETFL, fcntl(iMaster, F_GETFL) | O_NONBLOCK);
    // Held for the line's lifetime: without an open slave the master reads
    // EIO between two calls, and the slave's settings would fall back to a
    // cooked, echoing terminal each time the site closes its port.
    iSlave = ModemLink::fniOpenSerialLine(achSlave, 9600);
    if (iSlave < 0) {
        stError = fnstErrno("cannot open the modem's serial side");
        return false;
    }
    if (pipe2(arStop, O_CLOEXEC) != 0) {
        stError = fnstErrno("cannot make the modem line's stop pipe");
        return false;
    }
    stDevice = QString::fromLocal8Bit(achSlave);
    return true;
}

void TclsModemLine::TrecPrivate::pClose() {
    pCloseFd(iSlave);
    pCloseFd(iMaster);
    pCloseFd(arStop[0]);
    pCloseFd(arStop[1]);
    stDevice.clear();
}

void TclsModemLine::TrecPrivate::pLog(const std::string &stNumber, const char *pchResult,
                                      const QString &stNote) const {
    if (recOptions.pfnLog)
        recOptions.pfnLog(
            QStringLiteral("modem %1 %2 %3")
                .arg(QString::fromLatin1(stNumber), QLatin1String(pchResult), stNote.trimmed())
                .trimmed());
}

QString TclsModemLine::TrecPrivate::fnstAsked() const {
    return enCallFailure == TenumModemFailure::None
               ? QString()
               : QStringLiteral(" [%1 as asked]").arg(fnstModemFailureName(enCallFailure));
}

// Decides the dial's fate; a connected call keeps its failure for the link.
std::string TclsModemLine::TrecPrivate::fnstDialResult(TclsModemLineStream &objStream,
                                                       const std::string &stNumber) {
    enCallFailure = TenumModemFailure::Busy;
    if (iBusyLeft > 0)
        --iBusyLeft;
    else
        enCallFailure = objFailures.fnenTake();
    switch (enCallFailure) {
    case TenumModemFailure::Busy:
        pLog(stNumber, "BUSY", fnstAsked());
        return "BUSY";
    case TenumModemFailure::NoCarrier:
        pLog(stNumber, "NO CARRIER", fnstAsked());
        return "NO CARRIER";
    case TenumModemFailure::NoDialTone:
        pLog(stNumber, "NO DIALTONE", fnstAsked());
        return "NO DIALTONE";
    case TenumModemFailure::DialError:
        pLog(stNumber, "ERROR", fnstAsked());
        return "ERROR";
    case TenumModemFailure::NoAnswer:
        // Like a real modem, it abandons the dial at the first character its
        // caller sends (a caller that gave up and hangs up); what was sent
        // is read as the next command.
        if (objStream.fnbInputWithin(recOptions.iNoAnswerMs)) {
            pLog(stNumber, "NO CARRIER", QStringLiteral("the caller gave up") + fnstAsked());
            return "NO CARRIER";
        }
        pLog(stNumber, "NO ANSWER", fnstAsked());
        return "NO ANSWER";
    default:
        return "CONNECT 9600";
    }
}

void TclsModemLine::TrecPrivate::pServeCall(TclsModemLineStream &objStream,
                                            TclsHayesModem &objModem, const std::string &stNumber) {
    objStream.pNewCall();
    ModemLink::TclsLinkSession objSession(objStream, {}, recOptions.recLimits);
    const std::optional<std::string> stRequest = objSession.fnstReceiveMessage();
    if (!stRequest) {
        pLog(stNumber, "CONNECT", QStringLiteral("no request came") + fnstAsked());
        return;
    }
    if (enCallFailure == TenumModemFailure::Silent) {
        pLog(stNumber, "CONNECT", QStringLiteral("no reply") + fnstAsked());
        if (!objModem.fnbAwaitHangUp(kiSilentMs))
            pLog(stNumber, "CONNECT", QStringLiteral("the caller did not hang up"));
        return;
    }
    const TrecModemAnswer rec = enCallFailure == TenumModemFailure::WrongAnswer
                                    ? TrecModemAnswer{std::string(kstWrongAnswer),
                                                      QStringLiteral("a message that is no reply")}
                                    : recOptions.pfnAnswer(QByteArray::fromStdString(*stRequest));
    // Written before the reply leaves, so a caller that has its reply finds
    // the line in the log.
    pLog(stNumber, "CONNECT", rec.stNote + fnstAsked());
    if (enCallFailure == TenumModemFailure::Drop)
        objStream.pDropInNextBlock();
    else if (enCallFailure == TenumModemFailure::CorruptOnce)
        objStream.pCorruptNextBlock();
    else if (enCallFailure == TenumModemFailure::CorruptAlways)
        objStream.pCorruptEveryBlock();
    const bool bSent = objSession.fnbSendMessage(rec.stMessage);
    if (objStream.fnbDropped() || objStream.fnbStopped()) {
        // Back in command state, like a modem that lost the carrier: the
        // caller's hang-up is answered by the dialogue.
        objStream.pNewCall();
        return;
    }
    if (!bSent)
        pLog(stNumber, "CONNECT", QStringLiteral("the reply was not acknowledged"));
    else if (!objModem.fnbAwaitHangUp(kiHangUpMs))
        pLog(stNumber, "CONNECT", QStringLiteral("the caller did not hang up"));
}

// What the host wrote and no caller read (a caller that gave up mid-call)
// would greet the next caller as the answer to its first command, so it is
// thrown away once the line has been quiet for a while. Not straight after
// a call: the pseudo-terminal hands the host's last result code to the
// slave a moment after it is written, and the caller still has to read it.
void TclsModemLine::TrecPrivate::pDiscardUnread() const {
    tcflush(iSlave, TCIFLUSH);
}

void TclsModemLine::TrecPrivate::pServe() {
    TclsModemLineStream objStream(iMaster, arStop[0]);
    TclsHayesModem objModem(objStream, [this, &objStream](const std::string &stNumber) {
        return fnstDialResult(objStream, stNumber);
    });
    while (!objStream.fnbStopped()) {
        const std::optional<std::string> stNumber = objModem.fnstAwaitCall(kiIdleMs);
        if (stNumber) {
            pServeCall(objStream, objModem, *stNumber);
        } else {
            pDiscardUnread();
            objStream.fnbPause(kiRetryMs);
        }
    }
}

TclsModemLine::TclsModemLine() : p(std::make_unique<TrecPrivate>()) {}

TclsModemLine::~TclsModemLine() {
    pStop();
}

bool TclsModemLine::fnbStart(const TrecModemLineOptions &rec, QString &stError, int iMaster) {
    if (fnbRunning()) {
        pCloseFd(iMaster);
        stError = QStringLiteral("the modem line is already running");
        return false;
    }
    if (!rec.pfnAnswer) {
        pCloseFd(iMaster);
        stError = QStringLiteral("the modem line has no one to answer requests");
        return false;
    }
    if (!p->fnbOpen(iMaster, stError)) {
        p->pClose();
        return false;
    }
    p->recOptions = rec;
    p->iBusyLeft = std::max(rec.iBusyCalls, 0);
    p->objFailures.pSetStanding(rec.enFailure, rec.bFailOnce);
    p->thrServe = std::thread([this] { p->pServe(); });
    return true;
}

void TclsModemLine::pStop() {
    if (!p->thrServe.joinable())
        return;
    const char chStop = 's';
    while (write(p->arStop[1], &chStop, 1) < 0 && errno == EINTR) {
    }
    p->thrServe.join();
    p->pClose();
}

bool TclsModemLine::fnbRunning() const {
    return p->thrServe.joinable();
}

QString TclsModemLine::fnstDevice() const {
    return p->stDevice;
}

void TclsModemLine::pFailNextCall(TenumModemFailure en) {
    p->objFailures.pFailNext(en);
}
