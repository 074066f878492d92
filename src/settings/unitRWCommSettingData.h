// What the communication page holds: the end-of-day and return-shipment
// options, the gateway airport, retries, the modem, and one block per host
// service.
#pragma once

#include "unitRWSettings.h"

#include <array>

// The connection modes a service row stores.
inline const QString cstModeModem = QStringLiteral("MODEM");
inline const QString cstModeHTTP = QStringLiteral("HTTP");
inline const QString cstModeHTTPS = QStringLiteral("HTTPS");
inline const QString cstModeModemAndHTTPS = QStringLiteral("MODEM AND HTTPS");

// The service blocks, in the data holder's order.
enum TCommService {
    csShipmentDataFiles,
    csTracking,
    csSiteRegistration,
    csAutomaticShipmentIDAllocation,
    csAutomaticLPNumberAllocation,
    csSchedulePickup,
    csForwardReturn,
    csShipmentNotificationViaRUZ,
    csSoftwareUpgrade,
    csPaperlessTrade,
    csServiceCount
};

// The service names as the service rows store them, in TCommService order.
inline const std::array<QString, csServiceCount> &fnarCommServiceNames() {
    static const std::array<QString, csServiceCount> ar = {
        QStringLiteral("Shipment Data Files"),
        QStringLiteral("Tracking"),
        QStringLiteral("Site Registration"),
        QStringLiteral("Automatic Shipment ID Allocation"),
        QStringLiteral("Automatic LP Number Allocation"),
        QStringLiteral("Schedule Pickup"),
        QStringLiteral("Forward/Return"),
        QStringLiteral("Shipment Notification Via RUZ"),
        QStringLiteral("Software Upgrade"),
        QStringLiteral("Paperless Trade (PLT)")};
    return ar;
}

struct TrecCommServiceBlock {
    bool bInUse = false;
    QString stMode; // "MODEM", "HTTP", "HTTPS" or "MODEM AND HTTPS"
    QString stPrimaryPhone, stSecondaryPhone;
    QString stHTTPServer, stHTTPPort;
};

class TclsRWCommSettingData : public TclsRWSettingsData {
public:
    bool bEODViaEmail = false;    // chkCSEODviaEmail
    QString stGatewayIATA;        // edtGatewayIATA
    bool bEODViaFTP = false;      // chkCSEODviaFTP
    int iNoOfRetries = 0;         // speCSNoOfRetries
    int iValue1 = 0, iValue2 = 0; // set by the page, not used by the checks
    QString stEODEmailAddress;    // edtCSEODviaEmailAddress
    QString stModemName;          // cmbModemNameList
    bool bReturnViaEmail = false; // chkTPPviaEmail
    QString stReturnEmailAddress; // edtTPPviaEmailAddress
    std::array<TrecCommServiceBlock, csServiceCount> arServices; // stgCSServiceSettings
};
