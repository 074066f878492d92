// The debugger window: which lines of Comm.log it lists, in the user's
// language where the line is a status line, the message when the Logs folder
// is missing, and when closing a modem call's window opens it.
#include "UnitAdHocQuery.h"
#include "unitCallProgress.h"
#include "unitCommStatusLog0.h"
#include "unitCommStatusMain.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "unitDebugger.h"
#include "UnitInsideModalLoop.h"
#include "UnitModalDialog.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

namespace {
// What the debugger showed when it was run modally.
struct TrecDebuggerSeen {
    QString stTitle;
    QStringList slListed;
    bool bAnythingSelected = false;
    bool bCallWindowVisible = false; // the window whose closing opened it
};

// Stands in for the modal loop while it lives: records what the debugger
// shows and lets fnClose close it as the user would.
class TclsDebuggerWatch {
public:
    explicit TclsDebuggerWatch(QWidget *wCallWindow = nullptr,
                               std::function<void(QDialog &)> fnClose = {}) {
        fnPrevious =
            pSetModalRunner(fnrunAnsweringInside([this, wCallWindow, fnClose](QDialog &dlg) {
                dlg.show();
                TrecDebuggerSeen rec;
                rec.stTitle = dlg.windowTitle();
                auto *lbxStatus = dlg.findChild<QListWidget *>(QStringLiteral("lbxStatus"));
                for (int i = 0; i < lbxStatus->count(); ++i)
                    rec.slListed << lbxStatus->item(i)->text();
                rec.bAnythingSelected = !lbxStatus->selectedItems().isEmpty();
                rec.bCallWindowVisible = wCallWindow && wCallWindow->isVisible();
                optSeen = rec;
                if (fnClose)
                    fnClose(dlg);
                return dlg.result();
            }));
    }
    ~TclsDebuggerWatch() { pSetModalRunner(fnPrevious); }
    TclsDebuggerWatch(const TclsDebuggerWatch &) = delete;
    TclsDebuggerWatch &operator=(const TclsDebuggerWatch &) = delete;

    std::optional<TrecDebuggerSeen> optSeen;

private:
    TModalRunner fnPrevious;
};

const QStringList cslCommLogShown = {QStringLiteral("Going Online..."),
                                     QStringLiteral("--Sending ENQ"), QStringLiteral(" "),
                                     QStringLiteral("Something the library said")};

void pSetDebuggerFlag(bool bOn) {
    TclsAdHocQuery query;
    QCOMPARE(query.fniExecute(QStringLiteral("UPDATE config_zorv SET comm_debugger = ?"), {bOn}),
             0);
    fniLoadConfigDLL(0);
}
} // namespace

class tst_Debugger : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void TheListLeavesOutEmptyAndNotificationLines();
    void AMissingLogsFolderIsSaid();
    void EscClosesTheDebuggerAndSaysSo();
    void ClosingAStatusWindowAfterTheCallOpensTheDebugger();
    void ClosingTheCallProgressAfterTheCallOpensTheDebugger();
    void TheDebuggerRunsBetweenTheCloseLogLines();

private:
    QString fnstLogText() const;

    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_Debugger::init() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bLogging = true;
    objInstallation = std::make_unique<TclsTestInstallation>(rec);
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    QVERIFY(QDir().mkpath(objInstallation->fnstPath(QStringLiteral("Logs"))));
    QVERIFY(objInstallation->fnbWriteFile(QStringLiteral("Logs/Comm.log"),
                                          "Going Online...\r\n"
                                          "\n"
                                          "12:00:01 Update Progress Shipment Notification 4711\n"
                                          "--Sending ENQ\n"
                                          " \n"
                                          "Update Progress Shipment Notification\n"
                                          "Something the library said"));
}

void tst_Debugger::cleanup() {
    objInstallation.reset();
}

QString tst_Debugger::fnstLogText() const {
    return QString::fromUtf8(objInstallation->fnbaReadFile(
        QStringLiteral("Logs/RegistrationWizard_%1.log")
            .arg(QDate::currentDate().toString(QStringLiteral("ddMMyyyy")))));
}

void tst_Debugger::TheListLeavesOutEmptyAndNotificationLines() {
    TclsScriptedAnswerer objAnswerer;
    TclsDebuggerWatch objWatch;
    TfrmDebugger frm;
    frm.pDisplayDebugLog();
    QVERIFY(objWatch.optSeen);
    QCOMPARE(objWatch.optSeen->stTitle, QStringLiteral("Zorv Morvane - Debugger"));
    QCOMPARE(objWatch.optSeen->slListed, cslCommLogShown);
    QVERIFY(!objWatch.optSeen->bAnythingSelected);
    QVERIFY(objAnswerer.fnarAsked().empty());
}

void tst_Debugger::AMissingLogsFolderIsSaid() {
    QDir(objInstallation->fnstPath(QStringLiteral("Logs"))).removeRecursively();
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    TclsDebuggerWatch objWatch;
    TfrmDebugger frm;
    frm.pDisplayDebugLog();
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
    QCOMPARE(objAnswerer.fnarAsked()[0].stMessage,
             QStringLiteral("Log file not found on the disk."));
    QCOMPARE(objAnswerer.fnarAsked()[0].slButtons, QStringList{QStringLiteral("&OK")});
    QVERIFY(!objWatch.optSeen);
    QVERIFY(!frm.isVisible());
}

