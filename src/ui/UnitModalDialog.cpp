// The replaceable modal runner.
#include "UnitModalDialog.h"

#include <QDialog>

namespace {
TModalRunner &gfnRunner() {
    static TModalRunner fn;
    return fn;
}
} // namespace

int fniExecModal(QDialog &dlg) {
    return gfnRunner() ? gfnRunner()(dlg) : dlg.exec();
}

TModalRunner pSetModalRunner(TModalRunner fnRunner) {
    TModalRunner fnPrevious = std::move(gfnRunner());
    gfnRunner() = std::move(fnRunner);
    return fnPrevious;
}
