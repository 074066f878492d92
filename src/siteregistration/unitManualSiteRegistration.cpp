// The manual site registration dialog.
#include "unitManualSiteRegistration.h"

#include "ui_unitManualSiteRegistration.h"

#include "UnitFocusSteps.h"
#include "UnitHourglass.h"
#include "UnitKeyFilters.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitRWSettings.h"
#include "unitSiteRegistration.h"
#include "unitSiteRegistrationStrings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace {
const QString cstUnit = QStringLiteral("unitManualSiteRegistration");
const QString cstLineBreak = QStringLiteral("\r\n");

bool fnbIsAsciiLetterOrDigit(QChar ch) {
    return ch.unicode() < 0x80 && ch.isLetterOrNumber();
}

} // namespace

TfrmManualSiteRegistration::TfrmManualSiteRegistration(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmManualSiteRegistration>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setWindowTitle(fnstRS(srs::rsRegistrationWizard) + QStringLiteral(" - ") +
                   fnstRS(srs::rsEnterSiteId));
    ui->lblTitle->setText(fnstRS(srs::rsManualTitle));
    ui->lblEnterSiteID->setText(fnstRS(srs::rsEnterSiteId) + QLatin1Char(':'));
    ui->btnOK->setText(fnstRS(srs::rsOK));
    ui->btnCancel->setText(fnstRS(srs::rsCancel));
    // Letters typed or pasted into the site ID appear in upper case.
    pForceUpperCase(ui->edtSiteId);
    ui->edtSiteId->installEventFilter(this);
    setProperty("helpContext", 1551);
    ui->edtSiteId->setProperty("helpContext", 1552);
    ui->btnOK->setProperty("helpContext", 1553);
    ui->btnCancel->setProperty("helpContext", 1554);
    connect(ui->btnOK, &QPushButton::clicked, this, &TfrmManualSiteRegistration::btnOKClick);
    connect(ui->btnCancel, &QPushButton::clicked, this,
            &TfrmManualSiteRegistration::btnCancelClick);
}

TfrmManualSiteRegistration::~TfrmManualSiteRegistration() = default;

void TfrmManualSiteRegistration::pExposedForInteraction(std::function<void()> fnNewCallback,
                                                        TclsSiteIdHolder *pNewHolder) {
    pWriteLog(1, cstUnit, QStringLiteral("pExposedForInteraction"),
              QStringLiteral("Inside pExposedForInteraction."));
    fnCallback = std::move(fnNewCallback);
    pHolder = pNewHolder;
}

void TfrmManualSiteRegistration::pWarn(const QString &stMessage) {
    fniMessageDlg(stMessage, fnstRS(srs::rsCaptionWarning), {fnstRS(srs::rsOK)}, fnstRS(srs::rsOK),
                  mikWarning);
}

void TfrmManualSiteRegistration::pReturnResult(const QString &stText) {
    if (pHolder)
        pHolder->stText = stText;
    if (fnCallback)
        fnCallback();
}

void TfrmManualSiteRegistration::btnOKClick() {
    // Leaving the empty field for OK has said so already.
    if (fnbRunFocusSteps())
        return;
    const QString stMethod = QStringLiteral("btnOKClick");
    const QString stSiteId = ui->edtSiteId->text().trimmed();
    if (stSiteId.isEmpty()) {
        pWarn(fnstRS(srs::rsSiteIdBlank) + QLatin1Char('.'));
        ui->edtSiteId->setFocus();
        return;
    }
    pWriteLog(1, cstUnit, stMethod,
              QStringLiteral("Creating the object of TclsRWSiteRegistration."));
    TclsRWSiteRegistration objSiteRegistration;
    pWriteLog(1, cstUnit, stMethod,
              QStringLiteral("Calling the fnstManualSiteReg from TclsRWSiteRegistration."));
    QString stResult;
    {
        const TclsHourglass objHourglass;
        stResult = objSiteRegistration.fnstManualSiteReg(ui->edtSiteId->text());
    }
    if (stResult == cstSuccess) {
        pWriteLog(1, cstUnit, stMethod,
                  QStringLiteral("Calling the PTempCallBack to return the site id to "
                                 "registration wizard form."));
        bExit = true;
        pReturnResult(stSiteId.toUpper());
        close();
    } else if (stResult == fnstInvalidSiteIdText()) {
        pWriteLog(1, cstUnit, stMethod,
                  QStringLiteral("Invalid site id entered, setting focus to edtSiteId, to enter "
                                 "again."));
        pWarn(fnstRS(srs::rsInvalidSiteIdEnterAgain) + QLatin1Char('.'));
        ui->edtSiteId->setFocus();
    } else {
        pWriteLog(3, cstUnit, stMethod,
                  QStringLiteral("Data could not be saved. Manual site registration failed, "
                                 "closing the application."));
        pWarn(fnstRS(srs::rsDataNotSaved) + QLatin1Char('.') +
              fnstRS(srs::rsManualRegistrationFailed) + QLatin1Char('.') + cstLineBreak +
              fnstRS(srs::rsClickOKToExit) + QLatin1Char('.'));
        bExit = true;
        // The wizard hid itself for the dialog: it must hear that there is no ID,
        // or nothing would be left on the screen to end the program with.
        pReturnResult(cstUnsuccess);
        close();
    }
}

