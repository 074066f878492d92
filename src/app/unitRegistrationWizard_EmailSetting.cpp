// The e-mail page: the outgoing mail server the end-of-day manifest is sent
// through.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard_EmailSetting.h"

#include "UnitFieldMarks.h"
#include "UnitKeyFilters.h"
#include "unitLogToFile.h"
#include "unitWizardResourceStrings.h"

#include <utility>

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");

QString fnstLabel(TResourceString rs) {
    return fnstRS(rs) + QStringLiteral(":");
}
} // namespace

void TfrmRegistrationWizard::pInitializeEmailSettingComponents() {
    Ui::TfraEmailSettingPage &pg = *uiEmailSetting;
    const std::pair<QLabel *, TResourceString> arRequired[] = {
        {pg.lblEmailHost, rs::rsEmailHost},
        {pg.lblEmailPort, rs::rsEmailPort},
        {pg.lblEmailUserId, rs::rsEmailUserId},
    };
    for (const auto &[lbl, rsCaption] : arRequired) {
        lbl->setText(fnstLabel(rsCaption));
        // Hidden until the end-of-day manifest goes by e-mail.
        pSetMandatoryMark(lbl, true);
        pSetMandatoryMark(lbl, false);
    }
    pg.lblEmailPassword->setText(fnstLabel(rs::rsEmailPassword));
    pAllowOnlyDigits(pg.edtEmailPort);
}

bool TfrmRegistrationWizard::fnbPopulateEmailSetting() {
    const auto *pConfig = fnpFirstRecord<TclsConfigMorvaneData>(objarConfigMorvaneData);
    if (!pConfig)
        return true;
    Ui::TfraEmailSettingPage &pg = *uiEmailSetting;
    pg.edtEmailHost->setText(pConfig->smtp_host);
    // The port is shown as stored: an empty one stays empty rather than "0".
    pg.edtEmailPort->setText(pConfig->smtp_port.trimmed());
    pg.edtEmailUserId->setText(pConfig->smtp_user_id);
    pg.edtEmailPassword->setText(pConfig->smtp_password);
    return true;
}

void TfrmRegistrationWizard::pReadFromEmailSettingScreen() {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromEmailSettingScreen"),
              QStringLiteral("Inside pReadFromEmailSettingScreen."));
    const Ui::TfraEmailSettingPage &pg = *uiEmailSetting;
    TclsRWEmailSettingData &obj = objEmailSettingData;
    obj.stHost = pg.edtEmailHost->text().trimmed();
    obj.stPort = pg.edtEmailPort->text().trimmed();
    obj.stUserId = pg.edtEmailUserId->text().trimmed();
    // Blanks are part of a password: it is taken as typed.
    obj.stPassword = pg.edtEmailPassword->text();
}
