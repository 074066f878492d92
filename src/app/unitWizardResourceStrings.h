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

// The continued sender page and its destination-billing grid.
inline constexpr TResourceString rsSenderZorvAccount{QT_TRANSLATE_NOOP("Morvane", "Zorv Account")};
inline constexpr TResourceString rsSenderTCAccount{QT_TRANSLATE_NOOP("Morvane", "TC Account")};
inline constexpr TResourceString rsSenderVATGST{QT_TRANSLATE_NOOP("Morvane", "VAT/GST No.")};
inline constexpr TResourceString rsSenderReference{
    QT_TRANSLATE_NOOP("Morvane", "Shipper Reference")};
inline constexpr TResourceString rsSenderRefType{QT_TRANSLATE_NOOP("Morvane", "Reference Type")};
inline constexpr TResourceString rsSenderContents{QT_TRANSLATE_NOOP("Morvane", "Contents")};
inline constexpr TResourceString rsSenderExportLicense{
    QT_TRANSLATE_NOOP("Morvane", "Export License")};
inline constexpr TResourceString rsSenderLicenseExpiration{
    QT_TRANSLATE_NOOP("Morvane", "License Expiration")};
inline constexpr TResourceString rsSenderTaxId{QT_TRANSLATE_NOOP("Morvane", "Federal Tax ID")};
inline constexpr TResourceString rsSenderCNPJ{QT_TRANSLATE_NOOP("Morvane", "State Tax ID")};
inline constexpr TResourceString rsDestinationBilling{
    QT_TRANSLATE_NOOP("Morvane", "Destination Billing")};
inline constexpr TResourceString rsDestBillingAccountNo{
    QT_TRANSLATE_NOOP("Morvane", "Account No.")};
inline constexpr TResourceString rsDestBillingAdd{QT_TRANSLATE_NOOP("Morvane", "&Add")};
inline constexpr TResourceString rsDestBillingEdit{QT_TRANSLATE_NOOP("Morvane", "&Edit")};
inline constexpr TResourceString rsDestBillingDelete{QT_TRANSLATE_NOOP("Morvane", "&Delete")};
// Captions of the grid's messages: "%S" is the page's subject.
inline constexpr TResourceString rsShipperSubject{QT_TRANSLATE_NOOP("Morvane", "Shipper")};
inline constexpr TResourceString rsCaptionSubjectConfirmation{
    QT_TRANSLATE_NOOP("Morvane", "%S - Confirmation")};
inline constexpr TResourceString rsCaptionSubjectInvalidData{
    QT_TRANSLATE_NOOP("Morvane", "%S - Invalid Data")};
inline constexpr TResourceString rsCaptionShipperWarning{
    QT_TRANSLATE_NOOP("Morvane", "Shipper - Warning")};
inline constexpr TResourceString rsDeleteRecords{
    QT_TRANSLATE_NOOP("Morvane", "Do you want to delete the record(s)?")};
inline constexpr TResourceString rsIATAExists{
    QT_TRANSLATE_NOOP("Morvane", "This IATA already exists.")};
inline constexpr TResourceString rsBlanksNotAllowed{
    QT_TRANSLATE_NOOP("Morvane", "Blanks are not allowed")};
inline constexpr TResourceString rsAccountNumberNotValid{
    QT_TRANSLATE_NOOP("Morvane", "Account Number is not valid.")};

// The communication page.
inline constexpr TResourceString rsDefaultModem{QT_TRANSLATE_NOOP("Morvane", "Default Modem")};
inline constexpr TResourceString rsErrorDetectingModems{
    QT_TRANSLATE_NOOP("Morvane", "Error detecting modems from Windows registry")};
inline constexpr TResourceString rsCSCommSetting{
    QT_TRANSLATE_NOOP("Morvane", "Zorv Morvane has functions that require a communication link "
                                 "to Zorv. Please enter details for the selected services")};
inline constexpr TResourceString rsCSEODviaFTP{QT_TRANSLATE_NOOP("Morvane", "End of day via SFTP")};
inline constexpr TResourceString rsCSEODviaEmail{
    QT_TRANSLATE_NOOP("Morvane", "End of day via Email")};
inline constexpr TResourceString rsCSNoOfRetries{QT_TRANSLATE_NOOP("Morvane", "No. Of Retries")};
inline constexpr TResourceString rsTPPviaEmail{
    QT_TRANSLATE_NOOP("Morvane", "Forward/Return via Email")};
