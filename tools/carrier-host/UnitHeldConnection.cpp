// Finding and holding a request's socket.
#include "UnitHeldConnection.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {
int fniPort(const sockaddr_storage &addr) {
    if (addr.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in &>(addr).sin_port);
    if (addr.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6 &>(addr).sin6_port);
    return -1;
}

// Whether fd is the server side of the connection between the two ports: on
// loopback the pair names one connection, and the client side of the same
// connection (a test's own socket) has them the other way round.
bool fnbIsConnection(int fd, int iLocalPort, int iRemotePort) {
    struct stat recStat {};
    if (fstat(fd, &recStat) != 0 || !S_ISSOCK(recStat.st_mode))
        return false;
    sockaddr_storage addrLocal{}, addrPeer{};
    socklen_t iLocalSize = sizeof addrLocal, iPeerSize = sizeof addrPeer;
    if (getsockname(fd, reinterpret_cast<sockaddr *>(&addrLocal), &iLocalSize) != 0 ||
        getpeername(fd, reinterpret_cast<sockaddr *>(&addrPeer), &iPeerSize) != 0)
        return false;
    return fniPort(addrLocal) == iLocalPort && fniPort(addrPeer) == iRemotePort;
}

int fniFindSocket(int iLocalPort, int iRemotePort) {
    DIR *pDir = opendir("/proc/self/fd");
    if (!pDir)
        return -1;
    int iFound = -1;
    while (const dirent *pEntry = readdir(pDir)) {
        char *pchEnd = nullptr;
        const long iFd = std::strtol(pEntry->d_name, &pchEnd, 10);
        if (*pchEnd != '\0' || pchEnd == pEntry->d_name || iFd == dirfd(pDir))
            continue;
        if (fnbIsConnection(static_cast<int>(iFd), iLocalPort, iRemotePort)) {
            iFound = static_cast<int>(iFd);
            break;
        }
    }
    closedir(pDir);
    return iFound;
}
} // namespace

int fniConnectionSocket(const httplib::Request &req) {
    if (req.ssl)
        return SSL_get_fd(req.ssl);
    return fniFindSocket(req.local_port, req.remote_port);
}

void pHoldConnection(int iSocket, int iLimitSeconds, const std::atomic<bool> &bStopping) {
    using namespace std::chrono;
    // Short slices so a stopping host lets go quickly; the deadline bounds the loop.
    constexpr int iSliceMs = 100;
    const auto tpDeadline = steady_clock::now() + seconds(iLimitSeconds);
    while (!bStopping && steady_clock::now() < tpDeadline) {
        if (iSocket < 0) {
            std::this_thread::sleep_for(milliseconds(iSliceMs));
            continue;
        }
        pollfd recPoll{iSocket, POLLRDHUP, 0};
        if (poll(&recPoll, 1, iSliceMs) > 0 && (recPoll.revents & (POLLRDHUP | POLLHUP | POLLERR)))
            break; // the client gave up
    }
    if (iSocket >= 0)
        shutdown(iSocket, SHUT_RDWR);
}
