// The sender page's phone fields: the calling-code boxes beside them and the
// check run when the user leaves either field.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"
#include "ui_unitRegistrationWizard_SenderInfo.h"

#include "UnitErrorMarks.h"
#include "UnitFieldMarks.h"
#include "UnitFraCountry.h"
#include "UnitLibPhonenumberAccess.h"
#include "unitLogToFile.h"
#include "UnitMvCallingCodeLookupCombo.h"
#include "unitPhoneFieldCheck.h"

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");
// The box takes the edit's left 60 pixels and a 3-pixel gap.
constexpr int ciBoxWidth = 60;
constexpr int ciEditShift = 63;
} // namespace

TmvCallingCodeLookupCombo *TfrmRegistrationWizard::fncmbAddCallingCodeBox(QLineEdit *edt,
                                                                          const QString &stName) {
    auto *cmb = new TmvCallingCodeLookupCombo(&fnstGetCountryPrefixList, edt->parentWidget());
    cmb->setObjectName(stName);
    cmb->setFont(edt->font());
    const QRect rcEdit = edt->geometry();
    cmb->setGeometry(rcEdit.left(), rcEdit.top(), ciBoxWidth, rcEdit.height());
    edt->setGeometry(rcEdit.left() + ciEditShift, rcEdit.top(), rcEdit.width() - ciEditShift,
                     rcEdit.height());
    cmb->show();
    pWriteLog(0, cstUnit, QStringLiteral("pAddPhonePrefixControls"),
              QStringLiteral("TEMP_LOG : ListFieldNames Here : ") + cmb->fnstListFieldNames());
    return cmb;
}

// The phone library and its rules take longer to load than the whole first
// page takes to appear, and only the sender page needs them: they are loaded
// when that page is first entered, the boxes' lists when first opened.
void TfrmRegistrationWizard::pAddPhonePrefixControls() {
    connect(ui->pgcRegistrationWizard, &QStackedWidget::currentChanged, this, [this] {
        if (ui->pgcRegistrationWizard->currentWidget() == ui->tbsSenderInfo)
            pLoadPhoneRulesOnce();
    });
    cmbPhoneCallingCode = fncmbAddCallingCodeBox(uiSenderInfo->edtSenderTelephone,
                                                 QStringLiteral("cmbPhoneCallingCode"));
    cmbMobileCallingCode = fncmbAddCallingCodeBox(uiSenderInfo->edtSenderMobile,
                                                  QStringLiteral("cmbMobileCallingCode"));
    // Each box follows its field: e-mail, mobile, its code, telephone, its code.
    const Ui::TfraSenderInfoPage &pg = *uiSenderInfo;
    setTabOrder(pg.edtSenderEmail, pg.edtSenderMobile);
    setTabOrder(pg.edtSenderMobile, cmbMobileCallingCode);
    setTabOrder(cmbMobileCallingCode, pg.edtSenderTelephone);
    setTabOrder(pg.edtSenderTelephone, cmbPhoneCallingCode);
    pOnFocusExit(uiSenderInfo->edtSenderTelephone, [this](QWidget *) { edtSenderTelephoneExit(); });
    pOnFocusExit(uiSenderInfo->edtSenderMobile, [this](QWidget *) { edtSenderMobileExit(); });
}

void TfrmRegistrationWizard::pLoadPhoneRulesOnce() {
    if (bPhoneRulesLoaded)
        return;
    bPhoneRulesLoaded = true;
    BuildMetadataFromXml();
}

void TfrmRegistrationWizard::edtSenderTelephoneExit() {
    pPhoneFieldExit(uiSenderInfo->edtSenderTelephone, cmbPhoneCallingCode,
                    QStringLiteral("FIXED_LINE"));
}

void TfrmRegistrationWizard::edtSenderMobileExit() {
    pPhoneFieldExit(uiSenderInfo->edtSenderMobile, cmbMobileCallingCode, QStringLiteral("MOBILE"));
}

void TfrmRegistrationWizard::pPhoneFieldExit(QLineEdit *edt, QComboBox *cmbCallingCode,
                                             const QString &stNumberType) {
    if (!cmbCallingCode)
        return;
    pLoadPhoneRulesOnce();
    const TrecPhoneFieldOutcome rec =
        fnrecCheckPhoneField(edt->text(), cmbCallingCode->currentText(),
                             uiSenderInfo->fraSenderCountry->fnstCountryCode(), stNumberType);
    if (!rec.bChecked)
        return;
    pApplyPhoneFieldOutcome(rec, edt->objectName(), objarErrorList);
    if (rec.bValid) {
        cmbCallingCode->setEditText(rec.stCallingCode);
        edt->setText(rec.stNationalNumber);
    }
    TclsErrorMarks(this).pMark({edt->objectName()}, rec.bValid ? cclNormalField : cclErrorField);
}
