// The proxy server settings dialog driven through its widgets: filled from
// the stored row, the login checks with their messages and focus, the ports
// (blank is 0, a pasted non-number keeps the dialog open), the key filters,
// Cancel, a failing save, and the password kept out of the log.
#include "UnitAdHocQuery.h"
#include "unitProxyServerSettings.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <QCheckBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
const QString cstWarning = QStringLiteral("Registration Wizard - Warning");

template <class T> T *fnpControl(QWidget &frm, const char *pchName) {
    T *p = frm.findChild<T *>(QString::fromLatin1(pchName));
    if (!p)
        qFatal("no control %s", pchName);
    return p;
}

// The stored row as "column=value" texts, or "<no row>".
QString fnstStoredRow() {
    TclsAdHocQuery query;
    if (query.fniOpen(QStringLiteral(
            "Select connection_type, use_browser_settings, http_proxy, http_port, https_proxy, "
            "https_port, ftp_proxy, ftp_port, use_credentials, proxy_user, proxy_password, ntlm, "
            "dialup_name from internet_setting")) != 0 ||
        !query.fnbNext())
        return QStringLiteral("<no row>");
    QStringList sl;
    for (int i = 0; i < 13; ++i)
        sl << query.fnvField(i).toString();
    // The password as the program reads it; stored, it is sealed.
    sl[10] = fnstStoredSecret("internet_setting", "proxy_password");
    return sl.join(QLatin1Char('|'));
}

QString fnstLog(const TclsTestInstallation &obj) {
    return QString::fromUtf8(
        obj.fnbaReadFile(QStringLiteral("Logs/RegistrationWizard_%1.log")
                             .arg(QDate::currentDate().toString(QStringLiteral("ddMMyyyy")))));
}

struct TrecDialog {
    TclsRWProxyServerData objData;
    TfrmProxyServerSettings frm{objData};
    QLineEdit *edt(const char *pchName) { return fnpControl<QLineEdit>(frm, pchName); }
    QCheckBox *chk(const char *pchName) { return fnpControl<QCheckBox>(frm, pchName); }
    void pClickOK() { QTest::mouseClick(fnpControl<QPushButton>(frm, "btnOK"), Qt::LeftButton); }
    TrecDialog() {
        frm.show();
        frm.activateWindow();
    }
    bool fnbShown() { return QTest::qWaitForWindowActive(&frm); }
};
} // namespace

class tst_ProxyServerSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void CaptionsAndLimits();
    void ShowFillsTheControlsFromTheStoredRow();
    void TheLoginIsCheckedWithItsMessageAndFocus();
    void OKSavesTheFieldsWithABlankPortAs0AndKeepsTheConnection();
    void APastedPortThatIsNoNumberKeepsTheDialogOpen();
    void PortsTakeDigitsOnlyAndTheUserNameNoSpaces();
    void CancelAndEscSaveNothing();
    void AFailingSaveIsShownAndKeepsTheDialogOpen();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_ProxyServerSettings::init() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bLogging = true;
    objInstallation = std::make_unique<TclsTestInstallation>(rec);
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
}

void tst_ProxyServerSettings::cleanup() {
    objInstallation.reset();
}

