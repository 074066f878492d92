// The internet page: stored row, radio buttons, browser proxy, proxy dialog, full disk.
#include "UnitErrorMarks.h"
#include "UnitFileSizeLimit.h"
#include "UnitModalDialog.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {
const char *const carProxyEdits[] = {"edtHTTPProxyAddress",  "edtHTTPPortNumber",
                                     "edtHTTPSProxyAddress", "edtHTTPSPortNumber",
                                     "edtFTPProxyAddress",   "edtFTPPortNumber"};

QString fnstLog(const TclsTestInstallation &obj) {
    return QString::fromUtf8(
        obj.fnbaReadFile(QStringLiteral("Logs/RegistrationWizard_%1.log")
                             .arg(QDate::currentDate().toString(QStringLiteral("ddMMyyyy")))));
}

// The selected radio button and which controls take input.
QString fnstState(QWidget &frm) {
    QString st;
    for (const char *pch : {"radProxyServer", "radWithoutProxy", "radDialUp"})
        if (fnpControl<QRadioButton>(frm, pch)->isChecked())
            st = QString::fromLatin1(pch);
    const auto fnFlag = [&](const char *pch) {
        return fnpControl<QWidget>(frm, pch)->isEnabled() ? QLatin1Char('E') : QLatin1Char('-');
    };
    st += QLatin1Char(' ');
    for (const char *pch : {"cmbDialup", "chkBrowserProxysettings", "edtHTTPProxyAddress",
                            "edtFTPPortNumber", "chkUserNamePwdConfirmation", "edtUserName",
                            "edtPassword", "chkNTLM", "btnProxyServerSettings"})
        st += fnFlag(pch);
    return st;
}

// The password shows as one star per character: a failing comparison prints no password.
QString fnstShown(QWidget &frm) {
    QStringList sl;
    for (const char *pch : carProxyEdits)
        sl << fnpControl<QLineEdit>(frm, pch)->text();
    sl << fnpControl<QLineEdit>(frm, "edtUserName")->text()
       << QString(fnpControl<QLineEdit>(frm, "edtPassword")->text().size(), QLatin1Char('*'));
    for (const char *pch : {"chkBrowserProxysettings", "chkUserNamePwdConfirmation", "chkNTLM"})
        sl << (fnpControl<QCheckBox>(frm, pch)->isChecked() ? QStringLiteral("x")
                                                            : QStringLiteral("o"));
    return sl.join(QLatin1Char('|'));
}

void pClearProxyEnvironment() {
    for (const char *pch : {"http_proxy", "https_proxy", "ftp_proxy", "all_proxy", "HTTP_PROXY",
                            "HTTPS_PROXY", "FTP_PROXY", "ALL_PROXY"})
        qunsetenv(pch);
}
} // namespace

class tst_InternetPage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void TheStoredRowChoosesTheRadioButtonAndFillsThePage();
    void NoInternetSettingRowEndsTheWizard();
    void TheBrowserProxyComesFromTheRegistryOrTheEnvironment();
    void TheDialogsSettingsComeBackOnASecondStart();
    void AFullDiskOnNextIsToldAsTheDatabasesDiskAndThePageStays();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
    std::unique_ptr<QTemporaryDir> dirPeers;
};

void tst_InternetPage::init() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bLogging = true;
    objInstallation = std::make_unique<TclsTestInstallation>(rec);
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    // An empty peers folder unless a test puts peers into it.
    dirPeers = std::make_unique<QTemporaryDir>();
    qputenv("MORVANE_PPP_PEERS_DIR", dirPeers->path().toUtf8());
}

void tst_InternetPage::cleanup() {
    qunsetenv("MORVANE_PPP_PEERS_DIR");
    dirPeers.reset();
    objInstallation.reset();
}

