// The sections of the summary document, one per page group, in the order the
// wizard shows the pages.
#include "unitRWFormatFile.h"

#include "unitLogToFile.h"
#include "unitSummaryResourceStrings.h"

namespace {
QString fnstYesNo(bool b) {
    return b ? QStringLiteral("Y") : QStringLiteral("N");
}
} // namespace

void TclsFormatFile::pWriteSenders(const TclsRWSendersData &obj,
                                   const TarDestinationBilling &arBilling) {
    pWriteSection(fnstRS(rssum::rsShipperInformation));
    pWriteRow(fnstRS(rssum::rsCode), obj.stSenderCode);
    pWriteRow(fnstRS(rssum::rsCompany), obj.stCompany);
    pWriteRow(fnstRS(rssum::rsShipper), obj.stShipperName);
    pWriteRow(fnstRS(rssum::rsCountry), obj.stCountryName);
    pWriteRow(fnstRS(rssum::rsAddress) + QStringLiteral("1"), obj.stAddress1);
    pWriteRow(fnstRS(rssum::rsAddress) + QStringLiteral("2"), obj.stAddress2);
    pWriteRow(fnstRS(rssum::rsAddress) + QStringLiteral("3"), obj.stAddress3);
    pWriteRow(fnstRS(rssum::rsPostcodeZip), obj.stPostcode);
    pWriteRow(fnstRS(rssum::rsAirportCode), obj.stAirportCode);
    pWriteRow(fnstRS(rssum::rsStateProvince), obj.stState);
    // A sender of a country that gives addresses by suburb has one.
    if (obj.stSuburb.isEmpty())
        pWriteRow(fnstRS(rssum::rsCity), obj.stCity);
    else
        pWriteRow(fnstRS(rssum::rsCity) + QStringLiteral("/") + fnstRS(rssum::rsSuburb),
                  obj.stCity + QStringLiteral("/") + obj.stSuburb);
    pWriteRow(fnstRS(rssum::rsEmail), obj.stEmail);
    pWriteRow(fnstRS(rssum::rsMobile), obj.stMobile);
    pWriteRow(fnstRS(rssum::rsTelephone), obj.stTelephone);
    pWriteRow(fnstRS(rssum::rsZorvAccount), obj.stZorvAccount);
    pWriteRow(fnstRS(rssum::rsTCAccount), obj.stTCAccount);
    pWriteRow(fnstRS(rssum::rsVATGST), obj.stVATGST);
    pWriteRow(fnstRS(rssum::rsReferenceType), obj.stReferenceTypeDesc.isEmpty()
                                                  ? obj.stReferenceTypeCode
                                                  : obj.stReferenceTypeDesc);
    pWriteRow(fnstRS(rssum::rsShipperReference), obj.stReference);
    for (const QString &stContents : {obj.stContents1, obj.stContents2, obj.stContents3})
        pWriteRow(fnstRS(rssum::rsContents), stContents);
    pWriteRow(fnstRS(rssum::rsExportLicense), obj.stExportLicense);
    pWriteRow(fnstRS(rssum::rsLicenseExpiration), fnstFormatDate(obj.dtLicenseExpiration));
    pWriteRow(fnstRS(rssum::rsFederalTaxID), obj.stFederalTaxId);
    pWriteRow(fnstRS(rssum::rsStateTaxID), obj.stStateTaxId);
    pWriteRow(fnstRS(rssum::rsDestinationBilling), fnstYesNo(obj.bDestinationBilling));
    if (!obj.bDestinationBilling)
        return;
    for (const auto &[stAirport, stAccount] : arBilling) {
        pWriteRow(fnstRS(rssum::rsAirportCode), stAirport);
        pWriteRow(fnstRS(rssum::rsAccountNo), stAccount);
    }
}

void TclsFormatFile::pWriteService(const QString &stService, const QString &stPhone1,
                                   const QString &stPhone2, bool bActive, const QString &stMode,
                                   const QString &stServer, const QString &stPort) {
    pWriteLine(QStringLiteral("<TR><TD>&nbsp;</TD></TR>"));
    pWriteRow(fnstRS(rssum::rsService), stService);
    pWriteRow(fnstRS(rssum::rsFirstPhoneNo), stPhone1);
    pWriteRow(fnstRS(rssum::rsSecondPhoneNo), stPhone2);
    pWriteRow(fnstRS(rssum::rsActive), fnstYesNo(bActive));
    pWriteRow(fnstRS(rssum::rsMode), stMode);
    pWriteRow(fnstRS(rssum::rsHTTPServer), stServer);
    pWriteRow(fnstRS(rssum::rsHTTPPort), stPort);
}

void TclsFormatFile::pWriteCommSetting(const TclsRWCommSettingData &obj) {
    pWriteSection(fnstRS(rssum::rsCommunicationSettings));
    pWriteRow(fnstRS(rssum::rsDialRetries), QString::number(obj.iNoOfRetries));
    static constexpr TCommService carOrder[] = {csSiteRegistration,
                                                csShipmentDataFiles,
                                                csTracking,
                                                csSchedulePickup,
                                                csAutomaticShipmentIDAllocation,
                                                csAutomaticLPNumberAllocation,
                                                csForwardReturn,
                                                csShipmentNotificationViaRUZ};
    for (const TCommService cs : carOrder) {
        const QString &stName = fnarCommServiceNames()[cs];
        const TrecCommServiceBlock &rec = obj.arServices[cs];
        pWriteLog(0, QStringLiteral("unitRWFormatFile"), QStringLiteral("fnstFormatSummary"),
                  QStringLiteral("calling pWriteService Method for ") + stName);
        pWriteService(stName, rec.stPrimaryPhone, rec.stSecondaryPhone, rec.bInUse, rec.stMode,
                      rec.stHTTPServer, rec.stHTTPPort);
    }
    pWriteRow(fnstRS(rssum::rsEODViaSFTP), fnstYesNo(obj.bEODViaFTP));
    pWriteRow(fnstRS(rssum::rsEODViaEmail), fnstYesNo(obj.bEODViaEmail));
    pWriteRow(fnstRS(rssum::rsEmail), obj.stEODEmailAddress);
    pWriteRow(fnstRS(rssum::rsGatewayIATA), obj.stGatewayIATA);
    pWriteRow(fnstRS(rssum::rsDefaultModem), obj.stModemName);
    pWriteRow(fnstRS(rssum::rsForwardReturnEmail), obj.stReturnEmailAddress);
    pWriteRow(fnstRS(rssum::rsForwardReturnViaEmail), fnstYesNo(obj.bReturnViaEmail));
}

