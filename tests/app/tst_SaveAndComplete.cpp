// Next on the site-registration page through the real form, against a carrier
// host on this machine over HTTPS: what is saved before registering, what each
// answer of the host leads to, the manual registration and the completion page
// that only Finish leaves.
#include "UnitHostedWizard.h"
#include "UnitInsideModalLoop.h"
#include "UnitLockHolder.h"
#include "UnitModalDialog.h"
#include "unitRWSenders.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {

// The site's sender as an earlier run stored it, with two destination-billing rows.
QString fnstSaveSender() {
    TclsRWSendersData obj;
    obj.stSenderCode = QStringLiteral("ORK01");
    obj.stCompany = QStringLiteral("Harbour Traders");
    obj.stShipperName = QStringLiteral("Aoife Byrne");
    obj.stCountryCode = QStringLiteral("IE");
    obj.stCountryName = QStringLiteral("Ireland");
    obj.stAddress1 = QStringLiteral("12 Quay Street");
    obj.stCity = QStringLiteral("Cork");
    obj.stPostcode = QStringLiteral("T12 X2Y3");
    obj.stAirportCode = QStringLiteral("ORK");
    obj.stTelephone = QStringLiteral("214567890");
    obj.stZorvAccount = QStringLiteral("123456789");
    obj.bDestinationBilling = true;
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

// An installation with the communication library, the stored sender and the
// pickup service on.
class TclsRegisteringInstallation : public TclsTestInstallation {
public:
    explicit TclsRegisteringInstallation(const TrecInstallationOptions &rec)
        : TclsTestInstallation(rec) {
        if (!fnbOk())
            return;
        bSeeded = fnbCopyBuiltLibrary(QStringLiteral("libMorvaneCommunication.so")) &&
                  fniExec(QStringLiteral("INSERT INTO country (country_cd, country_name) "
                                         "VALUES ('IE', 'Ireland')")) == 0 &&
                  fniExec(QStringLiteral("UPDATE comm_service_settings SET in_use = 1 "
                                         "WHERE service_name = 'Schedule Pickup'")) == 0 &&
                  fnstSaveSender() == QLatin1String("success");
    }
    bool bSeeded = false;
};

struct TrecSite : TrecHost, TrecInstalledWizard<TclsRegisteringInstallation> {
    TrecSite() : TrecInstalledWizard<TclsRegisteringInstallation>(fnrecInstallation()) {}
    bool fnbStarted() {
        if (stError.isEmpty() && !objInstallation.fnbOk())
            stError = objInstallation.fnstError();
        if (stError.isEmpty() && !objInstallation.bSeeded)
            stError = QStringLiteral("the installation could not be prepared");
        return stError.isEmpty() && TrecInstalledWizard<TclsRegisteringInstallation>::fnbStarted();
    }
    // From the welcome page onto the page given, one Next at a time, so
    // that every page on the way is entered and left.
    void pWalkTo(int iPage) {
        for (int i = frm.fniCurrentPage(); i < iPage; ++i)
            frm.pChangePage(QString(), i, pdNext, 0);
    }
    // From the sender page straight onto the site-registration page.
    void pJumpToSiteRegistration() {
        frm.pChangePage(QString(), wpSiteRegistration - 1, pdNext, 9);
    }
    QPushButton *btn(const char *pchName) { return fnpControl<QPushButton>(frm, pchName); }
    QString fnstLabel(const char *pchName) { return fnpControl<QLabel>(frm, pchName)->text(); }
    void pSetText(const char *pchName, const QString &st) { edt(pchName)->setText(st); }
    // On the sender page: a new company name, read into the data.
    void pRenameCompany() {
        pSetText("edtSenderCompany", QStringLiteral("Harbour Traders Ltd"));
        frm.pReadPage(wpSenderInfo);
    }
    // On the application-security page: a password required and given.
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
class TclsManualEntry {
public:
    explicit TclsManualEntry(const QString &stSiteId, std::function<void()> fnBeforeOK = {}) {
        fnPrevious =
            pSetModalRunner(fnrunAnsweringInside([this, stSiteId, fnBeforeOK](QDialog &dlg) {
                ++iShown;
                fnpControl<QLineEdit>(dlg, "edtSiteId")->setText(stSiteId);
                if (fnBeforeOK)
                    fnBeforeOK();
                fnpControl<QPushButton>(dlg, "btnOK")->click();
                return dlg.result();
            }));
    }
    ~TclsManualEntry() { pSetModalRunner(fnPrevious); }
    int iShown = 0;

private:
    TModalRunner fnPrevious;
};
} // namespace

class tst_SaveAndComplete : public QObject {
    Q_OBJECT

private slots:
    void NextSavesTheChangedGroupsRegistersAndOnlyFinishEnds();
    void UnvisitedGroupsAndAFailedPickupSaveDoNotStopTheRegistration();
    void AHostFailureThenCancelStaysAndARetrySucceeds_data();
    void AHostFailureThenCancelStaysAndARetrySucceeds();
    void ARowLockedDuringTheFinalSaveEndsTheWizardAndKeepsTheOtherGroups();
    void CtrlAltRRegistersByHand();
    void AManualRegistrationWithoutAnIdEndsWithoutTheLeaveQuestion();
    void ADeletedBillingRowAloneIsSavedOnLeaving();
};

void tst_SaveAndComplete::NextSavesTheChangedGroupsRegistersAndOnlyFinishEnds() {
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
    w.pSetText("edtFTPHost", QStringLiteral("sftp.harbour.ie"));
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
    QCOMPARE(w.fnstLabel("lblRegCompleted2"),
             QStringLiteral("The returned site id from Zorv for this installation of Zorv "
                            "Morvane application is ") +
                 stSiteId + QStringLiteral("."));
    const struct {
        const char *pchSQL;
        const char *pchExpected;
    } arSaved[] = {
        {"SELECT company FROM customer_info", "Harbour Traders Ltd"},
        {"SELECT account_number FROM destination_billing WHERE iata = 'LHR'", "111111111"},
        {"SELECT account_number FROM destination_billing WHERE iata = 'DUB'", "222222222"},
        {"SELECT count(*) FROM destination_billing", "2"},
        {"SELECT no_of_retries FROM config_zorv", "7"},
        {"SELECT request_cutoff_margin FROM pickup", "25"},
        {"SELECT ftp_host FROM config_zorv", "sftp.harbour.ie"},
        {"SELECT smtp_host FROM config_morvane", "smtp.harbour.ie"},
        {"SELECT count(*) FROM users WHERE user_id = 'DEFAULT' AND password_set <> 0", "1"},
    };
    for (const auto &rec : arSaved)
        QCOMPARE(fnstScalar(QLatin1String(rec.pchSQL)), QLatin1String(rec.pchExpected));

    // Only Finish leaves the completion page.
    QCOMPARE(w.btn("btnNext")->text(), QStringLiteral("&Finish"));
    QCOMPARE(w.btn("btnNext")->property("helpContext").toInt(), 1558);
    QVERIFY(w.btn("btnNext")->isEnabled());
    QVERIFY(!w.btn("btnBack")->isEnabled());
    QVERIFY(!w.btn("btnCancel")->isEnabled());
    QVERIFY(!w.frm.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!w.frm.close());
    QVERIFY(w.frm.isVisible());
    QVERIFY(w.objAnswerer.fnarAsked().empty());
    w.objAnswerer.pExpect(1); // not launching the shipping application
    w.btn("btnNext")->click();
    QVERIFY(!w.frm.isVisible());
    QCOMPARE(w.objAnswerer.fnarAsked().size(), size_t(1));
    QVERIFY(w.objAnswerer.fnarUnexpected().empty());
}

void tst_SaveAndComplete::UnvisitedGroupsAndAFailedPickupSaveDoNotStopTheRegistration() {
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
    // The pickup save fails; the registration goes on.
    const QString stPickupBefore =
        fnstScalar(QStringLiteral("SELECT request_cutoff_margin FROM pickup"));
    QVERIFY(!stPickupBefore.isEmpty() && stPickupBefore != QLatin1String("25"));
    // Only the page's own write is refused: the host's pickup address, stored
    // with the rest of its answer, keeps the margin as it was.
    QCOMPARE(fniExec(QStringLiteral("CREATE TRIGGER refuse_margin BEFORE UPDATE ON pickup "
                                    "WHEN NEW.request_cutoff_margin = 25 "
                                    "BEGIN SELECT RAISE(ABORT, 'refused'); END")),
             0);
    w.pJumpToSiteRegistration();
    // Both ranges asked for, neither list given a quantity.
    fnpControl<QCheckBox>(w.frm, "chklShipmentNoAllocation")->setChecked(true);
    fnpControl<QCheckBox>(w.frm, "chklicenceno")->setChecked(true);
    QVERIFY(fnpControl<QComboBox>(w.frm, "cmbShipNoAllocation")->currentText().isEmpty());
    QVERIFY(fnpControl<QComboBox>(w.frm, "cmbLPNoAlloc")->currentText().isEmpty());

    w.btn("btnNext")->click();
    QCOMPARE(w.frm.fniCurrentPage(), int(wpRegistrationCompleted));
    QVERIFY(fnbSiteIdForm(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane"))));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT smtp_host FROM config_morvane")), QString());
    QCOMPARE(fnstScalar(QStringLiteral("SELECT ftp_host FROM config_zorv")), QString());
    QCOMPARE(fnstScalar(QStringLiteral("SELECT request_cutoff_margin FROM pickup")),
             stPickupBefore);
    // Both lists empty: the default quantities are asked for and handed out.
    QCOMPARE(fnstScalar(QStringLiteral("SELECT allocation_qty FROM shipment_number")),
             QStringLiteral("1000"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT allocation_qty FROM zorv_lp")),
             QStringLiteral("10000"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT end_number - start_number + 1 FROM "
                                       "shipment_number")),
             QStringLiteral("1000"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT end_number - start_number + 1 FROM zorv_lp")),
             QStringLiteral("10000"));
    QVERIFY(w.objAnswerer.fnarUnexpected().empty());
}

void tst_SaveAndComplete::AHostFailureThenCancelStaysAndARetrySucceeds_data() {
    QTest::addColumn<bool>("bLibraryMissing");
    QTest::newRow("HTTP 500 from the host") << false;
    QTest::newRow("no communication library") << true;
}

// What the user is told when the call fails, nothing of the site stored,
// the database sound; Cancel keeps the page, and once the fault is gone the
// next Next registers.
void tst_SaveAndComplete::AHostFailureThenCancelStaysAndARetrySucceeds() {
    QFETCH(bool, bLibraryMissing);
    TrecSite w;
    QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
    w.pWalkTo(wpSenderInfo);
    w.pJumpToSiteRegistration();
    const QString stLibrary = QStringLiteral("Bin/libMorvaneCommunication.so");
    if (bLibraryMissing)
        QVERIFY(QFile::remove(w.objInstallation.fnstPath(stLibrary)));
    else
        w.objHost.pFailNextRequest(TenumHostFailure::Http500);
    w.objAnswerer.pExpect(1);
    w.btn("btnNext")->click();
    QCOMPARE(w.objAnswerer.fnarAsked().size(), size_t(1));
    const TrecMessageDlg &recAsked = w.objAnswerer.fnarAsked()[0];
    QCOMPARE(recAsked.stMessage, w.fnstManualQuestion());
    QCOMPARE(recAsked.stCaption, QStringLiteral("Registration Wizard - Warning"));
    QCOMPARE(recAsked.slButtons, QStringList({"&OK", "&Cancel", "E&xit"}));
    QCOMPARE(recAsked.stDefaultButton, QStringLiteral("&OK"));
    QCOMPARE(w.frm.fniCurrentPage(), int(wpSiteRegistration));
    QVERIFY(w.btn("btnNext")->isEnabled());
    QVERIFY(w.frm.isEnabled());
    QCOMPARE(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane")), QString());
    QCOMPARE(fnstScalar(QStringLiteral("SELECT company FROM senders WHERE sender_cd = 'ORK01'")),
             QStringLiteral("Harbour Traders"));
    QCOMPARE(fnstIntegrityCheck(), QStringLiteral("ok"));

    if (bLibraryMissing)
        QVERIFY(
            w.objInstallation.fnbCopyBuiltLibrary(QStringLiteral("libMorvaneCommunication.so")));
    w.btn("btnNext")->click();
    QCOMPARE(w.frm.fniCurrentPage(), int(wpRegistrationCompleted));
    QVERIFY(fnbSiteIdForm(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane"))));
    QVERIFY(w.objAnswerer.fnarUnexpected().empty());
}

// Another workstation holds the users row while Next saves: the other groups
// are saved, the user is told the data could not be saved and the wizard
// ends without registering; the row is free again afterwards.
void tst_SaveAndComplete::ARowLockedDuringTheFinalSaveEndsTheWizardAndKeepsTheOtherGroups() {
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
    {
        TclsLockHolder objOther(
            {QStringLiteral("record"), QStringLiteral("TclsUsersDB"), stUsersKey});
        QCOMPARE(objOther.fnstAnswer(), QStringLiteral("locked"));
        w.objAnswerer.pExpect(0);
        w.btn("btnNext")->click();
    }
    QCOMPARE(w.objAnswerer.fnarAsked().size(), size_t(1));
    QCOMPARE(w.objAnswerer.fnarAsked()[0].stMessage,
             QStringLiteral("Data could not be saved to the database. Site Registration "
                            "Failed.\r\n\r\nClick on OK button to exit."));
    QVERIFY(!w.frm.isVisible());
    QCOMPARE(fnstScalar(QStringLiteral("SELECT company FROM senders WHERE sender_cd = 'ORK01'")),
             QStringLiteral("Harbour Traders Ltd"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT password_set FROM users WHERE user_id = 'DEFAULT'")),
             QStringLiteral("0"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane")), QString());
    QCOMPARE(fnstIntegrityCheck(), QStringLiteral("ok"));
    TclsLockHolder objLater({QStringLiteral("record"), QStringLiteral("TclsUsersDB"), stUsersKey});
    QCOMPARE(objLater.fnstAnswer(), QStringLiteral("locked"));
    QVERIFY(w.objAnswerer.fnarUnexpected().empty());
}

void tst_SaveAndComplete::CtrlAltRRegistersByHand() {
    TrecSite w;
    QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
    w.pWalkTo(wpSenderInfo);
    w.pRenameCompany();
    w.pWalkTo(wpSenderInfoCont);
    TclsManualEntry objEntry(QStringLiteral("abc0000000001zoz"));
    // Nothing happens on any other page.
    QTest::keyClick(&w.frm, Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(objEntry.iShown, 0);
    w.pJumpToSiteRegistration();
    QTest::keyClick(&w.frm, Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
    QTRY_COMPARE(objEntry.iShown, 1);
    QCOMPARE(w.frm.fniCurrentPage(), int(wpRegistrationCompleted));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane")),
             QStringLiteral("ABC0000000001ZOZ"));
    // The sender was saved before the dialog came.
    QCOMPARE(fnstScalar(QStringLiteral("SELECT company FROM customer_info")),
             QStringLiteral("Harbour Traders Ltd"));
    const struct {
        const char *pchLabel;
        const char *pchText;
    } arLabels[] = {
        {"lblRegCompleted2", "The returned site id from Zorv for this installation of Zorv "
                             "Morvane application is ABC0000000001ZOZ."},
        {"lblfsrangeshipment", "Range of shipment no allocated for this installation is :"},
        {"lblfsrangeshipmentvalues", "Range not available"},
        {"lblfsrangelicence", "Range of licence plate no allocated for this transaction is :"},
        {"lblfsrangelicencevalues", "Range not available"},
        {"lblfspickupdetail", "Pickup detail request is :"},
        {"lblfspickupdetailstatus", "Not Successful"},
    };
    for (const auto &rec : arLabels)
        QCOMPARE(w.fnstLabel(rec.pchLabel), QLatin1String(rec.pchText));
    QCOMPARE(fnpControl<QLabel>(w.frm, "lblfsrangeshipmentvalues")
                 ->palette()
                 .color(QPalette::WindowText),
             QColor(0x80, 0x00, 0x00));
    // The pickup service is on: the status shows, the address heading not.
    QVERIFY(fnpControl<QLabel>(w.frm, "lblfspickupdetailstatus")->isVisible());
    QVERIFY(!fnpControl<QLabel>(w.frm, "lblfsPickupAddrDetails")->isVisible());
    QCOMPARE(fnpControl<QLabel>(w.frm, "lblRegCompleted4")->y(), 162);
    QVERIFY(w.frm.isVisible());
    QVERIFY(!w.frm.close());
    QCOMPARE(w.btn("btnNext")->text(), QStringLiteral("&Finish"));
    QVERIFY(w.objAnswerer.fnarUnexpected().empty());
}

void tst_SaveAndComplete::AManualRegistrationWithoutAnIdEndsWithoutTheLeaveQuestion() {
    TrecSite w;
    QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
    w.pWalkTo(wpSenderInfo);
    w.pJumpToSiteRegistration();
    w.objHost.pFailNextRequest(TenumHostFailure::BlankSiteId);
    // The ID cannot be stored: its row is gone by the time OK is pressed.
    TclsManualEntry objEntry(QStringLiteral("ABC0000000001ZOZ"),
                             [] { fniExec(QStringLiteral("DELETE FROM config_morvane")); });
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

// The grid's rows are written only with the sender: a row deleted with no
// other change must still make the sender pages count as changed.
void tst_SaveAndComplete::ADeletedBillingRowAloneIsSavedOnLeaving() {
    TrecSite w;
    QVERIFY2(w.fnbStarted(), qPrintable(w.stError));
    w.pWalkTo(wpSenderInfoCont);
    auto *stg = fnpControl<QTableWidget>(w.frm, "stgdestinationBillingStringGrid");
    QCOMPARE(stg->rowCount(), 2);
    const int iDUB = stg->findItems(QStringLiteral("DUB"), Qt::MatchExactly).value(0)->row();
    stg->selectRow(iDUB);
    w.objAnswerer.pExpect(0); // yes, delete the row
    fnpControl<QAction>(w.frm, "mnuDestBillingDelete")->trigger();
    QCOMPARE(stg->rowCount(), 1);
    w.pWalkTo(wpCommSetting);
    // Leaving early: the leave question, then the save.
    w.objAnswerer.pExpect(0);
    w.btn("btnCancel")->click();
    QVERIFY(!w.frm.isVisible());
    QCOMPARE(fnstScalar(QStringLiteral("SELECT count(*) FROM destination_billing")),
             QStringLiteral("1"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT iata FROM destination_billing")),
             QStringLiteral("LHR"));
    QCOMPARE(w.objAnswerer.fnarAsked().size(), size_t(2));
    QVERIFY(w.objAnswerer.fnarUnexpected().empty());
}

QTEST_MAIN(tst_SaveAndComplete)
#include "tst_SaveAndComplete.moc"
