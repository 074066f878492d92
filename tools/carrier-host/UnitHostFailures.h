// The ways the host can be told to answer badly, so the client's handling of
// a broken host can be tried: a command-line switch for every request (or
// only the first), and a one-shot switch a test arms for the next request.
#pragma once

#include "UnitFailureSwitch.h"

#include <QString>
#include <QStringList>

#include <optional>

enum class TenumHostFailure {
    None,
    Http500,      // status 500, no reply
    Garbage,      // status 200 with a body that is no reply
    BlankSiteId,  // a reply whose site ID is sixteen spaces
    RangeStatus1, // a reply that hands out no range (both statuses "1")
    Hang,         // no answer; the connection is dropped when the client leaves or time is up
    Truncated,    // Content-Length of the whole reply, then half of it and the connection closed
    Oversize,     // status 200 with a reply padded past 64 KiB
    Redirect,     // status 307 to another path of the same host
};

// "http500", "garbage", "blank-site-id", "range-status-1", "hang", "truncated",
// "oversize", "redirect".
std::optional<TenumHostFailure> fnenHostFailure(const QString &stName);
QString fnstHostFailureName(TenumHostFailure en);
QStringList fnslHostFailureNames();
