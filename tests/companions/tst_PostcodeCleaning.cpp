// The postcode-cleaning library through its C entry point, against the
// postcode formats an installation gets from Google's address data.
#include "QuiloftPostcodeCleaning.h"
#include "UnitCompanionLibrary.h"
#include "UnitTestInstallation.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cstring>
#include <string>

namespace {
const std::string cstNoError = "No Error";
const std::string cstNeedsCity = "The entered postcode is incorrect. A valid postcode or city is "
                                 "required to process the shipment.";
const std::string cstCorrected = "The postcode you entered has been automatically corrected. "
                                 "Please verify that the cleaned postcode is correct.";
const std::string cstIncorrect = "The postcode you entered is incorrect and cannot be "
                                 "automatically corrected. Please enter a valid postcode.";

struct TrecAnswer {
    std::string stResult;
    std::string stPostcode;
};

class PostcodeCleaning : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    TclsCompanionLibrary objLibrary{"libQuiloftPostcodeCleaningDLL.so"};
    const TpfnPostcodeCleaning pfnClean =
        objLibrary.fnpfn<TpfnPostcodeCleaning>("_fnstPostcodeCleaning");

    // The call as the wizard makes it: the result preset, the fourth text empty.
    TrecAnswer fnrecClean(const std::string &stPostcode, const char *pchCountry,
                          const char *pchCity, size_t iPostcodeSize = PC_POSTCODE_TEXT) {
        char achResult[PC_RESULT_TEXT] = "NO_ERROR";
        char achPostcode[PC_POSTCODE_TEXT] = {};
        std::strncpy(achPostcode, stPostcode.c_str(), sizeof achPostcode - 1);
        pfnClean(achResult, sizeof achResult, achPostcode, iPostcodeSize, pchCountry, pchCity, "");
        return {achResult, achPostcode};
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
        {"CA", "h3z2y7", "Montreal", cstCorrected, "H3Z 2Y7"},
        {"DE", "2613", "", cstNeedsCity, "2613"},
        {"IE", "a65f4e2", "Dublin", cstCorrected, "A65 F4E2"},
        // No postcode format: whatever is typed stands.
        {"AE", " 12345 ", "Dubai", cstNoError, "12345"},
        {"XX", "anything", "", cstNoError, "anything"},
        // An empty postcode is only wrong when there is no city either.
        {"GB", "", "London", cstNoError, ""},
        {"GB", "", "", cstNeedsCity, ""},
        // clang-format on
    };
    for (const auto &rec : arCases) {
        const TrecAnswer recAnswer = fnrecClean(rec.stTyped, rec.pchCountry, rec.pchCity);
        EXPECT_EQ(recAnswer.stResult, rec.stResult) << rec.pchCountry << " " << rec.stTyped;
        EXPECT_EQ(recAnswer.stPostcode, rec.stPostcode) << rec.pchCountry << " " << rec.stTyped;
    }
    // A buffer of 6 bytes holds the typed "M25BQ" but only 5 characters of the
    // cleaned "M2 5BQ" and the terminator.
    const TrecAnswer recAnswer = fnrecClean("M25BQ", "GB", "Manchester", 6);
    EXPECT_EQ(recAnswer.stResult, cstCorrected);
    EXPECT_EQ(recAnswer.stPostcode, "M2 5B");
}

TEST_F(PostcodeCleaning, LeavesThePresetWhenTheInstallationHasNoFormats) {
    ASSERT_TRUE(objInstallation.fnbOk());
    ASSERT_NE(pfnClean, nullptr);
    ASSERT_TRUE(QFile::remove(objInstallation.fnstPath("Config/PostcodeFormats.json")));
    const TrecAnswer recAnswer = fnrecClean("sw1a1aa", "GB", "London");
    EXPECT_EQ(recAnswer.stResult, "NO_ERROR");
    EXPECT_EQ(recAnswer.stPostcode, "sw1a1aa");
}
} // namespace
