// The status windows' shared behaviour.
#include "UnitCommStatusBase.h"
#include "ui_UnitCommStatusBase.h"

#include "unitCommStatusMain.h"
#include "unitCommStatusVocabulary.h"
#include "unitCommunicationDLLAccess.h"
#include "unitDebugger.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitResourceStrings.h"

#include <QApplication>
#include <QCloseEvent>

namespace {
inline constexpr TResourceString rsProductTitle{QT_TRANSLATE_NOOP("Morvane", "Zorv Morvane")};
inline constexpr TResourceString rsCommunicationStatus{
    QT_TRANSLATE_NOOP("Morvane", "Communication Status")};
inline constexpr TResourceString rsModemCommunication{
    QT_TRANSLATE_NOOP("Morvane", "Modem Communication")};
inline constexpr TResourceString rsCancel{QT_TRANSLATE_NOOP("Morvane", "&Cancel")};
inline constexpr TResourceString rsOK{QT_TRANSLATE_NOOP("Morvane", "&OK")};
inline constexpr TResourceString rsReady{QT_TRANSLATE_NOOP("Morvane", "Ready")};
inline constexpr TResourceString rsSuccessfullyCompleted{
    QT_TRANSLATE_NOOP("Morvane", "Communication is successfully completed.")};
inline constexpr TResourceString rsBackendFailed{
    QT_TRANSLATE_NOOP("Morvane", "Communication with Zorv backend server failed.")};
inline constexpr TResourceString rsBackendNotAvailable{QT_TRANSLATE_NOOP(
    "Morvane", "The backend Zorv server is not available. Modem operation failed.")};
inline constexpr TResourceString rsDialAborted{
    QT_TRANSLATE_NOOP("Morvane", "Dial aborted by the user.")};
inline constexpr TResourceString rsModemNotAvailable{
    QT_TRANSLATE_NOOP("Morvane", "Modem is not available.")};

const QString cstMethod = QStringLiteral("fniUpdateStatusMsg");

bool fnbIsOneOf(const QString &stLine, std::initializer_list<const char *> arLines) {
    for (const char *pchLine : arLines)
        if (stLine == QLatin1String(pchLine))
            return true;
    return false;
}

// The application's main window: the top-level window that is not a dialog.
QWidget *fnwMainWindow(const QWidget *wExcept) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != wExcept && !qobject_cast<QDialog *>(w) && w->isVisible())
            return w;
    return nullptr;
}
} // namespace

TfrmCommStatusBase::TfrmCommStatusBase(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmCommStatusBase>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    ui->btnCancel->setText(fnstRS(rsCancel));
    actCancel.setText(fnstRS(rsCancel));
    connect(&actCancel, &QAction::triggered, this, [this] { acpCancelExecute(); });
    connect(ui->btnCancel, &QPushButton::clicked, &actCancel, &QAction::trigger);
    pSetCaption();
}

TfrmCommStatusBase::~TfrmCommStatusBase() {
    if (wDisabledMain)
        wDisabledMain->setEnabled(true);
}

QWidget *TfrmCommStatusBase::fnwContent() const {
    return ui->wgtContent;
}

void TfrmCommStatusBase::pSetCaption() {
    setWindowTitle(fnstRS(rsProductTitle) + QStringLiteral(" - ") + fnstRS(rsCommunicationStatus));
}

void TfrmCommStatusBase::showEvent(QShowEvent *event) {
    pSetCaption();
    if (!wDisabledMain) {
        wDisabledMain = fnwMainWindow(this);
        if (wDisabledMain)
            wDisabledMain->setEnabled(false);
    }
    QDialog::showEvent(event);
}

