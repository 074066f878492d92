// The level-0 status window.
#include "unitCommStatusLog0.h"
#include "ui_unitCommStatusLog0.h"

#include "unitResourceStrings.h"

namespace {
inline constexpr TResourceString rsStatus{QT_TRANSLATE_NOOP("Morvane", "Status")};
}

TfrmCommStatusLog0::TfrmCommStatusLog0(QWidget *parent)
    : TfrmCommStatusBase(parent), ui(std::make_unique<Ui::TfrmCommStatusLog0>()) {
    ui->setupUi(fnwContent());
    ui->grpStatus->setTitle(fnstRS(rsStatus));
}

TfrmCommStatusLog0::~TfrmCommStatusLog0() = default;

QString TfrmCommStatusLog0::fnstUnit() const {
    return QStringLiteral("unitCommStatusLog0");
}

void TfrmCommStatusLog0::pShowLine(const QString &, const QString &stShown) {
    ui->lblStatusMsg->setText(stShown);
}

QString TfrmCommStatusLog0::fnstStatusText() const {
    return ui->lblStatusMsg->text();
}

void TfrmCommStatusLog0::pSetStatusText(const QString &stText) {
    ui->lblStatusMsg->setText(stText);
}
