// Loading the communication library: a real shared library (built for these
// tests) is copied beside the executable under the library's name, loaded and
// freed for each call, and what the wrappers hand it arrives.
#include "unitCommRecordText.h"
#include "unitCommunicationDLLAccess.h"
#include "UnitTestInstallation.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
class CommunicationDLLAccess : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;

    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    }

    // Puts the named test library in Bin as the communication library.
    void pInstallLibrary(const char *pchTestLibrary) {
        const QString stSource = qEnvironmentVariable("WIZARD_BIN_DIR") + QLatin1Char('/') +
                                 QLatin1String(pchTestLibrary);
        ASSERT_TRUE(QFile::copy(
            stSource, objInstallation.fnstPath(QStringLiteral("Bin/libMorvaneCommunication.so"))))
            << qPrintable(stSource);
    }
};

// A request record carrying the text as its message data, and a reply record
// whose buffer is the caller's.
struct TrecModemExchange {
    QByteArray baRequest;
    QByteArray baReply;
    TrecMessageHeaderStructure recRequest{};
    TrecMessageHeaderStructure recReply{};

    TrecModemExchange(const QByteArray &baText, uint32_t iReplyCapacity)
        : baRequest(baText), baReply(qsizetype(iReplyCapacity), '\0') {
        recRequest.recMessageData = {baRequest.data(), uint32_t(baRequest.size()),
                                     uint32_t(baRequest.size())};
        pSetShortText(recRequest.shtMessageCode, QStringLiteral("REGR"));
        recReply.recMessageData = {baReply.data(), 0, iReplyCapacity};
    }
    QByteArray fnbaReplyData() const { return baReply.left(recReply.recMessageData.iLength); }
};

QStringList gslStatusLines;
int giWindowCalls = 0;
int fniRecordStatus(const char *pchLine) {
    gslStatusLines << QString::fromLatin1(pchLine);
    return 0;
}
void pRecordWindow() {
    ++giWindowCalls;
}
} // namespace

TEST_F(CommunicationDLLAccess, EachCallLoadsAndFreesTheLibraryAndTheRequestArrives) {
    pInstallLibrary("libtestcommlib.so");
    const TrecCommLibraryUse recBefore = fnrecCommLibraryUse();
    gslStatusLines.clear();
    giWindowCalls = 0;
    for (int iCall = 1; iCall <= 2; ++iCall) {
        SCOPED_TRACE(iCall);
        TrecModemExchange rec("REGRSiteRegs.txt\x1c"
                              "body",
                              4096);
        EXPECT_EQ(
            fnstCommViaModemCall(rec.recRequest, rec.recReply, fniRecordStatus, pRecordWindow),
            QStringLiteral("SUCCESS"));
        EXPECT_EQ(rec.fnbaReplyData(), QByteArray("REGRSiteRegs.txt\x1c"
                                                  "body"));
        EXPECT_EQ(fnstFixedText(rec.recReply.recLPRange.achRangeType), QStringLiteral("REGR"));
        // A library kept loaded between calls would count on.
        EXPECT_EQ(fnstFixedText(rec.recReply.recShipmentRange.achRangeType),
                  QStringLiteral("calls=1"));
        EXPECT_FALSE(fnbCommunicationDLLLoaded());
        EXPECT_EQ(fnrecCommEntryPoints().fnstCommViaModem, nullptr);
    }
    EXPECT_EQ(fnrecCommLibraryUse().iLoads - recBefore.iLoads, 2);
    EXPECT_EQ(fnrecCommLibraryUse().iUnloads - recBefore.iUnloads, 2);
    EXPECT_EQ(gslStatusLines, QStringList({QStringLiteral("--Process Successful"),
                                           QStringLiteral("--Process Successful")}));
    EXPECT_EQ(giWindowCalls, 2);

    TrecSiteRegHTTPResp recReply{};
    EXPECT_EQ(fnstCommViaHTTPServicesCall("msg_type=0&msg_hdr=REGR", recReply, 1, 5, QString()),
              QStringLiteral("success"))
        << "the library's own words come back as they are";
    EXPECT_EQ(fnstFixedText(recReply.achPickupAddress1), QStringLiteral("msg_type=0&msg_hdr=REGR"));
    EXPECT_EQ(fnstFixedText(recReply.achPickupCity), QStringLiteral("ssl=1"));
    EXPECT_EQ(fnstFixedText(recReply.achPickupPostcode), QStringLiteral("service=5"));
    EXPECT_EQ(fnstFixedText(recReply.achPickupCountryCode), QStringLiteral("[]"));
    EXPECT_EQ(fnstFixedText(recReply.achLPStatus), QStringLiteral("1"));
    EXPECT_EQ(fnrecCommLibraryUse().iUnloads - recBefore.iUnloads, 3);
}

