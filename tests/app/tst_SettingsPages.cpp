// The pickup, SFTP, e-mail and application-security pages: their captions
// and fields, what the fields let the user type, what a second start shows of
// the values saved through the settings objects, and what reading the pages
// gives the settings objects.
#include "UnitAdHocQuery.h"
#include "UnitFieldMarks.h"
#include "UnitFTPSettingPage.h"
#include "unitRegistrationWizard.h"
#include "unitRWApplSecurity.h"
#include "unitRWEmailSetting.h"
#include "unitRWFTPSetting.h"
#include "UnitRWPickupDetails.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"
#include "UnitWizardOnScreen.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <optional>

namespace {
QString fnstText(QWidget &frm, const char *pchName) {
    return fnpControl<QLineEdit>(frm, pchName)->text();
}

void pSetText(QWidget &frm, const char *pchName, const QString &st) {
    fnpControl<QLineEdit>(frm, pchName)->setText(st);
}

int fniSpin(QWidget &frm, const char *pchName) {
    return fnpControl<QSpinBox>(frm, pchName)->value();
}

void pSetSpin(QWidget &frm, const char *pchName, int i) {
    fnpControl<QSpinBox>(frm, pchName)->setValue(i);
}

// Every line the wizard and its libraries logged in the installation.
QString fnstAllLogs(const TclsTestInstallation &obj) {
    QString stLogs;
    QDirIterator it(obj.fnstPath(QStringLiteral("Logs")), QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            stLogs += QString::fromUtf8(f.readAll());
    }
    return stLogs;
}

bool fnbPasswordFieldsEnabled(QWidget &frm, bool bEnabled) {
    for (const char *pchName : {"edtApplSecurityPasswd", "edtApplSecurityRetypePasswd"}) {
        auto *edt = fnpControl<QLineEdit>(frm, pchName);
        const QPalette pal = QApplication::palette(edt);
        const QColor clExpected = pal.color(bEnabled ? QPalette::Base : QPalette::Button);
        if (edt->isEnabled() != bEnabled || edt->palette().color(QPalette::Base) != clExpected)
            return false;
    }
    return true;
}

const QString cstFTPPassword = QStringLiteral("ftp s3cret");
const QString cstEmailPassword = QStringLiteral("m@il-pass");
const QString cstApplPassword = QStringLiteral("open sesame");
} // namespace

class tst_SettingsPages : public QObject {
    Q_OBJECT

private slots:
    void CaptionsFieldsAndHiddenStars();
    void FieldsLetThroughOnlyWhatTheyTake();
    void SavedPagesComeBackOnTheNextStart();
    void PickupPageKeepsItsDesignWithoutARow();
    void PickupListTakesTheDefaultFirstAndNoBlanks();
    void PasswordFieldsFollowTheBox();
};

