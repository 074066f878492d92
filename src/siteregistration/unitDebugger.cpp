// The debugger window.
#include "unitDebugger.h"
#include "ui_unitDebugger.h"

#include "unitCommStatusVocabulary.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "unitGlobalData.h"
#include "unitLogToFile.h"
#include "UnitModalDialog.h"
#include "UnitMsgDialog.h"
#include "unitResourceStrings.h"

#include <QDir>
#include <QFile>
#include <QPointer>

namespace {
const QString cstUnit = QStringLiteral("unitDebugger");

inline constexpr TResourceString rsProductTitle{QT_TRANSLATE_NOOP("Morvane", "Zorv Morvane")};
inline constexpr TResourceString rsDebugger{QT_TRANSLATE_NOOP("Morvane", "Debugger")};
inline constexpr TResourceString rsLogFileNotFound{
    QT_TRANSLATE_NOOP("Morvane", "Log file not found on the disk.")};
inline constexpr TResourceString rsCaptionWarning{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Warning")};
inline constexpr TResourceString rsOK{QT_TRANSLATE_NOOP("Morvane", "&OK")};

// Lines the shipment-notification service writes into the same log; they
// say nothing about the modem call.
bool fnbShownLine(const QString &stLine) {
    return !stLine.isEmpty() &&
           !stLine.contains(QLatin1String("Update Progress Shipment Notification"));
}

bool fnbDebuggerWanted() {
    std::shared_ptr<const TclsConfigZorvData> objConfigZorv;
    return fniGetConfigZorvData(objConfigZorv) == 0 && objConfigZorv &&
           objConfigZorv->comm_debugger;
}

// One debugger window at a time, whichever call window opens it.
QPointer<TfrmDebugger> &gfrmDebugger() {
    static QPointer<TfrmDebugger> frm;
    return frm;
}
} // namespace

TfrmDebugger::TfrmDebugger(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmDebugger>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setWindowTitle(fnstRS(rsProductTitle) + QStringLiteral(" - ") + fnstRS(rsDebugger));
}

TfrmDebugger::~TfrmDebugger() = default;

void TfrmDebugger::pDisplayDebugLog() {
    const QString stMethod = QStringLiteral("pDisplayDebugLog");
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Entered."));
    // The folder is read where it is; the process keeps its current folder.
    const QDir dirLogs(QDir::cleanPath(fnstExecutableDir() + QStringLiteral("/../Logs")));
    if (!dirLogs.exists()) {
        fniMessageDlg(fnstRS(rsLogFileNotFound), fnstRS(rsCaptionWarning), {fnstRS(rsOK)},
                      fnstRS(rsOK), mikWarning);
        pWriteLog(1, cstUnit, stMethod, QStringLiteral("Leaving."));
        return;
    }
    ui->lbxStatus->clear();
    QFile fileLog(dirLogs.filePath(QStringLiteral("Comm.log")));
    if (fileLog.open(QIODevice::ReadOnly | QIODevice::Text)) {
        pWriteLog(1, cstUnit, stMethod, QStringLiteral("Start reading the log file."));
        while (!fileLog.atEnd()) {
            // The log may come from a system that ends its lines with CR LF.
            QString stLine = QString::fromLocal8Bit(fileLog.readLine());
            while (stLine.endsWith(QLatin1Char('\n')) || stLine.endsWith(QLatin1Char('\r')))
                stLine.chop(1);
            if (fnbShownLine(stLine))
                ui->lbxStatus->addItem(fnstMapStatusLine(stLine));
        }
        pWriteLog(1, cstUnit, stMethod, QStringLiteral("End reading the log file."));
    }
    ui->lbxStatus->clearSelection();
    ui->lbxStatus->setCurrentRow(-1);
    fniExecModal(*this);
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Leaving."));
}

void TfrmDebugger::done(int iResult) {
    // Esc closes a dialog without a close event, so the log line is written here.
    pWriteLog(1, cstUnit, QStringLiteral("FormClose"),
              QStringLiteral("Closed the debugger window."));
    QDialog::done(iResult);
}

void pOpenDebuggerAfterCall(QWidget &wClosing, bool bCallEnded, const QString &stUnit) {
    const QString stMethod = QStringLiteral("FormClose");
    if (bCallEnded && fnbDebuggerWanted()) {
        wClosing.hide();
        if (!gfrmDebugger())
            gfrmDebugger() = new TfrmDebugger;
        pWriteLog(1, stUnit, stMethod, QStringLiteral("Before opening the debugger window."));
        gfrmDebugger()->pDisplayDebugLog();
        pWriteLog(1, stUnit, stMethod, QStringLiteral("After closing the debugger window."));
    }
    delete gfrmDebugger().data();
}
