// Phone-number rules from libphonenumber's compiled-in metadata.
#include "UnitPhoneRules.h"

#include "UnitCompiledPhoneMetadata.h"
#include "unitPhoneSample.h"

#include <algorithm>

namespace pn = i18n::phonenumbers;

namespace {
// "7,10": the shortest and the longest possible length, as they go inside a
// regular-expression quantifier; lengths of the type, else of the region. A
// region that dials a trunk prefix may have it in front, so the longest grows
// by the prefix. Negative lengths mark a type the region has not.
QString fnstPossibleLengths(const pn::PhoneNumberDesc &recType,
                            const pn::PhoneMetadata &recRegion) {
    const auto &arTypeLengths = recType.possible_length();
    const bool bOwn =
        std::any_of(arTypeLengths.begin(), arTypeLengths.end(), [](int i) { return i > 0; });
    const auto &arLengths = bOwn ? arTypeLengths : recRegion.general_desc().possible_length();
    int iMin = 0;
    int iMax = 0;
    for (const int i : arLengths) {
        if (i <= 0)
            continue;
        iMin = iMin == 0 ? i : std::min(iMin, i);
        iMax = std::max(iMax, i);
    }
    if (iMax == 0)
        return {};
    iMax += int(recRegion.national_prefix().size());
    return iMin == iMax ? QString::number(iMin) : QStringLiteral("%1,%2").arg(iMin).arg(iMax);
}

// The pattern a whole typed number is held against: the national number,
// optionally behind the region's trunk prefix ("0" in Britain, "1" in NANPA).
QString fnstWholeNumberPattern(const pn::PhoneNumberDesc &recType,
                               const pn::PhoneMetadata &recRegion) {
    const QString stNational = QString::fromStdString(recType.national_number_pattern());
    if (recRegion.national_prefix().empty())
        return QStringLiteral("^(?:%1)$").arg(stNational);
    return QStringLiteral("^(?:%1)?(?:%2)$")
        .arg(QString::fromStdString(recRegion.national_prefix()), stNational);
}

void pAddRule(std::vector<TclsPhoneMobileRegexData> &arRules, const pn::PhoneMetadata &recRegion,
              const pn::PhoneNumberDesc &recType, pn::PhoneNumberUtil::PhoneNumberType iType,
              const char *pchType) {
    if (!recType.has_national_number_pattern() || recType.national_number_pattern() == "NA")
        return;
    TclsPhoneMobileRegexData rec;
    rec.countrycode = recRegion.country_code();
    rec.country_cd = QString::fromStdString(recRegion.id());
    rec.number_type = QString::fromLatin1(pchType);
    rec.possible_len = fnstPossibleLengths(recType, recRegion);
    rec.RegExp = fnstWholeNumberPattern(recType, recRegion);
    rec.sample_format = QString::fromStdString(fnstSampleFormat(recRegion.id(), iType));
    arRules.push_back(std::move(rec));
}
} // namespace

std::vector<TclsPhoneMobileRegexData> fnarPhoneRules() {
    std::vector<TclsPhoneMobileRegexData> arRules;
    for (const auto &recRegion : fnrecCompiledPhoneMetadata().metadata()) {
        // "001" holds the non-geographic numbers; the wizard checks regions only.
        if (recRegion.id().size() != 2)
            continue;
        pAddRule(arRules, recRegion, recRegion.fixed_line(), pn::PhoneNumberUtil::FIXED_LINE,
                 "FIXED_LINE");
        pAddRule(arRules, recRegion, recRegion.mobile(), pn::PhoneNumberUtil::MOBILE, "MOBILE");
    }
    return arRules;
}
