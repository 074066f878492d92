// The example number of a region and type as a user types it into the wizard's
// phone field: the national form (with the trunk prefix where the region
// dials one) in digits only, else the national significant number. Blanks would split the comma-text result the
// wizard reads, and the digits alone are what the stored length patterns match.
#pragma once

#include <phonenumbers/phonenumberutil.h>

#include <string>

std::string fnstSampleFormat(const std::string &stRegion,
                             i18n::phonenumbers::PhoneNumberUtil::PhoneNumberType iType);