void tst_SettingsPages::CaptionsFieldsAndHiddenStars() {
    TrecInstalledWizard<> wiz;
    QVERIFY2(wiz.fnbStarted(), wiz.fnbaError());
    const struct {
        const char *pchLabel, *pchCaption;
        bool bStarStyle; // the red star exists, hidden until the page is required
        const char *pchField;
        int iMaxLength;
        int iHelpContext;
    } arCases[] = {
        {"lblDefaultPickup", "Default Pickup Location:", false, "edtDefaultPickup", 35, 1564},
        {"lblPickup1", "Pickup Location 1:", false, "edtPickup1", 35, 1565},
        {"lblPickup4", "Pickup Location 4:", false, "edtPickup4", 35, 1568},
        {"lblFTPHost", "Host:", true, "edtFTPHost", 50, 1532},
        {"lblFTPPort", "Port:", true, "edtFTPPort", 8, 1533},
        {"lblFTPUserId", "User ID:", true, "edtFTPUserId", 35, 1535},
        {"lblFTPPasswd", "Password:", true, "edtFTPPasswd", 25, 1534},
        {"lblFTPBuildDirPath", "Build Directory Path:", true, "edtFTPBuildDirPath", 250, 1536},
        {"lblFTPWorkDirPath", "Work Directory Path:", true, "edtFTPWorkDirPath", 250, 1537},
        {"lblFTPGatewayIATA", "Gateway IATA:", false, "edtGatewayIATA", 3, 1531},
        {"lblEmailHost", "Outgoing Mail Server:", true, "edtEmailHost", 50, 1539},
        {"lblEmailPort", "Port(SMTP):", true, "edtEmailPort", 8, 1540},
        {"lblEmailUserId", "User ID:", true, "edtEmailUserId", 80, 1541},
        {"lblEmailPassword", "Password:", false, "edtEmailPassword", 255, 1560},
        {"lblApplSecurityPasswd", "Enter password:", false, "edtApplSecurityPasswd", 255, 1548},
        {"lblApplSecurityRetypePasswd", "Re-type Password:", false, "edtApplSecurityRetypePasswd",
         255, 1549},
    };
    for (const auto &c : arCases) {
        auto *lbl = fnpControl<QLabel>(wiz.frm, c.pchLabel);
        QCOMPARE(lbl->text(), QString::fromLatin1(c.pchCaption));
        QVERIFY2(!fnbHasMandatoryMark(lbl), c.pchLabel);
        auto *lblMark = lbl->parentWidget()->findChild<QLabel *>(QString::fromLatin1(c.pchLabel) +
                                                                 QStringLiteral("Mark"));
        QVERIFY2((lblMark != nullptr) == c.bStarStyle, c.pchLabel);
        if (lblMark)
            QCOMPARE(lblMark->palette().color(QPalette::WindowText), QColor(Qt::red));
        auto *edt = fnpControl<QLineEdit>(wiz.frm, c.pchField);
        QCOMPARE(edt->maxLength(), c.iMaxLength);
        QCOMPARE(edt->property("helpContext").toInt(), c.iHelpContext);
        const bool bSecret = QByteArray(c.pchField).contains("Passw");
        QVERIFY2((edt->echoMode() == QLineEdit::Password) == bSecret, c.pchField);
    }
    // End of day by SFTP shows every SFTP field's star.
    fnpControl<TfraFTPSettingPage>(wiz.frm, "tbsFTPSetting")->pShowFTPInUse(true);
    for (const auto &c : arCases)
        if (c.bStarStyle && QByteArray(c.pchLabel).startsWith("lblFTP"))
            QVERIFY2(fnbHasMandatoryMark(fnpControl<QLabel>(wiz.frm, c.pchLabel)), c.pchLabel);
    const struct {
        const char *pchControl, *pchCaption;
    } arOthers[] = {
        {"lblReadyByCutOffMargin", "Ready By Cut-off Margin:"},
        {"lblReadyCloseMargin", "Ready Close Margin:"},
        {"lblRequestClosemargin", "Request Close Margin:"},
        {"lblRequestCutOffMargin", "Request cut off margin:"},
        {"lblDefaultCloseTime", "Default Close Time:"},
        {"lblDefaultReadyByTime", "Default Ready By Time:"},
        {"lblhour", "hh  :  mm"},
        {"lblApplSecurityPasswdRequired",
         "Yes, I want my Zorv Morvane software to request a password for the default user"},
        {"lblApplSecurity",
         "To ease office security concerns, Zorv Morvane application allows you to assign a "
         "password to the default user that is required when the program is launched."},
        {"radRWMnfModeActive", "Active Mode Transfer"},
        {"radRWMnfModePassive", "Passive Mode Transfer"},
    };
    for (const auto &c : arOthers) {
        QWidget *w = fnpControl<QWidget>(wiz.frm, c.pchControl);
        const QString stText = qobject_cast<QLabel *>(w) ? qobject_cast<QLabel *>(w)->text()
                                                         : qobject_cast<QRadioButton *>(w)->text();
        QCOMPARE(stText, QString::fromLatin1(c.pchCaption));
    }
    QCOMPARE(fnpControl<QGroupBox>(wiz.frm, "pnlPickupMargins")->title(),
             QStringLiteral(" Pickup Margins(in minutes)"));
    QCOMPARE(fnpControl<QGroupBox>(wiz.frm, "pnlDefaultPickupTime")->title(),
             QStringLiteral("Default Time For Pickups"));
    QCOMPARE(fnpControl<QGroupBox>(wiz.frm, "rgpRWMnfMode")->title(),
             QStringLiteral("SFTP Transfer Mode"));
    QCOMPARE(fnpControl<QWidget>(wiz.frm, "rgpRWMnfMode")->property("helpContext").toInt(), 1701);
    QVERIFY(wiz.objAnswerer.fnarAsked().empty());
}

