// The communication page: service grid, e-mail boxes, modems, save.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "unitCommServiceRows.h"
#include "unitRWCommSetting.h"
#include "UnitServiceGrid.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace {
const QString cstSiteReg = QStringLiteral("Site Registration");
const QString cstTracking = QStringLiteral("Tracking");
const QString cstForwardReturn = QStringLiteral("Forward/Return");
const QString cstRUZ = QStringLiteral("Shipment Notification Via RUZ");
const QString cstPickup = QStringLiteral("Schedule Pickup");
const QString cstPLT = QStringLiteral("Paperless Trade (PLT)");

void pExec(const QString &stSQL, const QVariantList &vlBinds = {}) {
    QCOMPARE(fniExec(stSQL, vlBinds), 0);
}

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
    QTableWidgetItem *item(const QString &stService, int iColumn) {
        for (int i = 0; i < stg()->rowCount(); ++i)
            if (stg()->item(i, sgcService)->text() == stService)
                return stg()->item(i, iColumn);
        qFatal("no row %s", qPrintable(stService));
    }
    QString fnstCell(const QString &stService, int iColumn) {
        return item(stService, iColumn)->text();
    }
    void pSetCell(const QString &stService, int iColumn, const QString &st) {
        item(stService, iColumn)->setText(st);
    }
    bool fnbEditable(const QString &stService, int iColumn) {
        return item(stService, iColumn)->flags() & Qt::ItemIsEditable;
    }
    QStringList fnslPickList(const QString &stService, int iColumn) {
        std::unique_ptr<QWidget> editor(
            stg()->itemDelegate()->createEditor(stg()->viewport(), QStyleOptionViewItem(),
                                                stg()->indexFromItem(item(stService, iColumn))));
        auto *cmb = qobject_cast<QComboBox *>(editor.get());
        QStringList sl;
        for (int i = 0; cmb && i < cmb->count(); ++i)
            sl << cmb->itemText(i);
        return sl;
    }
};
} // namespace

