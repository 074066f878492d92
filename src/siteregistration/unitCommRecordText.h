// Reading and writing the texts of the records exchanged with the
// communication library. The records come back filled by the library from the
// host's answer, so nothing in them is trusted: a text may fill its array
// without a terminator and a length byte may claim more than its array holds.
#pragma once

#include "MorvaneCommunication.h"

#include <QByteArray>
#include <QString>

#include <cstring>

// The text of a fixed character array: up to its first NUL, never past its end.
template <size_t N> QString fnstFixedText(const char (&achText)[N]) {
    const void *pEnd = std::memchr(achText, '\0', N);
    const size_t iLength = pEnd ? size_t(static_cast<const char *>(pEnd) - achText) : N;
    return QString::fromLatin1(achText, qsizetype(iLength));
}

// The text of a length-prefixed short text; a length beyond the array is cut
// to the array, and a NUL ends the text early as in a fixed array.
template <class TShort> QString fnstShortText(const TShort &sht) {
    constexpr size_t iCapacity = sizeof(sht.achText);
    const size_t iLength = sht.iLength < iCapacity ? sht.iLength : iCapacity;
    const void *pEnd = std::memchr(sht.achText, '\0', iLength);
    const size_t iUsed = pEnd ? size_t(static_cast<const char *>(pEnd) - sht.achText) : iLength;
    return QString::fromLatin1(sht.achText, qsizetype(iUsed));
}

// Writes a text into a fixed array, cut so that the terminator always fits.
template <size_t N> void pSetFixedText(char (&achText)[N], const QString &st) {
    const QByteArray ba = st.toLatin1().left(qsizetype(N - 1));
    std::memset(achText, 0, N);
    std::memcpy(achText, ba.constData(), size_t(ba.size()));
}

// Writes a short text, cut to the array.
template <class TShort> void pSetShortText(TShort &sht, const QString &st) {
    constexpr size_t iCapacity = sizeof(sht.achText);
    const QByteArray ba = st.toLatin1().left(qsizetype(iCapacity));
    std::memset(sht.achText, 0, iCapacity);
    std::memcpy(sht.achText, ba.constData(), size_t(ba.size()));
    sht.iLength = uint8_t(ba.size());
}
