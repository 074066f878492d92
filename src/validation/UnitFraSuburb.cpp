// The suburb frame: list per city and country, the not-in-list question, search list.
#include "UnitFraSuburb.h"

#include "ui_UnitFraSuburb.h"

#include "UnitLookupFrameResourceStrings.h"
#include "UnitSearchList.h"

TfraSuburb::TfraSuburb(QWidget *wParent) : TfraLookup(wParent), ui(new Ui::TfraSuburb) {
    ui->setupUi(this);
    ui->btnSuburbLookup->setText(fnstRS(rsFraEllipsis));
    TmvLookupCombo *cmb = ui->cmbSuburb;
    pPrepareCombo(cmb, QStringLiteral("suburb"), fnstRS(rsFraColSuburb), QStringLiteral("suburb"));
    cmb->AllowBlank = true;
    cmb->BlankMsgStr = fnstRS(rsFraSuburbBlank);
    cmb->CheckValidity = true;
    cmb->CheckValidMsgStr = fnstRS(rsFraSuburbNotInList);
    // "No" to keeping an unlisted suburb gives back the one held before.
    cmb->OnNoClick = [cmb] { cmb->setEditText(cmb->LastValue); };
    cmb->RestoreLastValue = true;
    pApplyCaption();
    connect(ui->btnSuburbLookup, &QToolButton::clicked, this, &TfraSuburb::pLookup);
}

TfraSuburb::~TfraSuburb() {
    delete ui;
}

void TfraSuburb::pApplyCaption() {
    ui->cmbSuburb->FormCaption = fnstFormCaption();
    ui->cmbSuburb->ImageIcon = fniImageIcon();
}

QString TfraSuburb::fnstSuburb() const {
    return ui->cmbSuburb->currentText().trimmed();
}

void TfraSuburb::pSetSuburb(const QString &stSuburb) {
    ui->cmbSuburb->setEditText(stSuburb.trimmed());
    ui->cmbSuburb->LastValue = stSuburb.trimmed();
}

void TfraSuburb::pSetDropDown(const QString &stNewCity, const QString &stNewCountryCode) {
    stCity = stNewCity.trimmed();
    stCountryCode = stNewCountryCode.trimmed();
    if (stCity.isEmpty())
        ui->cmbSuburb->fniSetListSource(QStringLiteral("select * from suburb where country_cd= ?"),
                                        {stCountryCode});
    else
        ui->cmbSuburb->fniSetListSource(
            QStringLiteral("select * from suburb where city = ? and country_cd= ?"),
            {stCity, stCountryCode});
}

void TfraSuburb::pLookup() {
    const auto oRecord = fnoRunSearchList(fnrecSuburbAdaptor(stCountryCode, stCity), this);
    if (!oRecord)
        return;
    stChosenCity = oRecord->value(QStringLiteral("CITY"));
    pSetSuburb(oRecord->value(QStringLiteral("SUBURB")));
    emit LookedUp();
}
