#include "UnitAdHocQuery.h"
#include "UnitErrorMarks.h"
#include "UnitModalDialog.h"
#include "UnitNavWizard.h"
#include "UnitServiceGrid.h"
#include "UnitTestQueries.h"
#include "unitWarnMessage.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QWindow>

namespace {
// Sets the cells of a service's row as the user's picks commit them.
void pSetService(QWidget &frm, const QString &stService,
                 const std::vector<std::pair<int, QString>> &arCells) {
    auto *stg = fnpControl<QTableWidget>(frm, "stgCSServiceSettings");
    for (int i = 0; i < stg->rowCount(); ++i)
        if (stg->item(i, sgcService)->text() == stService)
            for (const auto &[iColumn, st] : arCells)
                stg->item(i, iColumn)->setText(st);
}

bool fnbOnCommPage(TrecNavWizard &w) {
    if (!w.fnbOnPage(wpCommSetting))
        return false;
    w.edt("edtGatewayIATA")->setText(QStringLiteral("SYD"));
    return true;
}

TrecInstallationOptions fnrecModemOptions(const QString &stModemDevice) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.recSeed.stSiteRegistrationMode = QStringLiteral("MODEM");
    rec.recSeed.stPrimaryPhone = QStringLiteral("0123456789");
    rec.stModemDevice = stModemDevice;
    return rec;
}

// The stored internet_setting row, password left out, as one text.
QString fnstStoredRow() {
    TclsAdHocQuery query;
    if (query.fniOpen(QStringLiteral(
            "SELECT connection_type, use_browser_settings, http_proxy, http_port, https_proxy, "
            "https_port, ftp_proxy, ftp_port, use_credentials, proxy_user, ntlm FROM "
            "internet_setting")) != 0)
        return QStringLiteral("no query");
    QStringList slRows;
    while (query.fnbNext()) {
        QStringList sl;
        for (int i = 0; i < 11; ++i)
            sl << query.fnvField(i).toString().trimmed();
        slRows << sl.join(QLatin1Char('|'));
    }
    return slRows.join(QLatin1Char('/'));
}

QStringList fnslOne(const QString &st) {
    return st.isEmpty() ? QStringList() : QStringList{st};
}
} // namespace

class tst_Navigation : public QObject {
    Q_OBJECT
private slots:
    // With its service on, the pickup page is shown both ways.
    void ThePickupPageWithItsServiceBothWays() {
        TrecNavWizard w;
        QVERIFY2(fnbOnCommPage(w), w.fnbaError());
        w.edt("edtDefaultPickup")->setText(QStringLiteral("Dock 4"));
        pSetService(w.frm, QStringLiteral("Schedule Pickup"),
                    {{sgcActivated, QStringLiteral("true")},
                     {sgcMode, QStringLiteral("HTTPS")},
                     {sgcHTTPServer, QStringLiteral("https://localhost")},
                     {sgcHTTPPort, QStringLiteral("8443")}});
        QList<int> arSeen;
        for (const bool bNext : {true, true, false, false}) {
            bNext ? w.pNext() : w.pBack();
            arSeen << w.frm.fniCurrentPage();
        }
        QCOMPARE(arSeen,
                 (QList<int>{wpPickupDetails, wpInternetDetails, wpPickupDetails, wpCommSetting}));
        QVERIFY(w.objLists.iShown == 0 && w.objAnswerer.fnarAsked().empty());
    }

