// Texts cross to the postcode and auto-destination libraries as UTF-8 in
// fixed buffers, always terminated.
#pragma once

#include <QString>

#include <cstring>

template <size_t N> void pCopyToBuffer(char (&ach)[N], const QString &st) {
    const QByteArray ba = st.toUtf8();
    std::strncpy(ach, ba.constData(), N - 1);
    ach[N - 1] = '\0';
}

template <size_t N> QString fnstFromBuffer(char (&ach)[N]) {
    ach[N - 1] = '\0';
    return QString::fromUtf8(ach);
}
