// Help contexts of the wizard's controls: the Help button and F1 open the
// topic of the focused control or of the page.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"

#include "UnitControlLookup.h"
#include "unitGlobalData.h"
#include "unitHelpFile.h"

#include <QApplication>
#include <QDir>
#include <QShortcut>

#include <iterator>

namespace {
struct TrecHelpContext {
    const char *pchControl;
    int iContext;
};

const TrecHelpContext carHelpContexts[] = {
    {"btnHelp", 1488},
    {"btnBack", 1489},
    {"btnNext", 1490},
    {"btnCancel", 1491},
    {"tbsWelcome", 1492},
    {"tbsTermsNConditions", 1493},
    {"btnPrint", 1494},
    {"tbsSenderInfo", 1497},
    {"edtSenderCode", 1498},
    {"edtSenderCompany", 1499},
    {"edtSenderName", 1500},
    {"fraSenderCountry", 1501},
    {"edtSenderAddress1", 1502},
    {"edtSenderAddress2", 1502},
    {"edtSenderAddress3", 1502},
    {"edtSenderPostcode", 1503},
    {"fraSenderIATA", 1504},
    {"fraSenderState", 1505},
    {"edtSenderCity", 1506},
    {"edtSenderEmail", 1507},
    {"edtSenderMobile", 1508},
    {"edtSenderTelephone", 1509},
    {"fraSenderSuburb", 1705},
    {"tbsSenderInfoCont", 1510},
    {"edtSenderZorvAccount", 1511},
    {"edtSenderTCAccount", 1512},
    {"edtSenderVATGST", 1513},
    {"edtSenderReference", 1514},
    {"edtSenderContents1", 1515},
    {"edtSenderContents2", 1515},
    {"edtSenderContents3", 1515},
    {"edtSenderExportLicense", 1516},
    {"calSenderLicenseExpiration", 1517},
    {"edtSenderTaxId", 1519},
    {"edtSenderCNPJ", 1520},
    {"chkDestinationBilling", 1688},
    {"stgdestinationBillingStringGrid", 1688},
    {"chkTPPviaEmail", 1696},
    {"edtTPPviaEmailAddress", 1697},
    {"cmbModemNameList", 1694},
    {"rgpRWMnfMode", 1701},
    {"tbsCommSetting", 1521},
    {"stgCSServiceSettings", 1522},
    {"speCSNoOfRetries", 1526},
    {"chkCSEODviaFTP", 1527},
    {"chkCSEODviaEmail", 1528},
    {"edtCSEODviaEmailAddress", 1529},
    {"tbsFTPSetting", 1530},
    {"edtGatewayIATA", 1531},
    {"edtFTPHost", 1532},
    {"edtFTPPort", 1533},
    {"edtFTPPasswd", 1534},
    {"edtFTPUserId", 1535},
    {"edtFTPBuildDirPath", 1536},
    {"edtFTPWorkDirPath", 1537},
    {"tbsEmailSetting", 1538},
    {"edtEmailHost", 1539},
    {"edtEmailPort", 1540},
    {"edtEmailUserId", 1541},
    {"edtEmailPassword", 1560},
    {"tbsApplSecurity", 1546},
    {"chkApplSecurityPasswdRequired", 1547},
    {"edtApplSecurityPasswd", 1548},
    {"edtApplSecurityRetypePasswd", 1549},
    {"tbsSummary", 1550},
    {"tbsSiteRegistration", 1555},
    {"tbsRegistrationCompleted", 1556},
    {"chklShipmentNoAllocation", 1587},
    {"chklicenceno", 1588},
    {"cmbShipNoAllocation", 1589},
    {"cmbLPNoAlloc", 1590},
    {"edtDefaultPickup", 1564},
    {"edtPickup1", 1565},
    {"edtPickup2", 1566},
    {"edtPickup3", 1567},
    {"edtPickup4", 1568},
    {"speRequestCutOffMargin", 1569},
    {"speReadyByCloseMargin", 1570},
    {"speRequestCloseMargin", 1571},
    {"speReadyByCutOffMargin", 1572},
    {"speDefaultCloseTimeHour", 1573},
    {"speDefaultCloseTimeMinute", 1574},
    {"speDefaultReadyByTimeHour", 1592},
    {"speDefaultReadyByTimeMinute", 1576},
    {"radProxyServer", 1577},
    {"radWithoutProxy", 1578},
    {"radDialUp", 1579},
    {"cmbDialup", 1581},
    {"edtHTTPProxyAddress", 1716},
    {"edtHTTPPortNumber", 1718},
    {"edtHTTPSProxyAddress", 1720},
    {"edtHTTPSPortNumber", 1722},
    {"edtFTPProxyAddress", 1724},
    {"edtFTPPortNumber", 1726},
    {"chkNTLM", 1728},
    {"chkUserNamePwdConfirmation", 1730},
    {"edtUserName", 1732},
    {"edtPassword", 1734},
    {"chkBrowserProxysettings", 1736},
};
} // namespace

void TfrmRegistrationWizard::pAssignHelpContexts() {
    for (const TrecHelpContext &rec : carHelpContexts)
        if (QWidget *w = fnwFindControl(this, QString::fromLatin1(rec.pchControl)))
            w->setProperty("helpContext", rec.iContext);
}

// ---- The Help button and F1 -------------------------------------------------

namespace {
// In page order: welcome .. registration completed.
constexpr int carPageHelpContexts[] = {1492, 1493, 1497, 1510, 1521, 1562, 1561,
                                       1530, 1538, 1546, 1550, 1555, 1556};
} // namespace

int TfrmRegistrationWizard::fniPageHelpContext(int iPage) {
    if (iPage < 0 || iPage >= int(std::size(carPageHelpContexts)))
        return 0;
    return carPageHelpContexts[iPage];
}

QString TfrmRegistrationWizard::fnstHelpFolder() const {
    // Relative to the current directory, like every path the help uses.
    return QDir::current().absoluteFilePath(
        fnstResolvePath(QStringLiteral("../Help/") + stHelpFileBase));
}

void TfrmRegistrationWizard::pConnectHelp() {
    connect(ui->btnHelp, &QPushButton::clicked, this, &TfrmRegistrationWizard::btnHelpClick);
    auto *shcF1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    shcF1->setContext(Qt::WindowShortcut);
    connect(shcF1, &QShortcut::activated, this, &TfrmRegistrationWizard::pHelpForFocusedControl);
}

void TfrmRegistrationWizard::btnHelpClick() {
    if (const int iContext = fniPageHelpContext(fniCurrentPage()))
        pOpenHelpContext(fnstHelpFolder(), iContext);
}

// The focused control's own topic, or that of the frame it sits in, else the page's.
void TfrmRegistrationWizard::pHelpForFocusedControl() {
    for (QWidget *w = QApplication::focusWidget(); w && w != this && w != ui->pgcRegistrationWizard;
         w = w->parentWidget()) {
        bool bNumber = false;
        const int iContext = w->property("helpContext").toInt(&bNumber);
        if (bNumber && iContext > 0) {
            pOpenHelpContext(fnstHelpFolder(), iContext);
            return;
        }
    }
    btnHelpClick();
}
