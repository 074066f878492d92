// The host's answer checked and stored whole or not at all; a typed site ID; the installation.
#include "../settings/tstSettingsHelpers.h"
#include "tstSiteRegReplies.h"
#include "UnitLockHolder.h"
#include "UnitMV5Records.h"
#include "UnitMV5ReferenceRecords.h"
#include "unitRWSettings.h"
#include "UnitScriptedAnswerer.h"
#include "unitSiteRegistrationReply.h"

namespace {
const QString cstFailed = QStringLiteral("Site Registration Failed");

// The stored site ID.
QString fnstStoredSiteId() {
    const auto ar = fnarRows<TclsConfigMorvaneData>();
    return ar.empty() ? QStringLiteral("<no row>") : ar.front().site_id;
}

// The rows the range savers write into, as the number allocation left them.
void pInsertRangeRows() {
    TobjarMVData objarShipment, objarLP;
    auto objShipment = std::make_unique<TclsShipmentNumberData>();
    objShipment->allocation_qty = 1000;
    objarShipment.push_back(std::move(objShipment));
    auto objLP = std::make_unique<TclsZorvLpData>();
    objLP->allocation_qty = 10000;
    objLP->lp_status = objLP->lp_source = QStringLiteral("J");
    objarLP.push_back(std::move(objLP));
    EXPECT_EQ(fniInsertRecord(objarShipment) + fniInsertRecord(objarLP), 0);
}

const QString cstSiteId = QStringLiteral("ABC1234567890ZOZ");
const QByteArray cbaSiteId = cstSiteId.toLatin1();
const TrecRangeText crecShipment{"0", "1234567890", "1234569999", "15032024"};
const TrecRangeText crecLP{"0", "JDA1234", "JDA123999", "       0"};
const TrecPickupText crecPickup{"0",    "Unit 4", "Harbour Road", "Onehunga", "Auckland",
                                "1061", "NZ"};
const QString cstShipmentStored = QStringLiteral("1234567890 1234567890 1234569999 2024-03-15");
const QString cstLPStored = QStringLiteral("J DA1 234 234 239");

QString fnstShipment() {
    const auto ar = fnarRows<TclsShipmentNumberData>();
    return ar.empty() ? QStringLiteral("<no row>")
                      : QStringList{ar[0].start_number, ar[0].current_number, ar[0].end_number,
                                    ar[0].allocation_date.date().toString(Qt::ISODate)}
                            .join(QLatin1Char(' '));
}

QString fnstLP() {
    const auto ar = fnarRows<TclsZorvLpData>();
    return ar.empty() ? QStringLiteral("<no row>")
                      : QStringList{ar[0].lp_prefix, ar[0].lp_type, ar[0].start_number,
                                    ar[0].current_number, ar[0].end_number}
                            .join(QLatin1Char(' '));
}

// Site ID | shipment range | LP range | the pickup's first address line.
QString fnstStored() {
    const auto arPickup = fnarRows<TclsPickupData>();
    return QStringList{fnstStoredSiteId(), fnstShipment(), fnstLP(),
                       arPickup.empty() ? QStringLiteral("<no row>") : arPickup[0].address1}
        .join(QLatin1Char('|'));
}

QString fnstSaveHTTP(const TrecSiteRegHTTPResp &rec) {
    QString stResult = QStringLiteral("FAILURE");
    TclsRWSiteRegistration().pSaveSiteRegResponseForHTTP(rec, stResult);
    return stResult;
}

class SiteRegistrationReply : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    TclsScriptedAnswerer objAnswerer;
    QString stBefore; // what the site holds before the answer
    void SetUp() override {
        ASSERT_INSTALLED(objInstallation);
        pInsertRangeRows();
        stBefore = fnstStored();
    }
    void TearDown() override { EXPECT_TRUE(objAnswerer.fnarUnexpected().empty()); }
};
} // namespace

