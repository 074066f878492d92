// A modem line made of a fuzz input: each read takes a length from the next
// byte (0 a read that times out) and then that many bytes as what the peer
// sent; when the input is used up the line is gone. Whatever is written is
// kept, for the target to examine.
#pragma once

#include "unitLinkStream.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

class TclsFuzzLinkStream : public ModemLink::TclsLinkStream {
public:
    explicit TclsFuzzLinkStream(std::string_view stInput) : stInput(stInput) {}

    bool fnbWrite(std::string_view stBytes) override {
        stWritten += stBytes;
        return true;
    }
    long fniRead(char *pchBuffer, std::size_t iMax, int) override {
        if (stInput.empty())
            return -1;
        const std::size_t iWanted = static_cast<std::uint8_t>(stInput.front()) % 64;
        stInput.remove_prefix(1);
        const std::size_t iCount = std::min({iWanted, iMax, stInput.size()});
        std::memcpy(pchBuffer, stInput.data(), iCount);
        stInput.remove_prefix(iCount);
        return static_cast<long>(iCount);
    }

    std::string stWritten;

private:
    std::string_view stInput;
};
