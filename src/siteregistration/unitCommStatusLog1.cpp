// The level-1 status window.
#include "unitCommStatusLog1.h"
#include "ui_unitCommStatusLog1.h"

TfrmCommStatusLog1::TfrmCommStatusLog1(QWidget *parent)
    : TfrmCommStatusBase(parent), ui(std::make_unique<Ui::TfrmCommStatusLog1>()) {
    ui->setupUi(fnwContent());
}

TfrmCommStatusLog1::~TfrmCommStatusLog1() = default;

QString TfrmCommStatusLog1::fnstUnit() const {
    return QStringLiteral("unitCommStatusLog1");
}

void TfrmCommStatusLog1::pShowLine(const QString &, const QString &stShown) {
    ui->memStatus->appendPlainText(stShown);
}

// The memo has no label of its own: its last line stands for it.
QString TfrmCommStatusLog1::fnstStatusText() const {
    return ui->memStatus->toPlainText().section(QLatin1Char('\n'), -1);
}

void TfrmCommStatusLog1::pSetStatusText(const QString &stText) {
    ui->memStatus->appendPlainText(stText);
}
