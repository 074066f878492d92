// The statements behind the destination rules. A whole country is read at
// once: its rows are few, and cities are compared ignoring letter case in
// every alphabet, which the database's own comparison does not do.
#include "unitDestinationStations.h"

#include "UnitAdHocQuery.h"

namespace {
QString fnstField(const TclsAdHocQuery &query, const char *pchName) {
    return query.fnvField(QLatin1String(pchName)).toString().trimmed();
}

bool fnbReadStations(const QString &stSQL, const QString &stCountryCode,
                     std::vector<TrecStation> &arStations, bool bRanges, QString &stError) {
    TclsAdHocQuery query;
    if (const int iCode = query.fniOpen(stSQL, {stCountryCode}); iCode != 0) {
        stError = QStringLiteral("%1 failed with code %2").arg(stSQL).arg(iCode);
        return false;
    }
    while (query.fnbNext()) {
        TrecStation rec{
            fnstField(query, "iata"), fnstField(query, "city"), fnstField(query, "state"), {}, {}};
        if (bRanges) {
            rec.stPostcodeLow = fnstField(query, "postcode_low");
            rec.stPostcodeHigh = fnstField(query, "postcode_high");
        }
        arStations.push_back(std::move(rec));
    }
    return true;
}

bool fnbReadCountry(const QString &stCountryCode, TrecCountryStations &rec, QString &stError) {
    const QString stSQL =
        QStringLiteral("select UsePostCode_flag from country where country_cd = ?");
    TclsAdHocQuery query;
    if (const int iCode = query.fniOpen(stSQL, {stCountryCode}); iCode != 0) {
        stError = QStringLiteral("%1 failed with code %2").arg(stSQL).arg(iCode);
        return false;
    }
    rec.bCountryKnown = query.fnbNext();
    rec.bUsesPostcode = rec.bCountryKnown && query.fnvField(0).toBool();
    return true;
}
} // namespace

std::optional<TrecCountryStations> fnrecReadCountryStations(const QString &stCountryCode,
                                                            QString &stError) {
    TrecCountryStations rec;
    const bool bRead =
        fnbReadCountry(stCountryCode, rec, stError) &&
        (!rec.bCountryKnown ||
         (fnbReadStations(QStringLiteral("select iata, city, state, postcode_low, postcode_high "
                                         "from esd where country_cd = ?"),
                          stCountryCode, rec.arStations, true, stError) &&
          fnbReadStations(
              QStringLiteral("select iata, city, state from Directory where country_cd = ?"),
              stCountryCode, rec.arDirectory, false, stError)));
    if (!bRead)
        return std::nullopt;
    return rec;
}
