// The carrier host's modem: a site dials the pseudo-terminal the host
// publishes, sends its registration over the link and reads the REGP reply
// with the same pieces the communication library uses; and every way the
// modem can be told to fail a call.
#include "tstCarrierHostHelpers.h"
#include "UnitCarrierHost.h"

#include "unitHayesDialogue.h"
#include "unitLinkReply.h"
#include "unitLinkSerialLine.h"
#include "unitLinkSession.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <unistd.h>

using namespace ModemLink;

namespace {

const std::string kstNumber = "0W0212345678";

// The link's waits shortened so a call the host breaks fails quickly;
// the host answers well within them.
TrecLinkLimits fnrecSiteLimits() {
    TrecLinkLimits rec;
    rec.iStartMs = 1000;
    rec.iByteMs = 500;
    rec.iEnqMs = 20000;
    return rec;
}

// What the site saw of one call.
struct TrecSiteCall {
    bool bOpened = false;
    bool bInitialised = false;
    std::vector<TenuDialResult> vecDials;
    bool bSent = false;
    std::optional<std::string> stReply;
    bool bHungUp = false;
    std::vector<std::string> vecStatus;

    // For a failure message: the status lines as the site reported them.
    std::string fnstStatus() const {
        std::string st;
        for (const std::string &stLine : vecStatus)
            st += stLine + "\n";
        return st;
    }
    bool fnbSawStatus(const std::string &st) const {
        return std::find(vecStatus.begin(), vecStatus.end(), st) != vecStatus.end();
    }
};

// Opens the port, dials up to iDials times until one connects, sends the
// message, reads the reply, hangs up and closes the port, as a site does.
TrecSiteCall fnrecCall(const QString &stDevice, const QByteArray &baMessage, int iDials = 1) {
    TrecSiteCall rec;
    const int iFd = fniOpenSerialLine(stDevice.toStdString(), 9600);
    rec.bOpened = iFd >= 0;
    if (!rec.bOpened)
        return rec;
    TclsFdLinkStream objStream(iFd);
    const TpfnLinkStatus pfnStatus = [&rec](const std::string &st) { rec.vecStatus.push_back(st); };
    TrecHayesLimits recHayes;
    recHayes.iGuardMs = 50;
    recHayes.iConnectMs = 10000;
    TclsHayesDialogue objDialogue(objStream, pfnStatus, recHayes);
    rec.bInitialised = objDialogue.fnbInitialise();
    for (int i = 0; rec.bInitialised && i < iDials; ++i) {
        rec.vecDials.push_back(objDialogue.fnenDial(kstNumber));
        if (rec.vecDials.back() == TenuDialResult::Connected)
            break;
    }
    if (!rec.vecDials.empty() && rec.vecDials.back() == TenuDialResult::Connected) {
        TclsLinkSession objSession(objStream, pfnStatus, fnrecSiteLimits());
        rec.bSent = objSession.fnbSendMessage(baMessage.toStdString());
        if (rec.bSent)
            rec.stReply = objSession.fnstReceiveMessage();
        rec.bHungUp = objDialogue.fnbHangUp();
    }
    close(iFd);
    return rec;
}

// The reply as the communication library fills the client's record.
struct TrecClientReply {
    bool bParsed = false;
    std::string stSiteId, stShpStatus, stShpLow, stShpHigh, stLpStatus, stLpLow, stLpHigh,
        stPickupStatus, stCountry;
};

TrecClientReply fnrecClientReply(const std::string &stReply) {
    TrecMessageHeaderStructure recHeader{};
    char achData[1024];
    recHeader.recMessageData = {achData, 0, sizeof achData};
    TrecClientReply rec;
    rec.bParsed = fnbFillReplyRecord(stReply, recHeader);
    rec.stSiteId = stReply.substr(4, 16);
    rec.stShpStatus = recHeader.recShipmentRange.achStatus;
    rec.stShpLow = recHeader.recShipmentRange.achLowerBound;
    rec.stShpHigh = recHeader.recShipmentRange.achUpperBound;
    rec.stLpStatus = recHeader.recLPRange.achStatus;
    rec.stLpLow = recHeader.recLPRange.achLowerBound;
    rec.stLpHigh = recHeader.recLPRange.achUpperBound;
    rec.stPickupStatus = recHeader.recPickup.achStatus;
    rec.stCountry = recHeader.recPickup.achCountryCode;
    return rec;
}

// A number column as the reply writes it, zero-padded to iWidth digits.
std::string fnstNumber(const QVariant &v, int iWidth = 0) {
    return v.isNull() ? std::string()
                      : QStringLiteral("%1")
                            .arg(v.toLongLong(), iWidth, 10, QLatin1Char('0'))
                            .toStdString();
}

class CarrierHostModem : public ::testing::Test {
protected:
    TrecCarrierHostOptions fnrecOptions() {
        TrecCarrierHostOptions rec;
        rec.stDatabaseFile = fnstDatabase();
        rec.bModem = true;
        rec.pfnLog = [this](const QString &stLine) {
            std::lock_guard lock(mtxLog);
            slLog.append(stLine);
        };
        return rec;
    }
    QString fnstDatabase() const { return dirWork.filePath(QStringLiteral("host.db")); }
    QStringList fnslLog() {
        std::lock_guard lock(mtxLog);
        return slLog;
    }
    void pStart(const TrecCarrierHostOptions &rec) {
        QString stError;
        ASSERT_TRUE(objHost.fnbStart(rec, stError)) << qPrintable(stError);
        ASSERT_TRUE(objHost.fnstModemDevice().startsWith(QStringLiteral("/dev/pts/")))
            << qPrintable(objHost.fnstModemDevice());
    }