void TclsFormatFile::pWritePickup(const TclsRWPickupData &obj) {
    pWriteSection(fnstRS(rssum::rsPickupDetails));
    // The holder lists the default location first, then the other locations given.
    pWriteRow(fnstRS(rssum::rsDefaultPickupLocation), obj.slPickupLocations.value(0));
    for (int i = 1; i <= 4; ++i)
        pWriteRow(fnstRS(rssum::rsPickupLocation) + QStringLiteral(" %1").arg(i),
                  obj.slPickupLocations.value(i));
    pWriteRow(fnstRS(rssum::rsRequestCutOffMargin), QString::number(obj.iRequestCutOffMargin));
    pWriteRow(fnstRS(rssum::rsReadyCloseMargin), QString::number(obj.iReadyByCloseMargin));
    pWriteRow(fnstRS(rssum::rsRequestCloseMargin), QString::number(obj.iRequestCloseMargin));
    pWriteRow(fnstRS(rssum::rsReadyByCutOffMargin), QString::number(obj.iReadyByCutOffMargin));
    pWriteRow(fnstRS(rssum::rsDefaultCloseTime),
              obj.tmDefaultCloseTime.toString(QStringLiteral("HH:mm")));
    pWriteRow(fnstRS(rssum::rsDefaultReadyByTime),
              obj.tmDefaultReadyByTime.toString(QStringLiteral("HH:mm")));
}

void TclsFormatFile::pWriteInternet(const TclsRWProxyServerData &obj) {
    pWriteSection(fnstRS(rssum::rsInternetSettings));
    if (obj.iConnectionType == ctDialUp) {
        pWriteRow(fnstRS(rssum::rsDialUpConnection), QString());
        pWriteRow(fnstRS(rssum::rsModem), obj.stDialupName);
        return;
    }
    if (obj.iConnectionType == ctWithoutProxy) {
        pWriteRow(fnstRS(rssum::rsWithoutProxy) + QStringLiteral("."), QString());
        return;
    }
    pWriteRow(fnstRS(rssum::rsUseProxyServer), QString());
    const auto fnstAddress = [](const QString &stAddress, int iPort) {
        // A protocol without a proxy shows nothing rather than ":0".
        return stAddress.isEmpty() ? QString() : stAddress + QStringLiteral(":%1").arg(iPort);
    };
    pWriteRow(fnstRS(rssum::rsSFTP), fnstAddress(obj.stFTPProxyAddress, obj.iFTPPort));
    pWriteRow(fnstRS(rssum::rsHTTP), fnstAddress(obj.stHTTPProxyAddress, obj.iHTTPPort));
    pWriteRow(fnstRS(rssum::rsHTTPS), fnstAddress(obj.stHTTPSProxyAddress, obj.iHTTPSPort));
    pWriteRow(fnstRS(rssum::rsUseUserNamePassword), fnstYesNo(obj.bUserNamePwdConfirmation));
    pWriteRow(fnstRS(rssum::rsUsername), obj.stUserName);
    pWriteRow(fnstRS(rssum::rsUseNTLM), fnstYesNo(obj.bNTLM));
}

void TclsFormatFile::pWriteFTPSetting(const TclsRWFTPSettingData &obj) {
    pWriteSection(fnstRS(rssum::rsSFTPSettings));
    pWriteRow(fnstRS(rssum::rsHost), obj.stHost);
    pWriteRow(fnstRS(rssum::rsPort), obj.stPort);
    pWriteRow(fnstRS(rssum::rsUserID), obj.stUserId);
    pWriteRow(fnstRS(rssum::rsBuildDirectoryPath), obj.stBuildDirPath);
    pWriteRow(fnstRS(rssum::rsWorkDirectoryPath), obj.stWorkDirPath);
    pWriteRow(fnstRS(rssum::rsSFTPTransferMode), obj.iManifestMode == 1
                                                     ? fnstRS(rssum::rsPassiveModeTransfer)
                                                     : fnstRS(rssum::rsActiveModeTransfer));
}

void TclsFormatFile::pWriteEmailSetting(const TclsRWEmailSettingData &obj) {
    pWriteSection(fnstRS(rssum::rsEmailSettings));
    pWriteRow(fnstRS(rssum::rsOutgoingMailServer), obj.stHost);
    pWriteRow(fnstRS(rssum::rsPortSMTP), obj.stPort);
    pWriteRow(fnstRS(rssum::rsUserID), obj.stUserId);
}

void TclsFormatFile::pWriteApplSecurity(const TclsRWApplSecurityData &obj) {
    pWriteSection(fnstRS(rssum::rsApplicationSecurity));
    pWriteRow(fnstRS(rssum::rsRequestPassword), fnstYesNo(obj.bPasswordRequired));
}
