// Reading a call's settings. The rows come through the database library, on the
// connection the wizard shares with this library.
#include "unitHTTPCallSettings.h"

#include "unitCommunicationLog.h"
#include "unitStoredRows.h"

#include "unitGlobalData.h"
#include "unitIniFile.h"

#include <QDir>

namespace {

const char *const cpchMethod = "fnrecReadHTTPCallSettings";
const QString cstSection = QStringLiteral("COMMUNICATION");

// A time-out below one second would make every call fail; such a value is
// taken as not set.
long fniTimeout(const TclsIniFile &objIni, const char *pchKey, long iDefault) {
    const qint32 i = objIni.fniReadInteger(cstSection, QLatin1String(pchKey), 0);
    return i >= 1 ? i : iDefault;
}

// A relative CA file is found beside Installation.ini, where the installation
// keeps its configuration.
QString fnstCAFile(const TclsIniFile &objIni) {
    QString st = objIni.fnstReadString(cstSection, QStringLiteral("CA_FILE"), QString()).trimmed();
    if (st.isEmpty())
        return st;
    st.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isRelativePath(st))
        st = fnstConfigDir() + st;
    return fnstResolvePath(st);
}

void pReadInstallationIni(TrecHTTPCallSettings &rec) {
    const TclsIniFile objIni(fnstConfigDir() + QStringLiteral("Installation.ini"));
    rec.iConnectTimeout = fniTimeout(objIni, "CONNECT_TIMEOUT", rec.iConnectTimeout);
    rec.iTimeout = fniTimeout(objIni, "TIMEOUT", rec.iTimeout);
    rec.stCAFile = fnstCAFile(objIni);
    pCommLog(0, cpchMethod,
             QStringLiteral("Connect time-out %1 s, time-out %2 s, extra CA file \"%3\".")
                 .arg(rec.iConnectTimeout)
                 .arg(rec.iTimeout)
                 .arg(rec.stCAFile));
}

bool fnbReadServiceUrl(const QString &stService, bool bSSL, TrecHTTPCallSettings &rec) {
    const auto objService = fnobjReadServiceRow(stService, rec.stError);
    if (!objService)
        return false;
    rec.recUrl = fnrecServiceUrl(objService->http_server, objService->http_port, bSSL);
    rec.stError = rec.recUrl.stError;
    return rec.stError.isEmpty();
}

bool fnbReadProxy(bool bSSL, TrecHTTPCallSettings &rec) {
    const auto objInternet = fnobjReadInternetSettingRow(rec.stError);
    if (!rec.stError.isEmpty())
        return false;
    rec.recProxy = fnrecProxyFor(objInternet ? &*objInternet : nullptr, bSSL);
    return true;
}

} // namespace

QString fnstServiceName(int iServiceNumber) {
    constexpr int ciSiteRegistration = 5;
    return iServiceNumber == ciSiteRegistration ? QStringLiteral("Site Registration") : QString();
}

TrecHTTPCallSettings fnrecReadHTTPCallSettings(int iServiceNumber, bool bSSL) {
    TrecHTTPCallSettings rec;
    const QString stService = fnstServiceName(iServiceNumber);
    if (stService.isEmpty()) {
        rec.stError =
            QStringLiteral("Service number %1 is not served over HTTP.").arg(iServiceNumber);
        return rec;
    }
    if (fnbReadServiceUrl(stService, bSSL, rec) && fnbReadProxy(bSSL, rec))
        pReadInstallationIni(rec);
    return rec;
}
