#include "tstFilledSender.h"
#include "UnitHostedWizard.h"
#include "UnitInsideModalLoop.h"
#include "UnitLockHolder.h"
#include "UnitModalDialog.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {

// The site's sender as an earlier run stored it, with two destination-billing rows.
QString fnstSaveSender() {
    TclsRWSendersData obj = fnobjFilledSender();
    obj.stSenderCode = QStringLiteral("ORK01");
    obj.stCompany = QStringLiteral("Harbour Traders");
    TobjarMVData objarBilling;
    for (const auto &[pchIATA, pchAccount] :
         {std::pair{"LHR", "111111111"}, {"DUB", "222222222"}}) {
        auto objRow = std::make_unique<TclsDestinationBillingData>();
        objRow->sender_cd = obj.stSenderCode;
        objRow->iata = QLatin1String(pchIATA);
        objRow->account_number = QLatin1String(pchAccount);
        objarBilling.push_back(std::move(objRow));
    }
    return TclsRWSenders().fnstSaveToDB(obj, objarBilling);
}

class TclsRegisteringInstallation : public TclsTestInstallation {
public:
    explicit TclsRegisteringInstallation(const TrecInstallationOptions &rec)
        : TclsTestInstallation(rec) {
        if (!fnbOk())
            return;
        bSeeded = fnbCopyBuiltLibrary(QStringLiteral("libMorvaneCommunication.so")) &&
                  fniExec(QStringLiteral("INSERT INTO country (country_cd, country_name) "
                                         "VALUES ('GB', 'United Kingdom')")) == 0 &&
                  fniExec(QStringLiteral("UPDATE comm_service_settings SET in_use = 1 "
                                         "WHERE service_name = 'Schedule Pickup'")) == 0 &&
                  fnstSaveSender() == QLatin1String("success");
    }
    bool bSeeded = false;
};

struct TrecSite : TrecHost, TrecInstalledWizard<TclsRegisteringInstallation> {
    TrecSite() : TrecInstalledWizard<TclsRegisteringInstallation>(fnrecInstallation()) {}
    bool fnbStarted() {
        if (stError.isEmpty() && !objInstallation.bSeeded)
            stError = QStringLiteral("the installation could not be prepared: ") +
                      objInstallation.fnstError();
        return stError.isEmpty() && TrecInstalledWizard<TclsRegisteringInstallation>::fnbStarted();
    }
    void pWalkTo(int iPage) {
        for (int i = frm.fniCurrentPage(); i < iPage; ++i)
            frm.pChangePage(QString(), i, pdNext, 0);
    }
    void pJumpToSiteRegistration() {
        frm.pChangePage(QString(), wpSiteRegistration - 1, pdNext, 9);
    }
    QPushButton *btn(const char *pchName) { return fnpControl<QPushButton>(frm, pchName); }
    QString fnstLabel(const char *pchName) { return fnpControl<QLabel>(frm, pchName)->text(); }
    void pSetText(const char *pchName, const QString &st) { edt(pchName)->setText(st); }
    void pRenameCompany() {
        pSetText("edtSenderCompany", QStringLiteral("Harbour Traders Ltd"));
        frm.pReadPage(wpSenderInfo);
    }
    void pRequirePassword() {
        fnpControl<QCheckBox>(frm, "chkApplSecurityPasswdRequired")->setChecked(true);
        pSetText("edtApplSecurityPasswd", QStringLiteral("open sesame"));
        pSetText("edtApplSecurityRetypePasswd", QStringLiteral("open sesame"));
        frm.pReadPage(wpApplSecurity);
    }
    QString fnstManualQuestion() const {
        return QStringLiteral("The Registration process failed. Please try again or do it "
                              "manually. For manually registering the site, please call Zorv "
                              "technical support at ") +
               frm.fnstTechSupportPhone() +
               QStringLiteral(".\r\n\r\nPress OK to manually enter the site id, Cancel to go "
                              "back to Registration Wizard or Exit to exit the Registration "
                              "Wizard.");
    }
};

// Types the site ID into the manual registration dialog and presses OK.
std::function<int(QDialog &)> fnManualEntry(const QString &stSiteId,
                                            std::function<void()> fnBeforeOK = {}) {
    return [stSiteId, fnBeforeOK](QDialog &dlg) {
        fnpControl<QLineEdit>(dlg, "edtSiteId")->setText(stSiteId);
        if (fnBeforeOK)
            fnBeforeOK();
        fnpControl<QPushButton>(dlg, "btnOK")->click();
        return dlg.result();
    };
}
} // namespace

