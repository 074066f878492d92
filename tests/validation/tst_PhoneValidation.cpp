// The phone checks of the sender page: through the phone-number library and,
// when it is missing, through the rule table; the special cases of the full
// check, the expected-format message, the metadata file and the field outcome.
#include "unitCommonBusinessFunctions.h"
#include "unitPhoneFieldCheck.h"
#include "UnitPhoneTestInstallation.h"
#include "UnitScriptedAnswerer.h"

#include "UnitAdHocQuery.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {
struct TrecFullCase {
    const char *pchNumber;
    const char *pchPrefix;
    const char *pchRegion;
    const char *pchType;
    bool bValid;
    const char *pchNational; // valid: the number to show
    const char *pchCode;     // valid: the calling code
    const char *pchMessage;  // not valid: the expected-format message
};

void pRunFullCases(const std::vector<TrecFullCase> &arCases) {
    for (const TrecFullCase &rec : arCases) {
        QString stNational = QStringLiteral("untouched");
        QString stCode = QStringLiteral("untouched");
        const bool bValid = fnbValidatePhoneNumber(
            QString::fromUtf8(rec.pchNumber), QString::fromUtf8(rec.pchPrefix),
            {QString::fromUtf8(rec.pchRegion)}, QString::fromUtf8(rec.pchType), stNational, stCode);
        const std::string stCase = std::string(rec.pchNumber) + " " + rec.pchPrefix + " " +
                                   rec.pchRegion + " " + rec.pchType;
        EXPECT_EQ(bValid, rec.bValid) << stCase;
        if (rec.bValid) {
            EXPECT_EQ(stNational, QString::fromUtf8(rec.pchNational)) << stCase;
            EXPECT_EQ(stCode, QString::fromUtf8(rec.pchCode)) << stCase;
            EXPECT_EQ(fnstPhoneValidationMessage(), QString()) << stCase;
        } else {
            EXPECT_EQ(stNational, QStringLiteral("untouched")) << stCase;
            EXPECT_EQ(fnstPhoneValidationMessage(), QString::fromUtf8(rec.pchMessage)) << stCase;
        }
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
        // A trunk zero typed after the calling code is dropped.
        {"0212345678", "+61", "AU", "FIXED_LINE", true, "212345678", "61", ""},
        {"412345678", "+61", "AU", "MOBILE", true, "412345678", "61", ""},
        {"7400123456", "+44", "GB", "MOBILE", true, "7400123456", "44", ""},
        // A mobile number may stand in the telephone field, not the other way round.
        {"7400123456", "+44", "GB", "FIXED_LINE", true, "7400123456", "44", ""},
        {"2079460000", "+44", "GB", "MOBILE", false, "", "",
         "The expected format is [ '07400123456' ]."},
        {"12", "+44", "GB", "FIXED_LINE", false, "", "",
         "The expected format is [ '01212345678' ]."},
        {"2079460000", "0044", "GB", "FIXED_LINE", true, "2079460000", "44", ""},
        // The calling code decides, not the sender's country.
        {"30123456", "+49", "GB", "FIXED_LINE", true, "30123456", "49", ""},
        {"612345678", "+33", "FR", "MOBILE", true, "612345678", "33", ""},
        {"2015550123", "+1", "US", "FIXED_LINE", true, "2015550123", "1", ""},
        {"9876543210", "+91", "IN", "MOBILE", true, "9876543210", "91", ""},
        // No calling code: the sender's country only.
        {"02079460000", "+", "GB", "FIXED_LINE", true, "2079460000", "44", ""},
        {"02079460000", "", "FR", "FIXED_LINE", false, "", "",
         "The expected format is [ '0123456789' ]."},
        // Canada shares calling code 1: a Canadian number passes for the US.
        {"4165550123", "", "CA", "FIXED_LINE", true, "4165550123", "1", ""},
        {"4165550123", "", "US", "MOBILE", true, "4165550123", "1", ""},
        // Blank numbers are not checked.
        {"   ", "+44", "GB", "FIXED_LINE", true, "untouched", "untouched", ""},
    });
}

