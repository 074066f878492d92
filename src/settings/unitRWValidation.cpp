// Shared pieces of the settings objects' checks.
#include "unitRWValidation.h"

#include "unitLogToFile.h"

#include <algorithm>

TclsRWValidation::TclsRWValidation(TrecarErrorList &ar, const QString &st)
    : arErrors(ar), stUnit(st), iCountBefore(ar.size()) {}

void TclsRWValidation::pFail(const QString &stControl, const QString &stMessage,
                             const QString &stLogText) {
    arErrors.push_back({stControl, stMessage + QLatin1Char('.'), 0, 0});
    pWriteLog(1, stUnit, QStringLiteral("fnstValidate"), stLogText);
}

int TclsRWValidation::fniAdded() const {
    return int(arErrors.size() - iCountBefore);
}

QString TclsRWValidation::fnstResult() const {
    if (fniAdded() == 0)
        return cstSuccess;
    pWriteLog(1, stUnit, QStringLiteral("fnstValidate"), QStringLiteral("Validation Failed"));
    return cstUnsuccess;
}

std::optional<int> fniWholeNumber(const QString &st) {
    bool bOk = false;
    const int i = st.trimmed().toInt(&bOk);
    return bOk ? std::optional<int>(i) : std::nullopt;
}

bool fnbEmailValidation(const QString &stEmail) {
    const qsizetype iAt = stEmail.indexOf(QLatin1Char('@'));
    if (iAt < 1 || stEmail.contains(QLatin1String("..")))
        return false;
    const QString stLocal = stEmail.left(iAt);
    const QString stDomain = stEmail.mid(iAt + 1);
    const qsizetype iLength = stDomain.size();
    if (iLength < 4 || !stDomain.contains(QLatin1Char('.')) ||
        stDomain.startsWith(QLatin1Char('.')) || stDomain[iLength - 1] == QLatin1Char('.') ||
        stDomain[iLength - 2] == QLatin1Char('.'))
        return false;
    auto fnbAllowed = [](QChar ch) {
        return (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) ||
               (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) ||
               (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || ch == QLatin1Char('-') ||
               ch == QLatin1Char('.') || ch == QLatin1Char('_');
    };
    return std::all_of(stLocal.begin(), stLocal.end(), fnbAllowed) &&
           std::all_of(stDomain.begin(), stDomain.end(), fnbAllowed);
}
