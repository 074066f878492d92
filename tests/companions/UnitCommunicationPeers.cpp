// The loopback peers of the communication tests. Every wait is bounded, so a
// library that never calls, or never hangs up, cannot stall a test run.
#include "UnitCommunicationPeers.h"

#include "UnitTestCertificates.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>

namespace {

constexpr auto cdurMaxHold = std::chrono::seconds(20);
constexpr int ciReadWaitMs = 2000;
constexpr size_t ciMaxProxyRequest = 256 * 1024;

std::unique_ptr<httplib::Server> fnobjServer(const TclsTestCertificates *pobjTLS) {
    if (!pobjTLS)
        return std::make_unique<httplib::Server>();
    return std::make_unique<httplib::SSLServer>(pobjTLS->fnstCertFile().toLocal8Bit().constData(),
                                                pobjTLS->fnstKeyFile().toLocal8Bit().constData());
}

std::string fnstLower(std::string st) {
    std::transform(st.begin(), st.end(), st.begin(),
                   [](unsigned char ch) { return char(std::tolower(ch)); });
    return st;
}

// The value of a header in a raw request head, empty when it is absent.
std::string fnstHeader(const std::string &stHead, const std::string &stName) {
    const std::string stLowerHead = fnstLower(stHead);
    const size_t iAt = stLowerHead.find("\r\n" + fnstLower(stName) + ":");
    if (iAt == std::string::npos)
        return {};
    const size_t iValue = stHead.find_first_not_of(' ', iAt + stName.size() + 3);
    return stHead.substr(iValue, stHead.find("\r\n", iValue) - iValue);
}

bool fnbReadMore(int iConnection, std::string &st) {
    pollfd recPoll{iConnection, POLLIN, 0};
    if (st.size() >= ciMaxProxyRequest || poll(&recPoll, 1, ciReadWaitMs) <= 0)
        return false;
    char ach[4096];
    const ssize_t iRead = recv(iConnection, ach, sizeof ach, 0);
    if (iRead <= 0)
        return false;
    st.append(ach, size_t(iRead));
    return true;
}

void pSendAll(int iConnection, const std::string &st) {
    size_t iSent = 0;
    while (iSent < st.size()) {
        const ssize_t i = send(iConnection, st.data() + iSent, st.size() - iSent, MSG_NOSIGNAL);
        if (i <= 0)
            return;
        iSent += size_t(i);
    }
}

} // namespace

TclsHostSimulator::TclsHostSimulator(const TclsTestCertificates *pobjTLS)
    : objServer(fnobjServer(pobjTLS)) {
    if (!objServer->is_valid())
        return;
    objServer->set_tcp_nodelay(true);
    objServer->Post(R"(.*)", [this](const httplib::Request &req, httplib::Response &res) {
        std::unique_lock lock(mtx);
        arRequests.push_back(
            {req.method, req.path, req.get_header_value("Content-Type"), req.body});
        cvChange.notify_all();
        if (bHold)
            cvChange.wait_for(lock, cdurMaxHold, [this] { return bEnding; });
        res.status = iStatus;
        res.set_content(stBody, "application/x-www-form-urlencoded");
    });
    iPort = objServer->bind_to_any_port("127.0.0.1");
    if (iPort > 0)
        thrListen = std::thread([this] { objServer->listen_after_bind(); });
}

TclsHostSimulator::~TclsHostSimulator() {
    {
        std::lock_guard lock(mtx);
        bEnding = true;
    }
    cvChange.notify_all();
    objServer->stop();
    if (thrListen.joinable())
        thrListen.join();
}

void TclsHostSimulator::pAnswer(int iNewStatus, const std::string &stNewBody) {
    std::lock_guard lock(mtx);
    iStatus = iNewStatus;
    stBody = stNewBody;
}

void TclsHostSimulator::pHold() {
    std::lock_guard lock(mtx);
    bHold = true;
}

