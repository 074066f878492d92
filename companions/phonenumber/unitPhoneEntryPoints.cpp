// The library's C entry points. Each keeps its answer in a buffer of its own
// per thread, so a caller holding one answer is not overwritten by another
// entry point, and catches everything: no exception may cross into a caller
// that is not C++ or not built with the same runtime.
#include "LibphonenumberMorvane.h"

#include "unitPhoneCheck.h"
#include "unitPhoneMetadataFile.h"
#include "unitPossibleNumber.h"

#include <ctime>
#include <mutex>
#include <string>
#include <vector>

namespace {
std::string fnstArgument(const char *pch) {
    return pch ? std::string(pch) : std::string();
}

template <class TFunction> std::string fnstGuarded(const std::string &stOnFailure, TFunction fn) {
    try {
        return fn();
    } catch (...) {
        return stOnFailure;
    }
}

std::string fnstToday() {
    const std::time_t tNow = std::time(nullptr);
    std::tm recLocal{};
    localtime_r(&tNow, &recLocal);
    char achDate[16] = {};
    std::strftime(achDate, sizeof(achDate), "%Y-%m-%d", &recLocal);
    return achDate;
}

// The territories of the last metadata file read; the rules themselves stay
// the compiled-in ones, the file only tells which regions the installation knows.
struct TrecLoadedMetadata {
    std::mutex mtx;
    std::vector<TrecMetadataTerritory> arTerritories;
};

TrecLoadedMetadata &grecLoadedMetadata() {
    static TrecLoadedMetadata rec;
    return rec;
}
} // namespace

extern "C" {

const char *GetToday(void) {
    thread_local std::string stAnswer;
    stAnswer = fnstGuarded({}, fnstToday);
    return stAnswer.c_str();
}

const char *ExtractPossibleNumber(const char *pchText) {
    thread_local std::string stAnswer;
    stAnswer = fnstGuarded({}, [&] { return fnstExtractPossibleNumber(fnstArgument(pchText)); });
    return stAnswer.c_str();
}

int32_t BuildMetadataFromXml(const char *pchPath) {
    try {
        std::vector<TrecMetadataTerritory> arTerritories;
        if (!fnbReadMetadataFile(fnstArgument(pchPath), arTerritories))
            return -1;
        TrecLoadedMetadata &rec = grecLoadedMetadata();
        const std::lock_guard lock(rec.mtx);
        rec.arTerritories = std::move(arTerritories);
        return static_cast<int32_t>(rec.arTerritories.size());
    } catch (...) {
        return -1;
    }
}

const char *GetCountryPrefixList(void) {
    thread_local std::string stAnswer;
    stAnswer = fnstGuarded({}, fnstCountryPrefixList);
    return stAnswer.c_str();
}

const char *ValidatePhoneNumber(const char *pchNumber, int32_t iCallingCode,
                                const char *pchRegion) {
    thread_local std::string stAnswer;
    stAnswer = fnstGuarded("BAD NUMBER", [&] {
        return fnstValidatePhoneNumber(fnstArgument(pchNumber), iCallingCode,
                                       fnstArgument(pchRegion));
    });
    return stAnswer.c_str();
}
}
