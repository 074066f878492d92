// Leaving the two sender pages: the destination lookup and the phone checks
// before the sender page's validation, the destination-billing box of the
// continued page, and Back from the continued and the communication pages.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"

#include "UnitControlLookup.h"
#include "UnitErrorMarks.h"
#include "UnitFraIATA.h"
#include "unitLookupResults.h"
#include "UnitMvDateEdit.h"
#include "unitRWSenders.h"
#include "unitSenderAddressChecks.h"
#include "unitWizardPageSteps.h"

#include <QComboBox>
#include <QLineEdit>

using namespace wps;

namespace {
// Every edit box and combo of the page, by name.
QStringList fnslFieldNames(const QWidget *wPage) {
    QStringList sl;
    for (const QWidget *w : wPage->findChildren<QWidget *>())
        if ((qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)) &&
            !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            sl << w->objectName();
    return sl;
}
} // namespace

void TfrmRegistrationWizard::pNormalColour(const QStringList &slControlNames) {
    TclsErrorMarks(this).pMark(slControlNames, cclNormalField);
}

void TfrmRegistrationWizard::pNextFromSenderInfo() {
    TfraSenderInfoPage &pg = *ui->tbsSenderInfo;
    TclsSenderAddressChecks &objChecks = pg.fnobjAddressChecks();
    objChecks.bUserInformed = false;
    TLookupResult enLookupResult = lrOther;
    if (pg.fnstIATA().isEmpty()) {
        objChecks.pAutoDestination();
        enLookupResult = objChecks.fnenAutoDestinationResult();
    }
    // The marks of the previous list go before the list does, or they would
    // stay yellow on fields that are now right.
    pResetErrorColours();
    objarErrorList.clear();
    pg.edtSenderTelephoneExit();
    pg.edtSenderMobileExit();
    pReadPage(wpSenderInfo);
    TrecarErrorList arErrors = objarErrorList;
    const QString stResult = TclsRWSenders().fnstValidate(recData.objSendersData, arErrors,
                                                          wpSenderInfo, recData.barMandatory);
    objarErrorList = arErrors;
    if (stResult == cstSuccess) {
        if (fnbLookupLeftPrompt(enLookupResult))
            return;
        pChangePage(fnstTitle(wpSenderInfoCont), wpSenderInfo, pdNext, 2);
        pFocus(fnwFindControl(this, QStringLiteral("edtSenderZorvAccount")));
        return;
    }
    if (!objChecks.bUserInformed)
        pDisplayErrorList(objarErrorList);
    objChecks.bUserInformed = false;
}

void TfrmRegistrationWizard::pNextFromSenderInfoCont() {
    TfraSenderInfoContPage &pg = *ui->tbsSenderInfoCont;
    if (!pg.fnbSenderInfoContSettled())
        return;
    pg.pDropEmptyDestinationBilling();
    pResetErrorColours();
    pReadPage(wpSenderInfoCont);
    TrecarErrorList arErrors;
    const QString stResult = TclsRWSenders().fnstValidate(recData.objSendersData, arErrors,
                                                          wpSenderInfoCont, recData.barMandatory);
    objarErrorList = arErrors;
    if (stResult == cstSuccess) {
        // Leaving the page drops an incomplete row on the way (pPageShown).
        pChangePage(fnstTitle(wpCommSetting), wpSenderInfoCont, pdNext, 3);
        pShowMandatoryLegend(true);
        pFocus(ui->tbsCommSetting->fnwFirstField());
        return;
    }
    pDisplayErrorList(objarErrorList);
    pg.pLeaving();
}

void TfrmRegistrationWizard::pBackFromSenderInfoCont() {
    if (!ui->tbsSenderInfoCont->fnbSenderInfoContSettled())
        return;
    pNormalColour(fnslFieldNames(ui->tbsSenderInfo));
    pReadPage(wpSenderInfoCont);
    pChangePage(fnstTitle(wpSenderInfo), wpSenderInfoCont, pdBack, 2);
    pShowMandatoryLegend(true);
    pFocus(fnwFindControl(this, QStringLiteral("edtSenderCode")));
}

void TfrmRegistrationWizard::pBackFromCommSetting() {
    // The accounts and tax numbers are the continued page's fields.
    pNormalColour(fnslFieldNames(ui->tbsSenderInfoCont));
    pReadPage(wpCommSetting);
    pChangePage(fnstTitle(wpSenderInfoCont), wpCommSetting, pdBack, 2);
    pShowMandatoryLegend(true);
    pFocus(fnwFindControl(this, QStringLiteral("edtSenderZorvAccount")));
}
