// The status callback as the library drives it: the call's state through the
// status lines, which window each line reaches, the dial-attempt rule for
// "Retrying...", the unconfigured installation type and the modem warning;
// and the vocabulary that puts the lines into the user's language.
#include "UnitAdHocQuery.h"
#include "unitCommStatusMain.h"
#include "unitCommStatusVocabulary.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

#include <vector>

namespace {
class CommStatusUpdate : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    QStringList slShown; // what reached the windows, in order

    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
        pExecute(QStringLiteral("UPDATE config_zorv SET Modem_Name = ?, no_of_retries = ?, "
                                "comm_log_level = ?, installation_type = ?"),
                 {QStringLiteral("Hayes Optima"), 3, 1, QStringLiteral("1")});
        pSetCommStatusDisplay(
            {[this](const QString &st) { slShown << QStringLiteral("progress: ") + st; },
             [this](int iKind, const QString &st) {
                 slShown << QStringLiteral("status %1: ").arg(iKind) + st;
             },
             [this] { slShown << QStringLiteral("freed"); }});
    }
    void TearDown() override { pSetCommStatusDisplay({}); }

    static void pExecute(const QString &stSQL, const QVariantList &vlBinds = {}) {
        TclsAdHocQuery query;
        ASSERT_EQ(query.fniExecute(stSQL, vlBinds), 0) << qPrintable(stSQL);
        fniLoadConfigDLL(0);
    }

    // Online, finished and connected after each line, as o/f/c or dashes.
    static QString fnstFlags() {
        const TrecCommCallState &rec = grecCommCallState();
        return QString(rec.bOnline ? 'o' : '-') + (rec.bFinished ? 'f' : '-') +
               (rec.bConnected ? 'c' : '-');
    }
};
} // namespace

TEST_F(CommStatusUpdate, TheCallStateFollowsTheLinesAndEachLineReachesItsWindow) {
    const struct {
        const char *pchName;
        std::vector<const char *> arLines;
        QStringList slFlags; // after each line
        QStringList slShown;
    } arCases[] = {
        {"Retrying alone is no attempt",
         {"Setting modem to Command state...", "Retrying..."},
         {"---", "---"},
         {"status 1: Setting modem to Command state...", "status 1: Retrying..."}},
        {"Retrying at the third character is one",
         {"Setting modem to Command state...", "2 Retrying... (2)"},
         {"---", "o--"},
         {"status 1: Setting modem to Command state...", "progress: 2 Retrying... (2)"}},
        {"Retrying further on is none",
         {"Setting modem to Command state...", "Now Retrying..."},
         {"---", "---"},
         {"status 1: Setting modem to Command state...", "status 1: Now Retrying..."}},
        {"dialling, connecting and success",
         {"Setting modem to Command state...", "--Dialing Phone No 0395551234", "--Sending ENQ",
          "--Process Successful", "--Sending ENQ"},
         {"---", "o--", "--c", "-f-", "-f-"},
         {"status 1: Setting modem to Command state...", "progress: --Dialing Phone No 0395551234",
          "status 1: --Sending ENQ", "freed", "status 1: --Process Successful",
          "status 1: --Sending ENQ"}},
        {"a failed call after the host answered",
         {"Going Online...", "Connected to Zorv..", "--Process NOT Successful"},
         {"o--", "--c", "-f-"},
         {"progress: Going Online...", "status 1: Connected to Zorv..", "freed",
          "status 1: --Process NOT Successful"}},
        {"going offline keeps the connection flag",
         {"Initializing Modem...", "--Sending ENQ", "Going Offline", "Going Offline"},
         {"o--", "--c", "-fc", "-fc"},
         {"progress: Initializing Modem...", "status 1: --Sending ENQ", "freed",
          "status 1: Going Offline", "status 1: Going Offline"}},
        {"a new attempt after the end starts again",
         {"Going Online...", "--Process Successful", "Going Online..."},
         {"o--", "-f-", "o--"},
         {"progress: Going Online...", "freed", "status 1: --Process Successful",
          "progress: Going Online..."}},
    };
    for (const auto &c : arCases) {
        SCOPED_TRACE(c.pchName);
        TclsCommStatusMain objStatus;
        grecCommCallState().bOnline = false;
        grecCommCallState().bFinished = false;
        grecCommCallState().bConnected = false;
        slShown.clear();
        QStringList slFlags;
        for (const char *pchLine : c.arLines) {
            EXPECT_EQ(fniUpdateStatusMsg(pchLine), 0);
            slFlags << fnstFlags();
        }
        EXPECT_EQ(slFlags, c.slFlags);
        EXPECT_EQ(slShown, c.slShown);
    }
}

