// The sender pages' settings object: checks the shipper's identity, address,
// phone numbers, accounts and tax numbers, and writes the sender, customer
// information, DEFAULT user and product configuration rows with the sender's
// destination-billing rows.
#pragma once

#include "UnitMV5DataInterface.h"
#include "unitRWSendersData.h"
#include "unitRWSettings.h"

class TclsRWSenders : public TclsRWSettings {
public:
    TclsRWSenders() = default;
    using TclsRWSettings::fnstSaveToDB;
    using TclsRWSettings::fnstValidate;

    // The contract's slots do nothing for this object: "".
    QString fnstValidate(const TclsRWSettingsData &objData, TrecarErrorList &arErrors) override;
    QString fnstSaveToDB(const TclsRWSettingsData &objData) override;

    // PageIndex 2 runs the sender page's rules, 3 the continuation page's, any
    // other only the final phone check. Entries already in the list are kept.
    QString fnstValidate(const TclsRWSendersData &objData, TrecarErrorList &arErrors,
                         int iPageIndex, const TbarMandatory &barFlags);
    // "success" or the database message; objarDestinationBilling holds
    // TclsDestinationBillingData rows built by the wizard.
    QString fnstSaveToDB(const TclsRWSendersData &objData, TobjarMVData &objarDestinationBilling);

    static bool fnbEmailValidation(const QString &stEmail);
    bool fnbValiTCAccNum(const QString &stAccount, int iTypeOfAccount, bool bCheckLength,
                         const QString &stProductCode);
};
