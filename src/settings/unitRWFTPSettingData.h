// What the SFTP page holds.
#pragma once

#include "unitRWFixedText.h"
#include "unitRWSettings.h"

class TclsRWFTPSettingData : public TclsRWSettingsData {
public:
    bool bFTPInUse = false; // chkCSEODviaFTP, taken when the communication page is left
    TFixedText<50> stHost;  // edtFTPHost
    QString stPort;         // edtFTPPort
    QString stUserId;       // edtFTPUserId
    QString stPassword;     // edtFTPPasswd
    QString stBuildDirPath; // edtFTPBuildDirPath
    QString stWorkDirPath;  // edtFTPWorkDirPath
    int iManifestMode = 0;  // rgpRWMnfMode
};
