// The call-progress window as the status callback and the user drive it: its
// captions and fields, the seconds the timer counts (ticks driven by hand) and
// Cancel when the library offers no abort.
#include "unitCallProgress.h"
#include "unitCommStatusMain.h"
#include "unitCommunicationDLLAccess.h"
#include "UnitTestInstallation.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {
QString fnstLabel(QWidget &frm, const char *pchName) {
    QLabel *p = frm.findChild<QLabel *>(QString::fromLatin1(pchName));
    if (!p)
        qFatal("no label %s", pchName);
    return p->text();
}
} // namespace

class tst_CallProgress : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void TheFieldsShowTheNumberTheModemAndTheAttempt();
    void TheTimerCountsElapsedSeconds();
    void CancelWithoutTheLibrarysAbortKeepsTheWindow();
    void CancelWithTheLibrarysAbortClosesOnceAsked();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_CallProgress::init() {
    objInstallation = std::make_unique<TclsTestInstallation>();
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    TclsCommStatusMain objStatus;
    grecCommCallState().stModemName = QStringLiteral("Hayes Optima");
}

void tst_CallProgress::cleanup() {
    objInstallation.reset();
}

void tst_CallProgress::TheFieldsShowTheNumberTheModemAndTheAttempt() {
    TfrmCallProgress frm;
    frm.pSetActivity(QStringLiteral("Going Online..."));
    frm.pSetActivity(QStringLiteral("--Dialing Phone No 0395551234"));
    frm.show();
    QCOMPARE(frm.windowTitle(), QStringLiteral("Zorv Morvane - Call Progress"));
    const struct {
        const char *pchLabel;
        QString stText;
    } arCases[] = {
        {"lblDialing", QStringLiteral("Dialing:")},
        {"lblModem", QStringLiteral("Using:")},
        {"lblAttempt", QStringLiteral("Attempt:")},
        {"lblDialNo", QStringLiteral("0395551234")},
        {"lblModemName", QStringLiteral("Hayes Optima")},
        {"lblCurAttempt", QStringLiteral("1")},
        {"lblCurActivity", QStringLiteral("--Dialing Phone No 0395551234")},
    };
    for (const auto &c : arCases)
        QCOMPARE(fnstLabel(frm, c.pchLabel), c.stText);
    QCOMPARE(frm.findChild<QPushButton *>(QStringLiteral("btnCancel"))->text(),
             QStringLiteral("&Cancel"));

    frm.pSetActivity(QStringLiteral("2 Retrying... (2)"));
    frm.pSetActivity(QStringLiteral("Retrying..."));
    QCOMPARE(fnstLabel(frm, "lblCurAttempt"), QStringLiteral("2"));
    QCOMPARE(fnstLabel(frm, "lblCurActivity"), QStringLiteral("Retrying..."));
    QVERIFY(frm.close());
    QVERIFY(!frm.isVisible());
    QCOMPARE(fnstLabel(frm, "lblCurActivity"), QString());
    QVERIFY(!frm.tmrElapsedTime.isActive());
}

void tst_CallProgress::TheTimerCountsElapsedSeconds() {
    const struct {
        int iInterval;
        QStringList slShown;
    } arCases[] = {
        {1000,
         {QStringLiteral("Elapsed seconds... 1"), QStringLiteral("Elapsed seconds... 2"),
          QStringLiteral("Elapsed seconds... 3")}},
        {2500,
         {QStringLiteral("Elapsed seconds... 1"), QStringLiteral("Elapsed seconds... 3"),
          QStringLiteral("Elapsed seconds... 5")}},
    };
    for (const auto &c : arCases) {
        TfrmCallProgress frm;
        frm.show();
        QVERIFY(frm.tmrElapsedTime.isActive());
        QCOMPARE(frm.tmrElapsedTime.interval(), 1000);
        frm.tmrElapsedTime.setInterval(c.iInterval);
        QStringList slShown;
        for (int i = 0; i < c.slShown.size(); ++i) {
            frm.tmrElapsedTimeTimer();
            slShown << fnstLabel(frm, "lblElapsedTime");
        }
        QCOMPARE(slShown, c.slShown);
    }
}

void tst_CallProgress::CancelWithoutTheLibrarysAbortKeepsTheWindow() {
    for (const bool bOnline : {true, false}) {
        grecCommCallState().bOnline = bOnline;
        TfrmCallProgress frm;
        frm.show();
        QTest::mouseClick(frm.findChild<QPushButton *>(QStringLiteral("btnCancel")),
                          Qt::LeftButton);
        QVERIFY(frm.isVisible());
        QTest::keyClick(&frm, Qt::Key_Escape);
        QVERIFY(frm.isVisible());
    }
}

void tst_CallProgress::CancelWithTheLibrarysAbortClosesOnceAsked() {
    const QString stSource =
        qEnvironmentVariable("WIZARD_BIN_DIR") + QStringLiteral("/libtestcommlib.so");
    QVERIFY2(QFile::copy(stSource, objInstallation->fnstPath(
                                       QStringLiteral("Bin/libMorvaneCommunication.so"))),
             qPrintable(stSource));
    pLoadCommunicationDLL();
    QVERIFY(fnrecCommEntryPoints().pSetAbort);
    // Cancel clicks each window takes to close: two while dialling, one after.
    for (const auto &[bOnline, iClicks] : {std::pair{true, 2}, std::pair{false, 1}}) {
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
        QVERIFY(!frm.isVisible());
    }
    pUnloadCommunicationDLL();
}

QTEST_MAIN(tst_CallProgress)
#include "tst_CallProgress.moc"
