// The phone-number library through its C entry points, loaded by name from the
// build's bin folder as the wizard loads it.
#include "LibphonenumberMorvane.h"
#include "UnitCompanionLibrary.h"

#include <QDate>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

namespace {

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

// The answer for a number that was read: status, the number, its calling code
// and where that came from, region, type, NANPA, the region's sample numbers.
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
        {"+61 2 1234 5678", 61, "ZZ", fnstRead("OK", "212345678", 61, "NUMBER_WITH_PLUS_SIGN", "AU", "FIXED_LINE", ",SampleFormatFixed=0212345678,SampleFormatMobile=0412345678")},
        {"+447400123456", 44, "ZZ", fnstRead("OK", "7400123456", 44, "NUMBER_WITH_PLUS_SIGN", "GB", "MOBILE", cpchGB)},
        // A national trunk zero after the calling code is dropped.
        {"+4402079460000", 44, "ZZ", fnstRead("OK", "2079460000", 44, "NUMBER_WITH_PLUS_SIGN", "GB", "FIXED_LINE", cpchGB)},
        {"0044 20 7946 0000", 44, "ZZ", fnstRead("OK", "2079460000", 44, "NUMBER_WITH_IDD", "GB", "FIXED_LINE", cpchGB)},
        // Region ZZ is no region: the calling code is looked for in the digits.
        {"4420 7946 0000", 44, "ZZ", fnstRead("OK", "2079460000", 44, "NUMBER_WITHOUT_PLUS_SIGN", "GB", "FIXED_LINE", cpchGB)},
        {"+12015550123", 1, "ZZ", fnstRead("OK", "2015550123", 1, "NUMBER_WITH_PLUS_SIGN", "US", "FIXED_LINE_OR_MOBILE", ",SampleFormatFixed=2015550123,SampleFormatMobile=2015550123")},
        {"4165550123", 0, "CA", fnstRead("OK", "4165550123", 1, "DEFAULT_COUNTRY", "CA", "FIXED_LINE_OR_MOBILE", ",SampleFormatFixed=5062345678,SampleFormatMobile=5062345678")},
        // Italian fixed lines keep their leading zero in the national number.
        {"0212345678", 0, "IT", fnstRead("OK", "0212345678", 39, "DEFAULT_COUNTRY", "IT", "FIXED_LINE", ",SampleFormatFixed=0212345678,SampleFormatMobile=3123456789")},
        // Too short to be a number of the region: read, but not valid.
        {"+4412", 44, "ZZ", fnstRead("!OK", "12", 44, "NUMBER_WITH_PLUS_SIGN", "GB", "UNKNOWN", cpchGB)},
        {"abc", 0, "GB", "BAD NUMBER"},
        {"", 44, "ZZ", "BAD NUMBER"},
        {"12345", 0, "ZZ", "BAD NUMBER"},
        // clang-format on
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(pfnValidate(rec.pchNumber, rec.iCode, rec.pchRegion), rec.stExpected)
            << rec.pchNumber << " " << rec.iCode << " " << rec.pchRegion;
    EXPECT_EQ(std::string(pfnValidate(nullptr, 44, nullptr)), "BAD NUMBER");
}

TEST_F(PhoneNumberLibrary, ListsEveryCallingCodeWithItsRegions) {
    std::vector<std::string> arElements;
    const std::string st = pfnPrefixes();
    for (size_t i = 0, iComma = 0; iComma != std::string::npos; i = iComma + 1)
        arElements.push_back(st.substr(i, (iComma = st.find(',', i)) - i));
    ASSERT_GE(arElements.size(), 246u);
    EXPECT_EQ(arElements.front(), std::to_string(arElements.size() - 1));
    const std::set<std::string> setPairs(arElements.begin() + 1, arElements.end());
    EXPECT_EQ(setPairs.size(), arElements.size() - 1) << "no pair is listed twice";
    // A shared code names its main region first.
    EXPECT_EQ(arElements[1], "1=US");
    for (const char *pchPair : {"44=GB", "39=VA", "383=XK", "800=001"})
        EXPECT_TRUE(setPairs.count(pchPair)) << pchPair;
}

TEST_F(PhoneNumberLibrary, ExtractsThePossibleNumberAndGivesTodaysDate) {
    EXPECT_EQ(std::string(pfnExtract("Tel: +44 (20) 7946-0000.")), "+44 (20) 7946-0000");
    EXPECT_EQ(std::string(pfnExtract("020 7946 0000 / x12")), "020 7946 0000");
    EXPECT_EQ(std::string(pfnExtract("no digits")), "");
    // The date is read on both sides of the call, so a run at midnight still passes.
    const std::string stBefore = QDate::currentDate().toString(Qt::ISODate).toStdString();
    const std::string stToday = pfnGetToday();
    const std::string stAfter = QDate::currentDate().toString(Qt::ISODate).toStdString();
    EXPECT_TRUE(stToday == stBefore || stToday == stAfter) << stToday;
}

TEST_F(PhoneNumberLibrary, CountsTheTerritoriesOfAMetadataFile) {
    const std::pair<const char *, int> arCases[] = {
        {"<phoneNumberMetadata><territories>"
         "<territory id=\"GB\" countryCode=\"44\"><fixedLine/></territory>"
         "<territory id=\"IT\" countryCode=\"39\"/></territories></phoneNumberMetadata>",
         2},
        {"<phoneNumberMetadata><territories/></phoneNumberMetadata>", -1},
        {"<html><territory id=\"GB\" countryCode=\"44\"/></html>", -1},
        {"<phoneNumberMetadata><territories><territory id=\"GB\" countryCode=\"44\">", -1},
    };
    QTemporaryDir dir;
    const std::string stPath = dir.filePath(QStringLiteral("metadata.xml")).toStdString();
    EXPECT_EQ(pfnBuild(stPath.c_str()), -1);
    EXPECT_EQ(pfnBuild(nullptr), -1);
    for (const auto &[pchContent, iExpected] : arCases) {
        std::ofstream(stPath) << pchContent;
        EXPECT_EQ(pfnBuild(stPath.c_str()), iExpected) << pchContent;
    }
}
