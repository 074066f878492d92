// A database server shared by the workstations of a LAN installation. Locks
// are the server's session advisory locks: the server drops them when the
// holder's connection ends, so a workstation that dies leaves nothing locked.
// Advisory locks belong to one database, so two installations on one server
// do not refuse each other.
#pragma once

#include "UnitDatabaseBackend.h"

#include <set>
#include <utility>

struct TrecDatabaseSettings;

class TclsPostgreSQLBackend : public TclsDatabaseBackend {
public:
    explicit TclsPostgreSQLBackend(const TrecDatabaseSettings &recSettings);
    ~TclsPostgreSQLBackend() override;

    int fniOpen() override;
    void pClose() override;

    int fniErrorCode(const QSqlError &error) const override;
    QString fnstReturningKey() const override;

    int fniWidenSecretColumns(const std::vector<TrecSecretColumn> &arColumns) override;
    int fniLockTable(const QString &stTableName) override;
    void pUnlockTable(const QString &stTableName) override;
    int fniLockRecord(qint32 iRecordKey, const QString &stClassName) override;
    void pUnLockRecord(qint32 iRecordKey, const QString &stClassName) override;

private:
    // Runs "SELECT pg_try_advisory_lock(...)" or pg_advisory_unlock; the
    // function's answer, or a library code when the statement failed.
    int fniAdvisory(const QString &stSQL, const QVariantList &vlKeys);

    QString stHost;
    int iPort;
    QString stName;
    QString stUser;
    QString stPasswordFile;
    QString stSslMode;
    QString stSslRootCert;
    std::set<qint64> setTableLocks;
    std::set<std::pair<qint32, qint32>> setRecordLocks; // class key, record key
};

// Stable lock keys: the same names give the same keys on every workstation.
qint32 fniAdvisoryClassKey(const QString &stClassName);
qint64 fniAdvisoryTableKey(const QString &stTableName);
