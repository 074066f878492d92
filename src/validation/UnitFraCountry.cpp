// The country frame: code and name combos, the details query, the search list.
#include "UnitFraCountry.h"

#include "ui_UnitFraCountry.h"

#include "UnitAdHocQuery.h"
#include "unitLogToFile.h"
#include "UnitLookupFrameResourceStrings.h"
#include "UnitSearchList.h"

namespace {
const QString cstCountryList = QStringLiteral("select * from country order by country_name");
} // namespace

TfraCountry::TfraCountry(QWidget *wParent) : TfraLookup(wParent), ui(new Ui::TfraCountry) {
    ui->setupUi(this);
    ui->lblCountryCode->setText(fnstRS(rsFraCodeLabel));
    ui->btnCountryLookup->setText(fnstRS(rsFraEllipsis));
    pPrepareCombo(ui->cmbCountryCode, QStringLiteral("country_cd"), fnstRS(rsFraColCountryCode),
                  QStringLiteral("country_cd"));
    ui->cmbCountryCode->AllowBlank = true;
    ui->cmbCountryCode->BlankMsgStr = fnstRS(rsFraCountryCodeBlank);
    ui->cmbCountryCode->DataType = ldtUpperCase;
    ui->cmbCountryCode->RequiredLength = 2;
    pPrepareCombo(ui->cmbCountryName, QStringLiteral("country_name"), fnstRS(rsFraColCountryName),
                  QStringLiteral("country_name"));
    ui->cmbCountryName->AllowBlank = false;
    ui->cmbCountryName->BlankMsgStr = fnstRS(rsFraCountryNameBlank);
    // The country table is read when a list is first needed, not with the page.
    ui->cmbCountryCode->pBindListSource(cstCountryList);
    ui->cmbCountryName->pBindListSource(cstCountryList);
    pApplyCaption();
    connect(ui->cmbCountryCode, &TmvLookupCombo::Exited, this, &TfraCountry::pCodeLeft);
    connect(ui->cmbCountryName, &TmvLookupCombo::Exited, this, &TfraCountry::pNameLeft);
    connect(ui->btnCountryLookup, &QToolButton::clicked, this, &TfraCountry::pLookup);
}

TfraCountry::~TfraCountry() {
    delete ui;
}

void TfraCountry::pApplyCaption() {
    for (TmvLookupCombo *cmb : {ui->cmbCountryCode, ui->cmbCountryName}) {
        cmb->FormCaption = fnstFormCaption();
        cmb->ImageIcon = fniImageIcon();
    }
}

QString TfraCountry::fnstCountryCode() const {
    return ui->cmbCountryCode->currentText().trimmed();
}

QString TfraCountry::fnstCountryName() const {
    return ui->cmbCountryName->currentText().trimmed();
}

bool TfraCountry::fnbIsJapanese() const {
    return fnstCountryCode().compare(QStringLiteral("JP"), Qt::CaseInsensitive) == 0;
}

void TfraCountry::pChoose(const QString &stCode, const QString &stName) {
    stHeldCode = stCode;
    stHeldName = stName;
    ui->cmbCountryCode->setEditText(stCode);
    ui->cmbCountryName->setEditText(stName);
    ui->cmbCountryCode->LastValue = stCode;
    ui->cmbCountryName->LastValue = stName;
    fniSetValues(stCode);
    emit CountryChanged(stCode);
}

void TfraCountry::pSetCountryCode(const QString &stCode) {
    TmvLookupCombo *cmb = ui->cmbCountryCode;
    cmb->fniEnsureListOpen();
    const auto oRow = cmb->fnoRowOfKey(stCode.trimmed());
    if (!oRow) {
        pChoose(stCode.trimmed(), {});
        return;
    }
    pChoose(cmb->fnrecRows().fnstValue(*oRow, QStringLiteral("country_cd")).trimmed(),
            cmb->fnrecRows().fnstValue(*oRow, QStringLiteral("country_name")).trimmed());
}

