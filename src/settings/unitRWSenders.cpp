// The sender pages' checks: the rules of the sender page and its continuation
// page, and the phone entries the wizard's own phone checks leave in the list.
#include "unitRWSenders.h"

#include "UnitAccountValidation.h"
#include "unitLogToFile.h"
#include "unitResourceStrings.h"
#include "unitRWValidation.h"

#include <algorithm>

namespace {
const QString cstUnit = QStringLiteral("unitRWSenders");
const QString cstValidate = QStringLiteral("fnstValidate");

inline constexpr TResourceString rsSenderIdBlank{
    QT_TRANSLATE_NOOP("Morvane", "ID cannot be blank.")};
inline constexpr TResourceString rsCompanyBlank{
    QT_TRANSLATE_NOOP("Morvane", "Company cannot be blank")};
inline constexpr TResourceString rsShipperBlank{
    QT_TRANSLATE_NOOP("Morvane", "Shipper cannot be blank")};
inline constexpr TResourceString rsCountryBlank{
    QT_TRANSLATE_NOOP("Morvane", "Country cannot be blank")};
inline constexpr TResourceString rsAddress1Blank{
    QT_TRANSLATE_NOOP("Morvane", "Address line 1 cannot be blank")};
inline constexpr TResourceString rsAddress2Blank{
    QT_TRANSLATE_NOOP("Morvane", "Address line 2 cannot be blank")};
inline constexpr TResourceString rsAirportBlank{
    QT_TRANSLATE_NOOP("Morvane", "Airport Code cannot be blank")};
inline constexpr TResourceString rsCityBlank{QT_TRANSLATE_NOOP("Morvane", "City cannot be blank")};
inline constexpr TResourceString rsEmailBlank{
    QT_TRANSLATE_NOOP("Morvane", "Email cannot be blank")};
inline constexpr TResourceString rsEmailInvalid{
    QT_TRANSLATE_NOOP("Morvane", "Invalid Email Address")};
inline constexpr TResourceString rsMobileBlank{
    QT_TRANSLATE_NOOP("Morvane", "Mobile cannot be blank")};
inline constexpr TResourceString rsTelephoneBlank{
    QT_TRANSLATE_NOOP("Morvane", "Telephone cannot be blank")};
inline constexpr TResourceString rsZorvAccountInvalid{
    QT_TRANSLATE_NOOP("Morvane", "Zorv Account number is invalid")};
inline constexpr TResourceString rsZorvAccountBlank{
    QT_TRANSLATE_NOOP("Morvane", "Zorv Account cannot be blank")};
inline constexpr TResourceString rsTCAccountInvalid{
    QT_TRANSLATE_NOOP("Morvane", "TC Account number is invalid")};
inline constexpr TResourceString rsFederalTaxIdBlank{
    QT_TRANSLATE_NOOP("Morvane", "Federal Tax Id cannot be blank")};
inline constexpr TResourceString rsStateTaxIdBlank{
    QT_TRANSLATE_NOOP("Morvane", "State Tax Id cannot be blank")};

inline constexpr int ciAlwaysMandatory = -1;

enum class TRuleKind { Blank, InvalidEmail };

struct TrecSenderRule {
    QString TclsRWSendersData::*pstField;
    int iFlag; // the mandatory flag that switches a Blank rule on, or ciAlwaysMandatory
    TRuleKind eKind;
    const char *pchControl;
    TResourceString rsMessage;
    const char *pchLogText;
};

using D = TclsRWSendersData;
const TrecSenderRule arSenderPageRules[] = {
    {&D::stSenderCode, ciAlwaysMandatory, TRuleKind::Blank, "edtSenderCode", rsSenderIdBlank,
     "Invalid sender code"},
    {&D::stCompany, ciAlwaysMandatory, TRuleKind::Blank, "edtSenderCompany", rsCompanyBlank,
     "Invalid sender company"},
    {&D::stShipperName, ciAlwaysMandatory, TRuleKind::Blank, "edtSenderName", rsShipperBlank,
     "Invalid sender name"},
    {&D::stCountryName, ciAlwaysMandatory, TRuleKind::Blank, "fraSenderCountry", rsCountryBlank,
     "Invalid sender country"},
    {&D::stAddress1, ciAlwaysMandatory, TRuleKind::Blank, "edtSenderAddress1", rsAddress1Blank,
     "Invalid sender address"},
    {&D::stAddress2, 0, TRuleKind::Blank, "edtSenderAddress2", rsAddress2Blank,
     "Sender address line 2 is blank"},
    {&D::stAirportCode, ciAlwaysMandatory, TRuleKind::Blank, "fraSenderIATA", rsAirportBlank,
     "Invalid sender IATA"},
    {&D::stCity, ciAlwaysMandatory, TRuleKind::Blank, "edtSenderCity", rsCityBlank,
     "Invalid sender city"},
    {&D::stEmail, 1, TRuleKind::Blank, "edtSenderEmail", rsEmailBlank, "Sender email is blank"},
    {&D::stEmail, ciAlwaysMandatory, TRuleKind::InvalidEmail, "edtSenderEmail", rsEmailInvalid,
     "Invalid Sender email"},
    {&D::stMobile, 2, TRuleKind::Blank, "edtSenderMobile", rsMobileBlank,
     "Sender Mobile is blank."},
    {&D::stTelephone, ciAlwaysMandatory, TRuleKind::Blank, "edtSenderTelephone", rsTelephoneBlank,
     "Sender telephone is blank."},
};

// The continuation page's rules after the two accounts.
const TrecSenderRule arTaxIdRules[] = {
    {&D::stFederalTaxId, 4, TRuleKind::Blank, "edtSenderTaxId", rsFederalTaxIdBlank,
     "Sender tax id is blank"},
    {&D::stStateTaxId, 5, TRuleKind::Blank, "edtSenderCNPJ", rsStateTaxIdBlank,
     "Sender CNPJ is blank"},
};

// The controls the wizard's phone checks mark; their entries hold the page back
// even when they were made before this check.
const char *const arPhoneControls[] = {"edtSenderTelephone", "edtSenderMobile",
                                       "cmbPhoneCallingCode", "cmbMobileCallingCode"};

bool fnbRuleFails(const TrecSenderRule &rec, const TclsRWSendersData &objData,
                  const TbarMandatory &barFlags) {
    const QString st = (objData.*rec.pstField).trimmed();
    if (rec.eKind == TRuleKind::InvalidEmail)
        return !st.isEmpty() && !TclsRWSenders::fnbEmailValidation(st);
    const bool bMandatory = rec.iFlag == ciAlwaysMandatory || barFlags.at(size_t(rec.iFlag));
    return bMandatory && st.isEmpty();
}

template <size_t N>
void pCheckRules(TclsRWValidation &objCheck, const TrecSenderRule (&arRules)[N],
                 const TclsRWSendersData &objData, const TbarMandatory &barFlags) {
    for (const TrecSenderRule &rec : arRules)
        if (fnbRuleFails(rec, objData, barFlags))
            objCheck.pFail(QLatin1String(rec.pchControl), fnstRS(rec.rsMessage),
                           QLatin1String(rec.pchLogText));
}

bool fnbHoldsPhoneEntry(const TrecarErrorList &arErrors) {
    return std::any_of(arErrors.begin(), arErrors.end(), [](const TrecMVErrorRecord &rec) {
        return std::any_of(
            std::begin(arPhoneControls), std::end(arPhoneControls), [&](const char *pch) {
                return rec.stControlName.compare(QLatin1String(pch), Qt::CaseInsensitive) == 0;
            });
    });
}

void pLogErrorCount(const QString &stPrefix, const TrecarErrorList &arErrors) {
    pWriteLog(0, cstUnit, cstValidate, stPrefix + QString::number(arErrors.size()));
}
} // namespace

