// The phone-number library through its C entry points, loaded by name from the
// build's bin folder as the wizard loads it.
#include "LibphonenumberMorvane.h"

#include <QByteArray>
#include <QDate>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <fstream>
#include <set>
#include <string>

namespace {
class TclsPhoneLibrary {
public:
    TclsPhoneLibrary() {
        const QByteArray baFile = qgetenv("WIZARD_BIN_DIR") + "/libLibphonenumberMorvane.so";
        pHandle = dlopen(baFile.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!pHandle)
            return;
        pResolve("GetToday", pfnGetToday);
        pResolve("ExtractPossibleNumber", pfnExtract);
        pResolve("BuildMetadataFromXml", pfnBuild);
        pResolve("GetCountryPrefixList", pfnPrefixes);
        pResolve("ValidatePhoneNumber", pfnValidate);
    }
    ~TclsPhoneLibrary() {
        if (pHandle)
            dlclose(pHandle);
    }
    TclsPhoneLibrary(const TclsPhoneLibrary &) = delete;
    TclsPhoneLibrary &operator=(const TclsPhoneLibrary &) = delete;

    bool fnbOk() const {
        return pfnGetToday && pfnExtract && pfnBuild && pfnPrefixes && pfnValidate;
    }

    void *pHandle = nullptr;
    TpfnGetToday pfnGetToday = nullptr;
    TpfnExtractPossibleNumber pfnExtract = nullptr;
    TpfnBuildMetadataFromXml pfnBuild = nullptr;
    TpfnGetCountryPrefixList pfnPrefixes = nullptr;
    TpfnValidatePhoneNumber pfnValidate = nullptr;

private:
    template <class T> void pResolve(const char *pchName, T &pfn) {
        pfn = reinterpret_cast<T>(dlsym(pHandle, pchName));
    }
};

std::string fnstResult(const char *pchStatus, const std::string &stNational, int iCode,
                       const char *pchSource, const char *pchRegion, const char *pchType,
                       const char *pchNANPA, const char *pchFixed, const char *pchMobile) {
    return std::string(pchStatus) + ",,NationalNumber=" + stNational +
           ",CountryCode=" + std::to_string(iCode) + ",CountryCodeSource=" + pchSource +
           ",NationalNumber=" + stNational + ",RegionCode=" + pchRegion + ",NumberType=" + pchType +
           ",IsNANPA=" + pchNANPA + ",SampleFormatFixed=" + pchFixed +
           ",SampleFormatMobile=" + pchMobile;
}

std::vector<std::string> fnarSplit(const std::string &st) {
    std::vector<std::string> ar;
    size_t iStart = 0;
    for (size_t iComma; (iComma = st.find(',', iStart)) != std::string::npos; iStart = iComma + 1)
        ar.push_back(st.substr(iStart, iComma - iStart));
    ar.push_back(st.substr(iStart));
    return ar;
}

const char *const cpchPlus = "FROM_NUMBER_WITH_PLUS_SIGN";
} // namespace

TEST(PhoneNumberLibrary, AnswersNumbersOfSeveralCountries) {
    struct TrecCase {
        const char *pchNumber;
        int iCode;
        const char *pchRegion;
        std::string stExpected;
    };
    const TrecCase arCases[] = {
        {"+61 2 1234 5678", 61, "ZZ",
         fnstResult("OK", "212345678", 61, cpchPlus, "AU", "FIXED_LINE", "FALSE", "0212345678",
                    "0412345678")},
        {"+61412345678", 61, "ZZ",
         fnstResult("OK", "412345678", 61, cpchPlus, "AU", "MOBILE", "FALSE", "0212345678",
                    "0412345678")},
        {"+447400123456", 44, "ZZ",
         fnstResult("OK", "7400123456", 44, cpchPlus, "GB", "MOBILE", "FALSE", "01212345678",
                    "07400123456")},
        // A national trunk zero after the calling code is dropped.
        {"+4402079460000", 44, "ZZ",
         fnstResult("OK", "2079460000", 44, cpchPlus, "GB", "FIXED_LINE", "FALSE", "01212345678",
                    "07400123456")},
        {"0044 20 7946 0000", 44, "ZZ",
         fnstResult("OK", "2079460000", 44, "FROM_NUMBER_WITH_IDD", "GB", "FIXED_LINE", "FALSE",
                    "01212345678", "07400123456")},
        {"4420 7946 0000", 44, "ZZ",
         fnstResult("OK", "2079460000", 44, "FROM_NUMBER_WITHOUT_PLUS_SIGN", "GB", "FIXED_LINE",
                    "FALSE", "01212345678", "07400123456")},
        {"+12015550123", 1, "ZZ",
         fnstResult("OK", "2015550123", 1, cpchPlus, "US", "FIXED_LINE_OR_MOBILE", "TRUE",
                    "2015550123", "2015550123")},
        {"4165550123", 0, "CA",
         fnstResult("OK", "4165550123", 1, "FROM_DEFAULT_COUNTRY", "CA", "FIXED_LINE_OR_MOBILE",
                    "TRUE", "5062345678", "5062345678")},
        // Italian fixed lines keep their leading zero in the national number.
        {"0212345678", 0, "IT",
         fnstResult("OK", "0212345678", 39, "FROM_DEFAULT_COUNTRY", "IT", "FIXED_LINE", "FALSE",
                    "0212345678", "3123456789")},
        {"+919876543210", 91, "ZZ",
         fnstResult("OK", "9876543210", 91, cpchPlus, "IN", "MOBILE", "FALSE", "07410410123",
                    "08123456789")},
        {"+4930123456", 49, "ZZ",
         fnstResult("OK", "30123456", 49, cpchPlus, "DE", "FIXED_LINE", "FALSE", "030123456",
                    "015123456789")},
        {"+33612345678", 33, "ZZ",
         fnstResult("OK", "612345678", 33, cpchPlus, "FR", "MOBILE", "FALSE", "0123456789",
                    "0612345678")},
        {"+241 06031234", 241, "ZZ",
         fnstResult("OK", "06031234", 241, cpchPlus, "GA", "MOBILE", "FALSE", "01441234",
                    "06031234")},
        {"+38328012345", 383, "ZZ",
         fnstResult("OK", "28012345", 383, cpchPlus, "XK", "FIXED_LINE", "FALSE", "028012345",
                    "043201234")},
        // Too short to be a number of the region: read, but not valid.
        {"+4412", 44, "ZZ",
         fnstResult("!OK", "12", 44, cpchPlus, "GB", "UNKNOWN", "FALSE", "01212345678",
                    "07400123456")},
        {"abc", 0, "GB", "BAD NUMBER"},
        {"", 44, "ZZ", "BAD NUMBER"},
        {"12345", 0, "ZZ", "BAD NUMBER"},
    };
    TclsPhoneLibrary objLibrary;
    ASSERT_TRUE(objLibrary.fnbOk()) << dlerror();
    for (const TrecCase &rec : arCases)
        EXPECT_EQ(objLibrary.pfnValidate(rec.pchNumber, rec.iCode, rec.pchRegion), rec.stExpected)
            << rec.pchNumber << " " << rec.iCode << " " << rec.pchRegion;
    EXPECT_EQ(std::string(objLibrary.pfnValidate(nullptr, 44, nullptr)), "BAD NUMBER");
}

