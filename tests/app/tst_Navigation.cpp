// Next and Back through the data pages: the pages skipped when their service
// is not in use, the default pickup location, the application password and
// its confirmation, the button captions of the terms page, and Enter moving
// the focus.
#include "UnitNavWizard.h"

#include <QLabel>
#include <QWindow>

class tst_Navigation : public QObject {
    Q_OBJECT
private slots:
    void EmailPageSkippedBothWaysWhenDisabled();
    void BlankDefaultPickupIsRefused();
    void TheErrorListClosedAnyWayKeepsThePageAsTyped();
    void PasswordRules();
    void ARefusedPasswordKeepsTheUserOnItAndTheNextClickCounts();
    void TermsPageCaptionsBothWays();
    void EnterMovesTheFocus();
};

void tst_Navigation::EmailPageSkippedBothWaysWhenDisabled() {
    TrecNavWizard w;
    QVERIFY2(w.fnbOnPage(wpFTPSetting), w.fnbaError());
    w.chk("chkCSEODviaFTP")->setChecked(false);
    w.chk("chkCSEODviaEmail")->setChecked(false);
    w.chk("chkCSEODviaEmail")->setEnabled(false);
    w.pNext();
    QCOMPARE(w.frm.fniCurrentPage(), int(wpApplSecurity));
    QCOMPARE(fnpControl<QLabel>(w.frm, "lblScreenName")->text(),
             QStringLiteral("Application Security"));
    QVERIFY(!fnpControl<QLabel>(w.frm, "lblMandatoryField")->isVisible());
    QVERIFY(!w.edt("edtEmailHost")->isEnabled());
    w.pBack();
    QCOMPARE(w.frm.fniCurrentPage(), int(wpFTPSetting));
    QCOMPARE(fnpControl<QLabel>(w.frm, "lblScreenName")->text(), QStringLiteral("SFTP Settings"));
    QVERIFY(w.objAnswerer.fnarUnexpected().empty());
}

void tst_Navigation::BlankDefaultPickupIsRefused() {
    TrecNavWizard w;
    QVERIFY2(w.fnbOnPage(wpPickupDetails), w.fnbaError());
    w.edt("edtDefaultPickup")->setText(QStringLiteral("   "));
    w.pNext();
    QCOMPARE(w.frm.fniCurrentPage(), int(wpPickupDetails));
    QCOMPARE(w.objLists.iShown, 1);
    QCOMPARE(w.frm.fnarErrorList().size(), size_t(1));
    QCOMPARE(w.frm.fnarErrorList()[0].stControlName, QStringLiteral("edtDefaultpickup"));
    QCOMPARE(w.frm.fnarErrorList()[0].stMessage,
             QStringLiteral("Default Pickup Location can not be blank."));
    w.edt("edtDefaultPickup")->setText(QStringLiteral("Dock 4"));
    w.pNext();
    QCOMPARE(w.frm.fniCurrentPage(), int(wpInternetDetails));
}

// OK, Escape or the window's close button: the page and what was typed on it
// stay.
void tst_Navigation::TheErrorListClosedAnyWayKeepsThePageAsTyped() {
    for (const TClose clHow : {clOK, clEscape, clCloseButton}) {
        TrecNavWizard w;
        QVERIFY2(w.fnbOnPage(wpPickupDetails), w.fnbaError());
        w.edt("edtDefaultPickup")->setText(QStringLiteral("   "));
        w.edt("edtPickup1")->setText(QStringLiteral("Gate 2"));
        TclsDialogAnswerer objList([clHow](QDialog &dlg) {
            if (clHow == clEscape)
                QTest::keyClick(&dlg, Qt::Key_Escape);
            else if (clHow == clCloseButton)
                dlg.windowHandle()->close();
            return int(QDialog::Accepted);
        });
        w.pNext();
        QCOMPARE(objList.iShown, 1);
        QCOMPARE(w.frm.fniCurrentPage(), int(wpPickupDetails));
        QVERIFY(w.frm.isVisible());
        QCOMPARE(w.edt("edtDefaultPickup")->text(), QStringLiteral("   "));
        QCOMPARE(w.edt("edtPickup1")->text(), QStringLiteral("Gate 2"));
        QCOMPARE(w.fnslMessages(), QStringList());
    }
}

