// The windows of a modem call as the library's status lines drive them, and the debugger.
#include "UnitAdHocQuery.h"
#include "unitCallProgress.h"
#include "unitCommStatusLog0.h"
#include "unitCommStatusMain.h"
#include "unitCommStatusWindows.h"
#include "unitCommunicationDLLAccess.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "unitDebugger.h"
#include "UnitInsideModalLoop.h"
#include "UnitModalDialog.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <optional>
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

// What the debugger lists of the Comm.log init writes.
const QStringList cslCommLogShown = {QStringLiteral("Going Online..."),
                                     QStringLiteral("--Sending ENQ"), QStringLiteral(" "),
                                     QStringLiteral("Something the library said")};

// Stands in for the modal loop: records what the debugger shows, then closes it with Esc.
class TclsDebuggerWatch {
public:
    explicit TclsDebuggerWatch(QWidget *wCallWindow = nullptr) {
        fnPrevious = pSetModalRunner(fnrunAnsweringInside([this, wCallWindow](QDialog &dlg) {
            dlg.show();
            auto *lbxStatus = dlg.findChild<QListWidget *>(QStringLiteral("lbxStatus"));
            QStringList sl;
            for (int i = 0; i < lbxStatus->count(); ++i)
                sl << lbxStatus->item(i)->text();
            bCallWindowVisible = wCallWindow && wCallWindow->isVisible();
            bAnythingSelected = !lbxStatus->selectedItems().isEmpty();
            optListed = sl;
            QTest::keyClick(&dlg, Qt::Key_Escape);
            bClosedByEsc = !dlg.isVisible();
            return dlg.result();
        }));
    }
    ~TclsDebuggerWatch() { pSetModalRunner(fnPrevious); }
    TclsDebuggerWatch(const TclsDebuggerWatch &) = delete;
    TclsDebuggerWatch &operator=(const TclsDebuggerWatch &) = delete;

    std::optional<QStringList> optListed; // set once the debugger was shown
    bool bCallWindowVisible = false, bAnythingSelected = false, bClosedByEsc = false;

private:
    TModalRunner fnPrevious;
};
} // namespace

class tst_CommStatusWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void EachLevelShowsTheLinesItsWay();
    void ACallTellsItsOutcomeOnce();
    void GoingOfflineAbortsAndTheModemsSilenceIsTheUsersAbort();
    void CancelClosesTheCallProgressOnlyThroughTheLibrarysAbort();
    void TheDebuggerListsCommLogWithoutEmptyAndNotificationLines();
    void ClosingAWindowAfterTheCallOpensTheDebugger_data();
    void ClosingAWindowAfterTheCallOpensTheDebugger();

private:
    void pInstallTestLibrary();
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_CommStatusWindows::init() {
    objInstallation = std::make_unique<TclsTestInstallation>();
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    pExecute(QStringLiteral("UPDATE config_zorv SET installation_type = ?, Modem_Name = ?"),
             {QStringLiteral("1"), QStringLiteral("Hayes Optima")});
    QVERIFY(QDir().mkpath(objInstallation->fnstPath(QStringLiteral("Logs"))));
    QVERIFY(objInstallation->fnbWriteFile(QStringLiteral("Logs/Comm.log"),
                                          "Going Online...\r\n"
                                          "\n"
                                          "12:00:01 Update Progress Shipment Notification 4711\n"
                                          "--Sending ENQ\n"
                                          " \n"
                                          "Update Progress Shipment Notification\n"
                                          "Something the library said"));
    pRegisterCommStatusWindows();
}

void tst_CommStatusWindows::cleanup() {
    pFreeCommStatusWindows();
    objInstallation.reset();
}

void tst_CommStatusWindows::pInstallTestLibrary() {
    const QString stSource =
        qEnvironmentVariable("WIZARD_BIN_DIR") + QStringLiteral("/libtestcommlib.so");
    QVERIFY2(QFile::copy(stSource, objInstallation->fnstPath(
                                       QStringLiteral("Bin/libMorvaneCommunication.so"))),
             qPrintable(stSource));
    pLoadCommunicationDLL();
}

