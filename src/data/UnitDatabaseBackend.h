// What differs between database servers: opening the connection, the SQL
// dialect (column types, ad-hoc statements written for SQL Server), the mapping
// of server errors to library codes, and the locks. The library's entry points
// are written once against this interface.
#pragma once

#include "UnitMV5DataInterface.h"

#include <QSqlDatabase>
#include <QSqlError>

class TclsDatabaseBackend {
public:
    virtual ~TclsDatabaseBackend() = default;

    // Opens the connection; 0 or a library code (19 when it cannot be opened).
    virtual int fniOpen() = 0;
    virtual void pClose() = 0;
    virtual QSqlDatabase fndbConnection() const = 0;

    // Column definitions for creating tables.
    virtual QString fnstKeyColumnDefinition() const = 0;
    virtual QString fnstColumnType(TFieldKind eKind, int iWidth) const = 0;

    // Rewrites a statement written in SQL Server's dialect for this server.
    virtual QString fnstAdaptSQL(const QString &stSQL) const = 0;
    // Appended to an INSERT so that it answers the new row's key, for servers
    // whose driver cannot tell the last inserted key; empty when it can.
    virtual QString fnstReturningKey() const { return {}; }
    // The library code for a failed statement.
    virtual int fniErrorCode(const QSqlError &error) const = 0;

    // Whole-table lock held until released or until this process ends.
    virtual int fniLockTable(const QString &stTableName) = 0;
    virtual void pUnlockTable(const QString &stTableName) = 0;
    // Row lock shared with every process on the database; 12 when another holds it.
    virtual int fniLockRecord(qint32 iRecordKey, const QString &stClassName) = 0;
    virtual void pUnLockRecord(qint32 iRecordKey, const QString &stClassName) = 0;
};
