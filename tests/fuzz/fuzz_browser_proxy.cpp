// The browser's proxy text ("http=host:port;https=host:port", or one
// "host:port" for every protocol) reduced to one scheme's entry. Whatever the
// text, the entry is a trimmed piece of it holding no ";", and an HTTPS call
// is never given the entry written for "http=" only.
#include "UnitFuzzCheck.h"

#include "unitProxySettings.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize) {
    const QString stText =
        QString::fromUtf8(reinterpret_cast<const char *>(pData), qsizetype(iSize));
    for (const bool bSSL : {false, true}) {
        const QString stEntry = fnstBrowserProxyFor(stText, bSSL);
        FUZZ_CHECK(stEntry == stEntry.trimmed());
        FUZZ_CHECK(!stEntry.contains(QLatin1Char(';')));
        FUZZ_CHECK(stEntry.isEmpty() || stText.contains(stEntry));
    }
    // Only the plain scheme named: the secure call finds nothing of it.
    if (!stText.contains(QLatin1Char(';')) && stText.trimmed().startsWith(QStringLiteral("http=")))
        FUZZ_CHECK(fnstBrowserProxyFor(stText, true).isEmpty());
    return 0;
}
