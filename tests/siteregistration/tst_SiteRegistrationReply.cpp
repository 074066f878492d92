// The host's answer: the site ID, the ranges and the pickup address of a modem
// reply record and of an HTTP reply object, checked and stored in the
// database whole or not at all; the site ID under a row lock.
#include "tstSiteRegHelpers.h"
#include "UnitLockHolder.h"
#include "UnitMV5ReferenceRecords.h"
#include "UnitScriptedAnswerer.h"
#include "unitSiteRegistrationReply.h"

#include <optional>

namespace {
const QByteArray cbaSiteId = "ABC1234567890ZOZ";
const TrecRangeText crecShipment{"0", "1234567890", "1234569999", "15032024"};
const TrecRangeText crecLP{"0", "JDA1234", "JDA123999", "       0"};
const TrecPickupText crecPickup{"0",    "Unit 4", "Harbour Road", "Onehunga", "Auckland",
                                "1061", "NZ"};

struct TrecShipmentRow {
    QString stStart, stCurrent, stEnd;
    QDate dtAllocation;
    bool operator==(const TrecShipmentRow &) const = default;
};
struct TrecLPRow {
    QString stPrefix, stType, stStart, stCurrent, stEnd;
    bool operator==(const TrecLPRow &) const = default;
};

std::ostream &operator<<(std::ostream &os, const TrecShipmentRow &rec) {
    return os << qPrintable(
               QStringLiteral("[%1 %2 %3 %4]")
                   .arg(rec.stStart, rec.stCurrent, rec.stEnd, rec.dtAllocation.toString()));
}
std::ostream &operator<<(std::ostream &os, const TrecLPRow &rec) {
    return os << qPrintable(
               QStringLiteral("[%1 %2 %3 %4 %5]")
                   .arg(rec.stPrefix, rec.stType, rec.stStart, rec.stCurrent, rec.stEnd));
}

TrecShipmentRow fnrecShipmentRow() {
    const auto ar = fnarRows<TclsShipmentNumberData>();
    if (ar.empty())
        return {QStringLiteral("<no row>"), {}, {}, {}};
    return {ar[0].start_number, ar[0].current_number, ar[0].end_number,
            ar[0].allocation_date.date()};
}

TrecLPRow fnrecLPRow() {
    const auto ar = fnarRows<TclsZorvLpData>();
    if (ar.empty())
        return {QStringLiteral("<no row>"), {}, {}, {}, {}};
    return {ar[0].lp_prefix, ar[0].lp_type, ar[0].start_number, ar[0].current_number,
            ar[0].end_number};
}

const TrecShipmentRow crecShipmentStored{QStringLiteral("1234567890"), QStringLiteral("1234567890"),
                                         QStringLiteral("1234569999"), QDate(2024, 3, 15)};
const TrecLPRow crecLPStored{QStringLiteral("J"), QStringLiteral("DA1"), QStringLiteral("234"),
                             QStringLiteral("234"), QStringLiteral("239")};

class SiteRegistrationReply : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    TclsScriptedAnswerer objAnswerer;
    void SetUp() override {
        ASSERT_INSTALLED(objInstallation);
        pInsertRangeRows();
    }
    void TearDown() override { EXPECT_TRUE(objAnswerer.fnarUnexpected().empty()); }
};
} // namespace

