// The library's C entry point. It catches everything: no exception may cross
// into a caller that is not C++ or not built with the same runtime; a failure
// answers with the library's exception text.
#include "QuiloftAutodestination.h"

#include "unitDestinationStations.h"

#include "unitCTextBuffers.h"
#include "unitLogToFile.h"

#include <exception>

namespace {
const QString cstUnit = QStringLiteral("QuiloftAutodestination");
const QString cstMethod = QStringLiteral("fnstAutodestination");

TrecDestination fnrecDetermine(const TrecDestinationQuery &recQuery) {
    QString stError;
    const QString stCountryCode = recQuery.stCountryCode.trimmed().toUpper();
    if (stCountryCode.isEmpty())
        return fnrecDetermineDestination(recQuery, {});
    const auto recCountry = fnrecReadCountryStations(stCountryCode, stError);
    if (!recCountry) {
        pWriteLog(2, cstUnit, cstMethod, stError);
        return {adr::cstException, recQuery.stState, recQuery.stIATA};
    }
    return fnrecDetermineDestination(recQuery, *recCountry);
}
} // namespace

extern "C" void _fnstAutodestination(char *pchResult, size_t iResultSize,
                                     const char *pchCountryCode, const char *pchCity,
                                     const char *pchPostcode, char *pchState, size_t iStateSize,
                                     char *pchIATA, size_t iIATASize,
                                     const char * /*pchCountryName*/,
                                     const char * /*pchSenderName*/) {
    try {
        const TrecDestinationQuery recQuery{fnstText(pchCountryCode), fnstText(pchCity),
                                            fnstText(pchPostcode), fnstText(pchState, iStateSize),
                                            fnstText(pchIATA, iIATASize)};
        const TrecDestination rec = fnrecDetermine(recQuery);
        pWriteText(pchState, iStateSize, rec.stState);
        pWriteText(pchIATA, iIATASize, rec.stIATA);
        pWriteText(pchResult, iResultSize, rec.stResult);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, cstMethod,
                  QStringLiteral("EXCEPTION : ") + QString::fromUtf8(e.what()));
        pWriteText(pchResult, iResultSize, adr::cstException);
    } catch (...) {
        pWriteLog(3, cstUnit, cstMethod, QStringLiteral("EXCEPTION : unknown"));
        pWriteText(pchResult, iResultSize, adr::cstException);
    }
}