void TfraCountry::pCodeLeft() {
    TmvLookupCombo *cmb = ui->cmbCountryCode;
    const QString stBefore = stHeldCode;
    const bool bAccepted = fnbCheckLeft(
        cmb, stHeldCode, [cmb](const QString &st) { return cmb->fnbIsINList(st); },
        rsFraInvalidCountryCode);
    if (!bAccepted || stHeldCode == stBefore)
        return;
    if (stHeldCode.isEmpty()) {
        pChoose({}, {});
        return;
    }
    pSetCountryCode(stHeldCode);
}

void TfraCountry::pNameLeft() {
    TmvLookupCombo *cmb = ui->cmbCountryName;
    const QString stBefore = stHeldName;
    const bool bAccepted = fnbCheckLeft(
        cmb, stHeldName, [cmb](const QString &st) { return cmb->fnbIsINList(st); },
        rsFraInvalidCountryName);
    if (!bAccepted || stHeldName == stBefore || stHeldName.isEmpty())
        return;
    const auto oRow = cmb->fnoRowOfKey(stHeldName);
    pChoose(cmb->fnrecRows().fnstValue(*oRow, QStringLiteral("country_cd")).trimmed(),
            cmb->fnrecRows().fnstValue(*oRow, QStringLiteral("country_name")).trimmed());
}

bool TfraCountry::fnbCheckCountry() {
    TmvLookupCombo *cmb = ui->cmbCountryName;
    if (cmb->fnbIsINList(fnstCountryName()))
        return true;
    pRefuse(cmb, rsFraInvalidCountry);
    return false;
}

void TfraCountry::pLookup() {
    const auto oRecord = fnoRunSearchList(fnrecCountryAdaptor(), this);
    if (!oRecord)
        return;
    pChoose(oRecord->value(QStringLiteral("COUNTRY_CD")),
            oRecord->value(QStringLiteral("COUNTRY_NAME")));
    emit LookedUp();
}

int TfraCountry::fniSetValues(const QString &stCode) {
    recDetails = {};
    TclsAdHocQuery qry;
    const int iCode =
        stCode.isEmpty()
            ? 0
            : qry.fniOpen(QStringLiteral("select Country_cd, Country_name,state_label,"
                                         "UsePostCode_flag,Threshold_Value,tc_allowed_flag,"
                                         "export_type_reqd_flag,terms_of_trade_reqd_flag,"
                                         "Currency_cd from Country where country_cd = ?"),
                          {stCode});
    if (iCode != 0)
        pWriteLog(2, QStringLiteral("unitCountryFrame"), QStringLiteral("fniSetValues"),
                  QStringLiteral("Error - database library code %1").arg(iCode));
    if (iCode == 0 && !stCode.isEmpty() && qry.fnbNext()) {
        recDetails.Country_cd = qry.fnvField(QStringLiteral("Country_cd")).toString().trimmed();
        recDetails.Country_name = qry.fnvField(QStringLiteral("Country_name")).toString().trimmed();
        recDetails.state_label = qry.fnvField(QStringLiteral("state_label")).toString().trimmed();
        recDetails.UsePostCode_flag = qry.fnvField(QStringLiteral("UsePostCode_flag")).toBool();
        recDetails.Threshold_Value = qry.fnvField(QStringLiteral("Threshold_Value")).toDouble();
        recDetails.tc_allowed_flag = qry.fnvField(QStringLiteral("tc_allowed_flag")).toBool();
        recDetails.export_type_reqd_flag =
            qry.fnvField(QStringLiteral("export_type_reqd_flag")).toBool();
        recDetails.terms_of_trade_reqd_flag =
            qry.fnvField(QStringLiteral("terms_of_trade_reqd_flag")).toBool();
        recDetails.Currency_cd = qry.fnvField(QStringLiteral("Currency_cd")).toString().trimmed();
    }
    if (recDetails.state_label.isEmpty())
        recDetails.state_label = fnstRS(rsFraDefaultStateLabel);
    emit StateLabelChanged(recDetails.state_label);
    return iCode;
}