TEST_F(SiteRegistrationReply, AModemReplyStoresItsSiteIdWithItsRangesOrNothing) {
    const TrecShipmentRow recShipmentBefore = fnrecShipmentRow();
    const TrecLPRow recLPBefore = fnrecLPRow();
    const struct {
        const char *pchCase;
        QByteArray baData;
        bool bStored;
    } arCases[] = {
        {"not an answer to a registration", "REGX" + cbaSiteId, false},
        {"empty", QByteArray(), false},
        {"blank site id", "REGP" + QByteArray(16, ' '), false},
        {"site id of NULs", "REGP" + QByteArray(16, '\0'), false},
        {"answer ends inside the id", "REGPAB", false},
        {"site id", "REGP" + cbaSiteId + "more", true},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.pchCase);
        TrecModemReply recReply(rec.baData, crecShipment, crecLP);
        EXPECT_EQ(TclsRWSiteRegistration().fnstSaveModemReply(recReply.rec),
                  rec.bStored ? QString::fromLatin1(cbaSiteId) : cstFailed);
        EXPECT_EQ(fnstStoredSiteId(), rec.bStored ? QString::fromLatin1(cbaSiteId) : QString());
        EXPECT_EQ(fnrecShipmentRow(), rec.bStored ? crecShipmentStored : recShipmentBefore);
        EXPECT_EQ(fnrecLPRow(), rec.bStored ? crecLPStored : recLPBefore);
    }
}

TEST_F(SiteRegistrationReply, AMessageLengthBeyondTheBufferIsReadUpToTheBuffer) {
    TrecModemReply recReply("REGP" + cbaSiteId);
    recReply.rec.recMessageData.iLength = 1u << 30;
    EXPECT_EQ(TclsRWSiteRegistration().fnstSaveModemReply(recReply.rec),
              QString::fromLatin1(cbaSiteId));
}

TEST_F(SiteRegistrationReply, OnlyAllocatedRangesAreStoredAndLPNumbersAreSliced) {
    const TrecShipmentRow recShipmentBefore = fnrecShipmentRow();
    const TrecLPRow recLPBefore = fnrecLPRow();
    const struct {
        const char *pchCase;
        TrecRangeText recShipment;
        TrecRangeText recLP;
        std::optional<TrecShipmentRow> recShipmentStored; // nullopt: the row is left alone
        std::optional<TrecLPRow> recLPStored;
    } arCases[] = {
        {"allocated", crecShipment, crecLP, crecShipmentStored, crecLPStored},
        {"status 1",
         {"1", "1234567890", "1234569999", "15032024"},
         {"1", "JDA1234", "JDA123999"},
         std::nullopt,
         std::nullopt},
        {"a bound missing",
         {"0", "", "1234569999", "15032024"},
         {"0", "JDA1234", ""},
         std::nullopt,
         std::nullopt},
        {"no allocation date, long bounds",
         {" 0 ", "12345678901234567890", "99999999999999999999", "       0"},
         {"0", "JPL0000000001", "JPL0000099999"},
         TrecShipmentRow{QStringLiteral("1234567890123456"), QStringLiteral("1234567890123456"),
                         QStringLiteral("9999999999999999"), QDate(1999, 11, 11)},
         TrecLPRow{QStringLiteral("J"), QStringLiteral("PL0"), QStringLiteral("000000001"),
                   QStringLiteral("000000001"), QStringLiteral("000099999")}},
        {"a date that is none",
         {"0", "1", "2", "31022024"},
         {"0", "JDA15", "JDA19"},
         TrecShipmentRow{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"), QDate()},
         TrecLPRow{QStringLiteral("J"), QStringLiteral("DA1"), QStringLiteral("5"),
                   QStringLiteral("5"), QStringLiteral("9")}},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.pchCase);
        pExecute(QStringLiteral("DELETE FROM shipment_number"));
        pExecute(QStringLiteral("DELETE FROM zorv_lp"));
        pInsertRangeRows();
        TrecModemReply recReply("REGP" + cbaSiteId, rec.recShipment, rec.recLP);
        EXPECT_EQ(TclsRWSiteRegistration().fnstSaveModemReply(recReply.rec),
                  QString::fromLatin1(cbaSiteId));
        EXPECT_EQ(fnrecShipmentRow(), rec.recShipmentStored.value_or(recShipmentBefore));
        EXPECT_EQ(fnrecLPRow(), rec.recLPStored.value_or(recLPBefore));
    }
}

