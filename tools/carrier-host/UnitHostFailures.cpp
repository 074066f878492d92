// Failure names and the switch that hands them to requests.
#include "UnitHostFailures.h"

#include <array>
#include <utility>

namespace {
const std::array<std::pair<TenumHostFailure, const char *>, 6> arNames{{
    {TenumHostFailure::Http500, "http500"},
    {TenumHostFailure::Garbage, "garbage"},
    {TenumHostFailure::BlankSiteId, "blank-site-id"},
    {TenumHostFailure::RangeStatus1, "range-status-1"},
    {TenumHostFailure::Hang, "hang"},
    {TenumHostFailure::Truncated, "truncated"},
}};
} // namespace

std::optional<TenumHostFailure> fnenHostFailure(const QString &stName) {
    for (const auto &[en, pchName] : arNames)
        if (stName == QLatin1String(pchName))
            return en;
    return std::nullopt;
}

QString fnstHostFailureName(TenumHostFailure en) {
    for (const auto &[enKnown, pchName] : arNames)
        if (en == enKnown)
            return QString::fromLatin1(pchName);
    return QStringLiteral("none");
}

QStringList fnslHostFailureNames() {
    QStringList sl;
    for (const auto &[en, pchName] : arNames)
        sl.append(QString::fromLatin1(pchName));
    return sl;
}

void TclsFailureSwitch::pSetStanding(TenumHostFailure en, bool bOnce) {
    std::lock_guard lock(mtx);
    enStanding = en;
    bStandingOnce = bOnce;
}

void TclsFailureSwitch::pFailNextRequest(TenumHostFailure en) {
    std::lock_guard lock(mtx);
    enNext = en;
}

TenumHostFailure TclsFailureSwitch::fnenTake() {
    std::lock_guard lock(mtx);
    if (enNext) {
        const TenumHostFailure en = *enNext;
        enNext.reset();
        return en;
    }
    const TenumHostFailure en = enStanding;
    if (bStandingOnce)
        enStanding = TenumHostFailure::None;
    return en;
}
