// TclsRWSiteRegistration's installation values, the host's date format and a
// site ID typed by the user.
#include "tstSiteRegHelpers.h"

#include <optional>

namespace {
class SiteRegistration : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override { ASSERT_INSTALLED(objInstallation); }
};
} // namespace

TEST(SiteRegistrationCreate, InstallationValuesComeFromInstallationIniAndTheRegistry) {
    const struct {
        QStringList slOmit;       // keys left out of Installation.ini
        QByteArray baVersionLine; // replaces the built VERSION line; empty: kept
        bool bRegistry;
        QString stVersion, stType;
        bool bApplicationPath;
    } arCases[] = {
        {{},
         "VERSION=5.03.00",
         true,
         QStringLiteral("5.03.00"),
         QStringLiteral("Single User Typical"),
         true},
        {{QStringLiteral("INSTALLATION_INFO/DATABASE_PATH"),
          QStringLiteral("INSTALLATION_INFO/VERSION"),
          QStringLiteral("INSTALLATION_INFO/INSTALLATION_TYPE")},
         {},
         false,
         QStringLiteral("5.01.02"),
         QStringLiteral("LAN"),
         false},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.slOmit.join(QLatin1Char(' ')).toStdString());
        TrecInstallationOptions recOptions = fnrecTestOptions();
        recOptions.slOmitInstallationIni = rec.slOmit;
        TclsTestInstallation objInstallation(recOptions);
        ASSERT_INSTALLED(objInstallation);
        if (!rec.bRegistry) {
            ASSERT_TRUE(
                QFile::remove(objInstallation.fnstPath(QStringLiteral("Config/registry.ini"))));
        }
        if (!rec.baVersionLine.isEmpty()) {
            ASSERT_TRUE(
                objInstallation.fnbEditInstallationIni("VERSION=5.01.02", rec.baVersionLine));
        }
        const TclsRWSiteRegistration objSiteRegistration;
        EXPECT_EQ(objSiteRegistration.fnstDatabasePath(), QStringLiteral("..\\Database\\"));
        EXPECT_EQ(objSiteRegistration.fnstInstalledVersion(), rec.stVersion);
        EXPECT_EQ(objSiteRegistration.fnstInstallationType(), rec.stType);
        EXPECT_EQ(objSiteRegistration.fnstApplicationPath(),
                  rec.bApplicationPath ? QDir::toNativeSeparators(objInstallation.fnstRoot())
                                       : QString());
    }
}

TEST(SiteRegistrationDate, TheHostsDatesReadAsDayMonthYear) {
    const struct {
        QString stText;
        std::optional<QDate> optDate;
    } arCases[] = {
        {QStringLiteral("       0"), QDate(1999, 11, 11)},
        {QStringLiteral("15032024"), QDate(2024, 3, 15)},
        {QStringLiteral("29022024"), QDate(2024, 2, 29)},
        {QStringLiteral("29022023"), std::nullopt},
        {QStringLiteral("31042024"), std::nullopt},
        {QStringLiteral("00012024"), std::nullopt},
        {QStringLiteral("1503202"), std::nullopt},
        {QStringLiteral("150320245"), std::nullopt},
        {QStringLiteral("15-03-24"), std::nullopt},
        {QStringLiteral(" 5032024"), std::nullopt},
        {QStringLiteral("0"), std::nullopt},
        {QString(), std::nullopt},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.stText.toStdString());
        EXPECT_EQ(TclsRWSiteRegistration::fnbFormatDate(rec.stText), rec.optDate);
    }
}

TEST_F(SiteRegistration, ATypedSiteIdIsCheckedAndStoredInUpperCase) {
    const QString stInvalid = QStringLiteral("Invalid site id");
    const struct {
        QString stTyped;
        QString stResult;
        QString stStored; // the site ID afterwards
    } arCases[] = {
        {QStringLiteral("abc1234567890zoz"), cstSuccess, QStringLiteral("ABC1234567890ZOZ")},
        {QStringLiteral("  XYZ0000000001ZOZ \t"), cstSuccess, QStringLiteral("XYZ0000000001ZOZ")},
        {QStringLiteral("QRS-123456789ZOZ"), cstSuccess, QStringLiteral("QRS-123456789ZOZ")},
        {QStringLiteral("A1C1234567890ZOZ"), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
        {QStringLiteral("ABC1234567890ZOX"), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
        {QStringLiteral("ABC123456789ZOZ"), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
        {QStringLiteral("ABC12345678901ZOZ"), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
        {QStringLiteral("ABC12345 7890ZOZ"), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
        {QStringLiteral("ABC9999999999ZOZ"), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
        {QStringLiteral("ABC12345678.0ZOZ"), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
        {QStringLiteral("ÄBC1234567890ZOZ"), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
        {QString(), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.stTyped.toStdString());
        EXPECT_EQ(TclsRWSiteRegistration().fnstManualSiteReg(rec.stTyped), rec.stResult);
        EXPECT_EQ(fnstStoredSiteId(), rec.stStored);
    }
    pExecute(QStringLiteral("DROP TABLE config_morvane"));
    EXPECT_EQ(TclsRWSiteRegistration().fnstManualSiteReg(QStringLiteral("ABC1234567890ZOZ")),
              QStringLiteral("Manual site registration failed"));
}
