// What the user has entered, page group by page group: the data holders the
// pages are read into, which the save, the summary and the unattended driver
// use, and the flags that several pages read.
#pragma once

#include "unitRWApplSecurityData.h"
#include "UnitRWAWBLPAllocData.h"
#include "unitRWCommSettingData.h"
#include "unitRWEmailSettingData.h"
#include "unitRWFTPSettingData.h"
#include "UnitRWPickupDetailsData.h"
#include "unitRWProxyServerData.h"
#include "unitRWSendersData.h"

#include <array>

struct TrecWizardData {
    TclsRWSendersData objSendersData;
    TclsRWCommSettingData objCommSettingData;
    TclsRWPickupData objPickupData;
    TclsRWProxyServerData objProxyServerData;
    TclsRWFTPSettingData objFTPSettingData;
    TclsRWEmailSettingData objEmailSettingData;
    TclsRWApplSecurityData objApplSecurityData;
    TclsRWAWBLPAllocData objAWBLPAllocData;
    // The sender fields config_morvane makes mandatory: address line 2,
    // e-mail, mobile, (unused), federal and state tax IDs.
    TbarMandatory barMandatory{};
    // The site-registration service row is in use on the communication page.
    bool bSiteRegActivated = false;
};
