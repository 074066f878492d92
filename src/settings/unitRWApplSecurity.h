// The application-security page group: the DEFAULT user's application password.
#pragma once

#include "unitRWApplSecurityData.h"
#include "unitRWSettings.h"

class TclsRWApplSecurity : public TclsRWSettings {
public:
    // The page has no rules of its own: the list and the caller's result stay as they are ("").
    QString fnstValidate(const TclsRWSettingsData &objData, TrecarErrorList &arErrors) override;
    // Writes the password of the DEFAULT user (a TclsRWApplSecurityData) under its row lock.
    QString fnstSaveToDB(const TclsRWSettingsData &objData) override;
};
