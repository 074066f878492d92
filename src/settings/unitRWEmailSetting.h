// TclsRWEmailSetting: checks the e-mail (SMTP) page and writes it to the
// product configuration row (config_morvane), which the wizard only ever updates.
#pragma once

#include "unitRWSettings.h"

class TclsRWEmailSetting : public TclsRWSettings {
public:
    TclsRWEmailSetting() = default;

    // Expects a TclsRWEmailSettingData; nothing is checked while e-mail is not in use.
    QString fnstValidate(const TclsRWSettingsData &objData, TrecarErrorList &arErrors) override;
    // "success", the message of the failing library code, "0" when the table has
    // no row, or "" when the holder is of another page group.
    QString fnstSaveToDB(const TclsRWSettingsData &objData) override;
};
