// Next and Back: the page switch and what each page does when the user leaves it.
#include "unitRegistrationWizard.h"
#include "unitWizardMessages.h"

#include "ui_unitRegistrationWizard.h"

#include "UnitControlLookup.h"
#include "UnitFocusSteps.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <QApplication>
#include <QLayout>
#include <QPushButton>

#include <functional>
#include <utility>

using namespace wps;

void TfrmRegistrationWizard::pChangePage(const QString &stCaption, int iCurrentIndex,
                                         TPageDirection pdDirection, int iTreeIndex) {
    ui->lblScreenName->setText(stCaption);
    ui->tvwRegistrationWizard->setCurrentItem(ui->tvwRegistrationWizard->topLevelItem(iTreeIndex));
    ui->pgcRegistrationWizard->setCurrentIndex(pdDirection == pdNext ? iCurrentIndex + 1
                                                                     : iCurrentIndex - 1);
}

TfraWizardPage *TfrmRegistrationWizard::fnpgPage(int iPage) const {
    return qobject_cast<TfraWizardPage *>(ui->pgcRegistrationWizard->widget(iPage));
}

void TfrmRegistrationWizard::pReadPage(int iPage) {
    if (TfraWizardPage *pg = fnpgPage(iPage))
        pg->pReadFromScreen(recData);
}

// The terms page renames Next and Cancel to accepting and declining the terms.
void TfrmRegistrationWizard::pSetNextCancelCaptions(bool bTermsPage) {
    ui->btnNext->setText(bTermsPage ? fnstRS(rs::rsAccept)
                                    : fnstRS(rs::rsNext) + QStringLiteral(" >"));
    ui->btnCancel->setText(bTermsPage ? fnstRS(rs::rsDecline) : fnstRS(rs::rsCancel));
    ui->btnNext->setProperty("helpContext", bTermsPage ? 1495 : 1490);
    ui->btnCancel->setProperty("helpContext", bTermsPage ? 1496 : 1491);
}

void TfrmRegistrationWizard::btnNextClick() {
    if (fnbFieldLeftFor(ui->btnNext))
        pRunPageHandler(QStringLiteral("btnNextClick"), &TfrmRegistrationWizard::fnbNextFromPage);
}

void TfrmRegistrationWizard::btnBackClick() {
    if (fnbFieldLeftFor(ui->btnBack))
        pRunPageHandler(QStringLiteral("btnBackClick"), &TfrmRegistrationWizard::fnbBackFromPage);
}

// Next and Back pressed from the keyboard leave the field the user is in, as
// a click on them does; what leaving fields still has to say comes first, and
// when it said something the page stays so the user sees what it is about.
bool TfrmRegistrationWizard::fnbFieldLeftFor(QPushButton *btn) {
    if (QApplication::focusWidget() != btn && btn->isVisible() && btn->isEnabled())
        btn->setFocus(Qt::OtherFocusReason);
    return !fnbRunFocusSteps();
}

void TfrmRegistrationWizard::pRunPageHandler(const QString &stMethod,
                                             bool (TfrmRegistrationWizard::*pfnHandler)(int)) {
    try {
        if (!(this->*pfnHandler)(fniCurrentPage())) {
            pWriteLog(2, cstUnit, stMethod,
                      QStringLiteral("Error - in the else part of the case statements."));
            pWarnUser(fnstRS(rs::rsErrorOccurred) + QStringLiteral("."));
        }
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, stMethod, QString::fromLocal8Bit(e.what()));
    }
}

// Which page is passed over when, the same in both directions: the pickup
// page while the "Schedule Pickup" service is not in use, the e-mail page
// while the carrier has no e-mail feature (its box on the communication page
// is then out of use).
bool TfrmRegistrationWizard::fnbPageSkipped(int iPage) const {
    const std::pair<TWizardPage, std::function<bool()>> arRules[] = {
        {wpPickupDetails, [this] { return !fnbSchedulePickupActivated(); }},
        {wpEmailSetting, [this] { return !ui->tbsCommSetting->fnbEndOfDayByEmailAllowed(); }},
    };
    for (const auto &[enPage, fnbSkipped] : arRules)
        if (enPage == iPage)
            return fnbSkipped();
    return false;
}