class tst_CommSettingPage : public QObject {
    Q_OBJECT

private slots:
    void init() { pFreshInstallation(); }
    void cleanup() { objInstallation.reset(); }
    void TheGridShowsTheServiceRows();
    void ServersAreRewrittenToHttpsOnARowChange();
    void EmailFeatureAndForwardReturnOnEntering();
    void SavedValuesComeBackOnTheNextStart();
    void AFailedServiceReadEndsTheWizard();
    void ANumberAModemCannotDialIsAnErrorEntryAndThePageStays();
    void TheInstalledModemsAreListed();

private:
    void pFreshInstallation() {
        objInstallation.reset();
        objInstallation = std::make_unique<TclsTestInstallation>();
        QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    }
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_CommSettingPage::TheGridShowsTheServiceRows() {
    // One stored mode, one unknown service, one name in another case.
    pExec(QStringLiteral("UPDATE comm_service_settings SET mode = 'HTTP' WHERE "
                         "service_name = ?"),
          {cstTracking});
    pExec(QStringLiteral("UPDATE comm_service_settings SET service_name = "
                         "'SCHEDULE PICKUP' WHERE service_name = ?"),
          {cstPickup});
    pExec(QStringLiteral("INSERT INTO comm_service_settings (service_name, in_use, "
                         "mode) VALUES ('Weather Service', 1, 'HTTPS')"));
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    const struct {
        QString stService, stMode, stActivated;
        QStringList slModes; // the mode's pick list
    } arCases[] = {
        {cstSiteReg, "HTTPS", "true", {"HTTPS"}},
        {cstTracking, "HTTP", "false", {"HTTP", "HTTPS"}},
        {cstPLT, "HTTPS", "false", {"HTTPS"}},
        {QStringLiteral("Automatic LP Number Allocation"), "MODEM", "false", {"MODEM", "HTTPS"}},
        {QStringLiteral("SCHEDULE PICKUP"), "MODEM", "false", {"MODEM", "HTTPS"}},
    };
    for (const auto &c : arCases) {
        // A stored mode the list does not offer is kept in front of the choices.
        QCOMPARE(QStringList(
                     {pg.fnstCell(c.stService, sgcMode), pg.fnstCell(c.stService, sgcActivated)}) +
                     pg.fnslPickList(c.stService, sgcMode),
                 QStringList({c.stMode, c.stActivated}) + c.slModes);
    }
    QCOMPARE(pg.stg()->rowCount(), 10);
    QVERIFY(pg.objAnswerer.fnarAsked().empty());
}

void tst_CommSettingPage::ServersAreRewrittenToHttpsOnARowChange() {
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    const struct {
        QString stMode, stTyped, stShown;
    } arCases[] = {{"MODEM", "HTTP://host.example", "https://host.example"},
                   {"MODEM", "host.example", "host.example"},
                   {"HTTPS", "host.example", "https://host.example"},
                   {"HTTPS", "HTTPS://host.example", "HTTPS://host.example"}};
    for (const auto &c : arCases) {
        pg.stg()->setCurrentItem(pg.item(cstTracking, sgcHTTPServer));
        pg.pSetCell(cstTracking, sgcMode, c.stMode);
        pg.pSetCell(cstTracking, sgcHTTPServer, c.stTyped);
        QCOMPARE(pg.fnstCell(cstTracking, sgcHTTPServer), c.stTyped);
        pg.stg()->setCurrentItem(pg.item(cstPLT, sgcHTTPServer));
        QCOMPARE(pg.fnstCell(cstTracking, sgcHTTPServer), c.stShown);
    }
}

// The e-mail feature locks RUZ off; a stored Forward/Return beats its e-mail variant.
void tst_CommSettingPage::EmailFeatureAndForwardReturnOnEntering() {
    const struct {
        bool bEmailFeature, bForwardReturnStored;
        QString stRUZ, stForwardReturn;
        bool bReturnEmailTicked;
    } arCases[] = {{true, true, "FALSE", "true", false},
                   {true, false, "FALSE", "FALSE", true},
                   {false, true, "true", "true", false}};
    for (const auto &c : arCases) {
        pFreshInstallation();
        pExec(QStringLiteral("UPDATE config_zorv SET email_feature = ?"), {int(c.bEmailFeature)});
        pExec(QStringLiteral("UPDATE config_morvane SET return_via_email = 1, "
                             "return_email_address = 'returns@example.com'"));
        pExec(QStringLiteral("UPDATE comm_service_settings SET in_use = CASE WHEN "
                             "service_name = ? THEN ? ELSE 1 END WHERE service_name "
                             "IN (?, ?)"),
              {cstForwardReturn, int(c.bForwardReturnStored), cstForwardReturn, cstRUZ});
        TrecCommPage pg;
        QVERIFY(pg.fnbReady());
        QCOMPARE(
            QVariantList({pg.fnstCell(cstRUZ, sgcActivated), pg.fnbEditable(cstRUZ, sgcActivated),
                          pg.fnstCell(cstForwardReturn, sgcActivated),
                          pg.chk("chkTPPviaEmail")->isChecked(),
                          pg.chk("chkCSEODviaEmail")->isEnabled()}),
            QVariantList({c.stRUZ, !c.bEmailFeature, c.stForwardReturn, c.bReturnEmailTicked,
                          c.bEmailFeature}));
        pg.frm.pReadPage(wpCommSetting);
        QCOMPARE(
            pg.frm.fnrecData().objCommSettingData.arServices[csShipmentNotificationViaRUZ].bInUse,
            !c.bEmailFeature);
    }
}

void tst_CommSettingPage::SavedValuesComeBackOnTheNextStart() {
    const struct {
        QString stService;
        int iColumn;
        QString stTyped, stShown;
    } arCells[] = {
        {cstSiteReg, sgcMode, "MODEM AND HTTPS", "MODEM AND HTTPS"},
        {cstSiteReg, sgcPhone1, "0123456789", "0123456789"},
        {cstSiteReg, sgcHTTPPort, "9443", "9443"},
        {cstPickup, sgcActivated, "True", "true"},
        {cstPickup, sgcHTTPServer, "https://pickup.example", "https://pickup.example"},
        {cstTracking, sgcMode, "MODEM", "MODEM"},
    };
    // The return box stays unticked: it is stored apart from the end-of-day box.
    const std::pair<const char *, bool> arBoxes[] = {
        {"chkCSEODviaFTP", true}, {"chkCSEODviaEmail", true}, {"chkTPPviaEmail", false}};
    {
        TrecCommPage pg;
        QVERIFY(pg.fnbReady());
        for (const auto &c : arCells)
            pg.pSetCell(c.stService, c.iColumn, c.stTyped);
        pg.speRetries()->setValue(5);
        for (const auto &[pch, b] : arBoxes)
            pg.chk(pch)->setChecked(b);
        pg.edt("edtCSEODviaEmailAddress")->setText(QStringLiteral(" eod@example.com "));
        pg.frm.pReadPage(wpCommSetting);
        QCOMPARE(TclsRWCommSetting().fnstSaveToDB(pg.frm.fnrecData().objCommSettingData),
                 QStringLiteral("success"));
    }
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    for (const auto &c : arCells)
        QCOMPARE(pg.fnstCell(c.stService, c.iColumn), c.stShown);
    QCOMPARE(pg.speRetries()->value(), 5);
    for (const auto &[pch, b] : arBoxes)
        QVERIFY2(pg.chk(pch)->isChecked() == b, pch);
    QCOMPARE(pg.edt("edtCSEODviaEmailAddress")->text(), QStringLiteral("eod@example.com"));
    pg.frm.pReadPage(wpCommSetting);
    QVERIFY(pg.frm.fnbSchedulePickupActivated());
}

void tst_CommSettingPage::AFailedServiceReadEndsTheWizard() {
    // The table goes away between the start-up checks and the page's own read.
    const TServiceRowsReader fnPrevious = pSetServiceRowsReader([](TobjarMVData &objarRows) {
        fniExec(QStringLiteral("DROP TABLE comm_service_settings"));
        return fniQueryRecords({{}}, objarRows, QStringLiteral("TclsCommServiceSettingsDB"));
    });
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    TfrmRegistrationWizard frm;
    pSetServiceRowsReader(fnPrevious);
    QVERIFY(frm.fnbStartupFailed());
    QCOMPARE(
        objAnswerer.fnslAsked(),
        QStringList{QStringLiteral("Database Configuration is not correct. Please contact System "
                                   "Administrator..\r\nClick on OK button to exit.")});
    QCOMPARE(fnpControl<QTableWidget>(frm, "stgCSServiceSettings")->rowCount(), 0);
}

void tst_CommSettingPage::ANumberAModemCannotDialIsAnErrorEntryAndThePageStays() {
    TrecCommPage pg;
    QVERIFY(pg.fnbReady());
    pg.pSetCell(cstSiteReg, sgcActivated, QStringLiteral("true"));
    pg.pSetCell(cstSiteReg, sgcMode, QStringLiteral("MODEM"));
    pg.pSetCell(cstSiteReg, sgcPhone1, QStringLiteral("0123;ATH"));
    pg.pSetCell(cstSiteReg, sgcPhone2, QStringLiteral("(09) 876-5432 W,,*1#"));
    pg.edt("edtGatewayIATA")->setText(QStringLiteral("ORK"));
    {
        const TclsDialogCounter objErrorList;
        fnpControl<QPushButton>(pg.frm, "btnNext")->click();
        QCOMPARE(objErrorList.iShown, 1);
    }
    QCOMPARE(pg.frm.fniCurrentPage(), int(wpCommSetting));
    QCOMPARE(pg.frm.fnarErrorList().size(), size_t(1));
    QCOMPARE(pg.frm.fnarErrorList()[0].stMessage,
             QStringLiteral("Primary Phone for Site Registration service may hold only the "
                            "characters 0-9 + - ( ) , * # W P T."));
}

// Modem class keys in key order: 0005 is blank, 0025 the last key, 0026 past it.
void tst_CommSettingPage::TheInstalledModemsAreListed() {
    const std::pair<const char *, const char *> arKeys[] = {{"0025", "Hayes Optima"},
                                                            {"0026", "Beyond The Last Key"},
                                                            {"0003", "\" USB Modem \""},
                                                            {"0005", "\"   \""},
                                                            {"0000", "Standard 56000 bps Modem"}};
    QByteArray baKeys;
    for (const auto &[pchKey, pchName] : arKeys)
        baKeys += QByteArray("[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
                             "{4D36E96D-E325-11CE-BFC1-08002BE10318}\\") +
                  pchKey + "]\r\nFriendlyName=" + pchName + "\r\nAttachedTo=/dev/ttyS0\r\n";
    const QString stRegistry = QStringLiteral("Config/registry.ini");
    const std::pair<QString, int> arConfigured[] = {{"Hayes Optima", 2}, {"Gone Modem", -1}};
    for (const auto &[stConfigured, iIndex] : arConfigured) {
        pFreshInstallation();
        QVERIFY(objInstallation->fnbWriteFile(stRegistry,
                                              objInstallation->fnbaReadFile(stRegistry) + baKeys));
        pExec(QStringLiteral("UPDATE config_zorv SET Modem_Name = ?"), {stConfigured});
        TrecCommPage pg;
        QVERIFY(pg.fnbReady());
        auto *cmb = fnpControl<QComboBox>(pg.frm, "cmbModemNameList");
        QStringList sl;
        for (int i = 0; i < cmb->count(); ++i)
            sl << cmb->itemText(i);
        QCOMPARE(sl, QStringList({"Standard 56000 bps Modem", " USB Modem ", "Hayes Optima"}));
        QCOMPARE(cmb->currentText(), stConfigured);
        QCOMPARE(cmb->currentIndex(), iIndex);
    }
}

QTEST_MAIN(tst_CommSettingPage)
#include "tst_CommSettingPage.moc"
