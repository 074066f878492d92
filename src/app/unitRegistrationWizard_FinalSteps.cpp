// The last steps of the wizard: from the application-security page to the
// summary and the site-registration page and back, and the password check
// run when the password field is left.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"

#include "UnitApplSecurityPage.h"
#include "UnitControlLookup.h"
#include "unitLogToFile.h"
#include "UnitSummaryPage.h"
#include "unitWizardPageSteps.h"

using namespace wps;

bool TfrmRegistrationWizard::edtApplSecurityPasswdExit(QWidget *wTo) {
    // Going back or cancelling is no reason to insist on the password, nor
    // is a check that comes when the page is no longer shown.
    if (fniCurrentPage() != wpApplSecurity || wTo == ui->btnCancel || wTo == ui->btnBack)
        return false;
    return ui->tbsApplSecurity->fnbPasswordFieldLeft(wTo);
}

void TfrmRegistrationWizard::pNextFromApplSecurity() {
    if (!ui->tbsApplSecurity->fnbPasswordsAccepted())
        return;
    // Reads the page, then writes and shows the summary of every page.
    pWriteSummary();
    pChangePage(fnstTitle(wpSummary), wpApplSecurity, pdNext, 9);
    pFocus(ui->tbsSummary->fnwFirstField());
}

void TfrmRegistrationWizard::pNextFromSummary() {
    try {
        pCreateSiteRegScr();
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("btnNextClick"), QString::fromLocal8Bit(e.what()));
    }
    pChangePage(fnstTitle(wpSiteRegistration), wpSummary, pdNext, 9);
    // Without the service the registration cannot be sent: the user leaves by
    // Back, manual registration or Cancel.
    if (!recData.bSiteRegActivated)
        ui->btnNext->setEnabled(false);
    else
        pFocus(ui->btnNext);
}

void TfrmRegistrationWizard::pBackFromSiteRegistration() {
    ui->btnNext->setEnabled(true);
    pChangePage(fnstTitle(wpSummary), wpSiteRegistration, pdBack, 9);
    pFocus(ui->tbsSummary->fnwFirstField());
}