void tst_SettingsPages::FieldsLetThroughOnlyWhatTheyTake() {
    TrecInstalledWizard<> wiz;
    QVERIFY2(wiz.fnbStarted(), wiz.fnbaError());
    const struct {
        const char *pchField;
        QString stTyped;
        bool bBackspace; // one Backspace after the typing
        QString stShown;
    } arCases[] = {
        {"edtFTPPort", QStringLiteral("2a2-2.2 "), false, QStringLiteral("2222")},
        {"edtFTPPort", QStringLiteral("219"), true, QStringLiteral("21")},
        {"edtEmailPort", QStringLiteral("5x8+7"), false, QStringLiteral("587")},
        {"edtFTPBuildDirPath", QStringLiteral("C:\\out/\"*<>?|dir 1"), false,
         QStringLiteral("C\\outdir 1")},
        {"edtFTPWorkDirPath", QStringLiteral("\\\\srv\\w:ork"), false,
         QStringLiteral("\\\\srv\\work")},
        {"edtGatewayIATA", QStringLiteral("lhr"), false, QStringLiteral("LHR")},
    };
    for (const auto &c : arCases) {
        auto *edt = fnpControl<QLineEdit>(wiz.frm, c.pchField);
        edt->clear();
        QTest::keyClicks(edt, c.stTyped);
        if (c.bBackspace)
            QTest::keyClick(edt, Qt::Key_Backspace);
        QCOMPARE(edt->text(), c.stShown);
    }
    // Pasted text is not filtered.
    auto *edtPort = fnpControl<QLineEdit>(wiz.frm, "edtFTPPort");
    edtPort->clear();
    QApplication::clipboard()->setText(QStringLiteral("8a"));
    QTest::keyClick(edtPort, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edtPort->text(), QStringLiteral("8a"));
}

