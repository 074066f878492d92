// The server check of the SFTP and e-mail pages.
#include "unitRWServerSettings.h"

#include "unitRWValidation.h"

namespace {
// Blanks alone are as good as nothing: the server cannot be reached with them.
bool fnbBlank(const QString &st) {
    return st.trimmed().isEmpty();
}

void pRequire(TclsRWValidation &objCheck, const TrecRequiredText &rec) {
    if (fnbBlank(rec.stValue))
        objCheck.pFail(rec.stControl, rec.stBlankMessage, rec.stLogText);
}

// A port that is not a whole number gets its own entry rather than ending the
// check, so the user sees every field to correct at once.
void pCheckPort(TclsRWValidation &objCheck, const TrecPortCheck &rec) {
    if (fnbBlank(rec.stValue)) {
        objCheck.pFail(rec.stControl, rec.stBlankMessage, rec.stLogText);
        return;
    }
    const std::optional<int> iPort = fniWholeNumber(rec.stValue);
    if (!iPort)
        objCheck.pFail(rec.stControl, rec.stNotNumberMessage, rec.stLogText);
    else if (*iPort == 0)
        objCheck.pFail(rec.stControl, rec.stZeroMessage, rec.stLogText);
}
} // namespace

QString fnstValidateServerSettings(const TrecServerSettingsCheck &rec, TrecarErrorList &arErrors) {
    arErrors.clear();
    if (!rec.bInUse)
        return cstSuccess;
    TclsRWValidation objCheck(arErrors, rec.stUnit);
    pRequire(objCheck, rec.recHost);
    pCheckPort(objCheck, rec.recPort);
    for (const TrecRequiredText &recField : rec.arFurther)
        pRequire(objCheck, recField);
    return objCheck.fnstResult();
}
