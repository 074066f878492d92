// The postcode formats of the installation (Config/PostcodeFormats.json,
// written by the installation builder from Google's address data).
#pragma once

#include "unitPostcodeCleaner.h"

#include <QHash>

#include <optional>

using TmapPostcodeFormats = QHash<QString, TrecPostcodeFormat>; // by upper-case country code

// The formats, read afresh each time so that an installation's file is the
// one in force; nothing when the file is missing or unreadable.
std::optional<TmapPostcodeFormats> fnmapReadPostcodeFormats(const QString &stFile);
// The file of the installation the process runs in.
QString fnstPostcodeFormatsFile();
