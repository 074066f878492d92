// The modem comes from the carrier configuration's modem name, matched to the
// friendly name of a modem class key; the numbers from the Site Registration
// service; pulse or tone and the outside-line prefix from the telephony
// location.
#include "unitModemCallSettings.h"

#include "unitCommunicationLog.h"
#include "unitStoredRows.h"

#include "unitDialString.h"
#include "unitModemRegistry.h"

namespace {

const char *const cpchMethod = "fnrecReadModemCallSettings";
const QString cstService = QStringLiteral("Site Registration");

bool fnbReadConfiguration(TrecModemCallSettings &rec) {
    const auto objConfigZorv = fnobjReadConfigZorvRow(rec.stError);
    if (!objConfigZorv)
        return false;
    rec.stModemName = objConfigZorv->Modem_Name.trimmed();
    rec.iRetries = qMax(1, int(objConfigZorv->no_of_retries));
    return true;
}

bool fnbReadModem(TrecModemCallSettings &rec) {
    const std::optional<TrecInstalledModem> recModem = fnrecFindInstalledModem(rec.stModemName);
    if (!recModem || recModem->stAttachedTo.trimmed().isEmpty()) {
        rec.stError =
            QStringLiteral("No modem named \"%1\" is attached to a port.").arg(rec.stModemName);
        return false;
    }
    rec.bModemFound = true;
    rec.stModemName = recModem->stFriendlyName;
    rec.stDevice = recModem->stAttachedTo.trimmed();
    rec.iBaud = int(recModem->iBaudRate);
    return true;
}

bool fnbReadNumbers(TrecModemCallSettings &rec) {
    const auto objService = fnobjReadServiceRow(cstService, rec.stError);
    if (!objService)
        return false;
    const TrecDialingLocation recLocation = fnrecDialingLocation();
    rec.bToneDialling = recLocation.bTone;
    // Whatever is dialled goes on the modem's command line: a number or prefix
    // holding anything else (a carriage return, ';') is never sent.
    const std::pair<const char *, QString> arParts[] = {
        {"outside-line prefix of the dialling location", recLocation.stOutsideAccess},
        {"primary phone number of the Site Registration service", objService->primary_phone},
        {"secondary phone number of the Site Registration service", objService->secondary_phone}};
    for (const auto &[pchPart, stPart] : arParts)
        if (!fnbDialString(stPart)) {
            rec.stError = QStringLiteral("The %1 holds characters a modem does not dial.")
                              .arg(QLatin1String(pchPart));
            return false;
        }
    for (const QString &stPhone : {objService->primary_phone, objService->secondary_phone}) {
        if (!stPhone.trimmed().isEmpty())
            rec.slNumbers << recLocation.stOutsideAccess.trimmed() + stPhone.trimmed();
    }
    if (rec.slNumbers.isEmpty()) {
        rec.stError = QStringLiteral("The %1 service has no phone number.").arg(cstService);
        return false;
    }
    return true;
}

} // namespace

TrecModemCallSettings fnrecReadModemCallSettings() {
    TrecModemCallSettings rec;
    if (fnbReadConfiguration(rec) && fnbReadModem(rec) && fnbReadNumbers(rec))
        pCommLog(0, cpchMethod,
                 QStringLiteral("Modem \"%1\" on %2 at %3 baud, %4 round(s) over %5 number(s).")
                     .arg(rec.stModemName, rec.stDevice)
                     .arg(rec.iBaud)
                     .arg(rec.iRetries)
                     .arg(rec.slNumbers.size()));
    return rec;
}
