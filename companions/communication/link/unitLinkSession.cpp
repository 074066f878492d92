// Sending and receiving one message over the modem link.
#include "unitLinkSession.h"

#include "unitLinkBlock.h"
#include "unitLinkBytes.h"

#include <algorithm>

namespace ModemLink {

namespace {

// Stray bytes tolerated while waiting for one answer; a line that only
// produces noise must not keep the call alive.
constexpr int kiMaxNoise = 64;

} // namespace

TclsLinkSession::TclsLinkSession(TclsLinkStream &objStream, TpfnLinkStatus pfnStatus,
                                 TrecLinkLimits recLimits)
    : objStream(objStream), pfnStatus(std::move(pfnStatus)), recLimits(recLimits) {}

void TclsLinkSession::pStatus(const std::string &stLine) const {
    if (pfnStatus)
        pfnStatus(stLine);
}

int TclsLinkSession::fniNextByte(int iTimeoutMs) {
    if (iPendingPos >= stPending.size()) {
        char achBuffer[512];
        const long iRead = objStream.fniRead(achBuffer, sizeof achBuffer, iTimeoutMs);
        if (iRead < 0)
            return kiClosed;
        if (iRead == 0)
            return kiTimeout;
        stPending.assign(achBuffer, static_cast<std::size_t>(iRead));
        iPendingPos = 0;
    }
    return static_cast<unsigned char>(stPending[iPendingPos++]);
}

bool TclsLinkSession::fnbSendControl(char chByte, const char *pchStatus) {
    pStatus(pchStatus);
    return objStream.fnbWrite(std::string_view(&chByte, 1));
}

// NAK, silence and noise ask for a resend; a line that is gone does not.
TclsLinkSession::TenuAnswer TclsLinkSession::fnenAwaitAck(bool bAfterEnq) {
    pStatus(bAfterEnq ? "--Waiting for ACK in response to ENQ" : "--Waiting for ACK/NAK");
    for (int iNoise = 0; iNoise < kiMaxNoise; ++iNoise) {
        const int iByte = fniNextByte(recLimits.iAckMs);
        if (iByte == kiClosed)
            return TenuAnswer::LineGone;
        if (iByte == kiTimeout) {
            pStatus("--TimeOut Receiving ACK");
            return TenuAnswer::Refused;
        }
        if (iByte == kchACK) {
            pStatus("--Received ACK");
            return TenuAnswer::Ack;
        }
        if (iByte == kchNAK) {
            pStatus("--Received NAK");
            return TenuAnswer::Refused;
        }
    }
    return TenuAnswer::Refused;
}

bool TclsLinkSession::fnbSendBlock(char chSequence, std::string_view stData, bool bFinal) {
    const std::string stBlock = fnstEncodeBlock(chSequence, stData, bFinal);
    for (int iSend = 0; iSend < recLimits.iMaxBlockSends; ++iSend) {
        pStatus("--Sending STX");
        pStatus("--Sending data");
        if (!objStream.fnbWrite(stBlock))
            return false;
        pStatus(bFinal ? "--ETX Sent" : "--ETB Sent");
        const TenuAnswer enAnswer = fnenAwaitAck(false);
        if (enAnswer != TenuAnswer::Refused)
            return enAnswer == TenuAnswer::Ack;
    }
    return false;
}

bool TclsLinkSession::fnbSendMessage(std::string_view stMessage) {
    TenuAnswer enAnswer = TenuAnswer::Refused;
    for (int iEnq = 0; iEnq < recLimits.iMaxEnq && enAnswer == TenuAnswer::Refused; ++iEnq) {
        if (!fnbSendControl(kchENQ, "--Sending ENQ"))
            return false;
        enAnswer = fnenAwaitAck(true);
    }
    bool bAccepted = enAnswer == TenuAnswer::Ack;
    std::size_t iOffset = 0;
    for (int iBlock = 0; bAccepted; ++iBlock) {
        const std::size_t iLength = std::min<std::size_t>(kiBlockData, stMessage.size() - iOffset);
        const bool bFinal = iOffset + iLength == stMessage.size();
        const char chSequence = iBlock % 2 == 0 ? '0' : '1';
        bAccepted = fnbSendBlock(chSequence, stMessage.substr(iOffset, iLength), bFinal);
        iOffset += iLength;
        if (bFinal)
            break;
    }
    // EOT either ends the message or tells the peer this side gave up.
    return fnbSendControl(kchEOT, "--Sending EOT") && bAccepted;
}

bool TclsLinkSession::fnbAwaitEnq() {
    pStatus("--Waiting for ENQ");
    for (int iNoise = 0; iNoise < kiMaxNoise; ++iNoise) {
        const int iByte = fniNextByte(recLimits.iEnqMs);
        if (iByte == kiClosed || iByte == kiTimeout)
            return false;
        if (iByte == kchEOT) {
            pStatus("--Received EOT");
            return false;
        }
        if (iByte == kchENQ) {
            pStatus("--Received ENQ");
            return fnbSendControl(kchACK, "--Sending ACK");
        }
    }
    return false;
}

// After the last block: EOT ends the message. A repeat of the last block
// means our ACK was lost; it is acknowledged again.
bool TclsLinkSession::fnbAwaitEot() {
    pStatus("--Waiting for EOT/ENQ");
    TclsBlockReader objReader;
    const int iMaxBytes = recLimits.iMaxBlockSends * (2 * kiBlockData + 4) + kiMaxNoise;
    for (int iCount = 0; iCount < iMaxBytes; ++iCount) {
        const int iByte =
            fniNextByte(objReader.fnbInBlock() ? recLimits.iByteMs : recLimits.iStartMs);
        if (iByte == kiClosed || iByte == kiTimeout)
            return false;
        if (iByte == kchEOT && !objReader.fnbInBlock()) {
            pStatus("--Received EOT");
            return true;
        }
        if (objReader.fnenFeed(static_cast<char>(iByte)) == TenuBlockEvent::Complete &&
            !fnbSendControl(kchACK, "--Sending ACK"))
            return false;
    }
    return false;
}

std::optional<std::string> TclsLinkSession::fnstReceiveMessage() {
    if (!fnbAwaitEnq())
        return std::nullopt;
    TclsBlockReader objReader;
    std::string stMessage;
    char chExpected = '0';
    int iNaks = 0;
    // Every byte of the message may come escaped and every block up to
    // iMaxNaks + 1 times; beyond that the peer is not following the protocol.
    const std::size_t iMaxBytes =
        (2 * recLimits.iMaxMessage + 4 * kiBlockData) * (recLimits.iMaxNaks + 1);
    auto fnbRefuse = [&](const char *pchReason) {
        pStatus(pchReason);
        objReader.pReset();
        return ++iNaks <= recLimits.iMaxNaks && fnbSendControl(kchNAK, "--Sending NAK");
    };
    pStatus("--Waiting for STX");
    for (std::size_t iCount = 0; iCount < iMaxBytes; ++iCount) {
        const bool bWasInBlock = objReader.fnbInBlock();
        const int iByte = fniNextByte(bWasInBlock ? recLimits.iByteMs : recLimits.iStartMs);
        if (iByte == kiClosed)
            return std::nullopt;
        if (iByte == kiTimeout) {
            if (!fnbRefuse("--Timeout Receiving Data"))
                return std::nullopt;
            continue;
        }
        if (iByte == kchEOT && !bWasInBlock) {
            pStatus("--Received EOT");
            return std::nullopt;
        }
        const TenuBlockEvent enEvent = objReader.fnenFeed(static_cast<char>(iByte));
        if (!bWasInBlock && objReader.fnbInBlock())
            pStatus("--Received STX");
        if (enEvent == TenuBlockEvent::BadLRC || enEvent == TenuBlockEvent::BadFrame) {
            if (!fnbRefuse("Checksum Failure"))
                return std::nullopt;
            continue;
        }
        if (enEvent != TenuBlockEvent::Complete)
            continue;
        pStatus(objReader.fnbFinal() ? "--Received ETX" : "--Received ETB");
        if (!fnbSendControl(kchACK, "--Valid LRC : Sending ACK"))
            return std::nullopt;
        iNaks = 0;
        if (objReader.fnchSequence() != chExpected)
            continue; // a repeat: the peer missed our ACK
        chExpected = chExpected == '0' ? '1' : '0';
        stMessage += objReader.fnstData();
        if (stMessage.size() > recLimits.iMaxMessage)
            return std::nullopt;
        if (objReader.fnbFinal())
            return fnbAwaitEot() ? std::optional<std::string>(stMessage) : std::nullopt;
        pStatus("--Waiting for STX");
    }
    return std::nullopt;
}

} // namespace ModemLink
