// Which page groups the user changed, and the save of those groups that runs
// before the site is registered and when the user leaves the wizard early.
#include "unitRegistrationWizard.h"

#include "UnitControlLookup.h"
#include "UnitHourglass.h"
#include "unitLogToFile.h"
#include "unitRWApplSecurity.h"
#include "unitRWCommSetting.h"
#include "unitRWEmailSetting.h"
#include "unitRWFTPSetting.h"
#include "UnitRWPickupDetails.h"
#include "unitRWSenders.h"
#include "unitWizardPageSteps.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTime>

using wps::cstUnit;

namespace {

// The page groups of barPageModified.
enum TPageGroup {
    pgSenders = 0,
    pgCommunication = 1,
    pgFTP = 2,
    pgEmail = 3,
    pgModem = 4,
    pgApplSecurity = 5,
    pgPickup = 6,
};

// A page whose group is modified when the page is left with any of these
// controls showing another value than when the page was entered.
struct TrecTrackedPage {
    int iPage;
    int iGroup;
    std::vector<const char *> arControls;
};

const std::vector<TrecTrackedPage> &fnarTrackedPages() {
    static const std::vector<TrecTrackedPage> ar = {
        {wpSenderInfo,
         pgSenders,
         {"edtSenderCode", "edtSenderCompany", "edtSenderName", "edtSenderAddress1",
          "edtSenderAddress2", "edtSenderAddress3", "edtSenderCity", "edtSenderPostcode",
          "edtSenderEmail", "edtSenderMobile", "edtSenderTelephone", "fraSenderCountry",
          "fraSenderState", "fraSenderIATA", "fraSenderSuburb"}},
        // The reference type belongs to the reference; the grid's rows are
        // compared as well (fnslPageValues): a row added or changed alone
        // must reach the database too.
        {wpSenderInfoCont,
         pgSenders,
         {"edtSenderZorvAccount", "edtSenderTCAccount", "edtSenderReference", "lcmbShipperRefType",
          "edtSenderContents1", "edtSenderContents2", "edtSenderContents3",
          "edtSenderExportLicense", "edtSenderTaxId", "edtSenderCNPJ", "edtSenderVATGST",
          "calSenderLicenseExpiration", "chkDestinationBilling"}},
        {wpFTPSetting,
         pgFTP,
         {"edtFTPHost", "edtFTPPort", "edtFTPUserId", "edtFTPPasswd", "edtFTPBuildDirPath",
          "edtFTPWorkDirPath", "rgpRWMnfMode"}},
        {wpEmailSetting,
         pgEmail,
         {"edtEmailHost", "edtEmailPort", "edtEmailUserId", "edtEmailPassword"}},
        {wpApplSecurity,
         pgApplSecurity,
         {"chkApplSecurityPasswdRequired", "edtApplSecurityPasswd"}},
    };
    return ar;
}

const TrecTrackedPage *fnpTrackedPage(int iPage) {
    for (const TrecTrackedPage &rec : fnarTrackedPages())
        if (rec.iPage == iPage)
            return &rec;
    return nullptr;
}

bool fnbInputControl(const QWidget *w) {
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractButton *>(w);
}

// What a control shows; a frame or a group shows what its inputs show.
QString fnstControlValue(const QWidget *w) {
    if (const auto *edt = qobject_cast<const QLineEdit *>(w))
        return edt->text();
    if (const auto *cmb = qobject_cast<const QComboBox *>(w))
        return cmb->currentText();
    if (const auto *spe = qobject_cast<const QAbstractSpinBox *>(w))
        return spe->text();
    if (const auto *btn = qobject_cast<const QAbstractButton *>(w))
        return btn->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    QStringList sl;
    for (const QWidget *wChild : w->findChildren<QWidget *>()) {
        // A combo's or spin box's own editor is read through its owner.
        const QWidget *wOwner = wChild->parentWidget();
        if (qobject_cast<const QComboBox *>(wOwner) ||
            qobject_cast<const QAbstractSpinBox *>(wOwner))
            continue;
        if (fnbInputControl(wChild))
            sl << fnstControlValue(wChild);
    }
    return sl.join(QChar(0x1f));
}

QString fnstNow() {
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz"));
}
} // namespace

