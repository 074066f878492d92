// What every settings object's checks share: an entry per failed rule, logged
// at level 1, and the result word of a check.
#pragma once

#include "unitRWSettings.h"

#include <optional>

class TclsRWValidation {
public:
    // A check of one settings object's unit ("unitRWFTPSetting"), logging as
    // method "fnstValidate".
    TclsRWValidation(TrecarErrorList &arErrors, const QString &stUnit);

    // Appends (control, message + ".") and logs the log text at level 1.
    void pFail(const QString &stControl, const QString &stMessage, const QString &stLogText);
    // The entries this check added.
    int fniAdded() const;
    // "success" when no rule failed, else "unsuccess" after logging "Validation Failed".
    QString fnstResult() const;

    TrecarErrorList &arErrors;
    const QString stUnit;

private:
    const size_t iCountBefore;
};

// "What the user typed" as a whole number: nullopt for text that is not one.
std::optional<int> fniWholeNumber(const QString &st);

// The e-mail address check of the sender and communication pages: an "@" at
// the second character or later, no "..", a domain of at least four
// characters with a "." that is neither its first, last nor second-to-last
// character, and only letters, digits, "-", "." and "_" on both sides.
bool fnbEmailValidation(const QString &stEmail);
