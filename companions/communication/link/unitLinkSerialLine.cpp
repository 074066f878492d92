// Serial line set-up with termios and polled reads and writes.
#include "unitLinkSerialLine.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace ModemLink {

namespace {

speed_t fniSpeed(int iBaud) {
    switch (iBaud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B9600;
    }
}

// A write on a full line waits this long for room before the line counts as
// gone; a modem buffers far less than this takes to drain at 1200 baud.
constexpr int kiWriteWaitMs = 10000;

} // namespace

bool fnbMakeLineRaw(int iFd, int iBaud) {
    termios recTerm{};
    if (tcgetattr(iFd, &recTerm) != 0)
        return false;
    cfmakeraw(&recTerm);
    recTerm.c_cflag |= CLOCAL | CREAD;
    recTerm.c_cflag &= ~CRTSCTS;
    recTerm.c_cc[VMIN] = 0;
    recTerm.c_cc[VTIME] = 0;
    const speed_t iSpeed = fniSpeed(iBaud);
    return cfsetispeed(&recTerm, iSpeed) == 0 && cfsetospeed(&recTerm, iSpeed) == 0 &&
           tcsetattr(iFd, TCSANOW, &recTerm) == 0;
}

int fniOpenSerialLine(const std::string &stDevice, int iBaud) {
    const int iFd = open(stDevice.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (iFd < 0)
        return -1;
    if (!fnbMakeLineRaw(iFd, iBaud)) {
        close(iFd);
        return -1;
    }
    return iFd;
}

bool TclsFdLinkStream::fnbWrite(std::string_view stBytes) {
    while (!stBytes.empty()) {
        const ssize_t iWritten = write(iFd, stBytes.data(), stBytes.size());
        if (iWritten > 0) {
            stBytes.remove_prefix(static_cast<std::size_t>(iWritten));
            continue;
        }
        if (iWritten < 0 && errno == EINTR)
            continue;
        if (iWritten < 0 && errno != EAGAIN)
            return false;
        pollfd recPoll{iFd, POLLOUT, 0};
        if (poll(&recPoll, 1, kiWriteWaitMs) <= 0)
            return false;
    }
    return true;
}

long TclsFdLinkStream::fniRead(char *pchBuffer, std::size_t iMax, int iTimeoutMs) {
    pollfd recPoll{iFd, POLLIN, 0};
    int iReady = 0;
    do {
        iReady = poll(&recPoll, 1, iTimeoutMs);
    } while (iReady < 0 && errno == EINTR);
    if (iReady == 0)
        return 0;
    if (iReady < 0 || (recPoll.revents & POLLIN) == 0)
        return -1;
    const ssize_t iRead = read(iFd, pchBuffer, iMax);
    if (iRead > 0)
        return static_cast<long>(iRead);
    return iRead < 0 && errno == EAGAIN ? 0 : -1;
}

} // namespace ModemLink
