// The pickup page group: pickup locations, margins and default times.
#pragma once

#include "UnitMV5Records.h"
#include "UnitRWPickupDetailsData.h"
#include "unitRWSettings.h"

#include <optional>

class TclsRWPickup : public TclsRWSettings {
public:
    // No rules: the spin edits keep their values in range ("").
    QString fnstValidate(const TclsRWSettingsData &objData, TrecarErrorList &arErrors) override;
    // Writes a TclsRWPickupData into the single pickup row, creating it when absent.
    QString fnstSaveToDB(const TclsRWSettingsData &objData) override;
};

// The pickup location list of the page: the default location (trimmed) always
// first, even when empty, then each further location that is not empty after
// trimming, in order.
QStringList fnslPickupLocations(const QString &stDefault, const QStringList &slFurther);

// The stored pickup row, for the page to show; optRow stays empty when there
// is none. 0 or the database library's code.
int fniReadPickupRow(std::optional<TclsPickupData> &optRow);
