// Leaving the communication and internet pages: the pickup page passed over
// both ways without its service, the warnings about the site-registration
// service and its modem, the internet_setting row the internet page writes
// (and the login it refuses), a failed write, and the grey of the three
// check boxes while they hold the focus.
#include "UnitAdHocQuery.h"
#include "UnitNavWizard.h"
#include "UnitServiceGrid.h"
#include "UnitTestQueries.h"

#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>

namespace {
const QString cstSiteRegistration = QStringLiteral("Site Registration");
const QString cstSchedulePickup = QStringLiteral("Schedule Pickup");
const QString cstInformation = QStringLiteral("Registration Wizard - Information");

// Sets the cells of a service's row as the user's picks commit them.
void pSetService(QWidget &frm, const QString &stService,
                 const std::vector<std::pair<int, QString>> &arCells) {
    auto *stg = fnpControl<QTableWidget>(frm, "stgCSServiceSettings");
    for (int i = 0; i < stg->rowCount(); ++i)
        if (stg->item(i, sgcService)->text() == stService)
            for (const auto &[iColumn, st] : arCells)
                stg->item(i, iColumn)->setText(st);
}

void pActivateSchedulePickup(QWidget &frm) {
    pSetService(frm, cstSchedulePickup,
                {{sgcActivated, QStringLiteral("true")},
                 {sgcMode, QStringLiteral("HTTPS")},
                 {sgcHTTPServer, QStringLiteral("https://localhost")},
                 {sgcHTTPPort, QStringLiteral("8443")}});
}

QString fnstTitle(QWidget &frm) {
    return fnpControl<QLabel>(frm, "lblScreenName")->text();
}

bool fnbLegendShown(QWidget &frm) {
    return fnpControl<QLabel>(frm, "lblMandatoryField")->isVisible();
}

// On the communication page with the one field the page's check needs from
// a later page: the gateway airport.
bool fnbOnCommPage(TrecNavWizard &w) {
    if (!w.fnbOnPage(wpCommSetting))
        return false;
    w.edt("edtGatewayIATA")->setText(QStringLiteral("SYD"));
    return true;
}

// The site registration sent over the modem, with its phone number.
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

// Compared, never printed: a password stays out of the test output.
bool fnbStoredPasswordIs(const QString &stPassword) {
    return fnstStoredSecret("internet_setting", "proxy_password").trimmed() == stPassword;
}
} // namespace

class tst_NavigationRules : public QObject {
    Q_OBJECT
private slots:
    void PickupPageSkippedBothWaysWithoutItsService();
    void SiteRegistrationServiceWarnings();
    void WithoutAModemTheSiteRegistrationPageHasNoNext();
    void InternetPageWritesItsRow();
    void AFailedInternetWriteIsShownAndStays();
    void CheckBoxesTurnGreyWhileFocused();
};

void tst_NavigationRules::PickupPageSkippedBothWaysWithoutItsService() {
    struct TrecStep {
        bool bBack;
        int iPage;
        QString stTitle;
        bool bLegend;
    };
    const QString stComm = QStringLiteral("Communication Settings");
    const QString stPickup = QStringLiteral("Pickup Location Details");
    const QString stInternet = QStringLiteral("Internet Settings");
    const struct {
        bool bPickupActivated;
        std::vector<TrecStep> arSteps;
    } arCases[] = {
        {false,
         {{false, wpInternetDetails, stInternet, false}, {true, wpCommSetting, stComm, true}}},
        {true,
         {{false, wpPickupDetails, stPickup, true},
          {false, wpInternetDetails, stInternet, false},
          {true, wpPickupDetails, stPickup, true},
          {true, wpCommSetting, stComm, true}}},
    };
    for (const auto &c : arCases) {
        TrecNavWizard w;
        QVERIFY2(fnbOnCommPage(w), w.fnbaError());
        if (c.bPickupActivated)
            pActivateSchedulePickup(w.frm);
        w.edt("edtDefaultPickup")->setText(QStringLiteral("Dock 4"));
        for (const TrecStep &s : c.arSteps) {
            s.bBack ? w.pBack() : w.pNext();
            QCOMPARE(w.frm.fniCurrentPage(), s.iPage);
            QCOMPARE(fnstTitle(w.frm), s.stTitle);
            QCOMPARE(fnbLegendShown(w.frm), s.bLegend);
        }
        QCOMPARE(w.objLists.iShown, 0);
        QVERIFY(w.objAnswerer.fnarAsked().empty());
    }
}

