// The application-security page: an optional password the shipping
// application asks of its DEFAULT user at start.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard_ApplSecurity.h"

#include "unitLogToFile.h"
#include "unitWizardResourceStrings.h"

#include <QApplication>

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");

// An enabled field has the window colour, a disabled one the button face.
void pEnableField(QLineEdit &edt, bool bEnabled) {
    edt.setEnabled(bEnabled);
    QPalette pal = edt.palette();
    const QPalette palApplication = QApplication::palette(&edt);
    pal.setColor(QPalette::Base, bEnabled ? palApplication.color(QPalette::Base)
                                          : palApplication.color(QPalette::Button));
    edt.setPalette(pal);
}
} // namespace

void TfrmRegistrationWizard::pInitializeApplSecurityComponents() {
    Ui::TfraApplSecurityPage &pg = *uiApplSecurity;
    pg.lblApplSecurity->setText(fnstRS(rs::rsApplSecurity) + QStringLiteral("."));
    pg.lblApplSecurityPasswdRequired->setText(fnstRS(rs::rsApplSecurityPasswdRequired));
    pg.lblApplSecurityPasswd->setText(fnstLabel(rs::rsApplSecurityPasswd));
    pg.lblApplSecurityRetypePasswd->setText(fnstLabel(rs::rsApplSecurityRetypePasswd));
    connect(pg.chkApplSecurityPasswdRequired, &QCheckBox::toggled, this,
            &TfrmRegistrationWizard::pEnableApplSecurityPasswords, Qt::UniqueConnection);
    pEnableApplSecurityPasswords(pg.chkApplSecurityPasswdRequired->isChecked());
}

void TfrmRegistrationWizard::pEnableApplSecurityPasswords(bool bEnabled) {
    pEnableField(*uiApplSecurity->edtApplSecurityPasswd, bEnabled);
    pEnableField(*uiApplSecurity->edtApplSecurityRetypePasswd, bEnabled);
}

bool TfrmRegistrationWizard::fnbPopulateApplSecurity() {
    const auto *pUser = fnpFirstRecord<TclsUsersData>(recRows.objarUsersData);
    if (!pUser)
        return true;
    Ui::TfraApplSecurityPage &pg = *uiApplSecurity;
    pg.edtApplSecurityPasswd->setText(pUser->password);
    pg.edtApplSecurityRetypePasswd->setText(pUser->password);
    // The DEFAULT user has a password exactly when one was stored for it.
    const bool bRequired = !pUser->password.isEmpty();
    pg.chkApplSecurityPasswdRequired->setChecked(bRequired);
    pEnableApplSecurityPasswords(bRequired);
    return true;
}

void TfrmRegistrationWizard::pReadFromApplSecurityScreen() {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromApplSecurityScreen"),
              QStringLiteral("Inside pReadFromApplSecurityScreen."));
    const Ui::TfraApplSecurityPage &pg = *uiApplSecurity;
    TclsRWApplSecurityData &obj = recData.objApplSecurityData;
    obj.bPasswordRequired = pg.chkApplSecurityPasswdRequired->isChecked();
    // Unticked, the holder keeps the password it had. Blanks are part of a
    // password: it is taken as typed.
    if (obj.bPasswordRequired)
        obj.stPassword = pg.edtApplSecurityPasswd->text();
}
