// A companion library as the wizard holds it: loaded by name from the build's
// bin folder and one entry point resolved by name.
#pragma once

#include <QByteArray>

#include <dlfcn.h>

template <class TFunction> class TclsCompanionLibrary {
public:
    TclsCompanionLibrary(const char *pchFile, const char *pchEntryPoint) {
        const QByteArray baFile = qgetenv("WIZARD_BIN_DIR") + "/" + pchFile;
        pHandle = dlopen(baFile.constData(), RTLD_NOW | RTLD_LOCAL);
        if (pHandle)
            pfn = reinterpret_cast<TFunction>(dlsym(pHandle, pchEntryPoint));
    }
    ~TclsCompanionLibrary() {
        if (pHandle)
            dlclose(pHandle);
    }
    TclsCompanionLibrary(const TclsCompanionLibrary &) = delete;
    TclsCompanionLibrary &operator=(const TclsCompanionLibrary &) = delete;

    TFunction pfn = nullptr;

private:
    void *pHandle = nullptr;
};
