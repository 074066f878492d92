// The destination rules. A station is found by its city first, because every
// station has one; postcode ranges (where the reference data has them) and the
// state only narrow the choice or stand in for an unlisted city.
#include "unitDestinationRules.h"

#include <QSet>

namespace {
using TarStations = std::vector<TrecStation>;

bool fnbSameText(const QString &st1, const QString &st2) {
    return st1.trimmed().compare(st2.trimmed(), Qt::CaseInsensitive) == 0;
}

QString fnstBarePostcode(const QString &st) {
    QString stBare;
    for (const QChar ch : st)
        if (ch.isLetterOrNumber())
            stBare += ch.toUpper();
    return stBare;
}

bool fnbHasRange(const TrecStation &rec) {
    return !rec.stPostcodeLow.trimmed().isEmpty() && !rec.stPostcodeHigh.trimmed().isEmpty();
}

// A longer postcode (a ZIP+4) is placed by its leading part as long as the
// range's bounds.
bool fnbInRange(const TrecStation &rec, const QString &stPostcode) {
    if (!fnbHasRange(rec))
        return false;
    const QString stLow = fnstBarePostcode(rec.stPostcodeLow);
    const QString stHigh = fnstBarePostcode(rec.stPostcodeHigh);
    const QString stCode = fnstBarePostcode(stPostcode).left(stLow.size());
    return stCode.size() == stLow.size() && stLow <= stCode && stCode <= stHigh;
}

template <class TPredicate> TarStations fnarWhere(const TarStations &ar, TPredicate fnb) {
    TarStations arFound;
    for (const TrecStation &rec : ar)
        if (fnb(rec))
            arFound.push_back(rec);
    return arFound;
}

bool fnbAnyRange(const TarStations &ar) {
    return std::any_of(ar.begin(), ar.end(), fnbHasRange);
}

QSet<QString> fnsetDistinct(const TarStations &ar, QString TrecStation::*pField) {
    QSet<QString> set;
    for (const TrecStation &rec : ar)
        set.insert((rec.*pField).trimmed().toUpper());
    return set;
}

bool fnbOneAirport(const TarStations &ar) {
    return !ar.empty() && fnsetDistinct(ar, &TrecStation::stIATA).size() == 1;
}

// The answer for stations that share one airport: its code, and its state
// unless the stations disagree on it or the user gave one.
TrecDestination fnrecFound(const QString &stResult, const TarStations &ar,
                           const TrecDestinationQuery &recQuery) {
    TrecDestination rec{stResult, recQuery.stState, ar.front().stIATA.trimmed()};
    if (recQuery.stState.trimmed().isEmpty() &&
        fnsetDistinct(ar, &TrecStation::stState).size() == 1)
        rec.stState = ar.front().stState.trimmed();
    return rec;
}

TrecDestination fnrecWithoutCity(const TrecDestinationQuery &recQuery,
                                 const TarStations &arByPostcode) {
    if (fnbOneAirport(arByPostcode))
        return fnrecFound(adr::cstNoError, arByPostcode, recQuery);
    return {adr::cstEnterCity, recQuery.stState, {}};
}

TrecDestination fnrecUnlistedCity(const TrecDestinationQuery &recQuery,
                                  const TrecCountryStations &recCountry,
                                  const TarStations &arByPostcode) {
    if (recCountry.arStations.empty() && !recCountry.arDirectory.empty())
        return {adr::cstLookupDirectory, recQuery.stState, {}};
    if (fnbOneAirport(arByPostcode))
        return fnrecFound(adr::cstUnlistedCity, arByPostcode, recQuery);
    if (recQuery.stPostcode.isEmpty() && recCountry.bUsesPostcode &&
        fnbAnyRange(recCountry.arStations))
        return {adr::cstEnterPostcode, recQuery.stState, {}};
    return {adr::cstLookup, recQuery.stState, {}};
}

TrecDestination fnrecListedCity(const TrecDestinationQuery &recQuery,
                                const TrecCountryStations &recCountry, TarStations arCandidates) {
    const bool bCityRanges = fnbAnyRange(arCandidates);
    if (!recQuery.stPostcode.isEmpty() && bCityRanges) {
        const TarStations arInRange = fnarWhere(arCandidates, [&](const TrecStation &rec) {
            return fnbInRange(rec, recQuery.stPostcode);
        });
        if (arInRange.empty())
            return fnbOneAirport(arCandidates)
                       ? fnrecFound(adr::cstPostcodeIncorrect, arCandidates, recQuery)
                       : TrecDestination{adr::cstLookup, recQuery.stState, {}};
        arCandidates = arInRange;
    }
    if (!recQuery.stState.isEmpty()) {
        arCandidates = fnarWhere(arCandidates, [&](const TrecStation &rec) {
            return fnbSameText(rec.stState, recQuery.stState);
        });
        if (arCandidates.empty())
            return {adr::cstLookup, recQuery.stState, {}};
    }
    const bool bPostcodeMissing = recQuery.stPostcode.isEmpty() && recCountry.bUsesPostcode;
    if (fnbOneAirport(arCandidates))
        return fnrecFound(bPostcodeMissing ? adr::cstByCity : adr::cstNoError, arCandidates,
                          recQuery);
    if (recQuery.stState.isEmpty() && fnsetDistinct(arCandidates, &TrecStation::stState).size() > 1)
        return {adr::cstKnowState, recQuery.stState, {}};
    if (bPostcodeMissing && bCityRanges)
        return {adr::cstKnowPostcode, recQuery.stState, {}};
    return {adr::cstLookup, recQuery.stState, {}};
}

bool fnbAirportOfCountry(const TrecCountryStations &recCountry, const QString &stIATA) {
    return std::any_of(recCountry.arDirectory.begin(), recCountry.arDirectory.end(),
                       [&](const TrecStation &rec) { return fnbSameText(rec.stIATA, stIATA); });
}
} // namespace

