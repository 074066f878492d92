// The library's C entry point. It catches everything: no exception may cross
// into a caller that is not C++ or not built with the same runtime.
#include "QuiloftPostcodeCleaning.h"

#include "unitPostcodeFormats.h"

#include "unitCTextBuffers.h"
#include "unitLogToFile.h"

#include <exception>

namespace {
const QString cstUnit = QStringLiteral("QuiloftPostcodeCleaningDLL");
const QString cstMethod = QStringLiteral("fnstPostcodeCleaning");

void pClean(char *pchResult, size_t iResultSize, char *pchPostcode, size_t iPostcodeSize,
            const char *pchCountryCode, const char *pchCity) {
    const auto mapFormats = fnmapReadPostcodeFormats(fnstPostcodeFormatsFile());
    if (!mapFormats) {
        pWriteLog(2, cstUnit, cstMethod,
                  QStringLiteral("The postcode formats could not be read from ") +
                      fnstPostcodeFormatsFile());
        return;
    }
    const QString stCountryCode = fnstText(pchCountryCode).trimmed().toUpper();
    const auto it = mapFormats->constFind(stCountryCode);
    const auto recCleaned = fnrecCleanPostcode(
        it == mapFormats->constEnd() ? std::nullopt : std::optional<TrecPostcodeFormat>(*it),
        fnstText(pchPostcode, iPostcodeSize), fnstText(pchCity));
    pWriteText(pchPostcode, iPostcodeSize, recCleaned.stPostcode);
    pWriteText(pchResult, iResultSize, recCleaned.stResult);
}
} // namespace

extern "C" void _fnstPostcodeCleaning(char *pchResult, size_t iResultSize, char *pchPostcode,
                                      size_t iPostcodeSize, const char *pchCountryCode,
                                      const char *pchCity, const char * /*pchReserved*/) {
    try {
        pClean(pchResult, iResultSize, pchPostcode, iPostcodeSize, pchCountryCode, pchCity);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, cstMethod,
                  QStringLiteral("EXCEPTION : ") + QString::fromUtf8(e.what()));
    } catch (...) {
        pWriteLog(3, cstUnit, cstMethod, QStringLiteral("EXCEPTION : unknown"));
    }
}
