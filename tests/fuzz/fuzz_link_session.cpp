// The modem link's ENQ/ACK session over a line made of the input. Whatever
// the peer sends, receiving and sending end, a message received is within the
// size limit, and sent over a clean line and received again it comes back the same.
#include "UnitFuzzCheck.h"
#include "UnitFuzzLinkStream.h"

#include "unitLinkBytes.h"
#include "unitLinkSession.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using namespace ModemLink;

namespace {
TrecLinkLimits frecLimits() {
    TrecLinkLimits rec;
    rec.iMaxMessage = 4096;
    return rec;
}

// The message sent by one session over a line that acknowledges everything,
// then received by another from the bytes the first one wrote.
std::optional<std::string> fnstOverCleanLine(const std::string &stMessage) {
    const std::string stAcks(64, kchACK);
    std::string stAckReads;
    for (const char ch : stAcks)
        stAckReads += std::string(1, '\x01') + ch;
    TclsFuzzLinkStream objSender(stAckReads);
    FUZZ_CHECK(TclsLinkSession(objSender, {}, frecLimits()).fnbSendMessage(stMessage));
    std::string stReads;
    for (std::size_t i = 0; i < objSender.stWritten.size(); i += 63)
        stReads += char(63) + objSender.stWritten.substr(i, 63);
    TclsFuzzLinkStream objReceiver(stReads);
    return TclsLinkSession(objReceiver, {}, frecLimits()).fnstReceiveMessage();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize) {
    const std::string_view stInput(reinterpret_cast<const char *>(pData), iSize);
    std::vector<std::string> arStatus;
    const auto pfnStatus = [&](const std::string &st) { arStatus.push_back(st); };
    {
        TclsFuzzLinkStream objPeer(stInput);
        const std::optional<std::string> optMessage =
            TclsLinkSession(objPeer, pfnStatus, frecLimits()).fnstReceiveMessage();
        if (optMessage) {
            FUZZ_CHECK(optMessage->size() <= frecLimits().iMaxMessage);
            FUZZ_CHECK(fnstOverCleanLine(*optMessage) == optMessage);
        }
    }
    TclsFuzzLinkStream objPeer(stInput);
    TclsLinkSession(objPeer, pfnStatus, frecLimits()).fnbSendMessage("REGRSiteRegs.txt\x1c");
    return 0;
}
