// The airport frame: directory rows per country, typed-code check, search list.
#include "UnitFraIATA.h"

#include "ui_UnitFraIATA.h"

#include "UnitLookupFrameResourceStrings.h"
#include "UnitLookupRowCheck.h"
#include "UnitSearchList.h"

TfraIATA::TfraIATA(QWidget *wParent) : TfraLookup(wParent), ui(new Ui::TfraIATA) {
    ui->setupUi(this);
    ui->btnIATALookup->setText(fnstRS(rsFraEllipsis));
    pPrepareCombo(ui->cmbIATA, QStringLiteral("city;IATA;country_name"),
                  fnstRS(rsFraColCity) + QLatin1Char(';') + fnstRS(rsFraColIATA) +
                      QLatin1Char(';') + fnstRS(rsFraColCountryName),
                  QStringLiteral("Iata"));
    ui->cmbIATA->AllowBlank = false;
    ui->cmbIATA->BlankMsgStr = fnstRS(rsFraIATABlank);
    ui->cmbIATA->DataType = ldtUpperCase;
    ui->cmbIATA->RequiredLength = 3;
    pApplyCaption();
    connect(ui->cmbIATA, &TmvLookupCombo::Exited, this, &TfraIATA::pIATALeft);
    connect(ui->btnIATALookup, &QToolButton::clicked, this, &TfraIATA::pLookup);
}

TfraIATA::~TfraIATA() {
    delete ui;
}

void TfraIATA::pApplyCaption() {
    ui->cmbIATA->FormCaption = fnstFormCaption();
    ui->cmbIATA->ImageIcon = fniImageIcon();
}

QString TfraIATA::fnstIATA() const {
    return ui->cmbIATA->currentText().trimmed();
}

void TfraIATA::pSetIATA(const QString &stIATA) {
    stHeldIATA = stIATA.trimmed().toUpper();
    ui->cmbIATA->setEditText(stHeldIATA);
    ui->cmbIATA->LastValue = stHeldIATA;
}

void TfraIATA::pSetCountryCode(const QString &stCode) {
    stCountryCode = stCode.trimmed();
    ui->cmbIATA->fniSetListSource(QStringLiteral("select * from Directory where country_cd = ?"),
                                  {stCountryCode});
}

void TfraIATA::pIATALeft() {
    fnbCheckLeft(
        ui->cmbIATA, stHeldIATA,
        [](const QString &st) {
            return fnbRowExists(QStringLiteral("select IATA,City,  Country_cd,Country_Name from "
                                               "Directory  where IATA = ?"),
                                st.toUpper());
        },
        rsFraInvalidIATA);
}

void TfraIATA::pLookup() {
    const auto oRecord = fnoRunSearchList(fnrecIATAAdaptor(stCountryCode), this);
    if (!oRecord)
        return;
    stChosenCity = oRecord->value(QStringLiteral("CITY"));
    pSetIATA(oRecord->value(QStringLiteral("IATA")));
    emit LookedUp();
}