void tst_ProxyServerSettings::CaptionsAndLimits() {
    TrecDialog rec;
    const std::pair<const char *, QString> arTexts[] = {
        {"grpServer", QStringLiteral("Server")},
        {"lblType", QStringLiteral("Type")},
        {"lblProxyAddress", QStringLiteral("Proxy Adress")},
        {"lblPort", QStringLiteral("Port")},
        {"lblHTTP", QStringLiteral("HTTP:")},
        {"lblHTTPS", QStringLiteral("HTTPS:")},
        {"lblFTP", QStringLiteral("FTP:")},
        {"chkUserNamePwdConfirmation", QStringLiteral("Use username and password")},
        {"grpProxyLogin", QStringLiteral("ProxyLogin")},
        {"chkNTLM", QStringLiteral("Use NTLM Authentication")},
        {"btnOK", QStringLiteral("&OK")},
        {"btnCancel", QStringLiteral("&Cancel")},
    };
    for (const auto &[pchName, stText] : arTexts) {
        QWidget *w = fnpControl<QWidget>(rec.frm, pchName);
        const QVariant v =
            w->property("title").isValid() ? w->property("title") : w->property("text");
        QCOMPARE(v.toString(), stText);
    }
    const std::pair<const char *, int> arLimits[] = {
        {"edtHTTPProxyAddress", 35}, {"edtHTTPSProxyAddress", 35}, {"edtFTPProxyAddress", 35},
        {"edtHTTPPort", 5},          {"edtHTTPSPort", 5},          {"edtFTPPort", 5},
        {"edtUserName", 35},         {"edtPassword", 14},
    };
    for (const auto &[pchName, iMax] : arLimits)
        QCOMPARE(rec.edt(pchName)->maxLength(), iMax);
    QCOMPARE(rec.edt("edtPassword")->echoMode(), QLineEdit::Password);
    // The seeded row has no proxy: the ports show 0 and the login is off.
    QCOMPARE(rec.edt("edtHTTPSPort")->text(), QStringLiteral("0"));
    QVERIFY(!rec.edt("edtUserName")->isEnabled());
    rec.chk("chkUserNamePwdConfirmation")->click();
    QVERIFY(rec.edt("edtUserName")->isEnabled() && rec.edt("edtPassword")->isEnabled());
}

void tst_ProxyServerSettings::ShowFillsTheControlsFromTheStoredRow() {
    TclsAdHocQuery query;
    QCOMPARE(
        query.fniExecute(
            QStringLiteral("UPDATE internet_setting SET http_proxy = ?, http_port = ?, "
                           "https_proxy = ?, https_port = ?, ftp_proxy = ?, ftp_port = ?, "
                           "use_credentials = ?, proxy_user = ?, proxy_password = ?, ntlm = ?"),
            {QStringLiteral("web.local"), 3128, QStringLiteral("tls.local"), 3129,
             QStringLiteral("files.local"), 2121, 1, QStringLiteral("robin"),
             QStringLiteral("Hood42"), 1}),
        0);
    TrecDialog rec;
    QVERIFY(rec.fnbShown());
    const std::pair<const char *, QString> arShown[] = {
        {"edtHTTPProxyAddress", QStringLiteral("web.local")},
        {"edtHTTPPort", QStringLiteral("3128")},
        {"edtHTTPSProxyAddress", QStringLiteral("tls.local")},
        {"edtHTTPSPort", QStringLiteral("3129")},
        {"edtFTPProxyAddress", QStringLiteral("files.local")},
        {"edtFTPPort", QStringLiteral("2121")},
        {"edtUserName", QStringLiteral("robin")},
        {"edtPassword", QStringLiteral("Hood42")},
    };
    for (const auto &[pchName, stText] : arShown)
        QCOMPARE(rec.edt(pchName)->text(), stText);
    QVERIFY(rec.chk("chkUserNamePwdConfirmation")->isChecked());
    QVERIFY(rec.chk("chkNTLM")->isChecked());
    QVERIFY(rec.edt("edtUserName")->isEnabled());
}

