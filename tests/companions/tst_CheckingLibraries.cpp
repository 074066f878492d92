// The checking libraries through the C entry points the wizard loads by name.
#include "LibphonenumberMorvane.h"
#include "QuiloftAutodestination.h"
#include "QuiloftPostcodeCleaning.h"
#include "UnitAdHocQuery.h"
#include "UnitCompanionLibrary.h"
#include "unitDestinationRules.h"
#include "UnitTestInstallation.h"

#include <QDate>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <fstream>
#include <string>

namespace {
const std::string cstNoError = "No Error";
const std::string cstNeedsCity = "The entered postcode is incorrect. A valid postcode or city is "
                                 "required to process the shipment.";
const std::string cstCorrected = "The postcode you entered has been automatically corrected. "
                                 "Please verify that the cleaned postcode is correct.";
const std::string cstIncorrect = "The postcode you entered is incorrect and cannot be "
                                 "automatically corrected. Please enter a valid postcode.";

class PostcodeCleaning : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    TclsCompanionLibrary objLibrary{"libQuiloftPostcodeCleaningDLL.so"};
    const TpfnPostcodeCleaning pfnClean =
        objLibrary.fnpfn<TpfnPostcodeCleaning>("_fnstPostcodeCleaning");

    // The call as the wizard makes it; the answer as "result|postcode".
    std::string fnstClean(const std::string &stPostcode, const char *pchCountry,
                          const char *pchCity, size_t iPostcodeSize = PC_POSTCODE_TEXT) {
        char achResult[PC_RESULT_TEXT] = "NO_ERROR";
        char achPostcode[PC_POSTCODE_TEXT] = {};
        std::strncpy(achPostcode, stPostcode.c_str(), sizeof achPostcode - 1);
        pfnClean(achResult, sizeof achResult, achPostcode, iPostcodeSize, pchCountry, pchCity, "");
        return std::string(achResult) + "|" + achPostcode;
    }
};

