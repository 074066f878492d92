// The continued sender page.
#include "UnitSenderInfoContPage.h"

#include "ui_UnitSenderInfoContPage.h"

#include "UnitDestinationBillingGrid.h"
#include "UnitFieldMarks.h"
#include "UnitKeyFilters.h"
#include "unitLogToFile.h"
#include "UnitMvDateEdit.h"
#include "unitWizardMessages.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <QStackedWidget>

using wps::cstUnit;

namespace {
// A licence expiration stored as this day stands for "no date".
const QString cstNoLicenseDate = QStringLiteral("11-11-1999");
const QString cstTypeField = QStringLiteral("shipment_reference_type");
const QString cstDescField = QStringLiteral("shipment_reference_type_desc");

QDate fndtLicenseDate(const QDateTime &dt) {
    if (!dt.isValid() || dt.toString(QStringLiteral("dd-MM-yyyy")) == cstNoLicenseDate)
        return {};
    return dt.date();
}
} // namespace

TfraSenderInfoContPage::TfraSenderInfoContPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraSenderInfoContPage>()) {
    ui->setupUi(this);
    objGrid = std::make_unique<TclsDestinationBillingGrid>(
        ui->stgdestinationBillingStringGrid, ui->chkDestinationBilling, [this] {
            const auto *stk = qobject_cast<const QStackedWidget *>(parentWidget());
            return stk && stk->currentWidget() == this;
        });
    pAllowOnlyDigits(ui->edtSenderVATGST);
}

TfraSenderInfoContPage::~TfraSenderInfoContPage() = default;

void TfraSenderInfoContPage::pInitializeComponents() {
    Ui::TfraSenderInfoContPage &pg = *ui;
    const std::pair<QLabel *, TResourceString> arLabels[] = {
        {pg.lblSenderZorvAccount, rs::rsSenderZorvAccount},
        {pg.lblSenderTCAccount, rs::rsSenderTCAccount},
        {pg.lblSenderVATGST, rs::rsSenderVATGST},
        {pg.lblSenderReference, rs::rsSenderReference},
        {pg.lblSenderRefType, rs::rsSenderRefType},
        {pg.lblSenderContents, rs::rsSenderContents},
        {pg.lblSenderExportLicense, rs::rsSenderExportLicense},
        {pg.lblSenderLicenseExpiration, rs::rsSenderLicenseExpiration},
        {pg.lblSenderTaxId, rs::rsSenderTaxId},
        {pg.lblSenderCNPJ, rs::rsSenderCNPJ},
        {pg.lblDestinationBilling, rs::rsDestinationBilling},
    };
    for (const auto &[lbl, rsCaption] : arLabels)
        lbl->setText(fnstLabel(rsCaption));
    pSetMandatoryMark(pg.lblSenderZorvAccount, true);
    // The licence date is shown and typed in the user's short date format.
    if (const QString stFormat = TmvDateEdit::fnstShortDateFormat(QLocale()); !stFormat.isEmpty())
        pg.calSenderLicenseExpiration->setDisplayFormat(stFormat);
    pg.calSenderLicenseExpiration->pSetRefusalTexts(
        wps::fnstShipperCaption(rs::rsCaptionSubjectInvalidData),
        fnstRS(rs::rsSenderLicenseExpiration));
    objGrid->pInitializeCaptions();
}

QWidget *TfraSenderInfoContPage::fnwFirstField() const {
    return ui->edtSenderZorvAccount;
}

void TfraSenderInfoContPage::pShowMandatoryMarks(const TbarMandatory &barMandatory) {
    pSetMandatoryMark(ui->lblSenderTaxId, barMandatory[4]);
    pSetMandatoryMark(ui->lblSenderCNPJ, barMandatory[5]);
}

// ---- Population ----------------------------------------------------------------

void TfraSenderInfoContPage::pShowSenderContRow(const TclsSendersData &recSender) {
    Ui::TfraSenderInfoContPage &pg = *ui;
    pg.edtSenderZorvAccount->setText(recSender.zorv_account.trimmed());
    pg.edtSenderTCAccount->setText(recSender.tc_account.trimmed());
    pg.edtSenderVATGST->setText(recSender.vat_gst.trimmed());
    pg.edtSenderReference->setText(recSender.reference.trimmed());
    pg.edtSenderContents1->setText(recSender.contents1.trimmed());
    pg.edtSenderContents2->setText(recSender.contents2.trimmed());
    pg.edtSenderContents3->setText(recSender.contents3.trimmed());
    pg.edtSenderExportLicense->setText(recSender.export_license.trimmed());
    pg.calSenderLicenseExpiration->pSetDate(fndtLicenseDate(recSender.license_expiration));
    pg.edtSenderTaxId->setText(recSender.federal_tax_id.trimmed());
    pg.edtSenderCNPJ->setText(recSender.state_tax_id.trimmed());
    pg.chkDestinationBilling->setChecked(recSender.destination_billing);
    stStoredReferenceType = recSender.shipper_ref_type_cd.trimmed();
}

