// Tables made from the record classes' own descriptions, so the schema and the
// records cannot drift apart.
#include "UnitSchema.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitDatabaseBackend.h"
#include "UnitRecordSQL.h"
#include "UnitTableMap.h"

#include <QStringList>

int fniCreateSchema() {
    int iCode = 0;
    TclsDatabaseBackend *pBackend = fnpBackend(&iCode);
    if (!pBackend)
        return iCode;
    for (const auto &rec : fnarTableMap()) {
        const auto objPrototype = rec.pfnCreate();
        QStringList slColumns{pBackend->fnstKeyColumnDefinition()};
        // A sealed secret is longer than its plain width allows.
        for (const auto &recColumn : fnarColumnsOf(*objPrototype))
            slColumns << recColumn.stName + QLatin1Char(' ') +
                             pBackend->fnstColumnType(recColumn.eKind, recColumn.uFlags & cfSecret
                                                                           ? 0
                                                                           : recColumn.iWidth);
        TclsAdHocQuery query;
        iCode = query.fniExecute(
            QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
                .arg(QLatin1String(rec.pchTableName), slColumns.join(QStringLiteral(", "))));
        if (iCode != 0)
            return iCode;
    }
    return 0;
}

int fniDropTable(const QString &stTableName) {
    // The name is checked against the table map: it is never taken from input.
    for (const auto &rec : fnarTableMap())
        if (stTableName.compare(QLatin1String(rec.pchTableName), Qt::CaseInsensitive) == 0) {
            TclsAdHocQuery query;
            return query.fniExecute(
                QStringLiteral("DROP TABLE IF EXISTS %1").arg(QLatin1String(rec.pchTableName)));
        }
    return 9;
}
