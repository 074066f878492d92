// Leaving the communication, pickup, internet, SFTP and e-mail pages: their
// validation, the internet page's row written at once, the mandatory marks
// the end-of-day choices put on the later pages, and passing over the pages
// the skip rules name (fnbPageSkipped) in both directions.
#include "unitRegistrationWizard.h"
#include "unitWizardMessages.h"

#include "ui_unitRegistrationWizard.h"

#include "UnitDatabaseConstants.h"
#include "UnitFieldMarks.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitRWCommSetting.h"
#include "unitRWProxyServer.h"
#include "unitWizardPageSteps.h"

using namespace wps;

namespace {
const QString cstCrLf = QStringLiteral("\r\n");

QStringList fnslFTPFieldNames() {
    return {QStringLiteral("edtFTPHost"),         QStringLiteral("edtFTPPort"),
            QStringLiteral("edtFTPUserId"),       QStringLiteral("edtFTPPasswd"),
            QStringLiteral("edtFTPBuildDirPath"), QStringLiteral("edtFTPWorkDirPath")};
}
} // namespace

void TfrmRegistrationWizard::pShowMandatoryLegend(bool bVisible) {
    ui->lblMandatoryField->setVisible(bVisible);
}

bool TfrmRegistrationWizard::fnbValidatePage(TfraWizardPage &pg) {
    pResetErrorColours();
    pg.pReadFromScreen(recData);
    objarErrorList = pg.fnarValidate(recData);
    if (objarErrorList.empty())
        return true;
    pDisplayErrorList(objarErrorList);
    return false;
}

void TfrmRegistrationWizard::pNextFromCommSetting() {
    TfraCommSettingPage &pg = *ui->tbsCommSetting;
    // Taking the focus ends an open cell editor, so the grid is read as shown.
    if (focusWidget() != ui->btnNext)
        pFocus(ui->btnNext);
    // The later pages are mandatory only for the end-of-day way chosen here.
    recData.objFTPSettingData.bFTPInUse = pg.fnbEndOfDayByFTP();
    recData.objEmailSettingData.bEmailInUse = pg.fnbEndOfDayByEmail();
    const bool bValid = fnbValidatePage(pg);
    ui->tbsFTPSetting->pShowFTPInUse(pg.fnbEndOfDayByFTP());
    if (!bValid || !pg.fnbSiteRegistrationReachable(recData, fnstTechSupportPhone()))
        return;
    if (fnbPageSkipped(wpPickupDetails)) {
        ui->pgcRegistrationWizard->setCurrentIndex(wpPickupDetails);
        pChangePage(fnstTitle(wpInternetDetails), wpPickupDetails, pdNext, 5);
        pShowMandatoryLegend(false);
        return;
    }
    pChangePage(fnstTitle(wpPickupDetails), wpCommSetting, pdNext, 4);
    pShowMandatoryLegend(true);
    pFocus(ui->tbsPickupDetails->fnwFirstField());
}

void TfrmRegistrationWizard::pNextFromPickup() {
    // The list is kept as the form's, so that the next Next or Back clears the mark.
    if (!fnbValidatePage(*ui->tbsPickupDetails))
        return;
    pChangePage(fnstTitle(wpInternetDetails), wpPickupDetails, pdNext, 5);
    pShowMandatoryLegend(false);
}

void TfrmRegistrationWizard::pBackFromPickupOrInternet(int iPage) {
    pNormalColour({QStringLiteral("edtDefaultPickup")});
    if (iPage == wpPickupDetails) {
        pReadPage(wpPickupDetails);
        pChangePage(fnstTitle(wpCommSetting), wpPickupDetails, pdBack, 3);
    } else if (fnbPageSkipped(wpPickupDetails)) {
        ui->pgcRegistrationWizard->setCurrentIndex(wpPickupDetails);
        pChangePage(fnstTitle(wpCommSetting), wpPickupDetails, pdBack, 3);
    } else {
        pChangePage(fnstTitle(wpPickupDetails), wpInternetDetails, pdBack, 4);
    }
    pFocus(ui->tbsCommSetting->fnwFirstField());
    pShowMandatoryLegend(true);
}