void tst_Navigation::PasswordRules() {
    const QString stBlank = QStringLiteral("Password cannot be blank.");
    const QString stShort = QStringLiteral("Password length cannot be less than four characters.");
    const QString stMismatch =
        QStringLiteral("Passwords do not match. Please re-enter the password.");
    struct TrecStep {
        const char *pchPasswd, *pchRetype; // nullptr: left as it is
        bool bFromPasswd;                  // Next is clicked from the password field
        QString stMessage;
        int iPage;
        bool bRetypeEnabled;
        const char *pchPasswdAfter, *pchRetypeAfter;
    };
    const TrecStep arSteps[] = {
        {"abc", "", true, stShort, wpApplSecurity, false, "abc", ""},
        {"abcd", nullptr, true, QString(), wpApplSecurity, true, "abcd", ""},
        {nullptr, nullptr, false, stBlank, wpApplSecurity, true, "abcd", ""},
        {nullptr, "abce", false, stMismatch, wpApplSecurity, true, "abcd", ""},
        {nullptr, "abcf", false, stMismatch, wpApplSecurity, true, "abcd", ""},
        {nullptr, "abcg", false, stMismatch, wpApplSecurity, true, "", ""},
        {"wxyz", nullptr, true, stBlank, wpApplSecurity, true, "wxyz", ""},
        {nullptr, "wxyz", false, QString(), wpSummary, true, "wxyz", "wxyz"},
    };
    TrecNavWizard w;
    QVERIFY2(w.fnbOnPage(wpApplSecurity), w.fnbaError());
    w.chk("chkApplSecurityPasswdRequired")->setChecked(true);
    QLineEdit *edtPasswd = w.edt("edtApplSecurityPasswd");
    QLineEdit *edtRetype = w.edt("edtApplSecurityRetypePasswd");
    edtRetype->clear();
    int iStep = 0;
    for (const TrecStep &s : arSteps) {
        const QByteArray baStep = QByteArray::number(++iStep);
        if (s.pchPasswd)
            edtPasswd->setText(QString::fromLatin1(s.pchPasswd));
        if (s.pchRetype)
            edtRetype->setText(QString::fromLatin1(s.pchRetype));
        (s.bFromPasswd ? edtPasswd : edtRetype)->setFocus();
        if (!s.stMessage.isEmpty())
            w.objAnswerer.pExpect(0);
        w.pNext();
        QCOMPARE(w.fnslMessages(),
                 s.stMessage.isEmpty() ? QStringList() : QStringList{s.stMessage});
        QVERIFY2(w.frm.fniCurrentPage() == s.iPage, baStep);
        QVERIFY2(edtRetype->isEnabled() == s.bRetypeEnabled, baStep);
        QVERIFY2(edtPasswd->text() == QLatin1String(s.pchPasswdAfter), baStep);
        QVERIFY2(edtRetype->text() == QLatin1String(s.pchRetypeAfter), baStep);
    }
    QCOMPARE(w.frm.fnrecData().objApplSecurityData.stPassword, QStringLiteral("wxyz"));
    QVERIFY(w.objAnswerer.fnarUnexpected().empty());
}

// Clicked through with the mouse and typed on the keyboard, whatever closes
// the box: the user is back in the password field with what was typed, and
// the next click on Next does what Next does.
void tst_Navigation::ARefusedPasswordKeepsTheUserOnItAndTheNextClickCounts() {
    for (const TClose clHow : {clOK, clEscape, clCloseButton}) {
        TrecNavWizard w;
        QVERIFY2(w.fnbOnPage(wpApplSecurity), w.fnbaError());
        QLineEdit *edtPasswd = w.edt("edtApplSecurityPasswd");
        QLineEdit *edtRetype = w.edt("edtApplSecurityRetypePasswd");
        QTest::mouseClick(w.chk("chkApplSecurityPasswdRequired"), Qt::LeftButton);
        QTest::mouseClick(edtPasswd, Qt::LeftButton);
        w.pType(QStringLiteral("ab"));
        w.pPlan(clHow);
        // The press on Next takes the focus from the field; its release goes
        // to the box that comes.
        QTest::mousePress(fnpControl<QPushButton>(w.frm, "btnNext"), Qt::LeftButton);
        QCOMPARE(w.fnslAwaited(1),
                 QStringList({"Password length cannot be less than four characters."}));
        QCOMPARE(w.frm.fniCurrentPage(), int(wpApplSecurity));
        QCOMPARE(w.fnwKeyboard(), edtPasswd);
        w.pType(QStringLiteral("cd"));
        QCOMPARE(edtPasswd->text(), QStringLiteral("abcd"));
        // The password is good; Next asks for it again in the re-type field.
        w.pNext();
        QTRY_COMPARE(QApplication::focusWidget(), edtRetype);
        w.pType(QStringLiteral("abcd"));
        w.pNext();
        QTRY_COMPARE(w.frm.fniCurrentPage(), int(wpSummary));
        QCOMPARE(w.fnslMessages(), QStringList());
        QCOMPARE(w.frm.fnrecData().objApplSecurityData.stPassword, QStringLiteral("abcd"));
    }
}

void tst_Navigation::TermsPageCaptionsBothWays() {
    TrecNavWizard w;
    QVERIFY2(w.fnbOnPage(wpSenderInfo), w.fnbaError());
    auto *btnNext = fnpControl<QPushButton>(w.frm, "btnNext");
    auto *btnCancel = fnpControl<QPushButton>(w.frm, "btnCancel");
    struct TrecCase {
        bool bBack;
        int iPage;
        const char *pchNext, *pchCancel;
        int iNextHelp, iCancelHelp;
    };
    const TrecCase arCases[] = {
        {true, wpTerms, "I &Accept", "I &Decline", 1495, 1496},
        {false, wpSenderInfo, "&Next >", "&Cancel", 1490, 1491},
        {true, wpTerms, "I &Accept", "I &Decline", 1495, 1496},
        {true, wpWelcome, "&Next >", "&Cancel", 1490, 1491},
    };
    for (const TrecCase &c : arCases) {
        c.bBack ? w.pBack() : w.pNext();
        QCOMPARE(w.frm.fniCurrentPage(), c.iPage);
        QCOMPARE(btnNext->text(), QString::fromLatin1(c.pchNext));
        QCOMPARE(btnCancel->text(), QString::fromLatin1(c.pchCancel));
        QCOMPARE(btnNext->property("helpContext").toInt(), c.iNextHelp);
        QCOMPARE(btnCancel->property("helpContext").toInt(), c.iCancelHelp);
    }
}

void tst_Navigation::EnterMovesTheFocus() {
    TrecNavWizard w;
    QVERIFY2(w.fnbOnPage(wpFTPSetting), w.fnbaError());
    QLineEdit *edtHost = w.edt("edtFTPHost");
    edtHost->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edtHost);
    QTest::keyClick(edtHost, Qt::Key_Return);
    QVERIFY(QApplication::focusWidget() != edtHost);
    QCOMPARE(QApplication::focusWidget(), w.edt("edtFTPPort"));
    QCOMPARE(w.frm.fniCurrentPage(), int(wpFTPSetting));
}

QTEST_MAIN(tst_Navigation)
#include "tst_Navigation.moc"