TEST_F(PostcodeCleaning, AnswersEveryCountryByItsOwnFormat) {
    ASSERT_TRUE(objInstallation.fnbOk()) << objInstallation.fnstError().toStdString();
    ASSERT_NE(pfnClean, nullptr);
    const struct {
        const char *pchCountry;
        std::string stTyped;
        const char *pchCity;
        std::string stResult, stPostcode;
    } arCases[] = {
        // clang-format off
        {"GB", "  sw1a  1aa ", "London", cstNoError, "SW1A 1AA"},
        {"GB", "m25bq", "Manchester", cstCorrected, "M2 5BQ"},
        {"GB", "QQ1 1QQ", "London", cstIncorrect, "QQ1 1QQ"},
        {"GB", "QQ1 1QQ", " ", cstNeedsCity, "QQ1 1QQ"},
        {"gb", "EC1Y-8SY", "London", cstCorrected, "EC1Y 8SY"},
        {"US", "950141010", "Cupertino", cstCorrected, "95014-1010"},
        // No postcode format: whatever is typed stands.
        {"AE", " 12345 ", "Dubai", cstNoError, "12345"},
        // An empty postcode is only wrong when there is no city either.
        {"GB", "", "London", cstNoError, ""},
        {"GB", "", "", cstNeedsCity, ""},
        // clang-format on
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(fnstClean(rec.stTyped, rec.pchCountry, rec.pchCity),
                  rec.stResult + "|" + rec.stPostcode)
            << rec.pchCountry;
    // A buffer of 6 bytes holds only "M2 5B" of the cleaned postcode.
    EXPECT_EQ(fnstClean("M25BQ", "GB", "Manchester", 6), cstCorrected + "|M2 5B");
}

TrecCountryStations fnrecMadeUpCountry() {
    TrecCountryStations rec;
    rec.bCountryKnown = true;
    rec.bUsesPostcode = true;
    rec.arStations = {
        {"AAA", "Alpha", "North", "", ""},
        {"BB1", "Beta", "North", "", ""},
        {"BB2", "Beta", "South", "", ""},
        {"CC1", "Gamma", "East", "", ""},
        {"CC2", "Gamma", "East", "", ""},
        {"RR1", "Ranged", "West", "10000", "10999"},
        {"RR2", "Ranged", "West", "11000", "11999"},
        {"SS1", "Solo", "West", "20000", "20999"},
    };
    rec.arDirectory = rec.arStations;
    return rec;
}

TEST(DestinationRules, DecideAirportAndStateOrSayWhatIsMissing) {
    TrecCountryStations recCountry = fnrecMadeUpCountry();
    const struct {
        const char *pchName;
        TrecDestinationQuery recQuery;
        QString stResult, stState, stIATA;
    } arCases[] = {
        // clang-format off
        {"blank country", {"", "Alpha", "", "", ""}, adr::cstCountryBlank, "", ""},
        {"city in other case", {"ZZ", " alpha ", "12345", "", ""}, adr::cstNoError, "North", "AAA"},
        {"postcode missing", {"ZZ", "Alpha", "", "", ""}, adr::cstByCity, "North", "AAA"},
        {"city in two states", {"ZZ", "Beta", "1", "", ""}, adr::cstKnowState, "", ""},
        {"state decides", {"ZZ", "Beta", "1", "south", ""}, adr::cstNoError, "south", "BB2"},
        {"state fits no station", {"ZZ", "Alpha", "1", "West", ""}, adr::cstLookup, "West", ""},
        {"two airports, one state", {"ZZ", "Gamma", "1", "", ""}, adr::cstLookup, "", ""},
        {"ZIP+4 in range", {"ZZ", "Ranged", "11500-1234", "", ""}, adr::cstNoError, "West", "RR2"},
        {"no range fits, one airport", {"ZZ", "Solo", "30000", "", ""}, adr::cstPostcodeIncorrect, "West", "SS1"},
        {"ranges need the postcode", {"ZZ", "Ranged", "", "", ""}, adr::cstKnowPostcode, "", ""},
        {"unlisted city by postcode", {"ZZ", "Nowhere", "20500", "", ""}, adr::cstUnlistedCity, "West", "SS1"},
        {"unlisted city, no postcode", {"ZZ", "Nowhere", "", "", ""}, adr::cstEnterPostcode, "", ""},
        {"postcode alone", {"ZZ", "", "11500", "", ""}, adr::cstNoError, "West", "RR2"},
        {"postcode alone, unknown", {"ZZ", "", "99999", "", ""}, adr::cstEnterCity, "", ""},
        {"airport of the country stands", {"ZZ", "Beta", "1", "", "aaa"}, adr::cstNoError, "", "aaa"},
        {"foreign airport is replaced", {"ZZ", "Alpha", "1", "", "XYZ"}, adr::cstNoError, "North", "AAA"},
        // clang-format on
    };
    for (const auto &rec : arCases) {
        const TrecDestination recAnswer = fnrecDetermineDestination(rec.recQuery, recCountry);
        EXPECT_EQ(
            (recAnswer.stResult + '|' + recAnswer.stState + '|' + recAnswer.stIATA).toStdString(),
            (rec.stResult + '|' + rec.stState + '|' + rec.stIATA).toStdString())
            << rec.pchName;
    }
    EXPECT_EQ(fnrecDetermineDestination({"ZZ", "Alpha", "", "", ""}, {}).stResult,
              adr::cstInvalidCountry);
    // A country without postcodes needs none to be complete.
    recCountry.bUsesPostcode = false;
    EXPECT_EQ(fnrecDetermineDestination({"ZZ", "Alpha", "", "", ""}, recCountry).stResult,
              adr::cstNoError);
}

class Autodestination : public ::testing::Test {
protected:
    TclsCompanionLibrary objLibrary{"libQuiloftAutodestination.so"};
    const TpfnAutodestination pfnAuto =
        objLibrary.fnpfn<TpfnAutodestination>("_fnstAutodestination");

    // The call as the wizard makes it; the answer as "result|state|IATA".
    std::string fnstCall(const char *pchCountry, const char *pchCity, const char *pchPostcode,
                         const char *pchState) {
        char achResult[AD_RESULT_TEXT] = "No Error";
        char achState[AD_STATE_TEXT] = {};
        char achIATA[AD_IATA_TEXT] = {};
        std::strncpy(achState, pchState, sizeof achState - 1);
        pfnAuto(achResult, sizeof achResult, pchCountry, pchCity, pchPostcode, achState,
                sizeof achState, achIATA, sizeof achIATA, "", "Jane Shipper");
        return std::string(achResult) + "|" + achState + "|" + achIATA;
    }
};

TEST_F(Autodestination, FindsAirportsOfTheReferenceData) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bReferenceData = true;
    TclsTestInstallation objInstallation(rec);
    ASSERT_TRUE(objInstallation.fnbOk()) << objInstallation.fnstError().toStdString();
    ASSERT_NE(pfnAuto, nullptr);
    TclsAdHocQuery query;
    const std::array<const char *, 5> arCases[] = {
        // clang-format off
        {"GB", "Edinburgh", "EH1 1AA", "", "No Error|Scotland|EDI"},
        {"GB", "edinburgh", "", "", "Iata determined based on City and Country.|Scotland|EDI"},
        // The ZIP code tells the three Springfields apart; without it the state must.
        {"US", "Springfield", "65806", "", "No Error|Missouri|SGF"},
        {"US", "Springfield", "", "Illinois", "Iata determined based on City and Country.|Illinois|SPI"},
        {" ", "Edinburgh", "", "", "Country Code is Blank.||"},
        // clang-format on
    };
    for (const auto &ar : arCases)
        EXPECT_EQ(fnstCall(ar[0], ar[1], ar[2], ar[3]), ar[4]) << ar[0] << " " << ar[1];
    // A country whose stations are gone is looked up in the directory instead.
    ASSERT_EQ(query.fniExecute("delete from esd where country_cd = ?", {"GB"}), 0);
    EXPECT_EQ(fnstCall("GB", "Edinburgh", "EH1 1AA", ""),
              "Invalid combination. Do you want to lookup from directory?||");
}