void tst_CommStatusWindows::EachLevelShowsTheLinesItsWay() {
    const QString stAll = QStringLiteral("Ready\n--Sending ENQ\n--Receiving data");
    const QString stLast = QStringLiteral("--Receiving data");
    const std::tuple<int, const char *, QString> arCases[] = {{0, "lblStatusMsg", stLast},
                                                              {1, "memStatus", stAll},
                                                              {2, "memStatus", stAll},
                                                              {2, "lblStatus", stLast}};
    for (const auto &[iLevel, pchControl, stShown] : arCases) {
        pExecute(QStringLiteral("UPDATE config_zorv SET comm_log_level = ?"), {iLevel});
        pRunCall({"Setting modem to Command state...", "--Sending ENQ", "--Receiving data"});
        if (auto *lbl = fnpOpenControl<QLabel>(pchControl))
            QCOMPARE(lbl->text(), stShown);
        else
            QCOMPARE(fnpOpenControl<QPlainTextEdit>(pchControl)->toPlainText(), stShown);
        pFreeCommStatusWindows();
    }
    // Dialling swaps the status window for the call progress.
    pRunCall({"Going Online...", "--Dialing Phone No 0395551234"});
    QCOMPARE(fnpOpenControl<QLabel>("lblDialNo")->text(), QStringLiteral("0395551234"));
    QVERIFY(!fnpOpenControl<QLabel>("lblStatusMsg"));
}

void tst_CommStatusWindows::ACallTellsItsOutcomeOnce() {
    const std::pair<std::vector<const char *>, QString> arCases[] = {
        {{"Connected to Zorv..", "--Process Successful", "--Process NOT Successful"},
         QStringLiteral("Communication is successfully completed.")},
        {{"Setting modem to Command state...", "No response from modem", "Cannot initialize modem"},
         QStringLiteral("Modem is not available.")},
    };
    for (const auto &[arLines, stBox] : arCases) {
        TclsScriptedAnswerer objAnswerer;
        objAnswerer.pExpect(0);
        pRunCall(arLines);
        QCOMPARE(objAnswerer.fnslAsked(true),
                 QStringList{QStringLiteral("Zorv Morvane - Modem Communication | ") + stBox});
        pFreeCommStatusWindows();
    }
}

void tst_CommStatusWindows::GoingOfflineAbortsAndTheModemsSilenceIsTheUsersAbort() {
    pInstallTestLibrary();
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    TclsCommStatusMain objStatus;
    TfrmCommStatusLog0 frm;
    frm.show();
    frm.fniUpdateStatusMsg(QStringLiteral("Going Offline"));
    QVERIFY(grecCommCallState().recOutcome.bAbortRequested);
    frm.fniUpdateStatusMsg(QStringLiteral("No response from modem"));
    pUnloadCommunicationDLL();
    QCOMPARE(objAnswerer.fnslAsked(true)
                 << frm.findChild<QLabel *>(QStringLiteral("lblStatusMsg"))->text(),
             QStringList({QStringLiteral("Zorv Morvane - Modem Communication | Dial aborted by the "
                                         "user."),
                          QStringLiteral("Dial aborted by the user.")}));
}

void tst_CommStatusWindows::CancelClosesTheCallProgressOnlyThroughTheLibrarysAbort() {
    // Cancel clicks each window takes to close (3: stays open): without the
    // library's abort never; with it two while dialling, one after.
    for (const auto &[bLibrary, bOnline, iClicks] :
         {std::tuple{false, true, 3}, std::tuple{false, false, 3}, std::tuple{true, true, 2},
          std::tuple{true, false, 1}}) {
        if (bLibrary && !fnbCommunicationDLLLoaded())
            pInstallTestLibrary();
        grecCommCallState().bOnline = bOnline;
        TfrmCallProgress frm;
        frm.show();
        int iClicked = 0;
        while (frm.isVisible() && iClicked < 3) {
            QTest::mouseClick(frm.findChild<QPushButton *>(QStringLiteral("btnCancel")),
                              Qt::LeftButton);
            ++iClicked;
        }
        QCOMPARE(iClicked, iClicks);
        QCOMPARE(frm.isVisible(), iClicks == 3);
        if (!bLibrary) {
            QTest::keyClick(&frm, Qt::Key_Escape);
            QVERIFY(frm.isVisible());
        }
    }
    pUnloadCommunicationDLL();
}

