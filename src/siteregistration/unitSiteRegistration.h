// TclsRWSiteRegistration registers the site with the carrier's host: it writes
// the site information file SiteRegs.txt, wraps it into the modem message or the
// HTTP form body, sends it through the communication library, and stores what
// the host answers: the site ID, the number ranges and the pickup address.
// It also stores a site ID typed by the user.
#pragma once

#include "MorvaneCommunication.h"
#include "UnitMV5Records.h"

#include <QDate>
#include <QString>

#include <optional>

class QWidget;
class TclsCommStatusMain;

class TclsRWSiteRegistration {
public:
    // Reads the database path, the application path, the installed version and
    // the installation type.
    TclsRWSiteRegistration();
    ~TclsRWSiteRegistration();
    TclsRWSiteRegistration(const TclsRWSiteRegistration &) = delete;
    TclsRWSiteRegistration &operator=(const TclsRWSiteRegistration &) = delete;

    // ---- the site information file (unitSiteRegistration_SiteInfo.cpp)
    // Writes "SiteRegs.txt" in the current directory; "success" or an error text.
    QString fnstMakeSiteInfoFile(const TclsConfigZorvData *pobjConfigZorv,
                                 const TclsConfigMorvaneData *pobjConfigMorvane,
                                 const TclsCustomerInfoData *pobjCustomerInfo,
                                 const TobjarMVData &objarUsers,
                                 const TobjarMVData &objarCommServiceSettings);
    static QString fnstPad(const QString &stText, int iCount);
    // The modem's speed from its DCB in the modem class keys; empty when unknown.
    QString pGetModemSpeed(const QString &stModemName) const;
    struct TrecDialingInfo {
        QString stDialType;      // "Pulse" or "Tone"
        QString stOutsideAccess; // the outside-line access prefix
    };
    TrecDialingInfo pGetDialingInfo() const;
    // The size of a file in bytes; nullopt when there is no such file.
    static std::optional<qint64> fnbGetFileSize(const QString &stFileName);
    static QString fnstPadToGivenLength(const QString &stText, int iWidth);
    // The values of the site-registration page that go into the file: the two
    // allocation check boxes with their quantities and the gateway airport.
    struct TrecAllocationRequest {
        bool bShipmentRange = false;
        QString stShipmentQuantity;
        bool bLPRange = false;
        QString stLPQuantity;
        QString stGatewayIATA;
    };
    void pSetAllocationRequest(const TrecAllocationRequest &rec) { recAllocation = rec; }
    // The clock the file's dates come from (tests fix it).
    void pSetClock(std::optional<QDateTime> dtFixed) { dtClock = std::move(dtFixed); }

    // ---- the message (unitEFDR.cpp, unitSiteRegistration_Message.cpp)
    // "success" (the message string is kept), an error text, or "" when the
    // Site Registration service has a transport other than MODEM, HTTP, HTTPS.
    QString fnstPrepareSiteRegMsgFile(const QString &stMessageCode,
                                      const TclsConfigZorvData *pobjConfigZorv,
                                      const TclsConfigMorvaneData *pobjConfigMorvane,
                                      const TclsCustomerInfoData *pobjCustomerInfo,
                                      const TobjarMVData &objarUsers,
                                      const TobjarMVData &objarCommServiceSettings);
    const QByteArray &fnbaMessageString() const { return baMessageString; }

    // ---- the transaction (unitSiteRegistration.cpp)
    // The 16-character site ID on success, else the failure text.
    QString fnstSiteRegistration(const TclsConfigZorvData *pobjConfigZorv,
                                 const TclsConfigMorvaneData *pobjConfigMorvane,
                                 const TclsCustomerInfoData *pobjCustomerInfo,
                                 const TobjarMVData &objarUsers,
                                 const TobjarMVData &objarCommServiceSettings);
    // Reads the configuration, customer information, user and service rows as
    // they are stored now and registers with them.
    QString fnstSiteRegistrationWithStoredRows();
    QString fnstManualSiteReg(const QString &stSiteId);
    QString fnstSaveSiteID(const QString &stSiteId);
    void pSaveSiteRegResponseForHTTP(const TrecSiteRegHTTPResp &recReply, QString &stResult);
    // Handles a modem reply: when its message data begins "REGP" and its
    // values pass their checks, the site ID, the ranges and the pickup address
    // are stored whole; returns the result text (the site ID, or "Site
    // Registration Failed").
    QString fnstSaveModemReply(const TrecMessageHeaderStructure &recReply);
    // Fills the completion page's labels (found by name on wCompletionPage)
    // from the reply; bPickupRequested: the user asked for a pickup.
    void pDisplayAllocationDetails(const TrecMessageHeaderStructure &recReply);
    void pDisplayAllocationDetails(const TrecSiteRegHTTPResp &recReply);
    void pSetCompletionPage(QWidget *wPage, bool bPickupRequested, const QString &stZorvAccount);

    // "ddmmyyyy" as a date; "       0" is 11 November 1999; nullopt when it is no date.
    static std::optional<QDate> fnbFormatDate(const QString &stDate);

    const QString &fnstDatabasePath() const { return stDatabasePath; }
    const QString &fnstApplicationPath() const { return stApplicationPath; }
    const QString &fnstInstalledVersion() const { return stInstalledVersion; }
    const QString &fnstInstallationType() const { return stInstallationType; }
    void pSetInstallationType(const QString &st) { stInstallationType = st; }

private:
    QDateTime fndtNow() const;
    // The two transports of fnstSiteRegistration, once the message is made.
    QString fnstRegisterViaModem(const TobjarMVData &objarUsers, TclsCommStatusMain &objCommStatus);
    QString fnstRegisterViaHTTP(bool bHTTPS, const TobjarMVData &objarUsers);

    QString stDatabasePath, stApplicationPath, stInstalledVersion, stInstallationType;
    QByteArray baMessageString;
    TrecAllocationRequest recAllocation;
    std::optional<QDateTime> dtClock;
    QWidget *wCompletionPage = nullptr;
    bool bPickupRequested = false;
    QString stZorvAccount;
};

// The resource texts callers compare results with.
QString fnstSiteRegistrationFailedText();   // 61938 "Site Registration Failed"
QString fnstInvalidSiteIdText();            // 61937 "Invalid site id"
QString fnstManualRegistrationFailedText(); // 61936 "Manual site registration failed"
