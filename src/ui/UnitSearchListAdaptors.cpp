// The adaptors of the reference tables the wizard searches.
#include "UnitSearchListAdaptors.h"

#include "UnitLookupResourceStrings.h"

namespace {
TrecSearchListAdaptor fnrecAdaptor(const char *pchGrid, QStringList slColumns, const char *pchSort,
                                   const char *pchKey, std::vector<TrecSearchField> arFields,
                                   QString stSQL, QVariantList vlBinds) {
    return {QString::fromLatin1(pchGrid), std::move(slColumns),  QString::fromLatin1(pchSort),
            QString::fromLatin1(pchKey),  std::move(arFields),   std::move(stSQL),
            std::move(vlBinds),           fnstRS(rsSearchListOK)};
}

// The address fields an airport or station row fills.
std::vector<TrecSearchField> fnarAirportFields() {
    return {{QStringLiteral("COUNTRY_CD"), 2},
            {QStringLiteral("COUNTRY_NAME"), 30},
            {QStringLiteral("IATA"), 3},
            {QStringLiteral("CITY"), 45},
            {QStringLiteral("STATE"), 35}};
}
} // namespace

TrecSearchListAdaptor fnrecCountryAdaptor() {
    return fnrecAdaptor("SearchCountry",
                        {QStringLiteral("COUNTRY_NAME"), QStringLiteral("COUNTRY_CD")},
                        "country_name", "country_name",
                        {{QStringLiteral("COUNTRY_CD"), 2},
                         {QStringLiteral("COUNTRY_NAME"), 30},
                         {QStringLiteral("STATE_LABEL"), 9}},
                        QStringLiteral("select * from country order by country_name"), {});
}

TrecSearchListAdaptor fnrecStateAdaptor(const QString &stCountryCode) {
    return fnrecAdaptor("SearchState", {QStringLiteral("STATE"), QStringLiteral("COUNTRY_NAME")},
                        "country_name", "State",
                        {{QStringLiteral("STATE"), 35},
                         {QStringLiteral("COUNTRY_NAME"), 30},
                         {QStringLiteral("COUNTRY_CD"), 2}},
                        QStringLiteral("select * from state where country_cd = ?"),
                        {stCountryCode});
}

TrecSearchListAdaptor fnrecIATAAdaptor(const QString &stCountryCode) {
    return fnrecAdaptor(
        "SearchIATA",
        {QStringLiteral("CITY"), QStringLiteral("IATA"), QStringLiteral("COUNTRY_NAME")}, "CITY",
        "CITY",
        {{QStringLiteral("COUNTRY_CD"), 2},
         {QStringLiteral("COUNTRY_NAME"), 30},
         {QStringLiteral("IATA"), 3},
         {QStringLiteral("CITY"), 45}},
        QStringLiteral("select * from Directory where country_cd = ?"), {stCountryCode});
}

TrecSearchListAdaptor fnrecSuburbAdaptor(const QString &stCountryCode, const QString &stCity) {
    const std::vector<TrecSearchField> arFields{{QStringLiteral("COUNTRY_CD"), 30},
                                                {QStringLiteral("CITY"), 45},
                                                {QStringLiteral("SUBURB"), 35}};
    const QStringList slColumns{QStringLiteral("CITY"), QStringLiteral("SUBURB")};
    if (stCity.trimmed().isEmpty())
        return fnrecAdaptor("Suburb", slColumns, "city", "city", arFields,
                            QStringLiteral("select * from suburb where country_cd= ?"),
                            {stCountryCode});
    return fnrecAdaptor("Suburb", slColumns, "city", "city", arFields,
                        QStringLiteral("select * from suburb where city = ? and country_cd= ?"),
                        {stCity.trimmed(), stCountryCode});
}

TrecSearchListAdaptor fnrecEsdAdaptor(const QString &stCountryCode) {
    std::vector<TrecSearchField> arFields = fnarAirportFields();
    arFields.push_back({QStringLiteral("POSTCODE_LOW"), 12});
    arFields.push_back({QStringLiteral("POSTCODE_HIGH"), 12});
    return fnrecAdaptor("SearchESD",
                        {QStringLiteral("CITY"), QStringLiteral("STATE"), QStringLiteral("IATA"),
                         QStringLiteral("POSTCODE_LOW"), QStringLiteral("POSTCODE_HIGH")},
                        "city", "city", std::move(arFields),
                        QStringLiteral("Select * from ESD where country_cd = ?"),
                        {stCountryCode.trimmed()});
}

TrecSearchListAdaptor fnrecDirectoryAdaptor(const QString &stCountryCode) {
    TrecSearchListAdaptor rec = fnrecAdaptor(
        "SearchDirectory",
        {QStringLiteral("CITY"), QStringLiteral("IATA"), QStringLiteral("STATE"),
         QStringLiteral("COUNTRY_NAME")},
        "city", "city", fnarAirportFields(), QStringLiteral("select * from Directory"), {});
    if (!stCountryCode.trimmed().isEmpty()) {
        rec.stSQL = QStringLiteral("select * from Directory where country_cd = ?");
        rec.vlBinds = {stCountryCode.trimmed()};
    }
    rec.stButtonCaption = fnstRS(rsSearchListTransfer);
    return rec;
}