void tst_SettingsPages::SavedPagesComeBackOnTheNextStart() {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.bLogging = true;
    TclsTestInstallation objInstallation(recOptions);
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    TclsScriptedAnswerer objAnswerer;
    {
        TclsAdHocQuery qry;
        QCOMPARE(qry.fniExecute(QStringLiteral("update config_zorv set gateway_iata = ?"),
                                {QStringLiteral("FRA")}),
                 0);
    }
    {
        // The first run: the pages typed in, read and saved as the wizard saves them.
        TrecWizard wiz;
        QVERIFY(wiz.fnbStarted());
        QWidget &frm = wiz.frm;
        pSetText(frm, "edtDefaultPickup", QStringLiteral("  GATE 2 "));
        pSetText(frm, "edtPickup1", QString());
        pSetText(frm, "edtPickup2", QStringLiteral("DOCK A"));
        pSetText(frm, "edtPickup3", QStringLiteral("   "));
        pSetText(frm, "edtPickup4", QStringLiteral("LOADING BAY"));
        pSetSpin(frm, "speRequestCutOffMargin", 15);
        pSetSpin(frm, "speReadyByCloseMargin", 45);
        pSetSpin(frm, "speRequestCloseMargin", 90);
        pSetSpin(frm, "speReadyByCutOffMargin", 120);
        pSetSpin(frm, "speDefaultCloseTimeHour", 18);
        pSetSpin(frm, "speDefaultCloseTimeMinute", 30);
        pSetSpin(frm, "speDefaultReadyByTimeHour", 7);
        pSetSpin(frm, "speDefaultReadyByTimeMinute", 5);
        pSetText(frm, "edtFTPHost", QStringLiteral("sftp.example.test"));
        pSetText(frm, "edtFTPPort", QStringLiteral("2222"));
        pSetText(frm, "edtFTPUserId", QStringLiteral("morvane"));
        pSetText(frm, "edtFTPPasswd", cstFTPPassword);
        pSetText(frm, "edtFTPBuildDirPath", QStringLiteral("\\manifests\\build"));
        pSetText(frm, "edtFTPWorkDirPath", QStringLiteral("\\manifests\\work"));
        fnpControl<QRadioButton>(frm, "radRWMnfModePassive")->setChecked(true);
        pSetText(frm, "edtEmailHost", QStringLiteral("smtp.example.test"));
        pSetText(frm, "edtEmailPort", QString());
        pSetText(frm, "edtEmailUserId", QStringLiteral("eod@example.test"));
        pSetText(frm, "edtEmailPassword", cstEmailPassword);
        fnpControl<QCheckBox>(frm, "chkApplSecurityPasswdRequired")->setChecked(true);
        pSetText(frm, "edtApplSecurityPasswd", cstApplPassword);
        pSetText(frm, "edtApplSecurityRetypePasswd", cstApplPassword);
        wiz.frm.pReadPage(wpPickupDetails);
        wiz.frm.pReadPage(wpFTPSetting);
        wiz.frm.pReadPage(wpEmailSetting);
        wiz.frm.pReadPage(wpApplSecurity);
        QCOMPARE(TclsRWPickup().fnstSaveToDB(wiz.frm.fnrecData().objPickupData), cstSuccess);
        QCOMPARE(TclsRWFTPSetting().fnstSaveToDB(wiz.frm.fnrecData().objFTPSettingData),
                 cstSuccess);
        QCOMPARE(TclsRWEmailSetting().fnstSaveToDB(wiz.frm.fnrecData().objEmailSettingData),
                 cstSuccess);
        QCOMPARE(TclsRWApplSecurity().fnstSaveToDB(wiz.frm.fnrecData().objApplSecurityData),
                 cstSuccess);
    }
    TrecWizard wiz;
    QVERIFY(wiz.fnbStarted());
    QWidget &frm = wiz.frm;
    const struct {
        const char *pchField, *pchShown;
    } arTexts[] = {
        {"edtDefaultPickup", "GATE 2"},
        {"edtPickup1", "DOCK A"},
        {"edtPickup2", "LOADING BAY"},
        {"edtPickup3", ""},
        {"edtPickup4", ""},
        {"edtFTPHost", "sftp.example.test"},
        {"edtFTPPort", "2222"},
        {"edtFTPUserId", "morvane"},
        {"edtFTPPasswd", "ftp s3cret"},
        {"edtFTPBuildDirPath", "\\manifests\\build"},
        {"edtFTPWorkDirPath", "\\manifests\\work"},
        {"edtGatewayIATA", "FRA"},
        {"edtEmailHost", "smtp.example.test"},
        {"edtEmailPort", ""},
        {"edtEmailUserId", "eod@example.test"},
        {"edtEmailPassword", "m@il-pass"},
        {"edtApplSecurityPasswd", "open sesame"},
        {"edtApplSecurityRetypePasswd", "open sesame"},
    };
    for (const auto &c : arTexts)
        QVERIFY2(fnstText(frm, c.pchField) == QString::fromLatin1(c.pchShown), c.pchField);
    const struct {
        const char *pchSpin;
        int iShown;
    } arSpins[] = {
        {"speRequestCutOffMargin", 15},   {"speReadyByCloseMargin", 45},
        {"speRequestCloseMargin", 90},    {"speReadyByCutOffMargin", 120},
        {"speDefaultCloseTimeHour", 18},  {"speDefaultCloseTimeMinute", 30},
        {"speDefaultReadyByTimeHour", 7}, {"speDefaultReadyByTimeMinute", 5},
    };
    for (const auto &c : arSpins)
        QVERIFY2(fniSpin(frm, c.pchSpin) == c.iShown, c.pchSpin);
    QVERIFY(fnpControl<QRadioButton>(frm, "radRWMnfModePassive")->isChecked());
    QVERIFY(!fnpControl<QRadioButton>(frm, "radRWMnfModeActive")->isChecked());
    QVERIFY(fnpControl<QCheckBox>(frm, "chkApplSecurityPasswdRequired")->isChecked());
    QVERIFY(fnbPasswordFieldsEnabled(frm, true));

    // Start-up read the pages back into the holders the settings objects take.
    const TclsRWPickupData &objPickup = wiz.frm.fnrecData().objPickupData;
    QCOMPARE(objPickup.slPickupLocations,
             QStringList({QStringLiteral("GATE 2"), QStringLiteral("DOCK A"),
                          QStringLiteral("LOADING BAY")}));
    QCOMPARE(objPickup.iRequestCutOffMargin, 15);
    QCOMPARE(objPickup.iReadyByCloseMargin, 45);
    QCOMPARE(objPickup.iRequestCloseMargin, 90);
    QCOMPARE(objPickup.iReadyByCutOffMargin, 120);
    QCOMPARE(objPickup.tmDefaultCloseTime, QTime(18, 30, 0));
    QCOMPARE(objPickup.tmDefaultReadyByTime, QTime(7, 5, 0));
    const TclsRWFTPSettingData &objFTP = wiz.frm.fnrecData().objFTPSettingData;
    QCOMPARE(QString(objFTP.stHost), QStringLiteral("sftp.example.test"));
    QCOMPARE(objFTP.stPort, QStringLiteral("2222"));
    QCOMPARE(objFTP.stUserId, QStringLiteral("morvane"));
    QVERIFY(objFTP.stPassword == cstFTPPassword);
    QCOMPARE(objFTP.stBuildDirPath, QStringLiteral("\\manifests\\build"));
    QCOMPARE(objFTP.stWorkDirPath, QStringLiteral("\\manifests\\work"));
    QCOMPARE(objFTP.iManifestMode, 1);
    const TclsRWEmailSettingData &objEmail = wiz.frm.fnrecData().objEmailSettingData;
    QCOMPARE(QString(objEmail.stHost), QStringLiteral("smtp.example.test"));
    QCOMPARE(objEmail.stPort, QString());
    QCOMPARE(objEmail.stUserId, QStringLiteral("eod@example.test"));
    QVERIFY(objEmail.stPassword == cstEmailPassword);
    const TclsRWApplSecurityData &objSecurity = wiz.frm.fnrecData().objApplSecurityData;
    QVERIFY(objSecurity.bPasswordRequired);
    QVERIFY(objSecurity.stPassword == cstApplPassword);

    const QString stLogs = fnstAllLogs(objInstallation);
    QVERIFY(stLogs.contains(QStringLiteral("Inside pReadFromApplSecurityScreen.")));
    for (const QString &stPassword : {cstFTPPassword, cstEmailPassword, cstApplPassword})
        QVERIFY2(!stLogs.contains(stPassword), "a password reached the log");
    QVERIFY(objAnswerer.fnarAsked().empty());
}

