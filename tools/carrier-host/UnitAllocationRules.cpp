// Site IDs and range bounds as texts.
#include "UnitAllocationRules.h"

namespace {
const QLatin1String stLPPrefix("JZLP");
const QLatin1String stSiteSuffix("ZOZ");
const QLatin1String stFallbackPrefix("ZOR");

QString fnstTenDigits(qint64 i) {
    return QStringLiteral("%1").arg(i, 10, 10, QLatin1Char('0'));
}
} // namespace

QString fnstSitePrefix(const QString &stCompany) {
    QString st;
    for (const QChar ch : stCompany.toUpper()) {
        if (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))
            st.append(ch);
        if (st.size() == 3)
            return st;
    }
    return stFallbackPrefix;
}

QString fnstSiteId(const QString &stPrefix, qint64 iSequence) {
    return stPrefix + fnstTenDigits(iSequence) + stSiteSuffix;
}

QString fnstShipmentNumber(qint64 iNumber) {
    return fnstTenDigits(iNumber);
}

QString fnstLPNumber(qint64 iNumber) {
    return stLPPrefix + fnstTenDigits(iNumber);
}
