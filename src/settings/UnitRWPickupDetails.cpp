// The pickup defaults of the site: one pickup row.
#include "UnitRWPickupDetails.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitMV5Records.h"
#include "unitRWRowSaver.h"

namespace {
TrecRowSave fnrecPickupSave() {
    return {.stUnit = QStringLiteral("unitRWPickupDetails"),
            .stClassName = QStringLiteral("TclsPickupDB"),
            .bInsertWhenMissing = true,
            .stSelectLog = QStringLiteral("Select * from pickup"),
            .stFreeLog = QStringLiteral("Calling FreeAndNil method on objarPickupData"),
            .stUpdateFailLog = QStringLiteral("Call to fniInsertRecord failed.")};
}

// The pickup address of the row belongs to site registration, which stores
// what the host returns; this save leaves it alone.
void pFillPickup(TclsPickupData &objRow, const TclsRWPickupData &objData) {
    objRow.pickup_locations = objData.slPickupLocations;
    objRow.request_cutoff_margin = objData.iRequestCutOffMargin;
    objRow.readyby_close_margin = objData.iReadyByCloseMargin;
    objRow.request_close_margin = objData.iRequestCloseMargin;
    objRow.readyby_cutoff_margin = objData.iReadyByCutOffMargin;
    objRow.default_readyby_time = objData.tmDefaultReadyByTime;
    objRow.default_close_time = objData.tmDefaultCloseTime;
}
} // namespace

QString TclsRWPickup::fnstValidate(const TclsRWSettingsData &, TrecarErrorList &) {
    return {};
}

QString TclsRWPickup::fnstSaveToDB(const TclsRWSettingsData &objData) {
    return fnstSaveFirstRowAs<TclsPickupData>(fnrecPickupSave(), [&](TclsPickupData &objRow, bool) {
        pFillPickup(objRow, dynamic_cast<const TclsRWPickupData &>(objData));
    });
}

QStringList fnslPickupLocations(const QString &stDefault, const QStringList &slFurther) {
    // The first entry is the default location: it keeps its place even when empty.
    QStringList sl{stDefault.trimmed()};
    for (const QString &st : slFurther)
        if (!st.trimmed().isEmpty())
            sl.append(st.trimmed());
    return sl;
}

int fniReadPickupRow(std::optional<TclsPickupData> &optRow) {
    optRow.reset();
    TobjarMVData objarRows;
    const int iCode = fniQueryRecords({{}}, objarRows, QStringLiteral("TclsPickupDB"));
    if (const auto *pRow = fnpFirstRecord<TclsPickupData>(objarRows))
        optRow = *pRow;
    return iCode;
}
