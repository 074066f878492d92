// Loading reference rows through the database library's ad-hoc query.
#include "UnitLookupRows.h"

#include "UnitAdHocQuery.h"

int TrecLookupRows::fniField(const QString &stField) const {
    for (int i = 0; i < slFields.size(); ++i)
        if (slFields.at(i).compare(stField, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TrecLookupRows::fnstValue(size_t iRow, const QString &stField) const {
    const int iField = fniField(stField);
    if (iField < 0 || iRow >= arRows.size())
        return {};
    return arRows[iRow].value(iField);
}

int fniLoadLookupRows(const QString &stSQL, const QVariantList &vlBinds, TrecLookupRows &recRows) {
    recRows = {};
    TclsAdHocQuery qry;
    const int iCode = qry.fniOpen(stSQL, vlBinds);
    if (iCode != 0)
        return iCode;
    recRows.slFields = qry.fnslFieldNames();
    const int iCount = recRows.slFields.size();
    while (qry.fnbNext()) {
        QStringList slRow;
        slRow.reserve(iCount);
        for (int i = 0; i < iCount; ++i)
            slRow << qry.fnvField(i).toString();
        recRows.arRows.push_back(std::move(slRow));
    }
    return 0;
}