    QTemporaryDir dirWork;
    TclsCarrierHost objHost;
    std::mutex mtxLog;
    QStringList slLog;
};

enum class TenuReply { None, Registered, Refused, NotAReply };

} // namespace

TEST_F(CarrierHostModem, CallsAndTheirFailures) {
    const QByteArray baFile = fnbaSiteRegsFile(TrecTestSite{});
    const QByteArray baMessage = fnbaModemMessage(baFile);
    struct TrecCase {
        const char *pchName;
        TenumModemFailure enFailure;
        int iBusyCalls;
        QByteArray baMessage;
        int iDials;
        std::vector<TenuDialResult> vecDials;
        TenuReply enReply;
        std::size_t iRows;
        std::vector<std::string> vecStatus; // lines the site must have seen
        QStringList slLog;                  // the host's lines, after the time stamp
    };
    const QString stCall = QStringLiteral("modem %1 ").arg(QString::fromStdString(kstNumber));
    const std::vector<TrecCase> arCases = {
        {"answered",
         TenumModemFailure::None,
         0,
         baMessage,
         1,
         {TenuDialResult::Connected},
         TenuReply::Registered,
         1,
         {"Connected to Zorv..", "--Valid LRC : Sending ACK"},
         {stCall + QStringLiteral("CONNECT REGP ACM0000000001ZOZ shipments 1000000000-1000000499"
                                  " LPs JZLP0000000001-JZLP0000000100 pickup GB")}},
        {"busy then answer on retry",
         TenumModemFailure::None,
         1,
         baMessage,
         3,
         {TenuDialResult::Busy, TenuDialResult::Connected},
         TenuReply::Registered,
         1,
         {},
         {stCall + QStringLiteral("BUSY [busy as asked]"),
          stCall + QStringLiteral("CONNECT REGP")}},
        {"busy",
         TenumModemFailure::Busy,
         0,
         baMessage,
         2,
         {TenuDialResult::Busy, TenuDialResult::Busy},
         TenuReply::None,
         0,
         {},
         {stCall + QStringLiteral("BUSY [busy as asked]"),
          stCall + QStringLiteral("BUSY [busy as asked]")}},
        {"no answer",
         TenumModemFailure::NoAnswer,
         0,
         baMessage,
         1,
         {TenuDialResult::NoAnswer},
         TenuReply::None,
         0,
         {},
         {stCall + QStringLiteral("NO ANSWER [no-answer as asked]")}},
        {"corrupt once",
         TenumModemFailure::CorruptOnce,
         0,
         baMessage,
         1,
         {TenuDialResult::Connected},
         TenuReply::Registered,
         1,
         {"Checksum Failure", "--Sending NAK"},
         {stCall + QStringLiteral("CONNECT REGP ACM0000000001ZOZ")}},
        {"drop",
         TenumModemFailure::Drop,
         0,
         baMessage,
         1,
         {TenuDialResult::Connected},
         TenuReply::None,
         1,
         {"--Received STX"},
         {stCall + QStringLiteral("CONNECT REGP ACM0000000001ZOZ")}},
        {"wrong answer",
         TenumModemFailure::WrongAnswer,
         0,
         baMessage,
         1,
         {TenuDialResult::Connected},
         TenuReply::NotAReply,
         0,
         {},
         {stCall + QStringLiteral("CONNECT a message that is no reply [wrong-answer as asked]")}},
        {"size not as announced",
         TenumModemFailure::None,
         0,
         fnbaModemMessage(baFile, baFile.size() + 1),
         1,
         {TenuDialResult::Connected},
         TenuReply::Refused,
         0,
         {},
         {stCall + QStringLiteral("CONNECT REGP refused: the header announces")}},
        {"no closing GS",
         TenumModemFailure::None,
         0,
         baMessage.chopped(1),
         1,
         {TenuDialResult::Connected},
         TenuReply::Refused,
         0,
         {},
         {stCall + QStringLiteral("CONNECT REGP refused: the message does not end with GS")}},
    };
    for (const TrecCase &recCase : arCases) {
        SCOPED_TRACE(recCase.pchName);
        QFile::remove(fnstDatabase());
        {
            std::lock_guard lock(mtxLog);
            slLog.clear();
        }
        TrecCarrierHostOptions rec = fnrecOptions();
        rec.enModemFailure = recCase.enFailure;
        rec.iModemBusyCalls = recCase.iBusyCalls;
        pStart(rec);
        const TrecSiteCall recCall =
            fnrecCall(objHost.fnstModemDevice(), recCase.baMessage, recCase.iDials);
        objHost.pStop();

        EXPECT_TRUE(recCall.bInitialised);
        EXPECT_EQ(recCall.vecDials, recCase.vecDials);
        const bool bConnected = recCase.vecDials.back() == TenuDialResult::Connected;
        EXPECT_EQ(recCall.bSent, bConnected);
        // Also after a drop: the modem is back in command state and takes the ATH.
        EXPECT_EQ(recCall.bHungUp, bConnected) << recCall.fnstStatus();
        for (const std::string &stStatus : recCase.vecStatus)
            EXPECT_TRUE(recCall.fnbSawStatus(stStatus)) << stStatus;
        const auto arRows = fnarRegistrationRows(fnstDatabase());
        ASSERT_EQ(arRows.size(), recCase.iRows);

        ASSERT_EQ(recCall.stReply.has_value(), recCase.enReply != TenuReply::None);
        if (recCall.stReply) {
            const TrecClientReply recReply = fnrecClientReply(*recCall.stReply);
            EXPECT_EQ(recReply.bParsed, recCase.enReply != TenuReply::NotAReply)
                << *recCall.stReply;
            if (recCase.enReply == TenuReply::Registered) {
                EXPECT_EQ(recReply.stSiteId, arRows[0].stSiteId.toStdString());
                EXPECT_TRUE(fnbPassesManualSiteIdRule(QString::fromStdString(recReply.stSiteId)));
                EXPECT_EQ(recReply.stShpStatus, "0");
                EXPECT_EQ(recReply.stShpLow, fnstNumber(arRows[0].vShpLow));
                EXPECT_EQ(recReply.stShpHigh, fnstNumber(arRows[0].vShpHigh));
                EXPECT_EQ(recReply.stLpStatus, "0");
                EXPECT_EQ(recReply.stLpLow, "JZLP" + fnstNumber(arRows[0].vLpLow, 10));
                EXPECT_EQ(recReply.stPickupStatus, "0");
                EXPECT_EQ(recReply.stCountry, "GB");
            } else if (recCase.enReply == TenuReply::Refused) {
                EXPECT_EQ(recReply.stSiteId, std::string(16, ' '));
                EXPECT_EQ(recReply.stShpStatus, "1");
                EXPECT_EQ(recReply.stLpStatus, "1");
                EXPECT_EQ(recReply.stPickupStatus, "1");
            } else {
                EXPECT_NE(recCall.stReply->rfind("REGP", 0), 0u);
            }
        }

        const QStringList slLines = fnslLog();
        ASSERT_EQ(slLines.size(), recCase.slLog.size()) << qPrintable(slLines.join('\n'));
        for (qsizetype i = 0; i < slLines.size(); ++i)
            EXPECT_TRUE(slLines[i].mid(20).startsWith(recCase.slLog[i])) << qPrintable(slLines[i]);
    }
}

