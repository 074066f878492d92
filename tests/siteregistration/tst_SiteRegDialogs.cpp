// The manual site ID, the proxy server settings and the completion page, driven through widgets.
#include "tstSiteRegReplies.h"
#include "UnitAdHocQuery.h"
#include "UnitFocusMoves.h"
#include "unitManualSiteRegistration.h"
#include "unitProxyServerSettings.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(TrecRangeText)

namespace {
const QString cstWarning = QStringLiteral("Registration Wizard - Warning");

template <class T> T *fnpControl(QWidget &frm, const char *pchName) {
    T *p = frm.findChild<T *>(QString::fromLatin1(pchName));
    if (!p)
        qFatal("no control %s", pchName);
    return p;
}

// The first row of the query's columns joined by "|", or "<no row>".
QString fnstRow(const QString &stSQL) {
    TclsAdHocQuery query;
    if (query.fniOpen(stSQL) != 0 || !query.fnbNext())
        return QStringLiteral("<no row>");
    QStringList sl;
    for (int i = 0; i < query.fnslFieldNames().size(); ++i)
        sl << query.fnvField(i).toString();
    return sl.join(QLatin1Char('|'));
}

// The stored internet settings; the password as the program reads it (stored, it is sealed).
QString fnstProxyRow() {
    return fnstRow(QStringLiteral(
               "Select connection_type, use_browser_settings, http_proxy, http_port, "
               "https_proxy, https_port, ftp_proxy, ftp_port, use_credentials, proxy_user, ntlm, "
               "dialup_name from internet_setting")) +
           QLatin1Char('|') + fnstStoredSecret("internet_setting", "proxy_password");
}

// The manual registration dialog as the wizard shows it, with its callback and holder.
struct TrecManualDialog {
    TfrmManualSiteRegistration frm;
    TclsSiteIdHolder objHolder;
    QStringList slCallbacks; // the holder's text at each callback
    QLineEdit *edtSiteId = fnpControl<QLineEdit>(frm, "edtSiteId");
    QPushButton *btnOK = fnpControl<QPushButton>(frm, "btnOK");
    QPushButton *btnCancel = fnpControl<QPushButton>(frm, "btnCancel");

    TrecManualDialog() {
        frm.pExposedForInteraction([this] { slCallbacks << objHolder.stText; }, &objHolder);
        frm.show();
        frm.activateWindow();
    }
    bool fnbShown() { return QTest::qWaitForWindowActive(&frm); }
};

struct TrecProxyDialog {
    TclsRWProxyServerData objData;
    TfrmProxyServerSettings frm{objData};
    QLineEdit *edt(const char *pchName) { return fnpControl<QLineEdit>(frm, pchName); }
    QCheckBox *chk(const char *pchName) { return fnpControl<QCheckBox>(frm, pchName); }
    void pClickOK() { QTest::mouseClick(fnpControl<QPushButton>(frm, "btnOK"), Qt::LeftButton); }
    TrecProxyDialog() {
        frm.show();
        frm.activateWindow();
    }
    bool fnbShown() { return QTest::qWaitForWindowActive(&frm); }
};

const TrecRangeText crecShipment{"0", "1234567890", "1234569999", "15032024"};
const TrecRangeText crecLP{"0", "JDA1234", "JDA123999", "       0"};
const TrecPickupText crecPickup{"0",    "Unit 4", "Harbour Road", "Onehunga", "Auckland",
                                "1061", "NZ"};

// A completion page of "design" labels; one is spelt in another case, as names ignore case.
struct TrecCompletionPage {
    QWidget wPage;
    TrecCompletionPage() {
        for (const QString &st :
             QStringLiteral("lblfsrangeshipment lblfsrangeshipmentvalues lblfsrangelicence "
                            "lblFSRangeLicenceValues lblfspickupdetail lblfspickupdetailstatus "
                            "lblfsPickupAddrDetails lblfsaccountno lblfsaccountnovalue "
                            "lblfsaddress1 lblfsaddress2 lblfsaddress3 lblfspostcode lblfscity "
                            "lblfsaddressvalue lblfsaddress2value lblfsaddress3value "
                            "lblfspostcodevalue lblfscityvalue lblRegCompleted4")
                 .split(QLatin1Char(' ')))
            (new QLabel(QStringLiteral("design"), &wPage))->setObjectName(st);
    }
    QLabel *lbl(const char *pchName) const {
        for (QLabel *p : wPage.findChildren<QLabel *>())
            if (p->objectName().compare(QLatin1String(pchName), Qt::CaseInsensitive) == 0)
                return p;
        qFatal("no label %s", pchName);
    }
    // The labels' texts joined by "|"; a maroon one marked "*", a hidden one "-".
    QString fnstShown() const {
        QStringList sl;
        for (const char *pchName :
             {"lblfsrangeshipmentvalues", "lblfsrangelicencevalues", "lblfspickupdetail",
              "lblfspickupdetailstatus", "lblfsPickupAddrDetails", "lblfsaccountnovalue",
              "lblfsaddressvalue", "lblfsaddress3value", "lblfscityvalue"})
            sl << lbl(pchName)->text() +
                      (lbl(pchName)->palette().color(QPalette::WindowText) == QColor(0x80, 0, 0)
                           ? QStringLiteral("*")
                           : QString()) +
                      (lbl(pchName)->isHidden() ? QStringLiteral("-") : QString());
        return sl.join(QLatin1Char('|'));
    }
    // Shows the answer in its modem or its HTTP form.
    void pShow(bool bHTTP, bool bPickupRequested, const TrecRangeText &recShipment,
               const TrecRangeText &recLP, const TrecPickupText &recPickup = {}) {
        TclsRWSiteRegistration obj;
        obj.pSetCompletionPage(&wPage, bPickupRequested, QStringLiteral("123456789"));
        if (bHTTP)
            obj.pDisplayAllocationDetails(fnrecHTTPReply("REGP", QStringLiteral("ABC1234567890ZOZ"),
                                                         recShipment, recLP, recPickup));
        else
            obj.pDisplayAllocationDetails(
                TrecModemReply("REGPABC1234567890ZOZ", recShipment, recLP, recPickup).rec);
    }
};
} // namespace

