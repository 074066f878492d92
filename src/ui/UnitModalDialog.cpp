// The replaceable modal runner.
#include "UnitModalDialog.h"

#include <QApplication>
#include <QDialog>

namespace {
TModalRunner &gfnRunner() {
    static TModalRunner fn;
    return fn;
}

int &giDialogsRun() {
    static int i = 0;
    return i;
}
} // namespace

TclsActivationKeeper::TclsActivationKeeper() : wOpener(QApplication::activeWindow()) {}

TclsActivationKeeper::~TclsActivationKeeper() {
    if (wOpener && wOpener->isVisible() && !QApplication::activeWindow())
        wOpener->activateWindow();
}

int fniExecModal(QDialog &dlg) {
    ++giDialogsRun();
    const TclsActivationKeeper objKeeper;
    return gfnRunner() ? gfnRunner()(dlg) : dlg.exec();
}

int fniDialogsRun() {
    return giDialogsRun();
}

TModalRunner pSetModalRunner(TModalRunner fnRunner) {
    TModalRunner fnPrevious = std::move(gfnRunner());
    gfnRunner() = std::move(fnRunner);
    return fnPrevious;
}
