// The debugger window: which lines of Comm.log it lists, in the user's
// language where the line is a status line, and the message when the Logs
// folder is missing.
#include "unitDebugger.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QtTest>

#include <memory>

class tst_Debugger : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void TheListLeavesOutEmptyAndNotificationLines();
    void AMissingLogsFolderIsSaid();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_Debugger::init() {
    objInstallation = std::make_unique<TclsTestInstallation>();
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
}

void tst_Debugger::cleanup() {
    objInstallation.reset();
}

void tst_Debugger::TheListLeavesOutEmptyAndNotificationLines() {
    QVERIFY(QDir().mkpath(objInstallation->fnstPath(QStringLiteral("Logs"))));
    QFile fileLog(objInstallation->fnstPath(QStringLiteral("Logs/Comm.log")));
    QVERIFY(fileLog.open(QIODevice::WriteOnly));
    fileLog.write("Going Online...\r\n"
                  "\n"
                  "12:00:01 Update Progress Shipment Notification 4711\n"
                  "--Sending ENQ\n"
                  " \n"
                  "Update Progress Shipment Notification\n"
                  "Something the library said");
    fileLog.close();
    TclsScriptedAnswerer objAnswerer;
    TfrmDebugger frm;
    frm.pDisplayDebugLog();
    QVERIFY(frm.isVisible());
    QCOMPARE(frm.windowTitle(), QStringLiteral("Zorv Morvane - Debugger"));
    auto *lbxStatus = frm.findChild<QListWidget *>(QStringLiteral("lbxStatus"));
    QStringList slListed;
    for (int i = 0; i < lbxStatus->count(); ++i)
        slListed << lbxStatus->item(i)->text();
    QCOMPARE(slListed,
             (QStringList{QStringLiteral("Going Online..."), QStringLiteral("--Sending ENQ"),
                          QStringLiteral(" "), QStringLiteral("Something the library said")}));
    QVERIFY(lbxStatus->selectedItems().isEmpty());
    QVERIFY(objAnswerer.fnarAsked().empty());
}

void tst_Debugger::AMissingLogsFolderIsSaid() {
    QDir(objInstallation->fnstPath(QStringLiteral("Logs"))).removeRecursively();
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    TfrmDebugger frm;
    frm.pDisplayDebugLog();
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
    QCOMPARE(objAnswerer.fnarAsked()[0].stMessage,
             QStringLiteral("Log file not found on the disk."));
    QCOMPARE(objAnswerer.fnarAsked()[0].slButtons, QStringList{QStringLiteral("&OK")});
    QVERIFY(!frm.isVisible());
}

QTEST_MAIN(tst_Debugger)
#include "tst_Debugger.moc"