// The service grid's columns, left to right.
inline constexpr TResourceString rsarServiceGridColumns[] = {
    {QT_TRANSLATE_NOOP("Morvane", "Service")},
    {QT_TRANSLATE_NOOP("Morvane", "Activate")},
    {QT_TRANSLATE_NOOP("Morvane", "Mode")},
    {QT_TRANSLATE_NOOP("Morvane", "Primary Phone")},
    {QT_TRANSLATE_NOOP("Morvane", "Secondary Phone")},
    {QT_TRANSLATE_NOOP("Morvane", "Server")},
    {QT_TRANSLATE_NOOP("Morvane", "Port")},
};

// The pickup page.
inline constexpr TResourceString rsDefaultPickup{
    QT_TRANSLATE_NOOP("Morvane", "Default Pickup Location")};
inline constexpr TResourceString rsPickupLocation{QT_TRANSLATE_NOOP("Morvane", "Pickup Location")};
inline constexpr TResourceString rsReadyByCutOffMargin{
    QT_TRANSLATE_NOOP("Morvane", "Ready By Cut-off Margin")};
inline constexpr TResourceString rsReadyCloseMargin{
    QT_TRANSLATE_NOOP("Morvane", "Ready Close Margin")};
inline constexpr TResourceString rsRequestCloseMargin{
    QT_TRANSLATE_NOOP("Morvane", "Request Close Margin")};
inline constexpr TResourceString rsRequestCutOffMargin{
    QT_TRANSLATE_NOOP("Morvane", "Request cut off margin")};
inline constexpr TResourceString rsDefaultCloseTime{
    QT_TRANSLATE_NOOP("Morvane", "Default Close Time")};
inline constexpr TResourceString rsDefaultReadyByTime{
    QT_TRANSLATE_NOOP("Morvane", "Default Ready By Time")};
inline constexpr TResourceString rsPickupMargins{
    QT_TRANSLATE_NOOP("Morvane", " Pickup Margins(in minutes)")};
inline constexpr TResourceString rsDefaultPickupTime{
    QT_TRANSLATE_NOOP("Morvane", "Default Time For Pickups")};
inline constexpr TResourceString rsHourMinute{QT_TRANSLATE_NOOP("Morvane", "hh  :  mm")};

// The SFTP page.
inline constexpr TResourceString rsFTPHost{QT_TRANSLATE_NOOP("Morvane", "Host")};
inline constexpr TResourceString rsFTPPort{QT_TRANSLATE_NOOP("Morvane", "Port")};
inline constexpr TResourceString rsFTPUserId{QT_TRANSLATE_NOOP("Morvane", "User ID")};
inline constexpr TResourceString rsFTPPasswd{QT_TRANSLATE_NOOP("Morvane", "Password")};
inline constexpr TResourceString rsFTPBuildDirPath{
    QT_TRANSLATE_NOOP("Morvane", "Build Directory Path")};
inline constexpr TResourceString rsFTPWorkDirPath{
    QT_TRANSLATE_NOOP("Morvane", "Work Directory Path")};
inline constexpr TResourceString rsFTPGatewayIATA{QT_TRANSLATE_NOOP("Morvane", "Gateway IATA")};
inline constexpr TResourceString rsFTPTransferMode{
    QT_TRANSLATE_NOOP("Morvane", "SFTP Transfer Mode")};
inline constexpr TResourceString rsActiveModeTransfer{
    QT_TRANSLATE_NOOP("Morvane", "Active Mode Transfer")};
inline constexpr TResourceString rsPassiveModeTransfer{
    QT_TRANSLATE_NOOP("Morvane", "Passive Mode Transfer")};

// The e-mail page.
inline constexpr TResourceString rsEmailHost{QT_TRANSLATE_NOOP("Morvane", "Outgoing Mail Server")};
inline constexpr TResourceString rsEmailPort{QT_TRANSLATE_NOOP("Morvane", "Port(SMTP)")};
inline constexpr TResourceString rsEmailUserId{QT_TRANSLATE_NOOP("Morvane", "User ID")};
inline constexpr TResourceString rsEmailPassword{QT_TRANSLATE_NOOP("Morvane", "Password")};

// The application-security page.
inline constexpr TResourceString rsApplSecurity{QT_TRANSLATE_NOOP(
    "Morvane", "To ease office security concerns, Zorv Morvane application allows you to assign a "
               "password to the default user that is required when the program is launched")};
inline constexpr TResourceString rsApplSecurityPasswd{
    QT_TRANSLATE_NOOP("Morvane", "Enter password")};
inline constexpr TResourceString rsApplSecurityRetypePasswd{
    QT_TRANSLATE_NOOP("Morvane", "Re-type Password")};
inline constexpr TResourceString rsApplSecurityPasswdRequired{QT_TRANSLATE_NOOP(
    "Morvane", "Yes, I want my Zorv Morvane software to request a password for the default user")};
