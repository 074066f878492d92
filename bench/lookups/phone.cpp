// The phone check of the sender page's telephone and mobile fields, as the
// field's exit runs it (fnbValidatePhoneNumber: the library through its C
// interface, the answer read as comma text, the special cases), against a bare
// libphonenumber parse-and-validate of the same numbers.
#include "UnitLookupBench.h"

#include "unitCommonBusinessFunctions.h"
#include "UnitLibPhonenumberAccess.h"

#include <phonenumbers/phonenumberutil.h>

namespace {
namespace pn = i18n::phonenumbers;

struct TrecNumber {
    const char *pchNumber;
    const char *pchPrefix;
    const char *pchRegion;
    const char *pchType;
    bool bValid;
};

// Numbers of several countries, valid and not, with and without a calling code.
const TrecNumber carNumbers[] = {
    {"212345678", "+61", "AU", "FIXED_LINE", true}, {"412345678", "+61", "AU", "MOBILE", true},
    {"7400123456", "+44", "GB", "MOBILE", true},    {"2079460000", "+44", "GB", "MOBILE", false},
    {"2015550123", "+1", "US", "FIXED_LINE", true}, {"0212345678", "+39", "IT", "FIXED_LINE", true},
    {"9876543210", "+91", "IN", "MOBILE", true},    {"30123456", "+49", "DE", "FIXED_LINE", true},
    {"612345678", "+33", "FR", "MOBILE", true},     {"02079460000", "", "GB", "FIXED_LINE", true},
    {"12", "+44", "GB", "FIXED_LINE", false},
};
constexpr int ciRepeats = 20; // rounds of all numbers per run

bool fnbWizardRound() {
    for (int i = 0; i < ciRepeats; ++i)
        for (const TrecNumber &rec : carNumbers) {
            QString stNational, stCode;
            if (fnbValidatePhoneNumber(
                    QString::fromLatin1(rec.pchNumber), QString::fromLatin1(rec.pchPrefix),
                    {QString::fromLatin1(rec.pchRegion)}, QString::fromLatin1(rec.pchType),
                    stNational, stCode) != rec.bValid)
                return false;
        }
    return true;
}

bool fnbBareRound() {
    const pn::PhoneNumberUtil &objUtil = *pn::PhoneNumberUtil::GetInstance();
    for (int i = 0; i < ciRepeats; ++i)
        for (const TrecNumber &rec : carNumbers) {
            pn::PhoneNumber recNumber;
            const std::string stNumber = std::string(rec.pchPrefix) + rec.pchNumber;
            const bool bValid = objUtil.Parse(stNumber, rec.pchRegion, &recNumber) ==
                                    pn::PhoneNumberUtil::NO_PARSING_ERROR &&
                                objUtil.IsValidNumber(recNumber);
            // The yardstick knows no number types: "2079460000" is a valid fixed line.
            (void)bValid;
        }
    return true;
}

const bool cbRegistered = fnbRegisterLookupMeasurement({
    "phone check",
    "<= 1.5",
    [](std::string &stError) {
        if (!BuildMetadataFromXml() || !fnbLibPhonenumberDLLLoaded()) {
            stError = "the phone metadata or the phone-number library is missing";
            return false;
        }
        return true;
    },
    fnbWizardRound,
    fnbBareRound,
});
} // namespace
