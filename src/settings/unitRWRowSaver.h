// The save every settings object follows with the database library: query the
// rows, take row 0 (or create one), fill it, lock it, update or insert it,
// unlock it, free the rows. Failing library calls are logged at level 2 and
// their code becomes the user's message.
#pragma once

#include "UnitMV5DataInterface.h"

#include <QString>

#include <functional>

struct TrecRowSave {
    QString stUnit;                  // e.g. "unitRWFTPSetting"
    QString stClassName;             // e.g. "TclsConfigZorvDB"
    TrecarFields arCriteria = {{}};  // one empty criterion: every row
    bool bInsertWhenMissing = false; // false: no row ends the save with code 0's text
    bool bLock = false;              // update under a row lock
    QString stSelectLog;             // e.g. "Select * from config_zorv"
    QString stFreeLog;               // e.g. "Calling FreeAndNil method on objarConfigZorvData"
    QString stMethod = QStringLiteral("fnstSaveToDB"); // the operation the log lines name
    // The internet and pickup saves report a failed update as a failed insert.
    QString stUpdateFailLog = QStringLiteral("Call to fniUpdateRecord failed");
};

// Fills row 0 (bNew when it was created here) and writes it; "success" or the
// message of the failing code. An exception, also one raised by fnFill, is
// logged at level 3 and the result keeps the value reached so far ("" before
// any result).
QString fnstSaveFirstRow(const TrecRowSave &rec,
                         const std::function<void(TclsMVData &objRow, bool bNew)> &fnFill);

// fnstSaveFirstRow for a fill that knows its record class. A row of another
// class raises std::bad_cast inside the save, which logs it like any exception.
template <class TRecord, class F> QString fnstSaveFirstRowAs(const TrecRowSave &rec, F &&fnFill) {
    return fnstSaveFirstRow(rec, [&fnFill](TclsMVData &objRow, bool bNew) {
        fnFill(dynamic_cast<TRecord &>(objRow), bNew);
    });
}

// The code's message, after logging the failed call at level 2.
QString fnstLibraryFailure(const QString &stUnit, const QString &stMethod, const QString &stCall,
                           int iCode);
