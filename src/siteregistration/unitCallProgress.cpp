// The call-progress window.
#include "unitCallProgress.h"
#include "ui_unitCallProgress.h"

#include "unitCommStatusMain.h"
#include "unitCommStatusVocabulary.h"
#include "unitCommunicationDLLAccess.h"
#include "unitDebugger.h"
#include "unitLogToFile.h"
#include "unitResourceStrings.h"

#include <QCloseEvent>

namespace {
const QString cstUnit = QStringLiteral("unitCallProgress");

inline constexpr TResourceString rsProductTitle{QT_TRANSLATE_NOOP("Morvane", "Zorv Morvane")};
inline constexpr TResourceString rsCallProgress{QT_TRANSLATE_NOOP("Morvane", "Call Progress")};
inline constexpr TResourceString rsDialing{QT_TRANSLATE_NOOP("Morvane", "Dialing")};
inline constexpr TResourceString rsUsing{QT_TRANSLATE_NOOP("Morvane", "Using")};
inline constexpr TResourceString rsAttempt{QT_TRANSLATE_NOOP("Morvane", "Attempt")};
inline constexpr TResourceString rsCancel{QT_TRANSLATE_NOOP("Morvane", "&Cancel")};
inline constexpr TResourceString rsElapsedSeconds{
    QT_TRANSLATE_NOOP("Morvane", "Elapsed seconds... ")};

const QString cstDialingLine = QStringLiteral("--Dialing Phone No");
} // namespace

TfrmCallProgress::TfrmCallProgress(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmCallProgress>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    tmrElapsedTime.setInterval(1000);
    connect(&tmrElapsedTime, &QTimer::timeout, this, &TfrmCallProgress::tmrElapsedTimeTimer);
    connect(ui->btnCancel, &QPushButton::clicked, this, &TfrmCallProgress::acpCancelClick);
}

TfrmCallProgress::~TfrmCallProgress() = default;

void TfrmCallProgress::pSetActivity(const QString &stLine) {
    if (stLine.left(18).trimmed() == cstDialingLine)
        stDialNo = stLine.mid(cstDialingLine.size()).trimmed();
    if (stLine == QLatin1String("Going Online...") ||
        (stLine.size() > 13 && stLine.mid(2, 11).trimmed() == QLatin1String("Retrying...")))
        ++iAttempt;
    if (stLine == QLatin1String("--Process Successful") ||
        stLine == QLatin1String("--Process NOT Successful") ||
        stLine == QLatin1String("Going Offline"))
        bCallEnded = true;
    ui->lblCurActivity->setText(fnstMapStatusLine(stLine));
    ui->lblCurAttempt->setText(iAttempt > 0 ? QString::number(iAttempt) : QString());
    if (!stDialNo.isEmpty())
        ui->lblDialNo->setText(stDialNo);
}

void TfrmCallProgress::tmrElapsedTimeTimer() {
    iElapsedSeconds = iElapsedSeconds == 0 ? 1 : iElapsedSeconds + tmrElapsedTime.interval() / 1000;
    ui->lblElapsedTime->setText(fnstRS(rsElapsedSeconds) + QString::number(iElapsedSeconds));
}

void TfrmCallProgress::showEvent(QShowEvent *event) {
    ui->lblDialing->setText(fnstRS(rsDialing) + QLatin1Char(':'));
    ui->lblModem->setText(fnstRS(rsUsing) + QLatin1Char(':'));
    ui->lblAttempt->setText(fnstRS(rsAttempt) + QLatin1Char(':'));
    ui->btnCancel->setText(fnstRS(rsCancel));
    if (ui->lblDialNo->text().isEmpty())
        ui->lblDialNo->setText(stDialNo);
    if (ui->lblModemName->text().isEmpty())
        ui->lblModemName->setText(grecCommCallState().stModemName);
    setWindowTitle(fnstRS(rsProductTitle) + QStringLiteral(" - ") + fnstRS(rsCallProgress));
    bAbort = false;
    if (!tmrElapsedTime.isActive())
        tmrElapsedTime.start();
    QDialog::showEvent(event);
}

void TfrmCallProgress::closeEvent(QCloseEvent *event) {
    const QString stMethod = QStringLiteral("FormClose");
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Entered."));
    ui->lblCurActivity->clear();
    tmrElapsedTime.stop();
    bAbort = false;
    iAttempt = 0;
    pOpenDebuggerAfterCall(*this, bCallEnded, cstUnit);
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Leaving."));
    // Not the dialog's own close, which would ask Cancel again.
    QWidget::closeEvent(event);
}

void TfrmCallProgress::reject() {
    acpCancelClick();
}

void TfrmCallProgress::acpCancelClick() {
    const QString stMethod = QStringLiteral("acpCancelClick");
    // The abort was asked for already: a second Cancel only closes.
    if (bAbort) {
        close();
        return;
    }
    // Without the library's abort the call runs on and the window stays.
    if (!fnrecCommEntryPoints().pSetAbort) {
        pWriteLog(2, cstUnit, stMethod,
                  QStringLiteral("Function to abort the communication is not available."));
        return;
    }
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("User chose to abort the communication."));
    bAbort = fnbCommAbort();
    if (!grecCommCallState().bOnline)
        close();
}
