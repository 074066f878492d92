// The e-mail page.
#include "UnitEmailSettingPage.h"

#include "ui_UnitEmailSettingPage.h"

#include "UnitFieldMarks.h"
#include "UnitKeyFilters.h"
#include "unitLogToFile.h"
#include "UnitMV5Records.h"
#include "unitRWEmailSetting.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <utility>

using wps::cstUnit;

TfraEmailSettingPage::TfraEmailSettingPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraEmailSettingPage>()) {
    ui->setupUi(this);
}

TfraEmailSettingPage::~TfraEmailSettingPage() = default;

void TfraEmailSettingPage::pInitializeComponents() {
    const std::pair<QLabel *, TResourceString> arRequired[] = {
        {ui->lblEmailHost, rs::rsEmailHost},
        {ui->lblEmailPort, rs::rsEmailPort},
        {ui->lblEmailUserId, rs::rsEmailUserId},
    };
    for (const auto &[lbl, rsCaption] : arRequired) {
        lbl->setText(fnstLabel(rsCaption));
        // Hidden until the end-of-day manifest goes by e-mail.
        pSetMandatoryMark(lbl, true);
        pSetMandatoryMark(lbl, false);
    }
    ui->lblEmailPassword->setText(fnstLabel(rs::rsEmailPassword));
    pAllowOnlyDigits(ui->edtEmailPort);
}

bool TfraEmailSettingPage::fnbPopulate(const TrecInstallationRows &recRows) {
    const auto *pConfig = fnpFirstRecord<TclsConfigMorvaneData>(recRows.objarConfigMorvaneData);
    if (!pConfig)
        return true;
    ui->edtEmailHost->setText(pConfig->smtp_host);
    // The port is shown as stored: an empty one stays empty rather than "0".
    ui->edtEmailPort->setText(pConfig->smtp_port.trimmed());
    ui->edtEmailUserId->setText(pConfig->smtp_user_id);
    ui->edtEmailPassword->setText(pConfig->smtp_password);
    return true;
}

void TfraEmailSettingPage::pReadFromScreen(TrecWizardData &recData) const {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromEmailSettingScreen"),
              QStringLiteral("Inside pReadFromEmailSettingScreen."));
    TclsRWEmailSettingData &obj = recData.objEmailSettingData;
    obj.stHost = ui->edtEmailHost->text().trimmed();
    obj.stPort = ui->edtEmailPort->text().trimmed();
    obj.stUserId = ui->edtEmailUserId->text().trimmed();
    // Blanks are part of a password: it is taken as typed.
    obj.stPassword = ui->edtEmailPassword->text();
}

TrecarErrorList TfraEmailSettingPage::fnarValidate(const TrecWizardData &recData) const {
    TrecarErrorList arErrors;
    TclsRWEmailSetting().fnstValidate(recData.objEmailSettingData, arErrors);
    return arErrors;
}

QWidget *TfraEmailSettingPage::fnwFirstField() const {
    return ui->edtEmailHost;
}

void TfraEmailSettingPage::pShowEmailInUse(bool bInUse, bool bOffered) {
    for (QLabel *lbl : {ui->lblEmailHost, ui->lblEmailPort, ui->lblEmailUserId})
        pSetMandatoryMark(lbl, bInUse);
    for (QWidget *w :
         {ui->edtEmailHost, ui->edtEmailPort, ui->edtEmailUserId, ui->edtEmailPassword})
        w->setEnabled(bOffered);
}
