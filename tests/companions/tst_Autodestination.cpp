// The auto-destination library: its rules on a made-up country, and its
// entry point against an installation's database with the reference data.
#include "QuiloftAutodestination.h"
#include "UnitAdHocQuery.h"
#include "UnitCompanionLibrary.h"
#include "unitDestinationRules.h"
#include "UnitTestInstallation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

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
        EXPECT_EQ(recAnswer.stResult, rec.stResult) << rec.pchName;
        EXPECT_EQ(recAnswer.stState, rec.stState) << rec.pchName;
        EXPECT_EQ(recAnswer.stIATA, rec.stIATA) << rec.pchName;
    }
    EXPECT_EQ(fnrecDetermineDestination({"ZZ", "Alpha", "", "", ""}, {}).stResult,
              adr::cstInvalidCountry);
    // A country without postcodes needs none to be complete.
    recCountry.bUsesPostcode = false;
    EXPECT_EQ(fnrecDetermineDestination({"ZZ", "Alpha", "", "", ""}, recCountry).stResult,
              adr::cstNoError);
    recCountry.arStations.clear();
    EXPECT_EQ(fnrecDetermineDestination({"ZZ", "Alpha", "", "", ""}, recCountry).stResult,
              adr::cstLookupDirectory);
}

struct TrecAnswer {
    std::string stResult, stState, stIATA;
};

struct TrecLibraryCase {
    const char *pchCountry, *pchCity, *pchPostcode, *pchState;
    TrecAnswer recExpected;
};

class Autodestination : public ::testing::Test {
protected:
    TclsCompanionLibrary objLibrary{"libQuiloftAutodestination.so"};
    const TpfnAutodestination pfnAuto =
        objLibrary.fnpfn<TpfnAutodestination>("_fnstAutodestination");

    // The call as the wizard makes it: the result preset, IATA empty.
    TrecAnswer fnrecCall(const char *pchCountry, const char *pchCity, const char *pchPostcode,
                         const char *pchState) {
        char achResult[AD_RESULT_TEXT] = "No Error";
        char achState[AD_STATE_TEXT] = {};
        char achIATA[AD_IATA_TEXT] = {};
        std::strncpy(achState, pchState, sizeof achState - 1);
        pfnAuto(achResult, sizeof achResult, pchCountry, pchCity, pchPostcode, achState,
                sizeof achState, achIATA, sizeof achIATA, "", "Jane Shipper");
        return {achResult, achState, achIATA};
    }

    void pExpectAll(const std::vector<TrecLibraryCase> &arCases) {
        for (const TrecLibraryCase &rec : arCases) {
            const TrecAnswer recAnswer =
                fnrecCall(rec.pchCountry, rec.pchCity, rec.pchPostcode, rec.pchState);
            const std::string stCase = std::string(rec.pchCountry) + " " + rec.pchCity;
            EXPECT_EQ(recAnswer.stResult, rec.recExpected.stResult) << stCase;
            EXPECT_EQ(recAnswer.stState, rec.recExpected.stState) << stCase;
            EXPECT_EQ(recAnswer.stIATA, rec.recExpected.stIATA) << stCase;
        }
    }
};

TEST_F(Autodestination, FindsAirportsOfTheReferenceData) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bReferenceData = true;
    TclsTestInstallation objInstallation(rec);
    ASSERT_TRUE(objInstallation.fnbOk()) << objInstallation.fnstError().toStdString();
    ASSERT_NE(pfnAuto, nullptr);
    TclsAdHocQuery query;
    ASSERT_EQ(
        query.fniExecute("insert into esd (iata, city, state, country_cd, country_name, "
                         "postcode_low, postcode_high) values (?, ?, ?, ?, ?, ?, ?)",
                         {"TVL", "Testville", "Ohio", "US", "United States", "00100", "00199"}),
        0);
    // clang-format off
    pExpectAll({
        {"GB", "Edinburgh", "EH1 1AA", "", {"No Error", "Scotland", "EDI"}},
        {"GB", "edinburgh", "", "", {"Iata determined based on City and Country.", "Scotland", "EDI"}},
        // The ZIP code tells the three Springfields apart; without it the state must.
        {"US", "Springfield", "65806", "", {"No Error", "Missouri", "SGF"}},
        {"US", "Springfield", "", "Illinois", {"Iata determined based on City and Country.", "Illinois", "SPI"}},
        {"US", "", "00150", "", {"No Error", "Ohio", "TVL"}},
        {"US", "Nowhere Town", "00150-1234", "", {"Iata determined corresponding to unlisted city.", "Ohio", "TVL"}},
        {"US", "Testville", "00300", "", {"Iata determined based on City and Country. But the postcode is incorrect.", "Ohio", "TVL"}},
        {" ", "Edinburgh", "", "", {"Country Code is Blank.", "", ""}},
    });
    // clang-format on
    // A country whose stations are gone is looked up in the directory instead.
    ASSERT_EQ(query.fniExecute("delete from esd where country_cd = ?", {"GB"}), 0);
    // clang-format off
    pExpectAll({{"GB", "Edinburgh", "EH1 1AA", "", {"Invalid combination. Do you want to lookup from directory?", "", ""}}});
    // clang-format on
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
    // clang-format off
    pExpectAll({{"GB", "Edinburgh", "", "Lothian", {"An exception occurred in autodestination.", "Lothian", ""}}});
    // clang-format on
}
} // namespace
