// TclsCommStatusMain and the process-wide state of a modem call: the mail slot
// the communication library posts status lines to, the installation type
// (region) and logging level that choose how status is shown, and the modem
// name and retry count shown while dialling. The object itself holds nothing;
// creating one starts a new call's state.
#pragma once

#include "MorvaneCommunication.h"

#include <QString>

#include <functional>

// What the status windows have told the user about the current call. The
// callback frees the windows when a call ends and brings up a new one for the
// closing line, so this outlives them: one outcome box per call.
struct TrecCommOutcome {
    bool bEnded = false;
    bool bAbortRequested = false;
    bool bConnected = false;
    bool bMessageShown = false;
};

// The state of the current modem call, one per process.
struct TrecCommCallState {
    int iRegion = -2;   // installation type; -2: not read yet
    int iLogLevel = -1; // kind of status window; -1: not read yet
    bool bOnline = false;
    bool bFinished = false;
    bool bConnected = false;
    int iRetryCount = 0;
    QString stModemName;
    TrecCommOutcome recOutcome;
};
TrecCommCallState &grecCommCallState();

// The callbacks handed to the library on a modem call: the status callback
// gets every status line, the window callback brings up the status windows.
// The status windows register theirs; until then the library gets none.
void pSetModemCallbacks(TpfnStatusCallback pfnStatus, TpfnWindowCallback pfnWindow);
TpfnStatusCallback fnpfnStatusCallback();
TpfnWindowCallback fnpfnWindowCallback();

class TclsCommStatusMain {
public:
    // Starts a new call: kind and region unread, online, no retries, no modem name.
    TclsCommStatusMain();
    // Goes on with the call under way: its state stays as it is.
    struct TKeepCallState {};
    explicit TclsCommStatusMain(TKeepCallState) {}

    // The carrier configuration's installation type; -1 when it cannot be read.
    int fniGetRegion();
    // The carrier configuration's communication logging level; -1 when it cannot be read.
    int fniGetLogLevel();
    // "Success" when the process holds the mail slot (created on first use and
    // kept), else "Failure"; makes sure TempData and EmailData exist beside Bin.
    QString fnstCreateMailSlot();
    // The next status line waiting in the mail slot; empty when none waits.
    QString fnstReadMailSlot();
    // Reads the modem name into the call state ("Standard Modem" without a row).
    void pGetModemName();
    // Reads the number of dial retries into the call state.
    void pGetTotalAttempt();
};

// Where the status callback shows a line: the call-progress window while a
// dial attempt is under way, else the status window of the configured kind
// (0, 1 or 2); pFreeWindows ends both when the call is over. The status
// windows register theirs; a member left empty shows nothing.
struct TrecCommStatusDisplay {
    std::function<void(const QString &stActivity)> pShowCallProgress;
    std::function<void(int iKind, const QString &stLine)> pShowStatus;
    std::function<void()> pFreeWindows;
};
void pSetCommStatusDisplay(TrecCommStatusDisplay recDisplay);

// The library's status callback: follows the call's state through the status
// lines and shows each line; -1 when the installation type is not configured,
// else 0.
int fniUpdateStatusMsg(const char *pchStatusLine);
