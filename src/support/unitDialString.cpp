// Checking a dial string.
#include "unitDialString.h"

#include <algorithm>

bool fnbDialString(const QString &stNumber) {
    static const QString stAllowed = QStringLiteral("0123456789 +-(),*#WPTwpt");
    return std::all_of(stNumber.begin(), stNumber.end(),
                       [](QChar ch) { return stAllowed.contains(ch); });
}
