// Checking and converting the secret columns when the library connects.
#include "UnitSecretColumns.h"

#include "UnitDatabaseBackend.h"
#include "UnitDatabaseConstants.h"
#include "unitLogToFile.h"
#include "UnitRecordSQL.h"
#include "UnitSecretKey.h"
#include "UnitTableMap.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace {
const QString cstUnit = QStringLiteral("UnitSecretColumns");
const QString cstMethod = QStringLiteral("fniPrepareSecretColumns");

struct TrecPlainValue {
    const TrecSecretColumn *pColumn;
    qint32 iRecordKey;
    QString stPlain;
};

int fniRefuse(const QString &stWhy) {
    pWriteLog(3, cstUnit, cstMethod, QStringLiteral("Stored passwords cannot be used: ") + stWhy);
    return dbc::iSecretKeyUnusable;
}

// Reads every stored secret; a sealed one must open with the key held (when
// there is one), a plain one is collected for sealing. A table not there yet
// (a database being made) holds none.
int fniReadSecrets(QSqlDatabase db, const QString &stKeyFile, bool &bAnySealed,
                   std::vector<TrecPlainValue> &arPlain) {
    for (const TrecSecretColumn &rec : fnarSecretColumns()) {
        QSqlQuery query(db);
        if (!query.exec(
                QStringLiteral("SELECT record_key, %1 FROM %2").arg(rec.stColumn, rec.stTable)))
            continue;
        while (query.next()) {
            const QString stStored = query.value(1).toString();
            if (stStored.isEmpty())
                continue;
            if (!fnbSealed(stStored)) {
                arPlain.push_back({&rec, query.value(0).toInt(), stStored});
                continue;
            }
            bAnySealed = true;
            if (fnbSecretKeyHeld() && !fnoOpenSecret(rec.stTable, rec.stColumn, stStored))
                return fniRefuse(
                    QStringLiteral("%1.%2 of row %3 does not open with the key file %4")
                        .arg(rec.stTable, rec.stColumn)
                        .arg(query.value(0).toInt())
                        .arg(stKeyFile));
        }
    }
    return dbc::iSuccess;
}

// Seals the plain values in one transaction: all of them, or none.
int fniSealPlainValues(TclsDatabaseBackend &objBackend, const std::vector<TrecPlainValue> &arPlain,
                       const QString &stKeyFile) {
    QSqlDatabase db = objBackend.fndbConnection();
    if (!db.transaction())
        return fniRefuse(QStringLiteral("cannot begin sealing: ") + db.lastError().text());
    for (const TrecPlainValue &rec : arPlain) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("UPDATE %1 SET %2 = ? WHERE record_key = ?")
                          .arg(rec.pColumn->stTable, rec.pColumn->stColumn));
        query.addBindValue(
            fnstSealSecret(rec.pColumn->stTable, rec.pColumn->stColumn, rec.stPlain));
        query.addBindValue(rec.iRecordKey);
        if (!query.exec()) {
            const QString stError = query.lastError().text();
            db.rollback();
            return fniRefuse(QStringLiteral("sealing %1.%2 failed: %3")
                                 .arg(rec.pColumn->stTable, rec.pColumn->stColumn, stError));
        }
    }
    if (!db.commit())
        return fniRefuse(QStringLiteral("sealing could not be committed: ") +
                         db.lastError().text());
    // The plain values are gone from the database's files too.
    objBackend.fniFlushReplaced();
    pWriteLog(1, cstUnit, cstMethod,
              QStringLiteral("%1 stored passwords were sealed with the key file %2.")
                  .arg(arPlain.size())
                  .arg(stKeyFile));
    return dbc::iSuccess;
}
} // namespace

const std::vector<TrecSecretColumn> &fnarSecretColumns() {
    static const std::vector<TrecSecretColumn> ar = [] {
        std::vector<TrecSecretColumn> arColumns;
        for (const TrecTableMapEntry &rec : fnarTableMap()) {
            const auto objPrototype = rec.pfnCreate();
            for (const TrecColumnInfo &recColumn : fnarColumnsOf(*objPrototype))
                if (recColumn.uFlags & cfSecret)
                    arColumns.push_back({QLatin1String(rec.pchTableName), recColumn.stName});
        }
        return arColumns;
    }();
    return ar;
}

int fniPrepareSecretColumns(TclsDatabaseBackend &objBackend, const QString &stKeyFile) {
    pForgetSecretKey(stKeyFile);
    QString stWhy;
    if (QFileInfo::exists(stKeyFile) && !fnbLoadSecretKey(stKeyFile, stWhy))
        return fniRefuse(stWhy);
    bool bAnySealed = false;
    std::vector<TrecPlainValue> arPlain;
    if (const int iCode =
            fniReadSecrets(objBackend.fndbConnection(), stKeyFile, bAnySealed, arPlain);
        iCode != dbc::iSuccess)
        return iCode;
    if (!fnbSecretKeyHeld()) {
        // A key made now could not open what another key sealed.
        if (bAnySealed)
            return fniRefuse(QStringLiteral("the key file %1 is missing").arg(stKeyFile));
        if (!fnbCreateSecretKey(stKeyFile, stWhy))
            return fniRefuse(stWhy);
        pWriteLog(
            1, cstUnit, cstMethod,
            QStringLiteral("The key file %1 was created for the stored passwords.").arg(stKeyFile));
    }
    if (const int iCode = objBackend.fniWidenSecretColumns(fnarSecretColumns()); iCode != 0)
        return fniRefuse(QStringLiteral("the password columns could not be widened"));
    return arPlain.empty() ? dbc::iSuccess : fniSealPlainValues(objBackend, arPlain, stKeyFile);
}
