// The communication page on a test installation: the service grid filled from
// the service rows, which of its cells the user may edit, its pick lists, the
// server rewrite and its keyboard ends; the e-mail boxes against the
// Forward/Return service and the carrier's e-mail feature; the number of
// retries; what the page reads back, and a save that a second start shows.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "unitCommServiceRows.h"
#include "unitRegistrationWizard.h"
#include "unitRWCommSetting.h"
#include "UnitScriptedAnswerer.h"
#include "UnitServiceGrid.h"
#include "UnitTestInstallation.h"
#include "UnitWizardOnScreen.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace {
const QString cstSiteRegistration = QStringLiteral("Site Registration");
const QString cstTracking = QStringLiteral("Tracking");
const QString cstForwardReturn = QStringLiteral("Forward/Return");
const QString cstRUZ = QStringLiteral("Shipment Notification Via RUZ");
const QString cstLPAllocation = QStringLiteral("Automatic LP Number Allocation");
const QString cstPLT = QStringLiteral("Paperless Trade (PLT)");

void pExecute(const QString &stSQL, const QVariantList &vlBinds = {}) {
    TclsAdHocQuery query;
    QCOMPARE(query.fniExecute(stSQL, vlBinds), 0);
}

// The wizard started on the current installation, moved to the communication page.
struct TrecCommPage {
    TclsScriptedAnswerer objAnswerer;
    TfrmRegistrationWizard frm;
    TrecCommPage() {
        frm.show();
        frm.activateWindow();
    }
    bool fnbReady() {
        if (frm.fnbStartupFailed() || !QTest::qWaitForWindowActive(&frm))
            return false;
        frm.pChangePage(QString(), wpSenderInfoCont, pdNext, 3);
        return frm.fniCurrentPage() == wpCommSetting;
    }
    QTableWidget *stg() { return fnpControl<QTableWidget>(frm, "stgCSServiceSettings"); }
    QCheckBox *chk(const char *pchName) { return fnpControl<QCheckBox>(frm, pchName); }
    QLineEdit *edt(const char *pchName) { return fnpControl<QLineEdit>(frm, pchName); }
    QSpinBox *speRetries() { return fnpControl<QSpinBox>(frm, "speCSNoOfRetries"); }
    int fniRow(const QString &stService) {
        for (int i = 0; i < stg()->rowCount(); ++i)
            if (stg()->item(i, sgcService)->text() == stService)
                return i;
        qFatal("no row %s", qPrintable(stService));
    }
    QString fnstCell(const QString &stService, int iColumn) {
        return stg()->item(fniRow(stService), iColumn)->text();
    }
    // As the user's pick or typing commits it.
    void pSetCell(const QString &stService, int iColumn, const QString &st) {
        stg()->item(fniRow(stService), iColumn)->setText(st);
    }
    bool fnbEditable(const QString &stService, int iColumn) {
        return stg()->item(fniRow(stService), iColumn)->flags() & Qt::ItemIsEditable;
    }
    QStringList fnslPickList(const QString &stService, int iColumn) {
        const QModelIndex index = stg()->model()->index(fniRow(stService), iColumn);
        std::unique_ptr<QWidget> editor(
            stg()->itemDelegate()->createEditor(stg()->viewport(), QStyleOptionViewItem(), index));
        auto *cmb = qobject_cast<QComboBox *>(editor.get());
        QStringList sl;
        for (int i = 0; cmb && i < cmb->count(); ++i)
            sl << cmb->itemText(i);
        return sl;
    }
};

std::unique_ptr<TclsTestInstallation> fnobjInstallation() {
    auto obj = std::make_unique<TclsTestInstallation>();
    if (!obj->fnbOk())
        qFatal("%s", qPrintable(obj->fnstError()));
    return obj;
}
} // namespace

