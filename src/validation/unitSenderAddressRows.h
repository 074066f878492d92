// The reference rows the sender address events look at: suburbs of a country
// or city, and the directory's airports.
#pragma once

#include <QString>

#include <optional>

bool fnbCountryHasSuburbs(const QString &stCountryCode);
bool fnbCityHasSuburbs(const QString &stCity, const QString &stCountryCode);
// The directory rows of the airport code; 0 when the table cannot be read.
int fniDirectoryRowsOfAirport(const QString &stIATA);

struct TrecAirportCountry {
    QString stCountryCode, stCountryName;
};
// The country of the airport from the directory; nothing for an unknown code.
std::optional<TrecAirportCountry> fnoAirportCountry(const QString &stIATA);
