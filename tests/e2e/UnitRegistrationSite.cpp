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

QString fnstText(const char *pchSQL) {
    return fnvScalar(QLatin1String(pchSQL)).toString();
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
    // clang-format off
    const TrecExpectation arExpected[] = {
        {"site ID", fnstText("SELECT site_id FROM config_morvane"), stSiteId},
        {"shipment numbers", fniCount("shipment_number"), 1000},
        {"current shipment number", fnstText("SELECT current_number FROM shipment_number"), fnstText("SELECT start_number FROM shipment_number")},
        {"allocation date", fnvScalar(QStringLiteral("SELECT allocation_date FROM shipment_number")).toDateTime().isValid(), true},
        {"LP prefix and type lengths", fnstText("SELECT length(lp_prefix) || '|' || length(lp_type) FROM zorv_lp"), "1|3"},
        {"LP numbers", fniCount("zorv_lp"), 10000},
        // From the customer information, the country by its code.
        {"pickup", fnstText("SELECT address1 || '|' || city || '|' || country_name FROM pickup"), "12 Quay Street|Cork|Ireland"},
    };
    // clang-format on
    return fnslDifferences(arExpected);
}

QStringList fnslNotAsBeforeRegistering() {
    // clang-format off
    const TrecExpectation arExpected[] = {
        {"site ID and shipment range", fnstText("SELECT site_id FROM config_morvane") + fnstText("SELECT start_number FROM shipment_number"), ""},
        {"company", fnstText("SELECT company FROM customer_info"), "Harbour Traders"},
        {"LP quantity", fnstText("SELECT allocation_qty FROM zorv_lp"), 10000},
        {"integrity check", fnstIntegrityCheck(), "ok"},
    };
    // clang-format on
    return fnslDifferences(arExpected);
}