bool TfrmRegistrationWizard::fnbNextFromPage(int iPage) {
    switch (iPage) {
    case wpWelcome:
        pChangePage(fnstTitle(wpTerms), wpWelcome, pdNext, 1);
        ui->btnBack->setEnabled(true);
        pSetNextCancelCaptions(true);
        pFocus(ui->tbsTermsNConditions->fnwFirstField());
        return true;
    case wpTerms:
        bTermsAccepted = true;
        ui->btnNext->setEnabled(true);
        pChangePage(fnstTitle(wpSenderInfo), wpTerms, pdNext, 2);
        ui->lblMandatoryField->setVisible(true);
        pFocus(fnwFindControl(this, QStringLiteral("edtSenderCode")));
        pSetNextCancelCaptions(false);
        return true;
    case wpSenderInfo:
        pNextFromSenderInfo();
        return true;
    case wpSenderInfoCont:
        pNextFromSenderInfoCont();
        return true;
    case wpCommSetting:
        pNextFromCommSetting();
        return true;
    case wpPickupDetails:
        pNextFromPickup();
        return true;
    case wpInternetDetails:
        pNextFromInternet();
        return true;
    case wpFTPSetting:
        pNextFromFTPSetting();
        return true;
    case wpEmailSetting:
        pNextFromEmailSetting();
        return true;
    case wpApplSecurity:
        pNextFromApplSecurity();
        return true;
    case wpSummary:
        pNextFromSummary();
        return true;
    case wpSiteRegistration:
        pSiteRegistrationNext();
        return true;
    case wpRegistrationCompleted:
        pFinish();
        return true;
    default:
        return false;
    }
}

bool TfrmRegistrationWizard::fnbBackFromPage(int iPage) {
    switch (iPage) {
    case wpTerms:
        pChangePage(fnstTitle(wpWelcome), wpTerms, pdBack, 0);
        ui->btnBack->setEnabled(false);
        pSetNextCancelCaptions(false);
        ui->lblMandatoryField->setVisible(false);
        pFocus(ui->btnNext);
        return true;
    case wpSenderInfo:
        pChangePage(fnstTitle(wpTerms), wpSenderInfo, pdBack, 1);
        ui->lblMandatoryField->setVisible(false);
        pFocus(ui->tbsTermsNConditions->fnwFirstField());
        pSetNextCancelCaptions(true);
        return true;
    case wpSenderInfoCont:
        pBackFromSenderInfoCont();
        return true;
    case wpCommSetting:
        pBackFromCommSetting();
        return true;
    case wpPickupDetails:
    case wpInternetDetails:
        pBackFromPickupOrInternet(iPage);
        return true;
    case wpFTPSetting:
        pReadPage(wpFTPSetting);
        pChangePage(fnstTitle(wpInternetDetails), wpFTPSetting, pdBack, 5);
        pShowMandatoryLegend(false);
        return true;
    case wpEmailSetting:
    case wpApplSecurity:
        pBackFromEmailOrApplSecurity(iPage);
        return true;
    case wpSummary:
        pChangePage(fnstTitle(wpApplSecurity), wpSummary, pdBack, 8);
        pFocus(ui->tbsApplSecurity->fnwFirstField());
        ui->tbsApplSecurity->pCountMismatchesAfresh();
        return true;
    case wpSiteRegistration:
        pBackFromSiteRegistration();
        return true;
    default:
        return false;
    }
}

// Whatever changed the page: the page shown is laid out, the page left is
// told, its changes are noted, the phone rules are loaded when the sender
// page is first shown, and the communication page puts its return choices
// right.
void TfrmRegistrationWizard::pPageShown(int iPage) {
    // The page stands laid out before the focus goes to it or a click comes.
    if (QLayout *lay = ui->pgcRegistrationWizard->widget(iPage)->layout())
        lay->activate();
    if (iShownPage != iPage)
        if (TfraWizardPage *pg = fnpgPage(iShownPage))
            pg->pLeaving();
    pTrackPageModified(iShownPage, iPage);
    iShownPage = iPage;
    if (iPage == wpSenderInfo)
        ui->tbsSenderInfo->pLoadPhoneRulesOnce();
    else if (iPage == wpCommSetting)
        ui->tbsCommSetting->pCommSettingPageEntered();
}
