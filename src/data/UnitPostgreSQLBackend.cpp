// PostgreSQL backend of the database library.
#include "UnitPostgreSQLBackend.h"

#include "UnitDatabaseConstants.h"
#include "UnitDatabaseSettings.h"
#include "unitLogToFile.h"

#include <QSqlQuery>

namespace {
const QString cstUnit = QStringLiteral("UnitPostgreSQLBackend");

// FNV-1a: fixed by its definition, unlike qHash, so every workstation and
// every version of the program agrees on the keys.
quint64 fnuFnv1a64(const QString &st) {
    quint64 u = 14695981039346656037ull;
    for (const char ch : st.toLower().toUtf8()) {
        u ^= static_cast<unsigned char>(ch);
        u *= 1099511628211ull;
    }
    return u;
}

// A value for libpq's connection string: quoted, with quotes and backslashes escaped.
QString fnstConnInfoValue(const QString &st) {
    QString stEscaped = st;
    stEscaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    stEscaped.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + stEscaped + QLatin1Char('\'');
}

// The server's SQLSTATE classes and codes the library tells apart.
bool fnbClass(const QString &stState, const char *pchClass) {
    return stState.startsWith(QLatin1String(pchClass));
}
} // namespace

qint32 fniAdvisoryClassKey(const QString &stClassName) {
    return static_cast<qint32>(static_cast<quint32>(fnuFnv1a64(stClassName)));
}

qint64 fniAdvisoryTableKey(const QString &stTableName) {
    // The one-number lock keys are a space of their own, apart from the
    // two-number keys of the row locks.
    return static_cast<qint64>(fnuFnv1a64(QStringLiteral("table:") + stTableName));
}

TclsPostgreSQLBackend::TclsPostgreSQLBackend(const TrecDatabaseSettings &rec)
    : TclsDatabaseBackend(QStringLiteral("QPSQL"),
                          {QStringLiteral("record_key SERIAL PRIMARY KEY"),
                           QStringLiteral("DOUBLE PRECISION"), QStringLiteral("TIMESTAMP(0)"),
                           QStringLiteral("TIME(0)")}),
      stHost(rec.stHost), iPort(rec.iPort), stName(rec.stName), stUser(rec.stUser),
      stPasswordFile(rec.stPasswordFile), stSslMode(rec.stSslMode),
      stSslRootCert(rec.stSslRootCert) {}

// A column made before secrets were sealed is VARCHAR of the plain width.
int TclsPostgreSQLBackend::fniWidenSecretColumns(const std::vector<TrecSecretColumn> &arColumns) {
    for (const TrecSecretColumn &rec : arColumns) {
        QSqlQuery query(fndbConnection());
        query.prepare(QStringLiteral("SELECT data_type FROM information_schema.columns WHERE "
                                     "table_schema = current_schema() AND table_name = ? AND "
                                     "column_name = ?"));
        query.addBindValue(rec.stTable.toLower());
        query.addBindValue(rec.stColumn.toLower());
        if (!query.exec())
            return fniErrorCode(query.lastError());
        if (!query.next() || query.value(0).toString() == QLatin1String("text"))
            continue;
        QSqlQuery alter(fndbConnection());
        if (!alter.exec(QStringLiteral("ALTER TABLE %1 ALTER COLUMN %2 TYPE TEXT")
                            .arg(rec.stTable, rec.stColumn)))
            return fniErrorCode(alter.lastError());
        pWriteLog(
            1, cstUnit, QStringLiteral("fniWidenSecretColumns"),
            QStringLiteral("%1.%2 now holds sealed passwords.").arg(rec.stTable, rec.stColumn));
    }
    return dbc::iSuccess;
}

TclsPostgreSQLBackend::~TclsPostgreSQLBackend() {
    pClose();
}

int TclsPostgreSQLBackend::fniOpen() {
    QSqlDatabase db = fndbAddConnection();
    if (!db.isValid()) {
        pWriteLog(2, cstUnit, QStringLiteral("fniOpen"),
                  QStringLiteral("The PostgreSQL driver of Qt SQL is not installed"));
        return dbc::iConnectionFailed;
    }
    db.setHostName(stHost);
    if (iPort > 0)
        db.setPort(iPort);
    db.setDatabaseName(stName);
    db.setUserName(stUser);
    // A server that does not answer is reported after a few seconds, not after
    // the operating system's TCP time-out.
    QStringList slOptions{QStringLiteral("connect_timeout=10"),
                          QStringLiteral("application_name=Morvane")};
    const std::pair<const char *, QString> arOptional[] = {
        {"passfile", stPasswordFile}, {"sslmode", stSslMode}, {"sslrootcert", stSslRootCert}};
    for (const auto &[pchKey, stValue] : arOptional)
        if (!stValue.isEmpty())
            slOptions << QLatin1String(pchKey) + QLatin1Char('=') + fnstConnInfoValue(stValue);
    db.setConnectOptions(slOptions.join(QLatin1Char(';')));
    if (!db.open()) {
        // libpq's text names the host and the reason, never a password.
        pWriteLog(2, cstUnit, QStringLiteral("fniOpen"),
                  QStringLiteral("Database could not be opened: ") + db.lastError().text());
        return dbc::iConnectionFailed;
    }
    return dbc::iSuccess;
}