class tst_SiteRegDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ManualOKChecksTheIdAndHandsAValidOneToTheWizard();
    void ManualSaveFailureEndsTheDialogAndTellsTheWizard();
    void ManualCancelAsksNoKeepsTheDialogAndYesEndsTheApplication();
    void ManualLeavingTheBlankEditBoxSaysSoUnlessForCancel();
    void ProxyOKSavesTheFieldsWithABlankPortAs0AndKeepsTheConnection();
    void ProxyCancelEscAPastedNonNumberAndAFailingSaveSaveNothing();
    void CompletionShowsTheRangesAndThePickup_data();
    void CompletionShowsTheRangesAndThePickup();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_SiteRegDialogs::init() {
    objInstallation = std::make_unique<TclsTestInstallation>();
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
}

void tst_SiteRegDialogs::cleanup() {
    objInstallation.reset();
}

void tst_SiteRegDialogs::ManualOKChecksTheIdAndHandsAValidOneToTheWizard() {
    TclsScriptedAnswerer objAnswerer;
    TrecManualDialog rec;
    QVERIFY(rec.fnbShown());
    const std::pair<const char *, QString> arCases[] = {
        {"   ", QStringLiteral("Site id cannot be blank.")},
        {"1BC1234567890ZOZ", QStringLiteral("Invalid site id. Please enter again.")},
    };
    for (const auto &[pchTyped, stMessage] : arCases) {
        rec.edtSiteId->setText(QString::fromLatin1(pchTyped));
        objAnswerer.pExpect(0);
        QTest::keyClick(rec.edtSiteId, Qt::Key_Return);
        QCOMPARE(objAnswerer.fnslAsked(true).last(),
                 cstWarning + QStringLiteral(" | ") + stMessage);
        QVERIFY(rec.frm.isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), rec.edtSiteId);
    }
    QCOMPARE(rec.slCallbacks, QStringList());
    rec.edtSiteId->setText(QStringLiteral("abc1234567890zoz"));
    QTest::keyClick(rec.edtSiteId, Qt::Key_Return);
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(2));
    QCOMPARE(rec.slCallbacks, QStringList{QStringLiteral("ABC1234567890ZOZ")});
    QCOMPARE(fnstRow(QStringLiteral("Select site_id from config_morvane")),
             QStringLiteral("ABC1234567890ZOZ"));
    QCOMPARE(rec.frm.result(), int(QDialog::Accepted));
}

