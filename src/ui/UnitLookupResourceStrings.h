// Texts of the lookup combos, the search list and the date field.
#pragma once

#include "unitResourceStrings.h"

inline constexpr TResourceString rsLookupConfirmation{QT_TRANSLATE_NOOP("Morvane", "Confirmation")};
inline constexpr TResourceString rsLookupYes{QT_TRANSLATE_NOOP("Morvane", "&Yes")};
inline constexpr TResourceString rsLookupNo{QT_TRANSLATE_NOOP("Morvane", "&No")};
inline constexpr TResourceString rsLookupFormCaption{QT_TRANSLATE_NOOP("Morvane", "Zorv Morvane")};
inline constexpr TResourceString rsCallingCodeBlank{
    QT_TRANSLATE_NOOP("Morvane", "Calling Code is Blank")};
inline constexpr TResourceString rsCallingCodeNotInList{
    QT_TRANSLATE_NOOP("Morvane", "Current Value not in list. Do u want to add the same?")};
inline constexpr TResourceString rsSearchListOK{QT_TRANSLATE_NOOP("Morvane", "&OK")};
inline constexpr TResourceString rsSearchListTransfer{QT_TRANSLATE_NOOP("Morvane", "&Transfer")};
inline constexpr TResourceString rsSearchListCancel{QT_TRANSLATE_NOOP("Morvane", "&Cancel")};
inline constexpr TResourceString rsSearchListFind{QT_TRANSLATE_NOOP("Morvane", "Search:")};
// The date field: %1 the field's name, %2 the text typed, %3 the format.
inline constexpr TResourceString rsDateNotADate{QT_TRANSLATE_NOOP(
    "Morvane", "%1: \"%2\" is not a date. Type the date as %3, or leave the field empty.")};