TEST_F(Autodestination, AnswersWithTheExceptionTextWhenTheStationsCannotBeRead) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.slDropTables = {"esd"};
    TclsTestInstallation objInstallation(rec);
    ASSERT_TRUE(objInstallation.fnbOk()) << objInstallation.fnstError().toStdString();
    ASSERT_NE(pfnAuto, nullptr);
    TclsAdHocQuery query;
    ASSERT_EQ(query.fniExecute("insert into country (country_cd, country_name, UsePostCode_flag) "
                               "values (?, ?, ?)",
                               {"GB", "United Kingdom", 1}),
              0);
    EXPECT_EQ(fnstCall("GB", "Edinburgh", "", "Lothian"),
              "An exception occurred in autodestination.|Lothian|");
}

class PhoneNumberLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pfnGetToday && pfnExtract && pfnBuild && pfnPrefixes && pfnValidate);
    }
    TclsCompanionLibrary objLibrary{"libLibphonenumberMorvane.so"};
    const TpfnGetToday pfnGetToday = objLibrary.fnpfn<TpfnGetToday>("GetToday");
    const TpfnExtractPossibleNumber pfnExtract =
        objLibrary.fnpfn<TpfnExtractPossibleNumber>("ExtractPossibleNumber");
    const TpfnBuildMetadataFromXml pfnBuild =
        objLibrary.fnpfn<TpfnBuildMetadataFromXml>("BuildMetadataFromXml");
    const TpfnGetCountryPrefixList pfnPrefixes =
        objLibrary.fnpfn<TpfnGetCountryPrefixList>("GetCountryPrefixList");
    const TpfnValidatePhoneNumber pfnValidate =
        objLibrary.fnpfn<TpfnValidatePhoneNumber>("ValidatePhoneNumber");
};

// The answer for a number that was read, sample numbers of its region last.
std::string fnstRead(const char *pchStatus, const std::string &stNational, int iCode,
                     const char *pchSource, const char *pchRegion, const char *pchType,
                     const char *pchSamples) {
    return std::string(pchStatus) + ",,NationalNumber=" + stNational +
           ",CountryCode=" + std::to_string(iCode) + ",CountryCodeSource=FROM_" + pchSource +
           ",NationalNumber=" + stNational + ",RegionCode=" + pchRegion + ",NumberType=" + pchType +
           ",IsNANPA=" + (iCode == 1 ? "TRUE" : "FALSE") + pchSamples;
}

const char *const cpchGB = ",SampleFormatFixed=01212345678,SampleFormatMobile=07400123456";

} // namespace

