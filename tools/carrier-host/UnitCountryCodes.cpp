// Loading the ISO 3166-1 list and looking names up.
#include "UnitCountryCodes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
QString fnstKey(const QString &st) {
    return st.trimmed().toCaseFolded();
}
} // namespace

bool TclsCountryCodes::fnbLoad(const QString &stIsoCodesFile, QString &stError) {
    QFile file(stIsoCodesFile);
    if (!file.open(QIODevice::ReadOnly)) {
        stError = QStringLiteral("cannot read %1").arg(stIsoCodesFile);
        return false;
    }
    QJsonParseError recError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &recError);
    const QJsonArray arCountries = doc.object().value(QLatin1String("3166-1")).toArray();
    if (recError.error != QJsonParseError::NoError || arCountries.isEmpty()) {
        stError = QStringLiteral("%1 holds no ISO 3166-1 list").arg(stIsoCodesFile);
        return false;
    }
    mapCodes.clear();
    for (const QJsonValue &v : arCountries) {
        const QJsonObject obj = v.toObject();
        const QString stCode = obj.value(QLatin1String("alpha_2")).toString();
        for (const char *pchKey : {"alpha_2", "alpha_3", "name", "common_name", "official_name"}) {
            const QString stName = obj.value(QLatin1String(pchKey)).toString();
            if (!stName.isEmpty())
                mapCodes.insert(fnstKey(stName), stCode);
        }
    }
    return true;
}

QString TclsCountryCodes::fnstCode(const QString &stCountry) const {
    return mapCodes.value(fnstKey(stCountry));
}
