// Leaving the sender's telephone or mobile field: what the check says and what
// the page then shows, kept apart from the widgets so the sender page only
// applies it (calling-code box, field text, colour white or yellow, error list).
#pragma once

#include "unitRWSettings.h"

#include <QString>

struct TrecPhoneFieldOutcome {
    bool bChecked = false; // false: no metadata or an empty field, nothing changes
    bool bValid = false;
    QString stCallingCode;    // valid: "+" and the calling code, for the calling-code box
    QString stNationalNumber; // valid: the number the field shows
    QString stErrorText;      // not valid: the error-list text
};

// stNumberType is "FIXED_LINE" (edtSenderTelephone) or "MOBILE" (edtSenderMobile);
// stCallingCodeText is the calling-code box's text, stSenderCountry the sender
// country frame's code.
TrecPhoneFieldOutcome fnrecCheckPhoneField(const QString &stFieldText,
                                           const QString &stCallingCodeText,
                                           const QString &stSenderCountry,
                                           const QString &stNumberType);

// The error list after the outcome: a valid field's entries go, a field that
// is not valid gets a new entry. The field's exit handler logs as itself.
void pApplyPhoneFieldOutcome(const TrecPhoneFieldOutcome &rec, const QString &stControlName,
                             TrecarErrorList &arErrors);
