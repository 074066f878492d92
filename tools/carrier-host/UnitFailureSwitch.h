// What the HTTP side and the modem side share about answering badly on
// purpose: a table of failure names for the command line and the log, and
// the switch that hands the next request or call its failure.
#pragma once

#include <QString>
#include <QStringList>

#include <mutex>
#include <optional>
#include <span>
#include <utility>

template <typename TEnum> using TarFailureNames = std::span<const std::pair<TEnum, const char *>>;

template <typename TEnum>
std::optional<TEnum> fnenFailureByName(TarFailureNames<TEnum> arNames, const QString &stName) {
    for (const auto &[en, pchName] : arNames)
        if (stName == QLatin1String(pchName))
            return en;
    return std::nullopt;
}

// "none" for a value the table does not name (the enum's None).
template <typename TEnum> QString fnstFailureName(TarFailureNames<TEnum> arNames, TEnum en) {
    for (const auto &[enKnown, pchName] : arNames)
        if (en == enKnown)
            return QString::fromLatin1(pchName);
    return QStringLiteral("none");
}

template <typename TEnum> QStringList fnslFailureNames(TarFailureNames<TEnum> arNames) {
    QStringList sl;
    for (const auto &entry : arNames)
        sl.append(QString::fromLatin1(entry.second));
    return sl;
}

// Which failure the next request (or call) gets. TEnum::None means none.
template <typename TEnum> class TclsFailureSwitch {
public:
    // The standing failure; bOnce limits it to the first request.
    void pSetStanding(TEnum en, bool bOnce) {
        std::lock_guard lock(mtx);
        enStanding = en;
        bStandingOnce = bOnce;
    }
    // Only the next request fails this way; it goes before the standing one.
    void pFailNext(TEnum en) {
        std::lock_guard lock(mtx);
        enNext = en;
    }
    // The failure for a request that has just arrived (consumes one-shots).
    TEnum fnenTake() {
        std::lock_guard lock(mtx);
        if (enNext) {
            const TEnum en = *enNext;
            enNext.reset();
            return en;
        }
        const TEnum en = enStanding;
        if (bStandingOnce)
            enStanding = TEnum::None;
        return en;
    }

private:
    std::mutex mtx;
    TEnum enStanding = TEnum::None;
    bool bStandingOnce = false;
    std::optional<TEnum> enNext;
};
