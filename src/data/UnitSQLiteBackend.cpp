// SQLite backend of the database library.
#include "UnitSQLiteBackend.h"

#include "UnitDatabaseConstants.h"
#include "unitLogToFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
const QString cstUnit = QStringLiteral("UnitSQLiteBackend");

// SQLite's primary result codes the library tells apart.
enum : int {
    SQLITE_BUSY = 5,
    SQLITE_LOCKED = 6,
    SQLITE_IOERR = 10,
    SQLITE_CORRUPT = 11,
    SQLITE_FULL = 13,
    SQLITE_CANTOPEN = 14,
    SQLITE_CONSTRAINT = 19,
    SQLITE_NOTADB = 26,
};

// The start time of a process in clock ticks since boot (field 22 of
// /proc/PID/stat), or -1 when there is no such process. Together with the pid
// it names a process even after the pid has been reused.
qint64 fniProcessStartTime(qint64 iPid) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(iPid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray baStat = file.readAll();
    const qsizetype iEnd = baStat.lastIndexOf(')'); // the command name may hold blanks
    if (iEnd < 0)
        return -1;
    const QList<QByteArray> arFields = baStat.mid(iEnd + 2).split(' ');
    constexpr int iStartTimeField = 22 - 3; // fields after the name begin with field 3
    return arFields.size() > iStartTimeField ? arFields[iStartTimeField].toLongLong() : -1;
}

const QString &fnstHostName() {
    static const QString stHost = [] {
        char achName[256] = {};
        return gethostname(achName, sizeof achName - 1) == 0 ? QString::fromLocal8Bit(achName)
                                                             : QString();
    }();
    return stHost;
}
} // namespace

TclsSQLiteBackend::TclsSQLiteBackend(const QString &stFile)
    : TclsDatabaseBackend(QStringLiteral("QSQLITE"),
                          {QStringLiteral("record_key INTEGER PRIMARY KEY AUTOINCREMENT"),
                           QStringLiteral("REAL"), QStringLiteral("TIMESTAMP"),
                           QStringLiteral("TIME")}),
      stDatabaseFile(stFile) {}

TclsSQLiteBackend::~TclsSQLiteBackend() {
    pClose();
}

int TclsSQLiteBackend::fniOpen() {
    // Opening a missing file would create an empty database; that is no
    // installation's database, so it counts as a failed connection.
    if (!QFileInfo(stDatabaseFile).isFile()) {
        pWriteLog(2, cstUnit, QStringLiteral("fniOpen"),
                  QStringLiteral("Database file not found: ") + stDatabaseFile);
        return dbc::iConnectionFailed;
    }
    QSqlDatabase db = fndbAddConnection();
    db.setDatabaseName(stDatabaseFile);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        pWriteLog(2, cstUnit, QStringLiteral("fniOpen"),
                  QStringLiteral("Database could not be opened: ") + db.lastError().text());
        return dbc::iConnectionFailed;
    }
    // The first read shows whether the file is a database at all.
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        pWriteLog(2, cstUnit, QStringLiteral("fniOpen"),
                  QStringLiteral("Database could not be read: ") + query.lastError().text());
        return dbc::iConnectionFailed;
    }
    // A write-ahead log commits with one sync instead of several and lets a
    // second workstation read while a save is under way; every commit is still
    // synced. A database that cannot switch (read-only media) keeps its journal.
    query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    // What a write replaces or deletes is overwritten with zeros, not left in
    // free space: an old password must not outlive its sealing.
    query.exec(QStringLiteral("PRAGMA secure_delete=ON"));
    return dbc::iSuccess;
}

int TclsSQLiteBackend::fniFlushReplaced() {
    QSqlQuery query(fndbConnection());
    return query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"))
               ? dbc::iSuccess
               : fniErrorCode(query.lastError());
}

void TclsSQLiteBackend::pClose() {
    for (auto &[stTable, iFd] : mapTableLocks)
        ::close(iFd);
    mapTableLocks.clear();
    pRemoveConnection();
}

int TclsSQLiteBackend::fniErrorCode(const QSqlError &error) const {
    // Qt's SQLite driver labels every failed statement a connection error, so
    // SQLite's own code decides; only a failure without one is the connection's.
    const QString stNative = error.nativeErrorCode();
    if (stNative.isEmpty())
        return error.type() == QSqlError::ConnectionError ? dbc::iConnectionFailed
                                                          : dbc::iOperationFailed;
    const QString stText = error.databaseText();
    if (stText.contains(QLatin1String("no such table")) ||
        stText.contains(QLatin1String("no such column")) ||
        stText.contains(QLatin1String("has no column")))
        return dbc::iConfigurationError;
    // The driver reports the extended result code; its low byte is the primary one.
    switch (stNative.toInt() & 0xff) {
    case SQLITE_CONSTRAINT:
        return dbc::iDuplicateRecord;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return dbc::iRecordLocked;
    case SQLITE_CANTOPEN:
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return dbc::iConnectionFailed;
    case SQLITE_IOERR:
    case SQLITE_FULL:
        return dbc::iStorageError;
    default:
        return dbc::iOperationFailed;
    }
}

