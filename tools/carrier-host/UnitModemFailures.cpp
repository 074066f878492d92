// The names of the modem failures.
#include "UnitModemFailures.h"

#include <array>
#include <utility>

namespace {
const std::array<std::pair<TenumModemFailure, const char *>, 10> arNames{{
    {TenumModemFailure::Busy, "busy"},
    {TenumModemFailure::NoAnswer, "no-answer"},
    {TenumModemFailure::NoCarrier, "no-carrier"},
    {TenumModemFailure::NoDialTone, "no-dialtone"},
    {TenumModemFailure::DialError, "dial-error"},
    {TenumModemFailure::Drop, "drop"},
    {TenumModemFailure::CorruptOnce, "corrupt-once"},
    {TenumModemFailure::CorruptAlways, "corrupt-always"},
    {TenumModemFailure::WrongAnswer, "wrong-answer"},
    {TenumModemFailure::Silent, "silent"},
}};
} // namespace

std::optional<TenumModemFailure> fnenModemFailure(const QString &stName) {
    return fnenFailureByName<TenumModemFailure>(arNames, stName);
}

QString fnstModemFailureName(TenumModemFailure en) {
    return fnstFailureName<TenumModemFailure>(arNames, en);
}

QStringList fnslModemFailureNames() {
    return fnslFailureNames<TenumModemFailure>(arNames);
}
