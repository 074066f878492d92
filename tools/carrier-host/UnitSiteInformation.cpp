// Splitting the site information file into sections and fields.
#include "UnitSiteInformation.h"

#include <QStringDecoder>

#include <map>
#include <utility>
#include <vector>

namespace {
using TarSectionLines = std::vector<QByteArray>;

const QByteArray baTitle = QByteArrayLiteral("ZOZ SITE CONFIGURATION");
const QByteArray baSectionMark = QByteArrayLiteral("Sec ");

// The number of a section heading ("Sec 10 : LP RANGE"), or 0 for other lines.
int fniSectionNumber(const QByteArray &baLine) {
    if (!baLine.startsWith(baSectionMark))
        return 0;
    const qsizetype iColon = baLine.indexOf(':');
    if (iColon < 0)
        return 0;
    bool bOk = false;
    const int i =
        baLine.mid(baSectionMark.size(), iColon - baSectionMark.size()).trimmed().toInt(&bOk);
    return bOk && i > 0 ? i : 0;
}

std::map<int, TarSectionLines> fnmapSections(const QList<QByteArray> &arLines) {
    std::map<int, TarSectionLines> mapSections;
    int iSection = 0;
    for (const QByteArray &baLine : arLines) {
        const int iHeading = fniSectionNumber(baLine);
        if (iHeading > 0) {
            iSection = iHeading;
            mapSections[iSection];
        } else if (iSection > 0) {
            mapSections[iSection].push_back(baLine);
        }
    }
    return mapSections;
}

// The value of "label: value" in a section; labels are padded with spaces
// before the colon and the value follows one space after it.
QByteArray fnbaField(const TarSectionLines &arLines, const QByteArray &baLabel) {
    for (const QByteArray &baLine : arLines) {
        const qsizetype iColon = baLine.indexOf(':');
        if (iColon < 0 || baLine.left(iColon).trimmed() != baLabel)
            continue;
        const QByteArray baRest = baLine.mid(iColon + 1);
        return baRest.startsWith(' ') ? baRest.mid(1) : baRest;
    }
    return {};
}

qint64 fniQuantity(const QByteArray &baText) {
    const QByteArray ba = baText.trimmed();
    // Nine digits are more numbers than any range holds; more is not a quantity.
    if (ba.isEmpty() || ba.size() > 9)
        return -1;
    for (const char ch : ba)
        if (ch < '0' || ch > '9')
            return -1;
    return ba.toLongLong();
}

TrecRangeRequest fnrecRangeRequest(const TarSectionLines &arLines) {
    TrecRangeRequest rec;
    rec.bRequired = fnbaField(arLines, "Range required flag").trimmed() == "Y";
    rec.iQuantity = fniQuantity(fnbaField(arLines, "Quantity"));
    return rec;
}

void pReadCustomer(const TarSectionLines &arLines, TrecSiteInformation &rec) {
    rec.baCompany = fnbaField(arLines, "Name");
    rec.baAddress1 = fnbaField(arLines, "Address_1");
    rec.baAddress2 = fnbaField(arLines, "Address_2");
    rec.baAddress3 = fnbaField(arLines, "Address_3");
    rec.baCity = fnbaField(arLines, "City");
    rec.baState = fnbaField(arLines, "State");
    rec.baPostcode = fnbaField(arLines, "Zip");
    rec.baCountry = fnbaField(arLines, "Country");
    rec.baContact = fnbaField(arLines, "Contact Person");
    rec.baPhone = fnbaField(arLines, "Phone Number");
}

// Section 3 lists bare account numbers up to a "---" line.
QList<QByteArray> fnarAccountNumbers(const TarSectionLines &arLines) {
    QList<QByteArray> ar;
    for (const QByteArray &baLine : arLines) {
        if (baLine == "---")
            break;
        if (!baLine.trimmed().isEmpty())
            ar.append(baLine);
    }
    return ar;
}
} // namespace

QString fnstClientText(const QByteArray &baValue) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString st = decoder.decode(baValue);
    return decoder.hasError() ? QString::fromLatin1(baValue) : st;
}

std::optional<TrecSiteInformation> fnrecParseSiteInformation(const QByteArray &baFile,
                                                             QString &stError) {
    QList<QByteArray> arLines = baFile.split('\n');
    for (QByteArray &baLine : arLines)
        if (baLine.endsWith('\r'))
            baLine.chop(1);
    if (!arLines.constFirst().startsWith(baTitle)) {
        stError = QStringLiteral("the body is not a site information file");
        return std::nullopt;
    }
    auto mapSections = fnmapSections(arLines);
    if (!mapSections.contains(1)) {
        stError = QStringLiteral("the site information file has no customer information");
        return std::nullopt;
    }
    TrecSiteInformation rec;
    pReadCustomer(mapSections[1], rec);
    rec.baVersion = fnbaField(mapSections[2], "ZOZ Version");
    rec.baSiteType = fnbaField(mapSections[2], "Site Type");
    rec.arAccountNumbers = fnarAccountNumbers(mapSections[3]);
    // A file without the range sections asks for no numbers.
    if (mapSections.contains(9))
        rec.recShipments = fnrecRangeRequest(mapSections[9]);
    if (mapSections.contains(10))
        rec.recLPs = fnrecRangeRequest(mapSections[10]);
    rec.baGatewayIata = fnbaField(mapSections[11], "Gateway IATA Code");
    return rec;
}
