// Acting on a modal window from inside its own event loop, as a user does:
// the step runs while the window's exec() waits, once the window is on
// screen and the topmost modal one, so everything the real loop does
// (closing editors that lost the focus, queued events, timers, focus
// changes) has happened by the time the program sees the answer.
#pragma once

#include <functional>

class QDialog;
class QWidget;

// On the offscreen platform, stands in for the window manager a desktop has:
// a window that closes while active (a message box, a dialog, a menu) hands
// the activation back to the window that was active when it opened, and the
// focus goes back where it was in that window. Called once; later calls do
// nothing.
void pStandInForWindowManager();

// The step runs with the next modal window shown; it is run at the latest
// after a few seconds even when the window system never shows the window,
// so that no test waits forever.
void pRunInsideNextModal(std::function<void(QWidget &)> fnStep);

// Runs the dialog's real modal loop and acts on it from inside with fnAnswer;
// what fnAnswer returns closes the dialog when it did not close itself.
int fniExecAnswering(QDialog &dlg, const std::function<int(QDialog &)> &fnAnswer);

// A modal runner that shows the dialog for real and answers it from inside
// with fnAnswer.
std::function<int(QDialog &)> fnrunAnsweringInside(std::function<int(QDialog &)> fnAnswer);

// While it lives, every dialog shown through fniExecModal really runs its
// modal loop and is answered from inside it by fnAnswer; the runner before it
// comes back afterwards.
class TclsDialogAnswerer {
public:
    explicit TclsDialogAnswerer(std::function<int(QDialog &)> fnAnswer);
    ~TclsDialogAnswerer();
    TclsDialogAnswerer(const TclsDialogAnswerer &) = delete;
    TclsDialogAnswerer &operator=(const TclsDialogAnswerer &) = delete;

    int iShown = 0; // the dialogs shown while it lived

private:
    std::function<int(QDialog &)> fnPrevious;
};
