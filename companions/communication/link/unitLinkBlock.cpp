// Block framing of the modem link.
#include "unitLinkBlock.h"

#include "unitLinkBytes.h"

namespace ModemLink {

namespace {

bool fnbNeedsEscape(char chByte) {
    switch (chByte) {
    case kchSTX:
    case kchETX:
    case kchEOT:
    case kchENQ:
    case kchACK:
    case kchDLE:
    case kchNAK:
    case kchETB:
        return true;
    default:
        return false;
    }
}

} // namespace

char fnchLRC(std::string_view stBytes) {
    char chLRC = 0;
    for (const char chByte : stBytes)
        chLRC = static_cast<char>(chLRC ^ chByte);
    return chLRC;
}

std::string fnstEscape(std::string_view stData) {
    std::string stEscaped;
    stEscaped.reserve(stData.size());
    for (const char chByte : stData) {
        if (fnbNeedsEscape(chByte)) {
            stEscaped += kchDLE;
            stEscaped += static_cast<char>(chByte ^ kchEscapeBit);
        } else {
            stEscaped += chByte;
        }
    }
    return stEscaped;
}

std::string fnstEncodeBlock(char chSequence, std::string_view stData, bool bFinal) {
    std::string stBody(1, chSequence);
    stBody += fnstEscape(stData);
    stBody += bFinal ? kchETX : kchETB;
    std::string stBlock(1, kchSTX);
    stBlock += stBody;
    stBlock += fnchLRC(stBody);
    return stBlock;
}

void TclsBlockReader::pReset() {
    enState = TenuState::WaitSTX;
    stData.clear();
    chLRC = 0;
}

TenuBlockEvent TclsBlockReader::fnenFeed(char chByte) {
    if (chByte == kchSTX && enState != TenuState::LRC) {
        pReset();
        enState = TenuState::Sequence;
        return TenuBlockEvent::None;
    }
    switch (enState) {
    case TenuState::WaitSTX:
        return TenuBlockEvent::None;
    case TenuState::Sequence:
        chSequence = chByte;
        chLRC = chByte;
        enState = TenuState::Data;
        return TenuBlockEvent::None;
    case TenuState::Data:
    case TenuState::Escaped:
        return fnenFeedData(chByte);
    case TenuState::LRC: {
        const bool bValid = chByte == chLRC;
        enState = TenuState::WaitSTX;
        return bValid ? TenuBlockEvent::Complete : TenuBlockEvent::BadLRC;
    }
    }
    return TenuBlockEvent::None;
}

TenuBlockEvent TclsBlockReader::fnenFeedData(char chByte) {
    chLRC = static_cast<char>(chLRC ^ chByte);
    if (enState == TenuState::Escaped) {
        stData += static_cast<char>(chByte ^ kchEscapeBit);
        enState = TenuState::Data;
        return TenuBlockEvent::None;
    }
    if (chByte == kchDLE) {
        enState = TenuState::Escaped;
    } else if (chByte == kchETX || chByte == kchETB) {
        bFinal = chByte == kchETX;
        enState = TenuState::LRC;
    } else if (chByte == kchEOT || chByte == kchENQ || chByte == kchACK || chByte == kchNAK) {
        // A control byte that may not appear unescaped: the block is damaged.
        pReset();
        return TenuBlockEvent::BadFrame;
    } else {
        stData += chByte;
    }
    return TenuBlockEvent::None;
}

} // namespace ModemLink
