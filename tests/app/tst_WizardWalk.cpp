#include "UnitErrorMarks.h"
#include "UnitFraIATA.h"
#include "UnitHostedWizard.h"
#include "UnitModalDialog.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QtTest>

namespace {
class TclsWalkInstallation : public TclsTestInstallation {
public:
    TclsWalkInstallation(const TrecInstallationOptions &rec, bool bPickupAndEmail)
        : TclsTestInstallation(rec) {
        bPrepared = fnbOk() && fnbCopyBuiltLibrary(QStringLiteral("libMorvaneCommunication.so")) &&
                    fnbCopyBuiltLibrary(QStringLiteral("libQuiloftPostcodeCleaningDLL.so")) &&
                    fnbCopyBuiltLibrary(QStringLiteral("libQuiloftAutodestination.so"));
        if (bPrepared && bPickupAndEmail)
            bPrepared = fniExec(QStringLiteral(
                            "UPDATE comm_service_settings SET in_use = 1, mode = 'HTTPS', "
                            "http_server = 'https://localhost', http_port = 443 "
                            "WHERE service_name = 'Schedule Pickup'")) == 0;
        if (bPrepared && !bPickupAndEmail)
            bPrepared = fniExec(QStringLiteral("UPDATE config_zorv SET email_feature = 0")) == 0;
    }
    bool bPrepared = false;
};

struct TrecWalk : TrecHost, TrecInstalledWizard<TclsWalkInstallation> {
    explicit TrecWalk(bool bPickupAndEmail)
        : TrecInstalledWizard<TclsWalkInstallation>(fnrecInstallation(fnrecWithReferenceData()),
                                                    bPickupAndEmail) {}
    TclsDialogCounter objLists; // the error lists shown
    bool fnbStarted() {
        if (stError.isEmpty() && !objInstallation.bPrepared)
            stError = QStringLiteral("the installation could not be prepared: ") +
                      objInstallation.fnstError();
        return stError.isEmpty() && TrecInstalledWizard<TclsWalkInstallation>::fnbStarted();
    }
    QCheckBox *chk(const char *pchName) { return fnpControl<QCheckBox>(frm, pchName); }
    int fniPress(const char *pchButton) {
        QTest::mouseClick(fnpControl<QPushButton>(frm, pchButton), Qt::LeftButton);
        return frm.fniCurrentPage();
    }
    // The pages that pressing Next (N) and Back (B) in turn lead to.
    QList<int> fnarPresses(const char *pch) {
        QList<int> ar;
        for (; *pch; ++pch)
            ar << fniPress(*pch == 'N' ? "btnNext" : "btnBack");
        return ar;
    }
    void pType(const char *pchField, const QString &stText) {
        QLineEdit *w = edt(pchField);
        w->setFocus();
        w->selectAll();
        QTest::keyClicks(w, stText);
    }
    QString fnstMessages() const {
        QStringList sl;
        for (const TrecMessageDlg &rec : objAnswerer.fnarAsked())
            sl << rec.stMessage;
        for (const TrecMVErrorRecord &rec : frm.fnarErrorList())
            sl << rec.stControlName + QStringLiteral(": ") + rec.stMessage;
        return sl.join(QStringLiteral(" | "));
    }
    // An Edinburgh shipper typed into both sender pages.
    void pTypeSender() {
        pType("edtSenderCode", QStringLiteral("EDI01"));
        pType("edtSenderCompany", QStringLiteral("Thistle & Sons"));
        pType("edtSenderName", QStringLiteral("Morag Campbell"));
        fraCountry()->pSetCountryCode(QStringLiteral("GB"));
        pType("edtSenderAddress1", QStringLiteral("1 High Street"));
        pType("edtSenderPostcode", QStringLiteral("EH1 1AA"));
        pType("edtSenderCity", QStringLiteral("Edinburgh"));
        fnpControl<TfraIATA>(frm, "fraSenderIATA")->pSetIATA(QStringLiteral("EDI"));
        pType("edtSenderEmail", QStringLiteral("morag@thistle.co.uk"));
        pType("edtSenderTelephone", QStringLiteral("1315550123"));
        edt("edtSenderCompany")->setFocus();
    }
};

// The passwords the walk types, each found nowhere else.
const QString cstFTPPassword = QStringLiteral("ftp-K8z!q2");
const QString cstSMTPPassword = QStringLiteral("smtp-W4r#p9");
const QString cstApplicationPassword = QStringLiteral("open sesame 31");

// What every walk stores.
const std::initializer_list<std::pair<const char *, const char *>> carEveryWalk = {
    {"SELECT company FROM customer_info", "Thistle & Sons"},
    {"SELECT city FROM customer_info", "Edinburgh"},
    {"SELECT count(*) FROM users WHERE user_id = 'DEFAULT' AND password_set <> 0", "1"},
    {"SELECT connection_type FROM internet_setting", "2"},
    {"SELECT gateway_iata FROM config_zorv", "LHR"}};
// From the welcome page to the communication page, the sender pages filled in.
void pWalkToCommSetting(TrecWalk &w) {
    QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
    QCOMPARE(w.fnarPresses("NN"), (QList<int>{wpTerms, wpSenderInfo}));
    w.pTypeSender();
    QVERIFY2(w.fniPress("btnNext") == wpSenderInfoCont, qPrintable(w.fnstMessages()));
    w.pType("edtSenderZorvAccount", QStringLiteral("123456789"));
    QVERIFY2(w.fniPress("btnNext") == wpCommSetting, qPrintable(w.fnstMessages()));
}

} // namespace

