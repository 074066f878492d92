// The account-number check against Account_Number_Validations.
#include "UnitAccountValidation.h"

#include "UnitAdHocQuery.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitDatabaseConstants.h"
#include "unitLogToFile.h"

#include <algorithm>
#include <optional>

namespace {
const QString cstUnit = QStringLiteral("UnitAccountValidation");
const QString cstMethod = QStringLiteral("fnbValiTCAccNum");

// The carrier's statements are written for SQL Server; the "1AND" is theirs and
// SQL Server reads it as "1 AND".
const QString cstCashRuleSQL =
    QStringLiteral("SELECT * FROM [dbo].[Account_Number_Validations] WHERE Type_Of_Account = ? "
                   "AND Cash_Flag = 1AND ? LIKE (Prefix + '%')");
const QString cstRulesSQL =
    QStringLiteral("Select * from Account_Number_Validations WHERE Type_Of_Account = ?");
const QString cstTransportCollectSQL = QStringLiteral(" and Transport_Collect = ?");
const QString cstNotCashSQL = QStringLiteral(" and Cash_Flag <> 1");

const QString cstDefaultProduct = QStringLiteral("DEFAULT");

void pLogUndecided(const QString &stWhy) {
    pWriteLog(2, cstUnit, cstMethod, stWhy + QStringLiteral("; the account number is not valid"));
}

bool fnbOpen(TclsAdHocQuery &query, const QString &stSQL, const QVariantList &vlBinds) {
    const int iCode = query.fniOpen(stSQL, vlBinds);
    if (iCode != dbc::iSuccess)
        pLogUndecided(
            QStringLiteral("Account_Number_Validations could not be read (code %1)").arg(iCode));
    return iCode == dbc::iSuccess;
}

// A rule's length when it has one: null and 0 mean "any length".
std::optional<int> fniRuleLength(const QVariant &v) {
    if (v.isNull() || v.toInt() == 0)
        return std::nullopt;
    return v.toInt();
}

bool fnbAsciiDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

bool fnbAsciiLetterDigitOrBlank(QChar ch) {
    return fnbAsciiDigit(ch) || (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) ||
           (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) || ch == QLatin1Char(' ');
}

// Field type 1: digits only; any other type: letters, digits and blanks. An
// empty account has no characters to show its type and fails either.
bool fnbOfFieldType(const QString &stAccount, int iFieldType) {
    if (stAccount.isEmpty())
        return false;
    return iFieldType == 1
               ? std::all_of(stAccount.begin(), stAccount.end(), fnbAsciiDigit)
               : std::all_of(stAccount.begin(), stAccount.end(), fnbAsciiLetterDigitOrBlank);
}

// A rule row matches by its exact account when it names one, else by every
// rule it sets.
bool fnbRowMatches(const TclsAdHocQuery &query, const QString &stAccount) {
    const QString stEquals = query.fnvField(QStringLiteral("Equals")).toString().trimmed();
    if (!stEquals.isEmpty())
        return stEquals.compare(stAccount, Qt::CaseInsensitive) == 0;
    const auto iLength = fniRuleLength(query.fnvField(QStringLiteral("Account_Number_Length")));
    if (iLength && *iLength != stAccount.size())
        return false;
    const QString stPrefix = query.fnvField(QStringLiteral("Prefix")).toString().trimmed();
    if (!stPrefix.isEmpty() && !stAccount.startsWith(stPrefix, Qt::CaseInsensitive))
        return false;
    const QVariant vFieldType = query.fnvField(QStringLiteral("Field_Type"));
    return vFieldType.isNull() || fnbOfFieldType(stAccount, vFieldType.toInt());
}

// Cash accounts are told by their prefix; when one of those rules applies, only
// its length decides. nullopt when no cash rule applies; false when the rules
// cannot be read.
std::optional<bool> fnbCashRule(const QString &stAccount, int iTypeOfAccount) {
    TclsAdHocQuery query;
    if (!fnbOpen(query, cstCashRuleSQL, {iTypeOfAccount, stAccount}))
        return false;
    bool bApplies = false;
    while (query.fnbNext()) {
        bApplies = true;
        const QVariant vLength = query.fnvField(QStringLiteral("Account_Number_Length"));
        if (!vLength.isNull() && vLength.toInt() == stAccount.size())
            return true;
    }
    return bApplies ? std::optional<bool>(false) : std::nullopt;
}

// The longest account the product (else the DEFAULT product) takes; no limit
// when neither is listed.
bool fnbWithinProductLength(const QString &stAccount, const QString &stProductCode) {
    std::vector<TclsProductsData> arProducts;
    if (const int iCode = fniGetProductsData(arProducts); iCode != dbc::iSuccess) {
        pLogUndecided(QStringLiteral("The product list could not be read (code %1)").arg(iCode));
        return false;
    }
    auto fnpProduct = [&](const QString &stCode) -> const TclsProductsData * {
        const auto it = std::find_if(arProducts.begin(), arProducts.end(),
                                     [&](const auto &rec) { return rec.product_cd == stCode; });
        return it == arProducts.end() ? nullptr : &*it;
    };
    const TclsProductsData *pProduct = fnpProduct(stProductCode);
    if (!pProduct)
        pProduct = fnpProduct(cstDefaultProduct);
    return !pProduct || stAccount.size() <= pProduct->account_number_length;
}

bool fnbCheck(const QString &stAccount, int iTypeOfAccount, bool bCheckLength,
              const QString &stProductCode) {
    if (const auto bCash = fnbCashRule(stAccount, iTypeOfAccount))
        return *bCash;
    std::shared_ptr<const TclsConfigZorvData> objConfigZorv;
    fniGetConfigZorvData(objConfigZorv);
    QString stSQL = cstRulesSQL;
    QVariantList vlBinds{iTypeOfAccount};
    if (iTypeOfAccount == ciAccountTypeTransportCollect) {
        // Transport-collect rules differ per carrier agreement, named by the configuration.
        if (!objConfigZorv) {
            pLogUndecided(
                QStringLiteral("No carrier configuration for the transport-collect rules"));
            return false;
        }
        stSQL += cstTransportCollectSQL;
        vlBinds << objConfigZorv->transport_collect;
    }
    stSQL += cstNotCashSQL;
    TclsAdHocQuery query;
    if (!fnbOpen(query, stSQL, vlBinds))
        return false;
    if (bCheckLength && !fnbWithinProductLength(stAccount, stProductCode))
        return false;
    bool bAnyRule = false;
    while (query.fnbNext()) {
        bAnyRule = true;
        if (fnbRowMatches(query, stAccount))
            return true;
    }
    return !bAnyRule;
}
} // namespace

bool fnbValidAccountNumber(const QString &stAccount, int iTypeOfAccount, bool bCheckLength,
                           const QString &stProductCode) {
    try {
        return fnbCheck(stAccount.trimmed(), iTypeOfAccount, bCheckLength, stProductCode);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, cstMethod, QString::fromLocal8Bit(e.what()));
        return false;
    }
}