    void SiteRegistrationServiceWarnings() {
        const struct {
            const char *pchName;
            TrecInstallationOptions recOptions;
            bool bDeactivate;    // the user unticks the Site Registration service
            bool bNoModemChosen; // the user empties the modem list's choice
            QString stMessage;
            int iPage;
            bool bSiteRegActivated;
        } arCases[] = {
            {"service not activated", fnrecTestOptions(), true, false,
             QStringLiteral("Site Registration service is not activated. You will not be able to "
                            "transmit the registration data to Zorv via modem.\r\n\r\nBut you can "
                            "manually register the site by calling Zorv Technical Support at "
                            "1-800-555-0199."),
             wpInternetDetails, false},
            {"modem mode, no modem installed", fnrecModemOptions(QString()), false, false,
             QStringLiteral("No modem Installed. You will not be able to transmit the registration "
                            "data to Zorv."),
             wpInternetDetails, false},
            {"modem mode, a modem listed but none chosen",
             fnrecModemOptions(QStringLiteral("/dev/ttyS0")), false, true,
             QStringLiteral("No modem installed. You will not be able to transmit the registration "
                            "data to Zorv. Please select one from the list."),
             wpCommSetting, true},
            {"modem mode with its modem", fnrecModemOptions(QStringLiteral("/dev/ttyS0")), false,
             false, QString(), wpInternetDetails, true},
        };
        for (const auto &c : arCases) {
            const QByteArray baName(c.pchName);
            TrecNavWizard w(c.recOptions);
            QVERIFY2(fnbOnCommPage(w), w.fnbaError());
            auto *cmbModems = fnpControl<QComboBox>(w.frm, "cmbModemNameList");
            if (c.bNoModemChosen) {
                cmbModems->setCurrentIndex(-1);
                cmbModems->setEditText(QString());
            }
            if (c.bDeactivate)
                pSetService(w.frm, QStringLiteral("Site Registration"),
                            {{sgcActivated, QStringLiteral("false")}});
            if (!c.stMessage.isEmpty())
                w.objAnswerer.pExpect(0);
            w.pNext();
            QCOMPARE(w.fnslMessages() << QString::number(w.frm.fniCurrentPage())
                                      << QString::number(w.frm.fnbSiteRegistrationActivated()),
                     fnslOne(c.stMessage)
                         << QString::number(c.iPage) << QString::number(c.bSiteRegActivated));
            QVERIFY2(w.objAnswerer.fnarUnexpected().empty(), baName);
            if (c.iPage == wpCommSetting)
                QTRY_VERIFY2(cmbModems->hasFocus(), baName);
        }
    }

    void InternetPageWritesItsRow() {
        const QString stBrowser = QStringLiteral("gate.local|3128|gate.local|3128|gate.local|3128");
        const QString stNothing = QStringLiteral("2|0||0||0||0|0||0");
        const struct {
            const char *pchRadio;
            bool bBrowser, bLogin, bNTLM;
            QString stAddresses; // HTTP, its port, HTTPS, its port, SFTP, its port
            QString stUser, stPassword;
            QString stMessage, stFocus; // the refusal and where it leaves the focus
            QString stRow, stStoredPassword;
        } arCases[] = {
            {"radProxyServer", false, false, false, "web.local|8080|tls.local||files.local| ", "",
             "", "", "", "0|0|web.local|8080|tls.local|0|files.local|0|0||0", ""},
            {"radProxyServer", false, true, true, "web.local|8080||||", "robin", "Hood42", "", "",
             "0|0|web.local|8080||0||0|1|robin|1", "Hood42"},
            {"radProxyServer", false, true, false, "", "", "",
             "Please enter username and password.", "edtUserName", stNothing, ""},
            {"radProxyServer", false, true, false, "", "robin", "", "Please enter password.",
             "edtPassword", stNothing, ""},

            {"radProxyServer", true, true, true, "", "robin", "Hood42", "", "",
             "0|1|" + stBrowser + "|1|robin|1", "Hood42"},
            {"radProxyServer", true, true, false, "", "robin", "", "", "",
             "0|1|" + stBrowser + "|1||0", ""},
            {"radWithoutProxy", false, false, false, "", "", "", "", "", stNothing, ""},
        };
        int iCase = 0;
        for (const auto &c : arCases) {
            const QByteArray baName = QByteArray::number(++iCase);
            TrecNavWizard w;
            QVERIFY(w.objInstallation.fnbWriteFile(
                QStringLiteral("Config/registry.ini"),
                w.objInstallation.fnbaReadFile(QStringLiteral("Config/registry.ini")) +
                    "\r\n[HKEY_CURRENT_"
                    "USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
                    "Settings]\r\nProxyServer=gate.local:3128\r\n"));
            QVERIFY2(w.fnbOnPage(wpInternetDetails), w.fnbaError());
            fnpControl<QRadioButton>(w.frm, c.pchRadio)->click();
            if (c.bBrowser)
                w.chk("chkBrowserProxysettings")->click();
            const char *const arEdits[] = {"edtHTTPProxyAddress",  "edtHTTPPortNumber",
                                           "edtHTTPSProxyAddress", "edtHTTPSPortNumber",
                                           "edtFTPProxyAddress",   "edtFTPPortNumber"};
            const QStringList slAddresses = c.stAddresses.split(QLatin1Char('|'));
            for (int i = 0; !c.stAddresses.isEmpty() && i < slAddresses.size(); ++i)
                w.edt(arEdits[i])->setText(slAddresses[i]);
            if (c.bLogin)
                w.chk("chkUserNamePwdConfirmation")->click();
            if (c.bNTLM)
                w.chk("chkNTLM")->click();
            w.edt("edtUserName")->setText(c.stUser);
            w.edt("edtPassword")->setText(c.stPassword);
            if (!c.stMessage.isEmpty())
                w.objAnswerer.pExpect(0);
            w.pNext();
            QVERIFY2(w.objAnswerer.fnarUnexpected().empty(), baName);
            QVERIFY2(w.fnslMessages() == fnslOne(c.stMessage), baName);
            QVERIFY2(w.frm.fniCurrentPage() ==
                         (c.stFocus.isEmpty() ? wpFTPSetting : wpInternetDetails),
                     baName);
            if (!c.stFocus.isEmpty())
                QTRY_VERIFY2(w.edt(qPrintable(c.stFocus))->hasFocus(), baName);
            QCOMPARE(fnstStoredRow(), c.stRow);
            // Compared, never printed: a password stays out of the test output.
            QVERIFY2(fnstStoredSecret("internet_setting", "proxy_password").trimmed() ==
                         c.stStoredPassword,
                     baName);
        }
    }

