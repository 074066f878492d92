// One case per result text of the auto-destination library and what the
// sender page shows after it, for the checks on their own and on the wizard.
#pragma once

#include "unitAddressSearchList.h"

#include <QStringList>

#include <optional>
#include <vector>

struct TrecReactionCase {
    const char *pchName;
    const char *pchResult;
    std::vector<int> arAnswers;                 // buttons pressed, in order
    std::optional<TrecStationChoice> recChoice; // what the search list answers
    bool bStateDisabled = false;
    bool bPostcodeDisabled = false;
    // Expected:
    QStringList slShown; // message texts, in order
    QString stFocused;   // objectName of the focused field
    bool bRetry = false;
    std::vector<TAddressSearchList> arLists = {}; // search lists opened
    QString stPostcode = {}, stIATA = QStringLiteral("EDI"), stState = QStringLiteral("Scotland");
};

inline std::vector<TrecReactionCase> fnarAutoDestinationReactionCases() {
    const TrecStationChoice recEdi{"GB",       "United Kingdom", "EDI",    "Edinburgh",
                                   "Scotland", "EH1 1AA",        "EH1 1AA"};
    using L = TAddressSearchList;
    const char *const pchDir = "Invalid combination. Do you want to lookup from directory?";
    const char *const pchLookup = "Invalid combination. Do you want to lookup?";
    const char *const pchState = "Do you know state?";
    const char *const pchPostcode = "Do you know postcode?";
    // clang-format off
    return {
        {"no error", "No Error", {}, {}, false, false, {}, "edtSenderName"},
        {"directory, yes", pchDir, {0}, recEdi, false, false, {pchDir}, "edtSenderPostcode", false, {L::aslDirectory}, "EH1 1AA"},
        {"directory, no", pchDir, {1}, {}, false, false, {pchDir}, "cmbIATA", true},
        {"state, yes", pchState, {0}, {}, false, false, {pchState}, "cmbState", true},
        {"state, no, list cancelled", pchState, {1}, {}, false, false, {pchState}, "edtSenderName", false, {L::aslDestinationStations}},
        {"state unavailable", pchState, {}, {}, true, false, {}, "cmbIATA"},
        {"lookup, yes", pchLookup, {0}, recEdi, false, false, {pchLookup}, "edtSenderPostcode", false, {L::aslDestinationStations}, "EH1 1AA"},
        {"lookup, no", pchLookup, {1}, {}, false, false, {pchLookup}, "edtSenderEmail", true},
        {"postcode incorrect", "Iata determined based on City and Country. But the postcode is incorrect.", {}, {}, false, false, {}, "edtSenderName"},
        {"enter postcode", "Please enter the postcode.", {0}, {}, false, false, {"Please enter the postcode."}, "edtSenderPostcode"},
        {"enter postcode, field disabled", "Please enter the postcode.", {}, {}, false, true, {}, "cmbIATA"},
        {"city or postcode", "Please enter either City or Postcode.", {}, {}, false, false, {}, "edtSenderName"},
        {"enter city", "Please enter the City.", {0}, {}, false, false, {"Please enter the City."}, "edtSenderCity", true},
        {"postcode known", pchPostcode, {0}, {}, false, false, {pchPostcode}, "edtSenderName"},
        {"postcode unknown", pchPostcode, {1}, {}, false, false, {pchPostcode}, "edtSenderPostcode", true},
        {"invalid country", "Invalid Country", {0}, {}, false, false, {"Invalid Country."}, "cmbCountryName"},
        {"blank country", "Country Code is Blank.", {}, {}, false, false, {}, "edtSenderName"},
        {"by city", "Iata determined based on City and Country.", {}, {}, false, false, {}, "edtSenderEmail"},
        {"unlisted city", "Iata determined corresponding to unlisted city.", {0}, {}, false, false, {"Iata determined corresponding to unlisted city."}, "edtSenderEmail"},
        {"exception", "An exception occurred in autodestination.", {0}, {}, false, false, {"An exception occurred in autodestination."}, "cmbIATA"},
        {"unknown text", "Something else", {}, {}, false, false, {}, "edtSenderName"},
    };
    // clang-format on
}
