// The phone checks of a telephone or mobile field: the number goes to the
// phone-number library (or its rule table) for the calling code the user
// chose, or for the sender's country when no code is chosen, and the answer
// is read against the code, the region and the field's number type.
#include "unitCommonBusinessFunctions.h"

#include "unitCommaText.h"
#include "UnitLibPhonenumberAccess.h"
#include "unitLogToFile.h"
#include "unitPhoneStrings.h"

#include <exception>

namespace {
const QString cstUnit = QStringLiteral("unitCommonBusinessFunctions");
const QString cstFixedLine = QStringLiteral("FIXED_LINE");
const QString cstMobile = QStringLiteral("MOBILE");
// Regions that share calling code 1 with the United States.
const QString cstNANPARegions =
    QStringLiteral("CA,US,AG,AI,AS,BB,BM,BS,DM,DO,GD,GU,JM,KN,KY,LC,MP,MS,PR,SX,TC,TT,VC,VG,VI");
// Codes whose numbers the rules often do not know: a mobile-looking answer is
// trusted whatever its status.
const QStringList cslTrustedPrefixes = {QStringLiteral("91"), QStringLiteral("251"),
                                        QStringLiteral("84"), QStringLiteral("94"),
                                        QStringLiteral("86")};
const QStringList cslItalyPrefixes = {QStringLiteral("39"), QStringLiteral("+39"),
                                      QStringLiteral("0039")};

QString &gstValidationMessage() {
    static QString st;
    return st;
}

// One answer of the library, read by name.
struct TrecPhoneAnswer {
    QString stText;
    QStringList slElements;

    explicit TrecPhoneAnswer(const QString &st) : stText(st), slElements(fnslCommaText(st)) {}
    QString fnstStatus() const { return slElements.value(0); }
    QString fnstValue(const QString &stName) const { return fnstCommaValue(slElements, stName); }
    QString fnstType() const { return fnstValue(QStringLiteral("NumberType")); }
    QString fnstNational() const { return fnstValue(QStringLiteral("NationalNumber")); }
    QString fnstCode() const { return fnstValue(QStringLiteral("CountryCode")); }
    QString fnstSample(const QString &stType) const {
        return fnstValue(stType == cstMobile ? QStringLiteral("SampleFormatMobile")
                                             : QStringLiteral("SampleFormatFixed"));
    }
};

// Whether a number of type N may stand in a field of type T; a telephone
// field takes a mobile number too.
bool fnbTypeAccepted(const QString &stRequested, const QString &stNumberType, bool bSameFirst) {
    if (bSameFirst && stNumberType == stRequested)
        return true;
    if (stRequested == cstFixedLine)
        return stNumberType != QLatin1String("PAGER") &&
               stNumberType != QLatin1String("VOICEMAIL") &&
               stNumberType != QLatin1String("UNKNOWN");
    if (stRequested == cstMobile)
        return stNumberType == cstMobile || stNumberType == QLatin1String("FIXED_LINE_OR_MOBILE");
    return false;
}

void pLog(const QString &stMethod, const QString &stText) {
    pWriteLog(0, cstUnit, stMethod, stText);
}

// The check for one region, keeping the library's answer for its samples.
bool fnbValidForCountry(const QString &stPhoneNumber, const QString &stNumberType,
                        const QString &stRegionCode, QString &stNationalNumber,
                        QString &stCountryCode, QString &stAnswer) {
    const QString stMethod = QStringLiteral("fnbValidatePhoneNumberForCountry");
    try {
        const TrecPhoneAnswer rec(ValidatePhoneNumber(stPhoneNumber.trimmed(), 0, stRegionCode));
        stAnswer = rec.stText;
        pLog(stMethod, QStringLiteral("Validated Phone Number ") + stPhoneNumber +
                           QStringLiteral(" using country ") + stRegionCode +
                           QStringLiteral(". Result : ") + rec.stText);
        const QString stRegion = rec.fnstValue(QStringLiteral("RegionCode"));
        const bool bNANPA =
            cstNANPARegions.contains(stRegionCode) &&
            rec.fnstValue(QStringLiteral("IsNANPA")) == QStringLiteral("true").toUpper();
        if (rec.fnstStatus() == QLatin1String("OK") && rec.fnstNational() != QLatin1String("0") &&
            (stRegion == stRegionCode || bNANPA) &&
            fnbTypeAccepted(stNumberType, rec.fnstType(), false)) {
            pLog(stMethod, QStringLiteral(" Phone Number is Valid for ") + stRegionCode);
            stNationalNumber = rec.fnstNational();
            stCountryCode = rec.fnstCode();
            return true;
        }
        pLog(stMethod, QStringLiteral(" Phone Number is NOT Valid for ") + stRegionCode);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, stMethod,
                  QStringLiteral(" Exception : ") + QString::fromLocal8Bit(e.what()));
    }
    return false;
}