void tst_NavigationRules::SiteRegistrationServiceWarnings() {
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
        {"modem mode with its modem", fnrecModemOptions(QStringLiteral("/dev/ttyS0")), false, false,
         QString(), wpInternetDetails, true},
        {"over HTTPS", fnrecTestOptions(), false, false, QString(), wpInternetDetails, true},
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
            pSetService(w.frm, cstSiteRegistration, {{sgcActivated, QStringLiteral("false")}});
        if (!c.stMessage.isEmpty())
            w.objAnswerer.pExpect(0);
        w.pNext();
        QVERIFY2(w.fnslMessages() ==
                     (c.stMessage.isEmpty() ? QStringList() : QStringList{c.stMessage}),
                 baName);
        QVERIFY2(w.objAnswerer.fnarUnexpected().empty(), baName);
        QVERIFY2(w.frm.fniCurrentPage() == c.iPage, baName);
        QVERIFY2(w.frm.fnbSiteRegistrationActivated() == c.bSiteRegActivated, baName);
        if (c.iPage == wpCommSetting)
            QTRY_VERIFY2(cmbModems->hasFocus(), baName);
    }
}

void tst_NavigationRules::WithoutAModemTheSiteRegistrationPageHasNoNext() {
    TrecNavWizard w(fnrecModemOptions(QString()));
    QVERIFY2(fnbOnCommPage(w), w.fnbaError());
    w.objAnswerer.pExpect(0);
    w.pNext();
    QCOMPARE(w.fnslMessages().size(), qsizetype(1));
    // The rest of the walk with every page as it came.
    QList<int> lstPages;
    for (int i = 0; i < 8 && w.frm.fniCurrentPage() != wpSiteRegistration; ++i) {
        w.pNext();
        lstPages << w.frm.fniCurrentPage();
    }
    QCOMPARE(lstPages, QList<int>({wpFTPSetting, wpEmailSetting, wpApplSecurity, wpSummary,
                                   wpSiteRegistration}));
    auto *btnNext = fnpControl<QPushButton>(w.frm, "btnNext");
    QVERIFY(!btnNext->isEnabled());
    QVERIFY(w.objAnswerer.fnarUnexpected().empty());
    w.pBack();
    QCOMPARE(w.frm.fniCurrentPage(), int(wpSummary));
    QVERIFY(btnNext->isEnabled());
}

