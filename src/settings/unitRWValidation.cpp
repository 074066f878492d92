// Shared pieces of the settings objects' checks.
#include "unitRWValidation.h"

#include "unitLogToFile.h"

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
