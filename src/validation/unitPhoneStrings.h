// The phone checks' user-visible texts.
#pragma once

#include "unitResourceStrings.h"

inline constexpr TResourceString rsDLLNotLoaded{
    QT_TRANSLATE_NOOP("Morvane", "DLL could not be loaded successfully.")};
inline constexpr TResourceString rsExpectedPhoneFormat{
    QT_TRANSLATE_NOOP("Morvane", "The expected format is [ %s ].")};
inline constexpr TResourceString rsPhoneNumberNotValid{
    QT_TRANSLATE_NOOP("Morvane", "%s Phone number is not valid.")};
inline constexpr TResourceString rsPhoneWarningCaption{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Warning")};
inline constexpr TResourceString rsPhoneOK{QT_TRANSLATE_NOOP("Morvane", "&OK")};