TrecDestination fnrecDetermineDestination(const TrecDestinationQuery &recGiven,
                                          const TrecCountryStations &recCountry) {
    TrecDestinationQuery recQuery = recGiven;
    for (QString *pst : {&recQuery.stCountryCode, &recQuery.stCity, &recQuery.stPostcode,
                         &recQuery.stState, &recQuery.stIATA})
        *pst = pst->trimmed();
    if (recQuery.stCountryCode.isEmpty())
        return {adr::cstCountryBlank, recQuery.stState, recQuery.stIATA};
    if (!recCountry.bCountryKnown)
        return {adr::cstInvalidCountry, recQuery.stState, recQuery.stIATA};
    if (recQuery.stCity.isEmpty() && recQuery.stPostcode.isEmpty())
        return {adr::cstEnterCityOrPostcode, recQuery.stState, recQuery.stIATA};
    // An airport the user already has, and that the country has, stands.
    if (!recQuery.stIATA.isEmpty() && fnbAirportOfCountry(recCountry, recQuery.stIATA))
        return {adr::cstNoError, recQuery.stState, recQuery.stIATA};
    const TarStations arByPostcode =
        recQuery.stPostcode.isEmpty()
            ? TarStations{}
            : fnarWhere(recCountry.arStations, [&](const TrecStation &rec) {
                  return fnbInRange(rec, recQuery.stPostcode);
              });
    if (recQuery.stCity.isEmpty())
        return fnrecWithoutCity(recQuery, arByPostcode);
    const TarStations arByCity = fnarWhere(recCountry.arStations, [&](const TrecStation &rec) {
        return fnbSameText(rec.stCity, recQuery.stCity);
    });
    if (arByCity.empty())
        return fnrecUnlistedCity(recQuery, recCountry, arByPostcode);
    return fnrecListedCity(recQuery, recCountry, arByCity);
}