class tst_CommSettingPage : public QObject {
    Q_OBJECT

private slots:
    void TheGridShowsTheKnownServicesWithTheirModes();
    void CellsAreEditableByActivationAndMode();
    void ThePickListsOfferTheServicesModes();
    void ServersAreRewrittenToHttpsOnARowChange();
    void TabLeavesTheGridOnlyAtItsEnds();
    void TheEmailFeatureLocksTheRUZServiceOrTheEmailBoxes();
    void ForwardReturnAndItsEmailVariantExcludeEachOther();
    void EnteringThePageSettlesForwardReturnAgainstEmail();
    void TheEndOfDayAddressFollowsItsBox();
    void ClearedRetriesShowOne();
    void SavedValuesComeBackOnTheNextStart();
    void AFailedServiceReadEndsTheWizard();
    void ANumberAModemCannotDialIsAnErrorEntryAndThePageStays();
};

void tst_CommSettingPage::TheGridShowsTheKnownServicesWithTheirModes() {
    auto objInstallation = fnobjInstallation();
    // Blank modes in the seed; one stored mode, one unknown service, one name
    // in another case.
    pExecute(QStringLiteral("UPDATE comm_service_settings SET mode = ? WHERE service_name = ?"),
             {QStringLiteral("HTTP"), cstTracking});
    pExecute(QStringLiteral("UPDATE comm_service_settings SET service_name = ? WHERE "
                            "service_name = ?"),
             {QStringLiteral("SCHEDULE PICKUP"), QStringLiteral("Schedule Pickup")});
    pExecute(QStringLiteral("INSERT INTO comm_service_settings (service_name, in_use, mode) "
                            "VALUES (?, 1, ?)"),
             {QStringLiteral("Weather Service"), QStringLiteral("HTTPS")});
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    const struct {
        QString stService, stMode, stActivated;
    } arCases[] = {
        {cstSiteRegistration, QStringLiteral("HTTPS"), QStringLiteral("true")},
        {cstTracking, QStringLiteral("HTTP"), QStringLiteral("false")},
        {cstPLT, QStringLiteral("HTTPS"), QStringLiteral("false")},
        {cstLPAllocation, QStringLiteral("MODEM"), QStringLiteral("false")},
        {QStringLiteral("SCHEDULE PICKUP"), QStringLiteral("MODEM"), QStringLiteral("false")},
    };
    for (const auto &c : arCases) {
        QCOMPARE(pg.fnstCell(c.stService, sgcMode), c.stMode);
        QCOMPARE(pg.fnstCell(c.stService, sgcActivated), c.stActivated);
    }
    QCOMPARE(pg.stg()->rowCount(), 10);
    QCOMPARE(pg.fnstCell(cstSiteRegistration, sgcHTTPServer), QStringLiteral("https://localhost"));
    QCOMPARE(pg.fnstCell(cstSiteRegistration, sgcHTTPPort), QStringLiteral("8443"));
    QCOMPARE(pg.fnstCell(cstTracking, sgcHTTPPort), QString());
    QStringList slCaptions;
    for (int i = 0; i < sgcColumnCount; ++i)
        slCaptions << pg.stg()->horizontalHeaderItem(i)->text();
    QCOMPARE(slCaptions, QStringList({"Service", "Activate", "Mode", "Primary Phone",
                                      "Secondary Phone", "Server", "Port"}));
    QVERIFY(pg.objAnswerer.fnarAsked().empty());
}

