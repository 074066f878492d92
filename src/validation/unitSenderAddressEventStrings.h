// The texts the sender address events show: the city field's label and the
// question asked when a postcode country's postcode is left empty.
#pragma once

#include "unitResourceStrings.h"

namespace aes {
inline constexpr TResourceString rsCity{QT_TRANSLATE_NOOP("Morvane", "City")};
inline constexpr TResourceString rsSuburb{QT_TRANSLATE_NOOP("Morvane", "Suburb")};
inline constexpr TResourceString rsColon{QT_TRANSLATE_NOOP("Morvane", ":")};
inline constexpr TResourceString rsSlash{QT_TRANSLATE_NOOP("Morvane", "/")};
inline constexpr TResourceString rsCaptionInformation{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Information")};
} // namespace aes
