// The host's answer: the site ID, the ranges and the pickup address of a modem
// reply record and of an HTTP reply object, stored in the database; the
// warning that lists what could not be stored; the site ID under a row lock.
#include "tstSiteRegHelpers.h"
#include "UnitLockHolder.h"
#include "UnitMV5ReferenceRecords.h"
#include "UnitScriptedAnswerer.h"

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

TEST_F(SiteRegistrationReply, AModemReplyGivesItsSiteIdAndTheRangesAreStoredEvenWithoutOne) {
    const TrecShipmentRow recShipmentBefore = fnrecShipmentRow();
    const TrecLPRow recLPBefore = fnrecLPRow();
    const struct {
        const char *pchCase;
        QByteArray baData;
        QString stResult;
        QString stStoredSiteId;
        bool bRangesStored;
    } arCases[] = {
        {"not an answer to a registration", "REGX" + cbaSiteId, cstFailed, QString(), false},
        {"empty", QByteArray(), cstFailed, QString(), false},
        {"blank site id", "REGP" + QByteArray(16, ' '), cstFailed, QString(), true},
        {"site id of NULs", "REGP" + QByteArray(16, '\0'), cstFailed, QString(), true},
        {"answer ends inside the id", "REGPAB", QStringLiteral("AB"), QStringLiteral("AB"), true},
        {"site id", "REGP" + cbaSiteId + "more", QString::fromLatin1(cbaSiteId),
         QString::fromLatin1(cbaSiteId), true},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.pchCase);
        ASSERT_EQ(TclsRWSiteRegistration().fnstSaveSiteID(QString()), cstSuccess);
        pExecute(QStringLiteral("UPDATE shipment_number SET start_number = '', current_number = "
                                "'', end_number = '', allocation_date = NULL"));
        pExecute(QStringLiteral("UPDATE zorv_lp SET lp_prefix = '', lp_type = '', start_number = "
                                "'', current_number = '', end_number = ''"));
        TrecModemReply recReply(rec.baData, crecShipment, crecLP);
        EXPECT_EQ(TclsRWSiteRegistration().fnstSaveModemReply(recReply.rec), rec.stResult);
        EXPECT_EQ(fnstStoredSiteId(), rec.stStoredSiteId);
        EXPECT_EQ(fnrecShipmentRow(), rec.bRangesStored ? crecShipmentStored : recShipmentBefore);
        EXPECT_EQ(fnrecLPRow(), rec.bRangesStored ? crecLPStored : recLPBefore);
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
         {"0", "JD", "JDA"},
         TrecShipmentRow{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"), QDate()},
         TrecLPRow{QStringLiteral("J"), QStringLiteral("D"), QString(), QString(), QString()}},
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

TEST(SiteRegistrationReplyWarning, TheWarningListsWhatCouldNotBeStored) {
    const QString stStart =
        QStringLiteral("The following information could not be updated to Database:");
    const struct {
        QStringList slDropTables;
        QString stWarning; // empty: no warning
    } arCases[] = {
        {{}, QString()},
        {{QStringLiteral("shipment_number")},
         stStart + QStringLiteral("Airway Bill Range Numbers")},
        {{QStringLiteral("zorv_lp"), QStringLiteral("pickup")},
         stStart + QStringLiteral("License Plate Numbers, Pickup Information")},
        {{QStringLiteral("shipment_number"), QStringLiteral("zorv_lp"), QStringLiteral("pickup")},
         stStart + QStringLiteral(
                       "Airway Bill Range Numbers, License Plate Numbers, Pickup Information")},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.slDropTables.join(QLatin1Char(' ')).toStdString());
        TclsTestInstallation objInstallation;
        ASSERT_INSTALLED(objInstallation);
        pInsertRangeRows();
        for (const QString &stTable : rec.slDropTables)
            pExecute(QStringLiteral("DROP TABLE ") + stTable);
        TclsScriptedAnswerer objAnswerer;
        if (!rec.stWarning.isEmpty())
            objAnswerer.pExpect(0);
        TrecModemReply recReply("REGP" + cbaSiteId, crecShipment, crecLP, crecPickup);
        EXPECT_EQ(TclsRWSiteRegistration().fnstSaveModemReply(recReply.rec),
                  QString::fromLatin1(cbaSiteId))
            << "the site ID stays registered";
        EXPECT_EQ(fnstStoredSiteId(), QString::fromLatin1(cbaSiteId));
        EXPECT_TRUE(objAnswerer.fnarUnexpected().empty());
        ASSERT_EQ(objAnswerer.fnarAsked().size(), rec.stWarning.isEmpty() ? 0u : 1u);
        if (rec.stWarning.isEmpty())
            continue;
        const TrecMessageDlg &recBox = objAnswerer.fnarAsked().front();
        EXPECT_EQ(recBox.stMessage, rec.stWarning);
        EXPECT_EQ(recBox.stCaption, QStringLiteral("Registration Wizard - Warning"));
        EXPECT_EQ(recBox.slButtons, QStringList{QStringLiteral("&OK")});
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
        EXPECT_EQ(TclsRWSiteRegistration().fnstSavePickup(recReply), cstSuccess);
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

TEST(SiteRegistrationReplyLog, AnHTTPReplyLogsAPickupThatWasNotStoredThoughTheLPRangeWas) {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.bLogging = true;
    recOptions.slDropTables = {QStringLiteral("pickup")};
    TclsTestInstallation objInstallation(recOptions);
    ASSERT_INSTALLED(objInstallation);
    pInsertRangeRows();
    QString stResult;
    TclsRWSiteRegistration().pSaveSiteRegResponseForHTTP(
        fnrecHTTPReply("REGP", QString::fromLatin1(cbaSiteId), crecShipment, crecLP, crecPickup),
        stResult);
    EXPECT_EQ(stResult, QString::fromLatin1(cbaSiteId));
    EXPECT_EQ(fnrecLPRow(), crecLPStored);
    const QString stLog = fnstTodaysLog(objInstallation);
    EXPECT_TRUE(stLog.contains(fnstLogLine(3, QStringLiteral("unitSiteRegistration"),
                                           QStringLiteral("fnstSaveSiteRegResponseForHTTP"),
                                           QStringLiteral("Update of Pickup table failed"))))
        << qPrintable(stLog);
    EXPECT_TRUE(stLog.contains(fnstLogLine(3, QStringLiteral("unitSiteRegistration"),
                                           QStringLiteral("fnstSaveSiteID"),
                                           QStringLiteral("Query Record on the config_morvane "
                                                          "table failed."))));
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
    pExecute(QStringLiteral("DROP TRIGGER refuse_config_morvane"));
    EXPECT_EQ(TclsRWSiteRegistration().fnstSaveSiteID(QStringLiteral("ABC1234567890ZOZ-extra")),
              cstSuccess);
    EXPECT_EQ(fnstStoredSiteId(), QStringLiteral("ABC1234567890ZOZ"));
    pExecute(QStringLiteral("DELETE FROM config_morvane"));
    EXPECT_EQ(TclsRWSiteRegistration().fnstSaveSiteID(QStringLiteral("ABC1234567890ZOZ")),
              QStringLiteral("0"))
        << "a query that ran but found no row";
}
