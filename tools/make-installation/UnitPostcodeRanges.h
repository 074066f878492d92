// Postcode ranges of the US and Canadian destination stations: the lowest and
// highest postcode of the station's city, from the npm package zipcodes
// (ZIP codes and Canadian forward sortation areas with their city and state).
#pragma once

#include "UnitMV5ReferenceRecords.h"

#include <QString>

#include <vector>

// Fills postcode_low and postcode_high of the stations whose city and state
// the package knows; false, and stError set, when the package cannot be read.
bool fnbAddPostcodeRanges(const QString &stNodeModulesDir,
                          const std::vector<TclsStateData> &arStates,
                          std::vector<TclsEsdData> &arStations, QString &stError);
