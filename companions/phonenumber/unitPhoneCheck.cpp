// Checking a number: libphonenumber parses it keeping where its calling code
// came from, and the answer names everything the wizard decides on.
#include "unitPhoneCheck.h"

#include "unitPhoneSample.h"

#include <phonenumbers/phonenumberutil.h>

#include <list>
#include <map>
#include <mutex>
#include <set>

namespace pn = i18n::phonenumbers;
using TUtil = pn::PhoneNumberUtil;

namespace {
const std::string cstBadNumber = "BAD NUMBER";
const std::string cstUnknownRegion = "ZZ";

std::string fnstTypeName(TUtil::PhoneNumberType iType) {
    switch (iType) {
    case TUtil::FIXED_LINE:
        return "FIXED_LINE";
    case TUtil::MOBILE:
        return "MOBILE";
    case TUtil::FIXED_LINE_OR_MOBILE:
        return "FIXED_LINE_OR_MOBILE";
    case TUtil::TOLL_FREE:
        return "TOLL_FREE";
    case TUtil::PREMIUM_RATE:
        return "PREMIUM_RATE";
    case TUtil::SHARED_COST:
        return "SHARED_COST";
    case TUtil::VOIP:
        return "VOIP";
    case TUtil::PERSONAL_NUMBER:
        return "PERSONAL_NUMBER";
    case TUtil::PAGER:
        return "PAGER";
    case TUtil::UAN:
        return "UAN";
    case TUtil::VOICEMAIL:
        return "VOICEMAIL";
    case TUtil::UNKNOWN:
        break;
    }
    return "UNKNOWN";
}

// The region a number without "+" is read in: the given one, else the main
// region of the given calling code, so "0044..." and "44..." are understood.
std::string fnstDefaultRegion(const TUtil &objUtil, int iCallingCode, const std::string &stRegion) {
    if (!stRegion.empty() && stRegion != cstUnknownRegion)
        return stRegion;
    if (iCallingCode <= 0)
        return cstUnknownRegion;
    std::string stMain;
    objUtil.GetRegionCodeForCountryCode(iCallingCode, &stMain);
    return stMain;
}

// The region an answer speaks of: the number's own, else (a number that is
// not valid anywhere) the main region of its calling code.
std::string fnstNumberRegion(const TUtil &objUtil, const pn::PhoneNumber &recNumber) {
    std::string stRegion;
    objUtil.GetRegionCodeForNumber(recNumber, &stRegion);
    if (stRegion == cstUnknownRegion)
        objUtil.GetRegionCodeForCountryCode(recNumber.country_code(), &stRegion);
    return stRegion;
}
// The two samples of a region, made once: formatting an example number costs
// more than checking a number.
const std::string &fnstSamples(const std::string &stRegion) {
    static std::mutex mtx;
    static std::map<std::string, std::string> mapSamples;
    const std::lock_guard lock(mtx);
    auto it = mapSamples.find(stRegion);
    if (it == mapSamples.end())
        it = mapSamples
                 .emplace(stRegion,
                          ",SampleFormatFixed=" + fnstSampleFormat(stRegion, TUtil::FIXED_LINE) +
                              ",SampleFormatMobile=" + fnstSampleFormat(stRegion, TUtil::MOBILE))
                 .first;
    return it->second;
}
} // namespace

std::string fnstValidatePhoneNumber(const std::string &stNumber, int iCallingCode,
                                    const std::string &stRegion) {
    const TUtil &objUtil = *TUtil::GetInstance();
    pn::PhoneNumber recNumber;
    if (objUtil.ParseAndKeepRawInput(stNumber, fnstDefaultRegion(objUtil, iCallingCode, stRegion),
                                     &recNumber) != TUtil::NO_PARSING_ERROR)
        return cstBadNumber;
    std::string stNational;
    objUtil.GetNationalSignificantNumber(recNumber, &stNational);
    const std::string stNumberRegion = fnstNumberRegion(objUtil, recNumber);
    // A number is valid exactly when its region's rules give it a type; asking
    // for the type alone spares IsValidNumber's second pass over the rules.
    const TUtil::PhoneNumberType iType = objUtil.GetNumberType(recNumber);
    const bool bValid = iType != TUtil::UNKNOWN;
    return std::string(bValid ? "OK" : "!OK") + ",,NationalNumber=" + stNational +
           ",CountryCode=" + std::to_string(recNumber.country_code()) + ",CountryCodeSource=" +
           pn::PhoneNumber_CountryCodeSource_Name(recNumber.country_code_source()) +
           ",NationalNumber=" + stNational + ",RegionCode=" + stNumberRegion +
           ",NumberType=" + fnstTypeName(iType) +
           ",IsNANPA=" + (objUtil.IsNANPACountry(stNumberRegion) ? "TRUE" : "FALSE") +
           fnstSamples(stNumberRegion);
}

std::string fnstCountryPrefixList() {
    const TUtil &objUtil = *TUtil::GetInstance();
    std::set<int> setCodes;
    objUtil.GetSupportedCallingCodes(&setCodes);
    std::string stPairs;
    int iCount = 0;
    for (const int iCode : setCodes) {
        std::list<std::string> lstRegions;
        objUtil.GetRegionCodesForCountryCallingCode(iCode, &lstRegions);
        if (lstRegions.empty())
            lstRegions.push_back("001");
        for (const std::string &stRegion : lstRegions) {
            // Appended piece by piece: GCC 12 warns wrongly on "," + std::string.
            stPairs += ',';
            stPairs += std::to_string(iCode);
            stPairs += '=';
            stPairs += stRegion;
            ++iCount;
        }
    }
    return std::to_string(iCount) + stPairs;
}
