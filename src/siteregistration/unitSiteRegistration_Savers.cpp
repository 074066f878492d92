// Storing what the host answered: the site ID in the product configuration,
// the shipment-number and LP-number ranges and the pickup address, each in the
// first row of its table.
#include "unitSiteRegistration.h"
#include "unitSiteRegistrationReply.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitDatabaseConstants.h"
#include "unitLogToFile.h"
#include "unitRWConstants.h"
#include "unitRWSettings.h"

#include <QRegularExpression>

#include <functional>

namespace {
const QString cstUnit = QStringLiteral("unitSiteRegistration");
// The range savers and the pickup saver report under the site ID's name.
const QString cstSaveSiteID = QStringLiteral("fnstSaveSiteID");
const QString cstConfigMorvaneQueryFailed =
    QStringLiteral("Query Record on the config_morvane table failed.");
const QString cstConfigMorvaneUpdateFailed =
    QStringLiteral("Update Record on the config_morvane table failed.");

struct TrecReplySave {
    QString stClassName;
    QString stMethod;
    QString stQueryFailLog;
    QString stUpdateFailLog;
    QString stLockFailLog; // non-empty: the update runs under a row lock
};

QString fnstFailed(const TrecReplySave &rec, const QString &stLog, int iCode) {
    pWriteLog(3, cstUnit, rec.stMethod, stLog);
    return fnstGetDBErrorMessage(iCode);
}

// Fills the first row of the record class and updates it. A row lock taken
// here is always released, also when the update fails, so a failed save never
// keeps other workstations off the row.
QString fnstUpdateFirstRow(const TrecReplySave &rec,
                           const std::function<void(TclsMVData &objRow)> &fnFill) {
    QString stResult;
    qint32 iLockedKey = 0;
    bool bLocked = false;
    try {
        TobjarMVData objarRows;
        int iCode = fniQueryRecords({{}}, objarRows, rec.stClassName);
        if (iCode != dbc::iSuccess || objarRows.empty())
            return fnstFailed(rec, rec.stQueryFailLog, iCode);
        TclsMVData &objRow = *objarRows.front();
        fnFill(objRow);
        if (!rec.stLockFailLog.isEmpty()) {
            iCode = fniLockRecord(objRow.record_key, rec.stClassName);
            if (iCode != dbc::iSuccess)
                return fnstFailed(rec, rec.stLockFailLog, iCode);
            bLocked = true;
            iLockedKey = objRow.record_key;
        }
        iCode = fniUpdateRecord(objRow);
        if (iCode == dbc::iSuccess) {
            stResult = cstSuccess;
        } else {
            stResult = fnstFailed(rec, rec.stUpdateFailLog, iCode);
            if (bLocked)
                pRollBackTran(rec.stMethod);
        }
    } catch (const std::exception &e) {
        pWriteLog(4, cstUnit, rec.stMethod, QString::fromLocal8Bit(e.what()));
    }
    if (bLocked)
        fniUnLockRecord(iLockedKey, rec.stClassName);
    return stResult;
}

template <class TRecord, class F> QString fnstUpdateFirstRowAs(const TrecReplySave &rec, F fnFill) {
    return fnstUpdateFirstRow(
        rec, [&fnFill](TclsMVData &objRow) { fnFill(dynamic_cast<TRecord &>(objRow)); });
}

// The allocation date as the row stores it; no date when the text is none.
QDateTime fndtAllocationDate(const QString &stDate) {
    const std::optional<QDate> optDate = TclsRWSiteRegistration::fnbFormatDate(stDate);
    return optDate ? QDateTime(*optDate, QTime(0, 0)) : QDateTime();
}

// The country's name for its code; nullopt when the country table has none.
std::optional<QString> fnoptCountryName(const QString &stCountryCode) {
    TclsAdHocQuery query;
    if (query.fniOpen(QStringLiteral("Select Country_Name from country where country_cd = ?"),
                      {stCountryCode}) != dbc::iSuccess) {
        pWriteLog(2, cstUnit, cstSaveSiteID,
                  QStringLiteral("Country name could not be read for ") + stCountryCode);
        return std::nullopt;
    }
    if (!query.fnbNext())
        return std::nullopt;
    return query.fnvField(0).toString();
}
} // namespace

QString fnstSaveShipmentRangeReply(const TrecRangeReply &rec,
                                   const TrecShipmentRangeSave &recSave) {
    if (!rec.fnbAllocated())
        return cstSuccess;
    const TrecReplySave recRowSave{QStringLiteral("TclsShipmentNumberDB"),
                                   recSave.stMethod,
                                   recSave.stQueryFailLog,
                                   recSave.stUpdateFailLog,
                                   {}};
    return fnstUpdateFirstRowAs<TclsShipmentNumberData>(
        recRowSave, [&](TclsShipmentNumberData &objRow) {
            objRow.start_number = fnstCut(rec.stLowerBound, 16);
            objRow.current_number = fnstCut(rec.stLowerBound, 16);
            objRow.end_number = fnstCut(rec.stUpperBound, 16);
            objRow.allocation_date = fndtAllocationDate(rec.stAllocationDate);
            objRow.changed_by = cstWizardUser;
        });
}

