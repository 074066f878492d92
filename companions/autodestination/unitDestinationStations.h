// Reading a country's destination stations, airports and postcode use from the
// installation's database, on the connection of the process's database
// library.
#pragma once

#include "unitDestinationRules.h"

#include <optional>

// Nothing, and stError set, when a read failed.
std::optional<TrecCountryStations> fnrecReadCountryStations(const QString &stCountryCode,
                                                            QString &stError);