void tst_Debugger::EscClosesTheDebuggerAndSaysSo() {
    TclsDebuggerWatch objWatch(nullptr, [](QDialog &dlg) {
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
    });
    TfrmDebugger frm;
    frm.pDisplayDebugLog();
    QVERIFY(objWatch.optSeen);
    QVERIFY2(fnstLogText().contains(QStringLiteral("|Unit unitDebugger|Process FormClose|Closed "
                                                   "the debugger window.\r\n")),
             qPrintable(fnstLogText()));
}

void tst_Debugger::ClosingAStatusWindowAfterTheCallOpensTheDebugger() {
    const struct {
        const char *pchLine; // the last line the window was given
        bool bOutcomeBox;
        bool bDebuggerFlag;
        bool bDebugger;
    } arCases[] = {
        {"--Process Successful", true, true, true}, {"--Process NOT Successful", true, true, true},
        {"Call Dropped...", false, true, true},     {"--Process Successful", true, false, false},
        {"--Receiving data", false, true, false},
    };
    for (const auto &c : arCases) {
        const QString stCase = QStringLiteral("%1, debugger flag %2")
                                   .arg(QLatin1String(c.pchLine))
                                   .arg(c.bDebuggerFlag);
        pSetDebuggerFlag(c.bDebuggerFlag);
        TclsScriptedAnswerer objAnswerer;
        if (c.bOutcomeBox)
            objAnswerer.pExpect(0);
        TclsCommStatusMain objStatus;
        TfrmCommStatusLog0 frm;
        TclsDebuggerWatch objWatch(&frm);
        frm.show();
        frm.fniUpdateStatusMsg(QString::fromLatin1(c.pchLine));
        frm.close();
        QVERIFY2(objWatch.optSeen.has_value() == c.bDebugger, qPrintable(stCase));
        if (c.bDebugger) {
            QCOMPARE(objWatch.optSeen->slListed, cslCommLogShown);
            QVERIFY2(!objWatch.optSeen->bCallWindowVisible, qPrintable(stCase));
        }
        QVERIFY2(objAnswerer.fnarUnexpected().empty(), qPrintable(stCase));
        // A call that has not ended keeps its window.
        QVERIFY2(frm.isVisible() == (QLatin1String(c.pchLine) == "--Receiving data"),
                 qPrintable(stCase));
    }
}

void tst_Debugger::ClosingTheCallProgressAfterTheCallOpensTheDebugger() {
    const struct {
        const char *pchLine;
        bool bDebuggerFlag;
        bool bDebugger;
    } arCases[] = {
        {"Going Offline", true, true},
        {"--Process NOT Successful", true, true},
        {"--Process Successful", true, true},
        {"--Process Successful", false, false},
        {"--Dialing Phone No 0395551234", true, false},
    };
    for (const auto &c : arCases) {
        const QString stCase = QStringLiteral("%1, debugger flag %2")
                                   .arg(QLatin1String(c.pchLine))
                                   .arg(c.bDebuggerFlag);
        pSetDebuggerFlag(c.bDebuggerFlag);
        TclsCommStatusMain objStatus;
        TfrmCallProgress frm;
        TclsDebuggerWatch objWatch(&frm);
        frm.pSetActivity(QStringLiteral("Going Online..."));
        frm.pSetActivity(QString::fromLatin1(c.pchLine));
        frm.show();
        QVERIFY(frm.close());
        QVERIFY2(objWatch.optSeen.has_value() == c.bDebugger, qPrintable(stCase));
        if (c.bDebugger) {
            QCOMPARE(objWatch.optSeen->slListed, cslCommLogShown);
            QVERIFY2(!objWatch.optSeen->bCallWindowVisible, qPrintable(stCase));
        }
    }
}

void tst_Debugger::TheDebuggerRunsBetweenTheCloseLogLines() {
    pSetDebuggerFlag(true);
    TclsCommStatusMain objStatus;
    TfrmCallProgress frm;
    QString stLogWhileShown;
    TclsDebuggerWatch objWatch(&frm, [&](QDialog &) { stLogWhileShown = fnstLogText(); });
    frm.pSetActivity(QStringLiteral("Going Offline"));
    frm.show();
    frm.close();
    const QString stPrefix = QStringLiteral("|Unit unitCallProgress|Process FormClose|");
    QVERIFY2(stLogWhileShown.contains(stPrefix +
                                      QStringLiteral("Before opening the debugger window.\r\n")),
             qPrintable(stLogWhileShown));
    QVERIFY(!stLogWhileShown.contains(QStringLiteral("After closing the debugger window.")));
    const QString stLog = fnstLogText();
    const qsizetype iAfter =
        stLog.indexOf(stPrefix + QStringLiteral("After closing the debugger window.\r\n"));
    const qsizetype iLeaving = stLog.indexOf(stPrefix + QStringLiteral("Leaving.\r\n"));
    QVERIFY2(iAfter > 0 && iLeaving > iAfter, qPrintable(stLog));
}

QTEST_MAIN(tst_Debugger)
#include "tst_Debugger.moc"
