// The user-visible texts of site registration: results the wizard compares,
// the completion page's captions, the warning after a partial save and the
// manual registration dialog.
#pragma once

#include "unitResourceStrings.h"

namespace srs {
inline constexpr TResourceString rsSiteRegistrationFailed{
    QT_TRANSLATE_NOOP("Morvane", "Site Registration Failed")};
inline constexpr TResourceString rsInvalidSiteId{QT_TRANSLATE_NOOP("Morvane", "Invalid site id")};
inline constexpr TResourceString rsManualRegistrationFailed{
    QT_TRANSLATE_NOOP("Morvane", "Manual site registration failed")};

inline constexpr TResourceString rsCaptionWarning{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Warning")};
inline constexpr TResourceString rsCaptionConfirmation{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Confirmation")};
inline constexpr TResourceString rsOK{QT_TRANSLATE_NOOP("Morvane", "&OK")};
inline constexpr TResourceString rsCancel{QT_TRANSLATE_NOOP("Morvane", "&Cancel")};
inline constexpr TResourceString rsYes{QT_TRANSLATE_NOOP("Morvane", "&Yes")};
inline constexpr TResourceString rsNo{QT_TRANSLATE_NOOP("Morvane", "&No")};

// The completion page.
inline constexpr TResourceString rsShipmentRangeCaption{
    QT_TRANSLATE_NOOP("Morvane", "Range of shipment no allocated for this installation is :")};
inline constexpr TResourceString rsLicenceRangeCaption{
    QT_TRANSLATE_NOOP("Morvane", "Range of licence plate no allocated for this transaction is :")};
inline constexpr TResourceString rsRangeNotAvailable{
    QT_TRANSLATE_NOOP("Morvane", "Range not available")};
inline constexpr TResourceString rsRangeTo{QT_TRANSLATE_NOOP("Morvane", "  to  ")};
inline constexpr TResourceString rsPickupDetailRequest{
    QT_TRANSLATE_NOOP("Morvane", "Pickup detail request is :")};
inline constexpr TResourceString rsSuccessful{QT_TRANSLATE_NOOP("Morvane", "Successful")};
inline constexpr TResourceString rsNotSuccessful{QT_TRANSLATE_NOOP("Morvane", "Not Successful")};
inline constexpr TResourceString rsPickupAddressDetails{
    QT_TRANSLATE_NOOP("Morvane", "Pickup address details")};
inline constexpr TResourceString rsAccountNo{QT_TRANSLATE_NOOP("Morvane", "Account No")};
inline constexpr TResourceString rsAddress1{QT_TRANSLATE_NOOP("Morvane", "Address 1")};
inline constexpr TResourceString rsAddress2{QT_TRANSLATE_NOOP("Morvane", "Address 2")};
inline constexpr TResourceString rsAddress3{QT_TRANSLATE_NOOP("Morvane", "Address 3")};
inline constexpr TResourceString rsPostCode{QT_TRANSLATE_NOOP("Morvane", "Post Code")};
inline constexpr TResourceString rsCity{QT_TRANSLATE_NOOP("Morvane", "City")};

// The manual registration dialog.
inline constexpr TResourceString rsManualTitle{
    QT_TRANSLATE_NOOP("Morvane", "Enter the site id obtained from Zorv")};
inline constexpr TResourceString rsEnterSiteId{QT_TRANSLATE_NOOP("Morvane", "Enter Site ID")};
inline constexpr TResourceString rsRegistrationWizard{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard")};
inline constexpr TResourceString rsSiteIdBlank{
    QT_TRANSLATE_NOOP("Morvane", "Site id cannot be blank")};
inline constexpr TResourceString rsInvalidSiteIdEnterAgain{
    QT_TRANSLATE_NOOP("Morvane", "Invalid site id. Please enter again")};
inline constexpr TResourceString rsDataNotSaved{
    QT_TRANSLATE_NOOP("Morvane", "Data could not be saved to the database")};
inline constexpr TResourceString rsClickOKToExit{
    QT_TRANSLATE_NOOP("Morvane", "Click on OK button to exit")};
inline constexpr TResourceString rsNotUsableWithoutRegistration{QT_TRANSLATE_NOOP(
    "Morvane", "You will not be able to use the Zorv Morvane application without registration")};
inline constexpr TResourceString rsSureToClose{
    QT_TRANSLATE_NOOP("Morvane", "Are you sure that you want to close the registration wizard?")};
} // namespace srs
