// Language words for file names.
#include "unitLanguage.h"

QString fnstLanguageFileSuffix(const QString &stLanguage) {
    const QString stUpper = stLanguage.toUpper();
    if (stUpper == QLatin1String("CHINESE, TRADITIONAL"))
        return QStringLiteral("Chinese_Traditional");
    if (stUpper == QLatin1String("CHINESE, SIMPLIFIED"))
        return QStringLiteral("Chinese_Simplified");
    return stLanguage;
}
