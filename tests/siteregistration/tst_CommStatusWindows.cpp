// The status windows as the library's status lines drive them through the
// status callback: what each logging level shows, the one outcome box of a
// call, the level-2 progress bar and lights, and when a window may close.
#include "UnitAdHocQuery.h"
#include "unitCallProgress.h"
#include "unitCommStatusLog0.h"
#include "UnitCommStatusLog2.h"
#include "unitCommStatusMain.h"
#include "unitCommStatusWindows.h"
#include "unitCommunicationDLLAccess.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <vector>

namespace {
void pExecute(const QString &stSQL, const QVariantList &vlBinds) {
    TclsAdHocQuery query;
    QCOMPARE(query.fniExecute(stSQL, vlBinds), 0);
    fniLoadConfigDLL(0);
}

template <class T> T *fnpOpenControl(const char *pchName) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            if (T *p = w->findChild<T *>(QString::fromLatin1(pchName)))
                return p;
    return nullptr;
}

// Starts a call as the transaction does and feeds it the lines.
void pRunCall(const std::vector<const char *> &arLines) {
    TclsCommStatusMain objStatus;
    grecCommCallState().bOnline = false;
    for (const char *pchLine : arLines)
        fnpfnStatusCallback()(pchLine);
}
} // namespace

class tst_CommStatusWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void EachLevelShowsTheLinesItsWay();
    void ACallTellsItsOutcomeOnce();
    void TheLevelTwoBarAndLightsFollowTheCall();
    void AStatusWindowClosesOnlyOnceTheCallEnded();
    void DiallingShowsTheCallProgressWindow();
    void GoingOfflineAbortsAndTheModemsSilenceIsTheUsersAbort();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_CommStatusWindows::init() {
    objInstallation = std::make_unique<TclsTestInstallation>();
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    pExecute(QStringLiteral("UPDATE config_zorv SET installation_type = ?"), {QStringLiteral("1")});
    pRegisterCommStatusWindows();
}

void tst_CommStatusWindows::cleanup() {
    pFreeCommStatusWindows();
    objInstallation.reset();
}

void tst_CommStatusWindows::EachLevelShowsTheLinesItsWay() {
    const struct {
        int iLevel;
        const char *pchControl;
        QString stShown;
    } arCases[] = {
        {0, "lblStatusMsg", QStringLiteral("--Receiving data")},
        {1, "memStatus", QStringLiteral("Ready\n--Sending ENQ\n--Receiving data")},
        {2, "memStatus", QStringLiteral("Ready\n--Sending ENQ\n--Receiving data")},
        {2, "lblStatus", QStringLiteral("--Receiving data")},
    };
    for (const auto &c : arCases) {
        pExecute(QStringLiteral("UPDATE config_zorv SET comm_log_level = ?"), {c.iLevel});
        pRunCall({"Setting modem to Command state...", "--Sending ENQ", "--Receiving data"});
        QString stShown;
        if (auto *lbl = fnpOpenControl<QLabel>(c.pchControl))
            stShown = lbl->text();
        else if (auto *mem = fnpOpenControl<QPlainTextEdit>(c.pchControl))
            stShown = mem->toPlainText();
        QCOMPARE(stShown, c.stShown);
        pFreeCommStatusWindows();
    }
}

void tst_CommStatusWindows::ACallTellsItsOutcomeOnce() {
    const struct {
        std::vector<const char *> arLines;
        QString stBox;
    } arCases[] = {
        {{"Connected to Zorv..", "--Process Successful", "--Process NOT Successful"},
         QStringLiteral("Communication is successfully completed.")},
        {{"--Sending ENQ", "--Process NOT Successful", "--Process NOT Successful"},
         QStringLiteral("Communication with Zorv backend server failed.")},
        {{"Setting modem to Command state...", "--Process NOT Successful", "--Process Successful"},
         QStringLiteral("The backend Zorv server is not available. Modem operation failed.")},
        {{"Setting modem to Command state...", "No response from modem", "Cannot initialize modem"},
         QStringLiteral("Modem is not available.")},
    };
    for (const auto &c : arCases) {
        TclsScriptedAnswerer objAnswerer;
        objAnswerer.pExpect(0);
        pRunCall(c.arLines);
        QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
        QCOMPARE(objAnswerer.fnarAsked()[0].stMessage, c.stBox);
        QCOMPARE(objAnswerer.fnarAsked()[0].stCaption,
                 QStringLiteral("Zorv Morvane - Modem Communication"));
        QCOMPARE(objAnswerer.fnarAsked()[0].slButtons, QStringList{QStringLiteral("&OK")});
        pFreeCommStatusWindows();
    }
}