TEST_F(CarrierHostModem, CallsOneAfterAnother) {
    pStart(fnrecOptions());
    const QByteArray baMessage = fnbaModemMessage(fnbaSiteRegsFile(TrecTestSite{}));
    // The port is closed and opened again between the calls, as a site does.
    const TrecSiteCall recFirst = fnrecCall(objHost.fnstModemDevice(), baMessage);
    const TrecSiteCall recSecond = fnrecCall(objHost.fnstModemDevice(), baMessage);
    ASSERT_TRUE(recFirst.stReply && recSecond.stReply);
    EXPECT_TRUE(recFirst.bHungUp) << recFirst.fnstStatus();
    EXPECT_TRUE(recSecond.bHungUp) << recSecond.fnstStatus();
    const TrecClientReply recReply1 = fnrecClientReply(*recFirst.stReply);
    const TrecClientReply recReply2 = fnrecClientReply(*recSecond.stReply);
    EXPECT_EQ(recReply1.stSiteId, "ACM0000000001ZOZ");
    EXPECT_EQ(recReply2.stSiteId, "ACM0000000002ZOZ");
    EXPECT_EQ(recReply2.stShpLow, "1000000500");
    EXPECT_EQ(recReply2.stLpLow, "JZLP0000000101");
    EXPECT_EQ(fnarRegistrationRows(fnstDatabase()).size(), 2u);
}

