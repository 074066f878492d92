// The postcode-cleaning library (libQuiloftPostcodeCleaningDLL.so beside the
// executable).
#pragma once

#include <QString>

// The result text preset before the call; a library that writes no answer
// leaves it.
inline const QString cstPostcodeCleaningPreset = QStringLiteral("NO_ERROR");

// Cleans stPostcode for the country and city: the library's result text, the
// cleaned postcode back in stPostcode. "Error in DLL Loading" when the library
// cannot be called; stPostcode then stays as it was.
QString fnstPostcodeCleaning(QString &stPostcode, const QString &stCountryCode,
                             const QString &stCity, const QString &stReserved = QString());