void tst_CommSettingPage::CellsAreEditableByActivationAndMode() {
    auto objInstallation = fnobjInstallation();
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    const struct {
        QString stActivated, stMode;
        bool bMode, bPhones, bServer;
    } arCases[] = {
        {QStringLiteral("False"), QStringLiteral("MODEM"), false, false, false},
        {QStringLiteral("False"), QStringLiteral("MODEM AND HTTPS"), false, false, false},
        {QStringLiteral("True"), QStringLiteral("MODEM"), true, true, false},
        {QStringLiteral("True"), QStringLiteral("HTTP"), true, false, true},
        {QStringLiteral("True"), QStringLiteral("HTTPS"), true, false, true},
        {QStringLiteral("True"), QStringLiteral("MODEM AND HTTPS"), true, true, true},
    };
    for (const auto &c : arCases) {
        const QString stCase = c.stActivated + QLatin1Char(' ') + c.stMode;
        pg.pSetCell(cstTracking, sgcMode, c.stMode);
        pg.pSetCell(cstTracking, sgcActivated, c.stActivated);
        QVERIFY2(!pg.fnbEditable(cstTracking, sgcService), qPrintable(stCase));
        QVERIFY2(pg.fnbEditable(cstTracking, sgcActivated), qPrintable(stCase));
        QVERIFY2(pg.fnbEditable(cstTracking, sgcMode) == c.bMode, qPrintable(stCase));
        QVERIFY2(pg.fnbEditable(cstTracking, sgcPhone1) == c.bPhones, qPrintable(stCase));
        QVERIFY2(pg.fnbEditable(cstTracking, sgcPhone2) == c.bPhones, qPrintable(stCase));
        QVERIFY2(pg.fnbEditable(cstTracking, sgcHTTPServer) == c.bServer, qPrintable(stCase));
        QVERIFY2(pg.fnbEditable(cstTracking, sgcHTTPPort) == c.bServer, qPrintable(stCase));
    }
    // Unticking the activated site registration: the cell reads "False" and
    // the row is closed; a lower-case "true" typed in reads "True".
    QVERIFY(pg.fnbEditable(cstSiteRegistration, sgcHTTPServer));
    pg.pSetCell(cstSiteRegistration, sgcActivated, QStringLiteral("false"));
    QCOMPARE(pg.fnstCell(cstSiteRegistration, sgcActivated), QStringLiteral("False"));
    for (int iColumn : {sgcMode, sgcPhone1, sgcPhone2, sgcHTTPServer, sgcHTTPPort})
        QVERIFY(!pg.fnbEditable(cstSiteRegistration, iColumn));
    pg.pSetCell(cstSiteRegistration, sgcActivated, QStringLiteral("true"));
    QCOMPARE(pg.fnstCell(cstSiteRegistration, sgcActivated), QStringLiteral("True"));
    pg.frm.pReadPage(wpCommSetting);
    QVERIFY(pg.frm.fnbSiteRegistrationActivated());
    pg.pSetCell(cstSiteRegistration, sgcActivated, QStringLiteral("False"));
    pg.frm.pReadPage(wpCommSetting);
    QVERIFY(!pg.frm.fnbSiteRegistrationActivated());
}

void tst_CommSettingPage::ThePickListsOfferTheServicesModes() {
    auto objInstallation = fnobjInstallation();
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    const struct {
        QString stService, stStoredMode;
        QStringList slModes;
    } arCases[] = {
        // A stored mode the list does not offer is kept in front of the choices.
        {cstLPAllocation, QStringLiteral("MODEM"), {"MODEM", "HTTPS"}},
        {cstPLT, QStringLiteral("HTTPS"), {"HTTPS"}},
        {cstTracking, QStringLiteral("MODEM"), {"MODEM", "HTTPS"}},
        {cstSiteRegistration, QStringLiteral("HTTPS"), {"HTTPS"}},
        {cstSiteRegistration, QStringLiteral("HTTP"), {"HTTP", "HTTPS"}},
    };
    for (const auto &c : arCases) {
        pg.pSetCell(c.stService, sgcMode, c.stStoredMode);
        QCOMPARE(pg.fnslPickList(c.stService, sgcMode), c.slModes);
        QCOMPARE(pg.fnslPickList(c.stService, sgcActivated), QStringList({"True", "False"}));
    }
}