void tst_ProxyServerSettings::TheLoginIsCheckedWithItsMessageAndFocus() {
    const struct {
        const char *pchUser, *pchPassword;
        QString stMessage;
        const char *pchFocus;
    } arCases[] = {
        {"", "", QStringLiteral("Please enter username and password."), "edtUserName"},
        {"", "Secret1", QStringLiteral("Please enter username."), "edtUserName"},
        {"robin", "", QStringLiteral("Please enter password."), "edtPassword"},
    };
    TclsScriptedAnswerer objAnswerer;
    TrecDialog rec;
    QVERIFY(rec.fnbShown());
    rec.chk("chkUserNamePwdConfirmation")->click();
    const QString stBefore = fnstStoredRow();
    for (const auto &c : arCases) {
        rec.edt("edtUserName")->setText(QString::fromLatin1(c.pchUser));
        rec.edt("edtPassword")->setText(QString::fromLatin1(c.pchPassword));
        rec.edt("edtHTTPProxyAddress")->setFocus();
        const size_t iAsked = objAnswerer.fnarAsked().size();
        objAnswerer.pExpect(0);
        rec.pClickOK();
        QCOMPARE(objAnswerer.fnarAsked().size(), iAsked + 1);
        const TrecMessageDlg &recAsked = objAnswerer.fnarAsked().back();
        QCOMPARE(recAsked.stCaption, cstWarning);
        QCOMPARE(recAsked.stMessage, c.stMessage);
        QCOMPARE(recAsked.slButtons, QStringList{QStringLiteral("&OK")});
        QTRY_COMPARE(QApplication::focusWidget(), rec.edt(c.pchFocus));
        QVERIFY(rec.frm.isVisible());
    }
    QCOMPARE(fnstStoredRow(), stBefore);
    // Blanks are characters, as on the internet page: a password of blanks
    // is a password, and it is stored as typed.
    rec.edt("edtUserName")->setText(QStringLiteral("robin"));
    rec.edt("edtPassword")->setText(QStringLiteral("   "));
    rec.pClickOK();
    QVERIFY(!rec.frm.isVisible());
    QCOMPARE(fnstStoredSecret("internet_setting", "proxy_password"), QStringLiteral("   "));
    QVERIFY(objAnswerer.fnarUnexpected().empty());
}

void tst_ProxyServerSettings::OKSavesTheFieldsWithABlankPortAs0AndKeepsTheConnection() {
    TclsScriptedAnswerer objAnswerer;
    TrecDialog rec;
    // The wizard's holder names a dial-up entry and the browser: the dialog
    // keeps the one and, typed by hand, drops the other.
    rec.objData.iConnectionType = ctProxy;
    rec.objData.stDialupName = QStringLiteral("office-isdn");
    rec.objData.bUseBrowserSettings = true;
    QVERIFY(rec.fnbShown());
    rec.edt("edtHTTPProxyAddress")->setText(QStringLiteral(" web.local "));
    rec.edt("edtHTTPPort")->setText(QStringLiteral("8080"));
    rec.edt("edtHTTPSProxyAddress")->setText(QStringLiteral("tls.local"));
    rec.edt("edtHTTPSPort")->clear();
    rec.edt("edtFTPProxyAddress")->clear();
    rec.chk("chkUserNamePwdConfirmation")->click();
    rec.edt("edtUserName")->setText(QStringLiteral("robin"));
    // A password is kept as typed, blanks at its ends included: the proxy
    // compares every character.
    rec.edt("edtPassword")->setText(QStringLiteral(" Sherwood#7 "));
    rec.chk("chkNTLM")->click();
    rec.pClickOK();
    QVERIFY(!rec.frm.isVisible());
    QCOMPARE(rec.frm.result(), int(QDialog::Accepted));
    QCOMPARE(fnstStoredRow(), QStringLiteral("0|0|web.local|8080|tls.local|0||0|1|robin|"
                                             " Sherwood#7 |1|office-isdn"));
    QVERIFY(objAnswerer.fnarAsked().empty());
    const QString stLog = fnstLog(*objInstallation);
    QVERIFY2(stLog.contains(QStringLiteral("|Unit unitRegistrationWizard|Process btnNextClick|"
                                           "Calling the pReadFromInternetScreen.\r\n")),
             qPrintable(stLog));
    QVERIFY(!stLog.contains(QStringLiteral("Sherwood#7")));
}

