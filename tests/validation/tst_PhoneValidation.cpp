// The sender page's phone checks: through the phone-number library or, when
// it is missing, the rule table; and the comma text their answers are read as.
#include "unitCommaText.h"
#include "unitCommonBusinessFunctions.h"
#include "unitPhoneFieldCheck.h"
#include "UnitPhoneTestInstallation.h"
#include "UnitScriptedAnswerer.h"

#include "UnitAdHocQuery.h"

#include <gtest/gtest.h>

namespace {
struct TrecFullCase {
    const char *pchNumber, *pchPrefix, *pchRegions, *pchType; // regions: comma-separated
    bool bValid;
    const char *pchNational; // valid: the number to show
    const char *pchCode;     // valid: the calling code
    const char *pchSample;   // not valid: the sample of the expected-format message
};

void pRunFullCases(const std::vector<TrecFullCase> &arCases) {
    for (const TrecFullCase &rec : arCases) {
        QString stNational = QStringLiteral("untouched");
        QString stCode = QStringLiteral("untouched");
        const bool bValid = fnbValidatePhoneNumber(
            QString::fromUtf8(rec.pchNumber), QString::fromUtf8(rec.pchPrefix),
            QString::fromUtf8(rec.pchRegions).split(QLatin1Char(',')),
            QString::fromUtf8(rec.pchType), stNational, stCode);
        const std::string stCase = std::string(rec.pchNumber) + " " + rec.pchPrefix + " " +
                                   rec.pchRegions + " " + rec.pchType;
        EXPECT_EQ(
            QStringList(
                {QString::number(bValid), stNational, stCode, fnstPhoneValidationMessage()}),
            QStringList(
                {QString::number(rec.bValid), rec.bValid ? rec.pchNational : "untouched",
                 rec.bValid ? rec.pchCode : "untouched",
                 rec.bValid
                     ? QString()
                     : QStringLiteral("The expected format is [ '%1' ].").arg(rec.pchSample)}))
            << stCase;
    }
}

#define ASSERT_PHONE_INSTALLED(obj)                                                                \
    ASSERT_TRUE((obj).fnbOk()) << qPrintable((obj).fnstError());                                   \
    ASSERT_TRUE(fnbPhoneMetadataAvailable())
} // namespace

TEST(PhoneValidation, NumbersThroughTheLibrary) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Present);
    ASSERT_PHONE_INSTALLED(objInstallation);
    ASSERT_TRUE(objInstallation.bLibraryCopied);
    pRunFullCases({
        {"0212345678", "+61", "AU", "FIXED_LINE", true, "212345678", "61", ""},
        // A mobile number may stand in the telephone field, not the other way round.
        {"7400123456", "+44", "GB", "FIXED_LINE", true, "7400123456", "44", ""},
        {"2079460000", "+44", "GB", "MOBILE", false, "", "", "07400123456"},
        {"12", "+44", "GB", "FIXED_LINE", false, "", "", "01212345678"},
        {"2079460000", "0044", "GB", "FIXED_LINE", true, "2079460000", "44", ""},
        {"30123456", "+49", "GB", "FIXED_LINE", true, "30123456", "49", ""},
        // No calling code: the sender's country only.
        {"02079460000", "+", "GB", "FIXED_LINE", true, "2079460000", "44", ""},
        {"02079460000", "", "FR", "FIXED_LINE", false, "", "", "0123456789"},
        // Each of the sender's regions is tried in turn.
        {"0123456789", "+", "GB,,FR", "FIXED_LINE", true, "123456789", "33", ""},
        {"0123456789", "+", "DE,AU,US,CA,GB", "FIXED_LINE", false, "", "", "01212345678"},
        {"4165550123", "", "US", "MOBILE", true, "4165550123", "1", ""},
        {"   ", "+44", "GB", "FIXED_LINE", true, "untouched", "untouched", ""},
        // Italy and Gabon: a leading zero is put in front, else the number as typed is tried.
        {"212345678", "0039", "IT", "FIXED_LINE", true, "0212345678", "39", ""},
        {"3331234567", "+39", "IT", "FIXED_LINE", true, "3331234567", "39", ""},
        {"212345678", "+39", "IT", "MOBILE", false, "", "", "3123456789"},
        {"1441234", "+241", "GA", "FIXED_LINE", true, "01441234", "241", ""},
        // Trusted codes.
        {"12345", "+251", "ET", "FIXED_LINE", true, "12345", "251", ""},
        {"12345", "+44", "GB", "MOBILE", false, "", "", "07400123456"},
        {"28012345", "+383", "XK", "FIXED_LINE", true, "28012345", "383", ""},
    });
    EXPECT_EQ(ValidatePhoneNumber("+383028012345", 383, "ZZ").section(',', 2, 2),
              "NationalNumber=028012345");
    // A number the library cannot read is its answer; the table is not asked.
    EXPECT_EQ(ValidatePhoneNumber("abc", 0, "GB"), "BAD NUMBER");
    EXPECT_TRUE(objInstallation.fnstTodaysLog().contains(
        fnstPhoneLogLine(0, "unitCommonBusinessFunctions", "fnbValidateCountryPhoneMobileViaRegex",
                         "stPhoneNumber: 028012345 iPrefix: 383 stRegionCode: ZZ")));
    EXPECT_TRUE(fnstGetCountryPrefixList().split(QLatin1Char(',')).contains("383=XK"));
}

