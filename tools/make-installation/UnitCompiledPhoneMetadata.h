// The phone-number metadata compiled into Google's libphonenumber, read once
// through its protobuf classes.
#pragma once

#include <phonenumbers/phonemetadata.pb.h>

const i18n::phonenumbers::PhoneMetadataCollection &fnrecCompiledPhoneMetadata();
