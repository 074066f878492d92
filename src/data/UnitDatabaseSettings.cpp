// Reading the installation's database choice and making its backend.
#include "UnitDatabaseSettings.h"

#include "unitGlobalData.h"
#include "unitIniFile.h"
#include "unitLogToFile.h"
#include "UnitPostgreSQLBackend.h"
#include "UnitSQLiteBackend.h"

#include <QFileInfo>

namespace {
const QString cstSection = QStringLiteral("DATABASE");
}

TrecDatabaseSettings fnrecInstallationDatabaseSettings() {
    const TclsIniFile iniInstallation(QStringLiteral("../Config/Installation.ini"));
    const QString stPath = iniInstallation.fnstReadString(QStringLiteral("INSTALLATION_INFO"),
                                                          QStringLiteral("DATABASE_PATH"),
                                                          QStringLiteral("..\\Database"));
    auto fnstRead = [&](const char *pchKey) {
        return iniInstallation.fnstReadString(cstSection, QString::fromLatin1(pchKey), QString())
            .trimmed();
    };
    TrecDatabaseSettings rec;
    rec.stDatabaseFile = fnstResolvePath(stPath + QStringLiteral("/Morvane_050300.db"));
    if (const QString stDriver = fnstRead("DRIVER"); !stDriver.isEmpty())
        rec.stDriver = stDriver.toUpper();
    rec.stHost = fnstRead("HOST");
    rec.iPort = fnstRead("PORT").toInt();
    rec.stName = fnstRead("NAME");
    rec.stUser = fnstRead("USER");
    rec.stPasswordFile = fnstRead("PASSWORD_FILE");
    rec.stSslMode = fnstRead("SSLMODE");
    if (const QString stCert = fnstRead("SSLROOTCERT"); !stCert.isEmpty())
        rec.stSslRootCert = QFileInfo(fnstResolvePath(stCert)).absoluteFilePath();
    rec.stKeyFile =
        iniInstallation
            .fnstReadString(QStringLiteral("SECURITY"), QStringLiteral("KEY_FILE"), QString())
            .trimmed();
    // A password written into the ini is not used: anyone who can read the
    // installation could read it. Its value is not logged either.
    if (iniInstallation.fnbValueExists(cstSection, QStringLiteral("PASSWORD")))
        pWriteLog(2, QStringLiteral("UnitDatabaseSettings"),
                  QStringLiteral("fnrecInstallationDatabaseSettings"),
                  QStringLiteral("PASSWORD in [DATABASE] of Installation.ini is ignored; use "
                                 "PASSWORD_FILE or the libpq environment"));
    return rec;
}

QString fnstKeyFileOf(const TrecDatabaseSettings &rec) {
    return QFileInfo(fnstResolvePath(rec.stKeyFile.isEmpty()
                                         ? QStringLiteral("..\\Config\\secrets.key")
                                         : rec.stKeyFile))
        .absoluteFilePath();
}

std::unique_ptr<TclsDatabaseBackend> fnobjCreateBackend(const TrecDatabaseSettings &rec) {
    if (rec.stDriver.compare(QLatin1String(cstDriverSQLite), Qt::CaseInsensitive) == 0)
        return std::make_unique<TclsSQLiteBackend>(rec.stDatabaseFile);
    if (rec.fnbPostgreSQL())
        return std::make_unique<TclsPostgreSQLBackend>(rec);
    return nullptr;
}