void tst_InternetPage::TheStoredRowChoosesTheRadioButtonAndFillsThePage() {
    const struct {
        const char *pchName;
        int iType;
        bool bBrowser;
        QStringList slPeers;
        QString stState, stDialup;
    } arCases[] = {
        {"proxy from the browser", 0, true, {}, "radProxyServer -E--EEEEE", ""},
        {"an unknown type is a proxy", 7, false, {}, "radProxyServer -EEEEEEEE", ""},
        {"without proxy", 2, false, {}, "radWithoutProxy ---------", ""},
        // Nothing to dial: the proxy choice, and nobody asked before the page shows.
        {"dial-up with no connection", 1, false, {}, "radProxyServer -EEEEEEEE", ""},
        {"dial-up", 1, false, {"adsl", "office"}, "radDialUp E--------", "office"},
    };
    for (const auto &c : arCases) {
        for (const QString &stPeer : c.slPeers)
            QVERIFY(QFile(dirPeers->filePath(stPeer)).open(QIODevice::WriteOnly));
        QCOMPARE(
            fniExec(
                QStringLiteral("UPDATE internet_setting SET connection_type = ?, "
                               "use_browser_settings = ?, http_proxy = ?, http_port = ?, "
                               "https_proxy = ?, https_port = ?, ftp_proxy = ?, ftp_port = ?, "
                               "use_credentials = ?, proxy_user = ?, proxy_password = ?, ntlm = ?, "
                               "dialup_name = ?"),
                {c.iType, c.bBrowser, QStringLiteral("web.local"), 3128,
                 QStringLiteral("tls.local"), 3129, QStringLiteral("files.local"), 0, 1,
                 QStringLiteral("robin"), QStringLiteral("Hood42"), 1, QStringLiteral("office")}),
            0);
        TclsScriptedAnswerer objAnswerer;
        TfrmRegistrationWizard frm;
        QVERIFY2(!frm.fnbStartupFailed(), c.pchName);
        QCOMPARE(fnstState(frm), c.stState);
        QCOMPARE(fnstShown(frm), QStringLiteral("web.local|3128|tls.local|3129|files.local||robin|"
                                                "******|") +
                                     (c.bBrowser ? "x|x|x" : "o|x|x"));
        QVERIFY(fnpControl<QLineEdit>(frm, "edtPassword")->text() == QStringLiteral("Hood42"));
        QCOMPARE(fnpControl<QComboBox>(frm, "cmbDialup")->currentText(), c.stDialup);
        QVERIFY2(objAnswerer.fnarAsked().empty(), c.pchName);
        QVERIFY2(!fnstLog(*objInstallation).contains(QStringLiteral("Hood42")), c.pchName);
    }
}

void tst_InternetPage::NoInternetSettingRowEndsTheWizard() {
    QCOMPARE(fniExec(QStringLiteral("DELETE FROM internet_setting"), {}), 0);
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    TfrmRegistrationWizard frm;
    QVERIFY(frm.fnbStartupFailed());
    QCOMPARE(objAnswerer.fnslAsked(),
             QStringList{QStringLiteral("0.\r\nClick on OK button to exit.")});
    frm.show();
    QTRY_VERIFY(!frm.isVisible());
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
}

void tst_InternetPage::TheBrowserProxyComesFromTheRegistryOrTheEnvironment() {
    const QByteArray baKey =
        "\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
        "Settings]\r\nProxyServer=";
    const struct {
        const char *pchName;
        QByteArray baRegistryValue; // empty: no value
        QList<std::pair<const char *, const char *>> lstEnvironment;
        QString stShown;
    } arCases[] = {
        {"per protocol", "http=A:8080;https=B:8443", {}, "A|8080|B|8443||"},
        {"one for all", "gate.local:3128", {}, "gate.local|3128|gate.local|3128|gate.local|3128"},
        {"a host named ftpgate", "ftpgate:8080", {}, "ftpgate|8080|ftpgate|8080|ftpgate|8080"},
        {"the registry first", "http=A:1", {{"https_proxy", "http://B:2"}}, "A|1||||"},
        // A login whose password holds "@" stays out of the host.
        {"lower and upper case variables",
         "",
         {{"http_proxy", "http://robin:h@od@A:8080/"}, {"HTTPS_PROXY", "B:8443"}},
         "A|8080|B|8443||"},
        {"all_proxy alone",
         "",
         {{"ALL_PROXY", "socks://gate:1080"}},
         "gate|1080|gate|1080|gate|1080"},
    };
    const QByteArray baRegistry =
        objInstallation->fnbaReadFile(QStringLiteral("Config/registry.ini"));
    for (const auto &c : arCases) {
        pClearProxyEnvironment();
        for (const auto &[pch, pchValue] : c.lstEnvironment)
            qputenv(pch, pchValue);
        QVERIFY(objInstallation->fnbWriteFile(
            QStringLiteral("Config/registry.ini"),
            baRegistry +
                (c.baRegistryValue.isEmpty() ? QByteArray() : baKey + c.baRegistryValue + "\r\n")));
        QCOMPARE(fniExec(QStringLiteral("UPDATE internet_setting SET connection_type = 0"), {}), 0);
        TclsScriptedAnswerer objAnswerer;
        TfrmRegistrationWizard frm;
        QVERIFY2(!frm.fnbStartupFailed(), c.pchName);
        fnpControl<QCheckBox>(frm, "chkBrowserProxysettings")->click();
        QCOMPARE(fnstShown(frm).section(QLatin1Char('|'), 0, 5), c.stShown);
        QCOMPARE(fnstState(frm), QStringLiteral("radProxyServer -E--E---E"));
    }
    pClearProxyEnvironment();
}