class tst_SaveAndComplete : public QObject {
    Q_OBJECT
private slots:
    void NextSavesTheChangedGroupsRegistersAndOnlyFinishEnds() {
        TrecSite w;
        QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
        w.pWalkTo(wpSenderInfo);
        w.pRenameCompany();
        // Stored rows the grid shows come back with the save.
        QCOMPARE(fniExec(QStringLiteral("DELETE FROM destination_billing")), 0);
        w.pWalkTo(wpCommSetting);
        fnpControl<QSpinBox>(w.frm, "speCSNoOfRetries")->setValue(7);
        w.frm.pReadPage(wpCommSetting);
        w.pWalkTo(wpPickupDetails);
        fnpControl<QSpinBox>(w.frm, "speRequestCutOffMargin")->setValue(25);
        w.frm.pReadPage(wpPickupDetails);
        w.pWalkTo(wpFTPSetting);
        fnpControl<QRadioButton>(w.frm, "radRWMnfModePassive")->click();
        w.frm.pReadPage(wpFTPSetting);
        w.pWalkTo(wpEmailSetting);
        w.pSetText("edtEmailHost", QStringLiteral("smtp.harbour.ie"));
        w.frm.pReadPage(wpEmailSetting);
        w.pWalkTo(wpApplSecurity);
        w.pRequirePassword();
        w.pWalkTo(wpSiteRegistration);

        w.btn("btnNext")->click();
        QCOMPARE(w.frm.fniCurrentPage(), int(wpRegistrationCompleted));
        const QString stSiteId = fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane"));
        QVERIFY2(fnbSiteIdForm(stSiteId), qPrintable(stSiteId));
        pCompareRows({
            {"SELECT company FROM customer_info", "Harbour Traders Ltd"},
            {"SELECT account_number FROM destination_billing WHERE iata = 'LHR'", "111111111"},
            {"SELECT account_number FROM destination_billing WHERE iata = 'DUB'", "222222222"},
            {"SELECT count(*) FROM destination_billing", "2"},
            {"SELECT no_of_retries FROM config_zorv", "7"},
            {"SELECT request_cutoff_margin FROM pickup", "25"},
            {"SELECT manifest_mode FROM config_zorv", "1"},
            {"SELECT smtp_host FROM config_morvane", "smtp.harbour.ie"},
            {"SELECT count(*) FROM users WHERE user_id = 'DEFAULT' AND password_set <> 0", "1"},
        });
        // Only Finish leaves the completion page.
        QVERIFY(!w.frm.close() && w.frm.isVisible() && w.objAnswerer.fnarAsked().empty());
        w.objAnswerer.pExpect(1); // not launching the shipping application
        w.btn("btnNext")->click();
        QVERIFY(!w.frm.isVisible());
        QVERIFY(w.objAnswerer.fnarUnexpected().empty());
    }

