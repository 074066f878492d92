// A small communication library for the loader's tests: it exports the
// library's entry points under their real names and echoes what it receives
// into the reply, so a test sees every argument arrive. Built twice: complete,
// and (TESTCOMM_HTTP_ONLY) with the HTTP entry point alone.
#include "MorvaneCommunication.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {
// Starts at 0 with every load: a test reads it to see the library was freed.
int giCallsThisLoad = 0;

template <size_t N> void pCopy(char (&achTarget)[N], const char *pchSource, size_t iLength) {
    const size_t iUsed = std::min(iLength, N - 1);
    std::memcpy(achTarget, pchSource, iUsed);
    achTarget[iUsed] = '\0';
}

// Formats into the fixed text as snprintf does.
template <size_t N, class... Args>
void pPrint(char (&achTarget)[N], const char *pchFormat, Args... args) {
    std::snprintf(achTarget, N, pchFormat, args...);
}
} // namespace

extern "C" {

#ifndef TESTCOMM_HTTP_ONLY
// The reply's message data is the request's (as far as the reply buffer
// holds it); the shipment range's type says how many calls this load served.
// A request of "THROW" raises, as a failing library would.
void fnstCommViaModem(char *pchResult, size_t iResultSize, TrecMessageHeaderStructure *pRequest,
                      TrecMessageHeaderStructure *pReply, TpfnStatusCallback pfnStatus,
                      TpfnWindowCallback pfnWindow) {
    ++giCallsThisLoad;
    const TrecMessageData &recIn = pRequest->recMessageData;
    if (recIn.iLength == 5 && std::memcmp(recIn.pchData, "THROW", 5) == 0)
        throw std::runtime_error("the modem went away");
    TrecMessageData &recOut = pReply->recMessageData;
    recOut.iLength = std::min(recIn.iLength, recOut.iCapacity);
    std::memcpy(recOut.pchData, recIn.pchData, recOut.iLength);
    pPrint(pReply->recShipmentRange.achRangeType, "calls=%d", giCallsThisLoad);
    pCopy(pReply->recLPRange.achRangeType, pRequest->shtMessageCode.achText,
          pRequest->shtMessageCode.iLength);
    if (pfnStatus)
        pfnStatus("--Process Successful");
    if (pfnWindow)
        pfnWindow();
    std::snprintf(pchResult, iResultSize, "SUCCESS");
}

void pSetAbort(void) {}
#endif

// The reply's texts carry the arguments: the body in the first address line,
// the SSL flag, service number and extra text in the city, postcode and
// country code, the calls of this load in the LP status.
void fnstCommViaHTTPServices(char *pchResult, size_t iResultSize, const char *pchRequest,
                             size_t iRequestLength, TrecSiteRegHTTPResp *pReply, int iSSL,
                             int iServiceNumber, const char *pchExtra) {
    ++giCallsThisLoad;
    pCopy(pReply->achPickupAddress1, pchRequest, iRequestLength);
    pPrint(pReply->achPickupCity, "ssl=%d", iSSL);
    pPrint(pReply->achPickupPostcode, "service=%d", iServiceNumber);
    pPrint(pReply->achPickupCountryCode, "[%s]", pchExtra ? pchExtra : "null");
    pPrint(pReply->achLPStatus, "%d", giCallsThisLoad);
    std::snprintf(pchResult, iResultSize, "success");
}
}