TEST(PhoneValidation, SpecialCasesOfTheFullCheck) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Present);
    ASSERT_PHONE_INSTALLED(objInstallation);
    pRunFullCases({
        // Italy, telephone field: the missing leading zero is put in front ...
        {"212345678", "+39", "IT", "FIXED_LINE", true, "0212345678", "39", ""},
        {"212345678", "0039", "IT", "FIXED_LINE", true, "0212345678", "39", ""},
        // ... and when that fails the number as typed is tried.
        {"3331234567", "+39", "IT", "FIXED_LINE", true, "3331234567", "39", ""},
        // Not in the mobile field, and not for other codes.
        {"212345678", "+39", "IT", "MOBILE", false, "", "",
         "The expected format is [ '3123456789' ]."},
        // Gabon: the leading zero is put in front; the national number keeps it.
        {"1441234", "+241", "GA", "FIXED_LINE", true, "01441234", "241", ""},
        {"06031234", "+241", "GA", "MOBILE", true, "06031234", "241", ""},
        // Codes whose unknown numbers are trusted, whatever the status.
        {"12345", "+91", "IN", "MOBILE", true, "12345", "91", ""},
        {"12345", "+251", "ET", "FIXED_LINE", true, "12345", "251", ""},
        {"12345", "+84", "VN", "MOBILE", true, "12345", "84", ""},
        {"12345", "+94", "LK", "MOBILE", true, "12345", "94", ""},
        {"12345", "+86", "CN", "MOBILE", true, "12345", "86", ""},
        {"12345", "+44", "GB", "MOBILE", false, "", "",
         "The expected format is [ '07400123456' ]."},
    });
}

TEST(PhoneValidation, KosovoNeverReachesTheLibrary) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Present);
    ASSERT_PHONE_INSTALLED(objInstallation);
    // The library would drop the trunk zero; the table keeps the number as typed.
    EXPECT_EQ(ValidatePhoneNumber(QStringLiteral("+383028012345"), 383, QStringLiteral("ZZ")),
              QStringLiteral("OK,,NationalNumber=028012345,CountryCode=383,CountryCodeSource=FROM_"
                             "NUMBER_WITH_PLUS_SIGN,NationalNumber=028012345,RegionCode=XK,"
                             "NumberType=FIXED_LINE,IsNANPA=FALSE,SampleFormatFixed=028012345,"
                             "SampleFormatMobile=043201234"));
    EXPECT_EQ(ValidatePhoneNumber(QStringLiteral("+4407400123456"), 44, QStringLiteral("ZZ"))
                  .section(QLatin1Char(','), 2, 2),
              QStringLiteral("NationalNumber=7400123456"));
    // A number the library cannot read is its answer; the table is not asked.
    EXPECT_EQ(ValidatePhoneNumber(QStringLiteral("abc"), 0, QStringLiteral("GB")),
              QStringLiteral("BAD NUMBER"));
    pRunFullCases({
        {"28012345", "+383", "XK", "FIXED_LINE", true, "28012345", "383", ""},
        {"12", "+383", "XK", "FIXED_LINE", false, "", "",
         "The expected format is [ '028012345' ]."},
    });
    const QString stLog = objInstallation.fnstTodaysLog();
    for (const char *pchLine :
         {"Function: Start. stPhoneNumber:+383028012345 iPrefix:383 stRegionCode:ZZ",
          "stPhoneNumber: 028012345 iPrefix: 383 stRegionCode: ZZ",
          "Function: End. Result: BAD NUMBER"})
        EXPECT_TRUE(stLog.contains(QLatin1Char('|') + QLatin1String(pchLine) + "\r\n")) << pchLine;
}

TEST(PhoneValidation, NumbersThroughTheTableWithoutTheLibrary) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Missing);
    ASSERT_PHONE_INSTALLED(objInstallation);
    pRunFullCases({
        // The table answers with the number as typed.
        {"0212345678", "+61", "AU", "FIXED_LINE", true, "0212345678", "61", ""},
        {"412345678", "+61", "AU", "MOBILE", true, "412345678", "61", ""},
        {"7400123456", "+44", "GB", "MOBILE", true, "7400123456", "44", ""},
        {"2079460000", "+44", "GB", "MOBILE", false, "", "",
         "The expected format is [ '07400123456' ]."},
        {"212345678", "+39", "IT", "FIXED_LINE", true, "0212345678", "39", ""},
        {"0212345678", "", "AU", "FIXED_LINE", true, "0212345678", "61", ""},
        {"30123456", "+49", "DE", "FIXED_LINE", true, "30123456", "49", ""},
        {"0123456789", "+33", "FR", "FIXED_LINE", true, "0123456789", "33", ""},
        {"1441234", "+241", "GA", "FIXED_LINE", true, "01441234", "241", ""},
        {"28012345", "+383", "XK", "FIXED_LINE", true, "28012345", "383", ""},
        // The table knows no shared calling code: Canada's numbers are Canada's.
        {"4165550123", "", "CA", "FIXED_LINE", true, "4165550123", "1", ""},
        {"4165550123", "", "US", "FIXED_LINE", false, "", "",
         "The expected format is [ '2015550123' ]."},
        // The table reports every failure as a mobile number: trusted for these codes.
        {"12345", "+91", "IN", "FIXED_LINE", true, "12345", "91", ""},
        {"12345", "+61", "AU", "FIXED_LINE", false, "", "",
         "The expected format is [ '0212345678' ]."},
    });
    EXPECT_EQ(fnstGetCountryPrefixList(), QString());
}

