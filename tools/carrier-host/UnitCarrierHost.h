// The carrier's host for tests and the demo: an HTTP or HTTPS server on
// 127.0.0.1 that answers site registrations on any path. Tests run it inside
// their own process (start, arm a failure for the next request, stop); the
// carrier-host program is the same object behind a command line.
#pragma once

#include "UnitHostFailures.h"

#include <QString>

#include <functional>
#include <memory>

struct TrecCarrierHostOptions {
    QString stDatabaseFile; // the host's own SQLite file; created when missing
    int iPort = 0;          // 0: any free port, see fniPort()
    QString stCertFile;     // both set: HTTPS with this PEM certificate (chain) ...
    QString stKeyFile;      // ... and its PEM private key
    TenumHostFailure enFailure = TenumHostFailure::None;
    bool bFailOnce = false;     // enFailure only for the first request
    int iHangLimitSeconds = 60; // a hanging request's connection is dropped after this (1-60)
    QString stIsoCodesFile;     // empty: Debian's iso_3166-1.json
    // Receives one line per request; empty: the line goes to stderr.
    std::function<void(const QString &)> pfnLog;
};

class TclsCarrierHost {
public:
    TclsCarrierHost();
    ~TclsCarrierHost(); // stops the host
    TclsCarrierHost(const TclsCarrierHost &) = delete;
    TclsCarrierHost &operator=(const TclsCarrierHost &) = delete;

    // Opens the database, binds the port and serves in the background.
    bool fnbStart(const TrecCarrierHostOptions &rec, QString &stError);
    // Waits for requests being answered (a hanging one gives up at once) and
    // closes the port. Harmless when not running.
    void pStop();

    bool fnbRunning() const;
    int fniPort() const;
    // "http://127.0.0.1:PORT/" or "https://...".
    QString fnstUrl() const;

    // The next request, and only that one, fails this way.
    void pFailNextRequest(TenumHostFailure en);

private:
    struct TrecPrivate;
    std::unique_ptr<TrecPrivate> p;
};
