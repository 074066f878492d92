// The Hayes dialogue with a modem whose answers, their grouping into reads
// and its silences come from the input. Whatever the modem says, the dialogue
// ends, and nothing it writes is other than its own commands: what the modem
// answers never becomes part of a command line.
#include "UnitFuzzCheck.h"
#include "UnitFuzzLinkStream.h"

#include "unitHayesDialogue.h"

#include <cstdint>
#include <set>
#include <string>

using namespace ModemLink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize) {
    const std::string_view stInput(reinterpret_cast<const char *>(pData), iSize);
    TclsFuzzLinkStream objModem(stInput);
    TrecHayesLimits recLimits;
    TclsHayesDialogue objDialogue(objModem, {}, recLimits);
    if (objDialogue.fnbInitialise())
        objDialogue.fnenDial("90395551234", iSize % 2 == 0);
    objDialogue.fnbHangUp();
    static const std::set<std::string> setCommands = {
        "ATZ", "AT&F", "ATE0", "ATDT90395551234", "ATDP90395551234", "ATH"};
    std::string stWritten = objModem.stWritten;
    for (std::size_t iEscape; (iEscape = stWritten.find("+++")) != std::string::npos;)
        stWritten.replace(iEscape, 3, "\r");
    std::size_t iStart = 0;
    for (std::size_t iEnd; (iEnd = stWritten.find('\r', iStart)) != std::string::npos;
         iStart = iEnd + 1) {
        const std::string stLine = stWritten.substr(iStart, iEnd - iStart);
        FUZZ_CHECK(stLine.empty() || setCommands.count(stLine) == 1);
    }
    FUZZ_CHECK(iStart == stWritten.size());
    return 0;
}