    void UnvisitedGroupsAndAFailedPickupSaveDoNotStopTheRegistration() {
        TrecSite w;
        QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
        // Values in pages the user never went through are not saved.
        w.pSetText("edtEmailHost", QStringLiteral("smtp.never.ie"));
        w.frm.pReadPage(wpEmailSetting);
        w.pSetText("edtFTPHost", QStringLiteral("sftp.never.ie"));
        w.frm.pReadPage(wpFTPSetting);
        w.pWalkTo(wpPickupDetails);
        fnpControl<QSpinBox>(w.frm, "speRequestCutOffMargin")->setValue(25);
        w.frm.pReadPage(wpPickupDetails);
        w.pWalkTo(wpInternetDetails);
        // Only the pickup page's own write is refused; the registration goes on.
        const QString stPickupBefore =
            fnstScalar(QStringLiteral("SELECT request_cutoff_margin FROM pickup"));
        QVERIFY(!stPickupBefore.isEmpty() && stPickupBefore != QLatin1String("25"));
        QCOMPARE(fniExec(QStringLiteral("CREATE TRIGGER refuse_margin BEFORE UPDATE ON pickup "
                                        "WHEN NEW.request_cutoff_margin = 25 "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")),
                 0);
        w.pJumpToSiteRegistration();
        fnpControl<QCheckBox>(w.frm, "chklShipmentNoAllocation")->setChecked(true);
        fnpControl<QCheckBox>(w.frm, "chklicenceno")->setChecked(true);
        w.btn("btnNext")->click();
        QCOMPARE(w.frm.fniCurrentPage(), int(wpRegistrationCompleted));
        QVERIFY(fnbSiteIdForm(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane"))));
        QCOMPARE(fnstScalar(QStringLiteral("SELECT request_cutoff_margin FROM pickup")),
                 stPickupBefore);
        pCompareRows({
            {"SELECT smtp_host FROM config_morvane", ""},
            {"SELECT ftp_host FROM config_zorv", ""},
            {"SELECT allocation_qty FROM shipment_number", "1000"},
            {"SELECT allocation_qty FROM zorv_lp", "10000"},
            {"SELECT end_number - start_number + 1 FROM shipment_number", "1000"},
            {"SELECT end_number - start_number + 1 FROM zorv_lp", "10000"},
        });
        QVERIFY(w.objAnswerer.fnarUnexpected().empty());
    }

    void AHostFailureThenCancelStaysAndARetrySucceeds_data() {
        QTest::addColumn<bool>("bLibraryMissing");
        QTest::newRow("HTTP 500 from the host") << false;
        QTest::newRow("no communication library") << true;
    }

    void AHostFailureThenCancelStaysAndARetrySucceeds() {
        QFETCH(bool, bLibraryMissing);
        TrecSite w;
        QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
        w.pWalkTo(wpSenderInfo);
        w.pJumpToSiteRegistration();
        if (bLibraryMissing)
            QVERIFY(QFile::remove(
                w.objInstallation.fnstPath(QStringLiteral("Bin/libMorvaneCommunication.so"))));
        else
            w.objHost.pFailNextRequest(TenumHostFailure::Http500);
        w.objAnswerer.pExpect(1);
        w.btn("btnNext")->click();
        QCOMPARE(w.objAnswerer.fnslAsked(), QStringList{w.fnstManualQuestion()});
        QCOMPARE(w.objAnswerer.fnarAsked()[0].slButtons, QStringList({"&OK", "&Cancel", "E&xit"}));
        QCOMPARE(w.frm.fniCurrentPage(), int(wpSiteRegistration));
        QVERIFY(w.btn("btnNext")->isEnabled());
        pCompareRows(
            {{"SELECT site_id FROM config_morvane", ""},
             {"SELECT company FROM senders WHERE sender_cd = 'ORK01'", "Harbour Traders"}});
        QCOMPARE(fnstIntegrityCheck(), QStringLiteral("ok"));

        if (bLibraryMissing)
            QVERIFY(w.objInstallation.fnbCopyBuiltLibrary(
                QStringLiteral("libMorvaneCommunication.so")));
        w.btn("btnNext")->click();
        QCOMPARE(w.frm.fniCurrentPage(), int(wpRegistrationCompleted));
        QVERIFY(fnbSiteIdForm(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane"))));
        QVERIFY(w.objAnswerer.fnarUnexpected().empty());
    }

    void ARowLockedDuringTheFinalSaveEndsTheWizardAndKeepsTheOtherGroups() {
        TrecSite w;
        QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
        w.pWalkTo(wpSenderInfo);
        w.pRenameCompany();
        w.pWalkTo(wpApplSecurity);
        w.pRequirePassword();
        w.pWalkTo(wpSiteRegistration);
        const QString stUsersKey =
            fnstScalar(QStringLiteral("SELECT record_key FROM users WHERE user_id = 'DEFAULT'"));
        QVERIFY(!stUsersKey.isEmpty());
        const QStringList slLock{QStringLiteral("record"), QStringLiteral("TclsUsersDB"),
                                 stUsersKey};
        {
            TclsLockHolder objOther(slLock);
            QCOMPARE(objOther.fnstAnswer(), QStringLiteral("locked"));
            w.objAnswerer.pExpect(0);
            w.btn("btnNext")->click();
        }
        QCOMPARE(w.objAnswerer.fnslAsked(),
                 QStringList{"Data could not be saved to the database. Site "
                             "Registration Failed.\r\n\r\nClick on OK "
                             "button to exit."});
        QVERIFY(!w.frm.isVisible());
        pCompareRows(
            {{"SELECT company FROM senders WHERE sender_cd = 'ORK01'", "Harbour Traders Ltd"},
             {"SELECT password_set FROM users WHERE user_id = 'DEFAULT'", "0"},
             {"SELECT site_id FROM config_morvane", ""}});
        QCOMPARE(fnstIntegrityCheck(), QStringLiteral("ok"));
        TclsLockHolder objLater(slLock);
        QCOMPARE(objLater.fnstAnswer(), QStringLiteral("locked"));
    }

    void CtrlAltRRegistersByHand() {
        TrecSite w;
        QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
        w.pWalkTo(wpSenderInfo);
        w.pRenameCompany();
        w.pWalkTo(wpSenderInfoCont);
        TclsDialogAnswerer objEntry(fnManualEntry(QStringLiteral("abc0000000001zoz")));
        QTest::keyClick(&w.frm, Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(objEntry.iShown, 0);
        w.pJumpToSiteRegistration();
        QTest::keyClick(&w.frm, Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
        QTRY_COMPARE(objEntry.iShown, 1);
        QCOMPARE(w.frm.fniCurrentPage(), int(wpRegistrationCompleted));
        // The sender was saved before the dialog came.
        pCompareRows({{"SELECT site_id FROM config_morvane", "ABC0000000001ZOZ"},
                      {"SELECT company FROM customer_info", "Harbour Traders Ltd"}});
        QCOMPARE((QStringList{w.fnstLabel("lblfsrangeshipmentvalues"),
                              w.fnstLabel("lblfsrangelicencevalues"),
                              w.fnstLabel("lblfspickupdetailstatus")}),
                 (QStringList{"Range not available", "Range not available", "Not Successful"}));
        QVERIFY(!w.frm.close());
        QVERIFY(w.objAnswerer.fnarUnexpected().empty());
    }

    void AManualRegistrationWithoutAnIdEndsWithoutTheLeaveQuestion() {
        TrecSite w;
        QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
        w.pWalkTo(wpSenderInfo);
        w.pJumpToSiteRegistration();
        w.objHost.pFailNextRequest(TenumHostFailure::BlankSiteId);
        // The ID cannot be stored: its row is gone by the time OK is pressed.
        TclsDialogAnswerer objEntry(fnManualEntry(QStringLiteral("ABC0000000001ZOZ"), [] {
            fniExec(QStringLiteral("DELETE FROM config_morvane"));
        }));
        w.objAnswerer.pExpect(0); // OK: enter the site ID by hand
        w.objAnswerer.pExpect(0); // the dialog's "could not be saved"
        w.btn("btnNext")->click();
        QCOMPARE(objEntry.iShown, 1);
        QVERIFY(!w.frm.isVisible());
        QCOMPARE(w.objAnswerer.fnarAsked().size(), size_t(2));
        QCOMPARE(w.objAnswerer.fnarAsked()[0].stMessage, w.fnstManualQuestion());
        QVERIFY(w.objAnswerer.fnarAsked()[1].stMessage.startsWith(
            QStringLiteral("Data could not be saved to the database.")));
        QVERIFY(w.objAnswerer.fnarUnexpected().empty());
    }

    // A deleted billing row alone must mark the sender pages changed.
    void ADeletedBillingRowAloneIsSavedOnLeaving() {
        TrecSite w;
        QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
        w.pWalkTo(wpSenderInfoCont);
        auto *stg = fnpControl<QTableWidget>(w.frm, "stgdestinationBillingStringGrid");
        stg->selectRow(stg->findItems(QStringLiteral("DUB"), Qt::MatchExactly).value(0)->row());
        w.objAnswerer.pExpect(0); // yes, delete the row
        fnpControl<QAction>(w.frm, "mnuDestBillingDelete")->trigger();
        QCOMPARE(stg->rowCount(), 1);
        w.pWalkTo(wpCommSetting);
        w.objAnswerer.pExpect(0);
        w.btn("btnCancel")->click();
        QVERIFY(!w.frm.isVisible());
        pCompareRows({{"SELECT count(*) FROM destination_billing", "1"},
                      {"SELECT iata FROM destination_billing", "LHR"}});
        QVERIFY(w.objAnswerer.fnarUnexpected().empty());
    }
};

QTEST_MAIN(tst_SaveAndComplete)
#include "tst_SaveAndComplete.moc"
