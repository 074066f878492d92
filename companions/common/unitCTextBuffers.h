// Texts across a companion library's C interface: the caller owns every
// buffer, the library reads NUL-terminated UTF-8 and writes into a buffer of
// a given size, always terminated and cut to fit.
#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstring>

inline void pWriteText(char *pchBuffer, size_t iSize, const QString &st) {
    if (!pchBuffer || iSize == 0)
        return;
    const QByteArray ba = st.toUtf8();
    const size_t iLength = std::min(static_cast<size_t>(ba.size()), iSize - 1);
    std::memcpy(pchBuffer, ba.constData(), iLength);
    pchBuffer[iLength] = '\0';
}

inline void pWriteText(char *pchBuffer, size_t iSize, const char *pchText) {
    pWriteText(pchBuffer, iSize, QString::fromUtf8(pchText));
}

// iSize 0: the text ends at its NUL; otherwise at most iSize bytes are read.
inline QString fnstText(const char *pch, size_t iSize = 0) {
    if (!pch)
        return {};
    const size_t iLength = iSize ? strnlen(pch, iSize) : std::strlen(pch);
    return QString::fromUtf8(pch, static_cast<qsizetype>(iLength));
}
