// The requested shipment-number and LP-number quantities, each in the one row
// of its table where site registration later stores the range the host returns.
#include "UnitRWAWBLPAlloc.h"

#include "unitLogToFile.h"
#include "UnitMV5Records.h"
#include "unitResourceStrings.h"
#include "unitRWRowSaver.h"
#include "unitRWValidation.h"

#include <QDateTime>

namespace {
inline constexpr TResourceString rsQuantityNotWholeNumber{QT_TRANSLATE_NOOP(
    "Morvane", "The requested quantity of numbers is not a positive whole number")};

const QString cstUnit = QStringLiteral("UnitRWAWBLPAlloc");
// The LP table marks a row the client created with this code in both code fields.
const QString cstLPCode = QStringLiteral("J");

struct TrecQuantitySave {
    QString stMethod;
    QString stClassName;
    QString stTable;
    QString stRecordName; // names the freed rows in the log
};

// Stores a whole, positive quantity in row 0 of the record class; pNewRow
// completes a row created here. The page only offers whole numbers: anything
// else is a fault on the way here, and storing 0 would ask the host for nothing.
template <class TRecord, class F>
QString fnstSaveQuantity(const TrecQuantitySave &rec, const QString &stQuantity, F pNewRow) {
    const std::optional<int> iQuantity = fniWholeNumber(stQuantity);
    if (!iQuantity || *iQuantity <= 0) {
        pWriteLog(1, cstUnit, rec.stMethod,
                  QStringLiteral("Requested quantity is not a positive whole number: ") +
                      stQuantity);
        return fnstRS(rsQuantityNotWholeNumber) + QLatin1Char('.');
    }
    const TrecRowSave recSave{.stUnit = cstUnit,
                              .stClassName = rec.stClassName,
                              .bInsertWhenMissing = true,
                              .stSelectLog = QStringLiteral("Select * from ") + rec.stTable,
                              .stFreeLog = QStringLiteral("Calling FreeAndNil method on objar") +
                                           rec.stRecordName,
                              .stMethod = rec.stMethod};
    return fnstSaveFirstRowAs<TRecord>(recSave, [&](TRecord &objRow, bool bNew) {
        objRow.allocation_qty = *iQuantity;
        if (bNew)
            pNewRow(objRow);
    });
}
} // namespace

QString TclsRWAWBLPAlloc::fnstValidate(const TclsRWSettingsData &, TrecarErrorList &) {
    return {};
}

QString TclsRWAWBLPAlloc::fnstSaveToDB(const TclsRWSettingsData &) {
    return {};
}

QString TclsRWAWBLPAlloc::fnstSaveShipmentNoAlloc(const TclsRWAWBLPAllocData &objData) {
    return fnstSaveQuantity<TclsShipmentNumberData>(
        {QStringLiteral("fnstSaveShipmentNoAlloc"), QStringLiteral("TclsShipmentNumberDB"),
         QStringLiteral("shipment_number"), QStringLiteral("ShipmentNumberData")},
        objData.stShipmentNoQty, [](TclsShipmentNumberData &) {});
}

QString TclsRWAWBLPAlloc::fnstSaveLPNoAlloc(const TclsRWAWBLPAllocData &objData) {
    return fnstSaveQuantity<TclsZorvLpData>(
        {QStringLiteral("fnstSaveLPNoAlloc"), QStringLiteral("TclsZorvLpDB"),
         QStringLiteral("zorv_lp"), QStringLiteral("ZorvLpData")},
        objData.stLPNoQty, [](TclsZorvLpData &objRow) {
            objRow.lp_status = cstLPCode;
            objRow.lp_source = cstLPCode;
            objRow.changed_by = QStringLiteral("DEFAULT");
            objRow.changed_date = QDateTime::currentDateTime();
        });
}
