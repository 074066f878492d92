// The internet page: how the workstation reaches the carrier's host, the
// proxy it goes through and the dial-up connection, shown from and read into
// the entered data's internet-settings holder.
#include "UnitInternetPage.h"

#include "ui_UnitInternetPage.h"

#include "unitBrowserProxySettings.h"
#include "UnitDatabaseConstants.h"
#include "unitDialUpEntries.h"
#include "UnitFieldMarks.h"
#include "UnitKeyFilters.h"
#include "unitLogToFile.h"
#include "UnitModalDialog.h"
#include "UnitMsgDialog.h"
#include "unitProxyServerInput.h"
#include "unitProxyServerSettings.h"
#include "unitProxyServerSettingsStrings.h"
#include "unitRegistry.h"
#include "unitRWProxyServerData.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <QApplication>
#include <QStackedWidget>

using wps::cstUnit;

namespace {

// A port of 0 is no port: the field stays blank, as it was typed.
QString fnstPortText(int iPort) {
    return iPort == 0 ? QString() : QString::number(iPort);
}

void pSetChecked(QAbstractButton *btn, bool bChecked) {
    const QSignalBlocker objBlock(btn);
    btn->setChecked(bChecked);
}

void pInform(const QString &stMessage) {
    fniMessageDlg(stMessage, fnstRS(rs::rsCaptionInformation), {fnstRS(rs::rsOK)}, fnstRS(rs::rsOK),
                  mikInformation);
}

// A blank port is no port.
int fniPort(const QLineEdit *edt) {
    return edt->text().trimmed().toInt();
}

// The login of a typed proxy: both parts or the user is asked for the missing one.
bool fnbLoginComplete(const Ui::TfraInternetPage &pg) {
    const auto optProblem = fnoptProxyLoginProblem(pg.edtUserName->text(), pg.edtPassword->text());
    if (!optProblem)
        return true;
    pInform(fnstRS(optProblem->rsMessage));
    (optProblem->bFocusPassword ? pg.edtPassword : pg.edtUserName)->setFocus();
    return false;
}

// The page the wizard shows now: the current one of its page stack.
bool fnbCurrentIn(const QWidget *wPage) {
    const auto *stk = qobject_cast<const QStackedWidget *>(wPage->parentWidget());
    return stk && stk->currentWidget() == wPage;
}
} // namespace

TfraInternetPage::TfraInternetPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraInternetPage>()) {
    ui->setupUi(this);
    Ui::TfraInternetPage &pg = *ui;
    for (QLineEdit *edt : {pg.edtHTTPPortNumber, pg.edtHTTPSPortNumber, pg.edtFTPPortNumber})
        pAllowOnlyDigits(edt);
    pRefuseCharacters(pg.edtUserName, QStringLiteral(" "));
    const auto fnOnSelect = [this](QRadioButton *rad, void (TfraInternetPage::*pfn)()) {
        connect(rad, &QRadioButton::toggled, this, [this, pfn](bool bChecked) {
            if (bChecked)
                (this->*pfn)();
        });
    };
    fnOnSelect(pg.radProxyServer, &TfraInternetPage::radProxyServerClick);
    fnOnSelect(pg.radWithoutProxy, &TfraInternetPage::radWithoutProxyClick);
    fnOnSelect(pg.radDialUp, &TfraInternetPage::radDialUpClick);
    connect(pg.chkUserNamePwdConfirmation, &QCheckBox::toggled, this,
            &TfraInternetPage::pSetProxyControlStates);
    connect(pg.chkBrowserProxysettings, &QCheckBox::toggled, this,
            &TfraInternetPage::chkBrowserProxysettingsClick);
    connect(pg.btnProxyServerSettings, &QPushButton::clicked, this,
            &TfraInternetPage::btnProxyServerSettingsClick);
    pSetProxyControlStates();
}

TfraInternetPage::~TfraInternetPage() = default;

