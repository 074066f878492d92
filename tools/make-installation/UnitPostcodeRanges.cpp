// Reading the zipcodes package. Its data files are JavaScript modules whose
// first export is one JSON object keyed by postcode.
#include "UnitPostcodeRanges.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

namespace {
struct TrecRange {
    QString stLow, stHigh;
};

using TmapRanges = QHash<QString, TrecRange>; // by country|STATE|CITY

QString fnstKey(const QString &stCountry, const QString &stState, const QString &stCity) {
    return stCountry + u'|' + stState.trimmed().toUpper() + u'|' + stCity.trimmed().toUpper();
}

std::optional<QJsonObject> fnobjReadCodes(const QString &stFile, QString &stError) {
    QFile file(stFile);
    if (!file.open(QIODevice::ReadOnly)) {
        stError = QStringLiteral("cannot read %1").arg(stFile);
        return std::nullopt;
    }
    const QByteArray ba = file.readAll();
    const QByteArray baStart = "exports.codes = ";
    const qsizetype iStart = ba.indexOf(baStart);
    const qsizetype iEnd = ba.indexOf("exports.stateMap");
    if (iStart < 0 || iEnd < iStart) {
        stError = QStringLiteral("%1 holds no postcode table").arg(stFile);
        return std::nullopt;
    }
    QByteArray baJson = ba.mid(iStart + baStart.size(), iEnd - iStart - baStart.size()).trimmed();
    if (baJson.endsWith(';'))
        baJson.chop(1);
    QJsonParseError recError;
    const QJsonDocument doc = QJsonDocument::fromJson(baJson, &recError);
    if (recError.error != QJsonParseError::NoError) {
        stError = QStringLiteral("%1: %2").arg(stFile, recError.errorString());
        return std::nullopt;
    }
    return doc.object();
}

void pWiden(TmapRanges &map, const QString &stKey, const QString &stPostcode) {
    auto it = map.find(stKey);
    if (it == map.end()) {
        map.insert(stKey, {stPostcode, stPostcode});
        return;
    }
    it->stLow = std::min(it->stLow, stPostcode);
    it->stHigh = std::max(it->stHigh, stPostcode);
}

// US entries name the state by its code, the stations by its name.
void pAddUnitedStates(const QJsonObject &objCodes, const std::vector<TclsStateData> &arStates,
                      TmapRanges &map) {
    QHash<QString, QString> mapStateNames;
    for (const TclsStateData &rec : arStates)
        if (rec.country_cd == QLatin1String("US"))
            mapStateNames.insert(rec.state_cd, rec.state);
    for (const QJsonValue &v : objCodes) {
        const QJsonObject obj = v.toObject();
        const QString stState = mapStateNames.value(obj.value(QLatin1String("state")).toString());
        if (!stState.isEmpty())
            pWiden(
                map,
                fnstKey(QStringLiteral("US"), stState, obj.value(QLatin1String("city")).toString()),
                obj.value(QLatin1String("zip")).toString());
    }
}

// Canadian entries name a district of a city: "Vancouver (bentall Centre)".
void pAddCanada(const QJsonObject &objCodes, TmapRanges &map) {
    for (const QJsonValue &v : objCodes) {
        const QJsonObject obj = v.toObject();
        const QString stCity =
            obj.value(QLatin1String("city")).toString().section(QStringLiteral(" ("), 0, 0);
        pWiden(map,
               fnstKey(QStringLiteral("CA"), obj.value(QLatin1String("state")).toString(), stCity),
               obj.value(QLatin1String("zip")).toString());
    }
}
} // namespace

bool fnbAddPostcodeRanges(const QString &stNodeModulesDir,
                          const std::vector<TclsStateData> &arStates,
                          std::vector<TclsEsdData> &arStations, QString &stError) {
    const QString stLib = stNodeModulesDir + QStringLiteral("/zipcodes/lib/");
    const auto objUnitedStates = fnobjReadCodes(stLib + QStringLiteral("codes.js"), stError);
    const auto objCanada = fnobjReadCodes(stLib + QStringLiteral("codesCanada.js"), stError);
    if (!objUnitedStates || !objCanada)
        return false;
    TmapRanges map;
    pAddUnitedStates(*objUnitedStates, arStates, map);
    pAddCanada(*objCanada, map);
    for (TclsEsdData &rec : arStations) {
        const auto it = map.constFind(fnstKey(rec.country_cd, rec.state, rec.city));
        if (it == map.constEnd())
            continue;
        rec.postcode_low = it->stLow;
        rec.postcode_high = it->stHigh;
        rec.pCutToWidths();
    }
    return true;
}
