// The ENQ/ACK handshake of the modem link: sending and receiving one message
// as a sequence of acknowledged blocks, with bounded resends and time-outs.
// Each step is reported as one of the status lines the wizard's status
// windows know.
#pragma once

#include "unitLinkStream.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ModemLink {

struct TrecLinkLimits {
    int iAckMs = 5000;      // for ACK/NAK after ENQ or a block
    int iStartMs = 5000;    // for STX, and for EOT after the last block
    int iByteMs = 3000;     // between the bytes of a block
    int iEnqMs = 90000;     // for the peer's ENQ when its message is due
    int iMaxEnq = 3;        // ENQs sent without an ACK
    int iMaxBlockSends = 4; // sends of one block without an ACK
    int iMaxNaks = 3;       // NAKs for one block received
    std::size_t iMaxMessage = 64 * 1024;
};

using TpfnLinkStatus = std::function<void(const std::string &)>;

class TclsLinkSession {
public:
    TclsLinkSession(TclsLinkStream &objStream, TpfnLinkStatus pfnStatus,
                    TrecLinkLimits recLimits = {});

    bool fnbSendMessage(std::string_view stMessage);
    // The message, or nothing when the peer gave up, the line failed or a
    // limit was passed.
    std::optional<std::string> fnstReceiveMessage();

private:
    static constexpr int kiTimeout = -1;
    static constexpr int kiClosed = -2;

    int fniNextByte(int iTimeoutMs);
    bool fnbSendControl(char chByte, const char *pchStatus);
    enum class TenuAnswer { Ack, Refused, LineGone };
    TenuAnswer fnenAwaitAck(bool bAfterEnq);
    bool fnbSendBlock(char chSequence, std::string_view stData, bool bFinal);
    bool fnbAwaitEnq();
    bool fnbAwaitEot();
    void pStatus(const std::string &stLine) const;

    TclsLinkStream &objStream;
    TpfnLinkStatus pfnStatus;
    TrecLinkLimits recLimits;
    std::string stPending;
    std::size_t iPendingPos = 0;
};

} // namespace ModemLink
