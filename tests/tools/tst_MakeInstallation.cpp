// The installation builder: the tree, the configuration files, the seed rows,
// the variants tests ask for, and reference data read from installed packages.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "unitIniFile.h"
#include "UnitTestInstallation.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
QVariant fnvScalar(const QString &stSQL, const QVariantList &vlBinds = {}) {
    TclsAdHocQuery query;
    EXPECT_EQ(query.fniOpen(stSQL, vlBinds), 0) << qPrintable(stSQL);
    return query.fnbNext() ? query.fnvField(0) : QVariant();
}
} // namespace

TEST(MakeInstallation, TreeConfigurationAndSeedRows) {
    TclsTestInstallation objInstallation;
    ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    for (const char *pchFolder :
         {"Bin", "Config", "InfoFiles", "Images", "Help", "Logs", "Backup", "Database"})
        EXPECT_TRUE(QDir(objInstallation.fnstPath(QString::fromLatin1(pchFolder))).exists())
            << pchFolder;
    const TclsIniFile ini(objInstallation.fnstPath(QStringLiteral("Config/Installation.ini")));
    EXPECT_EQ(ini.fnstReadString(QStringLiteral("INSTALLATION_INFO"),
                                 QStringLiteral("WORKSTATION_ID"), {}),
              QStringLiteral("WKST01"));
    EXPECT_EQ(ini.fnstReadString(QStringLiteral("INSTALLATION_INFO"),
                                 QStringLiteral("DATABASE_PATH"), {}),
              QStringLiteral("..\\Database"));
    EXPECT_TRUE(
        objInstallation.fnbaReadFile(QStringLiteral("Config/Installation.ini")).contains("\r\n"));
    EXPECT_TRUE(QFile::exists(
        objInstallation.fnstPath(QStringLiteral("InfoFiles/termsandconditions_english.txt"))));
    EXPECT_TRUE(QFile::exists(objInstallation.fnstPath(QStringLiteral("Images/Smiley.bmp"))));

    // The program finds the database the way an installation names it.
    const TrecDatabaseSettings recFound = fnrecInstallationDatabaseSettings();
    if (objInstallation.fnbPostgreSQL()) {
        const TrecDatabaseSettings &recMade = objInstallation.fnrecDatabase();
        EXPECT_TRUE(recFound.fnbPostgreSQL());
        EXPECT_EQ(recFound.stHost, recMade.stHost);
        EXPECT_EQ(recFound.iPort, recMade.iPort);
        EXPECT_EQ(recFound.stName, recMade.stName);
        EXPECT_EQ(recFound.stUser, recMade.stUser);
        EXPECT_EQ(recFound.stPasswordFile, recMade.stPasswordFile);
        EXPECT_FALSE(QFile::exists(objInstallation.fnstDatabaseFile()));
    } else {
        EXPECT_EQ(QFileInfo(recFound.stDatabaseFile).canonicalFilePath(),
                  QFileInfo(objInstallation.fnstDatabaseFile()).canonicalFilePath());
    }
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM comm_service_settings")).toInt(), 10);
    EXPECT_EQ(
        fnvScalar(QStringLiteral("SELECT count(*) FROM users WHERE user_id = 'DEFAULT'")).toInt(),
        1);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT site_id FROM config_morvane")).toString(),
              QString());
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM config_zorv")).toInt(), 1);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM internet_setting")).toInt(), 1);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM pickup")).toInt(), 1);
    EXPECT_EQ(
        fnvScalar(QStringLiteral(
                      "SELECT count(*) FROM shipment_piece_reference_type WHERE active_flag = 1"))
            .toInt(),
        4);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM country")).toInt(), 0);
}

TEST(MakeInstallation, VariantsForTests) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.recSeed.stSiteId = QStringLiteral("ABC0000000123ZOZ");
    rec.recSeed.bDefaultUser = false;
    rec.recSeed.bSiteRegistrationService = false;
    rec.recSeed.bInternetSettingRow = false;
    rec.slOmitInstallationIni = {QStringLiteral("INSTALLATION_INFO/WORKSTATION_ID")};
    rec.slDropTables = {QStringLiteral("pickup")};
    TclsTestInstallation objInstallation(rec);
    ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT site_id FROM config_morvane")).toString(),
              QStringLiteral("ABC0000000123ZOZ"));
    EXPECT_EQ(
        fnvScalar(QStringLiteral("SELECT count(*) FROM users WHERE user_id = 'DEFAULT'")).toInt(),
        0);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM comm_service_settings WHERE "
                                       "service_name = 'Site Registration'"))
                  .toInt(),
              0);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM internet_setting")).toInt(), 0);
    TclsAdHocQuery query;
    EXPECT_EQ(query.fniOpen(QStringLiteral("SELECT * FROM pickup")), 9);
    const TclsIniFile ini(objInstallation.fnstPath(QStringLiteral("Config/Installation.ini")));
    EXPECT_TRUE(ini.fnbSectionExists(QStringLiteral("INSTALLATION_INFO")));
    EXPECT_FALSE(
        ini.fnbValueExists(QStringLiteral("INSTALLATION_INFO"), QStringLiteral("WORKSTATION_ID")));
}

