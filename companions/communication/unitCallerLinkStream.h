// The serial line as the modem call uses it: reads wait in short slices, and
// between slices the caller's windows get their events and an abort asked for
// ends the wait as if the line had gone. The hang-up after an abort uses a
// stream that only keeps the windows alive.
#pragma once

#include "unitLinkStream.h"

class TclsCallerLinkStream : public ModemLink::TclsLinkStream {
public:
    TclsCallerLinkStream(ModemLink::TclsLinkStream &objLine, bool bHonourAbort)
        : objLine(objLine), bHonourAbort(bHonourAbort) {}

    bool fnbWrite(std::string_view stBytes) override;
    long fniRead(char *pchBuffer, std::size_t iMax, int iTimeoutMs) override;

private:
    bool fnbAborted() const;

    ModemLink::TclsLinkStream &objLine;
    bool bHonourAbort;
};
