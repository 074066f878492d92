// The wizard form's user-visible texts.
#pragma once

#include "unitResourceStrings.h"

namespace rs {
// Message box captions and buttons.
inline constexpr TResourceString rsCaptionWarning{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Warning")};
inline constexpr TResourceString rsCaptionErrorList{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Error List")};
inline constexpr TResourceString rsCaptionConfirmation{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Confirmation")};
inline constexpr TResourceString rsOK{QT_TRANSLATE_NOOP("Morvane", "&OK")};
inline constexpr TResourceString rsYes{QT_TRANSLATE_NOOP("Morvane", "&Yes")};
inline constexpr TResourceString rsNo{QT_TRANSLATE_NOOP("Morvane", "&No")};

// Start-up and shutdown.
inline constexpr TResourceString rsBaseDirNotRead{
    QT_TRANSLATE_NOOP("Morvane", "Application base directory could not be read from registry")};
inline constexpr TResourceString rsNotSufficientData{
    QT_TRANSLATE_NOOP("Morvane", "Not sufficient data for site registration.")};
inline constexpr TResourceString rsAnotherInstance{
    QT_TRANSLATE_NOOP("Morvane", "Another instance of the application is running")};
inline constexpr TResourceString rsClickOKToExit{
    QT_TRANSLATE_NOOP("Morvane", "Click on OK button to exit")};
inline constexpr TResourceString rsAlreadyRegistered{
    QT_TRANSLATE_NOOP("Morvane", "The site is already registered")};
inline constexpr TResourceString rsCannotRegisterUnlessAccept{
    QT_TRANSLATE_NOOP("Morvane", "You cannot register Zorv Morvane application unless you accept "
                                 "the Zorv End User License Agreement")};
inline constexpr TResourceString rsSureToClose{
    QT_TRANSLATE_NOOP("Morvane", "Are you sure that you want to close the registration wizard?")};
inline constexpr TResourceString rsNotUsableWithoutRegistration{QT_TRANSLATE_NOOP(
    "Morvane", "You will not be able to use the Zorv Morvane application without registration")};
inline constexpr TResourceString rsDataNotSaved{
    QT_TRANSLATE_NOOP("Morvane", "Data could not be saved to the database")};
inline constexpr TResourceString rsLaunchNow{
    QT_TRANSLATE_NOOP("Morvane", "Do you want to launch the Zorv Morvane application now?")};
inline constexpr TResourceString rsErrorOccurred{QT_TRANSLATE_NOOP("Morvane", "Error occurred")};

// Form, buttons and legend.
inline constexpr TResourceString rsFormCaption{
    QT_TRANSLATE_NOOP("Morvane", "Zorv Morvane - Registration Wizard")};
inline constexpr TResourceString rsNext{QT_TRANSLATE_NOOP("Morvane", "&Next")};
inline constexpr TResourceString rsBack{QT_TRANSLATE_NOOP("Morvane", "&Back")};
inline constexpr TResourceString rsCancel{QT_TRANSLATE_NOOP("Morvane", "&Cancel")};
inline constexpr TResourceString rsHelp{QT_TRANSLATE_NOOP("Morvane", "&Help")};
inline constexpr TResourceString rsAccept{QT_TRANSLATE_NOOP("Morvane", "I &Accept")};
inline constexpr TResourceString rsDecline{QT_TRANSLATE_NOOP("Morvane", "I &Decline")};
inline constexpr TResourceString rsFinish{QT_TRANSLATE_NOOP("Morvane", "&Finish")};
inline constexpr TResourceString rsPrintTerms{
    QT_TRANSLATE_NOOP("Morvane", "&Print Terms and Conditions")};
inline constexpr TResourceString rsMandatoryFields{
    QT_TRANSLATE_NOOP("Morvane", "Mandatory Fields")};

// The sender page's labels.
inline constexpr TResourceString rsSenderCode{QT_TRANSLATE_NOOP("Morvane", "ID")};
inline constexpr TResourceString rsSenderCompany{QT_TRANSLATE_NOOP("Morvane", "Company")};
inline constexpr TResourceString rsSenderName{QT_TRANSLATE_NOOP("Morvane", "Shipper")};
inline constexpr TResourceString rsSenderCountry{QT_TRANSLATE_NOOP("Morvane", "Country")};
inline constexpr TResourceString rsSenderAddress{QT_TRANSLATE_NOOP("Morvane", "Address")};
inline constexpr TResourceString rsSenderPostcode{QT_TRANSLATE_NOOP("Morvane", "Postcode/Zip")};
inline constexpr TResourceString rsSenderCity{QT_TRANSLATE_NOOP("Morvane", "City")};
inline constexpr TResourceString rsSenderSuburb{QT_TRANSLATE_NOOP("Morvane", "Suburb")};
inline constexpr TResourceString rsSenderState{QT_TRANSLATE_NOOP("Morvane", "State")};
inline constexpr TResourceString rsSenderAirportCode{QT_TRANSLATE_NOOP("Morvane", "Airport Code")};
inline constexpr TResourceString rsSenderEmail{QT_TRANSLATE_NOOP("Morvane", "Email")};
inline constexpr TResourceString rsSenderMobile{QT_TRANSLATE_NOOP("Morvane", "Mobile")};
inline constexpr TResourceString rsSenderTelephone{QT_TRANSLATE_NOOP("Morvane", "Telephone")};
// The blank messages of the country and airport combos: "%S" is the field.
inline constexpr TResourceString rsFieldCannotBeBlank{
    QT_TRANSLATE_NOOP("Morvane", "The %S cannot be blank.")};

// The communication page.
inline constexpr TResourceString rsDefaultModem{QT_TRANSLATE_NOOP("Morvane", "Default Modem")};
inline constexpr TResourceString rsErrorDetectingModems{
    QT_TRANSLATE_NOOP("Morvane", "Error detecting modems from Windows registry")};

// The internet page (the login texts are the proxy dialog's, pss).
inline constexpr TResourceString rsProxyServer{
    QT_TRANSLATE_NOOP("Morvane", "I use a proxy server to connect to the internet")};
inline constexpr TResourceString rsWithoutProxy{
    QT_TRANSLATE_NOOP("Morvane", "Internet connection without proxy server")};
inline constexpr TResourceString rsDialUp{
    QT_TRANSLATE_NOOP("Morvane", "I use this Dial up connection to connect to internet")};
inline constexpr TResourceString rsConnectUsing{QT_TRANSLATE_NOOP("Morvane", "Connect Using")};
inline constexpr TResourceString rsBrowserSettings{
    QT_TRANSLATE_NOOP("Morvane", "Use Browser Proxy Settings")};
inline constexpr TResourceString rsProxyAddress{QT_TRANSLATE_NOOP("Morvane", "Proxy Address")};
inline constexpr TResourceString rsHTTP{QT_TRANSLATE_NOOP("Morvane", "HTTP")};
inline constexpr TResourceString rsHTTPS{QT_TRANSLATE_NOOP("Morvane", "HTTPS")};
inline constexpr TResourceString rsSFTP{QT_TRANSLATE_NOOP("Morvane", "SFTP")};
inline constexpr TResourceString rsProxyServerSettings{
    QT_TRANSLATE_NOOP("Morvane", "Proxy &Settings...")};
inline constexpr TResourceString rsCaptionInformation{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Information")};
inline constexpr TResourceString rsNoDialUpLocation{
    QT_TRANSLATE_NOOP("Morvane", "No dial-up networking location exists")};
inline constexpr TResourceString rsSelectAnotherOption{
    QT_TRANSLATE_NOOP("Morvane", "Please select another option to connect to the Internet")};

// The completion page.
inline constexpr TResourceString rsRegCompleted1{
    QT_TRANSLATE_NOOP("Morvane", "Registration process is completed successfully")};
inline constexpr TResourceString rsRegCompleted2{QT_TRANSLATE_NOOP(
    "Morvane",
    "The returned site id from Zorv for this installation of Zorv Morvane application is")};
inline constexpr TResourceString rsRegCompleted4{QT_TRANSLATE_NOOP(
    "Morvane", "Click the Finish button to exit the wizard and start Zorv Morvane Application")};

// Page titles, in page order.
inline constexpr TResourceString rsarPageTitles[] = {
    {QT_TRANSLATE_NOOP("Morvane", "Welcome to Zorv Morvane Registration")},
    {QT_TRANSLATE_NOOP("Morvane", "Terms and Conditions")},
    {QT_TRANSLATE_NOOP("Morvane", "Shipper Information")},
    {QT_TRANSLATE_NOOP("Morvane", "Shipper Information (continued)")},
    {QT_TRANSLATE_NOOP("Morvane", "Communication Settings")},
    {QT_TRANSLATE_NOOP("Morvane", "Pickup Location Details")},
    {QT_TRANSLATE_NOOP("Morvane", "Internet Settings")},
    {QT_TRANSLATE_NOOP("Morvane", "SFTP Settings")},
    {QT_TRANSLATE_NOOP("Morvane", "Email Settings")},
    {QT_TRANSLATE_NOOP("Morvane", "Application Security")},
    {QT_TRANSLATE_NOOP("Morvane", "Summary of Entered Registration Data")},
    {QT_TRANSLATE_NOOP("Morvane", "Site Registration")},
    {QT_TRANSLATE_NOOP("Morvane", "Registration Completed")},
};

// Step tree items, in tree order.
inline constexpr TResourceString rsarTreeItems[] = {
    {QT_TRANSLATE_NOOP("Morvane", "Welcome")},
    {QT_TRANSLATE_NOOP("Morvane", "Terms and Conditions")},
    {QT_TRANSLATE_NOOP("Morvane", "Shipper Information")},
    {QT_TRANSLATE_NOOP("Morvane", "Communication Settings")},
    {QT_TRANSLATE_NOOP("Morvane", "Pickup Options")},
    {QT_TRANSLATE_NOOP("Morvane", "Internet Settings")},
    {QT_TRANSLATE_NOOP("Morvane", "SFTP Settings")},
    {QT_TRANSLATE_NOOP("Morvane", "Email Settings")},
    {QT_TRANSLATE_NOOP("Morvane", "Application Security")},
    {QT_TRANSLATE_NOOP("Morvane", "Site Registration")},
    {QT_TRANSLATE_NOOP("Morvane", "Registration Completed")},
};
} // namespace rs