// A second installation pointed at a server database that already holds one
// is refused before it writes a row: the workstations' rows stay as they are.
TEST(MakeInstallation, AServerDatabaseIsSeededOnce) {
    TclsTestInstallation objInstallation;
    ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    if (!objInstallation.fnbPostgreSQL())
        GTEST_SKIP() << "a LAN installation's database";
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.recDatabase = objInstallation.fnrecDatabase();
    rec.recSeed.stSiteId = QStringLiteral("ABC0000000123ZOZ");
    QTemporaryDir dirSecond;
    QString stError;
    EXPECT_FALSE(fnbMakeInstallation(dirSecond.path(), rec, stError));
    EXPECT_EQ(stError, QStringLiteral("database %1 already holds an installation")
                           .arg(objInstallation.fnrecDatabase().stName));
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT site_id FROM config_morvane")).toString(),
              QString());
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM config_zorv")).toInt(), 1);
}

TEST(MakeInstallation, ReferenceDataFromInstalledPackages) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bReferenceData = true;
    TclsTestInstallation objInstallation(rec);
    ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM country")).toInt(), 249);
    EXPECT_GT(fnvScalar(QStringLiteral("SELECT count(*) FROM state")).toInt(), 5000);
    EXPECT_GT(fnvScalar(QStringLiteral("SELECT count(*) FROM directory")).toInt(), 4000);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM esd")).toInt(),
              fnvScalar(QStringLiteral("SELECT count(*) FROM directory")).toInt());

    const struct {
        const char *pchSQL;
        const char *pchBind;
        const char *pchExpected;
    } arRows[] = {
        {"SELECT country_name FROM country WHERE country_cd = ?", "DE", "Germany"},
        {"SELECT UsePostCode_flag FROM country WHERE country_cd = ?", "DE", "1"},
        {"SELECT UsePostCode_flag FROM country WHERE country_cd = ?", "AE", "0"},
        {"SELECT country_cd FROM state WHERE state = ?", "California", "US"},
        {"SELECT state_cd FROM state WHERE state = ?", "California", "CA"},
        {"SELECT city FROM directory WHERE iata = ?", "FRA", "Frankfurt am Main"},
        {"SELECT country_name FROM esd WHERE iata = ?", "LHR", "United Kingdom"},
        {"SELECT countrycode FROM phonemobile_regex WHERE country_cd = ? AND number_type = "
         "'MOBILE'",
         "GB", "44"},
    };
    for (const auto &r : arRows)
        EXPECT_EQ(
            fnvScalar(QString::fromLatin1(r.pchSQL), {QString::fromLatin1(r.pchBind)}).toString(),
            QString::fromLatin1(r.pchExpected))
            << r.pchSQL << " " << r.pchBind;

    // Each rule's pattern and length accept its own example number.
    TclsAdHocQuery query;
    ASSERT_EQ(query.fniOpen(QStringLiteral("SELECT country_cd, number_type, possible_len, RegExp, "
                                           "sample_format FROM phonemobile_regex")),
              0);
    int iRules = 0;
    while (query.fnbNext()) {
        ++iRules;
        const QString stSample = query.fnvField(4).toString();
        const QRegularExpression reLength(
            QStringLiteral("^[0-9]{%1}$").arg(query.fnvField(2).toString()));
        const QRegularExpression rePattern(query.fnvField(3).toString());
        ASSERT_TRUE(rePattern.isValid()) << qPrintable(query.fnvField(0).toString());
        EXPECT_TRUE(reLength.match(stSample).hasMatch() && rePattern.match(stSample).hasMatch())
            << qPrintable(query.fnvField(0).toString() + QLatin1Char(' ') +
                          query.fnvField(1).toString() + QLatin1Char(' ') + stSample);
    }
    EXPECT_GT(iRules, 400);
}