void tst_SettingsPages::PickupPageKeepsItsDesignWithoutARow() {
    const struct {
        const char *pchCase;
        bool bDropTable; // otherwise the table is there without a row
    } arCases[] = {{"no row", false}, {"no pickup table", true}};
    for (const auto &c : arCases) {
        TrecInstallationOptions recOptions = fnrecTestOptions();
        if (c.bDropTable)
            recOptions.slDropTables = {QStringLiteral("pickup")};
        TclsTestInstallation objInstallation(recOptions);
        QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
        if (!c.bDropTable)
            QCOMPARE(TclsAdHocQuery().fniExecute(QStringLiteral("delete from pickup")), 0);
        TclsScriptedAnswerer objAnswerer;
        TrecWizard wiz;
        QVERIFY2(wiz.fnbStarted(), c.pchCase);
        QVERIFY2(fnstText(wiz.frm, "edtDefaultPickup").isEmpty(), c.pchCase);
        QVERIFY2(fniSpin(wiz.frm, "speDefaultCloseTimeHour") == 17, c.pchCase);
        QVERIFY2(fniSpin(wiz.frm, "speDefaultReadyByTimeHour") == 9, c.pchCase);
        QVERIFY2(fniSpin(wiz.frm, "speRequestCutOffMargin") == 0, c.pchCase);
        QVERIFY2(wiz.frm.fnrecData().objPickupData.slPickupLocations == QStringList(QString()),
                 c.pchCase);
        QVERIFY2(objAnswerer.fnarAsked().empty(), c.pchCase);
    }
}

