// The internet page: how the workstation reaches the carrier's host (through
// a proxy, without one, or over a dial-up connection), the proxy addresses,
// ports and login, the browser's proxy and the proxy server settings dialog.
// The page shows and fills the entered data's internet-settings holder.
#pragma once

#include "UnitWizardPage.h"

#include <memory>

class TclsRWProxyServerData;
class QRadioButton;

namespace Ui {
class TfraInternetPage;
}

class TfraInternetPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraInternetPage(QWidget *parent = nullptr);
    ~TfraInternetPage() override;

    // The holder the page shows and fills; set once, before anything else.
    void pUseHolder(TclsRWProxyServerData &obj) { pobjProxy = &obj; }
    void pInitializeComponents() override;
    QWidget *fnwFirstField() const override;

    // The stored choice, read into the holder, shown.
    void pShowStoredChoice();
    // The page's choice into the holder; false (the user told) when the
    // proxy login is incomplete.
    bool fnbTakeChoice();

private:
    // The radio buttons set the proxy controls' states and empty them; the
    // dial-up choice lists the system's dial-up connections.
    void radProxyServerClick();
    // Empties and greys the proxy controls as the proxy choice does.
    void radWithoutProxyClick();
    void radDialUpClick();
    // Ticked: the browser's proxy fills the holder and the six proxy fields.
    void chkBrowserProxysettingsClick();
    // Opens the proxy server settings dialog; what it saves is shown on the page.
    void btnProxyServerSettingsClick();
    // The holder from the browser's proxy setting.
    void pPopulateBrowserProxySettings();
    // The holder's proxy addresses and ports; with its login.
    void pShowProxyAddresses();
    void pShowProxyFields();
    void pSetProxyControlStates();
    void pClearProxyControls();
    // Selects the radio button; its handler runs also when it was selected already.
    void pSelect(QRadioButton *rad, void (TfraInternetPage::*pfnClick)());

    std::unique_ptr<Ui::TfraInternetPage> ui;
    TclsRWProxyServerData *pobjProxy = nullptr;
};
