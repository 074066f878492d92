// Collecting the per-country postcode formats from Google's address data.
#include "UnitPostcodeRules.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QStringList cslFields = {QStringLiteral("zip"), QStringLiteral("zipex"),
                               QStringLiteral("upper")};

// A country's entry: only the fields the library reads, and nothing for a
// country without a postcode pattern.
QJsonObject fnobjCountryFormat(const QString &stFile, const QString &stCountryCode) {
    QFile file(stFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject objCountry =
        QJsonDocument::fromJson(file.readAll()).object().value(stCountryCode).toObject();
    if (objCountry.value(QLatin1String("zip")).toString().isEmpty())
        return {};
    QJsonObject obj;
    for (const QString &stField : cslFields)
        if (objCountry.contains(stField))
            obj.insert(stField, objCountry.value(stField));
    return obj;
}
} // namespace

QByteArray fnbaPostcodeFormats(const QString &stAddressDataDir, QString &stError) {
    const QDir dir(stAddressDataDir);
    // Country files are named by the two-letter code; "all.json" and the like
    // are not countries.
    const QStringList slFiles = dir.entryList({QStringLiteral("??.json")}, QDir::Files);
    if (slFiles.isEmpty()) {
        stError = QStringLiteral("no postcode formats in %1").arg(stAddressDataDir);
        return {};
    }
    QJsonObject objFormats;
    for (const QString &stFile : slFiles) {
        const QString stCountryCode = stFile.left(2).toUpper();
        const QJsonObject obj = fnobjCountryFormat(dir.filePath(stFile), stCountryCode);
        if (!obj.isEmpty())
            objFormats.insert(stCountryCode, obj);
    }
    return QJsonDocument(objFormats).toJson(QJsonDocument::Indented);
}
