// The names of the HTTP failures.
#include "UnitHostFailures.h"

#include <array>
#include <utility>

namespace {
const std::array<std::pair<TenumHostFailure, const char *>, 8> arNames{{
    {TenumHostFailure::Http500, "http500"},
    {TenumHostFailure::Garbage, "garbage"},
    {TenumHostFailure::BlankSiteId, "blank-site-id"},
    {TenumHostFailure::RangeStatus1, "range-status-1"},
    {TenumHostFailure::Hang, "hang"},
    {TenumHostFailure::Truncated, "truncated"},
    {TenumHostFailure::Oversize, "oversize"},
    {TenumHostFailure::Redirect, "redirect"},
}};
} // namespace

std::optional<TenumHostFailure> fnenHostFailure(const QString &stName) {
    return fnenFailureByName<TenumHostFailure>(arNames, stName);
}

QString fnstHostFailureName(TenumHostFailure en) {
    return fnstFailureName<TenumHostFailure>(arNames, en);
}

QStringList fnslHostFailureNames() {
    return fnslFailureNames<TenumHostFailure>(arNames);
}
