// Talking to the modem in command state.
#include "unitHayesDialogue.h"

#include <array>
#include <string_view>

namespace ModemLink {

namespace {

// Lines a command may be answered with before its result code (echo, RING,
// speed reports); a modem that talks more than this is not answering.
constexpr int kiMaxLines = 16;
constexpr std::size_t kiMaxLineLength = 128;

constexpr std::array<std::string_view, 7> carResultCodes = {
    "OK", "CONNECT", "BUSY", "NO CARRIER", "NO DIALTONE", "NO ANSWER", "ERROR"};

bool fnbIsResultCode(const std::string &stLine) {
    for (const std::string_view stCode : carResultCodes) {
        // CONNECT may carry the speed: "CONNECT 9600".
        if (stLine == stCode || (stCode == "CONNECT" && stLine.rfind("CONNECT ", 0) == 0))
            return true;
    }
    return false;
}

TenuDialResult fnenDialResult(const std::optional<std::string> &stResult) {
    if (!stResult)
        return TenuDialResult::Failed;
    if (stResult->rfind("CONNECT", 0) == 0)
        return TenuDialResult::Connected;
    if (*stResult == "BUSY")
        return TenuDialResult::Busy;
    if (*stResult == "NO CARRIER")
        return TenuDialResult::NoCarrier;
    if (*stResult == "NO DIALTONE")
        return TenuDialResult::NoDialtone;
    if (*stResult == "NO ANSWER")
        return TenuDialResult::NoAnswer;
    return TenuDialResult::Failed;
}

} // namespace

TclsHayesDialogue::TclsHayesDialogue(TclsLinkStream &objStream, TpfnLinkStatus pfnStatus,
                                     TrecHayesLimits recLimits)
    : objStream(objStream), pfnStatus(std::move(pfnStatus)), recLimits(recLimits) {}

void TclsHayesDialogue::pStatus(const std::string &stLine) const {
    if (pfnStatus)
        pfnStatus(stLine);
}

// One line without its CR LF; empty lines are skipped. Nothing on silence or
// when the line is gone.
std::optional<std::string> TclsHayesDialogue::fnstNextLine(int iTimeoutMs) {
    for (;;) {
        const std::size_t iEnd = stPending.find_first_of("\r\n");
        if (iEnd != std::string::npos) {
            std::string stLine = stPending.substr(0, iEnd);
            stPending.erase(0, iEnd + 1);
            if (!stLine.empty())
                return stLine;
            continue;
        }
        if (stPending.size() > kiMaxLineLength)
            return std::nullopt;
        char achBuffer[256];
        const long iRead = objStream.fniRead(achBuffer, sizeof achBuffer, iTimeoutMs);
        if (iRead <= 0)
            return std::nullopt;
        stPending.append(achBuffer, static_cast<std::size_t>(iRead));
    }
}

std::optional<std::string> TclsHayesDialogue::fnstCommand(const std::string &stCommand,
                                                          int iTimeoutMs) {
    stPending.clear();
    if (!objStream.fnbWrite(stCommand + "\r"))
        return std::nullopt;
    for (int iLine = 0; iLine < kiMaxLines; ++iLine) {
        std::optional<std::string> stLine = fnstNextLine(iTimeoutMs);
        if (!stLine || fnbIsResultCode(*stLine))
            return stLine;
    }
    return std::nullopt;
}

bool TclsHayesDialogue::fnbInitialise() {
    pStatus("Initializing Modem...");
    const bool bReset = fnstCommand("ATZ", recLimits.iCommandMs) == "OK" ||
                        fnstCommand("AT&F", recLimits.iCommandMs) == "OK";
    if (bReset && fnstCommand("ATE0", recLimits.iCommandMs) == "OK")
        return true;
    pStatus("Modem is not available.");
    return false;
}

TenuDialResult TclsHayesDialogue::fnenDial(const std::string &stNumber, bool bTone) {
    pStatus("--Dialing Phone No " + stNumber);
    const TenuDialResult enResult =
        fnenDialResult(fnstCommand((bTone ? "ATDT" : "ATDP") + stNumber, recLimits.iConnectMs));
    if (enResult == TenuDialResult::Connected)
        pStatus("Connected to Zorv..");
    return enResult;
}

void TclsHayesDialogue::pDiscardFor(int iTimeoutMs) {
    char achBuffer[256];
    for (int iRead = 0; iRead < kiMaxLines; ++iRead) {
        if (objStream.fniRead(achBuffer, sizeof achBuffer, iTimeoutMs) <= 0)
            return;
    }
}

// The escape sequence only counts when framed by silence, so whatever the
// host still sends is let through first.
bool TclsHayesDialogue::fnbHangUp() {
    pStatus("Setting modem to Command state...");
    pDiscardFor(recLimits.iGuardMs);
    objStream.fnbWrite("+++");
    pDiscardFor(recLimits.iGuardMs);
    const bool bOnHook = fnstCommand("ATH", recLimits.iCommandMs) == "OK";
    pStatus("....Hung up");
    return bOnHook;
}

} // namespace ModemLink
