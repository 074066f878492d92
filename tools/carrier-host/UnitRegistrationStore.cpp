// Registrations in SQLite through Qt SQL.
#include "UnitRegistrationStore.h"

#include "UnitAllocationRules.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace {
// Qt SQL connections belong to the thread that opened them and requests are
// served on a pool of threads, so every call opens its own short-lived one.
class TclsScopedConnection {
public:
    explicit TclsScopedConnection(const QString &stFile)
        : stName(QStringLiteral("carrierhost-%1").arg(++iConnections)) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), stName);
        db.setDatabaseName(stFile);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open())
            stError = QStringLiteral("cannot open %1: %2").arg(stFile, db.lastError().text());
    }
    ~TclsScopedConnection() {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(stName);
    }
    TclsScopedConnection(const TclsScopedConnection &) = delete;
    TclsScopedConnection &operator=(const TclsScopedConnection &) = delete;

    bool fnbOk() const { return stError.isEmpty(); }
    const QString &fnstError() const { return stError; }

    // Runs one statement with its values bound; false with the error noted.
    bool fnbExec(QSqlQuery &query, const QString &stSQL, const QVariantList &vlBinds = {}) {
        query = QSqlQuery(db);
        bool bOk = query.prepare(stSQL);
        for (const QVariant &v : vlBinds)
            query.addBindValue(v);
        bOk = bOk && query.exec();
        if (!bOk)
            stError = query.lastError().text();
        return bOk;
    }
    bool fnbExec(const QString &stSQL, const QVariantList &vlBinds = {}) {
        QSqlQuery query;
        return fnbExec(query, stSQL, vlBinds);
    }

private:
    static inline std::atomic<int> iConnections{0};
    QString stName;
    QSqlDatabase db;
    QString stError;
};

const QString stCreateTable = QStringLiteral("CREATE TABLE IF NOT EXISTS registrations ("
                                             " sequence INTEGER PRIMARY KEY,"
                                             " site_id TEXT NOT NULL UNIQUE,"
                                             " company TEXT NOT NULL,"
                                             " shp_low INTEGER, shp_high INTEGER,"
                                             " lp_low INTEGER, lp_high INTEGER,"
                                             " requested_at TEXT NOT NULL)");

struct TrecHighWater {
    qint64 iSequence = 0;
    qint64 iShipmentHigh = 0;
    qint64 iLPHigh = 0;
};

std::optional<TrecNumberRange> fnrecNextRange(qint64 iQuantity, qint64 iHighWater, qint64 iFirst,
                                              qint64 iLast) {
    if (iQuantity <= 0)
        return std::nullopt;
    const qint64 iLow = std::max(iHighWater + 1, iFirst);
    if (iLast - iLow + 1 < iQuantity)
        return std::nullopt;
    return TrecNumberRange{iLow, iLow + iQuantity - 1};
}

QVariant fnvBound(const std::optional<TrecNumberRange> &rec, bool bLow) {
    if (!rec)
        return QVariant(QMetaType::fromType<qint64>());
    return bLow ? rec->iLow : rec->iHigh;
}

std::optional<TrecHighWater> fnrecHighWater(TclsScopedConnection &conn) {
    QSqlQuery query;
    if (!conn.fnbExec(query, QStringLiteral("SELECT COALESCE(MAX(sequence), 0),"
                                            " COALESCE(MAX(shp_high), 0),"
                                            " COALESCE(MAX(lp_high), 0) FROM registrations")) ||
        !query.next())
        return std::nullopt;
    return TrecHighWater{query.value(0).toLongLong(), query.value(1).toLongLong(),
                         query.value(2).toLongLong()};
}

bool fnbInsert(TclsScopedConnection &conn, const TrecRegistrationRequest &recRequest,
               qint64 iSequence, const TrecRegistration &rec) {
    return conn.fnbExec(
        QStringLiteral("INSERT INTO registrations (sequence, site_id, company, shp_low, shp_high,"
                       " lp_low, lp_high, requested_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
        {iSequence, rec.stSiteId, recRequest.stCompany, fnvBound(rec.recShipments, true),
         fnvBound(rec.recShipments, false), fnvBound(rec.recLPs, true), fnvBound(rec.recLPs, false),
         recRequest.dtRequested.toString(Qt::ISODate)});
}
} // namespace

bool TclsRegistrationStore::fnbOpen(QString &stError) {
    TclsScopedConnection conn(stFile);
    if (!conn.fnbOk() || !conn.fnbExec(stCreateTable)) {
        stError = conn.fnstError();
        return false;
    }
    return true;
}

std::optional<TrecRegistration>
TclsRegistrationStore::fnrecRegister(const TrecRegistrationRequest &recRequest, QString &stError) {
    std::lock_guard lock(mtxAllocation);
    TclsScopedConnection conn(stFile);
    // IMMEDIATE takes the write lock before reading the high-water marks, so
    // another process cannot hand out the same numbers in between.
    if (!conn.fnbOk() || !conn.fnbExec(QStringLiteral("BEGIN IMMEDIATE"))) {
        stError = conn.fnstError();
        return std::nullopt;
    }
    const auto recHigh = fnrecHighWater(conn);
    const qint64 iSequence = recHigh ? std::max(recHigh->iSequence + 1, iFirstSiteSequence) : 0;
    if (!recHigh || iSequence > iLastSiteSequence) {
        stError = recHigh ? QStringLiteral("no site numbers left") : conn.fnstError();
        conn.fnbExec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    }
    TrecRegistration rec;
    rec.stSiteId = fnstSiteId(recRequest.stSitePrefix, iSequence);
    rec.recShipments = fnrecNextRange(recRequest.iShipments, recHigh->iShipmentHigh,
                                      iFirstShipmentNumber, iLastShipmentNumber);
    rec.recLPs = fnrecNextRange(recRequest.iLPs, recHigh->iLPHigh, iFirstLPNumber, iLastLPNumber);
    if (!fnbInsert(conn, recRequest, iSequence, rec) || !conn.fnbExec(QStringLiteral("COMMIT"))) {
        stError = conn.fnstError();
        conn.fnbExec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    }
    return rec;
}

qint64 TclsRegistrationStore::fniRegistrationCount() {
    TclsScopedConnection conn(stFile);
    QSqlQuery query;
    if (!conn.fnbOk() ||
        !conn.fnbExec(query, QStringLiteral("SELECT COUNT(*) FROM registrations")) || !query.next())
        return -1;
    return query.value(0).toLongLong();
}
