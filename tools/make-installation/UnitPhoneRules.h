// Phone-number rules per region from the metadata compiled into Google's
// libphonenumber: one fixed-line and one mobile row per region, with the calling
// code, the possible lengths of a number as typed, a pattern for the whole
// typed number (trunk prefix optional) and the example number as typed.
#pragma once

#include "UnitMV5ReferenceRecords.h"

#include <vector>

std::vector<TclsPhoneMobileRegexData> fnarPhoneRules();
