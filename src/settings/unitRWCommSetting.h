// TclsRWCommSetting: checks the communication page (how each host service is
// reached, the end-of-day and return-shipment e-mails, the gateway airport) and
// writes it to the service rows and the two configuration rows.
#pragma once

#include "unitRWSettings.h"

class TclsRWCommSetting : public TclsRWSettings {
public:
    TclsRWCommSetting();

    // Expects a TclsRWCommSettingData.
    QString fnstValidate(const TclsRWSettingsData &objData, TrecarErrorList &arErrors) override;
    // "success", the message of the failing library code, "0" when a
    // configuration table has no row, or "" when the holder is of another page group.
    QString fnstSaveToDB(const TclsRWSettingsData &objData) override;

    // The sender page's address check.
    static bool fnbEmailValidation(const QString &stEmail);
};
