// Creating and removing an installation's database on a PostgreSQL server.
#include "UnitServerDatabase.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitTableMap.h"

#include <QRegularExpression>

namespace {
// A database name cannot be bound as a value; only plain names are accepted
// and then quoted.
bool fnbPlainName(const QString &stName) {
    static const QRegularExpression reName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]{0,62}$"));
    return reName.match(stName).hasMatch();
}

bool fnbOnServer(const TrecDatabaseSettings &rec, const QString &stStatement, QString &stError) {
    if (!fnbPlainName(rec.stName)) {
        stError = QStringLiteral("not a plain database name: %1").arg(rec.stName);
        return false;
    }
    TrecDatabaseSettings recServer = rec;
    recServer.stName = QStringLiteral("postgres");
    recServer.bInstallation = false;
    int iCode = fniConnectDatabase(recServer);
    if (iCode == 0) {
        TclsAdHocQuery query;
        iCode = query.fniExecute(stStatement.arg(QLatin1Char('"') + rec.stName + QLatin1Char('"')));
    }
    pDisconnectDatabase();
    if (iCode != 0)
        stError = QStringLiteral("%1 failed on the server (code %2)")
                      .arg(stStatement.arg(rec.stName))
                      .arg(iCode);
    return iCode == 0;
}
} // namespace

bool fnbCreateServerDatabase(const TrecDatabaseSettings &rec, QString &stError) {
    return fnbOnServer(rec, QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'"),
                       stError);
}

bool fnbDropServerDatabase(const TrecDatabaseSettings &rec, QString &stError) {
    return fnbOnServer(rec, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)"), stError);
}

bool fnbConnectEmptyServerDatabase(const TrecDatabaseSettings &rec, QString &stError) {
    if (const int iCode = fniConnectDatabase(rec); iCode != 0) {
        stError =
            QStringLiteral("cannot connect to database %1 (code %2)").arg(rec.stName).arg(iCode);
        return false;
    }
    QStringList slTables;
    for (const auto &recTable : fnarTableMap())
        slTables << QString::fromLatin1(recTable.pchTableName);
    TclsAdHocQuery query;
    const int iCode = query.fniOpen(
        QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE table_schema = "
                       "current_schema() AND table_name = ANY (string_to_array(?, ','))"),
        {slTables.join(QLatin1Char(','))});
    if (iCode != 0 || !query.fnbNext() || query.fnvField(0).toLongLong() != 0) {
        stError = iCode != 0
                      ? QStringLiteral("cannot read the tables of %1 (code %2)")
                            .arg(rec.stName)
                            .arg(iCode)
                      : QStringLiteral("database %1 already holds an installation").arg(rec.stName);
        pDisconnectDatabase();
        return false;
    }
    return true;
}
