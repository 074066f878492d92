// The Hayes AT dialogue with the modem before and after the link: reset,
// echo off, dial, hang up. Result codes are read as verbose text lines.
#pragma once

#include "unitLinkSession.h"
#include "unitLinkStream.h"

#include <optional>
#include <string>

namespace ModemLink {

enum class TenuDialResult { Connected, Busy, NoCarrier, NoDialtone, NoAnswer, Failed };

struct TrecHayesLimits {
    int iCommandMs = 5000;  // for OK after a command
    int iConnectMs = 60000; // for the answer to ATDT
    int iGuardMs = 1000;    // silence around +++
};

class TclsHayesDialogue {
public:
    TclsHayesDialogue(TclsLinkStream &objStream, TpfnLinkStatus pfnStatus,
                      TrecHayesLimits recLimits = {});

    // ATZ, or AT&F when the modem does not take ATZ, then ATE0.
    bool fnbInitialise();
    // Tone dialling (ATDT) unless the location dials pulse (ATDP).
    TenuDialResult fnenDial(const std::string &stNumber, bool bTone = true);
    // Back to command state and on hook; the line is given up either way.
    bool fnbHangUp();

private:
    std::optional<std::string> fnstNextLine(int iTimeoutMs);
    std::optional<std::string> fnstCommand(const std::string &stCommand, int iTimeoutMs);
    void pDiscardFor(int iTimeoutMs);
    void pStatus(const std::string &stLine) const;

    TclsLinkStream &objStream;
    TpfnLinkStatus pfnStatus;
    TrecHayesLimits recLimits;
    std::string stPending;
};

} // namespace ModemLink