// A part that cannot be stored stores nothing of the answer: the site stays
// unregistered and can register again.
TEST(SiteRegistrationReplyWhole, AnAnswerIsStoredWholeOrNotAtAll) {
    for (const char *pchTable : {"shipment_number", "zorv_lp", "pickup"}) {
        SCOPED_TRACE(pchTable);
        TclsTestInstallation objInstallation;
        ASSERT_INSTALLED(objInstallation);
        pInsertRangeRows();
        const TrecShipmentRow recShipmentBefore = fnrecShipmentRow();
        const TrecLPRow recLPBefore = fnrecLPRow();
        pRefuseWrites(QString::fromLatin1(pchTable), QStringLiteral("UPDATE"));
        TrecModemReply recReply("REGP" + cbaSiteId, crecShipment, crecLP, crecPickup);
        EXPECT_EQ(TclsRWSiteRegistration().fnstSaveModemReply(recReply.rec), cstFailed);
        EXPECT_EQ(fnstStoredSiteId(), QString());
        EXPECT_EQ(fnrecShipmentRow(), recShipmentBefore);
        EXPECT_EQ(fnrecLPRow(), recLPBefore);
        EXPECT_EQ(fnarRows<TclsPickupData>().front().address1, QString());
    }
}

// A value of the host's that is no value of its kind: the registration fails
// with the text the user gets for a bad answer, the log says which value, and
// nothing is stored.
TEST(SiteRegistrationReplyChecks, TheHostsValuesAreCheckedBeforeAnythingIsStored) {
    const QString stSiteId = QString::fromLatin1(cbaSiteId);
    const struct {
        const char *pchCase;
        QString stSiteId;
        TrecRangeText recShipment, recLP;
        TrecPickupText recPickup;
        const char *pchRefused;
    } arCases[] = {
        {"a site id of 15 characters", QStringLiteral("ABC123456789ZOZ"), crecShipment, crecLP,
         crecPickup, "site_id: not of the form of a site ID"},
        {"a site id without ZOZ", QStringLiteral("ABC1234567890ZOX"), crecShipment, crecLP,
         crecPickup, "site_id: not of the form of a site ID"},
        {"a line end in the site id", QStringLiteral("ABC12345678\r\n0ZOZ"), crecShipment, crecLP,
         crecPickup, "site_id: a control character"},
        {"a range of letters",
         stSiteId,
         {"0", "12A", "999", "15032024"},
         crecLP,
         crecPickup,
         "shp_low/shp_high: a bound is not all digits"},
        {"a low bound above the high one",
         stSiteId,
         {"0", "2000", "999", "15032024"},
         crecLP,
         crecPickup,
         "shp_low/shp_high: the low bound is above the high bound"},
        {"licence plates of letters",
         stSiteId,
         crecShipment,
         {"0", "JDA12X", "JDA199"},
         crecPickup,
         "lp_low/lp_high: a bound is not all digits"},
        {"a line end in the pickup city",
         stSiteId,
         crecShipment,
         crecLP,
         {"0", "Unit 4", "Harbour Road", "Onehunga", "Auck\r\nland", "1061", "NZ"},
         "pu_city: a control character"},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.pchCase);
        TrecInstallationOptions recOptions = fnrecTestOptions();
        recOptions.bLogging = true;
        TclsTestInstallation objInstallation(recOptions);
        ASSERT_INSTALLED(objInstallation);
        pInsertRangeRows();
        const TrecShipmentRow recShipmentBefore = fnrecShipmentRow();
        const TrecLPRow recLPBefore = fnrecLPRow();
        QString stResult;
        TclsRWSiteRegistration().pSaveSiteRegResponseForHTTP(
            fnrecHTTPReply("REGP", rec.stSiteId, rec.recShipment, rec.recLP, rec.recPickup),
            stResult);
        EXPECT_EQ(stResult, cstFailed);
        EXPECT_EQ(fnstStoredSiteId(), QString());
        EXPECT_EQ(fnrecShipmentRow(), recShipmentBefore);
        EXPECT_EQ(fnrecLPRow(), recLPBefore);
        EXPECT_EQ(fnarRows<TclsPickupData>().front().address1, QString());
        const QString stLog = fnstTodaysLog(objInstallation);
        EXPECT_TRUE(stLog.contains(
            fnstLogLine(3, QStringLiteral("unitSiteRegistration"),
                        QStringLiteral("pSaveSiteRegResponseForHTTP"),
                        QStringLiteral("The host's answer was refused, site reg failed: ") +
                            QLatin1String(rec.pchRefused))))
            << qPrintable(stLog);
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
    const struct {
        TrecPickupText recPickup;
        QStringList slStored; // address 1 to 3, city, postcode, country name
    } arCases[] = {
        {crecPickup,
         {QStringLiteral("Unit 4"), QStringLiteral("Harbour Road"), QStringLiteral("Onehunga"),
          QStringLiteral("Auckland"), QStringLiteral("1061"), QStringLiteral("New Zealand")}},
        {{"0", "a1", "a2", "a3", baLongCity.constData(), "pc", "XX"},
         {QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"),
          QString(45, QLatin1Char('c')), QStringLiteral("pc"), QStringLiteral("New Zealand")}},
        {{"1", "b1", "b2", "b3", "city", "pc2", "NZ"},
         {QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"),
          QString(45, QLatin1Char('c')), QStringLiteral("pc"), QStringLiteral("New Zealand")}},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.recPickup.pchAddress1);
        TrecRegistrationPickupResponse recReply{};
        pFillPickup(recReply, rec.recPickup);
        EXPECT_EQ(fnstSaveHostAnswer(
                      {QString::fromLatin1(cbaSiteId), {}, {}, fnrecPickupReply(recReply)}),
                  cstSuccess);
        const auto arRows = fnarRows<TclsPickupData>();
        ASSERT_EQ(arRows.size(), 1u);
        const TclsPickupData &objRow = arRows.front();
        EXPECT_EQ(QStringList({objRow.address1, objRow.address2, objRow.address3, objRow.city,
                               objRow.postcode, objRow.country_name}),
                  rec.slStored);
        EXPECT_EQ(objRow.pickup_locations, QStringList{QStringLiteral("RECEPTION")});
    }
}

