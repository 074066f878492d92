// A companion library as the wizard holds it: loaded by name from the build's
// bin folder, its entry points resolved by name, and freed again.
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

    // The entry point, or null when the library or the name is missing.
    template <class TFunction> TFunction fnpfn(const char *pchName) const {
        return pHandle ? reinterpret_cast<TFunction>(dlsym(pHandle, pchName)) : nullptr;
    }

private:
    void *pHandle;
};
