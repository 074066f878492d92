// What the automatic destination lookup answers, as the program knows it.
// The auto-destination library answers in words (its dictionary's texts,
// "No Error" when it found the airport); they are turned into a result here
// and nowhere else.
#pragma once

#include <QString>

enum TLookupResult {
    lrOther, // "No Error" and any text the dictionary does not hold
    lrLookupFromDirectory,
    lrKnowStateLookup,
    lrLookup,
    lrPostcodeIncorrectIataByCity,
    lrEnterPostcode,
    lrEnterCityOrPostcode,
    lrEnterCity,
    lrKnowPostcode,
    lrKnowState,
    lrInvalidCountry,
    lrCountryCodeBlank,
    lrIataByCity,
    lrIataUnlistedCity,
    lrException,
};

// The result the library's words stand for (trimmed first).
TLookupResult fnenLookupResult(const QString &stWords);
// The words of a result as the dictionary has them (the user's messages use
// them); empty for lrOther.
QString fnstLookupResultWords(TLookupResult enResult);
// The results that leave the user a question to answer on the page.
bool fnbLookupLeftPrompt(TLookupResult enResult);
