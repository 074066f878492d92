// The user-visible texts of the sender address checks: the result texts the
// two address libraries answer with (compared in their translated form), the
// message captions and buttons.
#pragma once

#include "unitResourceStrings.h"

namespace ars {
inline constexpr TResourceString rsCaptionWarning{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Warning")};
inline constexpr TResourceString rsRegistrationWizard{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard")};
inline constexpr TResourceString rsErrorInvalidData{
    QT_TRANSLATE_NOOP("Morvane", "Error/Invalid Data")};
inline constexpr TResourceString rsIataCannotBeDetermined{
    QT_TRANSLATE_NOOP("Morvane", "Iata can not be determined.")};
inline constexpr TResourceString rsOK{QT_TRANSLATE_NOOP("Morvane", "&OK")};
inline constexpr TResourceString rsYes{QT_TRANSLATE_NOOP("Morvane", "&Yes")};
inline constexpr TResourceString rsNo{QT_TRANSLATE_NOOP("Morvane", "&No")};

// Postcode cleaning.
inline constexpr TResourceString rsNoError{QT_TRANSLATE_NOOP("Morvane", "No Error")};
inline constexpr TResourceString rsPostcodeNeedsCity{
    QT_TRANSLATE_NOOP("Morvane", "The entered postcode is incorrect. A valid postcode or city is "
                                 "required to process the shipment.")};
inline constexpr TResourceString rsPostcodeCorrected{
    QT_TRANSLATE_NOOP("Morvane", "The postcode you entered has been automatically corrected. "
                                 "Please verify that the cleaned postcode is correct.")};
inline constexpr TResourceString rsPostcodeIncorrect{
    QT_TRANSLATE_NOOP("Morvane", "The postcode you entered is incorrect and cannot be "
                                 "automatically corrected. Please enter a valid postcode.")};

// Auto-destination.
inline constexpr TResourceString rsLookupFromDirectory{
    QT_TRANSLATE_NOOP("Morvane", "Invalid combination. Do you want to lookup from directory?")};
// Two texts with one wording: the library answers with one of them. The first
// one compared wins, so the second takes effect only where a dictionary words
// them apart.
inline constexpr TResourceString rsKnowStateLookup{
    QT_TRANSLATE_NOOP("Morvane", "Do you know state?")};
inline constexpr TResourceString rsKnowState{QT_TRANSLATE_NOOP("Morvane", "Do you know state?")};
inline constexpr TResourceString rsLookup{
    QT_TRANSLATE_NOOP("Morvane", "Invalid combination. Do you want to lookup?")};
inline constexpr TResourceString rsPostcodeIncorrectIataByCity{QT_TRANSLATE_NOOP(
    "Morvane", "Iata determined based on City and Country. But the postcode is incorrect.")};
inline constexpr TResourceString rsEnterPostcode{
    QT_TRANSLATE_NOOP("Morvane", "Please enter the postcode.")};
inline constexpr TResourceString rsEnterCityOrPostcode{
    QT_TRANSLATE_NOOP("Morvane", "Please enter either City or Postcode.")};
inline constexpr TResourceString rsEnterCity{
    QT_TRANSLATE_NOOP("Morvane", "Please enter the City.")};
inline constexpr TResourceString rsKnowPostcode{
    QT_TRANSLATE_NOOP("Morvane", "Do you know postcode?")};
inline constexpr TResourceString rsInvalidCountry{QT_TRANSLATE_NOOP("Morvane", "Invalid Country")};
inline constexpr TResourceString rsCountryCodeBlank{
    QT_TRANSLATE_NOOP("Morvane", "Country Code is Blank.")};
inline constexpr TResourceString rsIataByCity{
    QT_TRANSLATE_NOOP("Morvane", "Iata determined based on City and Country.")};
inline constexpr TResourceString rsIataUnlistedCity{
    QT_TRANSLATE_NOOP("Morvane", "Iata determined corresponding to unlisted city.")};
inline constexpr TResourceString rsAutodestinationException{
    QT_TRANSLATE_NOOP("Morvane", "An exception occurred in autodestination.")};
} // namespace ars
