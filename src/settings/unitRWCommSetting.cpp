// The communication page's checks and save.
#include "unitRWCommSetting.h"

#include "unitRWCommSettingData.h"
#include "unitRWConstants.h"
#include "unitRWHolder.h"
#include "unitRWRowSaver.h"
#include "unitRWValidation.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"
#include "unitDialString.h"
#include "UnitMV5Records.h"

#include <optional>

namespace {
const QString cstUnit = QStringLiteral("unitRWCommSetting");
const QString cstValidate = QStringLiteral("fnstValidate");
const QString cstSave = QStringLiteral("fnstSaveToDB");
const QString cstServiceClass = QStringLiteral("TclsCommServiceSettingsDB");
const QString cstServiceGrid = QStringLiteral("stgCSServiceSettings");

inline constexpr TResourceString rsPrimaryPhoneBlank{
    QT_TRANSLATE_NOOP("Morvane", "Primary Phone for %1 service cannot be blank")};
// %1: the service, %2: the characters a modem dials.
inline constexpr TResourceString rsPrimaryPhoneNotDialled{
    QT_TRANSLATE_NOOP("Morvane", "Primary Phone for %1 service may hold only the characters %2")};
inline constexpr TResourceString rsSecondaryPhoneNotDialled{
    QT_TRANSLATE_NOOP("Morvane", "Secondary Phone for %1 service may hold only the characters %2")};
inline constexpr TResourceString rsHTTPServerBlank{
    QT_TRANSLATE_NOOP("Morvane", "HTTP Server for %1 service cannot be blank")};
inline constexpr TResourceString rsHTTPPortBlank{
    QT_TRANSLATE_NOOP("Morvane", "HTTP Port for %1 service cannot be blank")};
inline constexpr TResourceString rsEODEmailBlank{
    QT_TRANSLATE_NOOP("Morvane", "End of day via Email cannot be blank")};
inline constexpr TResourceString rsEODEmailInvalid{
    QT_TRANSLATE_NOOP("Morvane", "End of day via Email is not a valid email address")};
inline constexpr TResourceString rsReturnEmailBlank{
    QT_TRANSLATE_NOOP("Morvane", "Return Shipment via Email cannot be blank")};
inline constexpr TResourceString rsReturnEmailInvalid{
    QT_TRANSLATE_NOOP("Morvane", "Return Shipment via Email is not a valid email address")};
inline constexpr TResourceString rsGatewayBlank{
    QT_TRANSLATE_NOOP("Morvane", "Gateway IATA  can not be blank")};

// How the messages name each service.
inline constexpr TResourceString rsWordSiteRegistration{
    QT_TRANSLATE_NOOP("Morvane", "Site Registration")};
inline constexpr TResourceString rsWordTracking{QT_TRANSLATE_NOOP("Morvane", "Tracking")};
inline constexpr TResourceString rsWordShipmentDataFile{
    QT_TRANSLATE_NOOP("Morvane", "Shipment Data File")};
inline constexpr TResourceString rsWordReturn{QT_TRANSLATE_NOOP("Morvane", "Return")};
inline constexpr TResourceString rsWordShipmentNumber{
    QT_TRANSLATE_NOOP("Morvane", "automatic shipment number allocation")};
inline constexpr TResourceString rsWordLPNumber{
    QT_TRANSLATE_NOOP("Morvane", "automatic LP number allocation")};
inline constexpr TResourceString rsWordPickup{QT_TRANSLATE_NOOP("Morvane", "Pickup")};
inline constexpr TResourceString rsWordRUZ{
    QT_TRANSLATE_NOOP("Morvane", "Shipment Notification Via RUZ")};

// Widths of the service row's texts.
constexpr int ciPhoneWidth = 20;
constexpr int ciHTTPServerWidth = 100;
constexpr int ciModeWidth = 20;
// Widths of the configuration rows' texts.
constexpr int ciEODEmailWidth = 80;
constexpr int ciGatewayWidth = 3;
constexpr int ciModemNameWidth = 60;
constexpr int ciReturnEmailWidth = 100;

struct TrecServiceCheck {
    TCommService eService;
    TResourceString rsWord;
    // false: a service in mode "MODEM AND HTTPS" is left unexamined.
    bool bModemAndHTTPSChecked = true;
};

// The services checked before the e-mail addresses, then those after them, in
// the order the error list shows them. Software Upgrade and Paperless Trade
// (PLT) are not checked at all.
constexpr TrecServiceCheck arChecksBeforeEmail[] = {
    {csSiteRegistration, rsWordSiteRegistration},
    {csTracking, rsWordTracking},
    {csShipmentDataFiles, rsWordShipmentDataFile},
};
constexpr TrecServiceCheck arChecksAfterEmail[] = {
    {csForwardReturn, rsWordReturn},
    {csAutomaticShipmentIDAllocation, rsWordShipmentNumber},
    {csAutomaticLPNumberAllocation, rsWordLPNumber},
    {csSchedulePickup, rsWordPickup},
    {csShipmentNotificationViaRUZ, rsWordRUZ, false},
};

bool fnbBlank(const QString &st) {
    return st.trimmed().isEmpty();
}

void pCheckService(TclsRWValidation &objCheck, const TclsRWCommSettingData &obj,
                   const TrecServiceCheck &recCheck) {
    const TrecCommServiceBlock &rec = obj.arServices[recCheck.eService];
    if (!rec.bInUse)
        return;
    const QString stWord = fnstRS(recCheck.rsWord);
    const bool bModemAndHTTPS = rec.stMode == cstModeModemAndHTTPS;
    if (rec.stMode == cstModeModem || (bModemAndHTTPS && recCheck.bModemAndHTTPSChecked)) {
        if (fnbBlank(rec.stPrimaryPhone))
            objCheck.pFail(cstServiceGrid, fnstRS(rsPrimaryPhoneBlank).arg(stWord),
                           QStringLiteral("Invalid Phone number"));
    } else if (rec.stMode == cstModeHTTP || rec.stMode == cstModeHTTPS) {
        // A port means nothing without its server, so only the server is reported.
        if (fnbBlank(rec.stHTTPServer))
            objCheck.pFail(cstServiceGrid, fnstRS(rsHTTPServerBlank).arg(stWord),
                           QStringLiteral("Invalid HTTP Server"));
        else if (fnbBlank(rec.stHTTPPort))
            objCheck.pFail(cstServiceGrid, fnstRS(rsHTTPPortBlank).arg(stWord),
                           QStringLiteral("Invalid HTTP Port"));
    }
    // Whatever a modem service's numbers hold goes on the modem's command line.
    if (rec.stMode == cstModeModem || bModemAndHTTPS)
        for (const auto &[pstPhone, rsRefused] :
             {std::pair{&rec.stPrimaryPhone, rsPrimaryPhoneNotDialled},
              std::pair{&rec.stSecondaryPhone, rsSecondaryPhoneNotDialled}})
            if (!fnbDialString(*pstPhone))
                objCheck.pFail(cstServiceGrid,
                               fnstRS(rsRefused).arg(stWord, QLatin1String(cpchDialCharacters)),
                               QStringLiteral("Invalid Phone number"));
}

void pCheckEmail(TclsRWValidation &objCheck, bool bByEmail, const QString &stAddress,
                 const QString &stControl, TResourceString rsBlank, TResourceString rsInvalid) {
    if (!bByEmail)
        return;
    if (fnbBlank(stAddress))
        objCheck.pFail(stControl, fnstRS(rsBlank), QStringLiteral("Invalid Email"));
    else if (!fnbEmailValidation(stAddress))
        objCheck.pFail(stControl, fnstRS(rsInvalid), QStringLiteral("Invalid email"));
}

QString fnstValidateComm(const TclsRWCommSettingData &obj, TrecarErrorList &arErrors) {
    TclsRWValidation objCheck(arErrors, cstUnit);
    for (const TrecServiceCheck &rec : arChecksBeforeEmail)
        pCheckService(objCheck, obj, rec);
    pCheckEmail(objCheck, obj.bEODViaEmail, obj.stEODEmailAddress,
                QStringLiteral("edtCSEODviaEmailAddress"), rsEODEmailBlank, rsEODEmailInvalid);
    pCheckEmail(objCheck, obj.bReturnViaEmail, obj.stReturnEmailAddress,
                QStringLiteral("edtTPPviaEmailAddress"), rsReturnEmailBlank, rsReturnEmailInvalid);
    for (const TrecServiceCheck &rec : arChecksAfterEmail)
        pCheckService(objCheck, obj, rec);
    if (fnbBlank(obj.stGatewayIATA))
        objCheck.pFail(QStringLiteral("edtGatewayiata"), fnstRS(rsGatewayBlank),
                       QStringLiteral("Invalid Gateway IATA"));
    return objCheck.fnstResult();
}

// The block a stored service row belongs to. The page lists rows whose names
// match ignoring case, so the save matches them the same way.
std::optional<TCommService> fneServiceNamed(const QString &stName) {
    const auto &arNames = fnarCommServiceNames();
    for (int i = 0; i < csServiceCount; ++i)
        if (stName.compare(arNames[i], Qt::CaseInsensitive) == 0)
            return static_cast<TCommService>(i);
    return std::nullopt;
}

std::unique_ptr<TclsMVData> fnobjServiceRow(const TclsRWCommSettingData &obj, TCommService eService,
                                            qint32 iRecordKey) {
    const TrecCommServiceBlock &rec = obj.arServices[eService];
    auto objRow = std::make_unique<TclsCommServiceSettingsData>();
    objRow->record_key = iRecordKey;
    objRow->service_name = fnarCommServiceNames()[eService];
    objRow->in_use = rec.bInUse;
    objRow->primary_phone = fnstCut(rec.stPrimaryPhone, ciPhoneWidth);
    objRow->secondary_phone = fnstCut(rec.stSecondaryPhone, ciPhoneWidth);
    objRow->http_server = fnstCut(rec.stHTTPServer, ciHTTPServerWidth);
    objRow->http_port = fniWholeNumber(rec.stHTTPPort).value_or(0);
    objRow->mode = fnstCut(rec.stMode, ciModeWidth);
    objRow->changed_by = cstWizardUser;
    return objRow;
}

void pFillConfigZorv(TclsConfigZorvData &objRow, const TclsRWCommSettingData &obj) {
    objRow.no_of_retries = obj.iNoOfRetries;
    objRow.eod_via_ftp = obj.bEODViaFTP;
    objRow.eod_via_email = obj.bEODViaEmail;
    objRow.eod_email_address = fnstCut(obj.stEODEmailAddress, ciEODEmailWidth);
    objRow.gateway_iata = fnstCut(obj.stGatewayIATA, ciGatewayWidth);
    objRow.Modem_Name = fnstCut(obj.stModemName, ciModemNameWidth);
    objRow.changed_by = cstWizardUser;
}

void pFillConfigMorvane(TclsConfigMorvaneData &objRow, const TclsRWCommSettingData &obj) {
    objRow.return_email_address = fnstCut(obj.stReturnEmailAddress, ciReturnEmailWidth);
    objRow.return_via_email = obj.bReturnViaEmail;
    objRow.changed_by = cstWizardUser;
}

// The rows of one save; they are freed when it ends, whatever happened.
struct TrecCommRows {
    TobjarMVData objarStored, objarServices, objarConfigZorv, objarConfigMorvane;
};

// Queries one configuration table; its row 0 filled by pFill, or nullptr with
// the query's code in iCode (0 when the table has no row).
template <class TRow>
TRow *fnpConfigRow(const QString &stClassName, TobjarMVData &objarRows, int &iCode,
                   void (*pFill)(TRow &, const TclsRWCommSettingData &),
                   const TclsRWCommSettingData &obj) {
    iCode = fniQueryRecords({{}}, objarRows, stClassName);
    TRow *pRow =
        iCode == dbc::iSuccess && !objarRows.empty() ? fnobjAs<TRow>(objarRows.front()) : nullptr;
    if (pRow)
        pFill(*pRow, obj);
    else
        fnstLibraryFailure(cstUnit, cstSave, QStringLiteral("Call to fniQueryRecords failed"),
                           iCode);
    return pRow;
}

QString fnstWriteComm(const TclsRWCommSettingData &obj, TrecCommRows &rec) {
    int iCode = fniQueryRecords({{}}, rec.objarStored, cstServiceClass);
    if (iCode != dbc::iSuccess)
        return fnstLibraryFailure(cstUnit, cstSave,
                                  QStringLiteral("Call to fniQueryRecords failed"), iCode);
    TiarFields iarStatus;
    for (const auto &objStored : rec.objarStored) {
        const auto *pStored = fnobjAs<TclsCommServiceSettingsData>(objStored);
        const std::optional<TCommService> eService =
            pStored ? fneServiceNamed(pStored->service_name) : std::nullopt;
        // Rows of services this page does not show are not the wizard's to write:
        // storing them again would add a copy of each on every save.
        if (!eService)
            continue;
        rec.objarServices.push_back(fnobjServiceRow(obj, *eService, pStored->record_key));
        iarStatus.push_back(dbc::iStatusUpdate);
    }
    pWriteLog(0, cstUnit, cstSave, QStringLiteral("Select * from config_zorv"));
    int iZorvCode = dbc::iSuccess;
    int iMorvaneCode = dbc::iSuccess;
    auto *pConfigZorv = fnpConfigRow<TclsConfigZorvData>(
        QStringLiteral("TclsConfigZorvDB"), rec.objarConfigZorv, iZorvCode, &pFillConfigZorv, obj);
    auto *pConfigMorvane = fnpConfigRow<TclsConfigMorvaneData>(
        QStringLiteral("TclsConfigMorvaneDB"), rec.objarConfigMorvane, iMorvaneCode,
        &pFillConfigMorvane, obj);
    pWriteLog(0, cstUnit, cstSave, QStringLiteral("Calling fnbRWSenderInfoDB"));
    iCode = fniRWCommSettingDB(rec.objarServices, pConfigZorv, pConfigMorvane, iarStatus,
                               int(rec.objarServices.size()));
    const QString stResult =
        iCode == dbc::iSuccess
            ? cstSuccess
            : fnstLibraryFailure(cstUnit, cstSave,
                                 QStringLiteral("Call to fniRWCommSettingDB failed"), iCode);
    // A configuration row that could not be read was not written: the page is
    // not saved, whatever became of the service rows.
    if (!pConfigZorv)
        return fnstGetDBErrorMessage(iZorvCode);
    if (!pConfigMorvane)
        return fnstGetDBErrorMessage(iMorvaneCode);
    return stResult;
}
} // namespace

