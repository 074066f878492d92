// The manual site registration dialog, driven through its widgets: its
// controls, the blank, invalid and valid IDs, the save failure, the way out
// with its question, and the keys the edit box takes.
#include "UnitAdHocQuery.h"
#include "UnitFocusMoves.h"
#include "unitManualSiteRegistration.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
const QString cstWarning = QStringLiteral("Registration Wizard - Warning");
const QString cstCloseQuestion = QStringLiteral(
    "You will not be able to use the Zorv Morvane application without registration.\r\n\r\n"
    "Are you sure that you want to close the registration wizard?");

template <class T> T *fnpControl(QWidget &frm, const char *pchName) {
    T *p = frm.findChild<T *>(QString::fromLatin1(pchName));
    if (!p)
        qFatal("no control %s", pchName);
    return p;
}

QString fnstStoredSiteId() {
    TclsAdHocQuery query;
    if (query.fniOpen(QStringLiteral("Select site_id from config_morvane")) != 0 ||
        !query.fnbNext())
        return QStringLiteral("<no row>");
    return query.fnvField(0).toString();
}

// The dialog as the wizard shows it, with the wizard's callback and holder.
struct TrecDialog {
    TfrmManualSiteRegistration frm;
    TclsSiteIdHolder objHolder;
    QStringList slCallbacks; // the holder's text at each callback
    QLineEdit *edtSiteId = fnpControl<QLineEdit>(frm, "edtSiteId");
    QPushButton *btnOK = fnpControl<QPushButton>(frm, "btnOK");
    QPushButton *btnCancel = fnpControl<QPushButton>(frm, "btnCancel");

    TrecDialog() {
        frm.pExposedForInteraction([this] { slCallbacks << objHolder.stText; }, &objHolder);
        frm.show();
        frm.activateWindow();
    }
    bool fnbShown() { return QTest::qWaitForWindowActive(&frm); }
};

QStringList fnslMessages(const TclsScriptedAnswerer &objAnswerer) {
    QStringList sl;
    for (const TrecMessageDlg &rec : objAnswerer.fnarAsked())
        sl << rec.stCaption + QStringLiteral(" | ") + rec.stMessage;
    return sl;
}
} // namespace

class tst_ManualSiteRegistration : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ControlsCaptionsAndHelpContexts();
    void OKChecksTheIdAndHandsAValidOneToTheWizard();
    void ASaveFailureEndsTheDialogAndTellsTheWizard();
    void CancelAsksAndNoKeepsTheDialogAsItWas();
    void LeavingTheBlankEditBoxSaysSoUnlessForCancel();
    void TheEditBoxTakesLettersDigitsAndTheClipboardKeysOnly();
    void CancelWithYesEndsTheApplication();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_ManualSiteRegistration::init() {
    objInstallation = std::make_unique<TclsTestInstallation>();
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
}

void tst_ManualSiteRegistration::cleanup() {
    objInstallation.reset();
}

void tst_ManualSiteRegistration::ControlsCaptionsAndHelpContexts() {
    TfrmManualSiteRegistration frm;
    QCOMPARE(frm.windowTitle(), QStringLiteral("Registration Wizard - Enter Site ID"));
    QCOMPARE(fnpControl<QLabel>(frm, "lblTitle")->text(),
             QStringLiteral("Enter the site id obtained from Zorv"));
    QLabel *lblEnterSiteID = fnpControl<QLabel>(frm, "lblEnterSiteID");
    QCOMPARE(lblEnterSiteID->text(), QStringLiteral("Enter Site ID:"));
    QVERIFY(lblEnterSiteID->alignment() & Qt::AlignRight);
    QCOMPARE(fnpControl<QLineEdit>(frm, "edtSiteId")->maxLength(), 16);
    QCOMPARE(fnpControl<QPushButton>(frm, "btnOK")->text(), QStringLiteral("&OK"));
    QCOMPARE(fnpControl<QPushButton>(frm, "btnCancel")->text(), QStringLiteral("&Cancel"));
    const std::pair<QWidget *, int> arHelp[] = {
        {&frm, 1551},
        {fnpControl<QWidget>(frm, "edtSiteId"), 1552},
        {fnpControl<QWidget>(frm, "btnOK"), 1553},
        {fnpControl<QWidget>(frm, "btnCancel"), 1554},
    };
    for (const auto &[w, iContext] : arHelp)
        QCOMPARE(w->property("helpContext").toInt(), iContext);
}

