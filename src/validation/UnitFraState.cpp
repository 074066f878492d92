// The state frame: list per country, typed-state check, search list.
#include "UnitFraState.h"

#include "ui_UnitFraState.h"

#include "UnitLookupFrameResourceStrings.h"
#include "UnitLookupRowCheck.h"
#include "UnitSearchList.h"

TfraState::TfraState(QWidget *wParent) : TfraLookup(wParent), ui(new Ui::TfraState) {
    ui->setupUi(this);
    ui->btnStateLookup->setText(fnstRS(rsFraEllipsis));
    pPrepareCombo(ui->cmbState, QStringLiteral("State;Country_name"),
                  fnstRS(rsFraColState) + QLatin1Char(';') + fnstRS(rsFraColCountryName),
                  QStringLiteral("State"));
    ui->cmbState->AllowBlank = false;
    ui->cmbState->BlankMsgStr = fnstRS(rsFraStateBlank);
    pApplyCaption();
    connect(ui->cmbState, &TmvLookupCombo::Exited, this, &TfraState::pStateLeft);
    connect(ui->btnStateLookup, &QToolButton::clicked, this, &TfraState::pLookup);
}

TfraState::~TfraState() {
    delete ui;
}

void TfraState::pApplyCaption() {
    ui->cmbState->FormCaption = fnstFormCaption();
    ui->cmbState->ImageIcon = fniImageIcon();
}

QString TfraState::fnstState() const {
    return ui->cmbState->currentText().trimmed();
}

void TfraState::pSetState(const QString &stState) {
    stHeldState = stState.trimmed();
    ui->cmbState->setEditText(stHeldState);
    ui->cmbState->LastValue = stHeldState;
}

void TfraState::pSetCountryCode(const QString &stCode) {
    stCountryCode = stCode.trimmed();
    ui->cmbState->fniSetListSource(QStringLiteral("select * from state where country_cd = ?"),
                                   {stCountryCode});
}

void TfraState::pStateLeft() {
    fnbCheckLeft(
        ui->cmbState, stHeldState,
        [](const QString &st) {
            return fnbRowExists(
                QStringLiteral("select state,Country_cd,  country_name from state where state = ?"),
                st);
        },
        rsFraInvalidState);
}

void TfraState::pLookup() {
    const auto oRecord = fnoRunSearchList(fnrecStateAdaptor(stCountryCode), this);
    if (!oRecord)
        return;
    pSetState(oRecord->value(QStringLiteral("STATE")));
    emit LookedUp();
}