void TfrmCommStatusBase::closeEvent(QCloseEvent *event) {
    if (!bMayClose) {
        event->ignore();
        return;
    }
    const QString stMethod = QStringLiteral("FormClose");
    pWriteLog(1, fnstUnit(), stMethod, QStringLiteral("Entered."));
    if (wDisabledMain)
        wDisabledMain->setEnabled(true);
    wDisabledMain = nullptr;
    // A window may close only once its call ended.
    pOpenDebuggerAfterCall(*this, bMayClose, fnstUnit());
    pWriteLog(1, fnstUnit(), stMethod, QStringLiteral("Leaving."));
    // Not the dialog's own close, which would ask Cancel again.
    QWidget::closeEvent(event);
}

void TfrmCommStatusBase::reject() {
    actCancel.trigger();
}

void TfrmCommStatusBase::acpCancelExecute() {
    pAbortCommunication();
    if (bMayClose)
        close();
}

void TfrmCommStatusBase::pAbortCommunication() {
    const QString stMethod = QStringLiteral("acpCancelExecute");
    if (!fnrecCommEntryPoints().pSetAbort) {
        pWriteLog(2, fnstUnit(), stMethod,
                  QStringLiteral("Address of function for aborting the communication is not "
                                 "available."));
        return;
    }
    pWriteLog(1, fnstUnit(), stMethod, QStringLiteral("User chose to abort the communication."));
    fnbCommAbort();
    grecCommCallState().recOutcome.bAbortRequested = true;
}

void TfrmCommStatusBase::pEndCall() {
    grecCommCallState().recOutcome.bEnded = true;
    bMayClose = true;
}

void TfrmCommStatusBase::pTellOutcome(const QString &stText, bool bLog) {
    TrecCommOutcome &rec = grecCommCallState().recOutcome;
    if (rec.bMessageShown)
        return;
    rec.bMessageShown = true;
    pSetStatusText(stText);
    if (bLog)
        pWriteLog(2, fnstUnit(), cstMethod, stText);
    fniMessageDlg(stText,
                  fnstRS(rsProductTitle) + QStringLiteral(" - ") + fnstRS(rsModemCommunication),
                  {fnstRS(rsOK)}, fnstRS(rsOK), mikInformation);
}

void TfrmCommStatusBase::fniUpdateStatusMsg(const QString &stLine) {
    TrecCommOutcome &rec = grecCommCallState().recOutcome;
    if (fnbIsOneOf(stLine, {"--Sending ENQ", "Connected to Zorv.."}))
        rec.bConnected = true;
    const bool bReady =
        stLine == QLatin1String("Setting modem to Command state...") && fnstStatusText().isEmpty();
    pShowLine(stLine, bReady ? fnstRS(rsReady) : fnstMapStatusLine(stLine));
    if (stLine == QLatin1String("--Process Successful")) {
        pEndCall();
        pTellOutcome(fnstRS(rsSuccessfullyCompleted), false);
    } else if (stLine == QLatin1String("--Process NOT Successful")) {
        pEndCall();
        pTellOutcome(fnstRS(rec.bConnected ? rsBackendFailed : rsBackendNotAvailable), true);
    } else if (stLine == QLatin1String("Going Offline") && fnrecCommEntryPoints().pSetAbort) {
        pWriteLog(1, fnstUnit(), cstMethod, QStringLiteral("Before aborting the communication."));
        if (!fnbCommAbort())
            pWriteLog(2, fnstUnit(), cstMethod,
                      QStringLiteral("Could not abort the communication."));
        pWriteLog(1, fnstUnit(), cstMethod, QStringLiteral("After aborting the communication."));
        rec.bAbortRequested = true;
        pEndCall();
    } else if (fnbIsOneOf(stLine, {"Call Dropped...", "Error going Online", "--Connect timed out",
                                   "Unable to Connect to Zorv Host."})) {
        pEndCall();
    } else if (fnbIsOneOf(stLine, {"No response from modem", "Cannot initialize modem"})) {
        pEndCall();
        pTellOutcome(fnstRS(rec.bAbortRequested ? rsDialAborted : rsModemNotAvailable), true);
    }
}
