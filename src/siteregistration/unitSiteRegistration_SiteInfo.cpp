// The site information file "SiteRegs.txt": thirteen numbered sections of
// label-and-value lines that tell the carrier's host about the installation.
// Line order, labels, widths and blank lines are the host's format.
#include "unitSiteRegistration.h"

#include "unitLogToFile.h"
#include "unitModemRegistry.h"
#include "unitRegistry.h"
#include "unitResourceStrings.h"
#include "unitWholeFile.h"

#include <algorithm>
#include <array>

namespace {
const QString cstUnit = QStringLiteral("unitSiteRegistration");
const QString cstMethod = QStringLiteral("fnstMakeSiteInfoFile");
const QString cstSiteInfoFile = QStringLiteral("SiteRegs.txt");

inline constexpr TResourceString rsNotSufficientData{
    QT_TRANSLATE_NOOP("Morvane", "Not sufficient data for site registration")};
inline constexpr TResourceString rsObjectNotAssigned{
    QT_TRANSLATE_NOOP("Morvane", "Object is not assigned")};

// Label widths of the sections.
constexpr int ciCustomerWidth = 15;
constexpr int ciWorkstationWidth = 17;
constexpr int ciServiceFlagWidth = 26;
constexpr int ciTracingSizeWidth = 22;
constexpr int ciAliasWidth = 8;
constexpr int ciRangeWidth = 24;
// The account-number section lists at most this many distinct numbers.
constexpr int ciMaxAccountNumbers = 100;

// The services the file describes: the host's title, the service-settings name
// it is matched with, and the workstation IDs when configured / not.
struct TrecServiceBlock {
    const char *pchTitle;
    const char *pchName;
    const char *pchWorkstationConfigured;
    const char *pchWorkstationMissing;
};
const std::array<TrecServiceBlock, 7> carServiceBlocks = {{
    {"Site Registration", "Site Registration", "ALL", "DUMMYWKST"},
    {"Electronic Message", "Messaging", "ALL", "ALL"},
    {"Electronic Manifest", "Shipment Data Files", "ALL", "ALL"},
    {"Track & Trace", "Tracking", "ALL", "ALL"},
    {"Pickup Booking", "Schedule Pickup", "ALL", "ALL"},
    {"Automatic Shipment ID Allocation", "Automatic Shipment ID Allocation", "ALL", "ALL"},
    {"Automatic Licence Plate Number Allocation", "Automatic LP Number Allocation", "ALL", "ALL"},
}};
// The host also knows "Pro_Active_Info"; the file has no block for it.

QString fnstYesNo(bool b) {
    return b ? QStringLiteral("Y") : QStringLiteral("N");
}

// The file's lines, each ended by CR LF when written.
class TclsSiteInfoWriter {
public:
    void pLine(const QString &st = QString()) { stText += st + QStringLiteral("\r\n"); }
    void pField(const QString &stLabel, int iWidth, const QString &stValue) {
        pLine(TclsRWSiteRegistration::fnstPadToGivenLength(stLabel, iWidth) + QStringLiteral(": ") +
              stValue);
    }
    const QString &fnstText() const { return stText; }

private:
    QString stText;
};

void pWriteService(TclsSiteInfoWriter &objFile, const QString &stTitle,
                   const QString &stWorkstationId, int iDialRetries, bool bActive,
                   const QString &stFirstPhone, const QString &stSecondPhone) {
    objFile.pLine();
    objFile.pField(QStringLiteral("Service"), ciCustomerWidth, stTitle);
    objFile.pField(QStringLiteral("Workstation ID"), ciCustomerWidth, stWorkstationId);
    objFile.pField(QStringLiteral("Active"), ciCustomerWidth, fnstYesNo(bActive));
    objFile.pField(QStringLiteral("1st Phone No."), ciCustomerWidth, stFirstPhone);
    objFile.pField(QStringLiteral("2nd Phone No."), ciCustomerWidth, stSecondPhone);
    objFile.pField(QStringLiteral("Dial Retries"), ciCustomerWidth, QString::number(iDialRetries));
}

void pLogSection(const char *pchSection) {
    pWriteLog(1, cstUnit, cstMethod,
              QStringLiteral("Writing %1 section to the SiteRegs.txt file.")
                  .arg(QLatin1String(pchSection)));
}
} // namespace

