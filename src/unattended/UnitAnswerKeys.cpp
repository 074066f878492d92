// The answers file's fixed keys and the controls they fill.
#include "UnitAnswerKeys.h"

#include "unitWizardPages.h"

#include <QStringList>

namespace {
constexpr const char *cpchShipper = "Shipper Information";
constexpr const char *cpchShipperCont = "Shipper Information (continued)";
constexpr const char *cpchComm = "Communication Settings";
constexpr const char *cpchPickup = "Pickup Location Details";
constexpr const char *cpchInternet = "Internet Settings";
constexpr const char *cpchSFTP = "SFTP Settings";
constexpr const char *cpchEmail = "Email Settings";
constexpr const char *cpchSecurity = "Application Security";
constexpr const char *cpchSiteReg = "Site Registration";

constexpr TrecAnswerKey carKeys[] = {
    {cpchShipper, "ID", akText, "edtSenderCode", wpSenderInfo},
    {cpchShipper, "Company", akText, "edtSenderCompany", wpSenderInfo},
    {cpchShipper, "Shipper", akText, "edtSenderName", wpSenderInfo},
    {cpchShipper, "Country", akCountry, "fraSenderCountry", wpSenderInfo},
    {cpchShipper, "Address 1", akText, "edtSenderAddress1", wpSenderInfo},
    {cpchShipper, "Address 2", akText, "edtSenderAddress2", wpSenderInfo},
    {cpchShipper, "Address 3", akText, "edtSenderAddress3", wpSenderInfo},
    {cpchShipper, "Postcode/Zip", akText, "edtSenderPostcode", wpSenderInfo},
    {cpchShipper, "City", akText, "edtSenderCity", wpSenderInfo},
    {cpchShipper, "Suburb", akSuburb, "fraSenderSuburb", wpSenderInfo},
    {cpchShipper, "State", akState, "fraSenderState", wpSenderInfo},
    {cpchShipper, "Airport Code", akIATA, "fraSenderIATA", wpSenderInfo},
    {cpchShipper, "Email", akText, "edtSenderEmail", wpSenderInfo},
    {cpchShipper, "Mobile", akText, "edtSenderMobile", wpSenderInfo},
    {cpchShipper, "Telephone", akText, "edtSenderTelephone", wpSenderInfo},

    {cpchShipperCont, "Zorv Account", akText, "edtSenderZorvAccount", wpSenderInfoCont},
    {cpchShipperCont, "TC Account", akText, "edtSenderTCAccount", wpSenderInfoCont},
    {cpchShipperCont, "VAT/GST No.", akText, "edtSenderVATGST", wpSenderInfoCont},
    {cpchShipperCont, "Shipper Reference", akText, "edtSenderReference", wpSenderInfoCont},
    {cpchShipperCont, "Reference Type", akCombo, "lcmbShipperRefType", wpSenderInfoCont},
    {cpchShipperCont, "Contents 1", akText, "edtSenderContents1", wpSenderInfoCont},
    {cpchShipperCont, "Contents 2", akText, "edtSenderContents2", wpSenderInfoCont},
    {cpchShipperCont, "Contents 3", akText, "edtSenderContents3", wpSenderInfoCont},
    {cpchShipperCont, "Export License", akText, "edtSenderExportLicense", wpSenderInfoCont},
    {cpchShipperCont, "License Expiration", akDate, "calSenderLicenseExpiration", wpSenderInfoCont},
    {cpchShipperCont, "Federal Tax ID", akText, "edtSenderTaxId", wpSenderInfoCont},
    {cpchShipperCont, "State Tax ID", akText, "edtSenderCNPJ", wpSenderInfoCont},
    {cpchShipperCont, "Destination Billing", akCheck, "chkDestinationBilling", wpSenderInfoCont},

    {cpchComm, "No. Of Retries", akSpin, "speCSNoOfRetries", wpCommSetting},
    {cpchComm, "Gateway IATA", akText, "edtGatewayIATA", wpCommSetting},
    {cpchComm, "Default Modem", akCombo, "cmbModemNameList", wpCommSetting},
    {cpchComm, "End of day via SFTP", akCheck, "chkCSEODviaFTP", wpCommSetting},
    {cpchComm, "End of day via Email", akCheck, "chkCSEODviaEmail", wpCommSetting},
    {cpchComm, "End of day Email Address", akText, "edtCSEODviaEmailAddress", wpCommSetting},
    {cpchComm, "Forward/Return via Email", akCheck, "chkTPPviaEmail", wpCommSetting},
    {cpchComm, "Forward/Return Email Address", akText, "edtTPPviaEmailAddress", wpCommSetting},

    {cpchPickup, "Default Pickup Location", akText, "edtDefaultPickup", wpPickupDetails},
    {cpchPickup, "Pickup Location 1", akText, "edtPickup1", wpPickupDetails},
    {cpchPickup, "Pickup Location 2", akText, "edtPickup2", wpPickupDetails},
    {cpchPickup, "Pickup Location 3", akText, "edtPickup3", wpPickupDetails},
    {cpchPickup, "Pickup Location 4", akText, "edtPickup4", wpPickupDetails},
    {cpchPickup, "Request cut off margin", akSpin, "speRequestCutOffMargin", wpPickupDetails},
    {cpchPickup, "Ready Close Margin", akSpin, "speReadyByCloseMargin", wpPickupDetails},
    {cpchPickup, "Request Close Margin", akSpin, "speRequestCloseMargin", wpPickupDetails},
    {cpchPickup, "Ready By Cut-off Margin", akSpin, "speReadyByCutOffMargin", wpPickupDetails},
    {cpchPickup, "Default Close Time", akTime, "speDefaultCloseTimeHour;speDefaultCloseTimeMinute",
     wpPickupDetails},
    {cpchPickup, "Default Ready By Time", akTime,
     "speDefaultReadyByTimeHour;speDefaultReadyByTimeMinute", wpPickupDetails},

    {cpchInternet, "Connection", akRadio,
     "Proxy Server=radProxyServer;Without Proxy=radWithoutProxy;Dial Up=radDialUp",
     wpInternetDetails},
    {cpchInternet, "Use Browser Proxy Settings", akCheck, "chkBrowserProxysettings",
     wpInternetDetails},
    {cpchInternet, "HTTP Proxy Address", akText, "edtHTTPProxyAddress", wpInternetDetails},
    {cpchInternet, "HTTP Port", akText, "edtHTTPPortNumber", wpInternetDetails},
    {cpchInternet, "HTTPS Proxy Address", akText, "edtHTTPSProxyAddress", wpInternetDetails},
    {cpchInternet, "HTTPS Port", akText, "edtHTTPSPortNumber", wpInternetDetails},
    {cpchInternet, "FTP Proxy Address", akText, "edtFTPProxyAddress", wpInternetDetails},
    {cpchInternet, "FTP Port", akText, "edtFTPPortNumber", wpInternetDetails},
    {cpchInternet, "Use username and password", akCheck, "chkUserNamePwdConfirmation",
     wpInternetDetails},
    {cpchInternet, "Username", akText, "edtUserName", wpInternetDetails},
    {cpchInternet, "Password", akText, "edtPassword", wpInternetDetails},
    {cpchInternet, "Use NTLM Authentication", akCheck, "chkNTLM", wpInternetDetails},
    {cpchInternet, "Connect Using", akCombo, "cmbDialup", wpInternetDetails},

    {cpchSFTP, "Host", akText, "edtFTPHost", wpFTPSetting},
    {cpchSFTP, "Port", akText, "edtFTPPort", wpFTPSetting},
    {cpchSFTP, "User ID", akText, "edtFTPUserId", wpFTPSetting},
    {cpchSFTP, "Password", akText, "edtFTPPasswd", wpFTPSetting},
    {cpchSFTP, "Build Directory Path", akText, "edtFTPBuildDirPath", wpFTPSetting},
    {cpchSFTP, "Work Directory Path", akText, "edtFTPWorkDirPath", wpFTPSetting},
    {cpchSFTP, "SFTP Transfer Mode", akRadio,
     "Active=radRWMnfModeActive;Passive=radRWMnfModePassive", wpFTPSetting},

    {cpchEmail, "Outgoing Mail Server", akText, "edtEmailHost", wpEmailSetting},
    {cpchEmail, "Port(SMTP)", akText, "edtEmailPort", wpEmailSetting},
    {cpchEmail, "User ID", akText, "edtEmailUserId", wpEmailSetting},
    {cpchEmail, "Password", akText, "edtEmailPassword", wpEmailSetting},

    {cpchSecurity, "Request a password", akCheck, "chkApplSecurityPasswdRequired", wpApplSecurity},
    {cpchSecurity, "Enter password", akText, "edtApplSecurityPasswd", wpApplSecurity},
    {cpchSecurity, "Re-type Password", akText, "edtApplSecurityRetypePasswd", wpApplSecurity},

    {cpchSiteReg, "Shipment ID allocation", akCheck, "chklShipmentNoAllocation",
     wpSiteRegistration},
    {cpchSiteReg, "Shipment ID numbers", akCombo, "cmbShipNoAllocation", wpSiteRegistration},
    {cpchSiteReg, "Licence plate number allocation", akCheck, "chklicenceno", wpSiteRegistration},
    {cpchSiteReg, "Licence plate numbers", akCombo, "cmbLPNoAlloc", wpSiteRegistration},
};
} // namespace

std::span<const TrecAnswerKey> fnarAnswerKeys() {
    return carKeys;
}

const TrecAnswerKey *fnpAnswerKey(const QString &stSection, const QString &stKey) {
    for (const TrecAnswerKey &rec : carKeys)
        if (stSection == QLatin1String(rec.pchSection) && stKey == QLatin1String(rec.pchKey))
            return &rec;
    return nullptr;
}

bool fnbAnswerSection(const QString &stSection) {
    if (stSection == cstDestinationBillingSection || stSection == cstServicesSection ||
        stSection == cstAnswersSection)
        return true;
    for (const TrecAnswerKey &rec : carKeys)
        if (stSection == QLatin1String(rec.pchSection))
            return true;
    return false;
}

std::vector<std::pair<QString, QString>> fnarRadioChoices(const TrecAnswerKey &rec) {
    std::vector<std::pair<QString, QString>> ar;
    for (const QString &stPair : QString::fromLatin1(rec.pchControl).split(QLatin1Char(';'))) {
        const qsizetype iEq = stPair.indexOf(QLatin1Char('='));
        ar.emplace_back(stPair.left(iEq), stPair.mid(iEq + 1));
    }
    return ar;
}
