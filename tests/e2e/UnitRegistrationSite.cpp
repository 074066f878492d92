#include "UnitRegistrationSite.h"

#include "UnitAdHocQuery.h"
#include "UnitRWAWBLPAlloc.h"
#include "unitSiteRegistration.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

QVariant fnvScalar(const QString &stSQL) {
    TclsAdHocQuery query;
    EXPECT_EQ(query.fniOpen(stSQL), 0) << qPrintable(stSQL);
    return query.fnbNext() ? query.fnvField(0) : QVariant();
}

void pExec(const QString &stSQL, const QVariantList &vlBinds) {
    TclsAdHocQuery query;
    EXPECT_EQ(query.fniExecute(stSQL, vlBinds), 0) << qPrintable(stSQL);
}

bool fnbSiteIdForm(const QString &st) {
    static const QRegularExpression re(QStringLiteral("^[A-Z]{3}[0-9]{10}ZOZ$"));
    return re.match(st).hasMatch();
}

void pSeedRegisteringSite() {
    pExec(QStringLiteral(
              "INSERT INTO customer_info (company, contact_name, address1, city, "
              "postcode, country_cd, country_name, telephone) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
          {QStringLiteral("Harbour Traders"), QStringLiteral("Aoife Byrne"),
           QStringLiteral("12 Quay Street"), QStringLiteral("Cork"), QStringLiteral("T12 X2Y3"),
           QStringLiteral("IE"), QStringLiteral("Ireland"), QStringLiteral("+353214567890")});
    pExec(
        QStringLiteral("UPDATE users SET account_number = '123456789' WHERE user_id = 'DEFAULT'"));
    pExec(
        QStringLiteral("INSERT INTO country (country_cd, country_name) VALUES ('IE', 'Ireland')"));
    // The quantities the site-registration page saves before it registers.
    TclsRWAWBLPAlloc objAlloc;
    TclsRWAWBLPAllocData objQuantities;
    objQuantities.stShipmentNoQty = QStringLiteral("1000");
    objQuantities.stLPNoQty = QStringLiteral("10000");
    EXPECT_EQ(objAlloc.fnstSaveShipmentNoAlloc(objQuantities), QStringLiteral("success"));
    EXPECT_EQ(objAlloc.fnstSaveLPNoAlloc(objQuantities), QStringLiteral("success"));
}

QString fnstRegisterStoredSite() {
    TclsRWSiteRegistration objSiteReg;
    objSiteReg.pSetAllocationRequest(
        {true, QStringLiteral("1000"), true, QStringLiteral("10000"), QStringLiteral("ORK")});
    return objSiteReg.fnstSiteRegistrationWithStoredRows();
}

void pExpectRegistrationStored(const QString &stSiteId) {
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT site_id FROM config_morvane")).toString(), stSiteId);
    // The shipment range: 1000 numbers.
    const qint64 iShipmentLow =
        fnvScalar(QStringLiteral("SELECT start_number FROM shipment_number")).toLongLong();
    const qint64 iShipmentHigh =
        fnvScalar(QStringLiteral("SELECT end_number FROM shipment_number")).toLongLong();
    EXPECT_EQ(iShipmentHigh - iShipmentLow + 1, 1000);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT current_number FROM shipment_number")).toLongLong(),
              iShipmentLow);
    EXPECT_TRUE(fnvScalar(QStringLiteral("SELECT allocation_date FROM shipment_number"))
                    .toDateTime()
                    .isValid());
    // The LP range: code, type and 10000 numbers.
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT lp_prefix FROM zorv_lp")).toString().size(), 1);
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT lp_type FROM zorv_lp")).toString().size(), 3);
    const qint64 iLPLow =
        fnvScalar(QStringLiteral("SELECT start_number FROM zorv_lp")).toLongLong();
    const qint64 iLPHigh = fnvScalar(QStringLiteral("SELECT end_number FROM zorv_lp")).toLongLong();
    EXPECT_EQ(iLPHigh - iLPLow + 1, 10000);
    // The pickup address from the customer information, the country by its code.
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT address1 FROM pickup")).toString(),
              QStringLiteral("12 Quay Street"));
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT city FROM pickup")).toString(),
              QStringLiteral("Cork"));
    EXPECT_EQ(fnvScalar(QStringLiteral("SELECT country_name FROM pickup")).toString(),
              QStringLiteral("Ireland"));
}
