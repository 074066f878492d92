// The continued sender page (accounts, customs data, the reference type and
// the destination-billing box): its captions and stars, filling both sender
// pages from the default sender's row, and reading the page back.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard_SenderInfo.h"
#include "ui_unitRegistrationWizard_SenderInfoCont.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitDatabaseConstants.h"
#include "UnitFieldMarks.h"
#include "UnitFraCountry.h"
#include "UnitFraIATA.h"
#include "UnitFraState.h"
#include "UnitFraSuburb.h"
#include "unitLogToFile.h"
#include "UnitMvDateEdit.h"
#include "unitSenderAddressEvents.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");
const QString cstDefaultSender = QStringLiteral("DEFAULT");
// A licence expiration stored as this day stands for "no date".
const QString cstNoLicenseDate = QStringLiteral("11-11-1999");

QString fnstQuoted(const QString &st) {
    return QLatin1Char('\'') + QString(st).replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
}

QDate fndtLicenseDate(const QDateTime &dt) {
    if (!dt.isValid() || dt.toString(QStringLiteral("dd-MM-yyyy")) == cstNoLicenseDate)
        return {};
    return dt.date();
}
} // namespace

void TfrmRegistrationWizard::pInitializeSenderInfoContComponents() {
    Ui::TfraSenderInfoContPage &pg = *uiSenderInfoCont;
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
    pg.stgdestinationBillingStringGrid->setHorizontalHeaderLabels(
        {fnstRS(rs::rsSenderAirportCode), fnstRS(rs::rsDestBillingAccountNo)});
    mnuDestbillingAdd->setText(fnstRS(rs::rsDestBillingAdd));
    mnuDestBillingEdit->setText(fnstRS(rs::rsDestBillingEdit));
    mnuDestBillingDelete->setText(fnstRS(rs::rsDestBillingDelete));
}

// ---- Population ----------------------------------------------------------------

bool TfrmRegistrationWizard::fnbPopulateSenderPages() {
    const QString stMethod = QStringLiteral("pPopulateScreen");
    uiSenderInfo->edtSenderCode->setText(cstDefaultSender);
    uiSenderInfoCont->calSenderLicenseExpiration->pClearDate();
    const QString stCode = stDefaultSenderCode.trimmed();
    if (stCode.isEmpty()) {
        pUpdateDestinationBillingGridMenu();
        return true;
    }
    TobjarMVData objarSenders;
    const int iCode = fniQueryRecords({{QStringLiteral("sender_cd"), fnstQuoted(stCode)}},
                                      objarSenders, QStringLiteral("TclsSendersDB"));
    if (iCode != dbc::iSuccess) {
        pWriteLog(2, cstUnit, stMethod,
                  QStringLiteral("Senders could not be read, code %1.").arg(iCode));
        pEndOnPopulateFailure(iCode);
        return false;
    }
    const auto *pSender = objarSenders.empty()
                              ? nullptr
                              : dynamic_cast<const TclsSendersData *>(objarSenders.front().get());
    if (!pSender) {
        pUpdateDestinationBillingGridMenu();
        return true;
    }
    pShowSenderRow(*pSender);
    pShowSenderContRow(*pSender);
    return fnbShowDestinationBillingRows(pSender->sender_cd.trimmed());
}

// The frames are given their country before their values, so that each
// lists the rows of that country; the airport comes last, as every other
// address field that changes empties it.
void TfrmRegistrationWizard::pShowSenderRow(const TclsSendersData &recSender) {
    Ui::TfraSenderInfoPage &pg = *uiSenderInfo;
    pg.edtSenderCode->setText(recSender.sender_cd.trimmed());
    pg.edtSenderCompany->setText(recSender.company.trimmed());
    pg.edtSenderName->setText(recSender.shipper_name.trimmed());
    pg.fraSenderCountry->pSetCountryCode(recSender.country_cd.trimmed());
    // The page's layout (postcode or suburb) follows the country.
    if (objSenderAddressEvents)
        objSenderAddressEvents->pCountryNameExit();
    pg.edtSenderAddress1->setText(recSender.address1.trimmed());
    pg.edtSenderAddress2->setText(recSender.address2.trimmed());
    pg.edtSenderAddress3->setText(recSender.address3.trimmed());
    if (pg.edtSenderPostcode->isEnabled())
        pg.edtSenderPostcode->setText(recSender.postcode.trimmed());
    pg.edtSenderCity->setText(recSender.city.trimmed());
    pg.fraSenderSuburb->pSetCity(recSender.city.trimmed());
    pg.fraSenderSuburb->pSetSuburb(recSender.suburb);
    pg.fraSenderState->pSetCountryCode(recSender.country_cd.trimmed());
    pg.fraSenderState->pSetState(recSender.state.trimmed());
    pg.edtSenderEmail->setText(recSender.email.trimmed());
    pg.edtSenderMobile->setText(recSender.mobile.trimmed());
    pg.edtSenderTelephone->setText(recSender.telephone.trimmed());
    pg.fraSenderIATA->pSetCountryCode(recSender.country_cd.trimmed());
    pg.fraSenderIATA->pSetIATA(recSender.iata.trimmed());
}

