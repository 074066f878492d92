// The installation builder: a tree the wizard starts in, its configuration,
// the seed rows, reference data from installed packages, and a server
// database that already holds an installation left alone.
#include "unitIniFile.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTime>

#include <array>
#include <vector>

namespace {
// Each (SQL, bound value, expected first column) of a list.
void pExpectRows(const std::vector<std::array<const char *, 3>> &arRows) {
    for (const auto &[pchSQL, pchBind, pchExpected] : arRows) {
        const QVariantList vl =
            pchBind ? QVariantList{QString::fromLatin1(pchBind)} : QVariantList{};
        EXPECT_EQ(fnstScalar(QString::fromLatin1(pchSQL), vl), QString::fromLatin1(pchExpected))
            << pchSQL << " " << (pchBind ? pchBind : "");
    }
}
} // namespace

TEST(MakeInstallation, TreeConfigurationAndSeedRows) {
    TclsTestInstallation objInstallation;
    ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    for (const char *pchPath : {"Bin", "InfoFiles/termsandconditions_english.txt",
                                "Images/Smiley.bmp", "Help", "Logs", "Backup"})
        EXPECT_TRUE(QFileInfo::exists(objInstallation.fnstPath(QString::fromLatin1(pchPath))))
            << pchPath;
    const TclsIniFile ini(objInstallation.fnstPath(QStringLiteral("Config/Installation.ini")));
    EXPECT_EQ(ini.fnstReadString(QStringLiteral("INSTALLATION_INFO"),
                                 QStringLiteral("WORKSTATION_ID"), {}),
              QStringLiteral("WKST01"));
    // The wizard's own lines are level 0: all of them are logged.
    EXPECT_EQ(ini.fnstReadString(QStringLiteral("Log"), QStringLiteral("Severity"), {}),
              QStringLiteral("0"));

    // The program finds the database the way an installation names it.
    const TrecDatabaseSettings recFound = fnrecInstallationDatabaseSettings();
    if (objInstallation.fnbPostgreSQL()) {
        EXPECT_EQ(recFound.stName, objInstallation.fnrecDatabase().stName);
        EXPECT_FALSE(QFile::exists(objInstallation.fnstDatabaseFile()));
    } else {
        EXPECT_EQ(QFileInfo(recFound.stDatabaseFile).canonicalFilePath(),
                  QFileInfo(objInstallation.fnstDatabaseFile()).canonicalFilePath());
    }
    pExpectRows({{"SELECT count(*) FROM comm_service_settings", nullptr, "10"},
                 {"SELECT count(*) FROM users WHERE user_id = ?", "DEFAULT", "1"},
                 {"SELECT coalesce(site_id, '') FROM config_morvane", nullptr, ""},
                 {"SELECT count(*) FROM config_zorv", nullptr, "1"},
                 {"SELECT count(*) FROM internet_setting", nullptr, "1"},
                 {"SELECT count(*) FROM country", nullptr, "0"}});
    // One pickup location, ready by 09:00 and closing at 17:00.
    EXPECT_EQ(fnstScalar(QStringLiteral("SELECT count(*) FROM pickup")), QStringLiteral("1"));
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT default_readyby_time FROM pickup")).toTime(),
              QTime(9, 0));
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT default_close_time FROM pickup")).toTime(),
              QTime(17, 0));
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
    pExpectRows({{"SELECT coalesce(site_id, '') FROM config_morvane", nullptr, ""},
                 {"SELECT count(*) FROM config_zorv", nullptr, "1"}});
}

TEST(MakeInstallation, ReferenceDataFromInstalledPackages) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bReferenceData = true;
    rec.bPhoneRules = true;
    TclsTestInstallation objInstallation(rec);
    ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    pExpectRows({
        {"SELECT count(*) FROM country", nullptr, "249"},
        {"SELECT UsePostCode_flag FROM country WHERE country_cd = ?", "DE", "1"},
        {"SELECT UsePostCode_flag FROM country WHERE country_cd = ?", "AE", "0"},
        {"SELECT state_cd || country_cd FROM state WHERE state = ?", "California", "CAUS"},
        {"SELECT city FROM directory WHERE iata = ?", "FRA", "Frankfurt am Main"},
        {"SELECT country_name FROM esd WHERE iata = ?", "LHR", "United Kingdom"},
    });
    // A number matches its rule as a user types it: the trunk prefix may be
    // typed or left out, but only where the country dials one.
    const struct {
        const char *pchRegion, *pchType, *pchTyped;
        bool bMatches;
    } arCases[] = {
        {"GB", "MOBILE", "7400123456", true},
        {"GB", "MOBILE", "2079460000", false},
        {"GB", "FIXED_LINE", "02079460000", true},
        {"BY", "MOBILE", "8294911911", true}, // "80" in front, more than the trunk prefix
        {"IT", "FIXED_LINE", "212345678", false},
    };
    for (const auto &r : arCases) {
        TclsAdHocQuery query;
        ASSERT_EQ(query.fniOpen(QStringLiteral("SELECT possible_len, RegExp FROM phonemobile_regex "
                                               "WHERE country_cd = ? AND number_type = ?"),
                                {QString::fromLatin1(r.pchRegion), QString::fromLatin1(r.pchType)}),
                  0);
        ASSERT_TRUE(query.fnbNext()) << r.pchRegion << " " << r.pchType;
        const QString stTyped = QString::fromLatin1(r.pchTyped);
        EXPECT_EQ(
            QRegularExpression(QStringLiteral("^[0-9]{%1}$").arg(query.fnvField(0).toString()))
                    .match(stTyped)
                    .hasMatch() &&
                QRegularExpression(query.fnvField(1).toString()).match(stTyped).hasMatch(),
            r.bMatches)
            << r.pchRegion << " " << r.pchType << " " << r.pchTyped;
    }
}
