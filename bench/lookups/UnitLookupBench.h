// The lookups benchmark: each measurement lives in a file of its own and
// registers itself here; main builds one installation for all of them and
// runs each in turn. A measurement times the wizard's path against a bare
// yardstick doing the same work, alternating, and prints both medians and the
// ratio.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

struct TrecLookupMeasurement {
    std::string stName;
    std::string stGoal; // printed beside the ratio, e.g. "<= 1.5"
    // Run once before timing; false stops the benchmark with stError.
    std::function<bool(std::string &stError)> fnbPrepare;
    // One round of the wizard's path and of the yardstick; false: a wrong answer.
    std::function<bool()> fnbWizardRound;
    std::function<bool()> fnbBareRound;
};

// Adds a measurement; call it from a namespace-scope initialiser of its file.
bool fnbRegisterLookupMeasurement(TrecLookupMeasurement rec);
std::vector<TrecLookupMeasurement> &fnarLookupMeasurements();

// The search list's incremental search over every airport of a demo
// installation, key by key; prints its own figures (the keystroke times have
// no yardstick to set them against).
void pMeasureIncrementalSearch();
