// The carrier's host for tests and the demo: an HTTP or HTTPS server on
// 127.0.0.1 that answers site registrations on any path, and on request a
// modem on a pseudo-terminal that answers them over the modem link. Tests
// run it inside their own process (start, arm a failure for the next request
// or call, stop); the carrier-host program is the same object behind a
// command line.
#pragma once

#include "UnitHostFailures.h"
#include "UnitModemFailures.h"

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
    bool bModem = false;        // also answer calls on a pseudo-terminal, see fnstModemDevice()
    TenumModemFailure enModemFailure = TenumModemFailure::None;
    bool bModemFailOnce = false; // enModemFailure only for the first dial
    int iModemBusyCalls = 0;     // the first dials are answered BUSY
    int iModemNoAnswerMs = 1000; // how long a dial rings before NO ANSWER
    // Receives one line per request or dial; empty: the line goes to stderr.
    std::function<void(const QString &)> pfnLog;
};

class TclsCarrierHost {
public:
    TclsCarrierHost();
    ~TclsCarrierHost(); // stops the host
    TclsCarrierHost(const TclsCarrierHost &) = delete;
    TclsCarrierHost &operator=(const TclsCarrierHost &) = delete;

    // Opens the database, binds the port (and opens the modem's line) and
    // serves in the background.
    bool fnbStart(const TrecCarrierHostOptions &rec, QString &stError);
    // Waits for requests being answered (a hanging one gives up at once) and
    // closes the port. Harmless when not running.
    void pStop();

    bool fnbRunning() const;
    int fniPort() const;
    // "http://127.0.0.1:PORT/" or "https://...".
    QString fnstUrl() const;

    // The slave of the modem's pseudo-terminal, "/dev/pts/N": the serial
    // port the site dials from. Empty without bModem.
    QString fnstModemDevice() const;

    // The next request, and only that one, fails this way.
    void pFailNextRequest(TenumHostFailure en);
    // The next dial, and only that one, fails this way.
    void pFailNextCall(TenumModemFailure en);

private:
    struct TrecPrivate;
    std::unique_ptr<TrecPrivate> p;
};
