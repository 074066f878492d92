// Answering AT commands like a verbose Hayes modem: result codes framed by
// CR LF, commands echoed until ATE0.
#include "UnitHayesModem.h"

#include <algorithm>
#include <cctype>

namespace {

// Commands answered before a call connects, and reads while waiting for the
// hang-up; a caller that goes beyond either is not dialling us.
constexpr int kiMaxCommands = 32;
constexpr int kiMaxReads = 256;
constexpr std::size_t kiMaxCommandLength = 128;

std::string fnstUpper(std::string st) {
    std::transform(st.begin(), st.end(), st.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return st;
}

// A modem takes a command from its "AT": bytes a caller sent before it (a
// link byte still on its way after the line dropped, the +++ of a hang-up
// the modem already saw as command text) do not spoil the command.
std::string fnstFromAttention(const std::string &stCommand) {
    const std::size_t iAttention = stCommand.find("AT");
    return iAttention == std::string::npos ? stCommand : stCommand.substr(iAttention);
}

} // namespace

TclsHayesModem::TclsHayesModem(ModemLink::TclsLinkStream &objLine, std::string stDialResult)
    : TclsHayesModem(objLine, [stDialResult](const std::string &) { return stDialResult; }) {}

TclsHayesModem::TclsHayesModem(ModemLink::TclsLinkStream &objLine, TpfnDialResult pfnDialResult)
    : objLine(objLine), pfnDialResult(std::move(pfnDialResult)) {}

bool TclsHayesModem::fnbAnswer(const char *pchResult) {
    return objLine.fnbWrite(std::string("\r\n") + pchResult + "\r\n");
}

// One command up to its CR, echoed when echo is on; LF and empty lines are
// dropped.
std::optional<std::string> TclsHayesModem::fnstNextCommand(int iIdleMs) {
    for (int iRead = 0; iRead < kiMaxReads; ++iRead) {
        const std::size_t iEnd = stPending.find('\r');
        if (iEnd != std::string::npos) {
            std::string stCommand = stPending.substr(0, iEnd);
            stPending.erase(0, iEnd + 1);
            std::erase(stCommand, '\n');
            if (bEcho && !objLine.fnbWrite(stCommand + "\r"))
                return std::nullopt;
            if (!stCommand.empty())
                return fnstFromAttention(fnstUpper(stCommand));
            continue;
        }
        if (stPending.size() > kiMaxCommandLength)
            return std::nullopt;
        char achBuffer[256];
        const long iCount = objLine.fniRead(achBuffer, sizeof achBuffer, iIdleMs);
        if (iCount <= 0)
            return std::nullopt;
        stPending.append(achBuffer, static_cast<std::size_t>(iCount));
    }
    return std::nullopt;
}

std::optional<std::string> TclsHayesModem::fnstAwaitCall(int iIdleMs) {
    for (int iCommand = 0; iCommand < kiMaxCommands; ++iCommand) {
        const std::optional<std::string> stCommand = fnstNextCommand(iIdleMs);
        if (!stCommand)
            return std::nullopt;
        bool bAnswered = false;
        if (*stCommand == "AT" || *stCommand == "ATZ" || *stCommand == "AT&F") {
            bEcho = true; // a reset restores the factory echo
            bAnswered = fnbAnswer("OK");
        } else if (*stCommand == "ATE0" || *stCommand == "ATE1") {
            bEcho = *stCommand == "ATE1";
            bAnswered = fnbAnswer("OK");
        } else if (*stCommand == "ATH" || *stCommand == "ATH0") {
            bAnswered = fnbAnswer("OK");
        } else if (stCommand->rfind("ATD", 0) == 0) {
            // Tone (T) or pulse (P) dialling: the number follows either.
            const bool bTypeGiven =
                stCommand->size() > 3 && ((*stCommand)[3] == 'T' || (*stCommand)[3] == 'P');
            const std::size_t iNumber = bTypeGiven ? 4 : 3;
            const std::string stNumber = stCommand->substr(iNumber);
            const std::string stDialResult = pfnDialResult(stNumber);
            if (!fnbAnswer(stDialResult.c_str()))
                return std::nullopt;
            if (stDialResult.rfind("CONNECT", 0) == 0)
                return stNumber;
            bAnswered = true;
        } else {
            bAnswered = fnbAnswer("ERROR");
        }
        if (!bAnswered)
            return std::nullopt;
    }
    return std::nullopt;
}

bool TclsHayesModem::fnbAwaitHangUp(int iIdleMs) {
    stPending.clear();
    std::string stSeen;
    for (int iRead = 0; iRead < kiMaxReads && stSeen.find("+++") == std::string::npos; ++iRead) {
        char achBuffer[256];
        const long iCount = objLine.fniRead(achBuffer, sizeof achBuffer, iIdleMs);
        if (iCount <= 0)
            return false;
        // Only the tail can still start an escape sequence.
        stSeen = stSeen.substr(stSeen.size() > 2 ? stSeen.size() - 2 : 0) +
                 std::string(achBuffer, static_cast<std::size_t>(iCount));
    }
    if (stSeen.find("+++") == std::string::npos || !fnbAnswer("OK"))
        return false;
    stPending = stSeen.substr(stSeen.find("+++") + 3);
    const std::optional<std::string> stCommand = fnstNextCommand(iIdleMs);
    return stCommand && stCommand->rfind("ATH", 0) == 0 && fnbAnswer("OK");
}
