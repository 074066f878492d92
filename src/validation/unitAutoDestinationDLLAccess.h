// The auto-destination library (libQuiloftAutodestination.so beside the
// executable).
#pragma once

#include <QString>

// The result text preset before the call; a library that writes no answer
// leaves it.
inline const QString cstAutodestinationPreset = QStringLiteral("No Error");

// Determines state and IATA code for the address: the library's result text,
// state and IATA back in their arguments. "Error in DLL Loading" when the
// library cannot be called; state and IATA then stay as they were.
QString fnstAutodestination(const QString &stCountryCode, const QString &stCity,
                            const QString &stPostcode, QString &stState, QString &stIATA,
                            const QString &stCountryName, const QString &stSenderName);
