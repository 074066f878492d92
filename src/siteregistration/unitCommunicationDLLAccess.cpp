// Loading the communication library and calling it.
#include "unitCommunicationDLLAccess.h"

#include "unitCompanionLibrary.h"
#include "unitLogToFile.h"

#include <exception>
#include <memory>

namespace {
const QString cstUnit = QStringLiteral("unitCommunicationDLLAccess");
const QString cstLibraryName = QStringLiteral("libMorvaneCommunication.so");

struct TrecCommLibrary {
    std::unique_ptr<TclsCompanionLibrary> objLibrary;
    TrecCommEntryPoints recEntryPoints;
    TrecCommLibraryUse recUse;
};

TrecCommLibrary &grecLibrary() {
    static TrecCommLibrary rec;
    return rec;
}

void pResolveEntryPoints(const TclsCompanionLibrary &obj, TrecCommEntryPoints &rec) {
    obj.pResolve("fnstCommViaModem", rec.fnstCommViaModem);
    obj.pResolve("fnstCommViaHTTPServices", rec.fnstCommViaHTTPServices);
    obj.pResolve("pSetAbort", rec.pSetAbort);
    obj.pResolve("fnstCommViaEmail", rec.fnstCommViaEmail);
    obj.pResolve("fnstCQMViaEmail", rec.fnstCQMViaEmail);
    obj.pResolve("fnstCommViaFTP", rec.fnstCommViaFTP);
    obj.pResolve("fnstArchiveData", rec.fnstArchiveData);
    obj.pResolve("fnstCommViaHTTP", rec.fnstCommViaHTTP);
    obj.pResolve("fnstCommViaHTTPTrack", rec.fnstCommViaHTTPTrack);
    obj.pResolve("fnstCommViaHTTPShipmentNotification", rec.fnstCommViaHTTPShipmentNotification);
    obj.pResolve("fnstCommViaHTTPServicesManifest", rec.fnstCommViaHTTPServicesManifest);
    obj.pResolve("fnbUploadViaHTTPorHTTPS", rec.fnbUploadViaHTTPorHTTPS);
    obj.pResolve("fnbDownloadViaHTTPorHTTPS", rec.fnbDownloadViaHTTPorHTTPS);
    obj.pResolve("FnbDownloadAllFiles", rec.FnbDownloadAllFiles);
    obj.pResolve("fnstCommDownloadViaSFTP", rec.fnstCommDownloadViaSFTP);
}

// The library writes its answer into a buffer that starts out saying
// "FAILURE", so a library that writes nothing has failed.
struct TrecResultBuffer {
    char achText[MV_RESULT_TEXT] = "FAILURE";
    QString fnstText() {
        achText[MV_RESULT_TEXT - 1] = '\0';
        return QString::fromLatin1(achText);
    }
};

// Loads the library for one call and frees it again however the call ends.
class TclsLibraryForOneCall {
public:
    TclsLibraryForOneCall() { pLoadCommunicationDLL(); }
    ~TclsLibraryForOneCall() { pUnloadCommunicationDLL(); }
    TclsLibraryForOneCall(const TclsLibraryForOneCall &) = delete;
    TclsLibraryForOneCall &operator=(const TclsLibraryForOneCall &) = delete;
};
} // namespace

const TrecCommEntryPoints &fnrecCommEntryPoints() {
    return grecLibrary().recEntryPoints;
}

bool fnbCommunicationDLLLoaded() {
    return grecLibrary().objLibrary != nullptr;
}

TrecCommLibraryUse fnrecCommLibraryUse() {
    return grecLibrary().recUse;
}

void pLoadCommunicationDLL() {
    TrecCommLibrary &rec = grecLibrary();
    if (rec.objLibrary)
        return;
    auto objLibrary = std::make_unique<TclsCompanionLibrary>(cstLibraryName);
    if (!objLibrary->fnbLoaded()) {
        pWriteLog(2, cstUnit, QStringLiteral("pLoadCommunicationDLL"),
                  QStringLiteral("ERROR : Loading Communiation DLL"));
        pWriteLog(2, cstUnit, QStringLiteral("pLoadCommunicationDLL"), objLibrary->fnstError());
        return;
    }
    rec.objLibrary = std::move(objLibrary);
    ++rec.recUse.iLoads;
    pResolveEntryPoints(*rec.objLibrary, rec.recEntryPoints);
}

void pUnloadCommunicationDLL() {
    TrecCommLibrary &rec = grecLibrary();
    if (!rec.objLibrary)
        return;
    rec.recEntryPoints = {};
    rec.objLibrary.reset();
    ++rec.recUse.iUnloads;
}

QString fnstCommViaModemCall(TrecMessageHeaderStructure &recRequest,
                             TrecMessageHeaderStructure &recReply, TpfnStatusCallback pfnStatus,
                             TpfnWindowCallback pfnWindow) {
    QString stResult = cstCommFailure;
    const TclsLibraryForOneCall objLibrary;
    if (!fnbCommunicationDLLLoaded())
        return cstErrorInDLLLoading;
    const TpfnCommViaModem pfnCall = fnrecCommEntryPoints().fnstCommViaModem;
    if (!pfnCall)
        return stResult;
    try {
        TrecResultBuffer recBuffer;
        pfnCall(recBuffer.achText, sizeof(recBuffer.achText), &recRequest, &recReply, pfnStatus,
                pfnWindow);
        stResult = recBuffer.fnstText();
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("fnstCommViaModemCall"),
                  QString::fromLocal8Bit(e.what()));
        stResult = cstErrorInModemCommunication;
    } catch (...) {
        pWriteLog(3, cstUnit, QStringLiteral("fnstCommViaModemCall"),
                  QStringLiteral("Unknown exception in the modem call."));
        stResult = cstErrorInModemCommunication;
    }
    return stResult;
}

QString fnstCommViaHTTPServicesCall(const QByteArray &baRequest, TrecSiteRegHTTPResp &recReply,
                                    int iSSL, int iServiceNumber, const QString &stExtra) {
    QString stResult = cstCommFailure;
    const TclsLibraryForOneCall objLibrary;
    const TpfnCommViaHTTPServices pfnCall = fnrecCommEntryPoints().fnstCommViaHTTPServices;
    if (!pfnCall)
        return stResult;
    try {
        TrecResultBuffer recBuffer;
        const QByteArray baExtra = stExtra.toLatin1();
        pfnCall(recBuffer.achText, sizeof(recBuffer.achText), baRequest.constData(),
                size_t(baRequest.size()), &recReply, iSSL, iServiceNumber, baExtra.constData());
        stResult = recBuffer.fnstText();
    } catch (...) {
        pWriteLog(3, cstUnit, QStringLiteral("fnstCommViaHTTPServicesCall"),
                  QStringLiteral("Exception in the HTTP services call."));
        stResult = cstCommFailure;
    }
    return stResult;
}

bool fnbCommAbort() {
    const TpfnSetAbort pfnAbort = fnrecCommEntryPoints().pSetAbort;
    if (!pfnAbort)
        return false;
    pfnAbort();
    return true;
}