void tst_SettingsPages::PickupListTakesTheDefaultFirstAndNoBlanks() {
    TrecInstalledWizard<> wiz;
    QVERIFY2(wiz.fnbStarted(), wiz.fnbaError());
    const struct {
        QStringList slTyped; // default, then locations 1 to 4
        QStringList slRead;
    } arCases[] = {
        {{"", "A", "", " ", "B"}, {"", "A", "B"}},
        {{"  HQ ", "", "", "", ""}, {"HQ"}},
        {{"   ", "", "", "", ""}, {""}},
        {{"D", " 1 ", "2", "3", "4"}, {"D", "1", "2", "3", "4"}},
    };
    const char *const arFields[] = {"edtDefaultPickup", "edtPickup1", "edtPickup2", "edtPickup3",
                                    "edtPickup4"};
    for (const auto &c : arCases) {
        for (int i = 0; i < 5; ++i)
            pSetText(wiz.frm, arFields[i], c.slTyped[i]);
        wiz.frm.pReadPage(wpPickupDetails);
        QCOMPARE(wiz.frm.fnrecData().objPickupData.slPickupLocations, c.slRead);
    }
}

void tst_SettingsPages::PasswordFieldsFollowTheBox() {
    TrecInstalledWizard<> wiz;
    QVERIFY2(wiz.fnbStarted(), wiz.fnbaError());
    auto *chk = fnpControl<QCheckBox>(wiz.frm, "chkApplSecurityPasswdRequired");
    // A first run: the DEFAULT user has no password, nothing is asked for.
    QVERIFY(!chk->isChecked());
    QVERIFY(fnbPasswordFieldsEnabled(wiz.frm, false));
    QVERIFY(!wiz.frm.fnrecData().objApplSecurityData.bPasswordRequired);
    for (bool bTicked : {true, false, true}) {
        chk->setChecked(bTicked);
        QVERIFY(fnbPasswordFieldsEnabled(wiz.frm, bTicked));
    }
    // Unticked, the page does not hand on what the field holds.
    pSetText(wiz.frm, "edtApplSecurityPasswd", QStringLiteral("typed"));
    chk->setChecked(false);
    wiz.frm.pReadPage(wpApplSecurity);
    QVERIFY(!wiz.frm.fnrecData().objApplSecurityData.bPasswordRequired);
    QVERIFY(wiz.frm.fnrecData().objApplSecurityData.stPassword.isEmpty());
}

QTEST_MAIN(tst_SettingsPages)
#include "tst_SettingsPages.moc"
