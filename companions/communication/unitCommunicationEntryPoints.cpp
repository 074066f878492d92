// The library's C entry points. Each writes its result text first, so that any
// way out leaves an answer, and catches everything: no exception may cross into
// a caller that is not C++ or not built with the same runtime.
#include "MorvaneCommunication.h"

#include "unitCallAbort.h"
#include "unitCommunicationLog.h"
#include "unitCTextBuffers.h"
#include "unitHTTPServiceCall.h"
#include "unitModemCall.h"

#include <exception>

namespace {

template <class TFunction> void pGuarded(const char *pchMethod, TFunction fn) {
    try {
        fn();
    } catch (const std::exception &e) {
        pCommLog(3, pchMethod,
                 QStringLiteral("Exception occurred - %1").arg(QString::fromUtf8(e.what())));
    } catch (...) {
        pCommLog(3, pchMethod, QStringLiteral("Exception occurred."));
    }
}

} // namespace

extern "C" {

void fnstCommViaHTTPServices(char *pchResult, size_t iResultSize, const char *pchRequest,
                             size_t iRequestLength, TrecSiteRegHTTPResp *pReply, int iSSL,
                             int iServiceNumber,
                             const char * /*pchExtra: no service here uses it*/) {
    pWriteText(pchResult, iResultSize, "FAILURE");
    pGuarded("fnstCommViaHTTPServices", [&] {
        pCommLog(1, "fnstCommViaHTTPServices",
                 QStringLiteral("Inside fnstCommViaHTTPServices method."));
        if (!pReply) {
            pCommLog(2, "fnstCommViaHTTPServices", QStringLiteral("No reply record was given."));
            return;
        }
        // Any value but 0 asks for TLS: an unclear flag must not fall back to plain text.
        if (fnbCallHTTPService(pchRequest, iRequestLength, *pReply, iSSL != 0, iServiceNumber))
            pWriteText(pchResult, iResultSize, "SUCCESS");
    });
}

void fnstCommViaModem(char *pchResult, size_t iResultSize, TrecMessageHeaderStructure *pRequest,
                      TrecMessageHeaderStructure *pReply, TpfnStatusCallback pfnStatus,
                      TpfnWindowCallback pfnWindow) {
    pWriteText(pchResult, iResultSize, "Error in modem communication");
    pGuarded("fnstCommViaModem", [&] {
        pCommLog(1, "fnstCommViaModem", QStringLiteral("Inside fnstCommViaModem method."));
        if (!pRequest || !pReply) {
            pCommLog(2, "fnstCommViaModem",
                     QStringLiteral("No request or reply record was given."));
            pWriteText(pchResult, iResultSize, "FAILURE");
            return;
        }
        if (pfnWindow)
            pfnWindow();
        const QByteArray baResult = fnstRunModemCall(*pRequest, *pReply, pfnStatus).toLatin1();
        pWriteText(pchResult, iResultSize, baResult.constData());
    });
}

void pSetAbort(void) {
    pRequestAbort();
    pGuarded("pSetAbort", [] { pCommLog(1, "pSetAbort", QStringLiteral("Abort requested.")); });
}

} // extern "C"
