// The registration message: the header that names the message and the file it
// carries, and the message in the form the Site Registration service's
// transport needs.
#include "unitSiteRegistration.h"

#include "unitEFDR.h"
#include "unitLogToFile.h"

#include <QFileInfo>

namespace {
const QString cstUnit = QStringLiteral("unitSiteRegistration");
const QString cstMethod = QStringLiteral("fnstPrepareSiteRegMsgFile");
const QString cstSiteInfoFile = QStringLiteral("SiteRegs.txt");
// Only the first twelve service records are looked at.
constexpr size_t ciServiceRecordsSearched = 12;

const TclsCommServiceSettingsData *fnpSiteRegistrationService(const TobjarMVData &objarServices) {
    for (size_t i = 0; i < std::min(objarServices.size(), ciServiceRecordsSearched); ++i)
        if (const auto *p =
                dynamic_cast<const TclsCommServiceSettingsData *>(objarServices[i].get());
            p && p->service_name == QLatin1String("Site Registration"))
            return p;
    return nullptr;
}

// The header: code, (site ID for an update), the file's name, four empty
// fields, "1" "1", the file's size, FS, the literal "DDMMYYYY", "0", and GS
// for the modem.
QByteArray fnbaHeader(const QString &stMessageCode, const QString &stSiteId, bool bModem) {
    const auto iSize = TclsRWSiteRegistration::fnbGetFileSize(cstSiteInfoFile);
    QByteArray ba = stMessageCode.toLatin1();
    if (stMessageCode == QLatin1String("UCFR"))
        ba += stSiteId.left(16).toLatin1();
    ba += cstSiteInfoFile.toLatin1();
    ba += QByteArray(4, cchFS);
    ba += "11";
    if (iSize)
        ba += QByteArray::number(*iSize);
    ba += cchFS;
    ba += "DDMMYYYY0";
    if (bModem)
        ba += cchGS;
    return ba;
}
} // namespace

std::optional<qint64> TclsRWSiteRegistration::fnbGetFileSize(const QString &stFileName) {
    const QFileInfo info(stFileName);
    return info.isFile() ? std::optional<qint64>(info.size()) : std::nullopt;
}

QString TclsRWSiteRegistration::fnstPrepareSiteRegMsgFile(
    const QString &stMessageCode, const TclsConfigZorvData *pobjConfigZorv,
    const TclsConfigMorvaneData *pobjConfigMorvane, const TclsCustomerInfoData *pobjCustomerInfo,
    const TobjarMVData &objarUsers, const TobjarMVData &objarCommServiceSettings) {
    const TclsCommServiceSettingsData *pService =
        fnpSiteRegistrationService(objarCommServiceSettings);
    pWriteLog(1, cstUnit, cstMethod, QStringLiteral("Inside fnstPrepareSiteRegMsgFile method."));
    pWriteLog(1, cstUnit, cstMethod, QStringLiteral("Calling the fnstMakeSiteInfoFile method."));
    const QString stFile = fnstMakeSiteInfoFile(pobjConfigZorv, pobjConfigMorvane, pobjCustomerInfo,
                                                objarUsers, objarCommServiceSettings);
    if (stFile != QLatin1String("success")) {
        pWriteLog(3, cstUnit, cstMethod,
                  QStringLiteral("SiteRegs.txt file could not be successfully created."));
        return stFile;
    }
    if (stMessageCode == QLatin1String("UCFR"))
        pWriteLog(1, cstUnit, cstMethod,
                  QStringLiteral("Preapring message for site update service."));
    const QString stTransport = pService ? pService->mode : QString();
    const bool bModem = stTransport == QLatin1String("MODEM");
    const bool bHTTP =
        stTransport == QLatin1String("HTTP") || stTransport == QLatin1String("HTTPS");
    const QByteArray baHeader = fnbaHeader(
        stMessageCode, pobjConfigMorvane ? pobjConfigMorvane->site_id : QString(), bModem);
    baMessageString.clear();
    pWriteLog(1, cstUnit, cstMethod,
              QStringLiteral("Calling the fnbGenMessageString method from unitEFDR."));
    if (!bModem && !bHTTP)
        return QString();
    const bool bBuilt =
        bModem ? fnbGenMessageString(cstSiteInfoFile, baMessageString, baHeader)
               : fnbGenMessageStringForHTTP(cstSiteInfoFile, baMessageString, baHeader);
    if (bBuilt)
        return QStringLiteral("success");
    pWriteLog(3, cstUnit, cstMethod, QStringLiteral("Site registration failed."));
    return fnstSiteRegistrationFailedText();
}
