// Phone-number rules from libphonenumber's compiled-in metadata.
#include "UnitPhoneRules.h"

#include <phonenumbers/phonemetadata.pb.h>

#include <algorithm>

// The compiled-in metadata: a serialised PhoneMetadataCollection. The library
// exports these two functions but installs no header for them.
namespace i18n::phonenumbers {
int metadata_size();
const void *metadata_get();
} // namespace i18n::phonenumbers

namespace pn = i18n::phonenumbers;

namespace {
// "7,10": the shortest and the longest possible length, as they go inside a
// regular-expression quantifier; lengths of the type, else of the region.
QString fnstPossibleLengths(const pn::PhoneNumberDesc &recType, const pn::PhoneNumberDesc &recAll) {
    const auto &arLengths =
        recType.possible_length_size() > 0 ? recType.possible_length() : recAll.possible_length();
    if (arLengths.empty())
        return {};
    const auto [itMin, itMax] = std::minmax_element(arLengths.begin(), arLengths.end());
    return *itMin == *itMax ? QString::number(*itMin)
                            : QStringLiteral("%1,%2").arg(*itMin).arg(*itMax);
}

void pAddRule(std::vector<TclsPhoneMobileRegexData> &arRules, const pn::PhoneMetadata &recRegion,
              const pn::PhoneNumberDesc &recType, const char *pchType) {
    if (!recType.has_national_number_pattern() || recType.national_number_pattern() == "NA")
        return;
    TclsPhoneMobileRegexData rec;
    rec.countrycode = recRegion.country_code();
    rec.country_cd = QString::fromStdString(recRegion.id());
    rec.number_type = QString::fromLatin1(pchType);
    rec.possible_len = fnstPossibleLengths(recType, recRegion.general_desc());
    rec.RegExp =
        QStringLiteral("^(?:%1)$").arg(QString::fromStdString(recType.national_number_pattern()));
    rec.sample_format = QString::fromStdString(recType.example_number());
    arRules.push_back(std::move(rec));
}
} // namespace

std::vector<TclsPhoneMobileRegexData> fnarPhoneRules() {
    pn::PhoneMetadataCollection recCollection;
    recCollection.ParseFromArray(pn::metadata_get(), pn::metadata_size());
    std::vector<TclsPhoneMobileRegexData> arRules;
    for (const auto &recRegion : recCollection.metadata()) {
        // "001" holds the non-geographic numbers; the wizard checks regions only.
        if (recRegion.id().size() != 2)
            continue;
        pAddRule(arRules, recRegion, recRegion.fixed_line(), "FIXED_LINE");
        pAddRule(arRules, recRegion, recRegion.mobile(), "MOBILE");
    }
    return arRules;
}
