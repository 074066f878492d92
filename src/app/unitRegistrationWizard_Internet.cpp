// The internet page: how the workstation reaches the carrier's host (through
// a proxy, without one, or over a dial-up connection), the proxy addresses,
// ports and login, the browser's proxy and the proxy server settings dialog;
// filling the page from the stored internet_setting row.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard_Internet.h"

#include "ui_unitRegistrationWizard.h"

#include "UnitAccessToDatabaseDLL.h"
#include "unitBrowserProxySettings.h"
#include "UnitDatabaseConstants.h"
#include "unitDialUpEntries.h"
#include "UnitKeyFilters.h"
#include "unitLogToFile.h"
#include "UnitModalDialog.h"
#include "UnitMsgDialog.h"
#include "unitProxyServerSettings.h"
#include "unitProxyServerSettingsStrings.h"
#include "unitRegistry.h"
#include "unitWizardResourceStrings.h"

#include <QApplication>

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");

// A port of 0 is no port: the field stays blank, as it was typed.
QString fnstPortText(int iPort) {
    return iPort == 0 ? QString() : QString::number(iPort);
}

// Enabled fields are painted in the window colour, disabled ones in the
// button face, so a greyed field reads as not in use.
void pEnableField(QWidget *w, bool bEnabled) {
    w->setEnabled(bEnabled);
    const QPalette palApp = QApplication::palette();
    QPalette pal = w->palette();
    pal.setColor(QPalette::All, QPalette::Base,
                 palApp.color(bEnabled ? QPalette::Base : QPalette::Button));
    w->setPalette(pal);
}

void pSetChecked(QAbstractButton *btn, bool bChecked) {
    const QSignalBlocker objBlock(btn);
    btn->setChecked(bChecked);
}

// Selects the radio button; its handler runs also when it was selected already.
void pSelect(QRadioButton *rad, void (TfrmRegistrationWizard::*pfnClick)(),
             TfrmRegistrationWizard *frm) {
    if (rad->isChecked())
        (frm->*pfnClick)();
    else
        rad->setChecked(true);
}
} // namespace

void TfrmRegistrationWizard::pCreateInternetPage() {
    uiInternet->setupUi(ui->InternetDetails);
    Ui::TfraInternetPage &pg = *uiInternet;
    for (QLineEdit *edt : {pg.edtHTTPPortNumber, pg.edtHTTPSPortNumber, pg.edtFTPPortNumber})
        pAllowOnlyDigits(edt);
    pRefuseCharacters(pg.edtUserName, QStringLiteral(" "));
    const auto fnOnSelect = [this](QRadioButton *rad, void (TfrmRegistrationWizard::*pfn)()) {
        connect(rad, &QRadioButton::toggled, this, [this, pfn](bool bChecked) {
            if (bChecked)
                (this->*pfn)();
        });
    };
    fnOnSelect(pg.radProxyServer, &TfrmRegistrationWizard::radProxyServerClick);
    fnOnSelect(pg.radWithoutProxy, &TfrmRegistrationWizard::radWithoutProxyClick);
    fnOnSelect(pg.radDialUp, &TfrmRegistrationWizard::radDialUpClick);
    connect(pg.chkUserNamePwdConfirmation, &QCheckBox::toggled, this,
            &TfrmRegistrationWizard::chkUserNamePwdConfirmationClick);
    connect(pg.chkBrowserProxysettings, &QCheckBox::toggled, this,
            &TfrmRegistrationWizard::chkBrowserProxysettingsClick);
    connect(pg.btnProxyServerSettings, &QPushButton::clicked, this,
            &TfrmRegistrationWizard::btnProxyServerSettingsClick);
    pSetProxyControlStates();
}

void TfrmRegistrationWizard::pInitializeInternetComponents() {
    Ui::TfraInternetPage &pg = *uiInternet;
    pg.radProxyServer->setText(fnstRS(rs::rsProxyServer) + QLatin1Char('.'));
    pg.radWithoutProxy->setText(fnstRS(rs::rsWithoutProxy));
    pg.radDialUp->setText(fnstRS(rs::rsDialUp));
    pg.ConnectUsing->setText(fnstLabel(rs::rsConnectUsing));
    pg.lblNote->setText(fnstRS(pss::rsNote));
    pg.lblBrowserSettings->setText(fnstLabel(rs::rsBrowserSettings));
    pg.lblType->setText(fnstLabel(pss::rsType));
    pg.lblProxyAddress->setText(fnstLabel(rs::rsProxyAddress));
    pg.lblPort->setText(fnstLabel(pss::rsPort));
    pg.lblHTTP->setText(fnstLabel(rs::rsHTTP));
    pg.lblHTTPS->setText(fnstLabel(rs::rsHTTPS));
    pg.lblFTP->setText(fnstLabel(rs::rsSFTP));
    for (QLabel *lbl : {pg.lblHTTPColon, pg.lblHTTPSColon, pg.lblFTPColon})
        lbl->setText(QStringLiteral(":"));
    pg.lblUserName->setText(fnstLabel(pss::rsUserName));
    pg.lblPassword->setText(fnstLabel(pss::rsPassword));
    pg.lblUserNamePwdConfirmation->setText(fnstRS(pss::rsUseUserNamePwd));
    pg.lblNTLM->setText(fnstRS(pss::rsUseNTLM));
    pg.btnProxyServerSettings->setText(fnstRS(rs::rsProxyServerSettings));
}

