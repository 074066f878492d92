// TclsRWSiteRegistration's installation values and the result texts its
// callers compare with.
#include "unitSiteRegistration.h"
#include "unitSiteRegistrationStrings.h"

#include "unitIniFile.h"
#include "unitLogToFile.h"
#include "unitRegistry.h"

namespace {
const QString cstUnit = QStringLiteral("unitSiteRegistration");
const QString cstInstallationInfo = QStringLiteral("INSTALLATION_INFO");
} // namespace

QString fnstSiteRegistrationFailedText() {
    return fnstRS(srs::rsSiteRegistrationFailed);
}

QString fnstInvalidSiteIdText() {
    return fnstRS(srs::rsInvalidSiteId);
}

QString fnstManualRegistrationFailedText() {
    return fnstRS(srs::rsManualRegistrationFailed);
}

TclsRWSiteRegistration::TclsRWSiteRegistration() {
    const QString stCreate = QStringLiteral("Create");
    pWriteLog(1, cstUnit, stCreate, QStringLiteral("Reading the appl base dir from registry."));
    stApplicationPath = TclsRegistry()
                            .fnstReadString(TRootKey::HKEY_LOCAL_MACHINE,
                                            QStringLiteral("Software\\Zorvline\\Morvane"),
                                            QStringLiteral("Application path"))
                            .value_or(QString());
    pWriteLog(1, cstUnit, stCreate, QStringLiteral("Reading database path from installation.ini."));
    const TclsIniFile objIni(QStringLiteral("..\\config\\installation.ini"));
    stDatabasePath = objIni.fnstReadString(cstInstallationInfo, QStringLiteral("DATABASE_PATH"),
                                           QStringLiteral("..\\Database")) +
                     QLatin1Char('\\');
    stInstalledVersion = objIni.fnstReadString(cstInstallationInfo, QStringLiteral("VERSION"),
                                               QStringLiteral("5.01.02"));
    stInstallationType = objIni.fnstReadString(
        cstInstallationInfo, QStringLiteral("INSTALLATION_TYPE"), QStringLiteral("LAN"));
}

TclsRWSiteRegistration::~TclsRWSiteRegistration() {
    pWriteLog(1, cstUnit, QStringLiteral("Destroy"), QStringLiteral("Inside Destroy method."));
}

QDateTime TclsRWSiteRegistration::fndtNow() const {
    return dtClock.value_or(QDateTime::currentDateTime());
}
