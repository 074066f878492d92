// TclsRWFTPSetting: checks the SFTP page and writes it to the carrier
// configuration row (config_zorv), which the wizard only ever updates.
#pragma once

#include "unitRWSettings.h"

class TclsRWFTPSetting : public TclsRWSettings {
public:
    TclsRWFTPSetting() = default;

    // Expects a TclsRWFTPSettingData; nothing is checked while FTP is not in use.
    QString fnstValidate(const TclsRWSettingsData &objData, TrecarErrorList &arErrors) override;
    // "success", the message of the failing library code, "0" when the table has
    // no row, or "" when the holder is of another page group.
    QString fnstSaveToDB(const TclsRWSettingsData &objData) override;
};