// The answer for a calling code: the library's status, national number and
// code agree with the code the user chose, and the type fits the field.
bool fnbValidForPrefix(const TrecPhoneAnswer &rec, const QString &stPrefix,
                       const QString &stNumberType) {
    const QString stCode = rec.fnstCode();
    return rec.fnstStatus() == QLatin1String("OK") && rec.fnstNational() != QLatin1String("0") &&
           !stPrefix.isEmpty() &&
           (stCode == stPrefix || QStringLiteral("00") + stCode == stPrefix ||
            QStringLiteral("+") + stCode == stPrefix || stPrefix == QLatin1String("00") ||
            rec.fnstValue(QStringLiteral("CountryCodeSource")) ==
                QLatin1String("FROM_NUMBER_WITH_IDD")) &&
           fnbTypeAccepted(stNumberType, rec.fnstType(), true);
}

bool fnbTrustedPrefixType(const TrecPhoneAnswer &rec, const QString &stPrefix) {
    const QString stType = rec.fnstType();
    return cslTrustedPrefixes.contains(stPrefix) &&
           (stType == QLatin1String("UNKNOWN") || stType == cstMobile ||
            stType == QLatin1String("FIXED_LINE_OR_MOBILE"));
}

QString fnstExpectedFormat(const QString &stSample) {
    QString st = fnstRS(rsExpectedPhoneFormat);
    return st.replace(QLatin1String("%s"), QLatin1Char('\'') + stSample + QLatin1Char('\''));
}

struct TrecFullCheck {
    QString stNumber;
    QString stPrefix;
    QStringList slRegions;
    QString stType;
    QString stNational;
    QString stCode;
    bool bOut = false; // stNational and stCode are the caller's answer
};

bool fnbAccept(TrecFullCheck &rec, const TrecPhoneAnswer &recAnswer) {
    pLog(QStringLiteral("fnbValidatePhoneNumber"), QStringLiteral(" Phone Number is Valid."));
    rec.stNational = recAnswer.fnstNational();
    rec.stCode = recAnswer.fnstCode();
    rec.bOut = true;
    return true;
}

// The regions in turn; the answer of the last one tried gives the samples.
bool fnbTryCountries(TrecFullCheck &rec, QString &stAnswer) {
    QStringList slShown = rec.slRegions.mid(0, 5);
    while (slShown.size() < 5)
        slShown << QString();
    pLog(QStringLiteral("fnbValidatePhoneNumber"),
         QStringLiteral("Trying countries : ") + slShown.join(QLatin1Char(',')));
    for (const QString &stRegion : slShown)
        if (!stRegion.isEmpty() && fnbValidForCountry(rec.stNumber, rec.stType, stRegion,
                                                      rec.stNational, rec.stCode, stAnswer))
            return true;
    return false;
}

