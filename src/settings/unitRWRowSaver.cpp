// The common save order of the settings objects.
#include "unitRWRowSaver.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"
#include "unitLogToFile.h"
#include "unitRWSettings.h"
#include "UnitTableMap.h"

QString fnstLibraryFailure(const QString &stUnit, const QString &stMethod, const QString &stCall,
                           int iCode) {
    pWriteLog(2, stUnit, stMethod, stCall);
    return fnstGetDBErrorMessage(iCode);
}

QString fnstSaveFirstRow(const TrecRowSave &rec,
                         const std::function<void(TclsMVData &, bool)> &fnFill) {
    QString stResult;
    TobjarMVData objarRows;
    qint32 iKey = 0;
    bool bLockTried = false;
    auto fnFail = [&](const QString &stCall, int iCode) {
        stResult = fnstLibraryFailure(rec.stUnit, rec.stMethod, stCall, iCode);
    };
    try {
        pWriteLog(0, rec.stUnit, rec.stMethod, QStringLiteral("calling Setlength method"));
        pWriteLog(0, rec.stUnit, rec.stMethod, rec.stSelectLog);
        int iCode = fniQueryRecords(rec.arCriteria, objarRows, rec.stClassName);
        // A query that ran but found no row the save needs reports code 0.
        if (iCode != dbc::iSuccess || (objarRows.empty() && !rec.bInsertWhenMissing)) {
            fnFail(QStringLiteral("Call to fniQueryRecords failed"), iCode);
        } else if (objarRows.empty()) {
            objarRows.push_back(fnobjCreateRecord(rec.stClassName));
            fnFill(*objarRows.front(), true);
            iCode = fniInsertRecord(objarRows);
            iCode == dbc::iSuccess
                ? void(stResult = cstSuccess)
                : fnFail(QStringLiteral("Call to fniInsertRecord failed."), iCode);
        } else {
            TclsMVData &objRow = *objarRows.front();
            fnFill(objRow, false);
            iKey = objRow.record_key;
            if (rec.bLock) {
                pWriteLog(0, rec.stUnit, rec.stMethod, QStringLiteral("Calling fniLockRecord"));
                bLockTried = true;
                iCode = fniLockRecord(iKey, rec.stClassName);
                if (iCode != dbc::iSuccess)
                    fnFail(QStringLiteral("Call to fniLockRecord failed"), iCode);
            }
            if (iCode == dbc::iSuccess) {
                pWriteLog(0, rec.stUnit, rec.stMethod, QStringLiteral("Calling fniUpdateRecord"));
                iCode = fniUpdateRecord(objRow);
                iCode == dbc::iSuccess ? void(stResult = cstSuccess)
                                       : fnFail(rec.stUpdateFailLog, iCode);
            }
        }
    } catch (const std::exception &e) {
        pWriteLog(3, rec.stUnit, rec.stMethod, QString::fromLocal8Bit(e.what()));
    }
    pWriteLog(0, rec.stUnit, rec.stMethod, rec.stFreeLog);
    if (bLockTried)
        fniUnLockRecord(iKey, rec.stClassName);
    return stResult;
}