TEST(PhoneNumberLibrary, ListsEveryCallingCodeWithItsRegions) {
    TclsPhoneLibrary objLibrary;
    ASSERT_TRUE(objLibrary.fnbOk());
    const std::vector<std::string> arElements = fnarSplit(objLibrary.pfnPrefixes());
    ASSERT_GE(arElements.size(), 246u);
    EXPECT_EQ(arElements.front(), std::to_string(arElements.size() - 1));
    std::set<std::string> setPairs;
    for (size_t i = 1; i < arElements.size(); ++i) {
        EXPECT_NE(arElements[i].find('='), std::string::npos) << arElements[i];
        setPairs.insert(arElements[i]);
    }
    EXPECT_EQ(setPairs.size(), arElements.size() - 1) << "no pair is listed twice";
    // A shared code names its main region first.
    EXPECT_EQ(arElements[1], "1=US");
    for (const char *pchPair : {"44=GB", "39=IT", "39=VA", "241=GA", "383=XK", "61=AU", "800=001"})
        EXPECT_TRUE(setPairs.count(pchPair)) << pchPair;
}

TEST(PhoneNumberLibrary, ExtractsThePossibleNumber) {
    const std::pair<const char *, const char *> arCases[] = {
        {"Tel: +44 (20) 7946-0000.", "+44 (20) 7946-0000"},
        {"020 7946 0000 / x12", "020 7946 0000"},
        {"ext 12#", "12#"},
        {"no digits", ""},
        {"", ""},
    };
    TclsPhoneLibrary objLibrary;
    ASSERT_TRUE(objLibrary.fnbOk());
    for (const auto &[pchText, pchExpected] : arCases)
        EXPECT_EQ(std::string(objLibrary.pfnExtract(pchText)), pchExpected) << pchText;
}

TEST(PhoneNumberLibrary, GivesTodaysDate) {
    TclsPhoneLibrary objLibrary;
    ASSERT_TRUE(objLibrary.fnbOk());
    // The date is read on both sides of the call, so a run at midnight still passes.
    const std::string stBefore = QDate::currentDate().toString(Qt::ISODate).toStdString();
    const std::string stToday = objLibrary.pfnGetToday();
    const std::string stAfter = QDate::currentDate().toString(Qt::ISODate).toStdString();
    EXPECT_TRUE(stToday == stBefore || stToday == stAfter) << stToday;
}

TEST(PhoneNumberLibrary, CountsTheTerritoriesOfAMetadataFile) {
    struct TrecCase {
        const char *pchName;
        const char *pchContent;
        int iExpected;
    };
    const TrecCase arCases[] = {
        {"two.xml",
         "<phoneNumberMetadata><territories>"
         "<territory id=\"GB\" countryCode=\"44\"><fixedLine/></territory>"
         "<territory id=\"IT\" countryCode=\"39\"/></territories></phoneNumberMetadata>",
         2},
        {"none.xml", "<phoneNumberMetadata><territories/></phoneNumberMetadata>", -1},
        {"other.xml", "<html><territory id=\"GB\" countryCode=\"44\"/></html>", -1},
        {"broken.xml", "<phoneNumberMetadata><territories><territory id=\"GB\" countryCode=\"44\">",
         -1},
        {"nocode.xml",
         "<phoneNumberMetadata><territories><territory id=\"GB\"/></territories>"
         "</phoneNumberMetadata>",
         -1},
    };
    QTemporaryDir dir;
    TclsPhoneLibrary objLibrary;
    ASSERT_TRUE(objLibrary.fnbOk());
    for (const TrecCase &rec : arCases) {
        const std::string stPath = dir.filePath(QString::fromLatin1(rec.pchName)).toStdString();
        std::ofstream(stPath) << rec.pchContent;
        EXPECT_EQ(objLibrary.pfnBuild(stPath.c_str()), rec.iExpected) << rec.pchName;
    }
    EXPECT_EQ(objLibrary.pfnBuild(dir.filePath(QStringLiteral("missing.xml")).toUtf8().constData()),
              -1);
    EXPECT_EQ(objLibrary.pfnBuild(nullptr), -1);
}
