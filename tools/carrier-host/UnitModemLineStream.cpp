// Polled reads and writes on the pseudo-terminal's master.
#include "UnitModemLineStream.h"

#include "unitLinkBytes.h"

#include <cerrno>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {
// A full line that takes longer than this to drain is not being read.
constexpr int kiWriteWaitMs = 10000;
// What a Hayes modem tells its computer when the carrier is lost.
constexpr std::string_view kstNoCarrier = "\r\nNO CARRIER\r\n";
} // namespace

void TclsModemLineStream::pNewCall() {
    bCorruptNext = false;
    bCorruptAll = false;
    bDropNext = false;
    bDropped = false;
}

TclsModemLineStream::TenuWait TclsModemLineStream::fnenWait(short iEvents, int iTimeoutMs) const {
    pollfd arPoll[2] = {{iStopFd, POLLIN, 0}, {iFd, iEvents, 0}};
    int iReady = 0;
    do {
        iReady = poll(arPoll, iFd < 0 ? 1 : 2, iTimeoutMs);
    } while (iReady < 0 && errno == EINTR);
    if (iReady < 0 || arPoll[0].revents != 0)
        return TenuWait::Stopped;
    return iReady == 0 ? TenuWait::Timeout : TenuWait::Ready;
}

bool TclsModemLineStream::fnbPause(int iMs) const {
    pollfd recPoll{iStopFd, POLLIN, 0};
    return poll(&recPoll, 1, iMs) == 0;
}

bool TclsModemLineStream::fnbInputWithin(int iMs) const {
    return fnenWait(POLLIN, iMs) == TenuWait::Ready;
}

bool TclsModemLineStream::fnbStopped() const {
    return !fnbPause(0);
}

bool TclsModemLineStream::fnbWriteAll(std::string_view stBytes) {
    while (!stBytes.empty()) {
        const ssize_t iWritten = write(iFd, stBytes.data(), stBytes.size());
        if (iWritten > 0) {
            stBytes.remove_prefix(static_cast<std::size_t>(iWritten));
            continue;
        }
        if (iWritten < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (fnenWait(POLLOUT, kiWriteWaitMs) != TenuWait::Ready)
            return false;
    }
    return true;
}

bool TclsModemLineStream::fnbWriteBlock(std::string_view stBlock) {
    if (bDropNext) {
        bDropNext = false;
        bDropped = true;
        fnbWriteAll(stBlock.substr(0, stBlock.size() / 2));
        fnbWriteAll(kstNoCarrier);
        return false;
    }
    if (bCorruptNext || bCorruptAll) {
        bCorruptNext = false;
        std::string stBad(stBlock);
        stBad.back() = static_cast<char>(stBad.back() ^ 0x01);
        return fnbWriteAll(stBad);
    }
    return fnbWriteAll(stBlock);
}

bool TclsModemLineStream::fnbWrite(std::string_view stBytes) {
    if (bDropped || fnbStopped())
        return false;
    // The link writes each block whole, starting with its STX.
    if (!stBytes.empty() && stBytes.front() == ModemLink::kchSTX)
        return fnbWriteBlock(stBytes);
    return fnbWriteAll(stBytes);
}

long TclsModemLineStream::fniRead(char *pchBuffer, std::size_t iMax, int iTimeoutMs) {
    switch (fnenWait(POLLIN, iTimeoutMs)) {
    case TenuWait::Stopped:
        return -1;
    case TenuWait::Timeout:
        return 0;
    case TenuWait::Ready:
        break;
    }
    const ssize_t iRead = read(iFd, pchBuffer, iMax);
    if (iRead > 0)
        return static_cast<long>(iRead);
    return iRead < 0 && (errno == EAGAIN || errno == EINTR) ? 0 : -1;
}