void TfrmRegistrationWizard::pShowSenderContRow(const TclsSendersData &recSender) {
    Ui::TfraSenderInfoContPage &pg = *uiSenderInfoCont;
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

bool TfrmRegistrationWizard::fnbShowDestinationBillingRows(const QString &stSenderCode) {
    TobjarMVData objarRows;
    const int iCode = fniQueryRecords({{QStringLiteral("sender_cd"), fnstQuoted(stSenderCode)}},
                                      objarRows, QStringLiteral("TclsDestinationBillingDB"));
    if (iCode != dbc::iSuccess) {
        pWriteLog(
            2, cstUnit, QStringLiteral("pPopulateScreen"),
            QStringLiteral("Destination billing rows could not be read, code %1.").arg(iCode));
        pEndOnPopulateFailure(iCode);
        return false;
    }
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    stg->setRowCount(0);
    for (const auto &obj : objarRows) {
        const auto *pRow = dynamic_cast<const TclsDestinationBillingData *>(obj.get());
        if (!pRow)
            continue;
        const int iRow = stg->rowCount();
        stg->insertRow(iRow);
        stg->setItem(iRow, 0, new QTableWidgetItem(pRow->iata.trimmed()));
        stg->setItem(iRow, 1, new QTableWidgetItem(pRow->account_number.trimmed()));
    }
    pUpdateDestinationBillingGridMenu();
    return true;
}

// The label and combo show only while the carrier has active reference types.
bool TfrmRegistrationWizard::fnbPopulateReferenceTypes() {
    Ui::TfraSenderInfoContPage &pg = *uiSenderInfoCont;
    TmvLookupCombo *cmb = pg.lcmbShipperRefType;
    TclsAdHocQuery qryActive;
    const bool bActive =
        qryActive.fniOpen(QStringLiteral("Select shipment_reference_type from "
                                         "shipment_piece_reference_type where active_flag = 1")) ==
            dbc::iSuccess &&
        qryActive.fnbNext();
    pg.lblSenderRefType->setVisible(bActive);
    cmb->setVisible(bActive);
    if (!bActive)
        return true;
    cmb->pSetListFieldNames(QStringLiteral("shipment_reference_type_desc"));
    cmb->pSetKeyFieldNames(QStringLiteral("shipment_reference_type_desc"));
    const int iCode = cmb->fniSetListSource(
        QStringLiteral("SELECT shipment_reference_type_id,shipment_reference_type_desc,"
                       "shipment_reference_type FROM shipment_piece_reference_type WHERE "
                       "active_flag = 1"));
    if (iCode != dbc::iSuccess)
        pWriteLog(2, cstUnit, QStringLiteral("pPopulateScreen"),
                  QStringLiteral("Reference types could not be read, code %1.").arg(iCode));
    // The stored type shows by its description; a type the list does not
    // describe shows as stored.
    QString stShown = stStoredReferenceType;
    const TrecLookupRows &recRows = cmb->fnrecRows();
    for (size_t i = 0; i < recRows.arRows.size(); ++i)
        if (!stStoredReferenceType.isEmpty() &&
            recRows.fnstValue(i, QStringLiteral("shipment_reference_type")).trimmed() ==
                stStoredReferenceType) {
            const QString stDesc =
                recRows.fnstValue(i, QStringLiteral("shipment_reference_type_desc")).trimmed();
            stShown = stDesc.isEmpty() ? stStoredReferenceType : stDesc;
            break;
        }
    cmb->setEditText(stShown);
    cmb->LastValue = stShown;
    return true;
}

bool TfrmRegistrationWizard::fnbPopulateDestinationBillingColour() {
    chkDestinationBillingChange();
    return true;
}

// ---- Reading ----------------------------------------------------------------------

void TfrmRegistrationWizard::pReadFromSenderInfoContScreen() {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromSenderInfoContScreen"),
              QStringLiteral("Inside pReadFromSenderInfoContScreen."));
    const Ui::TfraSenderInfoContPage &pg = *uiSenderInfoCont;
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
        oRow ? cmb.fnrecRows().fnstValue(*oRow, QStringLiteral("shipment_reference_type")).trimmed()
             : stText;
    obj.stReferenceTypeDesc =
        oRow ? cmb.fnrecRows()
                   .fnstValue(*oRow, QStringLiteral("shipment_reference_type_desc"))
                   .trimmed()
             : QString();
}
