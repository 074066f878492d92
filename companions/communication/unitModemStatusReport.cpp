#include "unitModemStatusReport.h"

#include "unitCommunicationLog.h"

#include "unitGlobalData.h"
#include "unitMailSlotAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

const char *const cpchMethod = "fnstCommViaModem";

// The longest status line the wizard's mail slot takes.
constexpr qsizetype ciMailSlotMessageSize = 1000;

} // namespace

TclsModemStatusReport::TclsModemStatusReport(TpfnStatusCallback pfnStatus) : pfnStatus(pfnStatus) {
    QDir().mkpath(fnstLogsDir());
    fileCommLog.setFileName(QDir(fnstLogsDir()).filePath(QStringLiteral("Comm.log")));
    if (!fileCommLog.open(QIODevice::WriteOnly | QIODevice::Truncate))
        pCommLog(
            2, cpchMethod,
            QStringLiteral("Comm.log could not be written: %1").arg(fileCommLog.errorString()));
    iMailSlotSocket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

TclsModemStatusReport::~TclsModemStatusReport() {
    if (iMailSlotSocket >= 0)
        ::close(iMailSlotSocket);
}

void TclsModemStatusReport::pLine(const std::string &stLine) {
    const QByteArray baLine = QByteArray::fromStdString(stLine);
    pAppendToCommLog(baLine);
    pCommLog(1, cpchMethod, QString::fromLatin1(baLine));
    pPostToMailSlot(baLine);
    if (pfnStatus)
        pfnStatus(baLine.constData());
    pKeepCallerResponsive();
}

void TclsModemStatusReport::pNote(const QString &stText) {
    pAppendToCommLog(stText.toLatin1());
    pCommLog(2, cpchMethod, stText);
}

void TclsModemStatusReport::pAppendToCommLog(const QByteArray &baLine) {
    if (!fileCommLog.isOpen())
        return;
    fileCommLog.write(baLine + "\r\n");
    fileCommLog.flush();
}

// Nobody may be listening: the wizard reads the slot only where its
// installation type asks for it, so a refused or full slot is no error.
void TclsModemStatusReport::pPostToMailSlot(const QByteArray &baLine) const {
    if (iMailSlotSocket < 0)
        return;
    // The slot of this process's user: the wizard of another user on the
    // same machine never sees these lines.
    sockaddr_un recAddress;
    const socklen_t iLength = fniMailSlotAddress(fnbaMailSlotName(), recAddress);
    const QByteArray baMessage = baLine.left(ciMailSlotMessageSize);
    ::sendto(iMailSlotSocket, baMessage.constData(), std::size_t(baMessage.size()),
             MSG_DONTWAIT | MSG_NOSIGNAL, reinterpret_cast<const sockaddr *>(&recAddress), iLength);
}

void pKeepCallerResponsive() {
    const QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}
