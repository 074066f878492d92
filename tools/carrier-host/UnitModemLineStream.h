// The host's end of the modem's pseudo-terminal as a link stream. Every wait
// also watches a stop descriptor, so a line being shut down gives up at once
// instead of sitting out a link time-out; and the failures a test asks of a
// call are played on the blocks as they are written.
#pragma once

#include "unitLinkStream.h"

class TclsModemLineStream : public ModemLink::TclsLinkStream {
public:
    // Owns neither descriptor; iStopFd turns readable when the line stops.
    TclsModemLineStream(int iFd, int iStopFd) : iFd(iFd), iStopFd(iStopFd) {}

    bool fnbWrite(std::string_view stBytes) override;
    long fniRead(char *pchBuffer, std::size_t iMax, int iTimeoutMs) override;

    // The next block written goes once with a wrong LRC.
    void pCorruptNextBlock() { bCorruptNext = true; }
    // Every block of this call, resends included.
    void pCorruptEveryBlock() { bCorruptAll = true; }
    // The line drops half-way through the next block: the caller gets the
    // half and the modem's "NO CARRIER", and nothing more goes out until
    // pNewCall.
    void pDropInNextBlock() { bDropNext = true; }
    bool fnbDropped() const { return bDropped; }
    // Clears what the last call asked for and its drop.
    void pNewCall();

    // Waits iMs; false when the line was stopped meanwhile.
    bool fnbPause(int iMs) const;
    // Waits up to iMs for the caller to send something, and leaves it unread.
    bool fnbInputWithin(int iMs) const;
    bool fnbStopped() const;

private:
    enum class TenuWait { Ready, Timeout, Stopped };
    TenuWait fnenWait(short iEvents, int iTimeoutMs) const;
    bool fnbWriteAll(std::string_view stBytes);
    bool fnbWriteBlock(std::string_view stBlock);

    int iFd;
    int iStopFd;
    bool bCorruptNext = false;
    bool bCorruptAll = false;
    bool bDropNext = false;
    bool bDropped = false;
};
