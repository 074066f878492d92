// Statements a test runs on the current installation's database, to prepare
// rows before the program starts and to read what the program stored.
#pragma once

#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitSecretKey.h"

#include <QString>
#include <QVariantList>

#include <memory>

// A record array holding obj alone, as the library's write functions take it.
template <class T> TobjarMVData fnarOne(std::unique_ptr<T> obj) {
    TobjarMVData objar;
    objar.push_back(std::move(obj));
    return objar;
}

// 0, or the database library's code.
inline int fniExec(const QString &stSQL, const QVariantList &vlBinds = {}) {
    TclsAdHocQuery qry;
    return qry.fniExecute(stSQL, vlBinds);
}

// The first column of the first row; invalid when there is none or the
// statement failed.
inline QVariant fnvScalar(const QString &stSQL, const QVariantList &vlBinds = {}) {
    TclsAdHocQuery qry;
    if (qry.fniOpen(stSQL, vlBinds) != 0 || !qry.fnbNext())
        return {};
    return qry.fnvField(0);
}

// The same as text, trimmed; empty when there is none or the statement failed.
inline QString fnstScalar(const QString &stSQL, const QVariantList &vlBinds = {}) {
    return fnvScalar(stSQL, vlBinds).toString().trimmed();
}

// The password stored in the first row of a secret column (of the rows the
// condition picks), as the program reads it; "<not sealed>" when the stored
// form is not sealed (an empty one is stored empty).
inline QString fnstStoredSecret(const char *pchTable, const char *pchColumn,
                                const char *pchWhere = "1 = 1") {
    const QString stStored =
        fnvScalar(
            QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY record_key")
                .arg(QLatin1String(pchColumn), QLatin1String(pchTable), QLatin1String(pchWhere)))
            .toString();
    if (stStored.isEmpty())
        return stStored;
    if (!fnbSealed(stStored))
        return QStringLiteral("<not sealed>");
    return fnoOpenSecret(QLatin1String(pchTable), QLatin1String(pchColumn), stStored)
        .value_or(QStringLiteral("<does not open>"));
}

// Whether the open connection reaches the database the test run asks for: the
// run's PostgreSQL cluster when MORVANE_TEST_PGCLUSTER names one, else SQLite
// (which has no version() function).
inline bool fnbOnTheRunsDatabase() {
    const bool bServer =
        fnstScalar(QStringLiteral("SELECT version()")).startsWith(QLatin1String("PostgreSQL"));
    return bServer == !qEnvironmentVariableIsEmpty("MORVANE_TEST_PGCLUSTER");
}

// How a trigger refuses a write: with an error of its own, or by touching a
// table that does not exist (the library's code 9).
enum class TRefusal { Raise, MissingTable };

// Makes every stEvent ("INSERT", "UPDATE", "DELETE") on stTable fail, on
// either database server, by a trigger "refuse_<table>"; 0 or the library's code.
inline int fniRefuseWrites(const QString &stTable, const QString &stEvent, TRefusal eRefusal) {
    const QString stName = QStringLiteral("refuse_%1").arg(stTable).toLower();
    if (fncnGetSQLConnection().driverName() == QLatin1String("QPSQL")) {
        const QString stBody =
            eRefusal == TRefusal::Raise
                ? QStringLiteral("RAISE EXCEPTION 'refused' USING ERRCODE = '23000'")
                : QStringLiteral("DELETE FROM gone");
        if (const int iCode =
                fniExec(QStringLiteral("CREATE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS "
                                       "$$BEGIN %2; RETURN NEW; END$$")
                            .arg(stName, stBody)))
            return iCode;
        return fniExec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW EXECUTE "
                                      "FUNCTION %1()")
                           .arg(stName, stEvent, stTable));
    }
    const QString stBody = eRefusal == TRefusal::Raise
                               ? QStringLiteral("SELECT RAISE(ABORT, 'refused')")
                               : QStringLiteral("DELETE FROM gone");
    return fniExec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 BEGIN %4; END")
                       .arg(stName, stEvent, stTable, stBody));
}

// Takes back what fniRefuseWrites put on stTable; 0 or the library's code.
inline int fniAllowWrites(const QString &stTable) {
    const QString stName = QStringLiteral("refuse_%1").arg(stTable).toLower();
    if (fncnGetSQLConnection().driverName() == QLatin1String("QPSQL"))
        return fniExec(QStringLiteral("DROP TRIGGER %1 ON %2").arg(stName, stTable));
    return fniExec(QStringLiteral("DROP TRIGGER %1").arg(stName));
}

// What SQLite's own check of the open database file says: "ok" when every
// page, index and constraint is sound. A server database keeps its own
// consistency and answers "ok" here.
inline QString fnstIntegrityCheck() {
    if (fncnGetSQLConnection().driverName() == QLatin1String("QPSQL"))
        return QStringLiteral("ok");
    return fnstScalar(QStringLiteral("PRAGMA integrity_check"));
}