TEST_F(SiteRegistrationReply, AModemReplyStoresItsSiteIdWithItsRangesOrNothing) {
    const struct {
        const char *pchCase;
        QByteArray baData;
    } arRefused[] = {
        {"not an answer to a registration", "REGX" + cbaSiteId},
        {"blank site id", "REGP" + QByteArray(16, ' ')},
        {"site id of NULs", "REGP" + QByteArray(16, '\0')},
        {"answer ends inside the id", "REGPAB"},
    };
    for (const auto &rec : arRefused) {
        SCOPED_TRACE(rec.pchCase);
        TrecModemReply recReply(rec.baData, crecShipment, crecLP);
        EXPECT_EQ(TclsRWSiteRegistration().fnstSaveModemReply(recReply.rec), cstFailed);
        EXPECT_EQ(fnstStored(), stBefore);
    }
    // A message length beyond the buffer is read up to the buffer.
    TrecModemReply recReply("REGP" + cbaSiteId + "more", crecShipment, crecLP);
    recReply.rec.recMessageData.iLength = 1u << 30;
    EXPECT_EQ(TclsRWSiteRegistration().fnstSaveModemReply(recReply.rec), cstSiteId);
    EXPECT_EQ(
        fnstStored(),
        QStringList({cstSiteId, cstShipmentStored, cstLPStored, QString()}).join(QLatin1Char('|')));
}

TEST_F(SiteRegistrationReply, OnlyAllocatedRangesAreStoredAndLPNumbersAreSliced) {
    const QString stShipmentBefore = fnstShipment(), stLPBefore = fnstLP();
    const struct {
        TrecRangeText recShipment, recLP;
        const char *pchStored; // shipment|LP; =S and =L: the row left alone
    } arCases[] = {
        {{"1", "1234567890", "1234569999", "15032024"}, {"1", "JDA1234", "JDA123999"}, "=S|=L"},
        {{"0", "", "1234569999", "15032024"}, {"0", "JDA1234", ""}, "=S|=L"},
        {{" 0 ", "12345678901234567890", "99999999999999999999", "       0"},
         {"0", "JPL0000000001", "JPL0000099999"},
         "1234567890123456 1234567890123456 9999999999999999 1999-11-11|"
         "J PL0 000000001 000000001 000099999"},
        {{"0", "1", "2", "31022024"}, {"0", "JDA15", "JDA19"}, "1 1 2 |J DA1 5 5 9"},
    };
    for (const auto &rec : arCases) {
        pExecute(QStringLiteral("DELETE FROM shipment_number"));
        pExecute(QStringLiteral("DELETE FROM zorv_lp"));
        pInsertRangeRows();
        TrecModemReply recReply("REGP" + cbaSiteId, rec.recShipment, rec.recLP);
        EXPECT_EQ(TclsRWSiteRegistration().fnstSaveModemReply(recReply.rec), cstSiteId);
        EXPECT_EQ(fnstShipment() + QLatin1Char('|') + fnstLP(),
                  QString::fromLatin1(rec.pchStored)
                      .replace(QLatin1String("=S"), stShipmentBefore)
                      .replace(QLatin1String("=L"), stLPBefore));
    }
}

// A row that cannot be written stores nothing of the answer: the site stays
// unregistered and can register again.
TEST(SiteRegistrationReplyWhole, AnAnswerIsStoredWholeOrNotAtAll) {
    for (const char *pchTable : {"shipment_number", "zorv_lp", "pickup"}) {
        SCOPED_TRACE(pchTable);
        TclsTestInstallation objInstallation;
        ASSERT_INSTALLED(objInstallation);
        pInsertRangeRows();
        const QString stBefore = fnstStored();
        pRefuseWrites(QString::fromLatin1(pchTable), QStringLiteral("UPDATE"));
        TrecModemReply recReply("REGP" + cbaSiteId, crecShipment, crecLP, crecPickup);
        EXPECT_EQ(TclsRWSiteRegistration().fnstSaveModemReply(recReply.rec), cstFailed);
        EXPECT_EQ(fnstSaveHTTP(fnrecHTTPReply("REGP", cstSiteId, crecShipment, crecLP, crecPickup)),
                  cstFailed);
        EXPECT_EQ(fnstStored(), stBefore);
    }
}

