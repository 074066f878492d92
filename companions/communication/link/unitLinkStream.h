// The byte stream the modem link runs over: a serial line in the library, a
// pseudo-terminal in the carrier host, a script in tests.
#pragma once

#include <cstddef>
#include <string_view>

namespace ModemLink {

class TclsLinkStream {
public:
    virtual ~TclsLinkStream() = default;
    virtual bool fnbWrite(std::string_view stBytes) = 0;
    // Up to iMax bytes into pchBuffer; 0 when nothing came within
    // iTimeoutMs, -1 when the line is gone.
    virtual long fniRead(char *pchBuffer, std::size_t iMax, int iTimeoutMs) = 0;
};

} // namespace ModemLink