bool TclsHostSimulator::fnbWaitForRequest(int iMilliseconds) {
    std::unique_lock lock(mtx);
    return cvChange.wait_for(lock, std::chrono::milliseconds(iMilliseconds),
                             [this] { return !arRequests.empty(); });
}

std::vector<TrecHostRequest> TclsHostSimulator::fnarRequests() const {
    std::lock_guard lock(mtx);
    return arRequests;
}

TclsRecordingProxy::TclsRecordingProxy(std::string stReplyBody) : stReply(std::move(stReplyBody)) {
    iListener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in recAddress{};
    recAddress.sin_family = AF_INET;
    recAddress.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t iLength = sizeof recAddress;
    if (iListener < 0 ||
        bind(iListener, reinterpret_cast<sockaddr *>(&recAddress), sizeof recAddress) != 0 ||
        listen(iListener, 8) != 0 ||
        getsockname(iListener, reinterpret_cast<sockaddr *>(&recAddress), &iLength) != 0)
        return;
    iPort = ntohs(recAddress.sin_port);
    thrServe = std::thread([this] { pServe(); });
}

TclsRecordingProxy::~TclsRecordingProxy() {
    bStop = true;
    if (thrServe.joinable())
        thrServe.join();
    if (iListener >= 0)
        close(iListener);
}

// At most a minute of 100 ms turns: longer than any test lives.
void TclsRecordingProxy::pServe() {
    for (int iTurn = 0; iTurn < 600 && !bStop; ++iTurn) {
        pollfd recPoll{iListener, POLLIN, 0};
        if (poll(&recPoll, 1, 100) <= 0)
            continue;
        const int iConnection = accept4(iListener, nullptr, nullptr, SOCK_CLOEXEC);
        if (iConnection < 0)
            continue;
        pHandle(iConnection);
        close(iConnection);
    }
}

void TclsRecordingProxy::pHandle(int iConnection) {
    std::string st;
    size_t iHeadEnd = std::string::npos;
    while ((iHeadEnd = st.find("\r\n\r\n")) == std::string::npos)
        if (!fnbReadMore(iConnection, st))
            return;
    const std::string stHead = st.substr(0, iHeadEnd + 2);
    const std::string stRequestLine = stHead.substr(0, stHead.find("\r\n"));
    const std::string stLength = fnstHeader(stHead, "Content-Length");
    const size_t iBodyLength = stLength.empty() ? 0 : std::stoul(stLength);
    while (st.size() < iHeadEnd + 4 + iBodyLength)
        if (!fnbReadMore(iConnection, st))
            return;
    {
        std::lock_guard lock(mtx);
        arRequests.push_back({stRequestLine, fnstHeader(stHead, "Proxy-Authorization")});
    }
    if (stRequestLine.rfind("CONNECT ", 0) == 0) {
        pSendAll(iConnection, "HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\n\r\n");
        return;
    }
    pSendAll(iConnection, "HTTP/1.1 200 OK\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                          "Connection: close\r\nContent-Length: " +
                              std::to_string(stReply.size()) + "\r\n\r\n" + stReply);
}

std::vector<TrecProxyRequest> TclsRecordingProxy::fnarRequests() const {
    std::lock_guard lock(mtx);
    return arRequests;
}

void TclsRecordingProxy::pClear() {
    std::lock_guard lock(mtx);
    arRequests.clear();
}

std::string fnstFormBody(const std::vector<std::pair<std::string, std::string>> &arFields) {
    std::string st;
    for (const auto &[stName, stValue] : arFields) {
        if (!st.empty())
            st += '&';
        st += stName + '=';
        for (const unsigned char ch : stValue) {
            if (std::isalnum(ch) || ch == '-' || ch == '.' || ch == '_' || ch == '~') {
                st += char(ch);
            } else {
                static const char cachHex[] = "0123456789ABCDEF";
                st += {'%', cachHex[ch >> 4], cachHex[ch & 15]};
            }
        }
    }
    return st;
}