void TfraInternetPage::pInitializeComponents() {
    Ui::TfraInternetPage &pg = *ui;
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

void TfraInternetPage::pSetProxyControlStates() {
    Ui::TfraInternetPage &pg = *ui;
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

void TfraInternetPage::pClearProxyControls() {
    Ui::TfraInternetPage &pg = *ui;
    for (QCheckBox *chk : {pg.chkBrowserProxysettings, pg.chkUserNamePwdConfirmation, pg.chkNTLM})
        pSetChecked(chk, false);
    for (QLineEdit *edt : {pg.edtHTTPProxyAddress, pg.edtHTTPPortNumber, pg.edtHTTPSProxyAddress,
                           pg.edtHTTPSPortNumber, pg.edtFTPProxyAddress, pg.edtFTPPortNumber,
                           pg.edtUserName, pg.edtPassword})
        edt->clear();
}

void TfraInternetPage::radProxyServerClick() {
    pClearProxyControls();
    pSetProxyControlStates();
}

void TfraInternetPage::radWithoutProxyClick() {
    radProxyServerClick();
}

void TfraInternetPage::radDialUpClick() {
    Ui::TfraInternetPage &pg = *ui;
    pClearProxyControls();
    const QStringList slEntries = fnslDialUpEntries();
    pg.cmbDialup->clear();
    pg.cmbDialup->addItems(slEntries);
    pg.cmbDialup->setCurrentIndex(static_cast<int>(slEntries.indexOf(pobjProxy->stDialupName)));
    pSetProxyControlStates();
    if (!slEntries.isEmpty())
        return;
    pWriteLog(1, cstUnit, QStringLiteral("radDialUpClick"),
              QStringLiteral("No dial-up connection in ") + fnstDialUpPeersDir());
    // Asked only of a user looking at the page; without a connection the
    // dial-up choice cannot work, so the proxy choice is taken either way.
    if (fnbCurrentIn(this))
        fniMessageDlg(fnstRS(rs::rsNoDialUpLocation) + QStringLiteral(".\r\n") +
                          fnstRS(rs::rsSelectAnotherOption) + QLatin1Char('.'),
                      fnstRS(rs::rsCaptionInformation), {fnstRS(rs::rsOK)}, fnstRS(rs::rsOK),
                      mikInformation);
    pg.radProxyServer->setChecked(true);
}

void TfraInternetPage::chkBrowserProxysettingsClick() {
    if (ui->chkBrowserProxysettings->isChecked()) {
        pPopulateBrowserProxySettings();
        pShowProxyAddresses();
    }
    pSetProxyControlStates();
}

void TfraInternetPage::pPopulateBrowserProxySettings() {
    pWriteLog(1, cstUnit, QStringLiteral("pPopulateBrowserProxySettings"),
              QStringLiteral("Inside pPopulateBrowserProxySettings."));
    QString stProxy = TclsRegistry().fnstBrowserProxyServer();
    if (stProxy.isEmpty())
        stProxy = QLatin1String(cstPathNotFound);
    pFillFromBrowserProxy(stProxy, *pobjProxy);
}

void TfraInternetPage::btnProxyServerSettingsClick() {
    // Opened from the proxy choice: what the dialog saves is a proxy connection.
    pobjProxy->iConnectionType = ctProxy;
    TfrmProxyServerSettings dlgProxy(*pobjProxy, this);
    if (fniExecModal(dlgProxy) != QDialog::Accepted)
        return;
    pSetChecked(ui->chkBrowserProxysettings, false);
    pShowProxyFields();
    pSetProxyControlStates();
}

void TfraInternetPage::pShowProxyAddresses() {
    Ui::TfraInternetPage &pg = *ui;
    const TclsRWProxyServerData &obj = *pobjProxy;
    pg.edtHTTPProxyAddress->setText(obj.stHTTPProxyAddress);
    pg.edtHTTPSProxyAddress->setText(obj.stHTTPSProxyAddress);
    pg.edtFTPProxyAddress->setText(obj.stFTPProxyAddress);
    pg.edtHTTPPortNumber->setText(fnstPortText(obj.iHTTPPort));
    pg.edtHTTPSPortNumber->setText(fnstPortText(obj.iHTTPSPort));
    pg.edtFTPPortNumber->setText(fnstPortText(obj.iFTPPort));
}

void TfraInternetPage::pShowProxyFields() {
    pShowProxyAddresses();
    Ui::TfraInternetPage &pg = *ui;
    const TclsRWProxyServerData &obj = *pobjProxy;
    pSetChecked(pg.chkUserNamePwdConfirmation, obj.bUserNamePwdConfirmation);
    pg.edtUserName->setText(obj.stUserName);
    pg.edtPassword->setText(obj.stPassword);
    pSetChecked(pg.chkNTLM, obj.bNTLM);
}

void TfraInternetPage::pSelect(QRadioButton *rad, void (TfraInternetPage::*pfnClick)()) {
    if (rad->isChecked())
        (this->*pfnClick)();
    else
        rad->setChecked(true);
}

void TfraInternetPage::pShowStoredChoice() {
    Ui::TfraInternetPage &pg = *ui;
    if (pobjProxy->iConnectionType == ctDialUp)
        pSelect(pg.radDialUp, &TfraInternetPage::radDialUpClick);
    else if (pobjProxy->iConnectionType == ctWithoutProxy)
        pSelect(pg.radWithoutProxy, &TfraInternetPage::radWithoutProxyClick);
    else
        pSelect(pg.radProxyServer, &TfraInternetPage::radProxyServerClick);
    pShowProxyFields();
    pSetChecked(pg.chkBrowserProxysettings, pobjProxy->bUseBrowserSettings);
    pSetProxyControlStates();
}

QWidget *TfraInternetPage::fnwFirstField() const {
    return ui->radProxyServer;
}

bool TfraInternetPage::fnbTakeChoice() {
    const Ui::TfraInternetPage &pg = *ui;
    TclsRWProxyServerData &obj = *pobjProxy;
    const bool bLogin = pg.chkUserNamePwdConfirmation->isChecked();
    if (pg.radProxyServer->isChecked()) {
        obj.iConnectionType = ctProxy;
        if (pg.chkBrowserProxysettings->isChecked()) {
            // The import starts the holder afresh, the browser flag with it.
            pPopulateBrowserProxySettings();
            obj.bUseBrowserSettings = true;
            // The browser gives no login: a typed one is kept when it is whole.
            const bool bWhole =
                !pg.edtUserName->text().isEmpty() && !pg.edtPassword->text().isEmpty();
            obj.bUserNamePwdConfirmation = bLogin;
            obj.stUserName = bLogin && bWhole ? pg.edtUserName->text() : QString();
            obj.stPassword = bLogin && bWhole ? pg.edtPassword->text() : QString();
            obj.bNTLM = bLogin && pg.chkNTLM->isChecked();
        } else {
            if (bLogin && !fnbLoginComplete(pg))
                return false;
            obj.bUseBrowserSettings = false;
            obj.stHTTPProxyAddress = pg.edtHTTPProxyAddress->text().trimmed();
            obj.stHTTPSProxyAddress = pg.edtHTTPSProxyAddress->text().trimmed();
            obj.stFTPProxyAddress = pg.edtFTPProxyAddress->text().trimmed();
            obj.iHTTPPort = fniPort(pg.edtHTTPPortNumber);
            obj.iHTTPSPort = fniPort(pg.edtHTTPSPortNumber);
            obj.iFTPPort = fniPort(pg.edtFTPPortNumber);
            obj.bUserNamePwdConfirmation = bLogin;
            obj.stUserName = pg.edtUserName->text().left(35);
            obj.stPassword = pg.edtPassword->text().left(30);
            obj.bNTLM = pg.chkNTLM->isChecked();
        }
    } else {
        obj.iConnectionType = pg.radDialUp->isChecked() ? ctDialUp : ctWithoutProxy;
    }
    obj.stDialupName = pg.cmbDialup->currentText();
    return true;
}
