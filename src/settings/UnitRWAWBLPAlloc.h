// The number allocation of the site-registration page: how many shipment and
// LP numbers the site asks the carrier's host for.
#pragma once

#include "UnitRWAWBLPAllocData.h"
#include "unitRWSettings.h"

// What the wizard asks for when the user picks no quantity.
inline const QString cstDefaultShipmentNoQty = QStringLiteral("1000");
inline const QString cstDefaultLPNoQty = QStringLiteral("10000");

class TclsRWAWBLPAlloc : public TclsRWSettings {
public:
    // Neither contract operation applies to the allocation (""): it has its own saves.
    QString fnstValidate(const TclsRWSettingsData &objData, TrecarErrorList &arErrors) override;
    QString fnstSaveToDB(const TclsRWSettingsData &objData) override;

    // Store the requested quantity in the row of the shipment-number table or of
    // the LP-number table, creating the row when absent: "success" or the message
    // of the failing library code. A quantity that is not a positive whole number
    // is refused with its own message and nothing is written.
    QString fnstSaveShipmentNoAlloc(const TclsRWAWBLPAllocData &objData);
    QString fnstSaveLPNoAlloc(const TclsRWAWBLPAllocData &objData);
};
