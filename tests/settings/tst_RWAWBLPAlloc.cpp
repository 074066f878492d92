// The requested shipment-number and LP-number quantities: one row in each
// table, created on a fresh database and updated afterwards, and quantities
// that are no whole numbers refused.
#include "tstSettingsHelpers.h"
#include "UnitMV5Records.h"
#include "UnitRWAWBLPAlloc.h"

namespace {
// Both saves of one quantity: their results, and the stored quantities of
// both tables' rows.
QString fnstSaveBoth(const QString &stQuantity) {
    TclsRWAWBLPAllocData objData;
    objData.stShipmentNoQty = objData.stLPNoQty = stQuantity;
    QStringList sl = {TclsRWAWBLPAlloc().fnstSaveShipmentNoAlloc(objData),
                      TclsRWAWBLPAlloc().fnstSaveLPNoAlloc(objData)};
    for (const TclsShipmentNumberData &objRow : fnarRows<TclsShipmentNumberData>())
        sl << QString::number(objRow.allocation_qty);
    for (const TclsZorvLpData &objRow : fnarRows<TclsZorvLpData>())
        sl << QString::number(objRow.allocation_qty);
    return sl.join(QLatin1Char(' '));
}

const QString cstRefused =
    QStringLiteral("The requested quantity of numbers is not a positive whole number.");

class RWAWBLPAlloc : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override { ASSERT_INSTALLED(objInstallation); }
};
} // namespace

TEST_F(RWAWBLPAlloc, AFreshDatabaseGetsOneRowInEachTableLaterRunsUpdateThem) {
    EXPECT_EQ(fnstSaveBoth(QStringLiteral("abc")), cstRefused + " " + cstRefused)
        << "refused on an empty table: no row is created either";
    // Stored date-times keep whole seconds.
    const QDateTime dtBefore = QDateTime::currentDateTime().addMSecs(-1000);
    ASSERT_EQ(fnstSaveBoth(QStringLiteral(" 2500 ")), "success success 2500 2500");
    const TclsZorvLpData objLP = fnarRows<TclsZorvLpData>().at(0);
    EXPECT_EQ(objLP.lp_status + objLP.lp_source + objLP.changed_by, QStringLiteral("JJDEFAULT"));
    EXPECT_TRUE(objLP.changed_date >= dtBefore &&
                objLP.changed_date <= QDateTime::currentDateTime());

    // Site registration has since stored what the host said in the LP row.
    TclsZorvLpData objRegistered = objLP;
    objRegistered.lp_status = QStringLiteral("0");
    ASSERT_EQ(fniUpdateRecord(objRegistered), 0);
    for (const char *pchQuantity : {"0", "-500", "2.5", "1,000", "99999999999", ""})
        EXPECT_EQ(fnstSaveBoth(QLatin1String(pchQuantity)),
                  cstRefused + " " + cstRefused + " 2500 2500")
            << pchQuantity;
    ASSERT_EQ(fnstSaveBoth(QStringLiteral("1000000")), "success success 1000000 1000000");
    const TclsZorvLpData objAgain = fnarRows<TclsZorvLpData>().at(0);
    EXPECT_EQ(objAgain.record_key, objLP.record_key);
    EXPECT_EQ(objAgain.lp_status, QStringLiteral("0")) << "an existing row keeps its codes";
    EXPECT_EQ(objAgain.changed_date, objLP.changed_date);
}

TEST(RWAWBLPAllocFailures, AMissingTableGivesItsMessage) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.slDropTables = {QStringLiteral("shipment_number"), QStringLiteral("zorv_lp")};
    TclsTestInstallation objInstallation(rec);
    ASSERT_INSTALLED(objInstallation);
    TclsRWAWBLPAllocData objData;
    objData.stShipmentNoQty = cstDefaultShipmentNoQty;
    objData.stLPNoQty = cstDefaultLPNoQty;
    EXPECT_EQ(TclsRWAWBLPAlloc().fnstSaveShipmentNoAlloc(objData), fnstGetDBErrorMessage(9));
    EXPECT_EQ(TclsRWAWBLPAlloc().fnstSaveLPNoAlloc(objData), fnstGetDBErrorMessage(9));
}