TEST_F(SiteRegistrationReply, ThePickupAddressTakesItsCountryNameFromTheCountryTable) {
    TobjarMVData objarCountry;
    auto objCountry = std::make_unique<TclsCountryData>();
    objCountry->country_cd = QStringLiteral("NZ");
    objCountry->country_name = QStringLiteral("New Zealand");
    objarCountry.push_back(std::move(objCountry));
    ASSERT_EQ(fniInsertRecord(objarCountry), 0);
    const QByteArray baLongCity(60, 'c');
    const QString stLongStored = QStringLiteral("a1|a2|a3|%1|pc|New Zealand").arg(QString(45, 'c'));
    const struct {
        TrecPickupText recPickup;
        QString stStored; // address 1 to 3, city, postcode, country name
    } arCases[] = {
        {crecPickup, QStringLiteral("Unit 4|Harbour Road|Onehunga|Auckland|1061|New Zealand")},
        {{"0", "a1", "a2", "a3", baLongCity.constData(), "pc", "XX"}, stLongStored},
        {{"1", "b1", "b2", "b3", "city", "pc2", "NZ"}, stLongStored},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.recPickup.pchAddress1);
        TrecRegistrationPickupResponse recReply{};
        pFillPickup(recReply, rec.recPickup);
        EXPECT_EQ(fnstSaveHostAnswer({cstSiteId, {}, {}, fnrecPickupReply(recReply)}), cstSuccess);
        const auto arRows = fnarRows<TclsPickupData>();
        ASSERT_EQ(arRows.size(), 1u);
        const TclsPickupData &o = arRows.front();
        EXPECT_EQ(QStringList({o.address1, o.address2, o.address3, o.city, o.postcode,
                               o.country_name, o.pickup_locations.join(QLatin1Char(','))})
                      .join(QLatin1Char('|')),
                  rec.stStored + QStringLiteral("|RECEPTION"));
    }
}

TEST_F(SiteRegistrationReply, AnHTTPReplyStoresItsSiteIdAndThenWhatWasAllocated) {
    const auto fnrecReply =
        [](const QString &stSiteId, const TrecRangeText &recShipment = crecShipment,
           const TrecRangeText &recLP = crecLP, const TrecPickupText &recPickup = crecPickup) {
            return fnrecHTTPReply("REGP", stSiteId, recShipment, recLP, recPickup);
        };
    // A value of the host's that is no value of its kind fails the
    // registration with the text the user gets for a bad answer, and nothing
    // is stored.
    const std::pair<const char *, TrecSiteRegHTTPResp> arRefused[] = {
        {"not REGP", fnrecHTTPReply("REGX", cstSiteId, crecShipment, crecLP, crecPickup)},
        {"blank site id", fnrecReply(QString(16, QLatin1Char(' ')))},
        {"a line end in the site id", fnrecReply(QStringLiteral("ABC12345678\r\n0ZOZ"))},
        {"a range of letters", fnrecReply(cstSiteId, {"0", "12A", "999", "15032024"})},
        {"licence plates of letters",
         fnrecReply(cstSiteId, crecShipment, {"0", "JDA12X", "JDA199"})},
        {"a line end in the pickup city",
         fnrecReply(cstSiteId, crecShipment, crecLP,
                    {"0", "Unit 4", "Harbour Road", "Onehunga", "Auck\r\nland", "1061", "NZ"})},
    };
    for (const auto &[pchCase, recReply] : arRefused)
        EXPECT_EQ((QStringList{fnstSaveHTTP(recReply), fnstStored()}),
                  (QStringList{cstFailed, stBefore}))
            << pchCase;
    // Nothing allocated: only the site ID.
    EXPECT_EQ(fnstSaveHTTP(fnrecReply(cstSiteId, {}, {}, {})), cstSiteId);
    EXPECT_EQ(fnstStored(), cstSiteId + stBefore);
    EXPECT_EQ(fnstSaveHTTP(fnrecReply(cstSiteId)), cstSiteId);
    EXPECT_EQ(fnstStored(),
              QStringList({cstSiteId, cstShipmentStored, cstLPStored, QStringLiteral("Unit 4")})
                  .join(QLatin1Char('|')));
    // A length byte beyond the site ID's 16 characters reads no further.
    TrecSiteRegHTTPResp recLong = fnrecReply(cstSiteId, {}, {}, {});
    recLong.shtSiteId.iLength = 200;
    EXPECT_EQ(fnstSaveHTTP(recLong), cstSiteId);
}