TEST_F(CarrierHostModem, WhatACallerLeftUnreadDoesNotReachTheNext) {
    pStart(fnrecOptions());
    {
        // A caller that goes away without reading the modem's answer.
        const int iFd = fniOpenSerialLine(objHost.fnstModemDevice().toStdString(), 9600);
        ASSERT_GE(iFd, 0);
        ASSERT_EQ(write(iFd, "ATZ\r", 4), 4);
        close(iFd);
    }
    // Longer than the line's quiet second after which it throws leftovers away.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    const TrecSiteCall recCall =
        fnrecCall(objHost.fnstModemDevice(), fnbaModemMessage(fnbaSiteRegsFile(TrecTestSite{})));
    EXPECT_EQ(recCall.vecDials, std::vector<TenuDialResult>{TenuDialResult::Connected})
        << recCall.fnstStatus();
    EXPECT_TRUE(recCall.stReply.has_value());
}

TEST_F(CarrierHostModem, FailNextCallGoesBeforeTheStandingFailure) {
    TrecCarrierHostOptions rec = fnrecOptions();
    rec.enModemFailure = TenumModemFailure::Busy;
    rec.bModemFailOnce = true;
    pStart(rec);
    objHost.pFailNextCall(TenumModemFailure::NoAnswer);
    const QByteArray baMessage = fnbaModemMessage(fnbaSiteRegsFile(TrecTestSite{}));
    const TrecSiteCall recCall = fnrecCall(objHost.fnstModemDevice(), baMessage, 3);
    EXPECT_EQ(recCall.vecDials,
              (std::vector<TenuDialResult>{TenuDialResult::NoAnswer, TenuDialResult::Busy,
                                           TenuDialResult::Connected}));
    EXPECT_TRUE(recCall.stReply.has_value());
}