void tst_ManualSiteRegistration::OKChecksTheIdAndHandsAValidOneToTheWizard() {
    TclsScriptedAnswerer objAnswerer;
    TrecDialog rec;
    QVERIFY(rec.fnbShown());
    const struct {
        const char *pchTyped;
        QString stMessage; // empty: accepted
    } arCases[] = {
        {"   ", cstWarning + QStringLiteral(" | Site id cannot be blank.")},
        {"ABC12345678ZOZ", cstWarning + QStringLiteral(" | Invalid site id. Please enter again.")},
        {"1BC1234567890ZOZ",
         cstWarning + QStringLiteral(" | Invalid site id. Please enter again.")},
        {"abc1234567890zoz", QString()},
    };
    for (const auto &recCase : arCases) {
        rec.edtSiteId->setText(QString::fromLatin1(recCase.pchTyped));
        const qsizetype iAsked = objAnswerer.fnarAsked().size();
        if (!recCase.stMessage.isEmpty())
            objAnswerer.pExpect(0);
        QTest::keyClick(rec.edtSiteId, Qt::Key_Return);
        const QStringList slNew = fnslMessages(objAnswerer).mid(iAsked);
        QVERIFY2(slNew ==
                     (recCase.stMessage.isEmpty() ? QStringList() : QStringList{recCase.stMessage}),
                 qPrintable(slNew.join(QLatin1Char('/'))));
        if (!recCase.stMessage.isEmpty()) {
            QVERIFY(rec.frm.isVisible());
            QTRY_COMPARE(QApplication::focusWidget(), rec.edtSiteId);
            QCOMPARE(rec.slCallbacks, QStringList());
        }
    }
    QCOMPARE(rec.slCallbacks, QStringList{QStringLiteral("ABC1234567890ZOZ")});
    QCOMPARE(fnstStoredSiteId(), QStringLiteral("ABC1234567890ZOZ"));
    QVERIFY(!rec.frm.isVisible());
    QCOMPARE(rec.frm.result(), int(QDialog::Accepted));
    QVERIFY(objAnswerer.fnarUnexpected().empty());
}

void tst_ManualSiteRegistration::ASaveFailureEndsTheDialogAndTellsTheWizard() {
    TclsAdHocQuery query;
    QCOMPARE(query.fniExecute(QStringLiteral("DROP TABLE config_morvane")), 0);
    TclsScriptedAnswerer objAnswerer;
    TrecDialog rec;
    QVERIFY(rec.fnbShown());
    rec.edtSiteId->setText(QStringLiteral("ABC1234567890ZOZ"));
    objAnswerer.pExpect(0);
    QTest::mouseClick(rec.btnOK, Qt::LeftButton);
    QCOMPARE(fnslMessages(objAnswerer),
             QStringList{cstWarning + QStringLiteral(" | Data could not be saved to the database."
                                                     "Manual site registration failed.\r\n"
                                                     "Click on OK button to exit.")});
    QCOMPARE(rec.slCallbacks, QStringList{QStringLiteral("unsuccess")});
    QVERIFY(!rec.frm.isVisible());
    QVERIFY(objAnswerer.fnarUnexpected().empty());
}

void tst_ManualSiteRegistration::CancelAsksAndNoKeepsTheDialogAsItWas() {
    TclsScriptedAnswerer objAnswerer;
    TrecDialog rec;
    QVERIFY(rec.fnbShown());
    QTest::keyClicks(rec.edtSiteId, QStringLiteral("ABC123"));
    const std::function<void()> arWaysOut[] = {
        [&] { QTest::mouseClick(rec.btnCancel, Qt::LeftButton); },
        [&] { QTest::keyClick(&rec.frm, Qt::Key_Escape); },
        [&] { rec.frm.close(); },
    };
    for (const auto &fnLeave : arWaysOut) {
        objAnswerer.pExpect(1);
        fnLeave();
        QVERIFY(rec.frm.isVisible());
        QCOMPARE(rec.edtSiteId->text(), QStringLiteral("ABC123"));
    }
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(3));
    for (const TrecMessageDlg &recAsked : objAnswerer.fnarAsked()) {
        QCOMPARE(recAsked.stCaption, QStringLiteral("Registration Wizard - Confirmation"));
        QCOMPARE(recAsked.stMessage, cstCloseQuestion);
        QCOMPARE(recAsked.slButtons, QStringList({QStringLiteral("&Yes"), QStringLiteral("&No")}));
        QCOMPARE(recAsked.stDefaultButton, QStringLiteral("&No"));
    }
    QCOMPARE(rec.slCallbacks, QStringList());
    QVERIFY(objAnswerer.fnarUnexpected().empty());
}

