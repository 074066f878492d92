// The quantities of shipment and LP numbers the site asks the host for.
#pragma once

#include "unitRWSettings.h"

class TclsRWAWBLPAllocData : public TclsRWSettingsData {
public:
    QString stShipmentNoQty; // cmbShipNoAllocation
    QString stLPNoQty;       // cmbLPNoAlloc
    // Whether the user ticked the request for each range.
    bool bShipmentNoAsked = false; // chklShipmentNoAllocation
    bool bLPNoAsked = false;       // chklicenceno
};