void TfrmManualSiteRegistration::btnCancelClick() {
    pDropFocusSteps();
    pWriteLog(1, cstUnit, QStringLiteral("btnCancelClick"),
              QStringLiteral("Inside btnCancelClick, calling the form close event."));
    close();
}

void TfrmManualSiteRegistration::reject() {
    close();
}

void TfrmManualSiteRegistration::closeEvent(QCloseEvent *event) {
    pWriteLog(1, cstUnit, QStringLiteral("FormClose"),
              QStringLiteral("Inside FormClose, calling the pCancelClose method."));
    if (!fnbCancelClose()) {
        event->ignore();
        return;
    }
    event->accept();
    done(bExit ? QDialog::Accepted : QDialog::Rejected);
}

bool TfrmManualSiteRegistration::fnbCancelClose() {
    const QString stMethod = QStringLiteral("pCancelClose");
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Inside pCancelClose."));
    if (bExit) {
        pWriteLog(1, cstUnit, stMethod, QStringLiteral("Exiting from the manual registration."));
        return true;
    }
    const QString stQuestion = fnstRS(srs::rsNotUsableWithoutRegistration) + QLatin1Char('.') +
                               cstLineBreak + cstLineBreak + fnstRS(srs::rsSureToClose);
    const int iAnswer =
        fniMessageDlg(stQuestion, fnstRS(srs::rsCaptionConfirmation),
                      {fnstRS(srs::rsYes), fnstRS(srs::rsNo)}, fnstRS(srs::rsNo), mikQuestion);
    if (iAnswer != 0)
        return false;
    pWriteLog(3, cstUnit, stMethod,
              QStringLiteral("Manual registration failed, closing application."));
    QCoreApplication::exit(0);
    return true;
}

bool TfrmManualSiteRegistration::eventFilter(QObject *pWatched, QEvent *pEvent) {
    if (pWatched == ui->edtSiteId) {
        if (pEvent->type() == QEvent::KeyPress)
            return fnbSiteIdKeyPress(*static_cast<QKeyEvent *>(pEvent));
        if (pEvent->type() == QEvent::FocusOut) {
            const Qt::FocusReason eReason = static_cast<QFocusEvent *>(pEvent)->reason();
            // Only the user moving on counts, not a message box taking the focus.
            if (eReason == Qt::TabFocusReason || eReason == Qt::BacktabFocusReason ||
                eReason == Qt::MouseFocusReason || eReason == Qt::ShortcutFocusReason)
                pQueueFocusStep(this, [this] { edtSiteIdExit(); });
        }
    }
    return QDialog::eventFilter(pWatched, pEvent);
}

// True: the key is discarded. Only letters, digits, Backspace and the
// clipboard and undo keys reach the edit box; keys that type nothing (arrows,
// Delete, Tab, Esc) are no characters and pass.
bool TfrmManualSiteRegistration::fnbSiteIdKeyPress(const QKeyEvent &objKey) {
    if (objKey.key() == Qt::Key_Return || objKey.key() == Qt::Key_Enter) {
        if (ui->btnOK->isEnabled())
            btnOKClick();
        return true;
    }
    const Qt::KeyboardModifiers eModifiers =
        objKey.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (eModifiers == Qt::ControlModifier)
        return !(objKey.key() == Qt::Key_C || objKey.key() == Qt::Key_V ||
                 objKey.key() == Qt::Key_X || objKey.key() == Qt::Key_Z);
    if (objKey.key() == Qt::Key_Backspace)
        return false;
    const QString stText = objKey.text();
    if (stText.isEmpty() || !stText.front().isPrint())
        return false;
    return !(stText.size() == 1 && fnbIsAsciiLetterOrDigit(stText.front()));
}

void TfrmManualSiteRegistration::edtSiteIdExit() {
    if (bCheckingExit || QApplication::focusWidget() == ui->btnCancel ||
        !ui->edtSiteId->text().trimmed().isEmpty())
        return;
    bCheckingExit = true;
    pWarn(fnstRS(srs::rsSiteIdBlank) + QLatin1Char('.'));
    ui->edtSiteId->setFocus();
    bCheckingExit = false;
}
