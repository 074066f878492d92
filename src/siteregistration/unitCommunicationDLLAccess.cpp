// Loading the communication library with dlopen and calling it.
#include "unitCommunicationDLLAccess.h"

#include "unitGlobalData.h"
#include "unitLogToFile.h"

#include <QDir>
#include <QFile>

#include <dlfcn.h>

#include <exception>

namespace {
const QString cstUnit = QStringLiteral("unitCommunicationDLLAccess");
const QString cstLibraryName = QStringLiteral("libMorvaneCommunication.so");

struct TrecCommLibrary {
    void *pHandle = nullptr;
    TrecCommEntryPoints recEntryPoints;
    TrecCommLibraryUse recUse;
};

TrecCommLibrary &grecLibrary() {
    static TrecCommLibrary rec;
    return rec;
}

template <class TFunction> void pResolve(void *pHandle, const char *pchName, TFunction &pfn) {
    pfn = reinterpret_cast<TFunction>(dlsym(pHandle, pchName));
}

void pResolveEntryPoints(void *pHandle, TrecCommEntryPoints &rec) {
    pResolve(pHandle, "fnstCommViaModem", rec.fnstCommViaModem);
    pResolve(pHandle, "fnstCommViaHTTPServices", rec.fnstCommViaHTTPServices);
    pResolve(pHandle, "pSetAbort", rec.pSetAbort);
    pResolve(pHandle, "fnstCommViaEmail", rec.fnstCommViaEmail);
    pResolve(pHandle, "fnstCQMViaEmail", rec.fnstCQMViaEmail);
    pResolve(pHandle, "fnstCommViaFTP", rec.fnstCommViaFTP);
    pResolve(pHandle, "fnstArchiveData", rec.fnstArchiveData);
    pResolve(pHandle, "fnstCommViaHTTP", rec.fnstCommViaHTTP);
    pResolve(pHandle, "fnstCommViaHTTPTrack", rec.fnstCommViaHTTPTrack);
    pResolve(pHandle, "fnstCommViaHTTPShipmentNotification",
             rec.fnstCommViaHTTPShipmentNotification);
    pResolve(pHandle, "fnstCommViaHTTPServicesManifest", rec.fnstCommViaHTTPServicesManifest);
    pResolve(pHandle, "fnbUploadViaHTTPorHTTPS", rec.fnbUploadViaHTTPorHTTPS);
    pResolve(pHandle, "fnbDownloadViaHTTPorHTTPS", rec.fnbDownloadViaHTTPorHTTPS);
    pResolve(pHandle, "FnbDownloadAllFiles", rec.FnbDownloadAllFiles);
    pResolve(pHandle, "fnstCommDownloadViaSFTP", rec.fnstCommDownloadViaSFTP);
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
    return grecLibrary().pHandle != nullptr;
}

TrecCommLibraryUse fnrecCommLibraryUse() {
    return grecLibrary().recUse;
}

void pLoadCommunicationDLL() {
    TrecCommLibrary &rec = grecLibrary();
    if (rec.pHandle)
        return;
    const QString stPath = fnstResolvePath(QDir(fnstExecutableDir()).filePath(cstLibraryName));
    rec.pHandle = dlopen(QFile::encodeName(stPath).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!rec.pHandle) {
        const char *pchError = dlerror();
        pWriteLog(2, cstUnit, QStringLiteral("pLoadCommunicationDLL"),
                  QStringLiteral("ERROR : Loading Communiation DLL"));
        pWriteLog(2, cstUnit, QStringLiteral("pLoadCommunicationDLL"),
                  QString::fromLocal8Bit(pchError ? pchError : ""));
        return;
    }
    ++rec.recUse.iLoads;
    pResolveEntryPoints(rec.pHandle, rec.recEntryPoints);
}

void pUnloadCommunicationDLL() {
    TrecCommLibrary &rec = grecLibrary();
    if (!rec.pHandle)
        return;
    dlclose(rec.pHandle);
    rec.pHandle = nullptr;
    rec.recEntryPoints = {};
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