QString TclsRWSiteRegistration::fnstPad(const QString &stText, int iCount) {
    return stText.isEmpty() ? stText : stText + QString(iCount, QLatin1Char(' '));
}

QString TclsRWSiteRegistration::fnstPadToGivenLength(const QString &stText, int iWidth) {
    const qsizetype iDifference = iWidth - stText.size();
    if (iDifference >= 1)
        return fnstPad(stText, int(iDifference));
    return iDifference == 0 ? stText : stText.left(iWidth);
}

// The modem's speed: the baud rate of the DCB of the modem class key whose
// friendly name is the modem's; the last match wins. Unlike the modem list it
// looks at every class key, not only 0000 to 0025.
QString TclsRWSiteRegistration::pGetModemSpeed(const QString &stModemName) const {
    QString stSpeed;
    for (const TrecInstalledModem &rec : fnarEveryModemKey(TclsRegistry()))
        if (!stModemName.isEmpty() && rec.stFriendlyName == stModemName)
            stSpeed = rec.iBaudRate ? QString::number(rec.iBaudRate) : QString();
    return stSpeed;
}

// The dialling location: pulse or tone, and the outside-line access prefix; the
// last location wins.
TclsRWSiteRegistration::TrecDialingInfo TclsRWSiteRegistration::pGetDialingInfo() const {
    const TrecDialingLocation recLocation = fnrecDialingLocation();
    return {recLocation.bTone ? QStringLiteral("Tone") : QStringLiteral("Pulse"),
            recLocation.stOutsideAccess};
}

