// The requested shipment-number and LP-number quantities: one row in each
// table, created on a fresh database and updated afterwards, and quantities
// that are no whole numbers refused.
#include "tstSettingsHelpers.h"
#include "UnitMV5Records.h"
#include "UnitRWAWBLPAlloc.h"

#include <optional>

namespace {
const QString cstNotWholeNumber =
    QStringLiteral("The requested quantity of numbers is not a positive whole number.");

QString fnstSaveShipment(const QString &stQuantity) {
    TclsRWAWBLPAllocData objData;
    objData.stShipmentNoQty = stQuantity;
    return TclsRWAWBLPAlloc().fnstSaveShipmentNoAlloc(objData);
}

QString fnstSaveLP(const QString &stQuantity) {
    TclsRWAWBLPAllocData objData;
    objData.stLPNoQty = stQuantity;
    return TclsRWAWBLPAlloc().fnstSaveLPNoAlloc(objData);
}

// The stored quantities of the tables' rows, in key order.
template <class T> std::vector<qint32> fnarQuantities() {
    std::vector<qint32> ar;
    for (const T &objRow : fnarRows<T>())
        ar.push_back(objRow.allocation_qty);
    return ar;
}

class RWAWBLPAlloc : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override { ASSERT_INSTALLED(objInstallation); }
};
} // namespace

TEST_F(RWAWBLPAlloc, AFreshDatabaseGetsOneRowInEachTableLaterRunsUpdateThem) {
    // Stored date-times keep whole seconds.
    const QDateTime dtBefore = QDateTime::currentDateTime().addMSecs(-1000);
    ASSERT_EQ(fnstSaveShipment(cstDefaultShipmentNoQty), cstSuccess);
    ASSERT_EQ(fnstSaveLP(cstDefaultLPNoQty), cstSuccess);
    const QDateTime dtAfter = QDateTime::currentDateTime();

    const std::vector<TclsShipmentNumberData> arShipment = fnarRows<TclsShipmentNumberData>();
    ASSERT_EQ(arShipment.size(), 1u);
    EXPECT_EQ(arShipment[0].allocation_qty, 1000);
    std::vector<TclsZorvLpData> arLP = fnarRows<TclsZorvLpData>();
    ASSERT_EQ(arLP.size(), 1u);
    EXPECT_EQ(arLP[0].allocation_qty, 10000);
    EXPECT_EQ(arLP[0].lp_status, QStringLiteral("J"));
    EXPECT_EQ(arLP[0].lp_source, QStringLiteral("J"));
    EXPECT_EQ(arLP[0].changed_by, QStringLiteral("DEFAULT"));
    EXPECT_TRUE(arLP[0].changed_date >= dtBefore && arLP[0].changed_date <= dtAfter)
        << arLP[0].changed_date.toString(Qt::ISODate).toStdString();

    // Site registration has since stored what the host said in the LP row.
    TclsZorvLpData objRegistered = arLP[0];
    objRegistered.lp_status = QStringLiteral("0");
    ASSERT_EQ(fniUpdateRecord(objRegistered), 0);
    ASSERT_EQ(fnstSaveShipment(QStringLiteral("500000")), cstSuccess);
    ASSERT_EQ(fnstSaveLP(QStringLiteral("1000000")), cstSuccess);
    EXPECT_EQ(fnarQuantities<TclsShipmentNumberData>(), std::vector<qint32>{500000});
    const std::vector<TclsZorvLpData> arLPAgain = fnarRows<TclsZorvLpData>();
    ASSERT_EQ(arLPAgain.size(), 1u);
    EXPECT_EQ(arLPAgain[0].record_key, arLP[0].record_key);
    EXPECT_EQ(fnarRows<TclsShipmentNumberData>()[0].record_key, arShipment[0].record_key);
    EXPECT_EQ(arLPAgain[0].allocation_qty, 1000000);
    EXPECT_EQ(arLPAgain[0].lp_status, QStringLiteral("0")) << "an existing row keeps its codes";
    EXPECT_EQ(arLPAgain[0].changed_date, arLP[0].changed_date);
}

TEST_F(RWAWBLPAlloc, AQuantityThatIsNoPositiveWholeNumberIsRefusedAndNothingWritten) {
    const struct {
        QString stQuantity;
        std::optional<qint32> iStored; // nullopt: refused
    } arCases[] = {
        {QStringLiteral(""), std::nullopt},      {QStringLiteral("abc"), std::nullopt},
        {QStringLiteral("1,000"), std::nullopt}, {QStringLiteral("10k"), std::nullopt},
        {QStringLiteral("2.5"), std::nullopt},   {QStringLiteral("0"), std::nullopt},
        {QStringLiteral("-500"), std::nullopt},  {QStringLiteral("99999999999"), std::nullopt},
        {QStringLiteral(" 2500 "), 2500},        {QStringLiteral("250"), 250},
    };
    // Refused on an empty table: no row is created either.
    EXPECT_EQ(fnstSaveShipment(QStringLiteral("abc")), cstNotWholeNumber);
    EXPECT_EQ(fnstSaveLP(QStringLiteral("abc")), cstNotWholeNumber);
    EXPECT_TRUE(fnarRows<TclsShipmentNumberData>().empty());
    EXPECT_TRUE(fnarRows<TclsZorvLpData>().empty());

    qint32 iLastStored = 0;
    for (const auto &rec : arCases) {
        SCOPED_TRACE(rec.stQuantity.toStdString());
        const QString stExpected = rec.iStored ? cstSuccess : cstNotWholeNumber;
        EXPECT_EQ(fnstSaveShipment(rec.stQuantity), stExpected);
        EXPECT_EQ(fnstSaveLP(rec.stQuantity), stExpected);
        if (rec.iStored)
            iLastStored = *rec.iStored;
        if (iLastStored == 0)
            continue; // nothing stored yet: no row was created
        EXPECT_EQ(fnarQuantities<TclsShipmentNumberData>(), std::vector<qint32>{iLastStored});
        EXPECT_EQ(fnarQuantities<TclsZorvLpData>(), std::vector<qint32>{iLastStored});
    }
}

TEST(RWAWBLPAllocFailures, AMissingTableGivesItsMessage) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.slDropTables = {QStringLiteral("shipment_number"), QStringLiteral("zorv_lp")};
    TclsTestInstallation objInstallation(rec);
    ASSERT_INSTALLED(objInstallation);
    const QString stMessage = QStringLiteral(
        "Database Configuration is not correct. Please contact System Administrator.");
    EXPECT_EQ(fnstSaveShipment(cstDefaultShipmentNoQty), stMessage);
    EXPECT_EQ(fnstSaveLP(cstDefaultLPNoQty), stMessage);
}