void tst_CommStatusWindows::TheDebuggerListsCommLogWithoutEmptyAndNotificationLines() {
    {
        TclsScriptedAnswerer objAnswerer;
        TclsDebuggerWatch objWatch;
        TfrmDebugger frm;
        frm.pDisplayDebugLog();
        QCOMPARE(objWatch.optListed, std::optional(cslCommLogShown));
        QVERIFY(!objWatch.bAnythingSelected && objWatch.bClosedByEsc);
        QVERIFY(objAnswerer.fnarAsked().empty());
    }
    QDir(objInstallation->fnstPath(QStringLiteral("Logs"))).removeRecursively();
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    TclsDebuggerWatch objWatch;
    TfrmDebugger frm;
    frm.pDisplayDebugLog();
    QCOMPARE(objAnswerer.fnslAsked(true).join(QString()).section(QLatin1String(" | "), 1),
             QStringLiteral("Log file not found on the disk."));
    QVERIFY(!objWatch.optListed && !frm.isVisible());
}

void tst_CommStatusWindows::ClosingAWindowAfterTheCallOpensTheDebugger_data() {
    QTest::addColumn<bool>("bCallProgress"); // else the level-0 status window
    QTest::addColumn<QString>("stLine");     // the last line the window was given
    QTest::addColumn<bool>("bDebuggerFlag");
    QTest::addColumn<bool>("bDebugger");
    QTest::newRow("status, success") << false << "--Process Successful" << true << true;
    QTest::newRow("status, no flag") << false << "--Process Successful" << false << false;
    QTest::newRow("status, not ended") << false << "--Receiving data" << true << false;
    QTest::newRow("progress, offline") << true << "Going Offline" << true << true;
    QTest::newRow("progress, no flag") << true << "--Process Successful" << false << false;
    QTest::newRow("progress, dialling") << true << "--Dialing Phone No 0395551234" << true << false;
}

void tst_CommStatusWindows::ClosingAWindowAfterTheCallOpensTheDebugger() {
    QFETCH(bool, bCallProgress);
    QFETCH(QString, stLine);
    QFETCH(bool, bDebuggerFlag);
    QFETCH(bool, bDebugger);
    pExecute(QStringLiteral("UPDATE config_zorv SET comm_debugger = ?"), {bDebuggerFlag});
    TclsScriptedAnswerer objAnswerer;
    if (!bCallProgress && stLine.startsWith(QLatin1String("--Process")))
        objAnswerer.pExpect(0); // the outcome box
    TclsCommStatusMain objStatus;
    std::unique_ptr<QDialog> frm;
    if (bCallProgress) {
        auto *frmProgress = new TfrmCallProgress;
        frm.reset(frmProgress);
        frmProgress->pSetActivity(QStringLiteral("Going Online..."));
        frmProgress->pSetActivity(stLine);
    }
    TfrmCommStatusLog0 *frmStatus = nullptr;
    if (!bCallProgress)
        frm.reset(frmStatus = new TfrmCommStatusLog0);
    TclsDebuggerWatch objWatch(frm.get());
    frm->show();
    if (frmStatus)
        frmStatus->fniUpdateStatusMsg(stLine);
    frm->close();
    QCOMPARE(objWatch.optListed.has_value(), bDebugger);
    if (bDebugger) {
        QCOMPARE(*objWatch.optListed, cslCommLogShown);
        QVERIFY(!objWatch.bCallWindowVisible);
    }
    QVERIFY(objAnswerer.fnarUnexpected().empty());
    // A status window whose call has not ended stays.
    QCOMPARE(frm->isVisible(), stLine == QLatin1String("--Receiving data"));
}

QTEST_MAIN(tst_CommStatusWindows)
#include "tst_CommStatusWindows.moc"