QString fnstSaveLPRangeReply(const TrecRangeReply &rec) {
    if (!rec.fnbAllocated())
        return cstSuccess;
    const TrecReplySave recRowSave{QStringLiteral("TclsZorvLpDB"),
                                   cstSaveSiteID,
                                   cstConfigMorvaneQueryFailed,
                                   cstConfigMorvaneUpdateFailed,
                                   {}};
    // A licence plate is a one-character prefix, a three-character type and a
    // number; the upper bound's number is as long as the lower bound's.
    const QString stNumber = rec.stLowerBound.mid(4);
    const QString stEndNumber = rec.stUpperBound.mid(4, stNumber.size());
    return fnstUpdateFirstRowAs<TclsZorvLpData>(recRowSave, [&](TclsZorvLpData &objRow) {
        objRow.lp_prefix = fnstCut(rec.stLowerBound.left(1), 3);
        objRow.lp_type = fnstCut(rec.stLowerBound.mid(1, 3), 30);
        objRow.start_number = fnstCut(stNumber, 35);
        objRow.current_number = fnstCut(stNumber, 35);
        objRow.end_number = fnstCut(stEndNumber, 35);
        objRow.changed_by = cstWizardUser;
    });
}

QString fnstSavePickupReply(const TrecPickupReply &rec) {
    if (!rec.fnbKnown())
        return cstSuccess;
    const TrecReplySave recRowSave{QStringLiteral("TclsPickupDB"),
                                   cstSaveSiteID,
                                   cstConfigMorvaneQueryFailed,
                                   cstConfigMorvaneUpdateFailed,
                                   {}};
    return fnstUpdateFirstRowAs<TclsPickupData>(recRowSave, [&](TclsPickupData &objRow) {
        objRow.address1 = fnstCut(rec.stAddress1, 30);
        objRow.address2 = fnstCut(rec.stAddress2, 30);
        objRow.address3 = fnstCut(rec.stAddress3, 30);
        objRow.city = fnstCut(rec.stCity, 45);
        objRow.postcode = fnstCut(rec.stPostcode, 12);
        if (const std::optional<QString> optName = fnoptCountryName(rec.stCountryCode))
            objRow.country_name = fnstCut(*optName, 30);
    });
}

QString TclsRWSiteRegistration::fnstSaveSiteID(const QString &stSiteId) {
    const TrecReplySave rec{QStringLiteral("TclsConfigMorvaneDB"), cstSaveSiteID,
                            cstConfigMorvaneQueryFailed, cstConfigMorvaneUpdateFailed,
                            QStringLiteral("Lock Record on the config_morvane table failed.")};
    return fnstUpdateFirstRowAs<TclsConfigMorvaneData>(rec, [&](TclsConfigMorvaneData &objRow) {
        objRow.site_id = fnstCut(stSiteId, 16);
        objRow.changed_by = cstWizardUser;
    });
}

QString TclsRWSiteRegistration::fnstSaveAWBRange(const TrecMessageHeaderStructure &recReply) {
    return fnstSaveShipmentRangeReply(
        fnrecRangeReply(recReply.recShipmentRange),
        {QStringLiteral("fnstSaveAWBRange"),
         QStringLiteral("Query Record on the Shipment Number table failed."),
         QStringLiteral("Update Record on the Shipment Number table failed.")});
}

QString TclsRWSiteRegistration::fnstSaveAWBRangeForHTTP(const TrecSiteRegHTTPResp &recReply) {
    return fnstSaveShipmentRangeReply(
        fnrecShipmentRangeReply(recReply),
        {QStringLiteral("fnstSaveAWBRangeForHTTP"),
         QStringLiteral("Query Record on the fnstSaveAWBRangeForHTTP table failed."),
         QStringLiteral("Update Record on the fnstSaveAWBRangeForHTTP table failed.")});
}

QString TclsRWSiteRegistration::fnstSaveLPRange(const TrecAwbLPRange &recRange) {
    return fnstSaveLPRangeReply(fnrecRangeReply(recRange));
}

QString TclsRWSiteRegistration::fnstSavePickup(const TrecRegistrationPickupResponse &recPickup) {
    return fnstSavePickupReply(fnrecPickupReply(recPickup));
}

std::optional<QDate> TclsRWSiteRegistration::fnbFormatDate(const QString &stDate) {
    // The host's "no date".
    if (stDate == QLatin1String("       0"))
        return QDate(1999, 11, 11);
    static const QRegularExpression reDigits(QStringLiteral("^[0-9]{8}$"));
    const QDate dt =
        reDigits.match(stDate).hasMatch()
            ? QDate(stDate.mid(4, 4).toInt(), stDate.mid(2, 2).toInt(), stDate.left(2).toInt())
            : QDate();
    if (!dt.isValid()) {
        pWriteLog(
            3, cstUnit, QStringLiteral("fnbFormatDate"),
            QStringLiteral(
                "Exception occurred - Unable to formats the date string(ddmmyyyy) to TDate.."));
        return std::nullopt;
    }
    return dt;
}
