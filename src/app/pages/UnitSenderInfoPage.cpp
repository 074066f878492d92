// The sender page.
#include "UnitSenderInfoPage.h"

#include "ui_UnitSenderInfoPage.h"

#include "unitAddressSearchChooser.h"
#include "UnitControlLookup.h"
#include "UnitErrorMarks.h"
#include "UnitFieldMarks.h"
#include "UnitFraCountry.h"
#include "UnitFraIATA.h"
#include "UnitFraLinks.h"
#include "UnitFraState.h"
#include "UnitFraSuburb.h"
#include "UnitLibPhonenumberAccess.h"
#include "unitLogToFile.h"
#include "UnitMvCallingCodeLookupCombo.h"
#include "unitPhoneFieldCheck.h"
#include "unitSenderAddressChecks.h"
#include "unitSenderAddressEvents.h"
#include "unitWizardMessages.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <QGridLayout>
#include <QHBoxLayout>

using wps::cstUnit;

namespace {
const QString cstColon = QStringLiteral(":");
// A calling-code box takes its field's left 60 pixels and a 3-pixel gap.
constexpr int ciBoxWidth = 60;
constexpr int ciEditShift = 63;

TmvLookupCombo *fncmbIn(QWidget *wFrame, const char *pchName) {
    return qobject_cast<TmvLookupCombo *>(fnwFindControl(wFrame, QString::fromLatin1(pchName)));
}

QString fnstBlankMessage(TResourceString rsField) {
    return fnstRS(rs::rsFieldCannotBeBlank).replace(QStringLiteral("%S"), fnstRS(rsField));
}
} // namespace

TfraSenderInfoPage::TfraSenderInfoPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraSenderInfoPage>()) {
    ui->setupUi(this);
}

// The field events go before the checks they run.
TfraSenderInfoPage::~TfraSenderInfoPage() {
    delete objAddressEvents;
}

