// The automatic destination lookup's results.
#include "unitLookupResults.h"

#include "unitAddressCheckStrings.h"

#include <utility>

namespace {
// Compared in this order; the first text that matches decides.
const std::pair<TLookupResult, TResourceString> carResultWords[] = {
    {lrLookupFromDirectory, ars::rsLookupFromDirectory},
    {lrKnowStateLookup, ars::rsKnowStateLookup},
    {lrLookup, ars::rsLookup},
    {lrPostcodeIncorrectIataByCity, ars::rsPostcodeIncorrectIataByCity},
    {lrEnterPostcode, ars::rsEnterPostcode},
    {lrEnterCityOrPostcode, ars::rsEnterCityOrPostcode},
    {lrEnterCity, ars::rsEnterCity},
    {lrKnowPostcode, ars::rsKnowPostcode},
    {lrKnowState, ars::rsKnowState},
    {lrInvalidCountry, ars::rsInvalidCountry},
    {lrCountryCodeBlank, ars::rsCountryCodeBlank},
    {lrIataByCity, ars::rsIataByCity},
    {lrIataUnlistedCity, ars::rsIataUnlistedCity},
    {lrException, ars::rsAutodestinationException},
};
} // namespace

TLookupResult fnenLookupResult(const QString &stWords) {
    const QString stTrimmed = stWords.trimmed();
    for (const auto &[enResult, rsWords] : carResultWords)
        if (stTrimmed == fnstRS(rsWords))
            return enResult;
    return lrOther;
}

QString fnstLookupResultWords(TLookupResult enResult) {
    for (const auto &[en, rsWords] : carResultWords)
        if (en == enResult)
            return fnstRS(rsWords);
    return {};
}

bool fnbLookupLeftPrompt(TLookupResult enResult) {
    return enResult == lrKnowStateLookup || enResult == lrLookup ||
           enResult == lrLookupFromDirectory || enResult == lrKnowPostcode;
}
