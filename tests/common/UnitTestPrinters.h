// Texts printed as texts in test failures.
#pragma once

#include <QString>

#include <ostream>

inline void PrintTo(const QString &st, std::ostream *pos) {
    *pos << '"' << st.toStdString() << '"';
}
