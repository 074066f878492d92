// Texts of the lookup frames of the sender page.
#pragma once

#include "unitResourceStrings.h"

inline constexpr TResourceString rsFraOK{QT_TRANSLATE_NOOP("Morvane", "&OK")};
inline constexpr TResourceString rsFraEllipsis{QT_TRANSLATE_NOOP("Morvane", "...")};
inline constexpr TResourceString rsFraCodeLabel{QT_TRANSLATE_NOOP("Morvane", "Code:")};
inline constexpr TResourceString rsFraColCountryCode{QT_TRANSLATE_NOOP("Morvane", "Country Code")};
inline constexpr TResourceString rsFraColCountryName{QT_TRANSLATE_NOOP("Morvane", "Country Name")};
inline constexpr TResourceString rsFraColState{QT_TRANSLATE_NOOP("Morvane", "State")};
inline constexpr TResourceString rsFraColCity{QT_TRANSLATE_NOOP("Morvane", "City")};
inline constexpr TResourceString rsFraColIATA{QT_TRANSLATE_NOOP("Morvane", "IATA")};
inline constexpr TResourceString rsFraColSuburb{QT_TRANSLATE_NOOP("Morvane", "Suburb")};
inline constexpr TResourceString rsFraCountryCodeBlank{
    QT_TRANSLATE_NOOP("Morvane", "The Countrycode can not be blank.")};
inline constexpr TResourceString rsFraCountryNameBlank{
    QT_TRANSLATE_NOOP("Morvane", "Blanks are not allowed")};
inline constexpr TResourceString rsFraStateBlank{QT_TRANSLATE_NOOP("Morvane", "State is Blank")};
inline constexpr TResourceString rsFraIATABlank{QT_TRANSLATE_NOOP("Morvane", "IATA is Blank")};
inline constexpr TResourceString rsFraSuburbBlank{
    QT_TRANSLATE_NOOP("Morvane", "Blanks are not allowed.")};
inline constexpr TResourceString rsFraSuburbNotInList{
    QT_TRANSLATE_NOOP("Morvane", "The Current Value %s not in list. Do you want to add?")};
inline constexpr TResourceString rsFraInvalidCountryCode{
    QT_TRANSLATE_NOOP("Morvane", "Invalid country code. Please select from the list.")};
inline constexpr TResourceString rsFraInvalidCountryName{
    QT_TRANSLATE_NOOP("Morvane", "Invalid country name. Please select from the list.")};
inline constexpr TResourceString rsFraInvalidCountry{
    QT_TRANSLATE_NOOP("Morvane", "Invalid country. Please select from the list.")};
inline constexpr TResourceString rsFraInvalidState{
    QT_TRANSLATE_NOOP("Morvane", "Invalid state. Please select from the list.")};
inline constexpr TResourceString rsFraInvalidIATA{
    QT_TRANSLATE_NOOP("Morvane", "Invalid IATA. Please select from the list.")};
inline constexpr TResourceString rsFraDefaultStateLabel{
    QT_TRANSLATE_NOOP("Morvane", "State/Province")};
