// What differs between database servers: opening the connection, the SQL
// dialect (column types, ad-hoc statements written for SQL Server), the mapping
// of server errors to library codes, and the locks. The library's entry points
// are written once against this interface.
#pragma once

#include "UnitMV5DataInterface.h"
#include "UnitSecretColumns.h"

#include <QSqlDatabase>
#include <QSqlError>

// The names one server gives the column kinds servers name differently.
struct TrecServerColumnTypes {
    QString stKeyColumn; // the definition of every table's record_key column
    QString stReal;
    QString stDateTime;
    QString stTime;
};

class TclsDatabaseBackend {
public:
    virtual ~TclsDatabaseBackend() = default;
    TclsDatabaseBackend(const TclsDatabaseBackend &) = delete;
    TclsDatabaseBackend &operator=(const TclsDatabaseBackend &) = delete;

    // Opens the connection; 0 or a library code (19 when it cannot be opened).
    virtual int fniOpen() = 0;
    virtual void pClose() = 0;
    // This backend's connection (invalid while it is not open).
    QSqlDatabase fndbConnection() const;

    // Column definitions for creating tables.
    QString fnstKeyColumnDefinition() const { return recColumnTypes.stKeyColumn; }
    QString fnstColumnType(TFieldKind eKind, int iWidth) const;

    // Rewrites a statement written in SQL Server's dialect for this server.
    QString fnstAdaptSQL(const QString &stSQL) const;
    // Appended to an INSERT so that it answers the new row's key, for servers
    // whose driver cannot tell the last inserted key; empty when it can.
    virtual QString fnstReturningKey() const { return {}; }
    // The library code for a failed statement.
    virtual int fniErrorCode(const QSqlError &error) const = 0;
    // Makes the secret columns hold texts of any length (a sealed secret is
    // longer than the plain value); 0 or a library code.
    virtual int fniWidenSecretColumns(const std::vector<TrecSecretColumn> &) { return 0; }
    // Writes what the last commits replaced out of logs kept beside the
    // database, so no copy of an old value stays in a file; 0 or a code.
    virtual int fniFlushReplaced() { return 0; }

    // Whole-table lock held until released or until this process ends.
    virtual int fniLockTable(const QString &stTableName) = 0;
    virtual void pUnlockTable(const QString &stTableName) = 0;
    // Row lock shared with every process on the database; 12 when another holds it.
    virtual int fniLockRecord(qint32 iRecordKey, const QString &stClassName) = 0;
    virtual void pUnLockRecord(qint32 iRecordKey, const QString &stClassName) = 0;

protected:
    // stDriver is Qt's SQL driver for the server.
    TclsDatabaseBackend(const QString &stDriver, TrecServerColumnTypes recColumnTypes);
    // A new connection of the driver under this backend's own name, not yet open.
    QSqlDatabase fndbAddConnection() const;
    // Closes the connection and forgets it; nothing when there is none.
    void pRemoveConnection();

private:
    QString stDriver;
    QString stConnectionName;
    TrecServerColumnTypes recColumnTypes;
};