TEST(PhoneValidation, NumbersThroughTheTableWithoutTheLibrary) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Missing);
    ASSERT_PHONE_INSTALLED(objInstallation);
    pRunFullCases({
        {"0212345678", "+61", "AU", "FIXED_LINE", true, "0212345678", "61", ""},
        {"2079460000", "+44", "GB", "MOBILE", false, "", "", "07400123456"},
        {"0212345678", "", "AU", "FIXED_LINE", true, "0212345678", "61", ""},
        // No shared calling codes in the table.
        {"4165550123", "", "US", "FIXED_LINE", false, "", "", "2015550123"},
        // Every failure reads as a mobile number: trusted for these codes.
        {"12345", "+91", "IN", "FIXED_LINE", true, "12345", "91", ""},
        {"12345", "+61", "AU", "FIXED_LINE", false, "", "", "0212345678"},
    });
    EXPECT_EQ(fnstGetCountryPrefixList(), QString());
    EXPECT_EQ(ValidatePhoneNumber("02079460000", 0, "GB"),
              "OK,,NationalNumber=02079460000,CountryCode=44,CountryCodeSource=FROM_NUMBER_WITH_"
              "PLUS_SIGN,NationalNumber=02079460000,RegionCode=GB,NumberType=FIXED_LINE,IsNANPA="
              "FALSE,SampleFormatFixed=01212345678,SampleFormatMobile=07400123456");
    // The "+code" is cut off before the table is asked.
    EXPECT_EQ(ValidatePhoneNumber("+44+447400123456", 44, "ZZ").section(',', 2, 2),
              "NationalNumber=7400123456");
    // A row's length pattern holds the number to its length, whatever its pattern lets through.
    TclsAdHocQuery query;
    const QString stUpdate =
        QStringLiteral("UPDATE phonemobile_regex SET RegExp = ? WHERE country_cd = ?");
    ASSERT_EQ(query.fniExecute(stUpdate, {QStringLiteral("^[0-9]+$"), QStringLiteral("GB")}), 0);
    pRunFullCases({{"740012345678", "+44", "GB", "FIXED_LINE", false, "", "", "01212345678"}});
    // A broken pattern leaves "BAD NUMBER", which has no type: no sample.
    ASSERT_EQ(query.fniExecute(stUpdate, {QStringLiteral("^(?:[0-9"), QStringLiteral("GB")}), 0);
    pRunFullCases({{"7400123456", "+44", "GB", "MOBILE", false, "", "", ""}});
    // An empty table rejects every number.
    ASSERT_EQ(query.fniExecute(QStringLiteral("DELETE FROM phonemobile_regex"), {}), 0);
    pRunFullCases({{"0212345678", "", "AU", "FIXED_LINE", false, "", "", ""}});
}

TEST(PhoneValidation, WithoutMetadataNothingIsRejected) {
    TrecInstallationOptions rec = fnrecPhoneOptions();
    rec.bPhoneMetadata = false;
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Present, rec);
    ASSERT_TRUE(objInstallation.fnbOk());
    EXPECT_FALSE(fnbPhoneMetadataAvailable());
    pRunFullCases({{"not a number", "+44", "GB", "MOBILE", true, "not a number", "+44", ""}});
    EXPECT_FALSE(fnrecCheckPhoneField(QStringLiteral("12"), QStringLiteral("+44"),
                                      QStringLiteral("GB"), QStringLiteral("MOBILE"))
                     .bChecked);
}

TEST(PhoneValidation, ALibraryThatCannotLoadIsReported) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Missing);
    ASSERT_PHONE_INSTALLED(objInstallation);
    ASSERT_TRUE(objInstallation.fnbWriteFile(QStringLiteral("Bin/libLibphonenumberMorvane.so"),
                                             "not a shared object"));
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    EXPECT_FALSE(fnbLoadLibPhonenumberDLL());
    ASSERT_EQ(objAnswerer.fnarAsked().size(), 1u);
    EXPECT_EQ(objAnswerer.fnarAsked()[0].stMessage,
              QStringLiteral("DLL could not be loaded successfully."));
    // Not usable: no answer at all, not even the table's.
    objAnswerer.pExpect(0);
    EXPECT_EQ(ValidatePhoneNumber(QStringLiteral("+447400123456"), 44, QStringLiteral("ZZ")),
              QString());
    EXPECT_TRUE(objAnswerer.fnarUnexpected().empty());
}

TEST(PhoneValidation, AnswersSplitLikeACommaTextList) {
    const struct {
        const char *pchText;
        QStringList slExpected;
    } arCases[] = {
        {"OK,,NationalNumber=12", {"OK", "", "NationalNumber=12"}},
        {"a b\tc,", {"a", "b", "c", ""}},
        {"\"a b\",\"c,d\",\"say \"\"hi\"\"\"", {"a b", "c,d", "say \"hi\""}},
        {"   ", {}},
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(fnslCommaText(QString::fromLatin1(rec.pchText)), rec.slExpected) << rec.pchText;
    // The first value of a name wins.
    const QStringList sl = fnslCommaText(
        QStringLiteral("OK,,NationalNumber=1,CountryCode=44,NationalNumber=2,Empty=,X=a=b"));
    QStringList slValues;
    for (const char *pch : {"NationalNumber", "X", "Empty", "Country"})
        slValues << fnstCommaValue(sl, QString::fromLatin1(pch));
    EXPECT_EQ(slValues, QStringList({"1", "a=b", "", ""}));
}