TclsRWCommSetting::TclsRWCommSetting() {
    pWriteLog(1, cstUnit, QStringLiteral("Create"), QStringLiteral("Inside Create method"));
}

QString TclsRWCommSetting::fnstValidate(const TclsRWSettingsData &objData,
                                        TrecarErrorList &arErrors) {
    arErrors.clear();
    return fnstWithHolder<TclsRWCommSettingData>(
        objData, cstUnit, cstValidate, cstUnsuccess,
        [&](const TclsRWCommSettingData &obj) { return fnstValidateComm(obj, arErrors); });
}

QString TclsRWCommSetting::fnstSaveToDB(const TclsRWSettingsData &objData) {
    return fnstWithHolder<TclsRWCommSettingData>(
        objData, cstUnit, cstSave, QString(), [](const TclsRWCommSettingData &obj) {
            TrecCommRows rec;
            QString stResult;
            try {
                stResult = fnstWriteComm(obj, rec);
            } catch (const std::exception &e) {
                pWriteLog(3, cstUnit, cstSave, QString::fromLocal8Bit(e.what()));
            }
            pWriteLog(0, cstUnit, cstSave,
                      QStringLiteral("Calling FreeAndNil method on three table data object"));
            return stResult;
        });
}

bool TclsRWCommSetting::fnbEmailValidation(const QString &stEmail) {
    return ::fnbEmailValidation(stEmail);
}
