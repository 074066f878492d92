// The serial line under the modem link: the device the modem is attached to
// (a pseudo-terminal in tests), opened raw, and a link stream over its file
// descriptor.
#pragma once

#include "unitLinkStream.h"

#include <string>

namespace ModemLink {

// Raw 8N1, no flow control, modem status lines ignored until the call is
// up; -1 when the device cannot be opened or set up. iBaud 0 keeps 9600.
int fniOpenSerialLine(const std::string &stDevice, int iBaud);

// Sets the line discipline of an open terminal to raw bytes.
bool fnbMakeLineRaw(int iFd, int iBaud);

// Reads and writes an open descriptor, waiting with poll; owns nothing.
class TclsFdLinkStream : public TclsLinkStream {
public:
    explicit TclsFdLinkStream(int iFd) : iFd(iFd) {}
    bool fnbWrite(std::string_view stBytes) override;
    long fniRead(char *pchBuffer, std::size_t iMax, int iTimeoutMs) override;

private:
    int iFd;
};

} // namespace ModemLink