TEST(MakeInstallation, PhoneRulesMatchNumbersAsTyped) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bPhoneRules = true;
    TclsTestInstallation objInstallation(rec);
    ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM country")).toInt(), 0);
    EXPECT_FALSE(QFileInfo::exists(objInstallation.fnstPath("Config/PhoneNumberMetadata.xml")));
    const struct {
        const char *pchRegion;
        const char *pchType;
        const char *pchLengths;
        const char *pchSample;
        const char *pchTyped; // another number as a user types it
        bool bMatches;
    } arCases[] = {
        // A trunk prefix may be typed or left out.
        {"GB", "FIXED_LINE", "9,11", "01212345678", "2079460000", true},
        {"GB", "FIXED_LINE", "9,11", "01212345678", "02079460000", true},
        {"GB", "MOBILE", "10,11", "07400123456", "7400123456", true},
        {"GB", "MOBILE", "10,11", "07400123456", "2079460000", false},
        // Belarus writes "80" in front, more than its trunk prefix "8".
        {"BY", "MOBILE", "9,10", "294911911", "8294911911", true},
        {"US", "FIXED_LINE", "10,11", "2015550123", "12015550123", true},
        {"AU", "MOBILE", "9,10", "0412345678", "412345678", true},
        // Italy dials no trunk prefix: the zero belongs to the number.
        {"IT", "FIXED_LINE", "6,11", "0212345678", "212345678", false},
        {"XK", "FIXED_LINE", "8,10", "028012345", "28012345", true},
        {"GA", "MOBILE", "7,8", "06031234", "06031234", true},
    };
    for (const auto &r : arCases) {
        TclsAdHocQuery query;
        ASSERT_EQ(query.fniOpen(QStringLiteral("SELECT possible_len, RegExp, sample_format FROM "
                                               "phonemobile_regex WHERE country_cd = ? AND "
                                               "number_type = ?"),
                                {QString::fromLatin1(r.pchRegion), QString::fromLatin1(r.pchType)}),
                  0);
        ASSERT_TRUE(query.fnbNext()) << r.pchRegion << " " << r.pchType;
        EXPECT_EQ(query.fnvField(0).toString(), QLatin1String(r.pchLengths)) << r.pchRegion;
        EXPECT_EQ(query.fnvField(2).toString(), QLatin1String(r.pchSample)) << r.pchRegion;
        const QRegularExpression reLength(
            QStringLiteral("^[0-9]{%1}$").arg(query.fnvField(0).toString()));
        const QRegularExpression rePattern(query.fnvField(1).toString());
        const QString stTyped = QString::fromLatin1(r.pchTyped);
        EXPECT_EQ(reLength.match(stTyped).hasMatch() && rePattern.match(stTyped).hasMatch(),
                  r.bMatches)
            << r.pchRegion << " " << r.pchType << " " << r.pchTyped;
    }
}

TEST(MakeInstallation, PhoneMetadataFileInLibphonenumbersLayout) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bPhoneMetadata = true;
    TclsTestInstallation objInstallation(rec);
    ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT count(*) FROM phonemobile_regex")).toInt(), 0);
    const QString stXml = QString::fromUtf8(
        objInstallation.fnbaReadFile(QStringLiteral("Config/PhoneNumberMetadata.xml")));
    ASSERT_TRUE(stXml.startsWith(QLatin1String("<?xml"))) << qPrintable(stXml.left(200));
    EXPECT_GT(stXml.count(QLatin1String("<territory ")), 245);
    const QString stGB = stXml.section(QLatin1String("<territory id=\"GB\""), 1, 1)
                             .section(QLatin1String("</territory>"), 0, 0);
    for (const char *pchPart :
         {" countryCode=\"44\"", " mainCountryForCode=\"true\"", " internationalPrefix=\"00\"",
          " nationalPrefix=\"0\"", "<fixedLine>", "<possibleLengths national=\"10\"",
          "<exampleNumber>1212345678</exampleNumber>", "<mobile>",
          "<exampleNumber>7400123456</exampleNumber>", "<nationalNumberPattern>"})
        EXPECT_TRUE(stGB.contains(QLatin1String(pchPart))) << pchPart;
    EXPECT_TRUE(stXml.contains(QLatin1String("<territory id=\"001\" countryCode=\"800\"")));
    EXPECT_TRUE(stXml.trimmed().endsWith(QLatin1String("</phoneNumberMetadata>")));
}
