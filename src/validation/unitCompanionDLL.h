// One companion library of the installation (lib<Name>.so beside the
// executable), loaded for one call and freed again however the call ends.
#pragma once

#include <QString>

#include <cstring>

class TclsCompanionDLL {
public:
    // stFileName: "libQuiloftAutodestination.so"; stUnit names the log lines.
    TclsCompanionDLL(const QString &stFileName, const QString &stUnit);
    ~TclsCompanionDLL();
    TclsCompanionDLL(const TclsCompanionDLL &) = delete;
    TclsCompanionDLL &operator=(const TclsCompanionDLL &) = delete;

    // The entry point, or nullptr (logged) when the library or the entry point is missing.
    void *fnpEntryPoint(const char *pchName) const;

private:
    void *pHandle = nullptr;
    QString stUnit;
};

// What the wrappers answer when the library cannot be called.
inline const QString cstErrorInDLLLoading = QStringLiteral("Error in DLL Loading");

// Texts cross to the libraries as UTF-8 in fixed buffers, always terminated.
template <size_t N> void pCopyToBuffer(char (&ach)[N], const QString &st) {
    const QByteArray ba = st.toUtf8();
    std::strncpy(ach, ba.constData(), N - 1);
    ach[N - 1] = '\0';
}

template <size_t N> QString fnstFromBuffer(char (&ach)[N]) {
    ach[N - 1] = '\0';
    return QString::fromUtf8(ach);
}