TEST_F(PhoneNumberLibrary, AnswersNumbersOfSeveralCountries) {
    const struct {
        const char *pchNumber;
        int iCode;
        const char *pchRegion;
        std::string stExpected;
    } arCases[] = {
        // clang-format off
        {"+447400123456", 44, "ZZ", fnstRead("OK", "7400123456", 44, "NUMBER_WITH_PLUS_SIGN", "GB", "MOBILE", cpchGB)},
        // A national trunk zero after the calling code is dropped.
        {"+4402079460000", 44, "ZZ", fnstRead("OK", "2079460000", 44, "NUMBER_WITH_PLUS_SIGN", "GB", "FIXED_LINE", cpchGB)},
        {"0044 20 7946 0000", 44, "ZZ", fnstRead("OK", "2079460000", 44, "NUMBER_WITH_IDD", "GB", "FIXED_LINE", cpchGB)},
        // Region ZZ is no region: the calling code is looked for in the digits.
        {"4420 7946 0000", 44, "ZZ", fnstRead("OK", "2079460000", 44, "NUMBER_WITHOUT_PLUS_SIGN", "GB", "FIXED_LINE", cpchGB)},
        {"4165550123", 0, "CA", fnstRead("OK", "4165550123", 1, "DEFAULT_COUNTRY", "CA", "FIXED_LINE_OR_MOBILE", ",SampleFormatFixed=5062345678,SampleFormatMobile=5062345678")},
        // Italian fixed lines keep their leading zero in the national number.
        {"0212345678", 0, "IT", fnstRead("OK", "0212345678", 39, "DEFAULT_COUNTRY", "IT", "FIXED_LINE", ",SampleFormatFixed=0212345678,SampleFormatMobile=3123456789")},
        // Too short to be a number of the region: read, but not valid.
        {"+4412", 44, "ZZ", fnstRead("!OK", "12", 44, "NUMBER_WITH_PLUS_SIGN", "GB", "UNKNOWN", cpchGB)},
        {"", 44, "ZZ", "BAD NUMBER"},
        {"12345", 0, "ZZ", "BAD NUMBER"},
        // clang-format on
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(pfnValidate(rec.pchNumber, rec.iCode, rec.pchRegion), rec.stExpected)
            << rec.pchNumber << " " << rec.iCode << " " << rec.pchRegion;
    EXPECT_EQ(std::string(pfnValidate(nullptr, 44, nullptr)), "BAD NUMBER");
}

// The list counts its pairs first; a shared code names its main region first.
TEST_F(PhoneNumberLibrary, ListsEveryCallingCodeWithItsRegions) {
    const QStringList sl = QString::fromUtf8(pfnPrefixes()).split(QLatin1Char(','));
    ASSERT_GE(sl.size(), 246);
    EXPECT_EQ(sl.mid(0, 2), QStringList({QString::number(sl.size() - 1), QStringLiteral("1=US")}));
    EXPECT_EQ(QSet<QString>(sl.begin(), sl.end()).size(), sl.size());
}

TEST_F(PhoneNumberLibrary, ExtractsThePossibleNumberAndGivesTodaysDate) {
    EXPECT_EQ(std::string(pfnExtract("Tel: +44 (20) 7946-0000.")), "+44 (20) 7946-0000");
    EXPECT_EQ(std::string(pfnExtract("no digits")), "");
    // Read on both sides of the call, so a run at midnight still passes.
    const std::string stBefore = QDate::currentDate().toString(Qt::ISODate).toStdString();
    const std::string stToday = pfnGetToday();
    EXPECT_TRUE(stToday == stBefore ||
                stToday == QDate::currentDate().toString(Qt::ISODate).toStdString())
        << stToday;
}

TEST_F(PhoneNumberLibrary, CountsTheTerritoriesOfAMetadataFile) {
    QTemporaryDir dir;
    const std::string stPath = dir.filePath(QStringLiteral("metadata.xml")).toStdString();
    EXPECT_EQ(pfnBuild(stPath.c_str()), -1);
    EXPECT_EQ(pfnBuild(nullptr), -1);
    const std::pair<const char *, int> arCases[] = {
        {"<phoneNumberMetadata><territories><territory id=\"GB\" countryCode=\"44\"/>"
         "<territory id=\"IT\" countryCode=\"39\"/></territories></phoneNumberMetadata>",
         2},
        {"<html><territory id=\"GB\" countryCode=\"44\"/></html>", -1},
        {"<phoneNumberMetadata><territories><territory id=\"GB\" countryCode=\"44\">", -1},
    };
    for (const auto &[pchContent, iExpected] : arCases) {
        std::ofstream(stPath) << pchContent;
        EXPECT_EQ(pfnBuild(stPath.c_str()), iExpected) << pchContent;
    }
}
