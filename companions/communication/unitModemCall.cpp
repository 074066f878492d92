#include "unitModemCall.h"

#include "unitCallAbort.h"
#include "unitCallerLinkStream.h"
#include "unitModemCallSettings.h"
#include "unitModemStatusReport.h"

#include "unitHayesDialogue.h"
#include "unitLinkReply.h"
#include "unitLinkSerialLine.h"
#include "unitLinkSession.h"

#include <unistd.h>

#include <optional>
#include <string>

using namespace ModemLink;

namespace {

const QString cstSuccess = QStringLiteral("SUCCESS");
const QString cstFailure = QStringLiteral("FAILURE");

// The lines that end a call: the user's abort takes the call offline,
// otherwise the call succeeded or not.
const std::string cstGoingOffline = "Going Offline";
const std::string cstSuccessful = "--Process Successful";
const std::string cstNotSuccessful = "--Process NOT Successful";
const std::string cstModemNotAvailable = "Modem is not available.";

class TclsSerialDescriptor {
public:
    explicit TclsSerialDescriptor(int iFd) : iFd(iFd) {}
    ~TclsSerialDescriptor() {
        if (iFd >= 0)
            ::close(iFd);
    }
    TclsSerialDescriptor(const TclsSerialDescriptor &) = delete;
    TclsSerialDescriptor &operator=(const TclsSerialDescriptor &) = delete;
    int iFd;
};

class TclsModemCall {
public:
    TclsModemCall(TclsModemStatusReport &objReport, const TrecModemCallSettings &recSettings,
                  TclsLinkStream &objLine)
        : objReport(objReport), recSettings(recSettings), objLine(objLine) {}

    QString fnstRun(const TrecMessageHeaderStructure &recRequest,
                    TrecMessageHeaderStructure &recReply);

private:
    bool fnbDialUntilConnected(TclsHayesDialogue &objDialogue);
    bool fnbExchange(const TrecMessageHeaderStructure &recRequest,
                     TrecMessageHeaderStructure &recReply);
    void pHangUp();
    void pStatus(const std::string &stLine);

    TclsModemStatusReport &objReport;
    const TrecModemCallSettings &recSettings;
    TclsLinkStream &objLine;
};

// An abort ends the modem's silence as well as a dial: the modem did not fail
// then, and saying it is not available would blame it for the user's choice.
void TclsModemCall::pStatus(const std::string &stLine) {
    if (stLine == cstModemNotAvailable && fnbAbortRequested())
        return;
    objReport.pLine(stLine);
}

bool TclsModemCall::fnbDialUntilConnected(TclsHayesDialogue &objDialogue) {
    static const char *const arDialResults[] = {"CONNECT",     "BUSY",      "NO CARRIER",
                                                "NO DIALTONE", "NO ANSWER", "no usable answer"};
    int iAttempt = 0;
    for (int iRound = 0; iRound < recSettings.iRetries; ++iRound) {
        for (const QString &stNumber : recSettings.slNumbers) {
            if (fnbAbortRequested())
                return false;
            ++iAttempt;
            // A repeated attempt carries its number after the word, so that
            // the windows count it as a new attempt.
            pStatus(iAttempt == 1 ? std::string("Going Online...")
                                  : "--Retrying... " + std::to_string(iAttempt));
            const TenuDialResult enResult =
                objDialogue.fnenDial(stNumber.toStdString(), recSettings.bToneDialling);
            if (enResult == TenuDialResult::Connected)
                return true;
            objReport.pNote(
                QStringLiteral("Dialling %1 gave %2.")
                    .arg(stNumber, QLatin1String(arDialResults[static_cast<int>(enResult)])));
        }
    }
    return false;
}

bool TclsModemCall::fnbExchange(const TrecMessageHeaderStructure &recRequest,
                                TrecMessageHeaderStructure &recReply) {
    TclsCallerLinkStream objCaller(objLine, true);
    TclsLinkSession objSession(objCaller, [this](const std::string &st) { pStatus(st); });
    const TrecMessageData &recData = recRequest.recMessageData;
    if (!objSession.fnbSendMessage(std::string_view(recData.pchData, recData.iLength))) {
        objReport.pNote(QStringLiteral("The request could not be sent."));
        return false;
    }
    const std::optional<std::string> stReply = objSession.fnstReceiveMessage();
    if (!stReply) {
        objReport.pNote(QStringLiteral("No reply was received."));
        return false;
    }
    if (!fnbFillReplyRecord(*stReply, recReply)) {
        objReport.pNote(QStringLiteral("The host's answer is not a registration reply."));
        return false;
    }
    return true;
}

// Hanging up is done whatever was asked, so the modem never stays off hook.
void TclsModemCall::pHangUp() {
    TclsCallerLinkStream objCaller(objLine, false);
    TclsHayesDialogue objDialogue(objCaller, [this](const std::string &st) { pStatus(st); });
    objDialogue.fnbHangUp();
}

QString TclsModemCall::fnstRun(const TrecMessageHeaderStructure &recRequest,
                               TrecMessageHeaderStructure &recReply) {
    TclsCallerLinkStream objCaller(objLine, true);
    TclsHayesDialogue objDialogue(objCaller, [this](const std::string &st) { pStatus(st); });
    if (!objDialogue.fnbInitialise()) {
        objReport.pNote(fnbAbortRequested() ? QStringLiteral("Aborted by the user.")
                                            : QStringLiteral("The modem does not answer."));
        pStatus(cstGoingOffline);
        return cstFailure;
    }
    const bool bConnected = fnbDialUntilConnected(objDialogue);
    const bool bReplied = bConnected && fnbExchange(recRequest, recReply);
    if (bConnected || fnbAbortRequested())
        pHangUp();
    if (fnbAbortRequested()) {
        objReport.pNote(QStringLiteral("Aborted by the user."));
        pStatus(cstGoingOffline);
        return cstFailure;
    }
    pStatus(bReplied ? cstSuccessful : cstNotSuccessful);
    return bReplied ? cstSuccess : cstFailure;
}

} // namespace

QString fnstRunModemCall(const TrecMessageHeaderStructure &recRequest,
                         TrecMessageHeaderStructure &recReply, TpfnStatusCallback pfnStatus) {
    pClearAbort();
    TclsModemStatusReport objReport(pfnStatus);
    const TrecModemCallSettings recSettings = fnrecReadModemCallSettings();
    if (!recSettings.stError.isEmpty()) {
        objReport.pNote(recSettings.stError);
        objReport.pLine(recSettings.bModemFound ? cstNotSuccessful : cstModemNotAvailable);
        if (!recSettings.bModemFound)
            objReport.pLine(cstGoingOffline);
        return cstFailure;
    }
    if (!recRequest.recMessageData.pchData || recRequest.recMessageData.iLength == 0) {
        objReport.pNote(QStringLiteral("The request holds no message."));
        objReport.pLine(cstNotSuccessful);
        return cstFailure;
    }
    const TclsSerialDescriptor objFd(
        fniOpenSerialLine(recSettings.stDevice.toStdString(), recSettings.iBaud));
    if (objFd.iFd < 0) {
        objReport.pNote(
            QStringLiteral("The port %1 could not be opened.").arg(recSettings.stDevice));
        objReport.pLine(cstModemNotAvailable);
        objReport.pLine(cstGoingOffline);
        return cstFailure;
    }
    TclsFdLinkStream objLine(objFd.iFd);
    return TclsModemCall(objReport, recSettings, objLine).fnstRun(recRequest, recReply);
}
