// Writing the phone-number metadata file.
#include "UnitPhoneMetadataXml.h"

#include "UnitCompiledPhoneMetadata.h"

#include <QStringList>
#include <QXmlStreamWriter>

namespace pn = i18n::phonenumbers;

namespace {
QString fnst(const std::string &st) {
    return QString::fromStdString(st);
}

QString fnstLengths(const google::protobuf::RepeatedField<int> &arLengths) {
    QStringList sl;
    for (const int i : arLengths)
        if (i > 0)
            sl << QString::number(i);
    return sl.join(QLatin1Char(','));
}

void pWriteDesc(QXmlStreamWriter &xml, const char *pchElement, const pn::PhoneNumberDesc &rec) {
    if (!rec.has_national_number_pattern())
        return;
    xml.writeStartElement(QLatin1String(pchElement));
    const QString stNational = fnstLengths(rec.possible_length());
    if (!stNational.isEmpty()) {
        xml.writeEmptyElement(QStringLiteral("possibleLengths"));
        xml.writeAttribute(QStringLiteral("national"), stNational);
        const QString stLocal = fnstLengths(rec.possible_length_local_only());
        if (!stLocal.isEmpty())
            xml.writeAttribute(QStringLiteral("localOnly"), stLocal);
    }
    if (rec.has_example_number())
        xml.writeTextElement(QStringLiteral("exampleNumber"), fnst(rec.example_number()));
    xml.writeTextElement(QStringLiteral("nationalNumberPattern"),
                         fnst(rec.national_number_pattern()));
    xml.writeEndElement();
}

void pWriteTerritory(QXmlStreamWriter &xml, const pn::PhoneMetadata &rec) {
    xml.writeStartElement(QStringLiteral("territory"));
    xml.writeAttribute(QStringLiteral("id"), fnst(rec.id()));
    xml.writeAttribute(QStringLiteral("countryCode"), QString::number(rec.country_code()));
    if (rec.main_country_for_code())
        xml.writeAttribute(QStringLiteral("mainCountryForCode"), QStringLiteral("true"));
    if (rec.has_international_prefix())
        xml.writeAttribute(QStringLiteral("internationalPrefix"), fnst(rec.international_prefix()));
    if (rec.has_national_prefix())
        xml.writeAttribute(QStringLiteral("nationalPrefix"), fnst(rec.national_prefix()));
    if (rec.has_national_prefix_for_parsing())
        xml.writeAttribute(QStringLiteral("nationalPrefixForParsing"),
                           fnst(rec.national_prefix_for_parsing()));
    pWriteDesc(xml, "generalDesc", rec.general_desc());
    pWriteDesc(xml, "fixedLine", rec.fixed_line());
    pWriteDesc(xml, "mobile", rec.mobile());
    pWriteDesc(xml, "pager", rec.pager());
    pWriteDesc(xml, "tollFree", rec.toll_free());
    pWriteDesc(xml, "premiumRate", rec.premium_rate());
    pWriteDesc(xml, "sharedCost", rec.shared_cost());
    pWriteDesc(xml, "personalNumber", rec.personal_number());
    pWriteDesc(xml, "voip", rec.voip());
    pWriteDesc(xml, "uan", rec.uan());
    pWriteDesc(xml, "voicemail", rec.voicemail());
    xml.writeEndElement();
}
} // namespace

QByteArray fnbaPhoneMetadataXml() {
    QByteArray ba;
    QXmlStreamWriter xml(&ba);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("phoneNumberMetadata"));
    xml.writeStartElement(QStringLiteral("territories"));
    for (const auto &rec : fnrecCompiledPhoneMetadata().metadata())
        pWriteTerritory(xml, rec);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return ba;
}
