// The address a host service is posted to, from the service row's server text
// and port: the first byte chooses HTTPS (bit 0), the next two the port, the
// rest is the server text. A URL made has the scheme the mode asks for (never
// a downgrade from HTTPS), and the URL for the log names no user or password.
#include "UnitFuzzCheck.h"

#include "unitServiceUrl.h"

#include <curl/curl.h>

#include <cstdint>
#include <memory>

namespace {
bool fnbHasPart(const QString &stUrl, CURLUPart ePart) {
    std::unique_ptr<CURLU, decltype(&curl_url_cleanup)> objUrl(curl_url(), curl_url_cleanup);
    if (curl_url_set(objUrl.get(), CURLUPART_URL, stUrl.toUtf8().constData(), 0) != CURLUE_OK)
        return false;
    char *pchPart = nullptr;
    const bool bHas = curl_url_get(objUrl.get(), ePart, &pchPart, 0) == CURLUE_OK;
    curl_free(pchPart);
    return bHas;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize) {
    if (iSize < 3)
        return 0;
    const bool bSSL = (pData[0] & 1) != 0;
    const qint32 iPort = qint32(pData[1]) << 8 | pData[2];
    const QString stServer =
        QString::fromUtf8(reinterpret_cast<const char *>(pData + 3), qsizetype(iSize - 3));
    const TrecServiceUrl rec = fnrecServiceUrl(stServer, iPort, bSSL);
    if (!rec.stError.isEmpty())
        return 0;
    FUZZ_CHECK(rec.baUrl.startsWith(bSSL ? "https://" : "http://"));
    FUZZ_CHECK(!fnbHasPart(rec.stLogUrl, CURLUPART_USER));
    FUZZ_CHECK(!fnbHasPart(rec.stLogUrl, CURLUPART_PASSWORD));
    return 0;
}
