// What the application-security page holds.
#pragma once

#include "unitRWSettings.h"

class TclsRWApplSecurityData : public TclsRWSettingsData {
public:
    bool bPasswordRequired = false; // chkApplSecurityPasswdRequired
    // edtApplSecurityPasswd, taken only while the box is ticked; empty at start.
    QString stPassword;
};
