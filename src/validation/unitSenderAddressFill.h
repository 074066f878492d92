// Filling the sender address from a chosen destination station or airport.
#pragma once

#include "unitAddressSearchList.h"
#include "unitSenderAddressControls.h"

// The row's country becomes the country frame's; its postcode goes into an
// enabled, empty postcode field when the row's range is one postcode; its
// airport becomes the airport frame's, and the postcode field then takes the
// focus when it can.
void pFillAddressFromStation(const TrecSenderAddressControls &rec, const TrecStationChoice &recRow);
