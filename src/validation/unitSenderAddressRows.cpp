// Reading the suburb and directory rows of the sender address events.
#include "unitSenderAddressRows.h"

#include "UnitAdHocQuery.h"
#include "UnitLookupRowCheck.h"

bool fnbCountryHasSuburbs(const QString &stCountryCode) {
    return fnbRowExists(QStringLiteral("select * from suburb where country_cd= ?"), stCountryCode);
}

bool fnbCityHasSuburbs(const QString &stCity, const QString &stCountryCode) {
    TclsAdHocQuery qry;
    return qry.fniOpen(QStringLiteral("select * from suburb where city = ? and country_cd= ?"),
                       {stCity, stCountryCode}) == 0 &&
           qry.fnbNext();
}

int fniDirectoryRowsOfAirport(const QString &stIATA) {
    TclsAdHocQuery qry;
    if (qry.fniOpen(
            QStringLiteral("Select Count(1) as CountOfRecords from Directory where IATA = ?"),
            {stIATA}) != 0 ||
        !qry.fnbNext())
        return 0;
    return qry.fnvField(QStringLiteral("CountOfRecords")).toInt();
}

std::optional<TrecAirportCountry> fnoAirportCountry(const QString &stIATA) {
    TclsAdHocQuery qry;
    if (qry.fniOpen(QStringLiteral("select IATA,City,  Country_cd,Country_Name from Directory  "
                                   "where IATA = ?"),
                    {stIATA}) != 0 ||
        !qry.fnbNext())
        return std::nullopt;
    return TrecAirportCountry{qry.fnvField(QStringLiteral("Country_cd")).toString().trimmed(),
                              qry.fnvField(QStringLiteral("Country_Name")).toString().trimmed()};
}
