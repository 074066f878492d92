// The ways the host can be told to answer badly, so the client's handling of
// a broken host can be tried: a command-line switch for every request (or
// only the first), and a one-shot switch a test arms for the next request.
#pragma once

#include <QString>
#include <QStringList>

#include <mutex>
#include <optional>

enum class TenumHostFailure {
    None,
    Http500,      // status 500, no reply
    Garbage,      // status 200 with a body that is no reply
    BlankSiteId,  // a reply whose site ID is sixteen spaces
    RangeStatus1, // a reply that hands out no range (both statuses "1")
    Hang,         // no answer; the connection is dropped when the client leaves or time is up
    Truncated,    // Content-Length of the whole reply, then half of it and the connection closed
};

// "http500", "garbage", "blank-site-id", "range-status-1", "hang", "truncated".
std::optional<TenumHostFailure> fnenHostFailure(const QString &stName);
QString fnstHostFailureName(TenumHostFailure en);
QStringList fnslHostFailureNames();

// Which failure the next request gets.
class TclsFailureSwitch {
public:
    // The standing failure; bOnce limits it to the first request.
    void pSetStanding(TenumHostFailure en, bool bOnce);
    // Only the next request fails this way; it goes before the standing one.
    void pFailNextRequest(TenumHostFailure en);
    // The failure for a request that has just arrived (consumes one-shots).
    TenumHostFailure fnenTake();

private:
    std::mutex mtx;
    TenumHostFailure enStanding = TenumHostFailure::None;
    bool bStandingOnce = false;
    std::optional<TenumHostFailure> enNext;
};
