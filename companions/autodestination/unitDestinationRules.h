// Deciding the airport (IATA code) and state of an address from the
// destination stations of its country: by city, narrowed by postcode range and
// state, with a result text that tells the wizard what is still missing.
#pragma once

#include <QString>

#include <vector>

struct TrecStation {
    QString stIATA, stCity, stState, stPostcodeLow, stPostcodeHigh;
};

// What the database knows about one country.
struct TrecCountryStations {
    bool bCountryKnown = false;
    bool bUsesPostcode = false;
    std::vector<TrecStation> arStations;  // destination stations (esd)
    std::vector<TrecStation> arDirectory; // airports (Directory)
};

struct TrecDestinationQuery {
    QString stCountryCode, stCity, stPostcode, stState, stIATA;
};

struct TrecDestination {
    QString stResult;
    QString stState;
    QString stIATA;
};

// The texts the library answers with; the wizard reacts to exactly these.
namespace adr {
inline const QString cstNoError = QStringLiteral("No Error");
inline const QString cstLookupDirectory =
    QStringLiteral("Invalid combination. Do you want to lookup from directory?");
inline const QString cstKnowState = QStringLiteral("Do you know state?");
inline const QString cstLookup = QStringLiteral("Invalid combination. Do you want to lookup?");
inline const QString cstPostcodeIncorrect =
    QStringLiteral("Iata determined based on City and Country. But the postcode is incorrect.");
inline const QString cstEnterPostcode = QStringLiteral("Please enter the postcode.");
inline const QString cstEnterCityOrPostcode =
    QStringLiteral("Please enter either City or Postcode.");
inline const QString cstEnterCity = QStringLiteral("Please enter the City.");
inline const QString cstKnowPostcode = QStringLiteral("Do you know postcode?");
inline const QString cstInvalidCountry = QStringLiteral("Invalid Country");
inline const QString cstCountryBlank = QStringLiteral("Country Code is Blank.");
inline const QString cstByCity = QStringLiteral("Iata determined based on City and Country.");
inline const QString cstUnlistedCity =
    QStringLiteral("Iata determined corresponding to unlisted city.");
inline const QString cstException = QStringLiteral("An exception occurred in autodestination.");
} // namespace adr

// The destination of the query; state and IATA come back as given unless the
// rules determine them.
TrecDestination fnrecDetermineDestination(const TrecDestinationQuery &recQuery,
                                          const TrecCountryStations &recCountry);
