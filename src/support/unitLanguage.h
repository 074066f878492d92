// The word an installation language goes by in file names: "CHINESE,
// TRADITIONAL" is "Chinese_Traditional", "CHINESE, SIMPLIFIED" is
// "Chinese_Simplified" (in any letter case); any other language as written.
#pragma once

#include <QString>

QString fnstLanguageFileSuffix(const QString &stLanguage);
