// What the SFTP and e-mail pages share: both describe a server the end-of-day
// manifest is sent to (host, port, user and what else the page requires),
// neither is checked while its end-of-day box is not ticked, and each lives in
// the one row of a configuration table that the wizard updates under a row lock.
#pragma once

#include "unitRWHolder.h"
#include "unitRWRowSaver.h"
#include "unitRWSettings.h"

#include <vector>

// A field that must not be blank; its message is shown followed by ".".
struct TrecRequiredText {
    QString stValue;
    QString stControl;
    QString stBlankMessage;
    QString stLogText;
};

// The server's port: not blank, a whole number, and not zero.
struct TrecPortCheck {
    QString stValue;
    QString stControl;
    QString stBlankMessage;
    QString stZeroMessage;
    QString stNotNumberMessage;
    QString stLogText;
};

struct TrecServerSettingsCheck {
    QString stUnit; // the logging unit, e.g. "unitRWFTPSetting"
    bool bInUse = false;
    TrecRequiredText recHost;
    TrecPortCheck recPort;
    std::vector<TrecRequiredText> arFurther; // checked after the port, in order
};

// Empties the list, then (when the server is in use) adds one entry per failed
// rule: host, port, then the further fields. "success" or "unsuccess".
QString fnstValidateServerSettings(const TrecServerSettingsCheck &rec, TrecarErrorList &arErrors);

// fnstValidate of a server page whose holder is a THolder.
template <class THolder>
QString fnstValidateServerPage(const TclsRWSettingsData &objData, TrecarErrorList &arErrors,
                               const QString &stUnit,
                               TrecServerSettingsCheck (*fnrecCheckOf)(const THolder &)) {
    arErrors.clear();
    return fnstWithHolder<THolder>(
        objData, stUnit, QStringLiteral("fnstValidate"), cstUnsuccess, [&](const THolder &obj) {
            return fnstValidateServerSettings(fnrecCheckOf(obj), arErrors);
        });
}

// fnstSaveToDB of a server page: row 0 of the configuration table, never
// inserted, filled by pFill and updated under its row lock. rec names the
// unit, the record class and the log texts.
template <class TRow, class THolder>
QString fnstSaveServerPage(const TclsRWSettingsData &objData, TrecRowSave rec,
                           void (*pFill)(TRow &, const THolder &)) {
    rec.bInsertWhenMissing = false;
    rec.bLock = true;
    return fnstWithHolder<THolder>(objData, rec.stUnit, QStringLiteral("fnstSaveToDB"), QString(),
                                   [&](const THolder &obj) {
                                       return fnstSaveFirstRow(rec, [&](TclsMVData &objRow, bool) {
                                           pFill(dynamic_cast<TRow &>(objRow), obj);
                                       });
                                   });
}
