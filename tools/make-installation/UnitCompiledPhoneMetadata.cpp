// The compiled-in phone-number metadata.
#include "UnitCompiledPhoneMetadata.h"

// A serialised PhoneMetadataCollection. The library exports these two
// functions but installs no header for them.
namespace i18n::phonenumbers {
int metadata_size();
const void *metadata_get();
} // namespace i18n::phonenumbers

namespace pn = i18n::phonenumbers;

const pn::PhoneMetadataCollection &fnrecCompiledPhoneMetadata() {
    static const pn::PhoneMetadataCollection recCollection = [] {
        pn::PhoneMetadataCollection rec;
        rec.ParseFromArray(pn::metadata_get(), pn::metadata_size());
        return rec;
    }();
    return recCollection;
}