// The site-registration page.
inline constexpr TResourceString rsShipmentIdAllocation{
    QT_TRANSLATE_NOOP("Morvane", "Shipment ID allocation")};
inline constexpr TResourceString rsLicencePlateAllocation{
    QT_TRANSLATE_NOOP("Morvane", "Licence plate number allocation")};
inline constexpr TResourceString rsNumbers{QT_TRANSLATE_NOOP("Morvane", "numbers")};
inline constexpr TResourceString rsRequestAwbLP{QT_TRANSLATE_NOOP(
    "Morvane", "Check the following option(s) to download a range of Shipment or LP Numbers")};
// The keys that start manual registration, as the page's text names them.
inline constexpr TResourceString rsManualEntryKeys{QT_TRANSLATE_NOOP("Morvane", "Ctrl+Alt+R")};

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

// Saving and registering on the site-registration page, manual registration.
inline constexpr TResourceString rsSiteRegistrationFailed{
    QT_TRANSLATE_NOOP("Morvane", "Site Registration Failed")};
inline constexpr TResourceString rsTablesNotRead{QT_TRANSLATE_NOOP(
    "Morvane", "Data from the database could not be read. The site cannot be registered. Please "
               "call Zorv technical support for help")};
inline constexpr TResourceString rsObjectNotAssigned{
    QT_TRANSLATE_NOOP("Morvane", "Object is not assigned")};
inline constexpr TResourceString rsNotSufficientDataForSiteReg{
    QT_TRANSLATE_NOOP("Morvane", "Not sufficient data for site registration")};
inline constexpr TResourceString rsRegistrationProcessFailed{
    QT_TRANSLATE_NOOP("Morvane", "The Registration process failed")};
inline constexpr TResourceString rsRuzServerNoSiteRegistration{
    QT_TRANSLATE_NOOP("Morvane", "US RUZ Server does not support Site Registration")};
inline constexpr TResourceString rsErrorInModemCommunication{
    QT_TRANSLATE_NOOP("Morvane", "Error in modem communication")};
inline constexpr TResourceString rsTryAgainOrManually{
    QT_TRANSLATE_NOOP("Morvane", "Please try again or do it manually")};
inline constexpr TResourceString rsCallTechSupport{QT_TRANSLATE_NOOP(
    "Morvane", "For manually registering the site, please call Zorv technical support at")};
inline constexpr TResourceString rsManualQuestionChoices{
    QT_TRANSLATE_NOOP("Morvane", "Press OK to manually enter the site id, Cancel to go back to "
                                 "Registration Wizard or Exit to exit the Registration Wizard")};
inline constexpr TResourceString rsExit{QT_TRANSLATE_NOOP("Morvane", "E&xit")};

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
// Leaving the data pages: the communication page's warnings, the pickup and
// password rules.
inline constexpr TResourceString rsSiteRegNotActivated{
    QT_TRANSLATE_NOOP("Morvane", "Site Registration service is not activated. You will not be "
                                 "able to transmit the registration data to Zorv via modem")};
inline constexpr TResourceString rsManualRegistrationByPhone{
    QT_TRANSLATE_NOOP("Morvane", "But you can manually register the site by calling Zorv "
                                 "Technical Support at")};
inline constexpr TResourceString rsNoModemSelectFromList{
    QT_TRANSLATE_NOOP("Morvane", "No modem installed. You will not be able to transmit the "
                                 "registration data to Zorv.")};
inline constexpr TResourceString rsSelectModemFromList{
    QT_TRANSLATE_NOOP("Morvane", "Please select one from the list")};
inline constexpr TResourceString rsNoModemInstalled{
    QT_TRANSLATE_NOOP("Morvane", "No modem Installed")};
inline constexpr TResourceString rsCannotTransmitRegistration{
    QT_TRANSLATE_NOOP("Morvane", "You will not be able to transmit the registration data to Zorv")};
inline constexpr TResourceString rsDefaultPickupBlank{
    QT_TRANSLATE_NOOP("Morvane", "Default Pickup Location can not be blank")};
inline constexpr TResourceString rsPasswordBlank{
    QT_TRANSLATE_NOOP("Morvane", "Password cannot be blank")};
inline constexpr TResourceString rsPasswordTooShort{
    QT_TRANSLATE_NOOP("Morvane", "Password length cannot be less than four characters")};
inline constexpr TResourceString rsPasswordsDoNotMatch{
    QT_TRANSLATE_NOOP("Morvane", "Passwords do not match")};
inline constexpr TResourceString rsReenterPassword{
    QT_TRANSLATE_NOOP("Morvane", "Please re-enter the password")};

} // namespace rs

// A field's caption: its text and a colon.
inline QString fnstLabel(TResourceString rs) {
    return fnstRS(rs) + QStringLiteral(":");
}
