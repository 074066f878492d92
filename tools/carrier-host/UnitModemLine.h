// The carrier host's modem line: a pseudo-terminal whose slave is the
// site's serial port (the modem's AttachedTo device). On a thread of its
// own the line answers the Hayes dialogue, takes the registration request
// over the link once a dial connects, hands it to the desk, sends the REGP
// reply and waits for the caller to hang up; then the next call. The host
// keeps the slave open itself, so the line survives the site closing and
// reopening its port between calls.
#pragma once

#include "UnitModemFailures.h"
#include "UnitRegistrationDesk.h"

#include "unitLinkSession.h"

#include <QString>

#include <functional>
#include <memory>

struct TrecModemLineOptions {
    // The answer to a request message; the line knows nothing of registrations.
    std::function<TrecModemAnswer(const QByteArray &baRequest)> pfnAnswer;
    // One line per dial: "modem", the number, the result code, what happened.
    std::function<void(const QString &)> pfnLog;
    TenumModemFailure enFailure = TenumModemFailure::None;
    bool bFailOnce = false; // enFailure only for the first dial
    int iBusyCalls = 0;     // the first dials answered BUSY, before enFailure counts
    int iNoAnswerMs = 1000; // how long a dial rings before NO ANSWER
    ModemLink::TrecLinkLimits recLimits = fnrecHostLinkLimits();

    // The link's limits with a shorter wait for the caller's first ENQ: it
    // comes right after CONNECT, and a caller gone silent holds the line.
    static ModemLink::TrecLinkLimits fnrecHostLinkLimits() {
        ModemLink::TrecLinkLimits rec;
        rec.iEnqMs = 20000;
        return rec;
    }
};

class TclsModemLine {
public:
    TclsModemLine();
    ~TclsModemLine(); // stops the line
    TclsModemLine(const TclsModemLine &) = delete;
    TclsModemLine &operator=(const TclsModemLine &) = delete;

    // Opens a new pseudo-terminal, or takes iMaster (an open master the line
    // owns from then on), and answers calls in the background.
    bool fnbStart(const TrecModemLineOptions &rec, QString &stError, int iMaster = -1);
    // Ends the call in progress and the thread within moments; closes the
    // pseudo-terminal. Harmless when not running.
    void pStop();

    bool fnbRunning() const;
    // The slave's path, "/dev/pts/N"; empty when not running.
    QString fnstDevice() const;
    // Only the next dial fails this way; it goes before the standing failure.
    void pFailNextCall(TenumModemFailure en);

private:
    struct TrecPrivate;
    std::unique_ptr<TrecPrivate> p;
};