QStringList TfrmRegistrationWizard::fnslPageValues(int iPage) const {
    QStringList sl;
    const TrecTrackedPage *pPage = fnpTrackedPage(iPage);
    if (!pPage)
        return sl;
    for (const char *pchControl : pPage->arControls) {
        const QWidget *w =
            fnwFindControl(const_cast<TfrmRegistrationWizard *>(this), QLatin1String(pchControl));
        sl << (w ? fnstControlValue(w) : QString());
    }
    if (iPage == wpSenderInfoCont)
        for (const auto &[stIATA, stAccount] : fnarDestinationBillingRows())
            sl << stIATA + QLatin1Char('|') + stAccount;
    return sl;
}

void TfrmRegistrationWizard::pTrackPageModified(int iLeftPage, int iEnteredPage) {
    if (iLeftPage == iEnteredPage)
        return;
    const bool bForward = iEnteredPage > iLeftPage;
    if (const TrecTrackedPage *pPage = fnpTrackedPage(iLeftPage);
        pPage && fnslPageValues(iLeftPage) != arPageValues[iLeftPage])
        barPageModified[pPage->iGroup] = true;
    // The communication group is saved whenever its page was left with Next.
    // The pickup page counts only when it was really shown: Next on the
    // communication page passes over it while the pickup service is off.
    if (iLeftPage == wpCommSetting && bForward) {
        barPageModified[pgCommunication] = true;
        if (fnbPageSkipped(wpPickupDetails))
            barPageModified[pgPickup] = false;
    }
    if (iLeftPage == wpPickupDetails && bForward && !fnbPageSkipped(wpPickupDetails))
        barPageModified[pgPickup] = true;
    if (iEnteredPage >= 0 && iEnteredPage < int(arPageValues.size()))
        arPageValues[iEnteredPage] = fnslPageValues(iEnteredPage);
}

TobjarMVData TfrmRegistrationWizard::fnobjarDestinationBillingRecords() const {
    TobjarMVData objar;
    // The code the sender row is saved under.
    const QString stSenderCode = recData.objSendersData.stSenderCode.left(30);
    for (const auto &[stIATA, stAccount] : fnarDestinationBillingRows()) {
        auto objRow = std::make_unique<TclsDestinationBillingData>();
        objRow->sender_cd = stSenderCode;
        objRow->iata = stIATA.left(3);
        objRow->account_number = stAccount.left(12);
        objar.push_back(std::move(objRow));
    }
    return objar;
}

bool TfrmRegistrationWizard::fnbSaveDataToDB() {
    const QString stMethod = QStringLiteral("fnbSaveDataToDB");
    const TclsHourglass objHourglass;
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("start ") + fnstNow());
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Inside fnbSaveDataToDB."));
    bool bResult = false;
    try {
        TobjarMVData objarDestinationBilling = fnobjarDestinationBillingRecords();
        struct TrecGroupSave {
            int iGroup;
            const char *pchName;
            std::function<QString()> fnstSave;
        };
        const TrecGroupSave arSaves[] = {
            {pgSenders, "Sender",
             [&] {
                 return TclsRWSenders().fnstSaveToDB(recData.objSendersData,
                                                     objarDestinationBilling);
             }},
            {pgCommunication, "Communication setting",
             [&] { return TclsRWCommSetting().fnstSaveToDB(recData.objCommSettingData); }},
            {pgFTP, "FTP setting",
             [&] { return TclsRWFTPSetting().fnstSaveToDB(recData.objFTPSettingData); }},
            {pgEmail, "Email setting",
             [&] { return TclsRWEmailSetting().fnstSaveToDB(recData.objEmailSettingData); }},
            // The modem page is gone; its group has nothing to save.
            {pgModem, "Modem setting", [] { return cstSuccess; }},
            {pgPickup, "Pickup details",
             [&] { return TclsRWPickup().fnstSaveToDB(recData.objPickupData); }},
            {pgApplSecurity, "Application security",
             [&] { return TclsRWApplSecurity().fnstSaveToDB(recData.objApplSecurityData); }},
        };
        bResult = true;
        for (const TrecGroupSave &rec : arSaves) {
            if (!barPageModified[rec.iGroup])
                continue;
            const QString stName = QLatin1String(rec.pchName);
            const bool bSaved = rec.fnstSave() == cstSuccess;
            if (bSaved)
                pWriteLog(1, cstUnit, stMethod,
                          stName + QStringLiteral(" data saved successfully."));
            else
                pWriteLog(2, cstUnit, stMethod,
                          stName + QStringLiteral(" data could not be saved."));
            // A failed pickup save is logged but does not hold up the
            // registration.
            if (rec.iGroup != pgPickup)
                bResult = bResult && bSaved;
        }
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, stMethod, QString::fromLocal8Bit(e.what()));
        bResult = false;
    }
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("end ") + fnstNow());
    return bResult;
}
