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
};

// Fills row 0 (bNew when it was created here) and writes it; "success" or the
// message of the failing code. An exception is logged at level 3 and the
// result keeps the value reached so far ("" before any result).
QString fnstSaveFirstRow(const TrecRowSave &rec,
                         const std::function<void(TclsMVData &objRow, bool bNew)> &fnFill);

// The code's message, after logging the failed call at level 2.
QString fnstLibraryFailure(const QString &stUnit, const QString &stMethod, const QString &stCall,
                           int iCode);
