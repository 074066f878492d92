// The status and call-progress windows of the current modem call.
#include "unitCommStatusWindows.h"

#include "unitCallProgress.h"
#include "UnitCommStatusBase.h"
#include "unitCommStatusLog0.h"
#include "unitCommStatusLog1.h"
#include "UnitCommStatusLog2.h"
#include "unitCommStatusMain.h"
#include "unitLogToFile.h"

#include <QPointer>

namespace {
struct TrecCommWindows {
    QPointer<TfrmCommStatusBase> frmStatus;
    QPointer<TfrmCallProgress> frmCallProgress;
};

TrecCommWindows &grecWindows() {
    static TrecCommWindows rec;
    return rec;
}

TfrmCommStatusBase *fnfrmNewStatusWindow(int iKind) {
    switch (iKind) {
    case 0:
        return new TfrmCommStatusLog0;
    case 1:
        return new TfrmCommStatusLog1;
    case 2:
        return new TfrmCommStatusLog2;
    default:
        pWriteLog(2, QStringLiteral("unitCommStatusMain"), QStringLiteral("fniUpdateStatusMsg"),
                  QStringLiteral("Logging level not specified in the db."));
        return nullptr;
    }
}

TfrmCommStatusBase *fnfrmStatusWindow(int iKind) {
    if (!grecWindows().frmStatus)
        grecWindows().frmStatus = fnfrmNewStatusWindow(iKind);
    return grecWindows().frmStatus;
}

TfrmCallProgress *fnfrmCallProgress() {
    if (!grecWindows().frmCallProgress)
        grecWindows().frmCallProgress = new TfrmCallProgress;
    return grecWindows().frmCallProgress;
}

void pShowCallProgress(const QString &stActivity) {
    TfrmCallProgress *frm = fnfrmCallProgress();
    frm->pSetActivity(stActivity);
    frm->show();
    frm->raise();
    frm->activateWindow();
}

void pShowStatus(int iKind, const QString &stLine) {
    TfrmCommStatusBase *frm = fnfrmStatusWindow(iKind);
    if (!frm)
        return;
    frm->fniUpdateStatusMsg(stLine);
    frm->show();
    frm->activateWindow();
}
} // namespace

void pRegisterCommStatusWindows() {
    pSetCommStatusDisplay({pShowCallProgress, pShowStatus, pFreeCommStatusWindows});
    pSetModemCallbacks(fniUpdateStatusMsg, pCommStatusWindowCallback);
}

void pFreeCommStatusWindows() {
    delete grecWindows().frmStatus.data();
    delete grecWindows().frmCallProgress.data();
}

void pCommStatusWindowCallback() {
    TrecCommCallState &rec = grecCommCallState();
    if (rec.iLogLevel == -1)
        rec.iLogLevel = TclsCommStatusMain(TclsCommStatusMain::TKeepCallState{}).fniGetLogLevel();
    if (TfrmCommStatusBase *frm = fnfrmStatusWindow(rec.iLogLevel))
        frm->hide();
    fnfrmCallProgress()->hide();
}