TEST_F(SiteRegistrationReply, AnHTTPReplyStoresItsSiteIdAndThenWhatWasAllocated) {
    const TrecShipmentRow recShipmentBefore = fnrecShipmentRow();
    const TrecLPRow recLPBefore = fnrecLPRow();
    const QString stSiteId = QString::fromLatin1(cbaSiteId);
    const struct {
        const char *pchCase;
        TrecSiteRegHTTPResp recReply;
        QString stResult;
        QString stStoredSiteId;
        bool bShipmentStored, bLPStored, bPickupStored;
    } arCases[] = {
        {"not REGP", fnrecHTTPReply("REGX", stSiteId, crecShipment, crecLP, crecPickup), cstFailed,
         QString(), false, false, false},
        {"blank site id",
         fnrecHTTPReply("REGP", QString(16, QLatin1Char(' ')), crecShipment, crecLP, crecPickup),
         cstFailed, QString(), false, false, false},
        {"nothing allocated", fnrecHTTPReply("REGP", stSiteId, {}, {}, {}), stSiteId, stSiteId,
         false, false, false},
        {"all allocated", fnrecHTTPReply("REGP", stSiteId, crecShipment, crecLP, crecPickup),
         stSiteId, stSiteId, true, true, true},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.pchCase);
        QString stResult = QStringLiteral("FAILURE");
        TclsRWSiteRegistration().pSaveSiteRegResponseForHTTP(rec.recReply, stResult);
        EXPECT_EQ(stResult, rec.stResult);
        EXPECT_EQ(fnstStoredSiteId(), rec.stStoredSiteId);
        EXPECT_EQ(fnrecShipmentRow(), rec.bShipmentStored ? crecShipmentStored : recShipmentBefore);
        EXPECT_EQ(fnrecLPRow(), rec.bLPStored ? crecLPStored : recLPBefore);
        EXPECT_EQ(fnarRows<TclsPickupData>().front().address1,
                  rec.bPickupStored ? QStringLiteral("Unit 4") : QString());
    }
    // A length byte beyond the site ID's 16 characters reads no further.
    TrecSiteRegHTTPResp recLong = fnrecHTTPReply("REGP", stSiteId, {}, {}, {});
    recLong.shtSiteId.iLength = 200;
    QString stResult;
    TclsRWSiteRegistration().pSaveSiteRegResponseForHTTP(recLong, stResult);
    EXPECT_EQ(stResult, stSiteId);
}

