// What the e-mail page holds.
#pragma once

#include "unitRWFixedText.h"
#include "unitRWSettings.h"

class TclsRWEmailSettingData : public TclsRWSettingsData {
public:
    bool bEmailInUse = false; // chkCSEODviaEmail, taken when the communication page is left
    TFixedText<50> stHost;    // edtEmailHost
    QString stPort;           // edtEmailPort
    QString stUserId;         // edtEmailUserId
    QString stPassword;       // edtEmailPassword
};