TEST(PhoneValidation, TableAnswersInTheLibrarysFormat) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Missing);
    ASSERT_PHONE_INSTALLED(objInstallation);
    const struct {
        const char *pchNumber;
        int iPrefix;
        const char *pchRegion;
        const char *pchExpected;
    } arCases[] = {
        {"7400123456", 44, "ZZ",
         "OK,,NationalNumber=7400123456,CountryCode=44,CountryCodeSource=FROM_NUMBER_WITH_PLUS_"
         "SIGN,NationalNumber=7400123456,RegionCode=GB,NumberType=MOBILE,IsNANPA=FALSE,"
         "SampleFormatFixed=01212345678,SampleFormatMobile=07400123456"},
        {"02079460000", 0, "GB",
         "OK,,NationalNumber=02079460000,CountryCode=44,CountryCodeSource=FROM_NUMBER_WITH_PLUS_"
         "SIGN,NationalNumber=02079460000,RegionCode=GB,NumberType=FIXED_LINE,IsNANPA=FALSE,"
         "SampleFormatFixed=01212345678,SampleFormatMobile=07400123456"},
        // Not valid: the code asked for, the region of the last row read, "MOBILE".
        {"12", 44, "ZZ",
         "!OK,,NationalNumber=12,CountryCode=44,CountryCodeSource=FROM_NUMBER_WITH_PLUS_SIGN,"
         "NationalNumber=12,RegionCode=JE,NumberType=MOBILE,IsNANPA=FALSE,"
         "SampleFormatFixed=01212345678,SampleFormatMobile=07400123456"},
        // The "+code" is cut off before the table is asked.
        {"+44+447400123456", 44, "ZZ",
         "OK,,NationalNumber=7400123456,CountryCode=44,CountryCodeSource=FROM_NUMBER_WITH_PLUS_"
         "SIGN,NationalNumber=7400123456,RegionCode=GB,NumberType=MOBILE,IsNANPA=FALSE,"
         "SampleFormatFixed=01212345678,SampleFormatMobile=07400123456"},
        {"12", 999, "ZZ",
         "!OK,,NationalNumber=12,CountryCode=999,CountryCodeSource=FROM_NUMBER_WITH_PLUS_SIGN,"
         "NationalNumber=12,RegionCode=,NumberType=MOBILE,IsNANPA=FALSE,SampleFormatFixed=,"
         "SampleFormatMobile="},
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(ValidatePhoneNumber(QString::fromLatin1(rec.pchNumber), rec.iPrefix,
                                      QString::fromLatin1(rec.pchRegion)),
                  QString::fromLatin1(rec.pchExpected))
            << rec.pchNumber << " " << rec.iPrefix;
}

TEST(PhoneValidation, ABrokenRuleLeavesBadNumber) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Missing);
    ASSERT_PHONE_INSTALLED(objInstallation);
    TclsAdHocQuery query;
    ASSERT_EQ(query.fniExecute(QStringLiteral("UPDATE phonemobile_regex SET RegExp = ? WHERE "
                                              "country_cd = ?"),
                               {QStringLiteral("^(?:[0-9"), QStringLiteral("GB")}),
              0);
    EXPECT_EQ(fnbValidateCountryPhoneMobileViaRegex(QStringLiteral("7400123456"), 44,
                                                    QStringLiteral("ZZ")),
              QStringLiteral("BAD NUMBER"));
    // "BAD NUMBER" has no type: the check fails without a sample.
    pRunFullCases(
        {{"7400123456", "+44", "GB", "MOBILE", false, "", "", "The expected format is [ '' ]."}});
    EXPECT_TRUE(objInstallation.fnstTodaysLog().contains(
        QStringLiteral("|Severity Level 3|Unit unitCommonBusinessFunctions|Process "
                       "fnbValidateCountryPhoneMobileViaRegex|Exception: ")));
}

