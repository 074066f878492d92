// The pickup, SFTP, e-mail and application-security pages.
#include "UnitAdHocQuery.h"
#include "UnitFieldMarks.h"
#include "UnitFTPSettingPage.h"
#include "unitRWApplSecurity.h"
#include "unitRWEmailSetting.h"
#include "unitRWFTPSetting.h"
#include "UnitRWPickupDetails.h"
#include "UnitWizardOnScreen.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

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
};

void tst_SettingsPages::CaptionsFieldsAndHiddenStars() {
    TrecInstalledWizard<> wiz;
    QVERIFY2(wiz.fnbStarted(), wiz.fnbaError());
    // The red star exists, hidden until the page is required.
    const struct {
        const char *pchLabel, *pchCaption;
        bool bStar;
    } arCases[] = {
        {"lblFTPHost", "Host:", true},
        {"lblFTPPort", "Port:", true},
        {"lblFTPUserId", "User ID:", true},
        {"lblFTPPasswd", "Password:", true},
        {"lblFTPBuildDirPath", "Build Directory Path:", true},
        {"lblFTPWorkDirPath", "Work Directory Path:", true},
        {"lblFTPGatewayIATA", "Gateway IATA:", false},
        {"lblEmailHost", "Outgoing Mail Server:", true},
        {"lblApplSecurityRetypePasswd", "Re-type Password:", false},
    };
    for (const auto &c : arCases) {
        auto *lbl = fnpControl<QLabel>(wiz.frm, c.pchLabel);
        QCOMPARE(lbl->text(), QString::fromLatin1(c.pchCaption));
        QVERIFY2(!fnbHasMandatoryMark(lbl), c.pchLabel);
        QVERIFY2(bool(lbl->parentWidget()->findChild<QLabel *>(lbl->objectName() + "Mark")) ==
                     c.bStar,
                 c.pchLabel);
    }
    for (const char *pch : {"edtFTPPasswd", "edtEmailPassword", "edtApplSecurityRetypePasswd"})
        QVERIFY2(fnpControl<QLineEdit>(wiz.frm, pch)->echoMode() == QLineEdit::Password, pch);
    // The seeded pickup row; end of day by SFTP shows every SFTP field's star.
    QCOMPARE(fniSpin(wiz.frm, "speDefaultCloseTimeHour"), 17);
    fnpControl<TfraFTPSettingPage>(wiz.frm, "tbsFTPSetting")->pShowFTPInUse(true);
    for (const auto &c : arCases)
        if (c.bStar && QByteArray(c.pchLabel).startsWith("lblFTP"))
            QVERIFY2(fnbHasMandatoryMark(fnpControl<QLabel>(wiz.frm, c.pchLabel)), c.pchLabel);
    QVERIFY(wiz.objAnswerer.fnarAsked().empty());
}

// Unticked, the page does not hand on what the password field holds.
void tst_SettingsPages::FieldsLetThroughOnlyWhatTheyTake() {
    TrecInstalledWizard<> wiz;
    QVERIFY2(wiz.fnbStarted(), wiz.fnbaError());
    const struct {
        const char *pchField;
        QString stTyped, stShown;
    } arCases[] = {{"edtFTPPort", "2a2-2.2 ", "2222"},
                   {"edtFTPBuildDirPath", "C:\\out/\"*<>?|dir 1", "C\\outdir 1"},
                   {"edtGatewayIATA", "lhr", "LHR"}};
    for (const auto &c : arCases) {
        auto *edt = fnpControl<QLineEdit>(wiz.frm, c.pchField);
        edt->clear();
        QTest::keyClicks(edt, c.stTyped);
        QCOMPARE(edt->text(), c.stShown);
    }
    auto *chk = fnpControl<QCheckBox>(wiz.frm, "chkApplSecurityPasswdRequired");
    chk->setChecked(true);
    pSetText(wiz.frm, "edtApplSecurityPasswd", QStringLiteral("typed"));
    chk->setChecked(false);
    QVERIFY(!fnpControl<QLineEdit>(wiz.frm, "edtApplSecurityPasswd")->isEnabled());
    wiz.frm.pReadPage(wpApplSecurity);
    QVERIFY(!wiz.frm.fnrecData().objApplSecurityData.bPasswordRequired);
    QVERIFY(wiz.frm.fnrecData().objApplSecurityData.stPassword.isEmpty());
}

