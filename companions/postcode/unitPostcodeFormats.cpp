// Reading the installation's postcode formats.
#include "unitPostcodeFormats.h"

#include "unitGlobalData.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
TrecPostcodeFormat fnrecFormat(const QJsonObject &obj) {
    TrecPostcodeFormat rec;
    rec.stPattern = obj.value(QLatin1String("zip")).toString();
    rec.slExamples =
        obj.value(QLatin1String("zipex")).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    // "upper" lists the address fields written in capitals; Z is the postcode.
    rec.bUpper = obj.value(QLatin1String("upper")).toString().contains(QLatin1Char('Z'));
    return rec;
}
} // namespace

std::optional<TmapPostcodeFormats> fnmapReadPostcodeFormats(const QString &stFile) {
    QFile file(stFile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QJsonParseError recError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &recError);
    if (recError.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    TmapPostcodeFormats map;
    const QJsonObject objAll = doc.object();
    for (auto it = objAll.begin(); it != objAll.end(); ++it)
        map.insert(it.key().toUpper(), fnrecFormat(it.value().toObject()));
    return map;
}

QString fnstPostcodeFormatsFile() {
    return fnstResolvePath(fnstConfigDir() + QStringLiteral("PostcodeFormats.json"));
}
