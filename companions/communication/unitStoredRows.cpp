#include "unitStoredRows.h"

#include "unitCommunicationLog.h"

#include "UnitAccessToDatabaseDLL.h"

namespace {

const char *const cpchMethod = "fnobjReadStoredRow";

// The first row the criteria find; nothing, and stError set, when the read
// failed. A table without the row gives nothing with stError empty.
template <class TRecord>
std::optional<TRecord> fnobjFirstRow(const TrecarFields &arCriteria, const QString &stClassName,
                                     const QString &stTable, QString &stError) {
    TobjarMVData objarRows;
    const int iCode = fniQueryRecords(arCriteria, objarRows, stClassName);
    if (iCode != 0) {
        stError = QStringLiteral("Query Record on the %1 table failed with code %2.")
                      .arg(stTable)
                      .arg(iCode);
        return std::nullopt;
    }
    const TRecord *pobj = objarRows.empty() ? nullptr : fnobjAs<TRecord>(objarRows.front());
    if (!pobj)
        return std::nullopt;
    return *pobj;
}

} // namespace

std::optional<TclsCommServiceSettingsData> fnobjReadServiceRow(const QString &stService,
                                                               QString &stError) {
    pCommLog(0, cpchMethod,
             QStringLiteral("Select * from comm_service_settings for \"%1\".").arg(stService));
    auto obj = fnobjFirstRow<TclsCommServiceSettingsData>(
        {{QStringLiteral("service_name"), QLatin1Char('\'') + stService + QLatin1Char('\'')}},
        QStringLiteral("TclsCommServiceSettingsDB"), QStringLiteral("comm_service_settings"),
        stError);
    if (!obj && stError.isEmpty())
        stError = QStringLiteral("No \"%1\" row in comm_service_settings.").arg(stService);
    return obj;
}

std::optional<TclsConfigZorvData> fnobjReadConfigZorvRow(QString &stError) {
    pCommLog(0, cpchMethod, QStringLiteral("Select * from config_zorv"));
    auto obj = fnobjFirstRow<TclsConfigZorvData>({{}}, QStringLiteral("TclsConfigZorvDB"),
                                                 QStringLiteral("config_zorv"), stError);
    if (!obj && stError.isEmpty())
        stError = QStringLiteral("No row in config_zorv.");
    return obj;
}

std::optional<TclsInternetSettingData> fnobjReadInternetSettingRow(QString &stError) {
    pCommLog(0, cpchMethod, QStringLiteral("Select * from internet_setting"));
    return fnobjFirstRow<TclsInternetSettingData>({{}}, QStringLiteral("TclsInternetSettingDB"),
                                                  QStringLiteral("internet_setting"), stError);
}
