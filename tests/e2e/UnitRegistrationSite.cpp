#include "UnitRegistrationSite.h"

#include "UnitRWAWBLPAlloc.h"
#include "unitSiteRegistration.h"
#include "UnitTestQueries.h"

#include <QRegularExpression>

namespace {

struct TrecExpectation {
    const char *pchWhat;
    QVariant vActual;
    QVariant vExpected;
};

QString fnstText(const QString &stSQL) {
    return fnvScalar(stSQL).toString();
}

qint64 fniCount(const char *pchTable) {
    const QString stTable = QLatin1String(pchTable);
    return fnvScalar(QStringLiteral("SELECT end_number FROM ") + stTable).toLongLong() -
           fnvScalar(QStringLiteral("SELECT start_number FROM ") + stTable).toLongLong() + 1;
}

template <size_t N> QStringList fnslDifferences(const TrecExpectation (&arExpected)[N]) {
    QStringList sl;
    for (const TrecExpectation &rec : arExpected)
        if (rec.vActual.toString() != rec.vExpected.toString())
            sl << QStringLiteral("%1: %2, expected %3")
                      .arg(QLatin1String(rec.pchWhat), rec.vActual.toString(),
                           rec.vExpected.toString());
    return sl;
}

} // namespace

bool fnbSiteIdForm(const QString &st) {
    static const QRegularExpression re(QStringLiteral("^[A-Z]{3}[0-9]{10}ZOZ$"));
    return re.match(st).hasMatch();
}

QStringList fnslSeedRegisteringSite() {
    QStringList slFailed;
    const auto pRun = [&](const QString &stSQL, const QVariantList &vlBinds = {}) {
        if (const int iCode = fniExec(stSQL, vlBinds))
            slFailed << QStringLiteral("%1 gave %2").arg(stSQL).arg(iCode);
    };
    pRun(QStringLiteral(
             "INSERT INTO customer_info (company, contact_name, address1, city, "
             "postcode, country_cd, country_name, telephone) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
         {QStringLiteral("Harbour Traders"), QStringLiteral("Aoife Byrne"),
          QStringLiteral("12 Quay Street"), QStringLiteral("Cork"), QStringLiteral("T12 X2Y3"),
          QStringLiteral("IE"), QStringLiteral("Ireland"), QStringLiteral("+353214567890")});
    pRun(QStringLiteral("UPDATE users SET account_number = '123456789' WHERE user_id = 'DEFAULT'"));
    pRun(QStringLiteral("INSERT INTO country (country_cd, country_name) VALUES ('IE', 'Ireland')"));
    // The quantities the site-registration page saves before it registers.
    TclsRWAWBLPAlloc objAlloc;
    TclsRWAWBLPAllocData objQuantities;
    objQuantities.stShipmentNoQty = QStringLiteral("1000");
    objQuantities.stLPNoQty = QStringLiteral("10000");
    if (objAlloc.fnstSaveShipmentNoAlloc(objQuantities) != QLatin1String("success") ||
        objAlloc.fnstSaveLPNoAlloc(objQuantities) != QLatin1String("success"))
        slFailed << QStringLiteral("the quantities were not saved");
    return slFailed;
}

QString fnstRegisterStoredSite() {
    TclsRWSiteRegistration objSiteReg;
    objSiteReg.pSetAllocationRequest(
        {true, QStringLiteral("1000"), true, QStringLiteral("10000"), QStringLiteral("ORK")});
    return objSiteReg.fnstSiteRegistrationWithStoredRows();
}

QStringList fnslRegistrationNotStored(const QString &stSiteId) {
    const TrecExpectation arExpected[] = {
        {"site ID", fnstText(QStringLiteral("SELECT site_id FROM config_morvane")), stSiteId},
        {"shipment numbers", fniCount("shipment_number"), 1000},
        {"current shipment number",
         fnvScalar(QStringLiteral("SELECT current_number FROM shipment_number")).toLongLong(),
         fnvScalar(QStringLiteral("SELECT start_number FROM shipment_number")).toLongLong()},
        {"allocation date",
         fnvScalar(QStringLiteral("SELECT allocation_date FROM shipment_number"))
             .toDateTime()
             .isValid(),
         true},
        {"LP prefix length", fnstText(QStringLiteral("SELECT lp_prefix FROM zorv_lp")).size(), 1},
        {"LP type length", fnstText(QStringLiteral("SELECT lp_type FROM zorv_lp")).size(), 3},
        {"LP numbers", fniCount("zorv_lp"), 10000},
        // The pickup address from the customer information, the country by its code.
        {"pickup address", fnstText(QStringLiteral("SELECT address1 FROM pickup")),
         QStringLiteral("12 Quay Street")},
        {"pickup city", fnstText(QStringLiteral("SELECT city FROM pickup")),
         QStringLiteral("Cork")},
        {"pickup country", fnstText(QStringLiteral("SELECT country_name FROM pickup")),
         QStringLiteral("Ireland")},
    };
    return fnslDifferences(arExpected);
}

QStringList fnslNotAsBeforeRegistering() {
    const TrecExpectation arExpected[] = {
        {"site ID", fnstText(QStringLiteral("SELECT site_id FROM config_morvane")), QString()},
        {"company", fnstText(QStringLiteral("SELECT company FROM customer_info")),
         QStringLiteral("Harbour Traders")},
        {"LP quantity", fnstText(QStringLiteral("SELECT allocation_qty FROM zorv_lp")), 10000},
        {"shipment range", fnstText(QStringLiteral("SELECT start_number FROM shipment_number")),
         QString()},
        {"integrity check", fnstIntegrityCheck(), QStringLiteral("ok")},
    };
    return fnslDifferences(arExpected);
}