void TclsPostgreSQLBackend::pClose() {
    // Ending the session releases every advisory lock it holds.
    setTableLocks.clear();
    setRecordLocks.clear();
    pRemoveConnection();
}

QString TclsPostgreSQLBackend::fnstReturningKey() const {
    return QStringLiteral(" RETURNING record_key");
}

int TclsPostgreSQLBackend::fniErrorCode(const QSqlError &error) const {
    const QString stState = error.nativeErrorCode();
    // No SQLSTATE at all: libpq lost the connection before the server answered.
    if (stState.isEmpty())
        return dbc::iNetworkError;
    if (stState == QLatin1String("42P01") || stState == QLatin1String("42703"))
        return dbc::iConfigurationError; // undefined table, undefined column
    if (fnbClass(stState, "23"))
        return dbc::iDuplicateRecord; // integrity constraint
    if (stState == QLatin1String("55P03") || stState == QLatin1String("40P01") ||
        stState == QLatin1String("40001"))
        return dbc::iRecordLocked; // lock not available, deadlock, serialization
    // The server's disk full, or its input/output failing.
    if (stState == QLatin1String("53100") || stState == QLatin1String("58030"))
        return dbc::iStorageError;
    // Connection exceptions, the server shutting down, its other resources
    // running out and its other system errors.
    if (fnbClass(stState, "08") || fnbClass(stState, "57P") || fnbClass(stState, "53") ||
        fnbClass(stState, "58"))
        return dbc::iNetworkError;
    return dbc::iOperationFailed;
}

int TclsPostgreSQLBackend::fniAdvisory(const QString &stSQL, const QVariantList &vlKeys) {
    QSqlQuery query(fndbConnection());
    query.prepare(stSQL);
    for (const QVariant &v : vlKeys)
        query.addBindValue(v);
    if (!query.exec() || !query.next()) {
        const int iCode = fniErrorCode(query.lastError());
        pWriteLog(2, cstUnit, QStringLiteral("fniAdvisory"),
                  QStringLiteral("%1 failed (code %2): %3")
                      .arg(stSQL)
                      .arg(iCode)
                      .arg(query.lastError().text()));
        return iCode;
    }
    return query.value(0).toBool() ? dbc::iSuccess : dbc::iRecordLocked;
}

int TclsPostgreSQLBackend::fniLockTable(const QString &stTableName) {
    const qint64 iKey = fniAdvisoryTableKey(stTableName);
    // The server counts a session's locks of one key; the library's lock is
    // taken once however often the holder asks, and released by one unlock.
    if (setTableLocks.count(iKey))
        return dbc::iSuccess;
    const int iCode = fniAdvisory(QStringLiteral("SELECT pg_try_advisory_lock(?)"), {iKey});
    if (iCode == dbc::iSuccess)
        setTableLocks.insert(iKey);
    return iCode;
}

void TclsPostgreSQLBackend::pUnlockTable(const QString &stTableName) {
    const qint64 iKey = fniAdvisoryTableKey(stTableName);
    if (setTableLocks.erase(iKey))
        fniAdvisory(QStringLiteral("SELECT pg_advisory_unlock(?)"), {iKey});
}

int TclsPostgreSQLBackend::fniLockRecord(qint32 iRecordKey, const QString &stClassName) {
    const std::pair<qint32, qint32> recKey{fniAdvisoryClassKey(stClassName), iRecordKey};
    if (setRecordLocks.count(recKey))
        return dbc::iSuccess;
    const int iCode = fniAdvisory(QStringLiteral("SELECT pg_try_advisory_lock(?, ?)"),
                                  {recKey.first, recKey.second});
    if (iCode == dbc::iSuccess)
        setRecordLocks.insert(recKey);
    return iCode;
}

void TclsPostgreSQLBackend::pUnLockRecord(qint32 iRecordKey, const QString &stClassName) {
    const std::pair<qint32, qint32> recKey{fniAdvisoryClassKey(stClassName), iRecordKey};
    if (setRecordLocks.erase(recKey))
        fniAdvisory(QStringLiteral("SELECT pg_advisory_unlock(?, ?)"),
                    {recKey.first, recKey.second});
}