void tst_ProxyServerSettings::APastedPortThatIsNoNumberKeepsTheDialogOpen() {
    TclsScriptedAnswerer objAnswerer;
    TrecDialog rec;
    QVERIFY(rec.fnbShown());
    const QString stBefore = fnstStoredRow();
    rec.edt("edtFTPPort")->setText(QStringLiteral("21x"));
    rec.pClickOK();
    QVERIFY(rec.frm.isVisible());
    QCOMPARE(fnstStoredRow(), stBefore);
    QTRY_COMPARE(QApplication::focusWidget(), rec.edt("edtFTPPort"));
    const QString stLog = fnstLog(*objInstallation);
    QVERIFY2(stLog.contains(QStringLiteral("|Unit unitRWProxyServer|Process fnstSaveToDB|'21x' "
                                           "is not a valid integer value\r\n")),
             qPrintable(stLog));
}

void tst_ProxyServerSettings::PortsTakeDigitsOnlyAndTheUserNameNoSpaces() {
    TrecDialog rec;
    QVERIFY(rec.fnbShown());
    rec.chk("chkUserNamePwdConfirmation")->click();
    const struct {
        const char *pchEdit, *pchTyped, *pchShown;
    } arCases[] = {
        {"edtHTTPPort", "8a0-8 0", "8080"},
        {"edtFTPPort", "123456", "12345"},
        {"edtUserName", "ro bin ", "robin"},
        {"edtHTTPProxyAddress", "a b:c", "a b:c"},
    };
    for (const auto &c : arCases) {
        QLineEdit *edt = rec.edt(c.pchEdit);
        edt->clear();
        QTest::keyClicks(edt, QString::fromLatin1(c.pchTyped));
        QCOMPARE(edt->text(), QString::fromLatin1(c.pchShown));
    }
    // Backspace and the clipboard keys still work in a port.
    QLineEdit *edtPort = rec.edt("edtHTTPPort");
    QTest::keyClick(edtPort, Qt::Key_Backspace);
    QCOMPARE(edtPort->text(), QStringLiteral("808"));
    QTest::keyClick(edtPort, Qt::Key_A, Qt::ControlModifier); // select all: discarded
    QTest::keyClick(edtPort, Qt::Key_Z, Qt::ControlModifier); // undo passes
    QCOMPARE(edtPort->text(), QStringLiteral("8080"));
}

void tst_ProxyServerSettings::CancelAndEscSaveNothing() {
    const QString stBefore = fnstStoredRow();
    for (bool bEsc : {false, true}) {
        TrecDialog rec;
        QVERIFY(rec.fnbShown());
        rec.edt("edtHTTPProxyAddress")->setText(QStringLiteral("never.saved"));
        if (bEsc)
            QTest::keyClick(rec.edt("edtHTTPProxyAddress"), Qt::Key_Escape);
        else
            QTest::mouseClick(fnpControl<QPushButton>(rec.frm, "btnCancel"), Qt::LeftButton);
        QVERIFY(!rec.frm.isVisible());
        QCOMPARE(rec.frm.result(), int(QDialog::Rejected));
    }
    QCOMPARE(fnstStoredRow(), stBefore);
}

void tst_ProxyServerSettings::AFailingSaveIsShownAndKeepsTheDialogOpen() {
    TclsAdHocQuery query;
    QCOMPARE(query.fniExecute(QStringLiteral("DROP TABLE internet_setting"), {}), 0);
    TclsScriptedAnswerer objAnswerer;
    TrecDialog rec;
    QVERIFY(rec.fnbShown());
    objAnswerer.pExpect(0);
    rec.pClickOK();
    QVERIFY(rec.frm.isVisible());
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
    QCOMPARE(objAnswerer.fnarAsked().front().stCaption, cstWarning);
    QVERIFY(!objAnswerer.fnarAsked().front().stMessage.isEmpty());
    QVERIFY(objAnswerer.fnarAsked().front().stMessage != QLatin1String("success"));
}

QTEST_MAIN(tst_ProxyServerSettings)
#include "tst_ProxyServerSettings.moc"