TEST(SiteRegistrationReplyLog, AnHTTPReplyWhosePickupCannotBeStoredStoresNothingAndSaysSo) {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.bLogging = true;
    recOptions.slDropTables = {QStringLiteral("pickup")};
    TclsTestInstallation objInstallation(recOptions);
    ASSERT_INSTALLED(objInstallation);
    pInsertRangeRows();
    const TrecLPRow recLPBefore = fnrecLPRow();
    QString stResult;
    TclsRWSiteRegistration().pSaveSiteRegResponseForHTTP(
        fnrecHTTPReply("REGP", QString::fromLatin1(cbaSiteId), crecShipment, crecLP, crecPickup),
        stResult);
    EXPECT_EQ(stResult, cstFailed);
    EXPECT_EQ(fnstStoredSiteId(), QString());
    EXPECT_EQ(fnrecLPRow(), recLPBefore);
    const QString stLog = fnstTodaysLog(objInstallation);
    for (const auto &[pchMethod, pchLine] :
         {std::pair{"fnstSaveSiteID", "Query Record on the config_morvane table failed."},
          std::pair{"pSaveSiteRegResponseForHTTP",
                    "Site id could not be saved in to database, site reg failed."}})
        EXPECT_TRUE(stLog.contains(fnstLogLine(3, QStringLiteral("unitSiteRegistration"),
                                               QLatin1String(pchMethod), QLatin1String(pchLine))))
            << qPrintable(stLog);
}

TEST_F(SiteRegistrationReply, TheSiteIdIsStoredUnderARowLockThatIsAlwaysReleased) {
    const QString stKey = QString::number(fnarRows<TclsConfigMorvaneData>().front().record_key);
    const QStringList slLock{QStringLiteral("record"), QStringLiteral("TclsConfigMorvaneDB"),
                             stKey};
    {
        TclsLockHolder objHolder(slLock);
        ASSERT_EQ(objHolder.fnstAnswer(), QStringLiteral("locked"));
        EXPECT_EQ(TclsRWSiteRegistration().fnstSaveSiteID(QStringLiteral("ABC1234567890ZOZ")),
                  QStringLiteral("This record is being used by another user."));
        EXPECT_EQ(fnstStoredSiteId(), QString());
    }
    pRefuseWrites(QStringLiteral("config_morvane"), QStringLiteral("UPDATE"));
    EXPECT_NE(TclsRWSiteRegistration().fnstSaveSiteID(QStringLiteral("ABC1234567890ZOZ")),
              cstSuccess);
    EXPECT_EQ(fnstStoredSiteId(), QString());
    TclsLockHolder objNext(slLock);
    EXPECT_EQ(objNext.fnstAnswer(), QStringLiteral("locked"))
        << "a failed update keeps no lock on the row";
    objNext.pKill();
    EXPECT_EQ(fniAllowWrites(QStringLiteral("config_morvane")), 0);
    EXPECT_EQ(TclsRWSiteRegistration().fnstSaveSiteID(QStringLiteral("ABC1234567890ZOZ-extra")),
              cstSuccess);
    EXPECT_EQ(fnstStoredSiteId(), QStringLiteral("ABC1234567890ZOZ"));
    pExecute(QStringLiteral("DELETE FROM config_morvane"));
    EXPECT_EQ(TclsRWSiteRegistration().fnstSaveSiteID(QStringLiteral("ABC1234567890ZOZ")),
              QStringLiteral("0"))
        << "a query that ran but found no row";
}