void tst_CommSettingPage::ServersAreRewrittenToHttpsOnARowChange() {
    auto objInstallation = fnobjInstallation();
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    const struct {
        QString stMode, stTyped, stShown;
    } arCases[] = {
        {QStringLiteral("MODEM"), QStringLiteral("http://host.example"),
         QStringLiteral("https://host.example")},
        {QStringLiteral("MODEM"), QStringLiteral("HTTP://host.example"),
         QStringLiteral("https://host.example")},
        {QStringLiteral("MODEM"), QStringLiteral("host.example"), QStringLiteral("host.example")},
        {QStringLiteral("HTTPS"), QStringLiteral("host.example"),
         QStringLiteral("https://host.example")},
        {QStringLiteral("HTTPS"), QStringLiteral("HTTPS://host.example"),
         QStringLiteral("HTTPS://host.example")},
        {QStringLiteral("HTTPS"), QString(), QString()},
    };
    for (const auto &c : arCases) {
        pg.stg()->setCurrentCell(pg.fniRow(cstTracking), sgcHTTPServer);
        pg.pSetCell(cstTracking, sgcMode, c.stMode);
        pg.pSetCell(cstTracking, sgcHTTPServer, c.stTyped);
        QCOMPARE(pg.fnstCell(cstTracking, sgcHTTPServer), c.stTyped);
        pg.stg()->setCurrentCell(pg.fniRow(cstPLT), sgcHTTPServer);
        QCOMPARE(pg.fnstCell(cstTracking, sgcHTTPServer), c.stShown);
    }
}

void tst_CommSettingPage::TabLeavesTheGridOnlyAtItsEnds() {
    auto objInstallation = fnobjInstallation();
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    QTableWidget *stg = pg.stg();
    const int iLastRow = stg->rowCount() - 1;
    const int iLastColumn = sgcColumnCount - 1;
    pg.speRetries()->setFocus();
    stg->setCurrentCell(3, sgcMode);
    QTest::keyClick(pg.speRetries(), Qt::Key_Backtab, Qt::ShiftModifier);
    // Coming in by the keyboard starts at the first column of the row.
    QCOMPARE(QApplication::focusWidget(), stg);
    QCOMPARE(stg->currentColumn(), int(sgcService));
    QCOMPARE(stg->currentRow(), 3);
    stg->setCurrentCell(iLastRow, iLastColumn - 1);
    QTest::keyClick(stg, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), stg);
    QCOMPARE(stg->currentColumn(), iLastColumn);
    QTest::keyClick(stg, Qt::Key_Tab);
    QVERIFY(pg.speRetries()->hasFocus());
    stg->setFocus(Qt::TabFocusReason);
    stg->setCurrentCell(0, 0);
    QTest::keyClick(stg, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(!stg->hasFocus());
}

void tst_CommSettingPage::TheEmailFeatureLocksTheRUZServiceOrTheEmailBoxes() {
    for (const bool bEmailFeature : {true, false}) {
        auto objInstallation = fnobjInstallation();
        pExecute(QStringLiteral("UPDATE config_zorv SET email_feature = ?"), {int(bEmailFeature)});
        pExecute(QStringLiteral("UPDATE comm_service_settings SET in_use = 1 WHERE "
                                "service_name = ?"),
                 {cstRUZ});
        TrecCommPage pg;
        QVERIFY(pg.fnbReady());
        QCOMPARE(pg.fnstCell(cstRUZ, sgcActivated),
                 bEmailFeature ? QStringLiteral("FALSE") : QStringLiteral("true"));
        QCOMPARE(pg.fnbEditable(cstRUZ, sgcActivated), !bEmailFeature);
        QVERIFY(pg.fnbEditable(cstTracking, sgcActivated));
        for (const char *pchName : {"chkCSEODviaEmail", "chkTPPviaEmail"})
            QCOMPARE(pg.chk(pchName)->isEnabled(), bEmailFeature);
        for (const char *pchName : {"edtCSEODviaEmailAddress", "edtTPPviaEmailAddress"})
            QVERIFY(!pg.edt(pchName)->isEnabled());
        pg.frm.pReadPage(wpCommSetting);
        QCOMPARE(
            pg.frm.fnrecData().objCommSettingData.arServices[csShipmentNotificationViaRUZ].bInUse,
            !bEmailFeature);
    }
}