TEST_F(CarrierHostModem, StoppingEndsTheCallInProgress) {
    pStart(fnrecOptions());
    const int iFd = fniOpenSerialLine(objHost.fnstModemDevice().toStdString(), 9600);
    ASSERT_GE(iFd, 0);
    TclsFdLinkStream objStream(iFd);
    TrecHayesLimits recHayes;
    recHayes.iConnectMs = 10000;
    TclsHayesDialogue objDialogue(objStream, {}, recHayes);
    ASSERT_TRUE(objDialogue.fnbInitialise());
    ASSERT_EQ(objDialogue.fnenDial(kstNumber), TenuDialResult::Connected);
    objHost.pStop();
    // The host's end of the line is gone: the site's send cannot get an ACK.
    TclsLinkSession objSession(objStream, {}, fnrecSiteLimits());
    EXPECT_FALSE(objSession.fnbSendMessage("REGR"));
    EXPECT_TRUE(objHost.fnstModemDevice().isEmpty());
    close(iFd);
}

TEST(CarrierHostModemProgram, PrintsItsModemAndServesACall) {
    QTemporaryDir dirWork;
    QProcess objProcess;
    objProcess.start(fnstCarrierHostProgram(),
                     {QStringLiteral("--database"), dirWork.filePath(QStringLiteral("host.db")),
                      QStringLiteral("--modem"), QStringLiteral("--modem-busy-calls"),
                      QStringLiteral("1")});
    ASSERT_TRUE(objProcess.waitForStarted(10000));
    const QStringList slOut = fnslFirstLines(objProcess, 2);
    ASSERT_EQ(slOut.size(), 2) << objProcess.readAllStandardError().constData();
    EXPECT_TRUE(slOut[0].startsWith(QStringLiteral("carrier-host: listening on http://")));
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^modem: (/dev/pts/\\d+)$")).match(slOut[1]);
    ASSERT_TRUE(match.hasMatch()) << qPrintable(slOut[1]);

    const TrecSiteCall recCall =
        fnrecCall(match.captured(1), fnbaModemMessage(fnbaSiteRegsFile(TrecTestSite{})), 2);
    ASSERT_TRUE(recCall.stReply.has_value());
    EXPECT_EQ(fnrecClientReply(*recCall.stReply).stSiteId, "ACM0000000001ZOZ");

    objProcess.terminate();
    ASSERT_TRUE(objProcess.waitForFinished(10000));
    EXPECT_EQ(objProcess.exitCode(), 0);
    const QList<QByteArray> arLines = objProcess.readAllStandardError().trimmed().split('\n');
    ASSERT_EQ(arLines.size(), 3);
    EXPECT_TRUE(arLines[0].contains(" modem 0W0212345678 BUSY [busy as asked]"))
        << arLines[0].data();
    EXPECT_TRUE(arLines[1].contains(" modem 0W0212345678 CONNECT REGP ACM0000000001ZOZ "))
        << arLines[1].data();
    EXPECT_EQ(arLines[2], "carrier-host: stopped on signal 15");
}

TEST(CarrierHostModemProgram, RefusesBadModemSwitches) {
    const struct {
        QStringList slArguments;
        const char *pchError;
    } arCases[] = {
        {{QStringLiteral("--modem"), QStringLiteral("--modem-fail"), QStringLiteral("often")},
         "unknown --modem-fail mode"},
        {{QStringLiteral("--modem"), QStringLiteral("--modem-fail-once")},
         "--modem-fail-once needs --modem-fail"},
        {{QStringLiteral("--modem-fail"), QStringLiteral("busy")}, "need --modem"},
        {{QStringLiteral("--modem"), QStringLiteral("--modem-busy-calls"), QStringLiteral("-1")},
         "--modem-busy-calls needs"},
    };
    QTemporaryDir dirWork;
    for (const auto &rec : arCases) {
        QProcess objProcess;
        objProcess.start(
            fnstCarrierHostProgram(),
            QStringList{QStringLiteral("--database"), dirWork.filePath(QStringLiteral("h.db"))} +
                rec.slArguments);
        ASSERT_TRUE(objProcess.waitForFinished(10000)) << rec.pchError;
        EXPECT_EQ(objProcess.exitCode(), 2) << rec.pchError;
        EXPECT_TRUE(objProcess.readAllStandardError().contains(rec.pchError)) << rec.pchError;
    }
}
