// Resource strings: every user-visible text is declared once as a
// TResourceString and read through fnstRS, which asks the translation system, so
// a language dictionary can replace it at run time. Each library declares its
// own texts beside its code with the same mechanism.
#pragma once

#include <QCoreApplication>
#include <QString>

struct TResourceString {
    const char *pchText;
};

// Declare as: inline constexpr TResourceString rsName{QT_TRANSLATE_NOOP("Morvane", "Text")};
// (spelled out, so that lupdate finds the text).
inline QString fnstRS(TResourceString rs) {
    return QCoreApplication::translate("Morvane", rs.pchText);
}
