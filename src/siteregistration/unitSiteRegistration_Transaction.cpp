// The registration transaction: the message goes to the host over the
// transport the "Site Registration" service names, and what the host answers
// is stored and shown on the completion page.
#include "unitSiteRegistration.h"

#include "UnitAccessToDatabaseDLL.h"
#include "unitCommRecordText.h"
#include "unitCommStatusMain.h"
#include "unitCommStatusWindows.h"
#include "unitCommunicationDLLAccess.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "unitLogToFile.h"
#include "unitRWSettings.h"
#include "UnitUserDataCacheDLLAccess.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

namespace {
const QString cstUnit = QStringLiteral("unitSiteRegistration");
const QString cstMethod = QStringLiteral("fnstSiteRegistration");
const QString cstModem = QStringLiteral("MODEM");
const QString cstHTTP = QStringLiteral("HTTP");
const QString cstHTTPS = QStringLiteral("HTTPS");
const QString cstDefaultUser = QStringLiteral("DEFAULT");
// Only the first twelve service rows are looked at.
constexpr size_t ciServicesSearched = 12;
// The host's answer is a few hundred bytes; the buffer leaves room to spare.
constexpr uint32_t ciReplyCapacity = 4096;
// The service number of site registration in the library's HTTP services.
constexpr int ciSiteRegistrationService = 5;

// The transport of the "Site Registration" service; empty without one.
QString fnstSiteRegistrationTransport(const TobjarMVData &objarServices) {
    const size_t iCount = std::min(objarServices.size(), ciServicesSearched);
    for (size_t i = 0; i < iCount; ++i)
        if (const auto *pService = fnobjAs<TclsCommServiceSettingsData>(objarServices[i]);
            pService && pService->service_name == QLatin1String("Site Registration"))
            return pService->mode;
    return {};
}

const TclsUsersData *fnpDefaultUser(const TobjarMVData &objarUsers) {
    for (const auto &obj : objarUsers)
        if (const auto *pUser = fnobjAs<TclsUsersData>(obj);
            pUser && pUser->user_id == cstDefaultUser)
            return pUser;
    return nullptr;
}

bool fnbIsSuccess(const QString &stTransportText) {
    return stTransportText.toUpper() == cstCommSuccess;
}

// A new, zeroed exchange record; nullptr when no memory is left.
std::unique_ptr<TrecMessageHeaderStructure> fnrecNewMessageRecord() {
    return std::unique_ptr<TrecMessageHeaderStructure>(new (std::nothrow)
                                                           TrecMessageHeaderStructure());
}

// The user and configuration caches are reloaded as the DEFAULT user, whose
// settings the library reads for the call; false without that user.
bool fnbLoadCachesForCall(const TobjarMVData &objarUsers) {
    try {
        const TclsUsersData *pUser = fnpDefaultUser(objarUsers);
        if (!pUser) {
            pWriteLog(3, cstUnit, cstMethod, QStringLiteral("User DEFAULT not found."));
            return false;
        }
        if (const int iCode = fniLoadUserDLL(cstDefaultUser, pUser->password); iCode != 0)
            pWriteLog(2, cstUnit, cstMethod,
                      QStringLiteral("fniLoadUserDLL failed with ") + QString::number(iCode));
        fniLoadConfigDLL(0);
        return true;
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, cstMethod, QString::fromLocal8Bit(e.what()));
        return false;
    }
}
} // namespace

QString TclsRWSiteRegistration::fnstSiteRegistration(const TclsConfigZorvData *pobjConfigZorv,
                                                     const TclsConfigMorvaneData *pobjConfigMorvane,
                                                     const TclsCustomerInfoData *pobjCustomerInfo,
                                                     const TobjarMVData &objarUsers,
                                                     const TobjarMVData &objarCommServiceSettings) {
    const QString stTransport = fnstSiteRegistrationTransport(objarCommServiceSettings);
    pWriteLog(1, cstUnit, cstMethod, QStringLiteral("Inside fnstSiteRegistration method."));
    const QString stFailed = fnstSiteRegistrationFailedText();
    TclsCommStatusMain objCommStatus;
    pWriteLog(1, cstUnit, cstMethod,
              QStringLiteral("Calling the fnstPrepareSiteRegMsgFile method."));
    const QString stPrepared =
        fnstPrepareSiteRegMsgFile(QStringLiteral("REGR"), pobjConfigZorv, pobjConfigMorvane,
                                  pobjCustomerInfo, objarUsers, objarCommServiceSettings);
    if (stPrepared != cstSuccess) {
        pWriteLog(4, cstUnit, cstMethod,
                  QStringLiteral("Message could not be created successfully. Site reg failed."));
        return stPrepared;
    }
    if (stTransport == cstModem)
        return fnstRegisterViaModem(objarUsers, objCommStatus);
    if (stTransport == cstHTTP || stTransport == cstHTTPS)
        return fnstRegisterViaHTTP(stTransport == cstHTTPS, objarUsers);
    return stFailed;
}

