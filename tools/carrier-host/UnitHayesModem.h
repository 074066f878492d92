// The carrier host's end of a modem call: a Hayes modem as the site's
// software sees it on its serial port (a pseudo-terminal), answering AT
// commands until a dial connects and again when the caller hangs up.
#pragma once

#include "unitLinkStream.h"

#include <functional>
#include <optional>
#include <string>

class TclsHayesModem {
public:
    // The result code a dial gets, asked for every dial with the number
    // dialled: "CONNECT 9600", or "BUSY", "NO CARRIER"... to play a failed
    // call.
    using TpfnDialResult = std::function<std::string(const std::string &stNumber)>;

    // Every dial gets stDialResult.
    explicit TclsHayesModem(ModemLink::TclsLinkStream &objLine,
                            std::string stDialResult = "CONNECT 9600");
    TclsHayesModem(ModemLink::TclsLinkStream &objLine, TpfnDialResult pfnDialResult);

    // The number dialled once a dial connects; nothing when the line stayed
    // quiet for iIdleMs or went away.
    std::optional<std::string> fnstAwaitCall(int iIdleMs);
    // After the link: true once the caller escaped with +++ and sent ATH.
    bool fnbAwaitHangUp(int iIdleMs);

private:
    std::optional<std::string> fnstNextCommand(int iIdleMs);
    bool fnbAnswer(const char *pchResult);

    ModemLink::TclsLinkStream &objLine;
    TpfnDialResult pfnDialResult;
    std::string stPending;
    bool bEcho = true;
};
