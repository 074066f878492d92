// The quantities of shipment and LP numbers the site asks the host for.
#pragma once

#include "unitRWSettings.h"

class TclsRWAWBLPAllocData : public TclsRWSettingsData {
public:
    QString stShipmentNoQty; // cmbShipNoAllocation
    QString stLPNoQty;       // cmbLPNoAlloc
};