QString TclsRWSenders::fnstValidate(const TclsRWSendersData &objData, TrecarErrorList &arErrors,
                                    TWizardPage enPage, const TbarMandatory &barFlags) {
    TclsRWValidation objCheck(arErrors, cstUnit);
    bool bInterrupted = false;
    pLogErrorCount(QStringLiteral("TEMP_LOG : Errors in TclsRWSenders : "), arErrors);
    try {
        if (enPage == wpSenderInfo) {
            pCheckRules(objCheck, arSenderPageRules, objData, barFlags);
        } else if (enPage == wpSenderInfoCont) {
            const QString stZorvAccount = objData.stZorvAccount.trimmed();
            if (stZorvAccount.isEmpty())
                objCheck.pFail(QStringLiteral("edtSenderZorvAccount"), fnstRS(rsZorvAccountBlank),
                               QStringLiteral("Invalid data"));
            else if (!fnbValiTCAccNum(stZorvAccount, ciAccountTypeZorv, false, QString()))
                objCheck.pFail(QStringLiteral("edtSenderZorvAccount"), fnstRS(rsZorvAccountInvalid),
                               QStringLiteral("Invalid Zorv account number"));
            // The TC account is optional: blanks are no account at all.
            const QString stTCAccount = objData.stTCAccount.trimmed();
            if (!stTCAccount.isEmpty() &&
                !fnbValiTCAccNum(stTCAccount, ciAccountTypeTransportCollect, false, QString()))
                objCheck.pFail(QStringLiteral("edtSenderTCAccount"), fnstRS(rsTCAccountInvalid),
                               QStringLiteral("Invalid TC account number"));
            pCheckRules(objCheck, arTaxIdRules, objData, barFlags);
        }
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, cstValidate, QString::fromLocal8Bit(e.what()));
        bInterrupted = true;
    }
    pLogErrorCount(QStringLiteral("TEMP_LOG : Errors in TclsRWSenders After Vlidation : "),
                   arErrors);
    if (!bInterrupted && objCheck.fniAdded() == 0 && !fnbHoldsPhoneEntry(arErrors))
        return cstSuccess;
    pWriteLog(1, cstUnit, cstValidate, QStringLiteral("Validation Failed"));
    return cstUnsuccess;
}

bool TclsRWSenders::fnbEmailValidation(const QString &stEmail) {
    try {
        return ::fnbEmailValidation(stEmail);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("fnbEmailValidation"),
                  QString::fromLocal8Bit(e.what()));
        return false;
    }
}

bool TclsRWSenders::fnbValiTCAccNum(const QString &stAccount, int iTypeOfAccount, bool bCheckLength,
                                    const QString &stProductCode) {
    return fnbValidAccountNumber(stAccount, iTypeOfAccount, bCheckLength, stProductCode);
}
