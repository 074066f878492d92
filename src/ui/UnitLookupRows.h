// Rows of a reference table read once into memory: the lookup combos and the
// search list filter and compare over these rather than asking the database
// again for every key the user types.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <vector>

struct TrecLookupRows {
    QStringList slFields;            // column names as the server spells them
    std::vector<QStringList> arRows; // one text per column

    // The column of a field, ignoring letter case; -1 when there is none.
    int fniField(const QString &stField) const;
    // The text of a field in a row; empty when the field or row is missing.
    QString fnstValue(size_t iRow, const QString &stField) const;
};

// Reads every row of the statement (values bound, never spliced); 0 or the
// database library's code, in which case the rows are left empty.
int fniLoadLookupRows(const QString &stSQL, const QVariantList &vlBinds, TrecLookupRows &recRows);
