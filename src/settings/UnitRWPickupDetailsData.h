// What the pickup page holds.
#pragma once

#include "unitRWSettings.h"

#include <QStringList>
#include <QTime>

class TclsRWPickupData : public TclsRWSettingsData {
public:
    // The default location (edtDefaultPickup) always first, even when empty,
    // then each of edtPickup1..4 that is not empty.
    QStringList slPickupLocations;
    int iRequestCutOffMargin = 0; // speRequestCutOffMargin
    int iReadyByCloseMargin = 0;  // speReadyByCloseMargin
    int iRequestCloseMargin = 0;  // speRequestCloseMargin
    int iReadyByCutOffMargin = 0; // speReadyByCutOffMargin
    QTime tmDefaultCloseTime;     // speDefaultCloseTimeHour/Minute
    QTime tmDefaultReadyByTime;   // speDefaultReadyByTimeHour/Minute
};