void tst_CommSettingPage::ForwardReturnAndItsEmailVariantExcludeEachOther() {
    auto objInstallation = fnobjInstallation();
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    QCheckBox *chk = pg.chk("chkTPPviaEmail");
    QLineEdit *edt = pg.edt("edtTPPviaEmailAddress");
    chk->click();
    QVERIFY(chk->isChecked() && edt->isEnabled());
    edt->setText(QStringLiteral("returns@example.com"));
    // Activating the host service takes the e-mail variant away.
    pg.pSetCell(cstForwardReturn, sgcActivated, QStringLiteral("True"));
    QVERIFY(!chk->isChecked() && !chk->isEnabled());
    QVERIFY(edt->text().isEmpty() && !edt->isEnabled());
    pg.pSetCell(cstForwardReturn, sgcActivated, QStringLiteral("False"));
    QVERIFY(chk->isEnabled() && !chk->isChecked());
    // Ticking the e-mail variant switches every Forward/Return row off.
    chk->click();
    QCOMPARE(pg.fnstCell(cstForwardReturn, sgcActivated), QStringLiteral("FALSE"));
    QVERIFY(!pg.fnbEditable(cstForwardReturn, sgcMode));
    chk->click();
    QVERIFY(edt->text().isEmpty() && !edt->isEnabled());
}

void tst_CommSettingPage::EnteringThePageSettlesForwardReturnAgainstEmail() {
    const struct {
        bool bServiceStored, bEmailFeature;
        QString stShown;
        bool bEmailTicked, bEmailEnabled;
    } arCases[] = {
        // Both stored: the host service wins.
        {true, true, QStringLiteral("true"), false, false},
        {false, true, QStringLiteral("FALSE"), true, true},
        // Without the e-mail feature the e-mail variant counts for nothing.
        {true, false, QStringLiteral("true"), false, false},
    };
    for (const auto &c : arCases) {
        auto objInstallation = fnobjInstallation();
        pExecute(QStringLiteral("UPDATE config_zorv SET email_feature = ?"),
                 {int(c.bEmailFeature)});
        pExecute(QStringLiteral("UPDATE config_morvane SET return_via_email = 1, "
                                "return_email_address = ?"),
                 {QStringLiteral("returns@example.com")});
        pExecute(QStringLiteral("UPDATE comm_service_settings SET in_use = ? WHERE "
                                "service_name = ?"),
                 {int(c.bServiceStored), cstForwardReturn});
        TrecCommPage pg;
        QVERIFY(pg.fnbReady());
        QCOMPARE(pg.fnstCell(cstForwardReturn, sgcActivated), c.stShown);
        QCOMPARE(pg.chk("chkTPPviaEmail")->isChecked(), c.bEmailTicked);
        QCOMPARE(pg.chk("chkTPPviaEmail")->isEnabled(), c.bEmailEnabled);
        QCOMPARE(pg.edt("edtTPPviaEmailAddress")->isEnabled(), c.bEmailEnabled);
    }
}

