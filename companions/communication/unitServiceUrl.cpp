// Building the service URL with libcurl's own URL parser, so the URL is judged
// exactly as the transfer will read it.
#include "unitServiceUrl.h"

#include <curl/curl.h>

#include <memory>

namespace {

// The server text itself stays out of the log: it may carry a login.
const QString cstNotAnAddress =
    QStringLiteral("The HTTP server of the service is not a valid address.");

struct TCurlUrlFree {
    void operator()(CURLU *p) const { curl_url_cleanup(p); }
};
using TCurlUrl = std::unique_ptr<CURLU, TCurlUrlFree>;

QByteArray fnbaGet(CURLU *pUrl, CURLUPart ePart, CURLUcode *peCode = nullptr) {
    char *pch = nullptr;
    const CURLUcode eCode = curl_url_get(pUrl, ePart, &pch, 0);
    if (peCode)
        *peCode = eCode;
    QByteArray ba = eCode == CURLUE_OK ? QByteArray(pch) : QByteArray();
    curl_free(pch);
    return ba;
}

// The server text's host and the rest of it, without its own scheme.
QString fnstWithoutScheme(const QString &stServer) {
    const QString st = stServer.trimmed();
    const qsizetype iSeparator = st.indexOf(QLatin1String("://"));
    return iSeparator < 0 ? st : st.mid(iSeparator + 3);
}

QString fnstLogUrl(CURLU *pUrl) {
    TCurlUrl objCopy(curl_url_dup(pUrl));
    if (!objCopy)
        return QString();
    curl_url_set(objCopy.get(), CURLUPART_USER, nullptr, 0);
    curl_url_set(objCopy.get(), CURLUPART_PASSWORD, nullptr, 0);
    curl_url_set(objCopy.get(), CURLUPART_OPTIONS, nullptr, 0);
    return QString::fromUtf8(fnbaGet(objCopy.get(), CURLUPART_URL));
}

} // namespace

TrecServiceUrl fnrecServiceUrl(const QString &stServer, qint32 iPort, bool bSSL) {
    TrecServiceUrl rec;
    const QString stRest = fnstWithoutScheme(stServer);
    if (stRest.isEmpty()) {
        rec.stError = QStringLiteral("The HTTP server of the service is blank.");
        return rec;
    }
    TCurlUrl objUrl(curl_url());
    const QByteArray baText = QByteArray(bSSL ? "https://" : "http://") + stRest.toUtf8();
    if (!objUrl || curl_url_set(objUrl.get(), CURLUPART_URL, baText.constData(), 0) != CURLUE_OK ||
        fnbaGet(objUrl.get(), CURLUPART_HOST).isEmpty()) {
        rec.stError = cstNotAnAddress;
        return rec;
    }
    CURLUcode eCode = CURLUE_OK;
    fnbaGet(objUrl.get(), CURLUPART_PORT, &eCode);
    if (eCode == CURLUE_NO_PORT && iPort != 0) {
        if (iPort < 1 || iPort > 65535) {
            rec.stError = QStringLiteral("The HTTP port %1 is not a valid port.").arg(iPort);
            return rec;
        }
        curl_url_set(objUrl.get(), CURLUPART_PORT, QByteArray::number(iPort).constData(), 0);
    }
    rec.baUrl = fnbaGet(objUrl.get(), CURLUPART_URL);
    rec.stLogUrl = fnstLogUrl(objUrl.get());
    if (rec.baUrl.isEmpty())
        rec.stError = cstNotAnAddress;
    return rec;
}
