// A text of a fixed width: assigning a longer value cuts it, as every setter
// of a fixed-width data-holder field does.
#pragma once

#include <QString>

template <int N> class TFixedText {
public:
    TFixedText() = default;
    TFixedText(const QString &st) : stValue(st.left(N)) {} // NOLINT: assigned like a QString
    TFixedText &operator=(const QString &st) {
        stValue = st.left(N);
        return *this;
    }
    operator const QString &() const { return stValue; } // NOLINT: read like a QString
    const QString &fnst() const { return stValue; }
    static constexpr int ciWidth = N;

private:
    QString stValue;
};
