#include "unitCallerLinkStream.h"

#include "unitCallAbort.h"
#include "unitModemStatusReport.h"

#include <algorithm>

namespace {
// Short enough that Cancel answers at once, long enough not to spin.
constexpr int ciSliceMs = 100;
} // namespace

bool TclsCallerLinkStream::fnbAborted() const {
    return bHonourAbort && fnbAbortRequested();
}

bool TclsCallerLinkStream::fnbWrite(std::string_view stBytes) {
    return !fnbAborted() && objLine.fnbWrite(stBytes);
}

long TclsCallerLinkStream::fniRead(char *pchBuffer, std::size_t iMax, int iTimeoutMs) {
    int iWaited = 0;
    do {
        pKeepCallerResponsive();
        if (fnbAborted())
            return -1;
        const int iSlice = std::clamp(iTimeoutMs - iWaited, 0, ciSliceMs);
        const long iRead = objLine.fniRead(pchBuffer, iMax, iSlice);
        if (iRead != 0)
            return iRead;
        iWaited += iSlice;
    } while (iWaited < iTimeoutMs);
    return 0;
}