void TfrmRegistrationWizard::pSetProxyControlStates() {
    Ui::TfraInternetPage &pg = *uiInternet;
    const bool bProxy = pg.radProxyServer->isChecked();
    const bool bTyped = bProxy && !pg.chkBrowserProxysettings->isChecked();
    const bool bLogin = bProxy && pg.chkUserNamePwdConfirmation->isChecked();
    pEnableField(pg.cmbDialup, pg.radDialUp->isChecked());
    pg.chkBrowserProxysettings->setEnabled(bProxy);
    for (QLineEdit *edt : {pg.edtHTTPProxyAddress, pg.edtHTTPPortNumber, pg.edtHTTPSProxyAddress,
                           pg.edtHTTPSPortNumber, pg.edtFTPProxyAddress, pg.edtFTPPortNumber})
        pEnableField(edt, bTyped);
    pg.chkUserNamePwdConfirmation->setEnabled(bProxy);
    pg.btnProxyServerSettings->setEnabled(bProxy);
    pEnableField(pg.edtUserName, bLogin);
    pEnableField(pg.edtPassword, bLogin);
    // NTLM is a way to send the login: without one it has nothing to say.
    pg.chkNTLM->setEnabled(bLogin);
}

void TfrmRegistrationWizard::pClearProxyControls() {
    Ui::TfraInternetPage &pg = *uiInternet;
    for (QCheckBox *chk : {pg.chkBrowserProxysettings, pg.chkUserNamePwdConfirmation, pg.chkNTLM})
        pSetChecked(chk, false);
    for (QLineEdit *edt : {pg.edtHTTPProxyAddress, pg.edtHTTPPortNumber, pg.edtHTTPSProxyAddress,
                           pg.edtHTTPSPortNumber, pg.edtFTPProxyAddress, pg.edtFTPPortNumber,
                           pg.edtUserName, pg.edtPassword})
        edt->clear();
}

void TfrmRegistrationWizard::radProxyServerClick() {
    pClearProxyControls();
    pSetProxyControlStates();
}

void TfrmRegistrationWizard::radWithoutProxyClick() {
    pClearProxyControls();
    pSetProxyControlStates();
}

void TfrmRegistrationWizard::radDialUpClick() {
    Ui::TfraInternetPage &pg = *uiInternet;
    pClearProxyControls();
    const QStringList slEntries = fnslDialUpEntries();
    pg.cmbDialup->clear();
    pg.cmbDialup->addItems(slEntries);
    pg.cmbDialup->setCurrentIndex(
        static_cast<int>(slEntries.indexOf(recData.objProxyServerData.stDialupName)));
    pSetProxyControlStates();
    if (!slEntries.isEmpty())
        return;
    pWriteLog(1, cstUnit, QStringLiteral("radDialUpClick"),
              QStringLiteral("No dial-up connection in ") + fnstDialUpPeersDir());
    // Asked only of a user looking at the page; without a connection the
    // dial-up choice cannot work, so the proxy choice is taken either way.
    if (fniCurrentPage() == wpInternetDetails)
        fniMessageDlg(fnstRS(rs::rsNoDialUpLocation) + QStringLiteral(".\r\n") +
                          fnstRS(rs::rsSelectAnotherOption) + QLatin1Char('.'),
                      fnstRS(rs::rsCaptionInformation), {fnstRS(rs::rsOK)}, fnstRS(rs::rsOK),
                      mikInformation);
    pg.radProxyServer->setChecked(true);
}

void TfrmRegistrationWizard::chkUserNamePwdConfirmationClick() {
    pSetProxyControlStates();
}

void TfrmRegistrationWizard::chkBrowserProxysettingsClick() {
    if (uiInternet->chkBrowserProxysettings->isChecked()) {
        pPopulateBrowserProxySettings();
        Ui::TfraInternetPage &pg = *uiInternet;
        pg.edtHTTPProxyAddress->setText(recData.objProxyServerData.stHTTPProxyAddress);
        pg.edtHTTPSProxyAddress->setText(recData.objProxyServerData.stHTTPSProxyAddress);
        pg.edtFTPProxyAddress->setText(recData.objProxyServerData.stFTPProxyAddress);
        pg.edtHTTPPortNumber->setText(fnstPortText(recData.objProxyServerData.iHTTPPort));
        pg.edtHTTPSPortNumber->setText(fnstPortText(recData.objProxyServerData.iHTTPSPort));
        pg.edtFTPPortNumber->setText(fnstPortText(recData.objProxyServerData.iFTPPort));
    }
    pSetProxyControlStates();
}

