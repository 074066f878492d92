// Ad-hoc statements through the library's connection and dialect adapter.
#include "UnitAdHocQuery.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseBackend.h"
#include "UnitDatabaseConstants.h"
#include "unitLogToFile.h"

#include <QSqlError>
#include <QSqlRecord>

int TclsAdHocQuery::fniOpen(const QString &stSQL, const QVariantList &vlBinds) {
    return fniRun(stSQL, vlBinds);
}

int TclsAdHocQuery::fniExecute(const QString &stSQL, const QVariantList &vlBinds) {
    return fniRun(stSQL, vlBinds);
}

int TclsAdHocQuery::fniRun(const QString &stSQL, const QVariantList &vlBinds) {
    query.reset();
    int iCode = dbc::iSuccess;
    TclsDatabaseBackend *pBackend = fnpBackend(&iCode);
    if (!pBackend)
        return iCode;
    const QString stAdapted = pBackend->fnstAdaptSQL(stSQL);
    query.emplace(pBackend->fndbConnection());
    // A server may refuse to prepare a statement that is not a query or a
    // row change (PostgreSQL: CREATE, DROP); one without values runs directly.
    bool bOk = false;
    if (vlBinds.isEmpty()) {
        bOk = query->exec(stAdapted);
    } else {
        bOk = query->prepare(stAdapted);
        for (const QVariant &v : vlBinds)
            query->addBindValue(v);
        bOk = bOk && query->exec();
    }
    if (bOk)
        return dbc::iSuccess;
    iCode = pBackend->fniErrorCode(query->lastError());
    pWriteLog(2, QStringLiteral("UnitAdHocQuery"), QStringLiteral("fniRun"),
              QStringLiteral("%1 failed (code %2): %3")
                  .arg(stAdapted)
                  .arg(iCode)
                  .arg(query->lastError().text()));
    query.reset();
    return iCode;
}

bool TclsAdHocQuery::fnbNext() {
    return query && query->next();
}

QVariant TclsAdHocQuery::fnvField(const QString &stName) const {
    if (!query)
        return {};
    const int iIndex = query->record().indexOf(stName);
    return iIndex < 0 ? QVariant() : query->value(iIndex);
}

QVariant TclsAdHocQuery::fnvField(int iIndex) const {
    return query ? query->value(iIndex) : QVariant();
}

QStringList TclsAdHocQuery::fnslFieldNames() const {
    QStringList sl;
    if (!query)
        return sl;
    const QSqlRecord rec = query->record();
    for (int i = 0; i < rec.count(); ++i)
        sl << rec.fieldName(i);
    return sl;
}

int TclsAdHocQuery::fniRowsAffected() const {
    return query ? query->numRowsAffected() : 0;
}
