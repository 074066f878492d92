// The HTTP(S) path of the library. The request body is never logged (it
// carries the site's details), only its length; the proxy password neither.
#include "unitHTTPServiceCall.h"

#include "unitCommunicationLog.h"
#include "unitHTTPPost.h"
#include "unitSiteRegReply.h"

namespace {

const char *const cpchMethod = "fnstCommViaHTTPServices";

bool fnbFail(const QString &stReason) {
    pCommLog(2, cpchMethod, stReason);
    return false;
}

} // namespace

bool fnbCallHTTPService(const char *pchRequest, size_t iRequestLength,
                        TrecSiteRegHTTPResp &recReply, bool bSSL, int iServiceNumber) {
    recReply = TrecSiteRegHTTPResp{};
    pCommLog(1, cpchMethod,
             QStringLiteral("Reading the settings of service %1 over %2.")
                 .arg(iServiceNumber)
                 .arg(bSSL ? QStringLiteral("HTTPS") : QStringLiteral("HTTP")));
    const TrecHTTPCallSettings recSettings = fnrecReadHTTPCallSettings(iServiceNumber, bSSL);
    if (!recSettings.stError.isEmpty())
        return fnbFail(recSettings.stError);
    pCommLog(1, cpchMethod,
             QStringLiteral("Connection: %1.").arg(recSettings.recProxy.stDescription));
    pCommLog(1, cpchMethod,
             QStringLiteral("Posting %1 bytes to %2.")
                 .arg(iRequestLength)
                 .arg(recSettings.recUrl.stLogUrl));

    const TrecHTTPPostResult recResult = fnrecHTTPPost(recSettings, pchRequest, iRequestLength);
    if (!recResult.bTransferred)
        return fnbFail(QStringLiteral("The call failed: %1").arg(recResult.stError));
    pCommLog(1, cpchMethod,
             QStringLiteral("The host answered with status %1 and %2 bytes.")
                 .arg(recResult.iStatus)
                 .arg(recResult.baBody.size()));
    if (recResult.iStatus != 200)
        return fnbFail(QStringLiteral("The host answered with status %1.").arg(recResult.iStatus));

    const QString stReason = fnstReadSiteRegReply(recResult.baBody, recReply);
    if (!stReason.isEmpty()) {
        recReply = TrecSiteRegHTTPResp{};
        return fnbFail(stReason);
    }
    pCommLog(1, cpchMethod,
             QStringLiteral("Reply %1 read.")
                 .arg(QString::fromUtf8(recReply.shtMessageCode.achText,
                                        recReply.shtMessageCode.iLength)));
    return true;
}
