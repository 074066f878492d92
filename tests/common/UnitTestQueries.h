// Statements a test runs on the current installation's database, to prepare
// rows before the program starts and to read what the program stored.
#pragma once

#include "UnitAdHocQuery.h"

#include <QString>
#include <QVariantList>

// 0, or the database library's code.
inline int fniExec(const QString &stSQL, const QVariantList &vlBinds = {}) {
    TclsAdHocQuery qry;
    return qry.fniExecute(stSQL, vlBinds);
}

// The first column of the first row, trimmed; empty when there is none or the
// statement failed.
inline QString fnstScalar(const QString &stSQL, const QVariantList &vlBinds = {}) {
    TclsAdHocQuery qry;
    if (qry.fniOpen(stSQL, vlBinds) != 0 || !qry.fnbNext())
        return {};
    return qry.fnvField(0).toString().trimmed();
}
