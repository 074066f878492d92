// The calling-code box: reading and checking the prefix list, resolving each
// code to its country.
#include "UnitMvCallingCodeLookupCombo.h"

#include "UnitAdHocQuery.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "unitLogToFile.h"
#include "UnitLookupResourceStrings.h"

#include <QSet>

namespace {
const QString cstUnit = QStringLiteral("UnitMvCallingCodeLookupCombo");

bool fnbIsNumber(const QString &st) {
    bool bOk = false;
    st.toInt(&bOk);
    return bOk;
}

// The first region the phone rules give for a calling code.
QString fnstCountryOfCode(const QString &stCode) {
    TclsAdHocQuery qry;
    if (qry.fniOpen(QStringLiteral(
                        "SELECT DISTINCT country_cd FROM phonemobile_regex where countrycode = ?"),
                    {stCode.toInt()}) != 0 ||
        !qry.fnbNext())
        return {};
    return qry.fnvField(0).toString().trimmed();
}

// The country's name: the configuration cache's countries first, the country
// table when the cache does not know it.
QString fnstNameOfCountry(const QString &stCountry) {
    std::vector<TclsCountryData> arCountries;
    if (fniGetCountryData(arCountries) == 0)
        for (const TclsCountryData &rec : arCountries)
            if (rec.country_cd.compare(stCountry, Qt::CaseInsensitive) == 0)
                return rec.country_name;
    TclsAdHocQuery qry;
    if (qry.fniOpen(
            QStringLiteral("SELECT DISTINCT country_name FROM country where country_cd = ?"),
            {stCountry}) != 0 ||
        !qry.fnbNext())
        return {};
    return qry.fnvField(0).toString().trimmed();
}
} // namespace

QString fnstCallingCodeOfElement(const QString &stElement) {
    const QStringList slSides = stElement.split(QLatin1Char('='));
    for (const QString &stSide : slSides)
        if (fnbIsNumber(stSide.trimmed()))
            return QString::number(stSide.trimmed().toInt());
    return {};
}

bool fnbPrefixListIsWhole(const QString &stList) {
    const QStringList slElements = stList.split(QLatin1Char(','));
    for (qsizetype i = 1; i < slElements.size(); ++i) {
        const QString &stElement = slElements.at(i);
        if (!stElement.isEmpty() && !stElement.contains(QLatin1Char('='))) {
            pWriteLog(3, cstUnit, QStringLiteral("Create"),
                      QStringLiteral("BAD keyvalue pair ") + stElement);
            break;
        }
    }
    const qsizetype iCount = stList.isEmpty() ? 0 : slElements.size();
    if (iCount >= TmvCallingCodeLookupCombo::ciMinimumElements)
        return true;
    pWriteLog(3, cstUnit, QStringLiteral("Create"),
              QStringLiteral("Detected Corrupted CountryPrefixList only contains %1").arg(iCount));
    pWriteLog(0, cstUnit, QStringLiteral("Create"),
              QStringLiteral("Detected Corrupted stCallingCodes: ") + stList);
    return false;
}

TmvCallingCodeLookupCombo::TmvCallingCodeLookupCombo(TPrefixListProvider fnProvider,
                                                     QWidget *wParent)
    : TmvLookupCombo(wParent), fnProvider(std::move(fnProvider)) {
    BlankMsgStr = fnstRS(rsCallingCodeBlank);
    CheckValidMsgStr = fnstRS(rsCallingCodeNotInList);
    pSetListFieldNames(QStringLiteral("Code;CountryName"));
}

int TmvCallingCodeLookupCombo::fniEnsureListOpen() {
    if (iTries == 0)
        pReadPrefixList();
    if (!bPopulated)
        pPopulate();
    return 0;
}

void TmvCallingCodeLookupCombo::pReadPrefixList() {
    for (iTries = 1; iTries <= ciMaxTries; ++iTries) {
        pWriteLog(0, cstUnit, QStringLiteral("Create"),
                  QStringLiteral("%1 tries GetCountryPrefixList").arg(iTries));
        stCallingCodes = fnProvider ? fnProvider() : QString();
        if (fnbPrefixListIsWhole(stCallingCodes))
            return;
    }
    iTries = ciMaxTries;
}

// A damaged list that survived every try still gives what it holds: a box with
// some codes serves the user better than an empty one.
void TmvCallingCodeLookupCombo::pPopulate() {
    bPopulated = true;
    const QStringList slElements = stCallingCodes.split(QLatin1Char(','), Qt::SkipEmptyParts);
    pWriteLog(0, cstUnit, QStringLiteral("Create"),
              QStringLiteral("Populating Lookup. List Size : %1").arg(slElements.size()));
    TrecLookupRows recList;
    recList.slFields = {QStringLiteral("Code"), QStringLiteral("CountryName")};
    QSet<QString> setSeen;
    for (const QString &stElement : slElements) {
        const QString stCode = fnstCallingCodeOfElement(stElement);
        if (stCode.isEmpty() || setSeen.contains(stCode))
            continue;
        setSeen.insert(stCode);
        const QString stCountry = fnstCountryOfCode(stCode);
        const QString stName = stCountry.isEmpty() ? QString() : fnstNameOfCountry(stCountry);
        if (stName.isEmpty()) {
            pWriteLog(0, cstUnit, QStringLiteral("Create.Checking Unsupported country"),
                      QStringLiteral("stCallingCode=%1 sCountry_code=%2 stCountryName=%3")
                          .arg(stCode, stCountry, stName));
            continue;
        }
        recList.arRows.push_back({stCode, stName});
    }
    pSetFixedRows(recList);
}

QString TmvCallingCodeLookupCombo::fnstCountryNameOfCode(const QString &stCode) {
    fniEnsureListOpen();
    const auto oRow = fnoRowOfKey(stCode.trimmed());
    return oRow ? fnrecRows().arRows[*oRow].value(1) : QString();
}

bool TmvCallingCodeLookupCombo::fnbConnectedDB() {
    fniEnsureListOpen();
    if (!fnrecRows().slFields.isEmpty())
        return true;
    pWriteLog(2, cstUnit, QStringLiteral("fnbConnectedDB"),
              QStringLiteral("Component:%1 Properties.ListSource is nil, tried to recreate")
                  .arg(objectName()));
    pPopulate();
    return !fnrecRows().slFields.isEmpty();
}
