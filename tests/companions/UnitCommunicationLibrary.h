// The communication library with the entry points the wizard calls, loaded
// for one call and freed again as the wizard does.
#pragma once

#include "MorvaneCommunication.h"
#include "UnitCompanionLibrary.h"

class TclsCommunicationLibrary : public TclsCompanionLibrary {
public:
    TclsCommunicationLibrary() : TclsCompanionLibrary("libMorvaneCommunication.so") {}
    bool fnbOk() const { return pfnHTTP && pfnModem && pfnAbort; }

    const TpfnCommViaHTTPServices pfnHTTP =
        fnpfn<TpfnCommViaHTTPServices>("fnstCommViaHTTPServices");
    const TpfnCommViaModem pfnModem = fnpfn<TpfnCommViaModem>("fnstCommViaModem");
    const TpfnSetAbort pfnAbort = fnpfn<TpfnSetAbort>("pSetAbort");
};
