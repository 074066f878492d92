// The communication library (libMorvaneCommunication.so beside the executable):
// loaded for each call, its entry points resolved by name, one call made and
// the library freed again, so no handle survives between calls.
#pragma once

#include "MorvaneCommunication.h"
#include "unitCompanionLibrary.h"

#include <QByteArray>
#include <QString>

// Result words of the wrappers besides what the library answers.
inline const QString cstCommFailure = QStringLiteral("FAILURE");
inline const QString cstErrorInModemCommunication = QStringLiteral("Error in modem communication");
// What the library answers when the host answered (compared upper-cased).
inline const QString cstCommSuccess = QStringLiteral("SUCCESS");

// The library's entry points; one the library does not export stays null.
// Only the first three are called by the wizard; the others are resolved so
// that a reader of the module state sees the library's whole table.
struct TrecCommEntryPoints {
    TpfnCommViaModem fnstCommViaModem = nullptr;
    TpfnCommViaHTTPServices fnstCommViaHTTPServices = nullptr;
    TpfnSetAbort pSetAbort = nullptr;
    void *fnstCommViaEmail = nullptr;
    void *fnstCQMViaEmail = nullptr;
    void *fnstCommViaFTP = nullptr;
    void *fnstArchiveData = nullptr;
    void *fnstCommViaHTTP = nullptr;
    void *fnstCommViaHTTPTrack = nullptr;
    void *fnstCommViaHTTPShipmentNotification = nullptr;
    void *fnstCommViaHTTPServicesManifest = nullptr;
    void *fnbUploadViaHTTPorHTTPS = nullptr;
    void *fnbDownloadViaHTTPorHTTPS = nullptr;
    void *FnbDownloadAllFiles = nullptr;
    void *fnstCommDownloadViaSFTP = nullptr;
};

// The entry points of the loaded library (all null while none is loaded).
const TrecCommEntryPoints &fnrecCommEntryPoints();
bool fnbCommunicationDLLLoaded();

// How often the library was loaded and freed in this process.
struct TrecCommLibraryUse {
    int iLoads = 0;
    int iUnloads = 0;
};
TrecCommLibraryUse fnrecCommLibraryUse();

// Loads the library unless it is loaded; a library that cannot be loaded is
// logged ("ERROR : Loading Communiation DLL") and leaves nothing loaded.
void pLoadCommunicationDLL();
// Frees the library and clears every entry point.
void pUnloadCommunicationDLL();

// A registration over the modem: "FAILURE" unless the library answers,
// "Error in DLL Loading" when it cannot be loaded, "Error in modem
// communication" when the call raises.
QString fnstCommViaModemCall(TrecMessageHeaderStructure &recRequest,
                             TrecMessageHeaderStructure &recReply, TpfnStatusCallback pfnStatus,
                             TpfnWindowCallback pfnWindow);
// A registration over HTTP (iSSL 0) or HTTPS (1) with the form body; "FAILURE"
// unless the library answers.
QString fnstCommViaHTTPServicesCall(const QByteArray &baRequest, TrecSiteRegHTTPResp &recReply,
                                    int iSSL, int iServiceNumber, const QString &stExtra);

// Asks the call under way to stop through the library's pSetAbort; false
// when no library is loaded or it offers no such entry.
bool fnbCommAbort();
