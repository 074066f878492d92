// The embedded database: one SQLite file under the installation's Database
// folder. Table locks are exclusive flock()s on a lock file beside the database;
// row locks are rows of record_locks owned by a process, reclaimed once that
// process is gone. The kernel drops a flock() when its process dies.
#pragma once

#include "UnitDatabaseBackend.h"

#include <map>

class TclsSQLiteBackend : public TclsDatabaseBackend {
public:
    explicit TclsSQLiteBackend(const QString &stDatabaseFile);
    ~TclsSQLiteBackend() override;

    int fniOpen() override;
    void pClose() override;

    int fniErrorCode(const QSqlError &error) const override;

    int fniFlushReplaced() override;
    int fniLockTable(const QString &stTableName) override;
    void pUnlockTable(const QString &stTableName) override;
    int fniLockRecord(qint32 iRecordKey, const QString &stClassName) override;
    void pUnLockRecord(qint32 iRecordKey, const QString &stClassName) override;

private:
    // Runs one statement; a failure is logged unless the caller expects it.
    bool fnbExec(const QString &stSQL, const QVariantList &vlBinds = {}, bool bLogFailure = true);
    int fniTakeRecordLock(qint32 iRecordKey, const QString &stClass);

    QString stDatabaseFile;
    std::map<QString, int> mapTableLocks; // table name -> descriptor of its lock file
};
