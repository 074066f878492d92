// The list adaptors: one per reference table, each fixing the grid's name, the
// columns shown, the sort and search field and the record a chosen row is
// copied into (fixed-width texts, as the address fields hold them).
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <vector>

struct TrecSearchField {
    QString stName; // upper-case, as the record names it
    int iWidth = 0;
};

// A chosen row: field name (upper-case) to text cut to its width.
using TrecSearchRecord = QMap<QString, QString>;

struct TrecSearchListAdaptor {
    QString stGridName;
    QStringList slColumns;
    QString stSortField;
    QString stKeyField;
    std::vector<TrecSearchField> arRecordFields;
    QString stSQL;
    QVariantList vlBinds;
    QString stButtonCaption; // the choosing button
};

TrecSearchListAdaptor fnrecCountryAdaptor();
TrecSearchListAdaptor fnrecStateAdaptor(const QString &stCountryCode);
TrecSearchListAdaptor fnrecIATAAdaptor(const QString &stCountryCode);
// Suburbs of the city in the country, or of the whole country when the city is empty.
TrecSearchListAdaptor fnrecSuburbAdaptor(const QString &stCountryCode, const QString &stCity);
// Destination stations of a country, by city.
TrecSearchListAdaptor fnrecEsdAdaptor(const QString &stCountryCode);
// The airport directory; restricted to a country when one is given.
TrecSearchListAdaptor fnrecDirectoryAdaptor(const QString &stCountryCode = {});
