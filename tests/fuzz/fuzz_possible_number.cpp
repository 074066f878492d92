// The part of a typed text that can be a phone number. Whatever the text, the
// part is a piece of it (never longer, never made of bytes it did not hold),
// and taking the part of the part changes nothing.
#include "UnitFuzzCheck.h"

#include "unitPossibleNumber.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize) {
    const std::string stText(reinterpret_cast<const char *>(pData), iSize);
    const std::string stPart = fnstExtractPossibleNumber(stText);
    FUZZ_CHECK(stPart.size() <= stText.size());
    FUZZ_CHECK(stText.find(stPart) != std::string::npos);
    FUZZ_CHECK(fnstExtractPossibleNumber(stPart) == stPart);
    return 0;
}