TEST(PhoneValidation, EmptyTableRejectsEveryNumber) {
    TrecInstallationOptions rec = fnrecPhoneOptions();
    rec.bPhoneRules = false;
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Missing, rec);
    ASSERT_PHONE_INSTALLED(objInstallation);
    pRunFullCases({
        {"7400123456", "+44", "GB", "MOBILE", false, "", "", "The expected format is [ '' ]."},
        {"02079460000", "", "GB", "FIXED_LINE", false, "", "", "The expected format is [ '' ]."},
    });
}

TEST(PhoneValidation, WithoutMetadataNothingIsRejected) {
    TrecInstallationOptions rec = fnrecPhoneOptions();
    rec.bPhoneMetadata = false;
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Present, rec);
    ASSERT_TRUE(objInstallation.fnbOk());
    EXPECT_FALSE(fnbPhoneMetadataAvailable());
    pRunFullCases({
        {"not a number", "+44", "GB", "MOBILE", true, "not a number", "+44", ""},
        {"12", "", "GB", "FIXED_LINE", true, "12", "", ""},
    });
    const TrecPhoneFieldOutcome recField =
        fnrecCheckPhoneField(QStringLiteral("12"), QStringLiteral("+44"), QStringLiteral("GB"),
                             QStringLiteral("MOBILE"));
    EXPECT_FALSE(recField.bChecked);
    const QString stLog = objInstallation.fnstTodaysLog();
    const QString stPath = QDir(objInstallation.fnstPath(QStringLiteral("Config")))
                               .filePath("PhoneNumberMetadata.xml");
    for (const QString &stLine :
         {fnstPhoneLogLine(0, "UnitLibPhonenumberAccess", "BuildMetadataFromXml",
                           "Phone Number Metadata file NOT FOUND. Phone Number validations will "
                           "not be performed."),
          fnstPhoneLogLine(0, "unitCommonBusinessFunctions", "fnbValidatePhoneNumber",
                           "TEMP_LOG : Metadata not available.")})
        EXPECT_TRUE(stLog.contains(stLine)) << qPrintable(stLine);
    EXPECT_FALSE(stLog.contains(QStringLiteral("Building Phone Number Data")));
}

TEST(PhoneValidation, MetadataFileIsFoundBesideBin) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Present);
    ASSERT_PHONE_INSTALLED(objInstallation);
    const QString stLog = objInstallation.fnstTodaysLog();
    for (const char *pchLine : {"Loading file : ", "Looking for Metadata file : "}) {
        const QString stStart =
            fnstPhoneLogLine(0, "UnitLibPhonenumberAccess", "BuildMetadataFromXml", pchLine)
                .chopped(2);
        const qsizetype i = stLog.indexOf(stStart);
        ASSERT_GE(i, 0) << pchLine;
        const QString stPath = stLog.mid(i + stStart.size()).section(QStringLiteral("\r\n"), 0, 0);
        EXPECT_TRUE(stPath.endsWith(QStringLiteral("Config/PhoneNumberMetadata.xml")))
            << qPrintable(stPath);
        EXPECT_TRUE(QFileInfo(stPath).isFile()) << qPrintable(stPath);
    }
    EXPECT_TRUE(
        stLog.contains(fnstPhoneLogLine(0, "UnitLibPhonenumberAccess", "BuildMetadataFromXml",
                                        "Building Phone Number Data from Metadata XML.")));
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
    EXPECT_EQ(objAnswerer.fnarAsked()[0].stCaption,
              QStringLiteral("Registration Wizard - Warning"));
    // Not usable: no answer at all, not even the table's.
    objAnswerer.pExpect(0);
    EXPECT_EQ(ValidatePhoneNumber(QStringLiteral("+447400123456"), 44, QStringLiteral("ZZ")),
              QString());
    EXPECT_TRUE(objAnswerer.fnarUnexpected().empty());
}