void TfraSenderInfoContPage::pClearLicenseDate() {
    ui->calSenderLicenseExpiration->pClearDate();
}

void TfraSenderInfoContPage::pShowDestinationBillingRows(
    const std::vector<std::pair<QString, QString>> &arRows) {
    objGrid->pShowRows(arRows);
}

void TfraSenderInfoContPage::pSetAirportCodes(QStringList slCodes) {
    objGrid->pSetIATAList(std::move(slCodes));
}

std::vector<std::pair<QString, QString>>
TfraSenderInfoContPage::fnarDestinationBillingRows() const {
    return objGrid->fnarRows();
}

void TfraSenderInfoContPage::pShowReferenceTypes(const std::vector<TrecReferenceType> &arTypes) {
    TmvLookupCombo *cmb = ui->lcmbShipperRefType;
    const bool bActive = !arTypes.empty();
    ui->lblSenderRefType->setVisible(bActive);
    cmb->setVisible(bActive);
    if (!bActive)
        return;
    cmb->pSetListFieldNames(cstDescField);
    cmb->pSetKeyFieldNames(cstDescField);
    TrecLookupRows recRows{{cstDescField, cstTypeField}, {}};
    QString stShown = stStoredReferenceType;
    bool bFound = false;
    for (const TrecReferenceType &rec : arTypes) {
        recRows.arRows.push_back({rec.stDesc, rec.stType});
        if (bFound || stStoredReferenceType.isEmpty() ||
            rec.stType.trimmed() != stStoredReferenceType)
            continue;
        bFound = true;
        if (!rec.stDesc.trimmed().isEmpty())
            stShown = rec.stDesc.trimmed();
    }
    cmb->pSetFixedRows(recRows);
    cmb->setEditText(stShown);
    cmb->LastValue = stShown;
}

// ---- The destination-billing box ------------------------------------------------

void TfraSenderInfoContPage::chkDestinationBillingChange() {
    objGrid->chkDestinationBillingChange();
}

void TfraSenderInfoContPage::pDropEmptyDestinationBilling() {
    if (ui->stgdestinationBillingStringGrid->rowCount() == 0)
        ui->chkDestinationBilling->setChecked(false);
    objGrid->chkDestinationBillingChange();
}

bool TfraSenderInfoContPage::fnbSenderInfoContSettled() {
    return !ui->calSenderLicenseExpiration->fnbTellPartialText() &&
           objGrid->fnbDestinationBillingSettled();
}

void TfraSenderInfoContPage::pLeaving() {
    objGrid->pLeaveDestinationBillingPage();
}

// ---- Reading ----------------------------------------------------------------------

void TfraSenderInfoContPage::pReadFromScreen(TrecWizardData &recData) const {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromSenderInfoContScreen"),
              QStringLiteral("Inside pReadFromSenderInfoContScreen."));
    const Ui::TfraSenderInfoContPage &pg = *ui;
    TclsRWSendersData &obj = recData.objSendersData;
    obj.stZorvAccount = pg.edtSenderZorvAccount->text().trimmed();
    obj.stTCAccount = pg.edtSenderTCAccount->text().trimmed();
    obj.stVATGST = pg.edtSenderVATGST->text().trimmed();
    obj.stReference = pg.edtSenderReference->text().trimmed();
    obj.stContents1 = pg.edtSenderContents1->text().trimmed();
    obj.stContents2 = pg.edtSenderContents2->text().trimmed();
    obj.stContents3 = pg.edtSenderContents3->text().trimmed();
    obj.stExportLicense = pg.edtSenderExportLicense->text().trimmed();
    const QDate dtLicense = pg.calSenderLicenseExpiration->fndtDate();
    obj.dtLicenseExpiration = dtLicense.isValid() ? QDateTime(dtLicense, QTime(0, 0)) : QDateTime();
    obj.stFederalTaxId = pg.edtSenderTaxId->text().trimmed();
    obj.stStateTaxId = pg.edtSenderCNPJ->text().trimmed();
    obj.bDestinationBilling = pg.chkDestinationBilling->isChecked();
    // The reference type of the lookup's current row; a text the list does
    // not hold is kept as the type itself.
    const TmvLookupCombo &cmb = *pg.lcmbShipperRefType;
    const QString stText = cmb.isHidden() ? QString() : cmb.currentText().trimmed();
    const auto oRow = stText.isEmpty() ? std::nullopt : cmb.fnoRowOfKey(stText);
    obj.stReferenceTypeCode =
        oRow ? cmb.fnrecRows().fnstValue(*oRow, cstTypeField).trimmed() : stText;
    obj.stReferenceTypeDesc =
        oRow ? cmb.fnrecRows().fnstValue(*oRow, cstDescField).trimmed() : QString();
}
