// The two-letter country code of a country name, from Debian's iso-codes list
// (the same list the client's country table is built from), so the code the
// host answers with finds the country again on the client's side.
#pragma once

#include <QHash>
#include <QString>

class TclsCountryCodes {
public:
    // Reads iso_3166-1.json; false with stError when it cannot be read.
    bool fnbLoad(const QString &stIsoCodesFile, QString &stError);

    // The alpha-2 code of a country given by its name, common name, official
    // name or alpha-2/alpha-3 code, ignoring case and surrounding spaces;
    // empty when unknown.
    QString fnstCode(const QString &stCountry) const;

    static QString fnstDefaultFile() {
        return QStringLiteral("/usr/share/iso-codes/json/iso_3166-1.json");
    }

private:
    QHash<QString, QString> mapCodes; // case-folded name or code -> alpha-2
};