class tst_WizardWalk : public QObject {
    Q_OBJECT
private slots:
    void WelcomeToCompletionOnEveryPage() {
        TrecWalk w(true);
        pWalkToCommSetting(w);
        if (QTest::currentTestFailed())
            return;
        w.chk("chkCSEODviaEmail")->click();
        w.pType("edtCSEODviaEmailAddress", QStringLiteral("eod@thistle.co.uk"));
        // A fresh installation has no gateway airport: the page asks for it.
        QCOMPARE(w.fniPress("btnNext"), int(wpCommSetting));
        QCOMPARE(w.objLists.iShown, 1);
        QVERIFY(w.edt("edtGatewayIATA")->isVisible());
        QCOMPARE(fnclFieldColour(w.edt("edtGatewayIATA")), cclErrorField);
        w.pType("edtGatewayIATA", QStringLiteral("lhr"));
        QVERIFY2(w.fniPress("btnNext") == wpPickupDetails, qPrintable(w.fnstMessages()));
        w.pType("edtDefaultPickup", QStringLiteral("Back door"));
        QCOMPARE(w.fniPress("btnNext"), int(wpInternetDetails));
        fnpControl<QRadioButton>(w.frm, "radWithoutProxy")->click();
        QVERIFY2(w.fniPress("btnNext") == wpFTPSetting, qPrintable(w.fnstMessages()));
        w.pType("edtFTPPasswd", cstFTPPassword);
        QVERIFY2(w.fniPress("btnNext") == wpEmailSetting, qPrintable(w.fnstMessages()));
        w.pType("edtEmailHost", QStringLiteral("smtp.thistle.co.uk"));
        w.pType("edtEmailPort", QStringLiteral("25"));
        w.pType("edtEmailUserId", QStringLiteral("eod@thistle.co.uk"));
        w.pType("edtEmailPassword", cstSMTPPassword);
        QVERIFY2(w.fniPress("btnNext") == wpApplSecurity, qPrintable(w.fnstMessages()));
        w.chk("chkApplSecurityPasswdRequired")->click();
        w.pType("edtApplSecurityPasswd", cstApplicationPassword);
        w.pType("edtApplSecurityRetypePasswd", cstApplicationPassword);
        QVERIFY2(w.fniPress("btnNext") == wpSummary, qPrintable(w.fnstMessages()));
        const QString stSummary = fnpControl<QTextBrowser>(w.frm, "wbrSummary")->toPlainText();
        QVERIFY2(stSummary.contains(QStringLiteral(": Thistle & Sons")), qPrintable(stSummary));
        QVERIFY(!stSummary.contains(cstApplicationPassword));
        QCOMPARE(w.fniPress("btnNext"), int(wpSiteRegistration));
        QVERIFY2(w.fniPress("btnNext") == wpRegistrationCompleted, qPrintable(w.fnstMessages()));

        const QString stSiteId = fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane"));
        QVERIFY2(fnbSiteIdForm(stSiteId), qPrintable(stSiteId));
        QVERIFY(fnpControl<QLabel>(w.frm, "lblRegCompleted2")->text().contains(stSiteId));
        QVERIFY(fnbOnTheRunsDatabase());
        pCompareRows(carEveryWalk);
        pCompareRows({{"SELECT count(*) FROM pickup WHERE pickup_locations LIKE 'Back door%'", "1"},
                      {"SELECT smtp_host FROM config_morvane", "smtp.thistle.co.uk"}});
        QVERIFY2(w.objAnswerer.fnarAsked().empty(), qPrintable(w.fnstMessages()));
        QCOMPARE(w.objLists.iShown, 1);
        // Every password is stored sealed, and in the clear in no file.
        QVERIFY(fnstStoredSecret("config_zorv", "ftp_password") == cstFTPPassword);
        QVERIFY(fnstStoredSecret("config_morvane", "smtp_password") == cstSMTPPassword);
        QVERIFY(fnstStoredSecret("users", "password", "user_id = 'DEFAULT'") ==
                cstApplicationPassword);
        for (const QString &stPassword : {cstFTPPassword, cstSMTPPassword, cstApplicationPassword})
            QCOMPARE(w.objInstallation.fnslFilesHolding(stPassword), QStringList());
        QCOMPARE(w.objInstallation.fnslOpenToOthers(), QStringList());
    }

    void PickupAndEmailPagesPassedOverBothWays() {
        TrecWalk w(false);
        pWalkToCommSetting(w);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!w.chk("chkCSEODviaEmail")->isEnabled());
        w.pType("edtGatewayIATA", QStringLiteral("LHR"));
        QCOMPARE(w.fnarPresses("NNNBBBNNN"),
                 (QList<int>{wpInternetDetails, wpFTPSetting, wpApplSecurity, wpFTPSetting,
                             wpInternetDetails, wpCommSetting, wpInternetDetails, wpFTPSetting,
                             wpApplSecurity}));
        w.chk("chkApplSecurityPasswdRequired")->click();
        w.pType("edtApplSecurityPasswd", QStringLiteral("open sesame"));
        w.pType("edtApplSecurityRetypePasswd", QStringLiteral("open sesame"));
        QVERIFY2(w.fnarPresses("NNN") ==
                     (QList<int>{wpSummary, wpSiteRegistration, wpRegistrationCompleted}),
                 qPrintable(w.fnstMessages()));
        QVERIFY(fnbSiteIdForm(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane"))));
        pCompareRows(carEveryWalk);
        // The pickup page was never shown: its row keeps the installation's.
        pCompareRows(
            {{"SELECT count(*) FROM pickup WHERE pickup_locations LIKE 'RECEPTION%'", "1"}});
        QVERIFY2(w.objAnswerer.fnarAsked().empty(), qPrintable(w.fnstMessages()));
    }
};

QTEST_MAIN(tst_WizardWalk)
#include "tst_WizardWalk.moc"