void tst_SiteRegDialogs::ManualSaveFailureEndsTheDialogAndTellsTheWizard() {
    TclsAdHocQuery query;
    QCOMPARE(query.fniExecute(QStringLiteral("DROP TABLE config_morvane")), 0);
    TclsScriptedAnswerer objAnswerer;
    TrecManualDialog rec;
    QVERIFY(rec.fnbShown());
    rec.edtSiteId->setText(QStringLiteral("ABC1234567890ZOZ"));
    objAnswerer.pExpect(0);
    QTest::mouseClick(rec.btnOK, Qt::LeftButton);
    QCOMPARE(objAnswerer.fnslAsked(true),
             QStringList{cstWarning + QStringLiteral(" | Data could not be saved to the database."
                                                     "Manual site registration failed.\r\n"
                                                     "Click on OK button to exit.")});
    QCOMPARE(rec.slCallbacks, QStringList{QStringLiteral("unsuccess")});
    QVERIFY(!rec.frm.isVisible());
}

void tst_SiteRegDialogs::ManualCancelAsksNoKeepsTheDialogAndYesEndsTheApplication() {
    TclsScriptedAnswerer objAnswerer;
    TrecManualDialog rec;
    QVERIFY(rec.fnbShown());
    QTest::keyClicks(rec.edtSiteId, QStringLiteral("ABC123"));
    const std::function<void()> arWaysOut[] = {
        [&] { QTest::mouseClick(rec.btnCancel, Qt::LeftButton); },
        [&] { QTest::keyClick(&rec.frm, Qt::Key_Escape); },
        [&] { rec.frm.close(); },
    };
    for (const auto &fnLeave : arWaysOut) {
        objAnswerer.pExpect(1);
        fnLeave();
        QVERIFY(rec.frm.isVisible());
        QCOMPARE(rec.edtSiteId->text(), QStringLiteral("ABC123"));
    }
    objAnswerer.pExpect(0);
    QTimer::singleShot(0, rec.btnCancel, [&] { rec.btnCancel->click(); });
    // Ends the loop should the dialog not end the application.
    QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!rec.frm.isVisible());
    QCOMPARE(objAnswerer.fnslAsked(true),
             QStringList(4, QStringLiteral("Registration Wizard - Confirmation | You will not be "
                                           "able to use the Zorv Morvane application without "
                                           "registration.\r\n\r\nAre you sure that you want to "
                                           "close the registration wizard?")));
    QCOMPARE(objAnswerer.fnarAsked().back().slButtons.join(QString()) +
                 objAnswerer.fnarAsked().back().stDefaultButton,
             QStringLiteral("&Yes&No&No"));
    QCOMPARE(rec.slCallbacks, QStringList());
}

void tst_SiteRegDialogs::ManualLeavingTheBlankEditBoxSaysSoUnlessForCancel() {
    const QString stBlank = cstWarning + QStringLiteral(" | Site id cannot be blank.");
    TclsScriptedAnswerer objAnswerer;
    TrecManualDialog rec;
    QVERIFY(rec.fnbShown());
    rec.edtSiteId->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), rec.edtSiteId);
    objAnswerer.pExpect(0);
    QTest::keyClick(rec.edtSiteId, Qt::Key_Tab);
    QTRY_COMPARE(objAnswerer.fnslAsked(true), QStringList{stBlank});
    QTRY_COMPARE(QApplication::focusWidget(), rec.edtSiteId);
    // A click on OK leaves the box for OK: said once, not once more by OK.
    objAnswerer.pExpect(0);
    QTest::mouseClick(rec.btnOK, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), rec.edtSiteId);
    QCOMPARE(objAnswerer.fnslAsked(true), QStringList({stBlank, stBlank}));
    // Towards Cancel the box says nothing.
    pFocusOn(rec.btnCancel, Qt::MouseFocusReason);
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(2));
    QVERIFY(objAnswerer.fnarUnexpected().empty());
}