void tst_NavigationRules::InternetPageWritesItsRow() {
    const QString stBrowser = QStringLiteral("gate.local|3128|gate.local|3128|gate.local|3128");
    struct TrecCase {
        const char *pchName;
        const char *pchRadio;
        bool bBrowser, bLogin, bNTLM;
        QStringList slAddresses; // HTTP, its port, HTTPS, its port, SFTP, its port
        QString stUser, stPassword;
        QString stMessage, stFocus; // the refusal and where it leaves the focus
        QString stRow, stStoredPassword;
    };
    const TrecCase arCases[] = {
        {"manual proxy, blank ports",
         "radProxyServer",
         false,
         false,
         false,
         {"web.local", "8080", "tls.local", "", "files.local", " "},
         "",
         "",
         "",
         "",
         "0|0|web.local|8080|tls.local|0|files.local|0|0||0",
         ""},
        {"manual proxy with its login",
         "radProxyServer",
         false,
         true,
         true,
         {"web.local", "8080", "", "", "", ""},
         "robin",
         "Hood42",
         "",
         "",
         "0|0|web.local|8080||0||0|1|robin|1",
         "Hood42"},
        {"no user name, no password",
         "radProxyServer",
         false,
         true,
         false,
         {},
         "",
         "",
         "Please enter username and password.",
         "edtUserName",
         "2|0||0||0||0|0||0",
         ""},
        {"no user name",
         "radProxyServer",
         false,
         true,
         false,
         {},
         "",
         "Hood42",
         "Please enter username.",
         "edtUserName",
         "2|0||0||0||0|0||0",
         ""},
        {"no password",
         "radProxyServer",
         false,
         true,
         false,
         {},
         "robin",
         "",
         "Please enter password.",
         "edtPassword",
         "2|0||0||0||0|0||0",
         ""},
        {"browser proxy keeps the typed login",
         "radProxyServer",
         true,
         true,
         true,
         {},
         "robin",
         "Hood42",
         "",
         "",
         "0|1|" + stBrowser + "|1|robin|1",
         "Hood42"},
        {"browser proxy with half a login",
         "radProxyServer",
         true,
         true,
         false,
         {},
         "robin",
         "",
         "",
         "",
         "0|1|" + stBrowser + "|1||0",
         ""},
        {"without proxy",
         "radWithoutProxy",
         false,
         false,
         false,
         {},
         "",
         "",
         "",
         "",
         "2|0||0||0||0|0||0",
         ""},
    };
    for (const TrecCase &c : arCases) {
        const QByteArray baName(c.pchName);
        TrecNavWizard w;
        QVERIFY(w.objInstallation.fnbWriteFile(
            QStringLiteral("Config/registry.ini"),
            w.objInstallation.fnbaReadFile(QStringLiteral("Config/registry.ini")) +
                "\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
                "Settings]\r\nProxyServer=gate.local:3128\r\n"));
        QVERIFY2(w.fnbOnPage(wpInternetDetails), w.fnbaError());
        fnpControl<QRadioButton>(w.frm, c.pchRadio)->click();
        if (c.bBrowser)
            w.chk("chkBrowserProxysettings")->click();
        const char *const arEdits[] = {"edtHTTPProxyAddress",  "edtHTTPPortNumber",
                                       "edtHTTPSProxyAddress", "edtHTTPSPortNumber",
                                       "edtFTPProxyAddress",   "edtFTPPortNumber"};
        for (int i = 0; i < c.slAddresses.size(); ++i)
            w.edt(arEdits[i])->setText(c.slAddresses[i]);
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
        QVERIFY2(w.fnslMessages() ==
                     (c.stMessage.isEmpty() ? QStringList() : QStringList{c.stMessage}),
                 baName);
        if (!c.stMessage.isEmpty()) {
            QCOMPARE(w.objAnswerer.fnarAsked().back().stCaption, cstInformation);
            QCOMPARE(w.objAnswerer.fnarAsked().back().iIconKind, int(mikInformation));
            QVERIFY2(w.frm.fniCurrentPage() == wpInternetDetails, baName);
            QTRY_VERIFY2(w.edt(qPrintable(c.stFocus))->hasFocus(), baName);
        } else {
            QVERIFY2(w.frm.fniCurrentPage() == wpFTPSetting, baName);
        }
        QCOMPARE(fnstStoredRow(), c.stRow);
        QVERIFY2(fnbStoredPasswordIs(c.stStoredPassword), baName);
    }
}

void tst_NavigationRules::AFailedInternetWriteIsShownAndStays() {
    TrecNavWizard w;
    QVERIFY2(w.fnbOnPage(wpInternetDetails), w.fnbaError());
    QCOMPARE(fniExec(QStringLiteral("DROP TABLE internet_setting")), 0);
    w.objAnswerer.pExpect(0);
    w.pNext();
    QCOMPARE(w.fnslMessages(),
             QStringList{QStringLiteral(
                 "Database Configuration is not correct. Please contact System Administrator.")});
    QCOMPARE(w.objAnswerer.fnarAsked().back().stCaption,
             QStringLiteral("Registration Wizard - Warning"));
    QCOMPARE(w.frm.fniCurrentPage(), int(wpInternetDetails));
    QVERIFY(w.objAnswerer.fnarUnexpected().empty());
}

void tst_NavigationRules::CheckBoxesTurnGreyWhileFocused() {
    const struct {
        int iPage;
        const char *pchBox, *pchOther;
    } arCases[] = {
        {wpCommSetting, "chkCSEODviaFTP", "speCSNoOfRetries"},
        {wpCommSetting, "chkCSEODviaEmail", "stgCSServiceSettings"},
        {wpApplSecurity, "chkApplSecurityPasswdRequired", "btnNext"},
    };
    for (const auto &c : arCases) {
        TrecNavWizard w;
        QVERIFY2(w.fnbOnPage(c.iPage), w.fnbaError());
        QCheckBox *chk = w.chk(c.pchBox);
        const QColor clButtonFace = QApplication::palette(chk).color(QPalette::Button);
        chk->setFocus();
        QTRY_VERIFY(chk->hasFocus());
        QCOMPARE(chk->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
        fnpControl<QWidget>(w.frm, c.pchOther)->setFocus();
        QTRY_VERIFY(!chk->hasFocus());
        QCOMPARE(chk->palette().color(QPalette::Window), clButtonFace);
    }
}

QTEST_MAIN(tst_NavigationRules)
#include "tst_NavigationRules.moc"
