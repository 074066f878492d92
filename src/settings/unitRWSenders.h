// The sender pages' settings object: checks the shipper's identity, address,
// phone numbers, accounts and tax numbers, and writes the sender, customer
// information, DEFAULT user and product configuration rows with the sender's
// destination-billing rows.
#pragma once

#include "UnitMV5DataInterface.h"
#include "unitRWSendersData.h"
#include "unitRWSettings.h"
#include "unitWizardPages.h"

// Its checks differ by page and its save takes the destination-billing rows
// too, so it does not take the one-holder contract of TclsRWSettings.
class TclsRWSenders {
public:
    // wpSenderInfo runs the sender page's rules, wpSenderInfoCont the
    // continuation page's, any other page only the final phone check. Entries
    // already in the list are kept.
    QString fnstValidate(const TclsRWSendersData &objData, TrecarErrorList &arErrors,
                         TWizardPage enPage, const TbarMandatory &barFlags);
    // "success" or the database message; objarDestinationBilling holds
    // TclsDestinationBillingData rows built by the wizard.
    QString fnstSaveToDB(const TclsRWSendersData &objData, TobjarMVData &objarDestinationBilling);

    static bool fnbEmailValidation(const QString &stEmail);
    bool fnbValiTCAccNum(const QString &stAccount, int iTypeOfAccount, bool bCheckLength,
                         const QString &stProductCode);
};
