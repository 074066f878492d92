// Calling the auto-destination library.
#include "unitAutoDestinationDLLAccess.h"

#include "QuiloftAutodestination.h"
#include "unitCompanionBuffers.h"
#include "unitCompanionLibrary.h"
#include "unitLogToFile.h"

#include <exception>

namespace {
const QString cstUnit = QStringLiteral("unitAutoDestinationDLLAccess");

} // namespace

QString fnstAutodestination(const QString &stCountryCode, const QString &stCity,
                            const QString &stPostcode, QString &stState, QString &stIATA,
                            const QString &stCountryName, const QString &stSenderName) {
    const TclsCompanionLibrary objLibrary(QStringLiteral("libQuiloftAutodestination.so"), cstUnit);
    const auto pfnCall =
        reinterpret_cast<TpfnAutodestination>(objLibrary.fnpEntryPoint("_fnstAutodestination"));
    if (!pfnCall)
        return cstErrorInDLLLoading;
    char achResult[AD_RESULT_TEXT];
    char achState[AD_STATE_TEXT];
    char achIATA[AD_IATA_TEXT];
    pCopyToBuffer(achResult, cstAutodestinationPreset);
    pCopyToBuffer(achState, stState);
    pCopyToBuffer(achIATA, stIATA);
    try {
        pfnCall(achResult, sizeof achResult, stCountryCode.toUtf8().constData(),
                stCity.toUtf8().constData(), stPostcode.toUtf8().constData(), achState,
                sizeof achState, achIATA, sizeof achIATA, stCountryName.toUtf8().constData(),
                stSenderName.toUtf8().constData());
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("fnstAutodestination"),
                  QStringLiteral("EXCEPTION : ") + QString::fromLocal8Bit(e.what()));
        return cstAutodestinationPreset;
    }
    stState = fnstFromBuffer(achState);
    stIATA = fnstFromBuffer(achIATA);
    return fnstFromBuffer(achResult);
}