TEST_F(CommunicationDLLAccess, AReplyNeverRunsPastTheCallersBuffer) {
    pInstallLibrary("libtestcommlib.so");
    TrecModemExchange rec(QByteArray(100, 'x'), 10);
    EXPECT_EQ(fnstCommViaModemCall(rec.recRequest, rec.recReply, nullptr, nullptr),
              QStringLiteral("SUCCESS"));
    EXPECT_EQ(rec.fnbaReplyData(), QByteArray(10, 'x'));
}

TEST_F(CommunicationDLLAccess, FailuresGiveTheWrappersWords) {
    const struct {
        const char *pchLibrary; // nullptr: no library in Bin
        QByteArray baRequest;
        QString stModem;
        QString stHTTP;
    } arCases[] = {
        {nullptr, "REGR", QStringLiteral("Error in DLL Loading"), QStringLiteral("FAILURE")},
        {"libtestcommlibhttponly.so", "REGR", QStringLiteral("FAILURE"), QStringLiteral("success")},
        {"libtestcommlib.so", "THROW", QStringLiteral("Error in modem communication"),
         QStringLiteral("success")},
    };
    for (const auto &recCase : arCases) {
        SCOPED_TRACE(recCase.pchLibrary ? recCase.pchLibrary : "no library");
        QFile::remove(objInstallation.fnstPath(QStringLiteral("Bin/libMorvaneCommunication.so")));
        if (recCase.pchLibrary)
            pInstallLibrary(recCase.pchLibrary);
        const TrecCommLibraryUse recBefore = fnrecCommLibraryUse();
        TrecModemExchange rec(recCase.baRequest, 4096);
        EXPECT_EQ(fnstCommViaModemCall(rec.recRequest, rec.recReply, nullptr, nullptr),
                  recCase.stModem);
        TrecSiteRegHTTPResp recReply{};
        EXPECT_EQ(fnstCommViaHTTPServicesCall("body", recReply, 0, 5, QString()), recCase.stHTTP);
        EXPECT_FALSE(fnbCommunicationDLLLoaded());
        EXPECT_EQ(fnrecCommLibraryUse().iLoads - recBefore.iLoads,
                  fnrecCommLibraryUse().iUnloads - recBefore.iUnloads);
    }
}

TEST_F(CommunicationDLLAccess, EntryPointsTheLibraryLacksStayEmpty) {
    pInstallLibrary("libtestcommlibhttponly.so");
    pLoadCommunicationDLL();
    ASSERT_TRUE(fnbCommunicationDLLLoaded());
    const TrecCommEntryPoints &rec = fnrecCommEntryPoints();
    EXPECT_NE(rec.fnstCommViaHTTPServices, nullptr);
    EXPECT_EQ(rec.fnstCommViaModem, nullptr);
    EXPECT_EQ(rec.pSetAbort, nullptr);
    EXPECT_EQ(rec.fnstCommViaFTP, nullptr);
    // Loading again while loaded keeps the one handle.
    const int iLoads = fnrecCommLibraryUse().iLoads;
    pLoadCommunicationDLL();
    EXPECT_EQ(fnrecCommLibraryUse().iLoads, iLoads);
    pUnloadCommunicationDLL();
    EXPECT_FALSE(fnbCommunicationDLLLoaded());
    EXPECT_EQ(fnrecCommEntryPoints().fnstCommViaHTTPServices, nullptr);
}
