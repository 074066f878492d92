// A companion library loaded from the build's bin folder as the wizard loads it.
#pragma once

#include <QByteArray>

#include <dlfcn.h>

class TclsCompanionLibrary {
public:
    explicit TclsCompanionLibrary(const char *pchFile)
        : pHandle(dlopen((qgetenv("WIZARD_BIN_DIR") + "/" + pchFile).constData(),
                         RTLD_NOW | RTLD_LOCAL)) {}
    ~TclsCompanionLibrary() {
        if (pHandle)
            dlclose(pHandle);
    }
    TclsCompanionLibrary(const TclsCompanionLibrary &) = delete;
    TclsCompanionLibrary &operator=(const TclsCompanionLibrary &) = delete;

    template <class TFunction> TFunction fnpfn(const char *pchName) const {
        return pHandle ? reinterpret_cast<TFunction>(dlsym(pHandle, pchName)) : nullptr;
    }

private:
    void *pHandle;
};
