// Config/PhoneNumberMetadata.xml: the compiled-in phone-number metadata written
// in libphonenumber's own XML layout, one territory per region (and "001" for
// the non-geographic codes) with its calling code, international and national
// prefixes and, per number type, its national-number pattern, possible lengths
// and example number.
#pragma once

#include <QByteArray>

QByteArray fnbaPhoneMetadataXml();