void TfraSenderInfoPage::pInitializeComponents() {
    Ui::TfraSenderInfoPage &pg = *ui;
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

void TfraSenderInfoPage::pShowMandatoryMarks(const TbarMandatory &barMandatory) {
    pSetMandatoryMark(ui->lblSenderAddress2, barMandatory[0]);
    pSetMandatoryMark(ui->lblSenderEmail, barMandatory[1]);
    pSetMandatoryMark(ui->lblSenderMobile, barMandatory[2]);
}

QWidget *TfraSenderInfoPage::fnwFirstField() const {
    return ui->edtSenderCode;
}

QString TfraSenderInfoPage::fnstIATA() const {
    return ui->fraSenderIATA->fnstIATA();
}

void TfraSenderInfoPage::pPrepareLookupFrames(QWidget *wCancel) {
    Ui::TfraSenderInfoPage &pg = *ui;
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
    pFollowCountry(*pg.fraSenderCountry, pg.fraSenderState, pg.fraSenderIATA, pg.fraSenderSuburb);
    connect(pg.fraSenderCountry, &TfraCountry::StateLabelChanged, this,
            [this](const QString &stLabel) { ui->lblSenderState->setText(stLabel + cstColon); });
    TrecSenderAddressControls recControls = fnrecFindSenderAddressControls(this);
    recControls.pRefreshIATAFrame = [fra = pg.fraSenderIATA](const QString &stIATA) {
        fra->pSetIATA(stIATA);
    };
    const TAddressChooser fnChooser = fnAddressSearchChooser(window());
    objAddressChecks = std::make_unique<TclsSenderAddressChecks>(this, recControls, fnChooser);
    objAddressEvents = new TclsSenderAddressEvents(this, *objAddressChecks, fnChooser, wCancel);
}

void TfraSenderInfoPage::pShowSenderCode(const QString &stCode) {
    ui->edtSenderCode->setText(stCode);
}

void TfraSenderInfoPage::pShowSenderRow(const TclsSendersData &recSender) {
    Ui::TfraSenderInfoPage &pg = *ui;
    pg.edtSenderCode->setText(recSender.sender_cd.trimmed());
    pg.edtSenderCompany->setText(recSender.company.trimmed());
    pg.edtSenderName->setText(recSender.shipper_name.trimmed());
    pg.fraSenderCountry->pSetCountryCode(recSender.country_cd.trimmed());
    // The page's layout (postcode or suburb) follows the country.
    if (objAddressEvents)
        objAddressEvents->pCountryNameExit();
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

void TfraSenderInfoPage::pReadFromScreen(TrecWizardData &recData) const {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromSenderInfoScreen"),
              QStringLiteral("Inside pReadFromSenderInfoScreen."));
    const Ui::TfraSenderInfoPage &pg = *ui;
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

// ---- The phone fields ---------------------------------------------------------

// The box takes the left of the field's cell, the field keeps the rest of its
// width.
TmvCallingCodeLookupCombo *TfraSenderInfoPage::fncmbAddCallingCodeBox(QLineEdit *edt,
                                                                      const QString &stName) {
    auto *cmb = new TmvCallingCodeLookupCombo(&fnstGetCountryPrefixList, edt->parentWidget());
    cmb->setObjectName(stName);
    cmb->setFont(edt->font());
    cmb->setFixedWidth(ciBoxWidth);
    edt->setFixedWidth(edt->maximumWidth() - ciEditShift);
    auto *grd = qobject_cast<QGridLayout *>(layout());
    if (const int iIndex = grd ? grd->indexOf(edt) : -1; iIndex >= 0) {
        int iRow = 0, iColumn = 0, iRowSpan = 1, iColumnSpan = 1;
        grd->getItemPosition(iIndex, &iRow, &iColumn, &iRowSpan, &iColumnSpan);
        delete grd->takeAt(iIndex);
        auto *hbx = new QHBoxLayout;
        hbx->setSpacing(ciEditShift - ciBoxWidth);
        hbx->addWidget(cmb);
        hbx->addWidget(edt);
        hbx->addStretch();
        grd->addLayout(hbx, iRow, iColumn, iRowSpan, iColumnSpan);
    }
    cmb->show();
    pWriteLog(0, cstUnit, QStringLiteral("pAddPhonePrefixControls"),
              QStringLiteral("TEMP_LOG : ListFieldNames Here : ") + cmb->fnstListFieldNames());
    return cmb;
}

void TfraSenderInfoPage::pAddPhonePrefixControls(TrecarErrorList &arErrors) {
    parErrors = &arErrors;
    Ui::TfraSenderInfoPage &pg = *ui;
    cmbPhoneCallingCode =
        fncmbAddCallingCodeBox(pg.edtSenderTelephone, QStringLiteral("cmbPhoneCallingCode"));
    cmbMobileCallingCode =
        fncmbAddCallingCodeBox(pg.edtSenderMobile, QStringLiteral("cmbMobileCallingCode"));
    // Each box follows its field: e-mail, mobile, its code, telephone, its code.
    setTabOrder(pg.edtSenderEmail, pg.edtSenderMobile);
    setTabOrder(pg.edtSenderMobile, cmbMobileCallingCode);
    setTabOrder(cmbMobileCallingCode, pg.edtSenderTelephone);
    setTabOrder(pg.edtSenderTelephone, cmbPhoneCallingCode);
    pOnFocusExit(pg.edtSenderTelephone, [this](QWidget *) { edtSenderTelephoneExit(); });
    pOnFocusExit(pg.edtSenderMobile, [this](QWidget *) { edtSenderMobileExit(); });
}

void TfraSenderInfoPage::pLoadPhoneRulesOnce() {
    if (bPhoneRulesLoaded)
        return;
    bPhoneRulesLoaded = true;
    BuildMetadataFromXml();
}

void TfraSenderInfoPage::edtSenderTelephoneExit() {
    pPhoneFieldExit(ui->edtSenderTelephone, cmbPhoneCallingCode, QStringLiteral("FIXED_LINE"));
}

void TfraSenderInfoPage::edtSenderMobileExit() {
    pPhoneFieldExit(ui->edtSenderMobile, cmbMobileCallingCode, QStringLiteral("MOBILE"));
}

void TfraSenderInfoPage::pPhoneFieldExit(QLineEdit *edt, QComboBox *cmbCallingCode,
                                         const QString &stNumberType) {
    if (!cmbCallingCode || !parErrors)
        return;
    pLoadPhoneRulesOnce();
    const TrecPhoneFieldOutcome rec =
        fnrecCheckPhoneField(edt->text(), cmbCallingCode->currentText(),
                             ui->fraSenderCountry->fnstCountryCode(), stNumberType);
    if (!rec.bChecked)
        return;
    pApplyPhoneFieldOutcome(rec, edt->objectName(), *parErrors);
    if (rec.bValid) {
        cmbCallingCode->setEditText(rec.stCallingCode);
        edt->setText(rec.stNationalNumber);
    }
    TclsErrorMarks(this).pMark({edt->objectName()}, rec.bValid ? cclNormalField : cclErrorField);
}
