// The library's answers, built on libphonenumber's compiled-in rules.
#pragma once

#include <string>

// The result text of one check (see LibphonenumberMorvane.h).
std::string fnstValidatePhoneNumber(const std::string &stNumber, int iCallingCode,
                                    const std::string &stRegion);

// "<count>,<code>=<REGION>,..." for every calling code and region.
std::string fnstCountryPrefixList();
