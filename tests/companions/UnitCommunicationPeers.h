// The peers the communication library talks to in its tests, all on loopback:
// a carrier host (HTTP or HTTPS, cpp-httplib) that records every request and
// answers what the test asks for, and a forward proxy that records the request
// line and the proxy login it is sent.
#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}
class TclsTestCertificates;

struct TrecHostRequest {
    std::string stMethod, stPath, stContentType, stBody;
};

class TclsHostSimulator {
public:
    // With certificates the host speaks HTTPS.
    explicit TclsHostSimulator(const TclsTestCertificates *pobjTLS = nullptr);
    ~TclsHostSimulator();
    TclsHostSimulator(const TclsHostSimulator &) = delete;
    TclsHostSimulator &operator=(const TclsHostSimulator &) = delete;

    bool fnbOk() const { return iPort > 0; }
    int fniPort() const { return iPort; }
    // Every request from now on gets this answer.
    void pAnswer(int iStatus, const std::string &stBody);
    // Requests are held (at most 20 s, or until the host ends) before the answer.
    void pHold();
    // Waits at most iMilliseconds for the first request to arrive.
    bool fnbWaitForRequest(int iMilliseconds);
    std::vector<TrecHostRequest> fnarRequests() const;

private:
    std::unique_ptr<httplib::Server> objServer;
    std::thread thrListen;
    int iPort = -1;
    mutable std::mutex mtx;
    std::condition_variable cvChange;
    int iStatus = 200;
    std::string stBody;
    bool bHold = false, bEnding = false;
    std::vector<TrecHostRequest> arRequests;
};

struct TrecProxyRequest {
    std::string stRequestLine;        // "POST http://127.0.0.1:4711/ HTTP/1.1"
    std::string stProxyAuthorization; // the header's value, empty when absent
};

// Answers a forwarded request itself with stReply (status 200) and refuses a
// CONNECT (403), so a test sees which way the call went without a second hop.
class TclsRecordingProxy {
public:
    explicit TclsRecordingProxy(std::string stReply);
    ~TclsRecordingProxy();
    TclsRecordingProxy(const TclsRecordingProxy &) = delete;
    TclsRecordingProxy &operator=(const TclsRecordingProxy &) = delete;

    bool fnbOk() const { return iPort > 0; }
    int fniPort() const { return iPort; }
    std::vector<TrecProxyRequest> fnarRequests() const;
    void pClear();

private:
    void pServe();
    void pHandle(int iConnection);
    const std::string stReply;
    int iListener = -1;
    int iPort = -1;
    std::atomic<bool> bStop{false};
    std::thread thrServe;
    mutable std::mutex mtx;
    std::vector<TrecProxyRequest> arRequests;
};

// A registration reply in the host's wire format, values percent-encoded.
std::string fnstFormBody(const std::vector<std::pair<std::string, std::string>> &arFields);