TEST(PhoneValidation, PrefixListComesFromTheLibrary) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Present);
    ASSERT_PHONE_INSTALLED(objInstallation);
    const QStringList sl = fnstGetCountryPrefixList().split(QLatin1Char(','));
    ASSERT_GE(sl.size(), 246);
    EXPECT_EQ(sl.front().toInt(), sl.size() - 1);
    EXPECT_TRUE(sl.contains(QStringLiteral("44=GB")));
    EXPECT_TRUE(sl.contains(QStringLiteral("383=XK")));
}

TEST(PhoneValidation, FieldOutcomeAndErrorList) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Present);
    ASSERT_PHONE_INSTALLED(objInstallation);
    TrecarErrorList arErrors = {{QStringLiteral("edtSenderMobile"), QStringLiteral("old"), 0, 0},
                                {QStringLiteral("edtSenderCode"), QStringLiteral("other"), 0, 0}};

    const TrecPhoneFieldOutcome recBad =
        fnrecCheckPhoneField(QStringLiteral(" 2079460000 "), QStringLiteral("+44"),
                             QStringLiteral("GB"), QStringLiteral("MOBILE"));
    EXPECT_TRUE(recBad.bChecked);
    EXPECT_FALSE(recBad.bValid);
    EXPECT_EQ(recBad.stErrorText, QStringLiteral(" Phone number is not valid.\r\nThe expected "
                                                 "format is [ '07400123456' ]."));
    pApplyPhoneFieldOutcome(recBad, QStringLiteral("edtSenderMobile"), arErrors);
    ASSERT_EQ(arErrors.size(), 3u);
    EXPECT_EQ(arErrors[2].stControlName, QStringLiteral("edtSenderMobile"));
    EXPECT_EQ(arErrors[2].stMessage, recBad.stErrorText);
    EXPECT_TRUE(objInstallation.fnstTodaysLog().contains(fnstPhoneLogLine(
        0, "unitRegistrationWizard", "edtSenderMobileExit", "TEMP_LOG : Error List Size : 3")));

    // The sender's country is used when the calling-code box is empty.
    const TrecPhoneFieldOutcome recGood = fnrecCheckPhoneField(
        QStringLiteral("07400 123456"), QString(), QStringLiteral("GB"), QStringLiteral("MOBILE"));
    EXPECT_TRUE(recGood.bValid);
    EXPECT_EQ(recGood.stCallingCode, QStringLiteral("+44"));
    EXPECT_EQ(recGood.stNationalNumber, QStringLiteral("7400123456"));
    pApplyPhoneFieldOutcome(recGood, QStringLiteral("edtSenderMobile"), arErrors);
    ASSERT_EQ(arErrors.size(), 1u);
    EXPECT_EQ(arErrors[0].stControlName, QStringLiteral("edtSenderCode"));

    EXPECT_FALSE(fnrecCheckPhoneField(QStringLiteral("  "), QStringLiteral("+44"),
                                      QStringLiteral("GB"), QStringLiteral("FIXED_LINE"))
                     .bChecked);
}

TEST(PhoneValidation, WithoutACallingCodeEachRegionIsTriedInTurn) {
    TclsPhoneTestInstallation objInstallation(TPhoneLibrary::Present);
    ASSERT_PHONE_INSTALLED(objInstallation);
    const struct {
        QStringList slRegions;
        bool bValid;
        const char *pchCode;
        const char *pchTried; // the log line naming the regions
    } arCases[] = {
        {{"GB", "", "FR"}, true, "33", "Trying countries : GB,,FR,,"},
        {{"DE", "AU", "US", "CA", "GB"}, false, "", "Trying countries : DE,AU,US,CA,GB"},
        {{"FR", "GB"}, true, "33", "Trying countries : FR,GB,,,"},
    };
    for (const auto &rec : arCases) {
        QString stNational, stCode;
        EXPECT_EQ(fnbValidatePhoneNumber(QStringLiteral("0123456789"), QStringLiteral("+"),
                                         rec.slRegions, QStringLiteral("FIXED_LINE"), stNational,
                                         stCode),
                  rec.bValid)
            << rec.pchTried;
        EXPECT_EQ(stCode, QLatin1String(rec.pchCode)) << rec.pchTried;
        EXPECT_TRUE(objInstallation.fnstTodaysLog().contains(
            fnstPhoneLogLine(0, "unitCommonBusinessFunctions", "fnbValidatePhoneNumber",
                             QString::fromLatin1(rec.pchTried))))
            << rec.pchTried;
    }
}