void tst_CommSettingPage::TheEndOfDayAddressFollowsItsBox() {
    auto objInstallation = fnobjInstallation();
    pExecute(QStringLiteral("UPDATE config_zorv SET eod_via_email = 1, eod_email_address = ?"),
             {QStringLiteral("eod@example.com")});
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    QCheckBox *chk = pg.chk("chkCSEODviaEmail");
    QLineEdit *edt = pg.edt("edtCSEODviaEmailAddress");
    QVERIFY(chk->isChecked() && edt->isEnabled());
    QCOMPARE(edt->text(), QStringLiteral("eod@example.com"));
    chk->click();
    QVERIFY(!edt->isEnabled() && edt->text().isEmpty());
    QCOMPARE(edt->palette().color(QPalette::Base), edt->palette().color(QPalette::Button));
    chk->click();
    QVERIFY(edt->isEnabled());
    QCOMPARE(edt->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

void tst_CommSettingPage::ClearedRetriesShowOne() {
    auto objInstallation = fnobjInstallation();
    pExecute(QStringLiteral("UPDATE config_zorv SET no_of_retries = 7"));
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    QSpinBox *spe = pg.speRetries();
    auto *edt = spe->findChild<QLineEdit *>();
    QCOMPARE(spe->value(), 7);
    spe->setFocus();
    edt->selectAll();
    QTest::keyClick(spe, Qt::Key_Backspace);
    QCOMPARE(edt->text(), QStringLiteral("1"));
    QCOMPARE(edt->selectedText(), QStringLiteral("1"));
    QCOMPARE(spe->value(), 1);
    QTest::keyClicks(spe, QStringLiteral("0"));
    pg.chk("chkCSEODviaFTP")->setFocus();
    QCOMPARE(edt->text(), QStringLiteral("1"));
    QCOMPARE(spe->value(), 1);
}

void tst_CommSettingPage::SavedValuesComeBackOnTheNextStart() {
    auto objInstallation = fnobjInstallation();
    {
        TrecCommPage pg;
        QVERIFY(pg.fnbReady());
        pg.pSetCell(cstSiteRegistration, sgcMode, QStringLiteral("MODEM AND HTTPS"));
        pg.pSetCell(cstSiteRegistration, sgcPhone1, QStringLiteral("0123456789"));
        pg.pSetCell(cstSiteRegistration, sgcPhone2, QStringLiteral("0987654321"));
        pg.pSetCell(cstSiteRegistration, sgcHTTPServer, QStringLiteral("https://reg.example"));
        pg.pSetCell(cstSiteRegistration, sgcHTTPPort, QStringLiteral("9443"));
        pg.pSetCell(QStringLiteral("Schedule Pickup"), sgcActivated, QStringLiteral("True"));
        pg.pSetCell(QStringLiteral("Schedule Pickup"), sgcMode, QStringLiteral("HTTPS"));
        pg.pSetCell(QStringLiteral("Schedule Pickup"), sgcHTTPServer,
                    QStringLiteral("https://pickup.example"));
        pg.speRetries()->setValue(5);
        pg.chk("chkCSEODviaFTP")->click();
        pg.chk("chkCSEODviaEmail")->click();
        pg.edt("edtCSEODviaEmailAddress")->setText(QStringLiteral(" eod@example.com "));
        pg.chk("chkTPPviaEmail")->click();
        pg.edt("edtTPPviaEmailAddress")->setText(QStringLiteral("returns@example.com"));
        pg.frm.pReadPage(wpCommSetting);
        QVERIFY(pg.frm.fnbSchedulePickupActivated());
        QCOMPARE(pg.frm.fnrecData().objCommSettingData.stEODEmailAddress,
                 QStringLiteral("eod@example.com"));
        TclsRWCommSetting objSetting;
        QCOMPARE(objSetting.fnstSaveToDB(pg.frm.fnrecData().objCommSettingData),
                 QStringLiteral("success"));
    }
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    const struct {
        QString stService;
        int iColumn;
        QString stShown;
    } arCells[] = {
        {cstSiteRegistration, sgcActivated, QStringLiteral("true")},
        {cstSiteRegistration, sgcMode, QStringLiteral("MODEM AND HTTPS")},
        {cstSiteRegistration, sgcPhone1, QStringLiteral("0123456789")},
        {cstSiteRegistration, sgcPhone2, QStringLiteral("0987654321")},
        {cstSiteRegistration, sgcHTTPServer, QStringLiteral("https://reg.example")},
        {cstSiteRegistration, sgcHTTPPort, QStringLiteral("9443")},
        {QStringLiteral("Schedule Pickup"), sgcActivated, QStringLiteral("true")},
        {QStringLiteral("Schedule Pickup"), sgcMode, QStringLiteral("HTTPS")},
        {QStringLiteral("Schedule Pickup"), sgcHTTPServer,
         QStringLiteral("https://pickup.example")},
        {cstTracking, sgcActivated, QStringLiteral("false")},
        {cstTracking, sgcMode, QStringLiteral("MODEM")},
    };
    for (const auto &c : arCells)
        QCOMPARE(pg.fnstCell(c.stService, c.iColumn), c.stShown);
    QCOMPARE(pg.speRetries()->value(), 5);
    QVERIFY(pg.chk("chkCSEODviaFTP")->isChecked());
    QVERIFY(pg.chk("chkCSEODviaEmail")->isChecked());
    QCOMPARE(pg.edt("edtCSEODviaEmailAddress")->text(), QStringLiteral("eod@example.com"));
    QVERIFY(pg.edt("edtCSEODviaEmailAddress")->isEnabled());
    QVERIFY(pg.chk("chkTPPviaEmail")->isChecked());
    QCOMPARE(pg.edt("edtTPPviaEmailAddress")->text(), QStringLiteral("returns@example.com"));
    QVERIFY(pg.edt("edtTPPviaEmailAddress")->isEnabled());
    pg.frm.pReadPage(wpCommSetting);
    QVERIFY(pg.frm.fnbSchedulePickupActivated());
    QVERIFY(pg.frm.fnbSiteRegistrationActivated());
}

void tst_CommSettingPage::AFailedServiceReadEndsTheWizard() {
    auto objInstallation = fnobjInstallation();
    // The table goes away between the start-up checks and the page's own read.
    const TServiceRowsReader fnPrevious = pSetServiceRowsReader([](TobjarMVData &objarRows) {
        TclsAdHocQuery query;
        query.fniExecute(QStringLiteral("DROP TABLE comm_service_settings"), {});
        return fniQueryRecords({{}}, objarRows, QStringLiteral("TclsCommServiceSettingsDB"));
    });
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    TfrmRegistrationWizard frm;
    pSetServiceRowsReader(fnPrevious);
    QVERIFY(frm.fnbStartupFailed());
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
    QCOMPARE(objAnswerer.fnarAsked().front().stMessage,
             QStringLiteral("Database Configuration is not correct. Please contact System "
                            "Administrator..\r\nClick on OK button to exit."));
    QCOMPARE(objAnswerer.fnarAsked().front().stCaption,
             QStringLiteral("Registration Wizard - Warning"));
    QCOMPARE(fnpControl<QTableWidget>(frm, "stgCSServiceSettings")->rowCount(), 0);
}

void tst_CommSettingPage::ANumberAModemCannotDialIsAnErrorEntryAndThePageStays() {
    auto objInstallation = fnobjInstallation();
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    pg.pSetCell(cstSiteRegistration, sgcActivated, QStringLiteral("true"));
    pg.pSetCell(cstSiteRegistration, sgcMode, QStringLiteral("MODEM"));
    pg.pSetCell(cstSiteRegistration, sgcPhone1, QStringLiteral("0123;ATH"));
    pg.pSetCell(cstSiteRegistration, sgcPhone2, QStringLiteral("(09) 876-5432 W,,*1#"));
    pg.edt("edtGatewayIATA")->setText(QStringLiteral("ORK"));
    {
        const TclsDialogCounter objErrorList;
        fnpControl<QPushButton>(pg.frm, "btnNext")->click();
        QCOMPARE(objErrorList.iShown, 1);
    }
    QCOMPARE(pg.frm.fniCurrentPage(), int(wpCommSetting));
    QStringList slShown;
    for (const TrecMVErrorRecord &rec : pg.frm.fnarErrorList())
        slShown << rec.stControlName + QStringLiteral(": ") + rec.stMessage;
    QCOMPARE(slShown, QStringList{QStringLiteral(
                          "stgCSServiceSettings: Primary Phone for Site Registration service may "
                          "hold only the characters 0-9 + - ( ) , * # W P T.")});
}

QTEST_MAIN(tst_CommSettingPage)
#include "tst_CommSettingPage.moc"
