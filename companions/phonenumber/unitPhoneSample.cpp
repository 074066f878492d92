// Example numbers as typed.
#include "unitPhoneSample.h"

#include <cctype>

namespace pn = i18n::phonenumbers;

std::string fnstSampleFormat(const std::string &stRegion,
                             pn::PhoneNumberUtil::PhoneNumberType iType) {
    const pn::PhoneNumberUtil &objUtil = *pn::PhoneNumberUtil::GetInstance();
    pn::PhoneNumber recExample;
    if (!objUtil.GetExampleNumberForType(stRegion, iType, &recExample))
        return {};
    std::string stNational;
    objUtil.Format(recExample, pn::PhoneNumberUtil::NATIONAL, &stNational);
    std::string stDigits;
    for (const char ch : stNational)
        if (std::isdigit(static_cast<unsigned char>(ch)))
            stDigits += ch;
    // Some regions write more than their trunk prefix in front (Belarus's "80")
    // or a token inside the number (Argentina's mobile "15"); their sample is
    // the national significant number alone.
    std::string stSignificant;
    objUtil.GetNationalSignificantNumber(recExample, &stSignificant);
    std::string stTrunk;
    objUtil.GetNddPrefixForRegion(stRegion, true, &stTrunk);
    const bool bAsTyped = stDigits == stSignificant || stDigits == stTrunk + stSignificant;
    return bAsTyped ? stDigits : stSignificant;
}
