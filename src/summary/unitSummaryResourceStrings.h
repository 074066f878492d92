// The labels and messages of the summary document, the help window and the
// printing of the terms, replaceable by the language dictionaries.
#pragma once

#include "unitResourceStrings.h"

namespace rssum {
inline constexpr TResourceString rsColon{QT_TRANSLATE_NOOP("Morvane", ":")};
inline constexpr TResourceString rsShipperInformation{
    QT_TRANSLATE_NOOP("Morvane", "Shipper Information")};
inline constexpr TResourceString rsCode{QT_TRANSLATE_NOOP("Morvane", "Code")};
inline constexpr TResourceString rsCompany{QT_TRANSLATE_NOOP("Morvane", "Company")};
inline constexpr TResourceString rsShipper{QT_TRANSLATE_NOOP("Morvane", "Shipper")};
inline constexpr TResourceString rsCountry{QT_TRANSLATE_NOOP("Morvane", "Country")};
inline constexpr TResourceString rsAddress{QT_TRANSLATE_NOOP("Morvane", "Address")};
inline constexpr TResourceString rsPostcodeZip{QT_TRANSLATE_NOOP("Morvane", "Postcode/Zip")};
inline constexpr TResourceString rsAirportCode{QT_TRANSLATE_NOOP("Morvane", "Airport Code")};
inline constexpr TResourceString rsStateProvince{QT_TRANSLATE_NOOP("Morvane", "State/Province")};
inline constexpr TResourceString rsCity{QT_TRANSLATE_NOOP("Morvane", "City")};
inline constexpr TResourceString rsSuburb{QT_TRANSLATE_NOOP("Morvane", "Suburb")};
inline constexpr TResourceString rsEmail{QT_TRANSLATE_NOOP("Morvane", "Email")};
inline constexpr TResourceString rsMobile{QT_TRANSLATE_NOOP("Morvane", "Mobile")};
inline constexpr TResourceString rsTelephone{QT_TRANSLATE_NOOP("Morvane", "Telephone")};
inline constexpr TResourceString rsZorvAccount{QT_TRANSLATE_NOOP("Morvane", "Zorv Account")};
inline constexpr TResourceString rsTCAccount{QT_TRANSLATE_NOOP("Morvane", "TC Account")};
inline constexpr TResourceString rsVATGST{QT_TRANSLATE_NOOP("Morvane", "VAT/GST No.")};
inline constexpr TResourceString rsReferenceType{QT_TRANSLATE_NOOP("Morvane", "Reference Type")};
inline constexpr TResourceString rsShipperReference{
    QT_TRANSLATE_NOOP("Morvane", "Shipper Reference")};
inline constexpr TResourceString rsContents{QT_TRANSLATE_NOOP("Morvane", "Contents")};
inline constexpr TResourceString rsExportLicense{QT_TRANSLATE_NOOP("Morvane", "Export License")};
inline constexpr TResourceString rsLicenseExpiration{
    QT_TRANSLATE_NOOP("Morvane", "License Expiration")};
inline constexpr TResourceString rsFederalTaxID{QT_TRANSLATE_NOOP("Morvane", "Federal Tax ID")};
inline constexpr TResourceString rsStateTaxID{QT_TRANSLATE_NOOP("Morvane", "State Tax ID")};
inline constexpr TResourceString rsDestinationBilling{
    QT_TRANSLATE_NOOP("Morvane", "Destination Billing")};
inline constexpr TResourceString rsAccountNo{QT_TRANSLATE_NOOP("Morvane", "Account No")};
inline constexpr TResourceString rsCommunicationSettings{
    QT_TRANSLATE_NOOP("Morvane", "Communication Settings")};
inline constexpr TResourceString rsDialRetries{QT_TRANSLATE_NOOP("Morvane", "Dial Retries")};
inline constexpr TResourceString rsService{QT_TRANSLATE_NOOP("Morvane", "Service")};
inline constexpr TResourceString rsFirstPhoneNo{QT_TRANSLATE_NOOP("Morvane", "1st Phone No.")};
inline constexpr TResourceString rsSecondPhoneNo{QT_TRANSLATE_NOOP("Morvane", "2nd Phone No.")};
inline constexpr TResourceString rsActive{QT_TRANSLATE_NOOP("Morvane", "Active")};
inline constexpr TResourceString rsMode{QT_TRANSLATE_NOOP("Morvane", "Mode")};
inline constexpr TResourceString rsHTTPServer{QT_TRANSLATE_NOOP("Morvane", "HTTP(S) Server")};
inline constexpr TResourceString rsHTTPPort{QT_TRANSLATE_NOOP("Morvane", "HTTP(S) Port")};
inline constexpr TResourceString rsEODViaSFTP{QT_TRANSLATE_NOOP("Morvane", "End of day via SFTP")};
inline constexpr TResourceString rsEODViaEmail{
    QT_TRANSLATE_NOOP("Morvane", "End of day via Email")};
inline constexpr TResourceString rsGatewayIATA{QT_TRANSLATE_NOOP("Morvane", "Gateway IATA")};
inline constexpr TResourceString rsDefaultModem{QT_TRANSLATE_NOOP("Morvane", "Default Modem")};
inline constexpr TResourceString rsForwardReturnEmail{
    QT_TRANSLATE_NOOP("Morvane", "Forward/Return Email")};
inline constexpr TResourceString rsForwardReturnViaEmail{
    QT_TRANSLATE_NOOP("Morvane", "Forward/Return via Email")};
inline constexpr TResourceString rsPickupDetails{QT_TRANSLATE_NOOP("Morvane", "Pickup Details")};
inline constexpr TResourceString rsDefaultPickupLocation{
    QT_TRANSLATE_NOOP("Morvane", "Default Pickup Location")};
inline constexpr TResourceString rsPickupLocation{QT_TRANSLATE_NOOP("Morvane", "Pickup Location")};
inline constexpr TResourceString rsRequestCutOffMargin{
    QT_TRANSLATE_NOOP("Morvane", "Request cut off margin")};
inline constexpr TResourceString rsReadyCloseMargin{
    QT_TRANSLATE_NOOP("Morvane", "Ready Close Margin")};
inline constexpr TResourceString rsRequestCloseMargin{
    QT_TRANSLATE_NOOP("Morvane", "Request Close Margin")};
inline constexpr TResourceString rsReadyByCutOffMargin{
    QT_TRANSLATE_NOOP("Morvane", "Ready By Cut-off Margin")};
inline constexpr TResourceString rsDefaultCloseTime{
    QT_TRANSLATE_NOOP("Morvane", "Default Close Time")};
inline constexpr TResourceString rsDefaultReadyByTime{
    QT_TRANSLATE_NOOP("Morvane", "Default Ready By Time")};
inline constexpr TResourceString rsInternetSettings{
    QT_TRANSLATE_NOOP("Morvane", "Internet Settings")};
inline constexpr TResourceString rsDialUpConnection{
    QT_TRANSLATE_NOOP("Morvane", "I use this Dial up connection to connect to internet")};
inline constexpr TResourceString rsWithoutProxy{
    QT_TRANSLATE_NOOP("Morvane", "Internet connection without proxy server")};
inline constexpr TResourceString rsUseProxyServer{
    QT_TRANSLATE_NOOP("Morvane", "I use a proxy server to connect to the internet")};
inline constexpr TResourceString rsSFTP{QT_TRANSLATE_NOOP("Morvane", "SFTP")};
inline constexpr TResourceString rsHTTP{QT_TRANSLATE_NOOP("Morvane", "HTTP")};
inline constexpr TResourceString rsHTTPS{QT_TRANSLATE_NOOP("Morvane", "HTTPS")};
inline constexpr TResourceString rsUseUserNamePassword{
    QT_TRANSLATE_NOOP("Morvane", "Use username and password")};
inline constexpr TResourceString rsUsername{QT_TRANSLATE_NOOP("Morvane", "Username")};
inline constexpr TResourceString rsUseNTLM{QT_TRANSLATE_NOOP("Morvane", "Use NTLM Authentication")};
inline constexpr TResourceString rsModem{QT_TRANSLATE_NOOP("Morvane", "Modem")};
inline constexpr TResourceString rsSFTPSettings{QT_TRANSLATE_NOOP("Morvane", "SFTP Settings")};
inline constexpr TResourceString rsHost{QT_TRANSLATE_NOOP("Morvane", "Host")};
inline constexpr TResourceString rsPort{QT_TRANSLATE_NOOP("Morvane", "Port")};
inline constexpr TResourceString rsUserID{QT_TRANSLATE_NOOP("Morvane", "User ID")};
inline constexpr TResourceString rsBuildDirectoryPath{
    QT_TRANSLATE_NOOP("Morvane", "Build Directory Path")};
inline constexpr TResourceString rsWorkDirectoryPath{
    QT_TRANSLATE_NOOP("Morvane", "Work Directory Path")};
inline constexpr TResourceString rsSFTPTransferMode{
    QT_TRANSLATE_NOOP("Morvane", "SFTP Transfer Mode")};
inline constexpr TResourceString rsActiveModeTransfer{
    QT_TRANSLATE_NOOP("Morvane", "Active Mode Transfer")};
inline constexpr TResourceString rsPassiveModeTransfer{
    QT_TRANSLATE_NOOP("Morvane", "Passive Mode Transfer")};
inline constexpr TResourceString rsEmailSettings{QT_TRANSLATE_NOOP("Morvane", "Email Settings")};
inline constexpr TResourceString rsOutgoingMailServer{
    QT_TRANSLATE_NOOP("Morvane", "Outgoing Mail Server")};
inline constexpr TResourceString rsPortSMTP{QT_TRANSLATE_NOOP("Morvane", "Port(SMTP)")};
inline constexpr TResourceString rsApplicationSecurity{
    QT_TRANSLATE_NOOP("Morvane", "Application Security")};
inline constexpr TResourceString rsRequestPassword{
    QT_TRANSLATE_NOOP("Morvane", "Zorv Morvane to request a password for the default user")};

// The help window and printing.
inline constexpr TResourceString rsHelpCaption{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Help")};
inline constexpr TResourceString rsHelpTopicNotFound{
    QT_TRANSLATE_NOOP("Morvane", "The help topic could not be found")};
inline constexpr TResourceString rsErrorSendingJob{
    QT_TRANSLATE_NOOP("Morvane", "Error sending job to printer")};
} // namespace rssum