// The choice is written to the internet_setting row at once: the
// communication library reads it from there.
bool TfrmRegistrationWizard::fnbStoreInternetSetting() {
    const int iCode =
        bWritesOnNext ? fniStoreInternetSetting(recData.objProxyServerData) : dbc::iSuccess;
    if (iCode == dbc::iSuccess)
        return true;
    pWriteLog(2, cstUnit, QStringLiteral("btnNextClick"),
              QStringLiteral("The internet settings could not be written: ") +
                  QString::number(iCode));
    // The library's messages are whole sentences already.
    pWarnUser(fnstGetDBErrorMessage(iCode));
    return false;
}

void TfrmRegistrationWizard::pNextFromInternet() {
    if (!ui->InternetDetails->fnbTakeChoice() || !fnbStoreInternetSetting())
        return;
    TclsRWProxyServer objRWProxyServer;
    const QString stSaved =
        bWritesOnNext ? objRWProxyServer.fnstSaveToDB(recData.objProxyServerData) : cstSuccess;
    if (stSaved != cstSuccess) {
        pWarnUser(stSaved);
        return;
    }
    pResetErrorColours();
    pChangePage(fnstTitle(wpFTPSetting), wpInternetDetails, pdNext, 6);
    pShowMandatoryLegend(ui->tbsCommSetting->fnbEndOfDayByFTP());
    pFocus(ui->tbsFTPSetting->fnwFirstField());
}

void TfrmRegistrationWizard::pNextFromFTPSetting() {
    if (!fnbValidatePage(*ui->tbsFTPSetting))
        return;
    const TfraCommSettingPage &pgComm = *ui->tbsCommSetting;
    const bool bEmailAllowed = !fnbPageSkipped(wpEmailSetting);
    const bool bEmailInUse = pgComm.fnbEndOfDayByEmail() && bEmailAllowed;
    TfraEmailSettingPage *pg = ui->tbsEmailSetting;
    pShowMandatoryLegend(bEmailInUse);
    pg->pShowEmailInUse(bEmailInUse, bEmailAllowed);
    if (!bEmailAllowed) {
        ui->pgcRegistrationWizard->setCurrentIndex(wpEmailSetting);
        pShowMandatoryLegend(false);
        pEnterApplSecurityPage();
        return;
    }
    pChangePage(fnstTitle(wpEmailSetting), wpFTPSetting, pdNext, 7);
    pFocus(pg->fnwFirstField());
}

void TfrmRegistrationWizard::pNextFromEmailSetting() {
    if (!fnbValidatePage(*ui->tbsEmailSetting))
        return;
    pShowMandatoryLegend(false);
    pEnterApplSecurityPage();
}

void TfrmRegistrationWizard::pEnterApplSecurityPage() {
    pChangePage(fnstTitle(wpApplSecurity), wpEmailSetting, pdNext, 8);
    TfraApplSecurityPage *pg = ui->tbsApplSecurity;
    pFocus(pg->fnwFirstField());
    pg->pEntered(recData);
}

void TfrmRegistrationWizard::pBackFromEmailOrApplSecurity(int iPage) {
    const TfraCommSettingPage &pgComm = *ui->tbsCommSetting;
    if (iPage == wpApplSecurity) {
        pReadPage(wpApplSecurity);
        if (!fnbPageSkipped(wpEmailSetting)) {
            pChangePage(fnstTitle(wpEmailSetting), wpApplSecurity, pdBack, 7);
            pFocus(ui->tbsEmailSetting->fnwFirstField());
            pShowMandatoryLegend(pgComm.fnbEndOfDayByEmail());
            return;
        }
        ui->pgcRegistrationWizard->setCurrentIndex(wpEmailSetting);
    } else {
        ui->tbsEmailSetting->pReadFromScreen(recData);
    }
    pNormalColour(fnslFTPFieldNames());
    pChangePage(fnstTitle(wpFTPSetting), wpEmailSetting, pdBack, 6);
    pFocus(ui->tbsFTPSetting->fnwFirstField());
    pShowMandatoryLegend(pgComm.fnbEndOfDayByFTP());
}