int TclsSQLiteBackend::fniLockTable(const QString &stTableName) {
    const QString stKey = stTableName.toLower();
    if (mapTableLocks.count(stKey))
        return dbc::iSuccess;
    const QByteArray baLockFile =
        QFile::encodeName(stDatabaseFile + QLatin1Char('.') + stKey + QStringLiteral(".lock"));
    const int iFd = ::open(baLockFile.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (iFd < 0) {
        pWriteLog(2, cstUnit, QStringLiteral("fniLockTable"),
                  QStringLiteral("Lock file could not be opened: ") +
                      QFile::decodeName(baLockFile));
        return dbc::iOperationFailed;
    }
    if (::flock(iFd, LOCK_EX | LOCK_NB) != 0) {
        const int iError = errno;
        ::close(iFd);
        return iError == EWOULDBLOCK ? dbc::iRecordLocked : dbc::iOperationFailed;
    }
    mapTableLocks[stKey] = iFd;
    return dbc::iSuccess;
}

void TclsSQLiteBackend::pUnlockTable(const QString &stTableName) {
    const auto it = mapTableLocks.find(stTableName.toLower());
    if (it == mapTableLocks.end())
        return;
    ::close(it->second); // closing the only descriptor releases the flock
    mapTableLocks.erase(it);
}

bool TclsSQLiteBackend::fnbExec(const QString &stSQL, const QVariantList &vlBinds,
                                bool bLogFailure) {
    QSqlQuery query(fndbConnection());
    query.prepare(stSQL);
    for (const QVariant &v : vlBinds)
        query.addBindValue(v);
    if (query.exec())
        return true;
    if (bLogFailure)
        pWriteLog(2, cstUnit, QStringLiteral("fnbExec"),
                  stSQL + QStringLiteral(" : ") + query.lastError().text());
    return false;
}

int TclsSQLiteBackend::fniLockRecord(qint32 iRecordKey, const QString &stClassName) {
    if (!fnbExec(QStringLiteral("CREATE TABLE IF NOT EXISTS record_locks (class_name VARCHAR(50) "
                                "NOT NULL, record_key INTEGER NOT NULL, owner_host VARCHAR(255), "
                                "owner_pid INTEGER, owner_start INTEGER, "
                                "PRIMARY KEY (class_name, record_key))")))
        return dbc::iOperationFailed;
    // IMMEDIATE takes the database's write lock first, so two processes cannot
    // both find the row free.
    QSqlQuery begin(fndbConnection());
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fniErrorCode(begin.lastError());
    const int iCode = fniTakeRecordLock(iRecordKey, stClassName.toLower());
    fnbExec(iCode == dbc::iSuccess ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK"));
    return iCode;
}

int TclsSQLiteBackend::fniTakeRecordLock(qint32 iRecordKey, const QString &stClass) {
    const qint64 iPid = ::getpid();
    const qint64 iStart = fniProcessStartTime(iPid);
    QSqlQuery query(fndbConnection());
    query.prepare(QStringLiteral("SELECT owner_host, owner_pid, owner_start FROM record_locks "
                                 "WHERE class_name = ? AND record_key = ?"));
    query.addBindValue(stClass);
    query.addBindValue(iRecordKey);
    if (!query.exec())
        return fniErrorCode(query.lastError());
    if (query.next()) {
        const QString stHost = query.value(0).toString();
        const qint64 iOwnerPid = query.value(1).toLongLong();
        const qint64 iOwnerStart = query.value(2).toLongLong();
        const bool bMine = stHost == fnstHostName() && iOwnerPid == iPid && iOwnerStart == iStart;
        // An owner on another host cannot be checked and is taken as alive.
        const bool bOwnerGone =
            stHost == fnstHostName() && fniProcessStartTime(iOwnerPid) != iOwnerStart;
        if (!bMine && !bOwnerGone)
            return dbc::iRecordLocked;
    }
    return fnbExec(QStringLiteral("INSERT OR REPLACE INTO record_locks (class_name, record_key, "
                                  "owner_host, owner_pid, owner_start) VALUES (?, ?, ?, ?, ?)"),
                   {stClass, iRecordKey, fnstHostName(), iPid, iStart})
               ? dbc::iSuccess
               : dbc::iOperationFailed;
}

// Unlocking a row that was never locked (after a failed lock, or before any
// lock made the table) is no failure.
void TclsSQLiteBackend::pUnLockRecord(qint32 iRecordKey, const QString &stClassName) {
    fnbExec(QStringLiteral("DELETE FROM record_locks WHERE class_name = ? AND record_key = ? AND "
                           "owner_host = ? AND owner_pid = ?"),
            {stClassName.toLower(), iRecordKey, fnstHostName(), qint64(::getpid())}, false);
}