void tst_InternetPage::TheDialogsSettingsComeBackOnASecondStart() {
    // Blanks around the password are part of it.
    const QString stPassword = QStringLiteral(" Sherwood#7 ");
    int iRuns = 0;
    const TModalRunner fnPrevious = pSetModalRunner(fnrunAnsweringInside([&](QDialog &dlg) {
        ++iRuns;
        dlg.show();
        const std::pair<const char *, QString> arTyped[] = {
            {"edtHTTPProxyAddress", QStringLiteral("web.local")},
            {"edtHTTPPort", QStringLiteral("8080")},
            {"edtHTTPSProxyAddress", QStringLiteral("tls.local")},
            {"edtHTTPSPort", QString()},
            {"edtFTPProxyAddress", QStringLiteral("files.local")},
            {"edtFTPPort", QStringLiteral("2121")},
        };
        for (const auto &[pch, st] : arTyped)
            fnpControl<QLineEdit>(dlg, pch)->setText(st);
        fnpControl<QCheckBox>(dlg, "chkUserNamePwdConfirmation")->click();
        fnpControl<QLineEdit>(dlg, "edtUserName")->setText(QStringLiteral("robin"));
        fnpControl<QLineEdit>(dlg, "edtPassword")->setText(stPassword);
        fnpControl<QCheckBox>(dlg, "chkNTLM")->click();
        fnpControl<QPushButton>(dlg, "btnOK")->click();
        return dlg.result();
    }));
    const QString stShown =
        QStringLiteral("web.local|8080|tls.local||files.local|2121|robin|************|o|x|x");
    {
        TclsScriptedAnswerer objAnswerer;
        TrecWizard wiz;
        QVERIFY(wiz.fnbReady());
        wiz.frm.pChangePage(QString(), wpPickupDetails, pdNext, 5);
        fnpControl<QRadioButton>(wiz.frm, "radProxyServer")->click();
        QTest::mouseClick(fnpControl<QPushButton>(wiz.frm, "btnProxyServerSettings"),
                          Qt::LeftButton);
        QCOMPARE(iRuns, 1);
        QCOMPARE(fnstShown(wiz.frm), stShown);
        QVERIFY(fnpControl<QLineEdit>(wiz.frm, "edtPassword")->text() == stPassword);
        QVERIFY(objAnswerer.fnarAsked().empty());
    }
    pSetModalRunner(fnPrevious);
    TclsScriptedAnswerer objAnswerer;
    TfrmRegistrationWizard frm;
    QVERIFY(!frm.fnbStartupFailed());
    QCOMPARE(fnstState(frm), QStringLiteral("radProxyServer -EEEEEEEE"));
    QCOMPARE(fnstShown(frm), stShown);
    QVERIFY(fnpControl<QLineEdit>(frm, "edtPassword")->text() == stPassword);
    QVERIFY(!fnstLog(*objInstallation).contains(stPassword));
}

void tst_InternetPage::AFullDiskOnNextIsToldAsTheDatabasesDiskAndThePageStays() {
    TclsScriptedAnswerer objAnswerer;
    TrecWizard wiz;
    QVERIFY(wiz.fnbReady());
    wiz.frm.pChangePage(QString(), wpPickupDetails, pdNext, 5);
    QCOMPARE(wiz.frm.fniCurrentPage(), int(wpInternetDetails));
    const QString stBefore =
        fnstScalar(QStringLiteral("SELECT connection_type FROM internet_setting"));
    fnpControl<QRadioButton>(wiz.frm, "radProxyServer")->click();
    fnpControl<QCheckBox>(wiz.frm, "chkBrowserProxysettings")->click();
    objAnswerer.pExpect(0);
    {
        const TclsFileSizeLimit objFullDisk;
        fnpControl<QPushButton>(wiz.frm, "btnNext")->click();
    }
    QCOMPARE(
        objAnswerer.fnslAsked(),
        QStringList{QStringLiteral("The database could not write to its disk: the disk is full or "
                                   "failed. Please contact System Administrator.")});
    QCOMPARE(wiz.frm.fniCurrentPage(), int(wpInternetDetails));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT connection_type FROM internet_setting")), stBefore);
    QCOMPARE(fnstIntegrityCheck(), QStringLiteral("ok"));
    fnpControl<QPushButton>(wiz.frm, "btnNext")->click();
    QCOMPARE(wiz.frm.fniCurrentPage(), int(wpFTPSetting));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT use_browser_settings FROM internet_setting")),
             QStringLiteral("1"));
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
}

QTEST_MAIN(tst_InternetPage)
#include "tst_InternetPage.moc"