    void AFailedInternetWriteIsShownAndStays() {
        TrecNavWizard w;
        QVERIFY2(w.fnbOnPage(wpInternetDetails), w.fnbaError());
        QCOMPARE(fniExec(QStringLiteral("DROP TABLE internet_setting")), 0);
        w.objAnswerer.pExpect(0);
        w.pNext();
        QCOMPARE(w.fnslMessages(), QStringList{"Database Configuration is not correct. Please "
                                               "contact System Administrator."});
        QCOMPARE(w.frm.fniCurrentPage(), int(wpInternetDetails));
        QVERIFY(w.objAnswerer.fnarUnexpected().empty());
    }

    void TheErrorListClosedAnyWayKeepsThePageAsTyped() {
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
            const TrecarErrorList &ar = w.frm.fnarErrorList();
            QCOMPARE((QStringList{ar.size() == 1 ? ar[0].stMessage : QString(),
                                  w.edt("edtDefaultPickup")->text(), w.edt("edtPickup1")->text()}),
                     (QStringList{"Default Pickup Location can not be blank.", "   ", "Gate 2"}));
            QCOMPARE(w.fnslMessages(), QStringList());
            w.edt("edtDefaultPickup")->setText(QStringLiteral("Dock 4"));
            w.pNext();
            QCOMPARE(w.frm.fniCurrentPage(), int(wpInternetDetails));
        }
    }

    void PasswordRules() {
        const QString stBlank = QStringLiteral("Password cannot be blank.");
        const QString stShort =
            QStringLiteral("Password length cannot be less than four characters.");
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
        for (const TrecStep &s : arSteps) {
            if (s.pchPasswd)
                edtPasswd->setText(QString::fromLatin1(s.pchPasswd));
            if (s.pchRetype)
                edtRetype->setText(QString::fromLatin1(s.pchRetype));
            (s.bFromPasswd ? edtPasswd : edtRetype)->setFocus();
            if (!s.stMessage.isEmpty())
                w.objAnswerer.pExpect(0);
            w.pNext();
            QCOMPARE(w.fnslMessages(), fnslOne(s.stMessage));
            QCOMPARE((QStringList{QString::number(w.frm.fniCurrentPage()),
                                  QString::number(edtRetype->isEnabled()), edtPasswd->text(),
                                  edtRetype->text()}),
                     (QStringList{QString::number(s.iPage), QString::number(s.bRetypeEnabled),
                                  s.pchPasswdAfter, s.pchRetypeAfter}));
        }
        QVERIFY(w.frm.fnrecData().objApplSecurityData.stPassword == QStringLiteral("wxyz"));
        QVERIFY(w.objAnswerer.fnarUnexpected().empty());
    }

    void ARefusedPasswordKeepsTheUserOnItAndTheNextClickCounts() {
        for (const TClose clHow : {clOK, clEscape, clCloseButton}) {
            TrecNavWizard w;
            QVERIFY2(w.fnbOnPage(wpApplSecurity), w.fnbaError());
            QLineEdit *edtPasswd = w.edt("edtApplSecurityPasswd");
            QLineEdit *edtRetype = w.edt("edtApplSecurityRetypePasswd");
            QTest::mouseClick(w.chk("chkApplSecurityPasswdRequired"), Qt::LeftButton);
            QTest::mouseClick(edtPasswd, Qt::LeftButton);
            w.pType(QStringLiteral("ab"));
            w.pPlan(clHow);
            QTest::mousePress(fnpControl<QPushButton>(w.frm, "btnNext"), Qt::LeftButton);
            QCOMPARE(w.fnslAwaited(1),
                     QStringList({"Password length cannot be less than four characters."}));
            QCOMPARE(w.frm.fniCurrentPage(), int(wpApplSecurity));
            QCOMPARE(w.fnwKeyboard(), edtPasswd);
            w.pType(QStringLiteral("cd"));
            QCOMPARE(edtPasswd->text(), QStringLiteral("abcd"));
            w.pNext();
            QTRY_COMPARE(QApplication::focusWidget(), edtRetype);
            w.pType(QStringLiteral("abcd"));
            w.pNext();
            QTRY_COMPARE(w.frm.fniCurrentPage(), int(wpSummary));
            QCOMPARE(w.fnslMessages(), QStringList());
            QVERIFY(w.frm.fnrecData().objApplSecurityData.stPassword == QStringLiteral("abcd"));
        }
    }

    void TheFormShowsTheListAndFocusesThePickedLine() {
        TrecInstalledWizard<> w;
        QVERIFY2(w.fnbReady(), w.fnbaError());
        QStringList slLines;
        const TModalRunner fnPrevious = pSetModalRunner(fnrunAnsweringInside([&](QDialog &dlg) {
            slLines = static_cast<TfrmWarnMessage &>(dlg).fnslLines();

            fnpControl<QListWidget>(dlg, "lbxWarnMessage")->setCurrentRow(2);
            dlg.accept();
            return int(QDialog::Accepted);
        }));
        // One line per control, with its first message; a note makes no line.
        const TrecarErrorList ar{{"EDTSENDERCODE", "Code is wrong.", 0, 0},
                                 {"fraSenderCountry", "Country is wrong.", 0, 0},
                                 {"fraSenderIATA", "Airport is wrong.", 0, 0},
                                 {"EDTSENDERCODE", "Code is wrong again.", 0, 0},
                                 {"edtSenderName", "Name.", 1, 0}};
        w.frm.pSetErrorList(ar);
        w.frm.pDisplayErrorList(ar);
        pSetModalRunner(fnPrevious);

        QCOMPARE(slLines,
                 (QStringList{"Code is wrong.", "Country is wrong.", "Airport is wrong."}));
        QWidget *const arMarked[] = {w.edt("edtSenderCode"),
                                     fnpControl<QWidget>(w.frm, "cmbCountryName"),
                                     fnpControl<QWidget>(w.frm, "cmbIATA")};
        for (QWidget *wMarked : arMarked)
            QCOMPARE(fnclFieldColour(wMarked), cclErrorField);
        QCOMPARE(fnclFieldColour(fnpControl<QWidget>(w.frm, "cmbCountryCode")), cclNormalField);
        QTRY_COMPARE(QApplication::focusWidget(), arMarked[2]);
        QVERIFY(w.objAnswerer.fnarAsked().empty());
    }
};

QTEST_MAIN(tst_Navigation)
#include "tst_Navigation.moc"
