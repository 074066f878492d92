// Moves record fields into and out of SQL: the column list of a record class,
// its fields as bind values (texts cut to their widths, secrets sealed), and a
// result row back into the fields (secrets opened).
#pragma once

#include "UnitMV5DataInterface.h"

#include <QSqlQuery>
#include <QVariantList>

struct TrecColumnInfo {
    QString stName;
    int iWidth = 0;
    unsigned uFlags = cfNone;
    TFieldKind eKind = TFieldKind::Text;
};

std::vector<TrecColumnInfo> fnarColumnsOf(TclsMVData &objRecord);
// The column of that name, ignoring case; nullptr when the class has none.
const TrecColumnInfo *fnpFindColumn(const std::vector<TrecColumnInfo> &arColumns,
                                    const QString &stName);

// The fields in column order as bind values for the table, texts cut to
// their widths, secrets then sealed.
QVariantList fnvlBindValuesOf(TclsMVData &objRecord, const QString &stTable);
// Fills the fields from the current row of the query, whose columns are
// record_key followed by the record's columns in order; secrets are opened.
// The secret columns that did not open (left empty), as "table.column".
QStringList fnslReadRow(TclsMVData &objRecord, const QSqlQuery &query, const QString &stTable);

// One value as it is bound for a column of that kind.
QVariant fnvBindValue(TFieldKind eKind, const QVariant &vValue);
