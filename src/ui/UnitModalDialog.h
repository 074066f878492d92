// Modal dialogs other than message boxes (the error list) are shown through
// one replaceable runner, so tests and unattended runs never block on them.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QDialog;

// While it lives a modal window is up. A desktop hands the activation back to
// the window the modal one came from once it has closed; one that gives it to
// no window leaves the keyboard typing into nothing, so the window that was
// active asks for it back itself.
class TclsActivationKeeper {
public:
    TclsActivationKeeper();
    ~TclsActivationKeeper();
    TclsActivationKeeper(const TclsActivationKeeper &) = delete;
    TclsActivationKeeper &operator=(const TclsActivationKeeper &) = delete;

private:
    QPointer<QWidget> wOpener;
};

using TModalRunner = std::function<int(QDialog &)>;

// Shows the dialog modally and returns its result; the window that was active
// is active again once it has gone.
int fniExecModal(QDialog &dlg);
// How many dialogs were run so far, however they were answered.
int fniDialogsRun();
// Replaces the runner and returns the one it replaces; an empty runner brings
// back QDialog::exec.
TModalRunner pSetModalRunner(TModalRunner fnRunner);
