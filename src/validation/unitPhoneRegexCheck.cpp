// The rule table check: each row of the calling code or region gives a length
// pattern and a pattern for the whole number; the first row that passes both
// names the number's region and type.
#include "unitCommonBusinessFunctions.h"

#include "UnitAdHocQuery.h"
#include "unitLogToFile.h"
#include "unitPCREMatch.h"

#include <exception>

namespace {
const QString cstUnit = QStringLiteral("unitCommonBusinessFunctions");
const QString cstMethod = QStringLiteral("fnbValidateCountryPhoneMobileViaRegex");

void pLog(const QString &stText) {
    pWriteLog(0, cstUnit, cstMethod, stText);
}

QString fnstSample(const QString &stType, int iPrefix, const QString &stRegionCode) {
    TclsAdHocQuery query;
    const int iCode = query.fniOpen(
        QStringLiteral("SELECT DISTINCT sample_format FROM phonemobile_regex where (number_type=?) "
                       "and (countrycode = ? or country_cd = ?)"),
        {stType, iPrefix, stRegionCode});
    return iCode == 0 && query.fnbNext() ? query.fnvField(0).toString() : QString();
}

struct TrecRuleMatch {
    bool bPassed = false;
    int iCountryCode = 0;
    QString stRegion;
    QString stNumberType;
    QString stLastRegion; // of the last row read
};

bool fnbRowPasses(const QString &stPhoneNumber, const TclsAdHocQuery &query) {
    const QString stLength =
        QStringLiteral("^[0-9]{%1}$")
            .arg(query.fnvField(QStringLiteral("possible_len")).toString().trimmed());
    pLog(QStringLiteral("Patten: ") + stLength);
    if (!fnbPCREMatch(stLength, stPhoneNumber)) {
        pLog(QStringLiteral("FAILED to match Patten: ") + stLength);
        return false;
    }
    const QString stPattern = query.fnvField(QStringLiteral("RegExp")).toString();
    const bool bPassed = fnbPCREMatch(stPattern, stPhoneNumber);
    pLog((bPassed ? QStringLiteral("PASSED Patten: ") : QStringLiteral("FAILED Patten: ")) +
         stPattern);
    return bPassed;
}

TrecRuleMatch fnrecFirstPassingRow(const QString &stPhoneNumber, int iPrefix,
                                   const QString &stRegionCode) {
    TrecRuleMatch rec;
    TclsAdHocQuery query;
    if (query.fniOpen(QStringLiteral("SELECT * FROM phonemobile_regex where countrycode = ? or "
                                     "country_cd = ?"),
                      {iPrefix, stRegionCode}) != 0)
        return rec;
    while (query.fnbNext()) {
        const int iRowCode = query.fnvField(QStringLiteral("countrycode")).toInt();
        rec.stLastRegion = query.fnvField(QStringLiteral("country_cd")).toString();
        if ((iPrefix != 0 && iPrefix != iRowCode) ||
            (stRegionCode != QLatin1String("ZZ") && stRegionCode != rec.stLastRegion))
            continue;
        if (!fnbRowPasses(stPhoneNumber, query))
            continue;
        rec.bPassed = true;
        rec.iCountryCode = iRowCode;
        rec.stRegion = rec.stLastRegion;
        rec.stNumberType = query.fnvField(QStringLiteral("number_type")).toString();
        break;
    }
    return rec;
}
} // namespace

QString fnbValidateCountryPhoneMobileViaRegex(const QString &stPhoneNumber, int iPrefix,
                                              const QString &stRegionCode) {
    QString stResult = QStringLiteral("BAD NUMBER");
    pLog(QStringLiteral("stPhoneNumber: %1 iPrefix: %2 stRegionCode: %3")
             .arg(stPhoneNumber, QString::number(iPrefix), stRegionCode));
    try {
        const QString stMobile = fnstSample(QStringLiteral("MOBILE"), iPrefix, stRegionCode);
        const QString stFixed = fnstSample(QStringLiteral("FIXED_LINE"), iPrefix, stRegionCode);
        const TrecRuleMatch rec = fnrecFirstPassingRow(stPhoneNumber, iPrefix, stRegionCode);
        const QString stFormat = QStringLiteral(
            "%1,,NationalNumber=%2,CountryCode=%3,CountryCodeSource=%4,NationalNumber=%2,"
            "RegionCode=%5,NumberType=%6,IsNANPA=%7,SampleFormatFixed=%8,SampleFormatMobile=%9");
        stResult = rec.bPassed
                       ? stFormat.arg(QStringLiteral("OK"), stPhoneNumber,
                                      QString::number(rec.iCountryCode),
                                      QStringLiteral("FROM_NUMBER_WITH_PLUS_SIGN"), rec.stRegion,
                                      rec.stNumberType, QStringLiteral("FALSE"), stFixed, stMobile)
                       : stFormat.arg(
                             QStringLiteral("!OK"), stPhoneNumber, QString::number(iPrefix),
                             QStringLiteral("FROM_NUMBER_WITH_PLUS_SIGN"), rec.stLastRegion,
                             QStringLiteral("MOBILE"), QStringLiteral("FALSE"), stFixed, stMobile);
        pLog(QStringLiteral("Result: ") + stResult);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, cstMethod,
                  QStringLiteral("Exception: %1").arg(QString::fromLocal8Bit(e.what())));
    }
    return stResult;
}
