// What the site registration tests share: the settings tests' helpers for
// rows and logs, the replies, and the rows the savers write into.
#pragma once

#include "../settings/tstSettingsHelpers.h"
#include "tstSiteRegReplies.h"

#include "UnitMV5Records.h"
#include "unitRWSettings.h"

inline const QString cstFailed = QStringLiteral("Site Registration Failed");

// The stored site ID.
inline QString fnstStoredSiteId() {
    const auto ar = fnarRows<TclsConfigMorvaneData>();
    return ar.empty() ? QStringLiteral("<no row>") : ar.front().site_id;
}

// The rows the range savers write into, as the number allocation left them.
inline void pInsertRangeRows() {
    TobjarMVData objar;
    auto objShipment = std::make_unique<TclsShipmentNumberData>();
    objShipment->allocation_qty = 1000;
    objar.push_back(std::move(objShipment));
    auto objLP = std::make_unique<TclsZorvLpData>();
    objLP->allocation_qty = 10000;
    objLP->lp_status = QStringLiteral("J");
    objLP->lp_source = QStringLiteral("J");
    objar.push_back(std::move(objLP));
    for (auto &obj : objar) {
        TobjarMVData objarOne;
        objarOne.push_back(std::move(obj));
        EXPECT_EQ(fniInsertRecord(objarOne), 0);
    }
}
