// How the workstation reaches the internet: the internet page and the proxy
// settings dialog.
#pragma once

#include "unitRWFixedText.h"
#include "unitRWSettings.h"

// Connection types as stored: 1 dial-up, 2 without a proxy, anything else
// through a proxy.
enum TConnectionType { ctProxy = 0, ctDialUp = 1, ctWithoutProxy = 2 };

class TclsRWProxyServerData : public TclsRWSettingsData {
public:
    TFixedText<35> stHTTPProxyAddress;  // edtHTTPProxyAddress
    TFixedText<35> stHTTPSProxyAddress; // edtHTTPSProxyAddress
    TFixedText<35> stFTPProxyAddress;   // edtFTPProxyAddress
    int iHTTPPort = 0, iHTTPSPort = 0, iFTPPort = 0;
    bool bNTLM = false;             // chkNTLM
    QString stUserName, stPassword; // edtUserName, edtPassword
    // The browser's proxy settings are used (chkBrowserProxysettings).
    bool bUseBrowserSettings = false;
    bool bUserNamePwdConfirmation = false; // chkUserNamePwdConfirmation
    int iConnectionType = ctProxy;
    QString stDialupName; // cmbDialup
};