TEST_F(CommStatusUpdate, AnAttemptReadsTheRetriesOnceAndTheModemName) {
    TclsCommStatusMain objStatus;
    ASSERT_EQ(fniUpdateStatusMsg("Going Online..."), 0);
    EXPECT_EQ(grecCommCallState().iRetryCount, 3);
    EXPECT_EQ(grecCommCallState().stModemName, QStringLiteral("Hayes Optima"));
    pExecute(QStringLiteral("UPDATE config_zorv SET Modem_Name = ?, no_of_retries = ?"),
             {QStringLiteral("USR Sportster"), 7});
    ASSERT_EQ(fniUpdateStatusMsg("2 Retrying... (2)"), 0);
    EXPECT_EQ(grecCommCallState().iRetryCount, 3);
    EXPECT_EQ(grecCommCallState().stModemName, QStringLiteral("USR Sportster"));
}

TEST_F(CommStatusUpdate, AnUnconfiguredInstallationTypeShowsNothing) {
    pExecute(QStringLiteral("UPDATE config_zorv SET installation_type = ?"), {QStringLiteral("")});
    TclsCommStatusMain objStatus;
    EXPECT_EQ(fniUpdateStatusMsg("Going Online..."), -1);
    EXPECT_EQ(fniUpdateStatusMsg("--Process Successful"), -1);
    EXPECT_TRUE(slShown.isEmpty()) << qPrintable(slShown.join(QLatin1Char('\n')));
    EXPECT_FALSE(grecCommCallState().bFinished);
}

TEST_F(CommStatusUpdate, AMissingModemIsShownAndWarnedOnce) {
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    TclsCommStatusMain objStatus;
    grecCommCallState().bOnline = false;
    EXPECT_EQ(fniUpdateStatusMsg("Modem is not available."), 0);
    ASSERT_EQ(objAnswerer.fnarAsked().size(), 1U);
    EXPECT_EQ(objAnswerer.fnarAsked()[0].stMessage, QStringLiteral("Modem is not available."));
    EXPECT_EQ(objAnswerer.fnarAsked()[0].slButtons, QStringList{QStringLiteral("&OK")});
    EXPECT_EQ(slShown, QStringList{QStringLiteral("status 1: Modem is not available.")});
}

TEST_F(CommStatusUpdate, AnUnknownLoggingLevelShowsNoStatusWindow) {
    pExecute(QStringLiteral("UPDATE config_zorv SET comm_log_level = ?"), {5});
    TclsCommStatusMain objStatus;
    grecCommCallState().bOnline = false;
    EXPECT_EQ(fniUpdateStatusMsg("--Sending ENQ"), 0);
    EXPECT_EQ(fniUpdateStatusMsg("Going Online..."), 0);
    EXPECT_EQ(slShown, QStringList{QStringLiteral("progress: Going Online...")});
}

namespace {
// A dictionary that marks every text it knows, so a test sees which lines
// went through it.
class TclsMarkingTranslator : public QTranslator {
public:
    QString translate(const char *, const char *pchSource, const char *, int) const override {
        return QStringLiteral("<") + QString::fromLatin1(pchSource) + QStringLiteral(">");
    }
    bool isEmpty() const override { return false; }
};
} // namespace

TEST(CommStatusVocabulary, RecognisedLinesGoThroughTheDictionaryOthersStayAsTheyCame) {
    int iArgc = 1;
    char achName[] = "tst_CommStatusUpdate";
    char *apchArgv[] = {achName, nullptr};
    std::unique_ptr<QCoreApplication> objApp;
    if (!QCoreApplication::instance())
        objApp = std::make_unique<QCoreApplication>(iArgc, apchArgv);
    TclsMarkingTranslator objTranslator;
    ASSERT_TRUE(QCoreApplication::installTranslator(&objTranslator));
    const struct {
        QString stLine;
        QString stShown;
    } arCases[] = {
        {QStringLiteral("--Sending ENQ"), QStringLiteral("<--Sending ENQ>")},
        {QStringLiteral("....Hung up"), QStringLiteral("<....Hung up>")},
        {QStringLiteral("Going Offline"), QStringLiteral("<Going Offline>")},
        {QStringLiteral("--LRC Received :7F"), QStringLiteral("<--LRC Received :>7F")},
        {QStringLiteral("Expecting <ETX> Got <ETB>"),
         QStringLiteral("<Expecting <ETX> Got <>ETB>")},
        {QStringLiteral("--Sending ENQ "), QStringLiteral("--Sending ENQ ")},
        {QStringLiteral("Something new"), QStringLiteral("Something new")},
    };
    for (const auto &c : arCases)
        EXPECT_EQ(fnstMapStatusLine(c.stLine), c.stShown);
    QCoreApplication::removeTranslator(&objTranslator);
}
