// The contract of the settings objects: each page group's object checks a data
// holder filled from its pages and writes it to the database, answering with
// result words ("success", "unsuccess") or a user message. The error list
// collects one entry per failed rule.
#pragma once

#include <QString>

#include <vector>

struct TrecMVErrorRecord {
    QString stControlName; // the form control to mark, e.g. "edtSenderCode"
    QString stMessage;     // the text shown: resource text + "."
    int iValue1 = 0;
    int iValue2 = 0;
};
using TrecarErrorList = std::vector<TrecMVErrorRecord>;

inline const QString cstSuccess = QStringLiteral("success");
inline const QString cstUnsuccess = QStringLiteral("unsuccess");

// The base of every data holder (TclsRWSendersData, ...).
class TclsRWSettingsData {
public:
    virtual ~TclsRWSettingsData() = default;
};

class TclsRWSettings {
public:
    TclsRWSettings() = default;
    virtual ~TclsRWSettings() = default;
    TclsRWSettings(const TclsRWSettings &) = delete;
    TclsRWSettings &operator=(const TclsRWSettings &) = delete;

    // Checks the holder; appends one entry per failed rule; "success" or "unsuccess".
    virtual QString fnstValidate(const TclsRWSettingsData &objData, TrecarErrorList &arErrors) = 0;
    // Writes the holder; "success", or the message of the failing library code.
    virtual QString fnstSaveToDB(const TclsRWSettingsData &objData) = 0;
};

// The user's text for a database library code.
QString fnstGetDBErrorMessage(int iCode);

// Cuts a text to a fixed width, as every setter of a fixed-width field does.
inline QString fnstCut(const QString &st, int iWidth) {
    return st.left(iWidth);
}