void tst_SiteRegDialogs::ProxyOKSavesTheFieldsWithABlankPortAs0AndKeepsTheConnection() {
    TclsScriptedAnswerer objAnswerer;
    TrecProxyDialog rec;
    // The wizard's holder names a dial-up entry (kept) and the browser (dropped when typed).
    rec.objData.iConnectionType = ctProxy;
    rec.objData.stDialupName = QStringLiteral("office-isdn");
    rec.objData.bUseBrowserSettings = true;
    QVERIFY(rec.fnbShown());
    rec.edt("edtHTTPProxyAddress")->setText(QStringLiteral(" web.local "));
    rec.edt("edtHTTPPort")->setText(QStringLiteral("8080"));
    rec.edt("edtHTTPSProxyAddress")->setText(QStringLiteral("tls.local"));
    rec.edt("edtHTTPSPort")->clear();
    rec.chk("chkUserNamePwdConfirmation")->click();
    rec.edt("edtUserName")->setText(QStringLiteral("robin"));
    // The proxy compares every character: blanks at the password's ends are kept.
    rec.edt("edtPassword")->setText(QStringLiteral(" Sherwood#7 "));
    QCOMPARE(rec.edt("edtPassword")->echoMode(), QLineEdit::Password);
    rec.chk("chkNTLM")->click();
    rec.pClickOK();
    QCOMPARE(rec.frm.result(), int(QDialog::Accepted));
    QCOMPARE(fnstProxyRow(), QStringLiteral("0|0|web.local|8080|tls.local|0||0|1|robin|1|"
                                            "office-isdn| Sherwood#7 "));
    QVERIFY(objAnswerer.fnarAsked().empty());
}

void tst_SiteRegDialogs::ProxyCancelEscAPastedNonNumberAndAFailingSaveSaveNothing() {
    const QString stBefore = fnstProxyRow();
    for (int iWay = 0; iWay < 3; ++iWay) {
        TrecProxyDialog rec;
        QVERIFY(rec.fnbShown());
        rec.edt("edtHTTPProxyAddress")->setText(QStringLiteral("never.saved"));
        rec.edt("edtFTPPort")->setText(QStringLiteral("21x")); // pasted: no number
        if (iWay == 0)
            QTest::keyClick(rec.edt("edtHTTPProxyAddress"), Qt::Key_Escape);
        else if (iWay == 1)
            QTest::mouseClick(fnpControl<QPushButton>(rec.frm, "btnCancel"), Qt::LeftButton);
        else
            rec.pClickOK();
        QCOMPARE(rec.frm.isVisible(), iWay == 2);
        if (iWay == 2)
            QTRY_COMPARE(QApplication::focusWidget(), rec.edt("edtFTPPort"));
    }
    QCOMPARE(fnstProxyRow(), stBefore);
}

void tst_SiteRegDialogs::CompletionShowsTheRangesAndThePickup_data() {
    QTest::addColumn<bool>("bHTTP");
    QTest::addColumn<TrecRangeText>("recShipment");
    QTest::addColumn<TrecRangeText>("recLP");
    QTest::addColumn<bool>("bPickupRequested");
    QTest::addColumn<QString>("stPickupStatus");
    QTest::addColumn<QString>("stShown");
    const QString stNone = QStringLiteral("Range not available*|Range not available*|");
    for (const bool bHTTP : {false, true}) {
        const char *pchForm = bHTTP ? " (HTTP)" : " (modem)";
        QTest::addRow("allocated, no pickup asked%s", pchForm)
            << bHTTP << crecShipment << crecLP << false << "0"
            << "1234567890  to  1234569999*|JDA1234  to  JDA123999*|design-|design-|design|design|"
               "design|design|design";
        QTest::addRow("status 1, pickup known%s", pchForm)
            << bHTTP << TrecRangeText{"1", "1", "2"} << TrecRangeText{"2", "JDA1", "JDA2"} << true
            << "0"
            << stNone + "Pickup detail request is :|Successful|Pickup address details :|123456789|"
                        "Unit 4*|Onehunga*|Auckland*";
        QTest::addRow("a bound missing, pickup not known%s", pchForm)
            << bHTTP << TrecRangeText{"0", "", "2"} << TrecRangeText{"0", "JDA1", ""} << true << "1"
            << stNone + "Pickup detail request is :|Not Successful|design-|design|design|design|"
                        "design";
    }
}

void tst_SiteRegDialogs::CompletionShowsTheRangesAndThePickup() {
    QFETCH(bool, bHTTP);
    QFETCH(TrecRangeText, recShipment);
    QFETCH(TrecRangeText, recLP);
    QFETCH(bool, bPickupRequested);
    QFETCH(QString, stPickupStatus);
    TrecCompletionPage rec;
    TrecPickupText recPickup = crecPickup;
    const QByteArray baStatus = stPickupStatus.toLatin1();
    recPickup.pchStatus = baStatus.constData();
    rec.pShow(bHTTP, bPickupRequested, recShipment, recLP, recPickup);
    QTEST(rec.fnstShown(), "stShown");
}

QTEST_MAIN(tst_SiteRegDialogs)
#include "tst_SiteRegDialogs.moc"
