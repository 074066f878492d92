// Phone-number rules per region from the metadata compiled into Google's
// libphonenumber: one fixed-line and one mobile row per region, with the calling
// code, the possible national lengths, the national-number pattern and an
// example number.
#pragma once

#include "UnitMV5ReferenceRecords.h"

#include <vector>

std::vector<TclsPhoneMobileRegexData> fnarPhoneRules();