void tst_SettingsPages::SavedPagesComeBackOnTheNextStart() {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.bLogging = true;
    TclsTestInstallation objInstallation(recOptions);
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    TclsScriptedAnswerer objAnswerer;
    QCOMPARE(TclsAdHocQuery().fniExecute(QStringLiteral("update config_zorv set gateway_iata = ?"),
                                         {QStringLiteral("FRA")}),
             0);
    const struct {
        const char *pchField;
        QString stTyped, stShown;
    } arTexts[] = {
        {"edtDefaultPickup", "  GATE 2 ", "GATE 2"},
        {"edtPickup1", "", "DOCK A"},
        {"edtPickup2", "DOCK A", "LOADING BAY"},
        {"edtPickup3", "   ", ""},
        {"edtPickup4", "LOADING BAY", ""},
        {"edtFTPHost", "sftp.example.test", "sftp.example.test"},
        {"edtFTPPasswd", cstFTPPassword, cstFTPPassword},
        {"edtGatewayIATA", "FRA", "FRA"},
        {"edtEmailHost", "smtp.example.test", "smtp.example.test"},
        {"edtEmailPassword", cstEmailPassword, cstEmailPassword},
        {"edtApplSecurityPasswd", cstApplPassword, cstApplPassword},
    };
    const std::pair<const char *, int> arSpins[] = {
        {"speRequestCutOffMargin", 15},
        {"speReadyByCutOffMargin", 120},
        {"speDefaultCloseTimeHour", 18},
        {"speDefaultReadyByTimeMinute", 5},
    };
    {
        TrecWizard wiz;
        QVERIFY(wiz.fnbStarted());
        for (const auto &c : arTexts)
            pSetText(wiz.frm, c.pchField, c.stTyped);
        for (const auto &[pch, i] : arSpins)
            fnpControl<QSpinBox>(wiz.frm, pch)->setValue(i);
        fnpControl<QRadioButton>(wiz.frm, "radRWMnfModePassive")->setChecked(true);
        fnpControl<QCheckBox>(wiz.frm, "chkApplSecurityPasswdRequired")->setChecked(true);
        for (const int enPage : {wpPickupDetails, wpFTPSetting, wpEmailSetting, wpApplSecurity})
            wiz.frm.pReadPage(enPage);
        const TrecWizardData &rec = wiz.frm.fnrecData();
        QCOMPARE(TclsRWPickup().fnstSaveToDB(rec.objPickupData), cstSuccess);
        QCOMPARE(TclsRWFTPSetting().fnstSaveToDB(rec.objFTPSettingData), cstSuccess);
        QCOMPARE(TclsRWEmailSetting().fnstSaveToDB(rec.objEmailSettingData), cstSuccess);
        QCOMPARE(TclsRWApplSecurity().fnstSaveToDB(rec.objApplSecurityData), cstSuccess);
    }
    TrecWizard wiz;
    QVERIFY(wiz.fnbStarted());
    for (const auto &c : arTexts)
        QVERIFY2(fnstText(wiz.frm, c.pchField) == c.stShown, c.pchField);
    for (const auto &[pch, i] : arSpins)
        QVERIFY2(fniSpin(wiz.frm, pch) == i, pch);
    QVERIFY(fnpControl<QRadioButton>(wiz.frm, "radRWMnfModePassive")->isChecked());
    QVERIFY(fnpControl<QCheckBox>(wiz.frm, "chkApplSecurityPasswdRequired")->isChecked());
    QCOMPARE(wiz.frm.fnrecData().objPickupData.slPickupLocations,
             QStringList({"GATE 2", "DOCK A", "LOADING BAY"}));
    const QString stLogs = fnstAllLogs(objInstallation);
    QVERIFY(!stLogs.isEmpty());
    for (const QString &stPassword : {cstFTPPassword, cstEmailPassword, cstApplPassword})
        QVERIFY2(!stLogs.contains(stPassword), "a password reached the log");
    QVERIFY(objAnswerer.fnarAsked().empty());
}

// No pickup row, or no pickup table at all: the page keeps its design.
void tst_SettingsPages::PickupPageKeepsItsDesignWithoutARow() {
    for (const bool bDropTable : {false, true}) {
        TrecInstallationOptions recOptions = fnrecTestOptions();
        if (bDropTable)
            recOptions.slDropTables = {QStringLiteral("pickup")};
        TclsTestInstallation objInstallation(recOptions);
        QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
        if (!bDropTable)
            QCOMPARE(TclsAdHocQuery().fniExecute(QStringLiteral("delete from pickup")), 0);
        TclsScriptedAnswerer objAnswerer;
        TrecWizard wiz;
        QVERIFY(wiz.fnbStarted());
        QCOMPARE(fniSpin(wiz.frm, "speDefaultCloseTimeHour"), 17);
        QCOMPARE(wiz.frm.fnrecData().objPickupData.slPickupLocations, QStringList(QString()));
        QVERIFY(objAnswerer.fnarAsked().empty());
    }
}

QTEST_MAIN(tst_SettingsPages)
#include "tst_SettingsPages.moc"