void tst_CommStatusWindows::TheLevelTwoBarAndLightsFollowTheCall() {
    // Lights on after each line, in the order CD Rx Tx CTS DSR Error.
    const struct {
        const char *pchLine;
        int iProgress;
        QString stLights;
    } arSteps[] = {
        {"Setting modem to Command state...", 5, QStringLiteral("------")},
        {"Initializing Modem...", 10, QStringLiteral("---CD-")},
        {"--Dialing Phone No 0395551234", 30, QStringLiteral("---CD-")},
        {"Connected to Zorv..", 40, QStringLiteral("C--CD-")},
        {"--Sending data", 60, QStringLiteral("C-TCD-")},
        {"--Receiving data", 80, QStringLiteral("CR-CD-")},
        {"--Timeout Receiving Data", 80, QStringLiteral("C--CDE")},
        {"--Received ETX", 90, QStringLiteral("CR-CD-")},
        {"....Hung up", 90, QStringLiteral("------")},
    };
    TclsCommStatusMain objStatus;
    TfrmCommStatusLog2 frm;
    frm.show();
    auto *prgStatus = frm.findChild<QProgressBar *>(QStringLiteral("prgStatus"));
    QCOMPARE(prgStatus->minimum(), 0);
    QCOMPARE(prgStatus->maximum(), 100);
    for (const auto &c : arSteps) {
        frm.fniUpdateStatusMsg(QString::fromLatin1(c.pchLine));
        QString stLights;
        for (const char *pchLight : {"btnCD", "btnRx", "btnTx", "btnCTS", "btnDSR", "btnError"}) {
            auto *btn = frm.findChild<QPushButton *>(QString::fromLatin1(pchLight));
            stLights += btn->isChecked() ? QChar::fromLatin1(pchLight[3]) : QLatin1Char('-');
        }
        QCOMPARE(prgStatus->value(), c.iProgress);
        QCOMPARE(stLights, c.stLights);
    }
    QCOMPARE(frm.findChild<QPushButton *>(QStringLiteral("btnCD"))->toolTip(),
             QStringLiteral("CD - Off"));
}

void tst_CommStatusWindows::AStatusWindowClosesOnlyOnceTheCallEnded() {
    TclsCommStatusMain objStatus;
    QWidget wMain;
    wMain.show();
    {
        TfrmCommStatusLog0 frm;
        frm.show();
        QCOMPARE(frm.windowTitle(), QStringLiteral("Zorv Morvane - Communication Status"));
        QVERIFY(!wMain.isEnabled());
        frm.fniUpdateStatusMsg(QStringLiteral("--Receiving data"));
        QTest::keyClick(&frm, Qt::Key_Escape);
        QVERIFY(frm.isVisible());
        frm.fniUpdateStatusMsg(QStringLiteral("Call Dropped..."));
        QTest::keyClick(&frm, Qt::Key_Escape);
        QVERIFY(!frm.isVisible());
        QVERIFY(wMain.isEnabled());
    }
}

void tst_CommStatusWindows::DiallingShowsTheCallProgressWindow() {
    pExecute(QStringLiteral("UPDATE config_zorv SET Modem_Name = ?"),
             {QStringLiteral("Hayes Optima")});
    pRunCall({"Going Online...", "--Dialing Phone No 0395551234"});
    auto *lblDialNo = fnpOpenControl<QLabel>("lblDialNo");
    QVERIFY(lblDialNo);
    QCOMPARE(lblDialNo->text(), QStringLiteral("0395551234"));
    QCOMPARE(fnpOpenControl<QLabel>("lblModemName")->text(), QStringLiteral("Hayes Optima"));
    QVERIFY(!fnpOpenControl<QLabel>("lblStatusMsg"));
}

void tst_CommStatusWindows::GoingOfflineAbortsAndTheModemsSilenceIsTheUsersAbort() {
    const QString stSource =
        qEnvironmentVariable("WIZARD_BIN_DIR") + QStringLiteral("/libtestcommlib.so");
    QVERIFY2(QFile::copy(stSource, objInstallation->fnstPath(
                                       QStringLiteral("Bin/libMorvaneCommunication.so"))),
             qPrintable(stSource));
    pLoadCommunicationDLL();
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    TclsCommStatusMain objStatus;
    TfrmCommStatusLog0 frm;
    frm.show();
    frm.fniUpdateStatusMsg(QStringLiteral("Going Offline"));
    QVERIFY(grecCommCallState().recOutcome.bAbortRequested);
    frm.fniUpdateStatusMsg(QStringLiteral("No response from modem"));
    pUnloadCommunicationDLL();
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
    QCOMPARE(objAnswerer.fnarAsked()[0].stMessage, QStringLiteral("Dial aborted by the user."));
    QCOMPARE(frm.findChild<QLabel *>(QStringLiteral("lblStatusMsg"))->text(),
             QStringLiteral("Dial aborted by the user."));
}

QTEST_MAIN(tst_CommStatusWindows)
#include "tst_CommStatusWindows.moc"
