// A metadata file in libphonenumber's XML layout
// (phoneNumberMetadata/territories/territory with id and countryCode).
#pragma once

#include <string>
#include <vector>

struct TrecMetadataTerritory {
    std::string stId;
    int iCountryCode = 0;
};

// The territories the file describes; false when it cannot be read or is not
// such a file (no territory, an XML error, a territory without id or code).
bool fnbReadMetadataFile(const std::string &stPath,
                         std::vector<TrecMetadataTerritory> &arTerritories);
