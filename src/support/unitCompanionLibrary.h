// One companion library of the installation (lib<Name>.so beside the
// executable) loaded with dlopen and freed again when its owner goes, however
// the owner's call ends. The communication, phone, postcode and
// auto-destination access units all load their library through it.
#pragma once

#include <QString>

// What the wrappers answer when the library cannot be called.
inline const QString cstErrorInDLLLoading = QStringLiteral("Error in DLL Loading");

class TclsCompanionLibrary {
public:
    // stFileName: "libQuiloftAutodestination.so". fnbLoaded() says whether
    // it could be loaded, fnstError() why not. With stUnit, a library that
    // cannot be loaded and an entry point it lacks are logged under it.
    explicit TclsCompanionLibrary(const QString &stFileName, const QString &stUnit = {});
    ~TclsCompanionLibrary();
    TclsCompanionLibrary(const TclsCompanionLibrary &) = delete;
    TclsCompanionLibrary &operator=(const TclsCompanionLibrary &) = delete;

    // Where the library of that name lies in this installation.
    static QString fnstPathOf(const QString &stFileName);

    bool fnbLoaded() const { return pHandle != nullptr; }
    // The loader's words for a library that could not be loaded.
    const QString &fnstError() const { return stError; }
    // The entry point of that name, or nullptr (also while nothing is loaded).
    void *fnpSymbol(const char *pchName) const;
    template <class TFunction> void pResolve(const char *pchName, TFunction &pfn) const {
        pfn = reinterpret_cast<TFunction>(fnpSymbol(pchName));
    }
    // fnpSymbol, and a loaded library that lacks it is logged.
    void *fnpEntryPoint(const char *pchName) const;

private:
    void *pHandle = nullptr;
    QString stError;
    QString stUnit;
};
