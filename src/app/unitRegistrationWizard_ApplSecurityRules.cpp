// Leaving the application-security page: the password and its confirmation,
// the check run when the password field is left, and the steps from there to
// the summary and the site-registration page and back.
#include "unitRegistrationWizard.h"
#include "unitWizardMessages.h"

#include "ui_unitRegistrationWizard.h"
#include "ui_unitRegistrationWizard_ApplSecurity.h"

#include "UnitControlLookup.h"
#include "UnitFieldMarks.h"
#include "unitLogToFile.h"
#include "unitWizardPageSteps.h"

#include <QApplication>

using namespace wps;

namespace {
constexpr int ciMinPasswordLength = 4;
// After this many mismatches both fields start over.
constexpr int ciMaxMismatches = 3;

// The window colour while the field can be typed into, the button face when not.
void pPaintField(QLineEdit *edt, bool bEnabled) {
    edt->setEnabled(bEnabled);
    QPalette pal = edt->palette();
    const QPalette palApplication = QApplication::palette(edt);
    pal.setColor(QPalette::Base,
                 palApplication.color(bEnabled ? QPalette::Base : QPalette::Button));
    edt->setPalette(pal);
}

QString fnstMismatchMessage() {
    return fnstRS(rs::rsPasswordsDoNotMatch) + QStringLiteral(". ") +
           fnstRS(rs::rsReenterPassword) + QStringLiteral(".");
}
} // namespace

void TfrmRegistrationWizard::pResetRetypePasswd() {
    QLineEdit *edt = uiApplSecurity->edtApplSecurityRetypePasswd;
    edt->clear();
    pPaintField(edt, false);
}

bool TfrmRegistrationWizard::edtApplSecurityPasswdExit(QWidget *wTo) {
    const Ui::TfraApplSecurityPage &pg = *uiApplSecurity;
    // Going back, cancelling, unticking or leaving the page is no reason to
    // insist on the password.
    if (fniCurrentPage() != wpApplSecurity || !pg.chkApplSecurityPasswdRequired->isChecked() ||
        !wTo || wTo == pg.chkApplSecurityPasswdRequired || wTo == ui->btnCancel ||
        wTo == ui->btnBack || wTo == ui->tbsApplSecurity)
        return false;
    QLineEdit *edtPasswd = pg.edtApplSecurityPasswd;
    QLineEdit *edtRetype = pg.edtApplSecurityRetypePasswd;
    const QString stPassword = edtPasswd->text();
    const QString stRetype = edtRetype->text();
    QString stMessage;
    QLineEdit *edtToCorrect = edtPasswd;
    if (stPassword.isEmpty() || stPassword.size() < ciMinPasswordLength) {
        stMessage = fnstRS(stPassword.isEmpty() ? rs::rsPasswordBlank : rs::rsPasswordTooShort) +
                    QStringLiteral(".");
        pResetRetypePasswd();
    } else if (edtRetype->isEnabled() && stRetype.isEmpty()) {
        // Moving on to the re-type field is the user confirming the password,
        // not leaving it unconfirmed.
        if (!std::exchange(bNextFromPasswdField, false) && wTo != edtRetype)
            stMessage = fnstRS(rs::rsPasswordBlank) + QStringLiteral(".");
        edtToCorrect = edtRetype;
    } else if (!stRetype.isEmpty() && stPassword != stRetype) {
        stMessage = fnstMismatchMessage();
        edtToCorrect = edtRetype;
    }
    if (stMessage.isEmpty())
        return false;
    pWarnUser(stMessage);
    pFocus(edtToCorrect);
    return true;
}

bool TfrmRegistrationWizard::fnbApplSecurityPasswordsAccepted() {
    const Ui::TfraApplSecurityPage &pg = *uiApplSecurity;
    if (!pg.chkApplSecurityPasswdRequired->isChecked())
        return true;
    QLineEdit *edtPasswd = pg.edtApplSecurityPasswd;
    QLineEdit *edtRetype = pg.edtApplSecurityRetypePasswd;
    const QString stBlank = fnstRS(rs::rsPasswordBlank) + QStringLiteral(".");
    if (edtPasswd->text().isEmpty()) {
        pWarnUser(stBlank);
        edtPasswd->clear();
        pFocus(edtPasswd);
        return false;
    }
    if (!edtRetype->isEnabled()) {
        pPaintField(edtRetype, true);
        pFocus(edtRetype);
        return false;
    }
    if (edtRetype->text().isEmpty()) {
        pWarnUser(stBlank);
        pFocus(edtRetype);
        return false;
    }
    if (edtPasswd->text().size() < ciMinPasswordLength) {
        pWarnUser(fnstRS(rs::rsPasswordTooShort) + QStringLiteral("."));
        iPasswdMismatchCount = 0;
        edtPasswd->clear();
        pPaintField(edtPasswd, true);
        pResetRetypePasswd();
        pFocus(edtPasswd);
        return false;
    }
    if (edtPasswd->text() == edtRetype->text())
        return true;
    pWarnUser(fnstMismatchMessage());
    edtRetype->clear();
    pFocus(edtRetype);
    if (++iPasswdMismatchCount >= ciMaxMismatches) {
        edtPasswd->clear();
        pFocus(edtPasswd);
        iPasswdMismatchCount = 0;
    }
    return false;
}

void TfrmRegistrationWizard::pNextFromApplSecurity() {
    bNextFromPasswdField = false;
    if (!fnbApplSecurityPasswordsAccepted())
        return;
    // Reads the page, then writes and shows the summary of every page.
    pWriteSummary();
    pChangePage(fnstTitle(wpSummary), wpApplSecurity, cstNext, 9);
    pFocus(fnwFindControl(this, QStringLiteral("wbrSummary")));
}

void TfrmRegistrationWizard::pNextFromSummary() {
    try {
        pCreateSiteRegScr();
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("btnNextClick"), QString::fromLocal8Bit(e.what()));
    }
    pChangePage(fnstTitle(wpSiteRegistration), wpSummary, cstNext, 9);
    // Without the service the registration cannot be sent: the user leaves by
    // Back, manual registration or Cancel.
    if (!recData.bSiteRegActivated)
        ui->btnNext->setEnabled(false);
    else
        pFocus(ui->btnNext);
}

void TfrmRegistrationWizard::pBackFromSiteRegistration() {
    ui->btnNext->setEnabled(true);
    pChangePage(fnstTitle(wpSummary), wpSiteRegistration, cstBack, 9);
    pFocus(fnwFindControl(this, QStringLiteral("wbrSummary")));
}
