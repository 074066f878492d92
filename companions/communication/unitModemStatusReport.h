// Where a modem call's status lines go: "Comm.log" in Logs (started afresh
// for every call, so the debugger lists the last one), the status mail slot,
// the caller's status callback, and the library's own log. Between lines the
// caller's windows get their events, so they paint and their Cancel works.
#pragma once

#include "MorvaneCommunication.h"

#include <QFile>
#include <QString>

#include <string>

class TclsModemStatusReport {
public:
    explicit TclsModemStatusReport(TpfnStatusCallback pfnStatus);
    ~TclsModemStatusReport();
    TclsModemStatusReport(const TclsModemStatusReport &) = delete;
    TclsModemStatusReport &operator=(const TclsModemStatusReport &) = delete;

    // One status line of the call's vocabulary.
    void pLine(const std::string &stLine);
    // Why the call went as it did: to "Comm.log" and the library's log only.
    void pNote(const QString &stText);

private:
    void pAppendToCommLog(const QByteArray &baLine);
    void pPostToMailSlot(const QByteArray &baLine) const;

    TpfnStatusCallback pfnStatus;
    QFile fileCommLog;
    int iMailSlotSocket = -1;
};

// Lets the caller's event loop run once when this is its thread.
void pKeepCallerResponsive();
