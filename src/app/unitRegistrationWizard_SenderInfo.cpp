// The sender page: its captions and mandatory stars, the lookup frames kept in
// step with the country, and reading the page into the sender data holder.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard_SenderInfo.h"

#include "ui_unitRegistrationWizard.h"

#include "unitAddressSearchChooser.h"
#include "UnitControlLookup.h"
#include "UnitFieldMarks.h"
#include "UnitFraCountry.h"
#include "UnitFraIATA.h"
#include "UnitFraLinks.h"
#include "UnitFraState.h"
#include "UnitFraSuburb.h"
#include "unitLogToFile.h"
#include "UnitMvCallingCodeLookupCombo.h"
#include "unitSenderAddressChecks.h"
#include "unitSenderAddressEvents.h"
#include "unitWizardResourceStrings.h"

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");
const QString cstColon = QStringLiteral(":");

TmvLookupCombo *fncmbIn(QWidget *wFrame, const char *pchName) {
    return qobject_cast<TmvLookupCombo *>(fnwFindControl(wFrame, QString::fromLatin1(pchName)));
}

QString fnstBlankMessage(TResourceString rsField) {
    return fnstRS(rs::rsFieldCannotBeBlank).replace(QStringLiteral("%S"), fnstRS(rsField));
}

} // namespace

void TfrmRegistrationWizard::pInitializeSenderInfoComponents() {
    Ui::TfraSenderInfoPage &pg = *uiSenderInfo;
    pg.lblSenderCode->setText(fnstLabel(rs::rsSenderCode));
    pg.lblSenderCompany->setText(fnstLabel(rs::rsSenderCompany));
    pg.lblSenderName->setText(fnstLabel(rs::rsSenderName));
    pg.lblSenderCountry->setText(fnstLabel(rs::rsSenderCountry));
    QLabel *const arAddressLabels[] = {pg.lblSenderAddress1, pg.lblSenderAddress2,
                                       pg.lblSenderAddress3};
    for (int i = 0; i < 3; ++i)
        arAddressLabels[i]->setText(fnstRS(rs::rsSenderAddress) + QLatin1Char(' ') +
                                    QString::number(i + 1) + cstColon);
    pg.lblSenderPostcode->setText(fnstLabel(rs::rsSenderPostcode));
    // The suburb frame shares the city's row only for countries with suburbs.
    pg.lblSenderCitySuburb->setText(pg.fraSenderSuburb->isHidden()
                                        ? fnstLabel(rs::rsSenderCity)
                                        : fnstRS(rs::rsSenderCity) + QLatin1Char('/') +
                                              fnstLabel(rs::rsSenderSuburb));
    pg.lblSenderState->setText(fnstLabel(rs::rsSenderState));
    pg.lblSenderAirportCode->setText(fnstLabel(rs::rsSenderAirportCode));
    pg.lblSenderEmail->setText(fnstLabel(rs::rsSenderEmail));
    pg.lblSenderMobile->setText(fnstLabel(rs::rsSenderMobile));
    pg.lblSenderTelephone->setText(fnstLabel(rs::rsSenderTelephone));
    for (QLabel *lbl : {pg.lblSenderCode, pg.lblSenderCompany, pg.lblSenderName,
                        pg.lblSenderCountry, pg.lblSenderAddress1, pg.lblSenderAirportCode,
                        pg.lblSenderCitySuburb, pg.lblSenderTelephone})
        pSetMandatoryMark(lbl, true);
}

void TfrmRegistrationWizard::pPrepareLookupFrames() {
    Ui::TfraSenderInfoPage &pg = *uiSenderInfo;
    if (TmvLookupCombo *cmb = fncmbIn(pg.fraSenderCountry, "cmbCountryName")) {
        cmb->AllowBlank = false;
        cmb->BlankMsgStr = fnstBlankMessage(rs::rsSenderCountry);
    }
    if (TmvLookupCombo *cmb = fncmbIn(pg.fraSenderIATA, "cmbIATA")) {
        cmb->AllowBlank = false;
        cmb->BlankMsgStr = fnstBlankMessage(rs::rsSenderAirportCode);
    }
    if (TmvLookupCombo *cmb = fncmbIn(pg.fraSenderState, "cmbState"))
        cmb->AllowBlank = false;
    for (TfraLookup *fra : std::initializer_list<TfraLookup *>{
             pg.fraSenderCountry, pg.fraSenderState, pg.fraSenderIATA, pg.fraSenderSuburb})
        fra->pSetFormCaption(fnstRS(rs::rsCaptionWarning));
    pLinkSenderFrames();
}

void TfrmRegistrationWizard::pLinkSenderFrames() {
    Ui::TfraSenderInfoPage &pg = *uiSenderInfo;
    pFollowCountry(*pg.fraSenderCountry, pg.fraSenderState, pg.fraSenderIATA, pg.fraSenderSuburb);
    connect(pg.fraSenderCountry, &TfraCountry::StateLabelChanged, this,
            [this](const QString &stLabel) {
                uiSenderInfo->lblSenderState->setText(stLabel + cstColon);
            });
    QWidget *wPage = ui->tbsSenderInfo;
    TrecSenderAddressControls recControls = fnrecFindSenderAddressControls(wPage);
    recControls.pRefreshIATAFrame = [fra = pg.fraSenderIATA](const QString &stIATA) {
        fra->pSetIATA(stIATA);
    };
    const TAddressChooser fnChooser = fnAddressSearchChooser(this);
    objSenderAddressChecks =
        std::make_unique<TclsSenderAddressChecks>(wPage, recControls, fnChooser);
    objSenderAddressEvents =
        new TclsSenderAddressEvents(wPage, *objSenderAddressChecks, fnChooser, ui->btnCancel);
}

void TfrmRegistrationWizard::pReadFromSenderInfoScreen() {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromSenderInfoScreen"),
              QStringLiteral("Inside pReadFromSenderInfoScreen."));
    const Ui::TfraSenderInfoPage &pg = *uiSenderInfo;
    TclsRWSendersData &obj = recData.objSendersData;
    obj.stSenderCode = pg.edtSenderCode->text().trimmed();
    obj.stCompany = pg.edtSenderCompany->text().trimmed();
    obj.stShipperName = pg.edtSenderName->text().trimmed();
    obj.stCountryName = pg.fraSenderCountry->fnstCountryName();
    obj.stCountryCode = pg.fraSenderCountry->fnstCountryCode();
    obj.stAddress1 = pg.edtSenderAddress1->text().trimmed();
    obj.stAddress2 = pg.edtSenderAddress2->text().trimmed();
    obj.stAddress3 = pg.edtSenderAddress3->text().trimmed();
    obj.stPostcode = pg.edtSenderPostcode->text().trimmed();
    obj.stCity = pg.edtSenderCity->text().trimmed();
    obj.stSuburb = pg.fraSenderSuburb->fnstSuburb().trimmed();
    obj.stAirportCode = pg.fraSenderIATA->fnstIATA().trimmed();
    obj.stState = pg.fraSenderState->fnstState().trimmed();
    obj.stEmail = pg.edtSenderEmail->text().trimmed();
    obj.stMobile = pg.edtSenderMobile->text().trimmed();
    obj.stTelephone = pg.edtSenderTelephone->text().trimmed();
    // The calling-code boxes come last in start-up; before, there are none.
    obj.stPhoneCallingCode =
        cmbPhoneCallingCode ? cmbPhoneCallingCode->currentText().trimmed() : QString();
    obj.stMobileCallingCode =
        cmbMobileCallingCode ? cmbMobileCallingCode->currentText().trimmed() : QString();
}
