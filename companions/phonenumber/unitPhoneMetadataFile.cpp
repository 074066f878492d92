// Reading the metadata file's territories.
#include "unitPhoneMetadataFile.h"

#include <QFile>
#include <QXmlStreamReader>

bool fnbReadMetadataFile(const std::string &stPath,
                         std::vector<TrecMetadataTerritory> &arTerritories) {
    arTerritories.clear();
    QFile file(QString::fromStdString(stPath));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("phoneNumberMetadata"))
        return false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("territory"))
            continue;
        TrecMetadataTerritory rec;
        rec.stId = xml.attributes().value(QLatin1String("id")).toString().toStdString();
        bool bNumber = false;
        rec.iCountryCode = xml.attributes().value(QLatin1String("countryCode")).toInt(&bNumber);
        if (rec.stId.empty() || !bNumber)
            return false;
        arTerritories.push_back(std::move(rec));
    }
    return !xml.hasError() && !arTerritories.empty();
}