QString TclsRWSiteRegistration::fnstMakeSiteInfoFile(const TclsConfigZorvData *pobjConfigZorv,
                                                     const TclsConfigMorvaneData *pobjConfigMorvane,
                                                     const TclsCustomerInfoData *pobjCustomerInfo,
                                                     const TobjarMVData &objarUsers,
                                                     const TobjarMVData &objarCommServiceSettings) {
    pWriteLog(0, cstUnit, cstMethod, QStringLiteral("Inside fnstMakeSiteInfoFile method."));
    if (!pobjConfigZorv || !pobjConfigMorvane || !pobjCustomerInfo || objarUsers.empty() ||
        objarCommServiceSettings.empty()) {
        pWriteLog(3, cstUnit, cstMethod,
                  QStringLiteral("Not sufficient data for site registration."));
        return fnstRS(rsNotSufficientData);
    }
    const auto fnbAllAssigned = [](const TobjarMVData &objar) {
        return std::all_of(objar.begin(), objar.end(), [](const auto &obj) { return bool(obj); });
    };
    if (!fnbAllAssigned(objarUsers)) {
        pWriteLog(3, cstUnit, cstMethod, QStringLiteral("Object objarUsersData not assigned."));
        return fnstRS(rsObjectNotAssigned);
    }
    if (!fnbAllAssigned(objarCommServiceSettings)) {
        pWriteLog(3, cstUnit, cstMethod,
                  QStringLiteral("Object objarCommServiceSettingsData not assigned."));
        return fnstRS(rsObjectNotAssigned);
    }
    QString stResult;
    try {
        const TclsConfigZorvData &objZorv = *pobjConfigZorv;
        const TclsCustomerInfoData &objCustomer = *pobjCustomerInfo;
        const QDateTime dtNow = fndtNow();
        TclsSiteInfoWriter objFile;
        objFile.pLine(QStringLiteral("ZOZ SITE CONFIGURATION") + QString(30, QLatin1Char(' ')) +
                      dtNow.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral("  ") +
                      dtNow.toString(QStringLiteral("HH:mm:ss")));
        objFile.pLine();

        pLogSection("Customer Information");
        objFile.pLine(QStringLiteral("Sec 1 : CUSTOMER INFORMATION"));
        objFile.pLine();
        const std::pair<const char *, QString> arCustomer[] = {
            {"Name", objCustomer.company},
            {"Address_1", objCustomer.address1},
            {"Address_2", objCustomer.address2},
            {"Address_3", objCustomer.address3},
            {"City", objCustomer.city},
            {"State", objCustomer.state},
            {"Zip", objCustomer.postcode},
            {"Country", objCustomer.country_name},
            {"Contact Person", objCustomer.contact_name},
            {"Phone Number", objCustomer.telephone}};
        for (const auto &[pchLabel, stValue] : arCustomer)
            objFile.pField(QLatin1String(pchLabel), ciCustomerWidth, stValue);
        objFile.pLine();
        objFile.pLine();

        pLogSection("Application Information");
        objFile.pLine(QStringLiteral("Sec 2 : APPLICATION INFORMATION"));
        objFile.pLine();
        objFile.pLine(QStringLiteral("Application ID : ZOZ"));
        objFile.pField(QStringLiteral("ZOZ Version"), ciCustomerWidth, stInstalledVersion);
        const bool bStandalone = stInstallationType == QLatin1String("Single User Custom") ||
                                 stInstallationType == QLatin1String("Single User Typical");
        objFile.pLine(bStandalone ? QStringLiteral("Site Type      : Standalone")
                                  : QStringLiteral("Site Type      : LAN"));
        objFile.pLine();

        pLogSection("Zorv Account Numbers");
        objFile.pLine(QStringLiteral("Sec 3 : ZORV ACCOUNT NUMBERS"));
        objFile.pLine();
        QStringList slSeen;
        for (const auto &obj : objarUsers) {
            const auto *pUser = dynamic_cast<const TclsUsersData *>(obj.get());
            if (!pUser)
                continue;
            const QString stAccount = pUser->account_number;
            if (slSeen.contains(stAccount))
                continue;
            slSeen << stAccount;
            if (slSeen.size() > ciMaxAccountNumbers)
                break;
            // Blank and "0" accounts count towards the limit but are not listed.
            if (!stAccount.trimmed().isEmpty() && stAccount.trimmed() != QLatin1String("0"))
                objFile.pLine(stAccount);
        }
        objFile.pLine(QStringLiteral("---"));
        objFile.pLine();

        pLogSection("Customer Pickup Point Information");
        objFile.pLine(QStringLiteral("Sec 4 : PICKUP POINT INFORMATION"));
        objFile.pLine(QStringLiteral("---"));
        objFile.pLine();

        pLogSection("Workstation Config Information");
        objFile.pLine(
            QStringLiteral("Sec 5 : COMMUNICATION WORKSTATION CONFIGURATION INFORMATION"));
        objFile.pLine();
        objFile.pField(QStringLiteral("Workstation Name"), ciWorkstationWidth, QString());
        objFile.pField(QStringLiteral("Description"), ciWorkstationWidth, QString());
        objFile.pField(QStringLiteral("Modem Name"), ciWorkstationWidth, objZorv.Modem_Name);
        objFile.pField(QStringLiteral("Modem Speed"), ciWorkstationWidth,
                       pGetModemSpeed(objZorv.Modem_Name));
        objFile.pField(QStringLiteral("Phone Number"), ciWorkstationWidth,
                       pGetDialingInfo().stOutsideAccess);
        objFile.pLine();
        objFile.pLine(QStringLiteral("---"));
        objFile.pLine();

        pLogSection("Telecom Services Information");
        objFile.pLine(QStringLiteral("Sec 6 : TELECOMM SERVICES INFORMATION"));
        // Each known name's record; when two records carry a name, the later wins.
        std::array<const TclsCommServiceSettingsData *, carServiceBlocks.size()> arRecords{};
        for (const auto &obj : objarCommServiceSettings) {
            const auto *pService = dynamic_cast<const TclsCommServiceSettingsData *>(obj.get());
            for (size_t i = 0; pService && i < carServiceBlocks.size(); ++i)
                if (pService->service_name.compare(QLatin1String(carServiceBlocks[i].pchName),
                                                   Qt::CaseInsensitive) == 0)
                    arRecords[i] = pService;
        }
        for (size_t i = 0; i < carServiceBlocks.size(); ++i) {
            const TrecServiceBlock &rec = carServiceBlocks[i];
            const TclsCommServiceSettingsData *p = arRecords[i];
            const bool bSiteRegistration = i == 0;
            pWriteService(
                objFile, QString::fromLatin1(rec.pchTitle),
                QString::fromLatin1(p ? rec.pchWorkstationConfigured : rec.pchWorkstationMissing),
                p ? objZorv.no_of_retries : 0, p && (bSiteRegistration || p->in_use),
                p ? p->primary_phone : QString(), p ? p->secondary_phone : QString());
        }
        objFile.pLine(QStringLiteral("---"));
        objFile.pLine();
        objFile.pField(QStringLiteral("Shipment Advisory"), ciServiceFlagWidth,
                       fnstYesNo(objZorv.shipment_advisory));
        objFile.pField(QStringLiteral("Checkpoint Access"), ciServiceFlagWidth,
                       fnstYesNo(objZorv.checkpoint_access));
        objFile.pField(QStringLiteral("Inbound Shipment Tracing"), ciServiceFlagWidth,
                       fnstYesNo(objZorv.inbound_shipment_tracing));
        objFile.pLine();
        objFile.pField(QStringLiteral("Shipment Tracing Size"), ciTracingSizeWidth,
                       QString::number(objZorv.shipment_tracing_size));
        objFile.pLine();

        pLogSection("Manifest Settings");
        objFile.pLine(QStringLiteral("Sec 7 : MANIFEST SETTINGS"));
        objFile.pLine();
        objFile.pLine(pobjConfigMorvane->auto_manifest ? QStringLiteral("Auto-Manifest : Yes")
                                                       : QStringLiteral("Auto-Manifest : No"));
        objFile.pLine();

        pLogSection("Email Aliases");
        objFile.pLine(QStringLiteral("Sec 8 : EMAIL ALIASES"));
        objFile.pLine();
        objFile.pField(QStringLiteral("Alias"), ciAliasWidth, QString());
        objFile.pField(QStringLiteral("Address"), ciAliasWidth, QString());
        objFile.pLine(QStringLiteral("---"));

        const std::pair<const char *, std::pair<bool, QString>> arRanges[] = {
            {"Sec 9 : SHIPMENT RANGE",
             {recAllocation.bShipmentRange, recAllocation.stShipmentQuantity}},
            {"Sec 10 : LP RANGE", {recAllocation.bLPRange, recAllocation.stLPQuantity}}};
        for (const auto &[pchTitle, recRange] : arRanges) {
            pLogSection("Airway Bill range");
            objFile.pLine(QLatin1String(pchTitle));
            objFile.pLine();
            objFile.pField(QStringLiteral("Range required flag"), ciRangeWidth,
                           fnstYesNo(recRange.first));
            objFile.pField(QStringLiteral("Quantity"), ciRangeWidth,
                           recRange.first ? recRange.second : QStringLiteral("0"));
            objFile.pLine();
        }

        pLogSection("Airway Bill range");
        objFile.pLine(QStringLiteral("Sec 11 : IATA CODE "));
        objFile.pLine();
        objFile.pField(QStringLiteral("Gateway IATA Code"), ciRangeWidth,
                       recAllocation.stGatewayIATA);
        objFile.pLine();

        pLogSection("DATE TIME value ");
        objFile.pLine(QStringLiteral("Sec 12 : Version Update Date Time"));
        objFile.pLine();
        objFile.pField(QStringLiteral("DateTime Format"), ciRangeWidth,
                       QStringLiteral("yyyymmddhhmmss"));
        objFile.pField(QStringLiteral("Date Time"), ciRangeWidth,
                       dtNow.toString(QStringLiteral("yyyyMMddHHmmss")));
        objFile.pLine();
        objFile.pLine(QStringLiteral("Sec 13 : PickUp Address"));
        objFile.pLine(QStringLiteral("PickUp Address Required Flag : Y"));

        // The host reads the file in the single-byte code page of the client.
        // It is written whole: a failed write leaves no half file behind and
        // is no success.
        if (const QString stError =
                fnstWriteWholeFile(cstSiteInfoFile, objFile.fnstText().toLatin1());
            !stError.isEmpty()) {
            pWriteLog(4, cstUnit, cstMethod,
                      QStringLiteral("SiteRegs.txt could not be written: ") + stError);
            return QString();
        }
        stResult = QStringLiteral("success");
    } catch (const std::exception &e) {
        pWriteLog(4, cstUnit, cstMethod, QString::fromLocal8Bit(e.what()));
    }
    return stResult;
}
