// The level-2 status window. The library reports protocol steps, not line
// states, so the lights and the bar follow from the steps: a line that sends
// lights Tx, one that receives lights Rx, the modem's answer to initialising
// raises CTS and DSR, the host's answer raises CD until the line is hung up,
// and a failure lights Error until the next step goes well.
#include "UnitCommStatusLog2.h"
#include "ui_UnitCommStatusLog2.h"

#include "unitResourceStrings.h"

#include <array>

namespace {
inline constexpr TResourceString rsLegendCD{QT_TRANSLATE_NOOP("Morvane", "CD - Carrier Detect")};
inline constexpr TResourceString rsLegendRx{QT_TRANSLATE_NOOP("Morvane", "Rx - Receive Data")};
inline constexpr TResourceString rsLegendTx{QT_TRANSLATE_NOOP("Morvane", "Tx - Transmit Data")};
inline constexpr TResourceString rsLegendCTS{QT_TRANSLATE_NOOP("Morvane", "CTS - Clear To Send")};
inline constexpr TResourceString rsLegendDSR{QT_TRANSLATE_NOOP("Morvane", "DSR - Data Set Ready")};
inline constexpr TResourceString rsOn{QT_TRANSLATE_NOOP("Morvane", "On")};
inline constexpr TResourceString rsOff{QT_TRANSLATE_NOOP("Morvane", "Off")};

// How far a call has come when the library reports a step.
struct TrecProgressStep {
    const char *pchLineStart;
    int iPosition;
};
constexpr std::array carrProgress{
    TrecProgressStep{"Setting modem to Command state...", 5},
    TrecProgressStep{"Initializing Modem...", 10},
    TrecProgressStep{"Going Online...", 20},
    TrecProgressStep{"--Dialing Phone No", 30},
    TrecProgressStep{"Connected to Zorv..", 40},
    TrecProgressStep{"--Sending ENQ", 50},
    TrecProgressStep{"--Sending data", 60},
    TrecProgressStep{"--Waiting for EOT/ENQ", 70},
    TrecProgressStep{"--Receiving data", 80},
    TrecProgressStep{"--Received ETX", 90},
    TrecProgressStep{"--Process Successful", 100},
};

bool fnbContainsAny(const QString &stLine, std::initializer_list<const char *> arWords) {
    for (const char *pchWord : arWords)
        if (stLine.contains(QLatin1String(pchWord), Qt::CaseInsensitive))
            return true;
    return false;
}
} // namespace

TfrmCommStatusLog2::TfrmCommStatusLog2(QWidget *parent)
    : TfrmCommStatusBase(parent), ui(std::make_unique<Ui::TfrmCommStatusLog2>()) {
    ui->setupUi(fnwContent());
    ui->lblLegendCD->setText(fnstRS(rsLegendCD));
    ui->lblLegendRx->setText(fnstRS(rsLegendRx));
    ui->lblLegendTx->setText(fnstRS(rsLegendTx));
    ui->lblLegendCTS->setText(fnstRS(rsLegendCTS));
    ui->lblLegendDSR->setText(fnstRS(rsLegendDSR));
    for (QPushButton *btn :
         {ui->btnCD, ui->btnRx, ui->btnTx, ui->btnCTS, ui->btnDSR, ui->btnError}) {
        // Lights, not buttons: the user cannot switch them.
        btn->setAttribute(Qt::WA_TransparentForMouseEvents);
        btn->setStyleSheet(QStringLiteral("QPushButton:checked { background-color: red; }"));
        pSetLight(btn, btn->text(), false);
    }
}

TfrmCommStatusLog2::~TfrmCommStatusLog2() = default;

QString TfrmCommStatusLog2::fnstUnit() const {
    return QStringLiteral("unitCommStatusLog2");
}

void TfrmCommStatusLog2::pShowLine(const QString &stLine, const QString &stShown) {
    ui->lblStatus->setText(stShown);
    ui->memStatus->appendPlainText(stShown);
    pUpdateProgress(stLine);
    pUpdateLights(stLine);
}

QString TfrmCommStatusLog2::fnstStatusText() const {
    return ui->lblStatus->text();
}

void TfrmCommStatusLog2::pSetStatusText(const QString &stText) {
    ui->lblStatus->setText(stText);
    ui->memStatus->appendPlainText(stText);
}

void TfrmCommStatusLog2::pUpdateProgress(const QString &stLine) {
    for (const TrecProgressStep &rec : carrProgress)
        if (stLine.startsWith(QLatin1String(rec.pchLineStart))) {
            ui->prgStatus->setValue(rec.iPosition);
            return;
        }
}

void TfrmCommStatusLog2::pUpdateLights(const QString &stLine) {
    const bool bError =
        fnbContainsAny(stLine, {"Error", "TimeOut", "Failure", "NOT Successful", "not available"});
    const bool bHungUp = fnbContainsAny(stLine, {"Hung up", "Going Offline"});
    pSetLight(ui->btnError, QStringLiteral("Error"), bError);
    pSetLight(ui->btnTx, QStringLiteral("Tx"),
              !bError && (stLine.startsWith(QLatin1String("--Sending")) ||
                          stLine.startsWith(QLatin1String("Sending"))));
    pSetLight(ui->btnRx, QStringLiteral("Rx"),
              !bError && (stLine.startsWith(QLatin1String("--Received")) ||
                          stLine.startsWith(QLatin1String("--Receiving"))));
    if (stLine == QLatin1String("Initializing Modem..."))
        for (QPushButton *btn : {ui->btnCTS, ui->btnDSR})
            pSetLight(btn, btn->text(), true);
    if (stLine == QLatin1String("Connected to Zorv..") || stLine == QLatin1String("--Sending ENQ"))
        pSetLight(ui->btnCD, QStringLiteral("CD"), true);
    if (bHungUp)
        for (QPushButton *btn : {ui->btnCD, ui->btnCTS, ui->btnDSR})
            pSetLight(btn, btn->text(), false);
}

// A light's state is written as its name, " - " and the state.
void TfrmCommStatusLog2::pSetLight(QPushButton *btnLight, const QString &stName, bool bOn) {
    btnLight->setChecked(bOn);
    btnLight->setToolTip(stName + QStringLiteral(" - ") + fnstRS(bOn ? rsOn : rsOff));
}