QString TclsRWSiteRegistration::fnstSiteRegistrationWithStoredRows() {
    std::array<TobjarMVData, 5> arRows;
    const char *const arClasses[] = {"TclsConfigZorvDB", "TclsConfigMorvaneDB",
                                     "TclsCustomerInfoDB", "TclsUsersDB",
                                     "TclsCommServiceSettingsDB"};
    for (size_t i = 0; i < arRows.size(); ++i)
        if (const int iCode = fniQueryRecords({{}}, arRows[i], QLatin1String(arClasses[i]));
            iCode != 0)
            return fnstGetDBErrorMessage(iCode);
    auto fnpFirst = [&](size_t i) { return arRows[i].empty() ? nullptr : arRows[i].front().get(); };
    return fnstSiteRegistration(dynamic_cast<const TclsConfigZorvData *>(fnpFirst(0)),
                                dynamic_cast<const TclsConfigMorvaneData *>(fnpFirst(1)),
                                dynamic_cast<const TclsCustomerInfoData *>(fnpFirst(2)), arRows[3],
                                arRows[4]);
}

QString TclsRWSiteRegistration::fnstRegisterViaModem(const TobjarMVData &objarUsers,
                                                     TclsCommStatusMain &objCommStatus) {
    const QString stFailed = fnstSiteRegistrationFailedText();
    const auto recRequest = fnrecNewMessageRecord();
    if (!recRequest) {
        pWriteLog(3, cstUnit, cstMethod,
                  QStringLiteral("Memory could not be allocated to the request pointer."));
        return stFailed;
    }
    const auto recReply = fnrecNewMessageRecord();
    if (!recReply) {
        pWriteLog(3, cstUnit, cstMethod,
                  QStringLiteral("Memory could not be allocated to the response pointer."));
        return stFailed;
    }
    // Both message buffers are ours; the library only writes into the reply's.
    QByteArray baRequestData = baMessageString;
    QByteArray baReplyData(qsizetype(ciReplyCapacity), '\0');
    recRequest->recMessageData = {baRequestData.data(), uint32_t(baRequestData.size()),
                                  uint32_t(baRequestData.size())};
    pSetShortText(recRequest->shtMessageCode, QStringLiteral("REGR"));
    recRequest->iMessageVersion = 16;
    recRequest->iMessageFlag = 0;
    recRequest->pNext = nullptr;
    recReply->recMessageData = {baReplyData.data(), 0, ciReplyCapacity};
    pWriteLog(
        1, cstUnit, cstMethod,
        QStringLiteral("Calling the fnstCommViaModem method from unitCommunicationDLLAccess."));
    if (!fnbLoadCachesForCall(objarUsers))
        return stFailed;

    objCommStatus.fnstCreateMailSlot();
    // The status windows are the callbacks unless someone put others in place.
    if (!fnpfnStatusCallback())
        pRegisterCommStatusWindows();
    const QString stTransportText =
        fnstCommViaModemCall(*recRequest, *recReply, fnpfnStatusCallback(), fnpfnWindowCallback());
    // Whatever the library did to the record, the answer is read from our
    // buffer and never past its end.
    recReply->recMessageData.pchData = baReplyData.data();
    recReply->recMessageData.iCapacity = ciReplyCapacity;
    if (fnbIsSuccess(stTransportText))
        pDisplayAllocationDetails(*recReply);
    QString stResult = fnbIsSuccess(stTransportText) ? stFailed : stTransportText;
    try {
        stResult = fnstSaveModemReply(*recReply);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, cstMethod, QString::fromLocal8Bit(e.what()));
    }
    return stResult;
}

QString TclsRWSiteRegistration::fnstRegisterViaHTTP(bool bHTTPS, const TobjarMVData &objarUsers) {
    TrecSiteRegHTTPResp recReply{};
    const QString stTransportText = fnstCommViaHTTPServicesCall(
        baMessageString, recReply, bHTTPS ? 1 : 0, ciSiteRegistrationService, QString());
    if (fnbIsSuccess(stTransportText))
        pDisplayAllocationDetails(recReply);
    QString stResult =
        fnbIsSuccess(stTransportText) ? fnstSiteRegistrationFailedText() : stTransportText;
    pSaveSiteRegResponseForHTTP(recReply, stResult);
    // The site's new rows reach the client's other programs through the caches,
    // which reload after a registration whatever the transport.
    if (fnbIsSuccess(stTransportText) && stResult != fnstSiteRegistrationFailedText())
        fnbLoadCachesForCall(objarUsers);
    return stResult;
}