void tst_ManualSiteRegistration::LeavingTheBlankEditBoxSaysSoUnlessForCancel() {
    TclsScriptedAnswerer objAnswerer;
    TrecDialog rec;
    QVERIFY(rec.fnbShown());
    rec.edtSiteId->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), rec.edtSiteId);
    objAnswerer.pExpect(0);
    QTest::keyClick(rec.edtSiteId, Qt::Key_Tab);
    QTRY_COMPARE(objAnswerer.fnarAsked().size(), size_t(1));
    QCOMPARE(fnslMessages(objAnswerer),
             QStringList{cstWarning + QStringLiteral(" | Site id cannot be blank.")});
    QTRY_COMPARE(QApplication::focusWidget(), rec.edtSiteId);
    // A click on OK leaves the box for OK: said once, not once more by OK.
    objAnswerer.pExpect(0);
    QTest::mouseClick(rec.btnOK, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), rec.edtSiteId);
    QCOMPARE(fnslMessages(objAnswerer).mid(1),
             QStringList{cstWarning + QStringLiteral(" | Site id cannot be blank.")});
    // Towards Cancel the box says nothing.
    pFocusOn(rec.btnCancel, Qt::MouseFocusReason);
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(2));
    QVERIFY(objAnswerer.fnarUnexpected().empty());
}

void tst_ManualSiteRegistration::TheEditBoxTakesLettersDigitsAndTheClipboardKeysOnly() {
    TrecDialog rec;
    QVERIFY(rec.fnbShown());
    QTest::keyClicks(rec.edtSiteId, QStringLiteral("a-b.c 1!/x_"));
    QTest::sendKeyEvent(QTest::Click, rec.edtSiteId, Qt::Key_Eacute, QStringLiteral("é"),
                        Qt::NoModifier);
    QTest::keyClicks(rec.edtSiteId, QStringLiteral("9"));
    QCOMPARE(rec.edtSiteId->text(), QStringLiteral("ABC1X9"));
    QTest::keyClick(rec.edtSiteId, Qt::Key_Backspace);
    QCOMPARE(rec.edtSiteId->text(), QStringLiteral("ABC1X"));
    QTest::keyClick(rec.edtSiteId, Qt::Key_A, Qt::ControlModifier); // no select-all
    QTest::keyClick(rec.edtSiteId, Qt::Key_Z, Qt::ControlModifier); // undo passes
    QCOMPARE(rec.edtSiteId->text(), QStringLiteral("ABC1X9"));
    // Pasted text keeps what it has, in upper case, spaces included.
    QApplication::clipboard()->setText(QStringLiteral(" xyz-1 "));
    rec.edtSiteId->clear();
    QTest::keyClick(rec.edtSiteId, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(rec.edtSiteId->text(), QStringLiteral(" XYZ-1 "));
}

void tst_ManualSiteRegistration::CancelWithYesEndsTheApplication() {
    TclsScriptedAnswerer objAnswerer;
    TrecDialog rec;
    QVERIFY(rec.fnbShown());
    objAnswerer.pExpect(0);
    QTimer::singleShot(0, rec.btnCancel, [&] { rec.btnCancel->click(); });
    // Ends the loop should the dialog not end the application.
    QTimer tmrGuard;
    tmrGuard.setSingleShot(true);
    connect(&tmrGuard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    tmrGuard.start(20000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!rec.frm.isVisible());
    QCOMPARE(fnslMessages(objAnswerer).size(), 1);
    QCOMPARE(rec.slCallbacks, QStringList());
}

QTEST_MAIN(tst_ManualSiteRegistration)
#include "tst_ManualSiteRegistration.moc"