TEST_F(SiteRegistrationReply, TheSiteIdIsStoredUnderARowLockThatIsAlwaysReleased) {
    const QString stKey = QString::number(fnarRows<TclsConfigMorvaneData>().front().record_key);
    const QStringList slLock{QStringLiteral("record"), QStringLiteral("TclsConfigMorvaneDB"),
                             stKey};
    {
        TclsLockHolder objHolder(slLock);
        ASSERT_EQ(objHolder.fnstAnswer(), QStringLiteral("locked"));
        EXPECT_EQ(TclsRWSiteRegistration().fnstSaveSiteID(cstSiteId),
                  QStringLiteral("This record is being used by another user."));
        EXPECT_EQ(fnstStoredSiteId(), QString());
    }
    pRefuseWrites(QStringLiteral("config_morvane"), QStringLiteral("UPDATE"));
    EXPECT_NE(TclsRWSiteRegistration().fnstSaveSiteID(cstSiteId), cstSuccess);
    EXPECT_EQ(fnstStoredSiteId(), QString());
    TclsLockHolder objNext(slLock);
    EXPECT_EQ(objNext.fnstAnswer(), QStringLiteral("locked"))
        << "a failed update keeps no lock on the row";
    objNext.pKill();
    EXPECT_EQ(fniAllowWrites(QStringLiteral("config_morvane")), 0);
    EXPECT_EQ(TclsRWSiteRegistration().fnstSaveSiteID(cstSiteId + QStringLiteral("-extra")),
              cstSuccess);
    EXPECT_EQ(fnstStoredSiteId(), cstSiteId);
    pExecute(QStringLiteral("DELETE FROM config_morvane"));
    EXPECT_EQ(TclsRWSiteRegistration().fnstSaveSiteID(cstSiteId), QStringLiteral("0"))
        << "a query that ran but found no row";
}

TEST_F(SiteRegistrationReply, ATypedSiteIdIsCheckedAndStoredInUpperCase) {
    const QString stInvalid = QStringLiteral("Invalid site id");
    const struct {
        QString stTyped, stResult, stStored; // the site ID afterwards
    } arCases[] = {
        {QStringLiteral("abc1234567890zoz"), cstSuccess, cstSiteId},
        {QStringLiteral("  XYZ0000000001ZOZ \t"), cstSuccess, QStringLiteral("XYZ0000000001ZOZ")},
        {QStringLiteral("QRS-123456789ZOZ"), cstSuccess, QStringLiteral("QRS-123456789ZOZ")},
        {QStringLiteral("A1C1234567890ZOZ"), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
        {QStringLiteral("ABC9999999999ZOZ"), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
        {QString(), stInvalid, QStringLiteral("QRS-123456789ZOZ")},
    };
    for (const auto &rec : arCases) {
        // A braced list is evaluated in order: the save, then the read-back.
        EXPECT_EQ((QStringList{TclsRWSiteRegistration().fnstManualSiteReg(rec.stTyped),
                               fnstStoredSiteId()}),
                  (QStringList{rec.stResult, rec.stStored}))
            << rec.stTyped.toStdString();
    }
    pExecute(QStringLiteral("DROP TABLE config_morvane"));
    EXPECT_EQ(TclsRWSiteRegistration().fnstManualSiteReg(cstSiteId),
              QStringLiteral("Manual site registration failed"));
}

TEST(SiteRegistrationCreate, InstallationValuesComeFromInstallationIniAndTheRegistry) {
    for (const bool bComplete : {true, false}) {
        TrecInstallationOptions recOptions = fnrecTestOptions();
        if (!bComplete)
            recOptions.slOmitInstallationIni = {
                QStringLiteral("INSTALLATION_INFO/DATABASE_PATH"),
                QStringLiteral("INSTALLATION_INFO/VERSION"),
                QStringLiteral("INSTALLATION_INFO/INSTALLATION_TYPE")};
        TclsTestInstallation objInstallation(recOptions);
        ASSERT_INSTALLED(objInstallation);
        ASSERT_TRUE(
            bComplete
                ? objInstallation.fnbEditInstallationIni("VERSION=5.01.02", "VERSION=5.03.00")
                : QFile::remove(objInstallation.fnstPath(QStringLiteral("Config/registry.ini"))));
        const TclsRWSiteRegistration obj;
        EXPECT_EQ(QStringList({obj.fnstDatabasePath(), obj.fnstInstalledVersion(),
                               obj.fnstInstallationType(), obj.fnstApplicationPath()})
                      .join(QLatin1Char('|')),
                  bComplete ? QStringLiteral("..\\Database\\|5.03.00|Single User Typical|") +
                                  QDir::toNativeSeparators(objInstallation.fnstRoot())
                            : QStringLiteral("..\\Database\\|5.01.02|LAN|"));
    }
}
