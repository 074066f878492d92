// Calling the postcode-cleaning library.
#include "unitPostcodeCleaningDLLAccess.h"

#include "QuiloftPostcodeCleaning.h"
#include "unitCompanionBuffers.h"
#include "unitCompanionLibrary.h"
#include "unitLogToFile.h"

#include <exception>

namespace {
const QString cstUnit = QStringLiteral("unitPostcodeCleaningDLLAccess");
} // namespace

QString fnstPostcodeCleaning(QString &stPostcode, const QString &stCountryCode,
                             const QString &stCity, const QString &stReserved) {
    const TclsCompanionLibrary objLibrary(QStringLiteral("libQuiloftPostcodeCleaningDLL.so"),
                                          cstUnit);
    const auto pfnCall =
        reinterpret_cast<TpfnPostcodeCleaning>(objLibrary.fnpEntryPoint("_fnstPostcodeCleaning"));
    if (!pfnCall)
        return cstErrorInDLLLoading;
    char achResult[PC_RESULT_TEXT];
    char achPostcode[PC_POSTCODE_TEXT];
    pCopyToBuffer(achResult, cstPostcodeCleaningPreset);
    pCopyToBuffer(achPostcode, stPostcode);
    try {
        pfnCall(achResult, sizeof achResult, achPostcode, sizeof achPostcode,
                stCountryCode.toUtf8().constData(), stCity.toUtf8().constData(),
                stReserved.toUtf8().constData());
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("fnstPostcodeCleaning"),
                  QStringLiteral("EXCEPTION : ") + QString::fromLocal8Bit(e.what()));
        return cstPostcodeCleaningPreset;
    }
    stPostcode = fnstFromBuffer(achPostcode);
    return fnstFromBuffer(achResult);
}
