// The replaceable modal runner.
#include "UnitModalDialog.h"

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

int fniExecModal(QDialog &dlg) {
    ++giDialogsRun();
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
