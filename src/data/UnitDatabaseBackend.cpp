// What every database backend shares: its connection and the column types.
#include "UnitDatabaseBackend.h"

#include "UnitSQLDialect.h"

#include <atomic>

namespace {
// Every backend object has a connection name of its own, so a backend opened
// after another was closed never finds the old one's connection.
QString fnstNewConnectionName(const QString &stDriver) {
    static std::atomic<int> iCounter{0};
    return QStringLiteral("MV53DBDLL_%1_%2").arg(stDriver).arg(++iCounter);
}
} // namespace

TclsDatabaseBackend::TclsDatabaseBackend(const QString &stDriverName, TrecServerColumnTypes rec)
    : stDriver(stDriverName), stConnectionName(fnstNewConnectionName(stDriverName)),
      recColumnTypes(std::move(rec)) {}

QSqlDatabase TclsDatabaseBackend::fndbConnection() const {
    return QSqlDatabase::database(stConnectionName, false);
}

QSqlDatabase TclsDatabaseBackend::fndbAddConnection() const {
    return QSqlDatabase::addDatabase(stDriver, stConnectionName);
}

void TclsDatabaseBackend::pRemoveConnection() {
    if (QSqlDatabase::contains(stConnectionName)) {
        QSqlDatabase::database(stConnectionName, false).close();
        QSqlDatabase::removeDatabase(stConnectionName);
    }
}

QString TclsDatabaseBackend::fnstColumnType(TFieldKind eKind, int iWidth) const {
    switch (eKind) {
    case TFieldKind::Text:
        return iWidth > 0 ? QStringLiteral("VARCHAR(%1)").arg(iWidth) : QStringLiteral("TEXT");
    case TFieldKind::Integer:
    case TFieldKind::NullableInteger:
        return QStringLiteral("INTEGER");
    case TFieldKind::SmallInt:
    case TFieldKind::Boolean:
        return QStringLiteral("SMALLINT");
    case TFieldKind::Real:
        return recColumnTypes.stReal;
    case TFieldKind::DateTime:
        return recColumnTypes.stDateTime;
    case TFieldKind::Time:
        return recColumnTypes.stTime;
    case TFieldKind::TextList:
        return QStringLiteral("TEXT");
    }
    return QStringLiteral("TEXT");
}

QString TclsDatabaseBackend::fnstAdaptSQL(const QString &stSQL) const {
    return fnstRewriteSQLServerDialect(stSQL);
}
