// The seam between the address checks and the search lists of the user
// interface: the checks say which list to open for which country and city,
// the list (the transfer-list form with its adaptor) lets the user pick a row
// and answers with it, or with nothing when the user cancels.
#pragma once

#include <QString>

#include <functional>
#include <optional>

enum class TAddressSearchList {
    aslDestinationStations, // ESD: destination stations of the country and city
    aslDirectory            // Directory: airports of the country
};

struct TrecAddressSearch {
    TAddressSearchList iList = TAddressSearchList::aslDestinationStations;
    QString stCountryCode;
    QString stCity;
};

// A chosen row of either list; a directory row has no postcode range.
struct TrecStationChoice {
    QString stCountryCode, stCountryName, stIATA, stCity, stState;
    QString stPostcodeLow, stPostcodeHigh;
};

using TAddressChooser = std::function<std::optional<TrecStationChoice>(const TrecAddressSearch &)>;
