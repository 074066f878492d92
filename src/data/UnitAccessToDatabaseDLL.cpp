// The database library: SQL generation from the record classes' descriptions,
// the connection, and the combined writes of the sender and communication pages.
#include "UnitAccessToDatabaseDLL.h"

#include "UnitDatabaseBackend.h"
#include "UnitDatabaseConstants.h"
#include "unitHaltPoints.h"
#include "unitLogToFile.h"
#include "UnitMV5Records.h"
#include "UnitRecordSQL.h"
#include "UnitSecretKey.h"
#include "UnitTableMap.h"

#include <QSqlQuery>

#include <cstdlib>
#include <functional>

namespace {
const QString cstUnit = QStringLiteral("UnitAccessToDatabaseDLL");

std::unique_ptr<TclsDatabaseBackend> gobjBackend;

int fniFail(const QString &stMethod, const QString &stSQL, const QSqlError &error) {
    const int iCode = gobjBackend->fniErrorCode(error);
    pWriteLog(2, cstUnit, stMethod,
              QStringLiteral("%1 failed (code %2): %3").arg(stSQL).arg(iCode).arg(error.text()));
    return iCode;
}

// Prepares, binds and runs one statement on the library's connection.
int fniRun(QSqlQuery &query, const QString &stMethod, const QString &stSQL,
           const QVariantList &vlBinds) {
    if (!query.prepare(stSQL))
        return fniFail(stMethod, stSQL, query.lastError());
    for (const QVariant &v : vlBinds)
        query.addBindValue(v);
    if (!query.exec())
        return fniFail(stMethod, stSQL, query.lastError());
    return dbc::iSuccess;
}

// A criterion's value as the caller wrote it for SQL: a quoted text loses its
// quotes (and doubled inner quotes become single) before it is bound.
QVariant fnvUnquote(const QVariant &vValue) {
    if (vValue.typeId() != QMetaType::QString)
        return vValue;
    const QString st = vValue.toString();
    if (st.size() >= 2 && st.startsWith(QLatin1Char('\'')) && st.endsWith(QLatin1Char('\'')))
        return st.mid(1, st.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    return st;
}

const TrecTableMapEntry *fnpEntryOf(TclsMVData &objRecord) {
    return fnpTableMapEntry(objRecord.fnstClassName());
}

QString fnstColumnList(const std::vector<TrecColumnInfo> &arColumns, const QString &stSuffix) {
    QStringList sl;
    for (const auto &rec : arColumns)
        sl << rec.stName + stSuffix;
    return sl.join(QStringLiteral(", "));
}

int fniInsertOne(TclsMVData &objRecord) {
    const TrecTableMapEntry *pEntry = fnpEntryOf(objRecord);
    if (!pEntry)
        return dbc::iConfigurationError;
    const auto arColumns = fnarColumnsOf(objRecord);
    QStringList slMarks;
    for (size_t i = 0; i < arColumns.size(); ++i)
        slMarks << QStringLiteral("?");
    const QString stSQL = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(QLatin1String(pEntry->pchTableName),
                                   fnstColumnList(arColumns, QString()), slMarks.join(u',')) +
                          gobjBackend->fnstReturningKey();
    QSqlQuery query(gobjBackend->fndbConnection());
    const int iCode = fniRun(query, QStringLiteral("fniInsertRecord"), stSQL,
                             fnvlBindValuesOf(objRecord, QLatin1String(pEntry->pchTableName)));
    if (iCode == dbc::iSuccess)
        objRecord.record_key = query.isSelect() && query.next() ? query.value(0).toInt()
                                                                : query.lastInsertId().toInt();
    return iCode;
}

int fniUpdateOne(TclsMVData &objRecord) {
    const TrecTableMapEntry *pEntry = fnpEntryOf(objRecord);
    if (!pEntry)
        return dbc::iConfigurationError;
    const auto arColumns = fnarColumnsOf(objRecord);
    const QString stSQL = QStringLiteral("UPDATE %1 SET %2 WHERE record_key = ?")
                              .arg(QLatin1String(pEntry->pchTableName),
                                   fnstColumnList(arColumns, QStringLiteral(" = ?")));
    QVariantList vlBinds = fnvlBindValuesOf(objRecord, QLatin1String(pEntry->pchTableName));
    vlBinds << objRecord.record_key;
    QSqlQuery query(gobjBackend->fndbConnection());
    const int iCode = fniRun(query, QStringLiteral("fniUpdateRecord"), stSQL, vlBinds);
    if (iCode == dbc::iSuccess && query.numRowsAffected() == 0)
        return dbc::iRecordDeleted; // someone removed the row since it was read
    return iCode;
}

int fniStore(TclsMVData &objRecord, int iStatus) {
    return iStatus == dbc::iStatusInsert ? fniInsertOne(objRecord) : fniUpdateOne(objRecord);
}

// Runs the writes in one transaction: all of them are stored, or none.
int fniAllOrNone(const QString &stMethod, const std::function<int()> &fnWrites) {
    QSqlDatabase db = gobjBackend->fndbConnection();
    if (!db.transaction())
        return fniFail(stMethod, QStringLiteral("BEGIN"), db.lastError());
    const int iCode = fnWrites();
    if (iCode != dbc::iSuccess) {
        db.rollback();
        return iCode;
    }
    if (!db.commit())
        return fniFail(stMethod, QStringLiteral("COMMIT"), db.lastError());
    pHaltPoint((QStringLiteral("committed ") + stMethod).toUtf8().constData());
    return dbc::iSuccess;
}

int fniStatusAt(const TiarFields &iarStatus, size_t i) {
    return i < iarStatus.size() ? iarStatus[i] : dbc::iStatusUpdate;
}
} // namespace

int fniConnectDatabase(const TrecDatabaseSettings &recSettings) {
    pDisconnectDatabase();
    auto objBackend = fnobjCreateBackend(recSettings);
    if (!objBackend) {
        pWriteLog(2, cstUnit, QStringLiteral("fniConnectDatabase"),
                  QStringLiteral("Unknown database driver: ") + recSettings.stDriver);
        return dbc::iConnectionFailed;
    }
    int iCode = objBackend->fniOpen();
    if (iCode != dbc::iSuccess)
        return iCode;
    // The connection is handed out only with the key that opens its secrets.
    if (recSettings.bInstallation) {
        iCode = fniPrepareSecretColumns(*objBackend, fnstKeyFileOf(recSettings));
        if (iCode != dbc::iSuccess)
            return iCode;
    }
    gobjBackend = std::move(objBackend);
    // Qt SQL's list of connections is destroyed at exit in the reverse order of
    // creation; a handler registered after it exists closes the connection first.
    static const bool bCloseAtExit = [] { return std::atexit(pDisconnectDatabase) == 0; }();
    Q_UNUSED(bCloseAtExit);
    return iCode;
}

void pDisconnectDatabase() {
    gobjBackend.reset();
}

TclsDatabaseBackend *fnpBackend(int *piCode) {
    int iCode = dbc::iSuccess;
    if (!gobjBackend)
        iCode = fniConnectDatabase(fnrecInstallationDatabaseSettings());
    if (piCode)
        *piCode = iCode;
    return gobjBackend.get();
}

QString fnstQuoted(const QString &st) {
    return QLatin1Char('\'') + QString(st).replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
}

int fniQueryRecords(const TrecarFields &arCriteria, TobjarMVData &objarResult,
                    const QString &stClassName) {
    objarResult.clear();
    int iCode = dbc::iSuccess;
    if (!fnpBackend(&iCode))
        return iCode;
    const TrecTableMapEntry *pEntry = fnpTableMapEntry(stClassName);
    if (!pEntry) {
        pWriteLog(2, cstUnit, QStringLiteral("fniQueryRecords"),
                  QStringLiteral("Unknown record class ") + stClassName);
        return dbc::iConfigurationError;
    }
    const auto objPrototype = pEntry->pfnCreate();
    const auto arColumns = fnarColumnsOf(*objPrototype);
    QStringList slWhere;
    QVariantList vlBinds;
    for (const auto &rec : arCriteria) {
        if (rec.stFieldName.trimmed().isEmpty())
            continue; // one empty pair selects every row
        const TrecColumnInfo *pColumn = fnpFindColumn(arColumns, rec.stFieldName.trimmed());
        if (!pColumn) {
            pWriteLog(2, cstUnit, QStringLiteral("fniQueryRecords"),
                      QStringLiteral("Unknown field %1 of %2").arg(rec.stFieldName, stClassName));
            return dbc::iConfigurationError;
        }
        slWhere << pColumn->stName + QStringLiteral(" = ?");
        vlBinds << fnvBindValue(pColumn->eKind, fnvUnquote(rec.vValue));
    }
    QString stSQL =
        QStringLiteral("SELECT record_key, %1 FROM %2")
            .arg(fnstColumnList(arColumns, QString()), QLatin1String(pEntry->pchTableName));
    if (!slWhere.isEmpty())
        stSQL += QStringLiteral(" WHERE ") + slWhere.join(QStringLiteral(" AND "));
    stSQL += QStringLiteral(" ORDER BY record_key");
    QSqlQuery query(gobjBackend->fndbConnection());
    query.setForwardOnly(true);
    iCode = fniRun(query, QStringLiteral("fniQueryRecords"), stSQL, vlBinds);
    if (iCode != dbc::iSuccess)
        return iCode;
    while (query.next()) {
        auto objRecord = pEntry->pfnCreate();
        if (const QStringList slUnopened =
                fnslReadRow(*objRecord, query, QLatin1String(pEntry->pchTableName));
            !slUnopened.isEmpty()) {
            pWriteLog(3, cstUnit, QStringLiteral("fniQueryRecords"),
                      QStringLiteral("%1 of row %2 does not open with the key file %3")
                          .arg(slUnopened.join(QStringLiteral(", ")))
                          .arg(objRecord->record_key)
                          .arg(fnstSecretKeyFile()));
            objarResult.clear();
            return dbc::iSecretKeyUnusable;
        }
        objarResult.push_back(std::move(objRecord));
    }
    return dbc::iSuccess;
}

int fniInsertRecord(TobjarMVData &objarRecords) {
    int iCode = dbc::iSuccess;
    if (!fnpBackend(&iCode))
        return iCode;
    return fniAllOrNone(QStringLiteral("fniInsertRecord"), [&] {
        for (auto &objRecord : objarRecords)
            if (objRecord)
                if (const int i = fniInsertOne(*objRecord); i != dbc::iSuccess)
                    return i;
        return dbc::iSuccess;
    });
}

int fniUpdateRecordsWhole(const std::vector<TclsMVData *> &arRecords) {
    int iCode = dbc::iSuccess;
    if (!fnpBackend(&iCode))
        return iCode;
    iCode = fniAllOrNone(QStringLiteral("fniUpdateRecordsWhole"), [&] {
        for (TclsMVData *pRecord : arRecords) {
            if (const int i = fniUpdateOne(*pRecord); i != dbc::iSuccess)
                return i;
            if (const TrecTableMapEntry *pEntry = fnpEntryOf(*pRecord))
                pHaltPoint((QByteArrayLiteral("after ") + pEntry->pchTableName).constData());
        }
        return dbc::iSuccess;
    });
    if (iCode == dbc::iSuccess)
        pHaltPoint("after commit");
    return iCode;
}

int fniUpdateRecord(TclsMVData &objRecord) {
    int iCode = dbc::iSuccess;
    if (!fnpBackend(&iCode))
        return iCode;
    return fniUpdateOne(objRecord);
}

int fniLockRecord(qint32 iRecordKey, const QString &stClassName) {
    int iCode = dbc::iSuccess;
    TclsDatabaseBackend *pBackend = fnpBackend(&iCode);
    return pBackend ? pBackend->fniLockRecord(iRecordKey, stClassName) : iCode;
}

int fniUnLockRecord(qint32 iRecordKey, const QString &stClassName) {
    if (gobjBackend)
        gobjBackend->pUnLockRecord(iRecordKey, stClassName);
    return dbc::iSuccess;
}

int fniLockTable(const QString &stTableName, int /*iFlag: always 0, an exclusive lock*/) {
    int iCode = dbc::iSuccess;
    TclsDatabaseBackend *pBackend = fnpBackend(&iCode);
    return pBackend ? pBackend->fniLockTable(stTableName) : iCode;
}

int fniUnlockTable(const QString &stTableName) {
    if (gobjBackend)
        gobjBackend->pUnlockTable(stTableName);
    return dbc::iSuccess;
}

int fniRecordCount(const QString &stSQL, qint64 &iCount) {
    iCount = 0;
    int iCode = dbc::iSuccess;
    if (!fnpBackend(&iCode))
        return iCode;
    QSqlQuery query(gobjBackend->fndbConnection());
    iCode = fniRun(query, QStringLiteral("fniRecordCount"), gobjBackend->fnstAdaptSQL(stSQL), {});
    if (iCode == dbc::iSuccess && query.next())
        iCount = query.value(0).toLongLong();
    return iCode;
}

QSqlDatabase fncnGetSQLConnection() {
    TclsDatabaseBackend *pBackend = fnpBackend();
    return pBackend ? pBackend->fndbConnection() : QSqlDatabase();
}

void pRollBackTran(const QString &stTransactionName) {
    // Every write of the library commits or rolls back before it returns, so no
    // transaction is left pending; a rollback is harmless when none is open.
    if (gobjBackend) {
        pWriteLog(0, cstUnit, QStringLiteral("pRollBackTran"), stTransactionName);
        gobjBackend->fndbConnection().rollback();
    }
}

int fniRWSenderInfoDB(TclsSendersData &objSender, TclsCustomerInfoData &objCustomerInfo,
                      TclsUsersData &objUser, TclsConfigMorvaneData &objConfigMorvane,
                      const TiarFields &iarStatus) {
    int iCode = dbc::iSuccess;
    if (!fnpBackend(&iCode))
        return iCode;
    TclsMVData *arRecords[] = {&objSender, &objCustomerInfo, &objUser, &objConfigMorvane};
    return fniAllOrNone(QStringLiteral("fniRWSenderInfoDB"), [&] {
        for (size_t i = 0; i < std::size(arRecords); ++i)
            if (const int iStore = fniStore(*arRecords[i], fniStatusAt(iarStatus, i));
                iStore != dbc::iSuccess)
                return iStore;
        return dbc::iSuccess;
    });
}

int fniRWCommSettingDB(TobjarMVData &objarServices, TclsConfigZorvData *pobjConfigZorv,
                       TclsConfigMorvaneData *pobjConfigMorvane, const TiarFields &iarStatus,
                       int iServiceCount) {
    int iCode = dbc::iSuccess;
    if (!fnpBackend(&iCode))
        return iCode;
    return fniAllOrNone(QStringLiteral("fniRWCommSettingDB"), [&] {
        const size_t iCount = std::min(objarServices.size(), size_t(std::max(iServiceCount, 0)));
        for (size_t i = 0; i < iCount; ++i)
            if (objarServices[i])
                if (const int iStore = fniStore(*objarServices[i], fniStatusAt(iarStatus, i));
                    iStore != dbc::iSuccess)
                    return iStore;
        for (TclsMVData *pRecord : {static_cast<TclsMVData *>(pobjConfigZorv),
                                    static_cast<TclsMVData *>(pobjConfigMorvane)})
            if (pRecord)
                if (const int iStore = fniUpdateOne(*pRecord); iStore != dbc::iSuccess)
                    return iStore;
        return dbc::iSuccess;
    });
}

int fniUpdateSenderRecord(TclsSendersData &objSender, TobjarMVData &objarDestinationBilling) {
    int iCode = dbc::iSuccess;
    if (!fnpBackend(&iCode))
        return iCode;
    return fniAllOrNone(QStringLiteral("fniUpdateSenderRecord"), [&] {
        const int iStore = objSender.record_key ? fniUpdateOne(objSender) : fniInsertOne(objSender);
        if (iStore != dbc::iSuccess)
            return iStore;
        QSqlQuery query(gobjBackend->fndbConnection());
        if (const int i =
                fniRun(query, QStringLiteral("fniUpdateSenderRecord"),
                       QStringLiteral("DELETE FROM destination_billing WHERE sender_cd = ?"),
                       {objSender.sender_cd.left(30)});
            i != dbc::iSuccess)
            return i;
        for (auto &objRow : objarDestinationBilling) {
            auto *pRow = dynamic_cast<TclsDestinationBillingData *>(objRow.get());
            if (!pRow)
                continue;
            pRow->sender_cd = objSender.sender_cd;
            if (const int i = fniInsertOne(*pRow); i != dbc::iSuccess)
                return i;
        }
        return dbc::iSuccess;
    });
}