bool fnbCheck(TrecFullCheck &rec) {
    const QString stMethod = QStringLiteral("fnbValidatePhoneNumber");
    pLog(stMethod, QStringLiteral("TEMP_LOG : Number : ") + rec.stNumber +
                       QStringLiteral(" Prefix : ") + rec.stPrefix);
    if (!fnbPhoneMetadataAvailable()) {
        rec.stNational = rec.stNumber;
        rec.stCode = rec.stPrefix;
        rec.bOut = true;
        pLog(stMethod, QStringLiteral("TEMP_LOG : Metadata not available."));
        return true;
    }
    // Italian fixed lines keep their leading zero after the calling code;
    // users often leave it out.
    QString stItalianNumber;
    const bool bItalianRetry = cslItalyPrefixes.contains(rec.stPrefix) && rec.stType != cstMobile &&
                               !rec.stNumber.startsWith(QLatin1Char('0'));
    if (bItalianRetry) {
        stItalianNumber = rec.stNumber;
        rec.stNumber = QLatin1Char('0') + rec.stNumber;
    }
    if (rec.stPrefix == QLatin1String("+241") && !rec.stNumber.startsWith(QLatin1Char('0')))
        rec.stNumber = QLatin1Char('0') + rec.stNumber;
    const QString stFull = rec.stPrefix + rec.stNumber;
    if (rec.stNumber.trimmed().isEmpty()) {
        pLog(stMethod, QStringLiteral("TEMP_LOG : Number is Blank"));
        return true;
    }
    QString stPrefix = rec.stPrefix;
    stPrefix.remove(QLatin1Char('+')).remove(QLatin1Char(' '));
    if (stPrefix.isEmpty())
        stPrefix = QStringLiteral("00");
    QString stAnswer;
    if (stPrefix == QLatin1String("00")) {
        if (fnbTryCountries(rec, stAnswer)) {
            rec.bOut = true;
            return true;
        }
    } else {
        pLog(stMethod, QStringLiteral("Validating Phone Number : ") + stFull +
                           QStringLiteral(" for Type : ") + rec.stType);
        const TrecPhoneAnswer recAnswer(
            ValidatePhoneNumber(stFull.trimmed(), stPrefix.toInt(), QStringLiteral("ZZ")));
        stAnswer = recAnswer.stText;
        pLog(stMethod, QStringLiteral("Validated Phone Number. Result : ") + recAnswer.stText +
                           QStringLiteral(" Mobile Format : ") + recAnswer.fnstSample(cstMobile) +
                           QStringLiteral(" Fixed Line Format : ") +
                           recAnswer.fnstSample(cstFixedLine));
        if (fnbValidForPrefix(recAnswer, stPrefix, rec.stType) ||
            fnbTrustedPrefixType(recAnswer, stPrefix))
            return fnbAccept(rec, recAnswer);
        if (bItalianRetry) {
            pLog(stMethod, QStringLiteral("Validating Italy Phone Number : ") + stItalianNumber +
                               QStringLiteral(" for Type : ") + rec.stType);
            const TrecPhoneAnswer recItaly(
                ValidatePhoneNumber((QStringLiteral("+39") + stItalianNumber).trimmed(),
                                    stPrefix.toInt(), QStringLiteral("ZZ")));
            if (fnbValidForPrefix(recItaly, stPrefix, rec.stType))
                return fnbAccept(rec, recItaly);
        }
    }
    pLog(stMethod, QStringLiteral(" TEMP_LOG : Prefix : ") + stPrefix);
    gstValidationMessage() = fnstExpectedFormat(TrecPhoneAnswer(stAnswer).fnstSample(rec.stType));
    pLog(stMethod, QStringLiteral(" Validation Message : ") + gstValidationMessage());
    pLog(stMethod, QStringLiteral(" Phone Number is Invalid."));
    return false;
}
} // namespace

bool fnbValidatePhoneNumberForCountry(const QString &stPhoneNumber, const QString &stNumberType,
                                      const QString &stRegionCode, QString &stNationalNumber,
                                      QString &stCountryCode) {
    QString stAnswer;
    return fnbValidForCountry(stPhoneNumber, stNumberType, stRegionCode, stNationalNumber,
                              stCountryCode, stAnswer);
}

bool fnbValidatePhoneNumber(const QString &stPhoneNumber, const QString &stPrefix,
                            const QStringList &slRegionCodes, const QString &stNumberType,
                            QString &stNationalNumber, QString &stCountryCode) {
    const QString stMethod = QStringLiteral("fnbValidatePhoneNumber");
    pLog(stMethod, QStringLiteral("Entered"));
    gstValidationMessage().clear();
    TrecFullCheck rec{stPhoneNumber, stPrefix, slRegionCodes, stNumberType, {}, {}};
    bool bValid = false;
    try {
        bValid = fnbCheck(rec);
        if (rec.bOut) {
            stNationalNumber = rec.stNational;
            stCountryCode = rec.stCode;
        }
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, stMethod,
                  QStringLiteral("EXCEPTION : ") + QString::fromLocal8Bit(e.what()));
        bValid = false;
    }
    pLog(stMethod, QStringLiteral("Exit"));
    return bValid;
}

QString fnstPhoneValidationMessage() {
    return gstValidationMessage();
}