void TfrmRegistrationWizard::pPopulateBrowserProxySettings() {
    pWriteLog(1, cstUnit, QStringLiteral("pPopulateBrowserProxySettings"),
              QStringLiteral("Inside pPopulateBrowserProxySettings."));
    QString stProxy = TclsRegistry().fnstBrowserProxyServer();
    if (stProxy.isEmpty())
        stProxy = QLatin1String(cstPathNotFound);
    pFillFromBrowserProxy(stProxy, recData.objProxyServerData);
}

void TfrmRegistrationWizard::btnProxyServerSettingsClick() {
    // Opened from the proxy choice: what the dialog saves is a proxy connection.
    recData.objProxyServerData.iConnectionType = ctProxy;
    TfrmProxyServerSettings dlgProxy(recData.objProxyServerData, this);
    if (fniExecModal(dlgProxy) != QDialog::Accepted)
        return;
    pSetChecked(uiInternet->chkBrowserProxysettings, false);
    pShowProxyFields();
    pSetProxyControlStates();
}

void TfrmRegistrationWizard::pShowProxyFields() {
    Ui::TfraInternetPage &pg = *uiInternet;
    const TclsRWProxyServerData &obj = recData.objProxyServerData;
    pg.edtHTTPProxyAddress->setText(obj.stHTTPProxyAddress);
    pg.edtHTTPSProxyAddress->setText(obj.stHTTPSProxyAddress);
    pg.edtFTPProxyAddress->setText(obj.stFTPProxyAddress);
    pg.edtHTTPPortNumber->setText(fnstPortText(obj.iHTTPPort));
    pg.edtHTTPSPortNumber->setText(fnstPortText(obj.iHTTPSPort));
    pg.edtFTPPortNumber->setText(fnstPortText(obj.iFTPPort));
    pSetChecked(pg.chkUserNamePwdConfirmation, obj.bUserNamePwdConfirmation);
    pg.edtUserName->setText(obj.stUserName);
    pg.edtPassword->setText(obj.stPassword);
    pSetChecked(pg.chkNTLM, obj.bNTLM);
}

bool TfrmRegistrationWizard::fnbPopulateInternetSettings() {
    TobjarMVData objarRows;
    const int iCode = fniQueryRecords({{}}, objarRows, QStringLiteral("TclsInternetSettingDB"));
    const auto *pRow = objarRows.empty()
                           ? nullptr
                           : dynamic_cast<const TclsInternetSettingData *>(objarRows.front().get());
    if (iCode != dbc::iSuccess || !pRow) {
        pWriteLog(2, cstUnit, QStringLiteral("pPopulateScreen"),
                  QStringLiteral("No internet_setting row could be read."));
        pEndOnPopulateFailure(iCode);
        return false;
    }
    // The holder starts as the stored row: a save that does not touch a
    // field (the dialog's) keeps what was stored.
    TclsRWProxyServerData &obj = recData.objProxyServerData;
    obj.iConnectionType = pRow->connection_type;
    obj.stDialupName = pRow->dialup_name;
    obj.bUseBrowserSettings = pRow->use_browser_settings;
    obj.stHTTPProxyAddress = pRow->http_proxy;
    obj.stHTTPSProxyAddress = pRow->https_proxy;
    obj.stFTPProxyAddress = pRow->ftp_proxy;
    obj.iHTTPPort = pRow->http_port;
    obj.iHTTPSPort = pRow->https_port;
    obj.iFTPPort = pRow->ftp_port;
    obj.bUserNamePwdConfirmation = pRow->use_credentials;
    obj.stUserName = pRow->proxy_user;
    obj.stPassword = pRow->proxy_password;
    obj.bNTLM = pRow->ntlm;

    Ui::TfraInternetPage &pg = *uiInternet;
    if (obj.iConnectionType == ctDialUp)
        pSelect(pg.radDialUp, &TfrmRegistrationWizard::radDialUpClick, this);
    else if (obj.iConnectionType == ctWithoutProxy)
        pSelect(pg.radWithoutProxy, &TfrmRegistrationWizard::radWithoutProxyClick, this);
    else
        pSelect(pg.radProxyServer, &TfrmRegistrationWizard::radProxyServerClick, this);
    pShowProxyFields();
    pSetChecked(pg.chkBrowserProxysettings, obj.bUseBrowserSettings);
    pSetProxyControlStates();
    return true;
}
