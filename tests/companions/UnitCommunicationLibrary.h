// The communication library as the wizard holds it: loaded by name from the
// build's bin folder for one call and freed again.
#pragma once

#include "MorvaneCommunication.h"

#include <QByteArray>

#include <dlfcn.h>

// Loads the library for one call and frees it again, as the wizard does.
class TclsCommunicationLibrary {
public:
    TclsCommunicationLibrary() {
        const QByteArray baFile = qgetenv("WIZARD_BIN_DIR") + "/libMorvaneCommunication.so";
        pHandle = dlopen(baFile.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!pHandle)
            return;
        pfnHTTP =
            reinterpret_cast<TpfnCommViaHTTPServices>(dlsym(pHandle, "fnstCommViaHTTPServices"));
        pfnModem = reinterpret_cast<TpfnCommViaModem>(dlsym(pHandle, "fnstCommViaModem"));
        pfnAbort = reinterpret_cast<TpfnSetAbort>(dlsym(pHandle, "pSetAbort"));
    }
    ~TclsCommunicationLibrary() {
        if (pHandle)
            dlclose(pHandle);
    }
    TclsCommunicationLibrary(const TclsCommunicationLibrary &) = delete;
    TclsCommunicationLibrary &operator=(const TclsCommunicationLibrary &) = delete;

    bool fnbOk() const { return pfnHTTP && pfnModem && pfnAbort; }
    void *pHandle = nullptr;
    TpfnCommViaHTTPServices pfnHTTP = nullptr;
    TpfnCommViaModem pfnModem = nullptr;
    TpfnSetAbort pfnAbort = nullptr;
};
