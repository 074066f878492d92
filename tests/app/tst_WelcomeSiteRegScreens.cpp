// The welcome and site-registration pages driven through the real form: which
// ini file their paragraphs come from, the telephone and web-link
// decorations, and the number allocation lists.
#include "UnitOpenURL.h"
#include "UnitWizardOnScreen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QUrl>

#include <algorithm>

namespace {
using TKeyValues = QList<QPair<QString, QString>>;

const QString cstEnglishIni = QStringLiteral("InfoFiles/registrationwizard_english.ini");

QByteArray fnbaSection(const QString &stSection, const TKeyValues &arKeys) {
    QByteArray ba = "[" + stSection.toUtf8() + "]\r\n";
    for (const auto &[stKey, stValue] : arKeys)
        ba += stKey.toUtf8() + "=" + stValue.toUtf8() + "\r\n";
    return ba;
}

// A welcome section: the text keys, then the two data keys.
QByteArray fnbaWelcome(TKeyValues arKeys, const QString &stURL = QStringLiteral("www.zorv.example"),
                       const QString &stPhone = QStringLiteral("0800 123")) {
    arKeys << qMakePair(QStringLiteral("WSUSERURL"), stURL)
           << qMakePair(QStringLiteral("WSUSERTELEPHONE"), stPhone);
    return fnbaSection(QStringLiteral("WelcomeScreen"), arKeys);
}

// The paragraphs laid out on a page, top to bottom: its own labels, not those
// of the page's Designer controls.
QList<QLabel *> fnarParagraphs(QWidget &frm, const char *pchPage) {
    QList<QLabel *> ar;
    for (QLabel *lbl :
         fnpControl<QWidget>(frm, pchPage)->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (lbl->objectName().isEmpty())
            ar << lbl;
    std::stable_sort(ar.begin(), ar.end(), [](QLabel *a, QLabel *b) { return a->y() < b->y(); });
    return ar;
}

QStringList fnslTexts(QWidget &frm, const char *pchPage) {
    QStringList sl;
    for (QLabel *lbl : fnarParagraphs(frm, pchPage))
        sl << lbl->text();
    return sl;
}

// The installation in the language, with the given English and German ini
// files in InfoFiles (an empty one is not there).
std::unique_ptr<TclsTestInstallation> fnobjInstallation(const QString &stLanguage,
                                                        const QByteArray &baEnglish,
                                                        const QByteArray &baGerman = {}) {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.stLanguage = stLanguage;
    auto obj = std::make_unique<TclsTestInstallation>(recOptions);
    if (!obj->fnbOk())
        qFatal("%s", qPrintable(obj->fnstError()));
    QFile::remove(obj->fnstPath(cstEnglishIni));
    if (!baEnglish.isEmpty())
        obj->fnbWriteFile(cstEnglishIni, baEnglish);
    if (!baGerman.isEmpty())
        obj->fnbWriteFile(QStringLiteral("InfoFiles/registrationwizard_german.ini"), baGerman);
    return obj;
}
} // namespace

class tst_WelcomeSiteRegScreens : public QObject {
    Q_OBJECT

private slots:
    void IniFileChoice_data();
    void IniFileChoice();
    void WelcomeTelephoneAndWebLink_data();
    void WelcomeTelephoneAndWebLink();
    void SiteRegistrationParagraphs();
    void ChosenQuantities_data();
    void ChosenQuantities();
};

void tst_WelcomeSiteRegScreens::IniFileChoice_data() {
    QTest::addColumn<QString>("stLanguage");
    QTest::addColumn<QByteArray>("baEnglish");
    QTest::addColumn<QByteArray>("baGerman");
    QTest::addColumn<QStringList>("slShown"); // each page's paragraphs
    const auto fnbaIni = [](const char *pchWelcome, const char *pchSite) {
        return fnbaWelcome({{"WS1", pchWelcome}}) +
               fnbaSection(QStringLiteral("SiteRegistration"), {{"SR1", pchSite}});
    };
    const QByteArray baEnglish = fnbaIni("English welcome", "English site");
    const QByteArray baGerman = fnbaIni("Deutsch", "Deutsche Registrierung");
    const QStringList slEnglish{"English welcome", "English site"};
    QTest::newRow("English") << "English" << baEnglish << QByteArray() << slEnglish;
    QTest::newRow("German file") << "German" << baEnglish << baGerman
                                 << QStringList{"Deutsch", "Deutsche Registrierung"};
    QTest::newRow("German falls back to English")
        << "German" << baEnglish << QByteArray() << slEnglish;
    QTest::newRow("neither file") << "German" << QByteArray() << QByteArray()
                                  << QStringList{"", ""};
    QTest::newRow("no welcome section")
        << "English" << fnbaSection(QStringLiteral("SiteRegistration"), {{"SR1", "Site"}})
        << QByteArray() << QStringList{"", "Site"};
    QTest::newRow("no site registration section") << "English" << fnbaWelcome({{"WS1", "Welcome"}})
                                                  << QByteArray() << QStringList{"Welcome", ""};
}

void tst_WelcomeSiteRegScreens::IniFileChoice() {
    QFETCH(QString, stLanguage);
    QFETCH(QByteArray, baEnglish);
    QFETCH(QByteArray, baGerman);
    QFETCH(QStringList, slShown);
    const auto objInstallation = fnobjInstallation(stLanguage, baEnglish, baGerman);
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    QVERIFY(!frm.fnbStartupFailed());
    frm.pCreateSiteRegScr();
    QCOMPARE(fnslTexts(frm, "tbsWelcome").join(QString()), slShown[0]);
    QCOMPARE(fnslTexts(frm, "tbsSiteRegistration").join(QString()), slShown[1]);
    QVERIFY(objAnswers.fnarAsked().empty());
}

void tst_WelcomeSiteRegScreens::WelcomeTelephoneAndWebLink_data() {
    QTest::addColumn<QString>("stUserURL");
    QTest::addColumn<QUrl>("urlOpened");
    QTest::newRow("address as typed") << "www.zorv.example" << QUrl("http://www.zorv.example");
    QTest::newRow("query with ampersand")
        << "https://zorv.example/s?a=1&b=<2>" << QUrl("https://zorv.example/s?a=1&b=<2>");
}

void tst_WelcomeSiteRegScreens::WelcomeTelephoneAndWebLink() {
    QFETCH(QString, stUserURL);
    QFETCH(QUrl, urlOpened);
    const auto objInstallation = fnobjInstallation(
        QStringLiteral("English"), fnbaWelcome({{"WS1", "Welcome <b>to</b> Zorv."},
                                                {"WSTelephone", "Call us at"},
                                                {"WSURL", "Visit"},
                                                {"WS2", "Click Next."}},
                                               stUserURL, QStringLiteral("+44 20 7946 0000")));
    QList<QUrl> arOpened;
    const TURLOpener fnPrevious = pSetURLOpener([&](const QUrl &url) {
        arOpened << url;
        return true;
    });
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    QCOMPARE(fnslTexts(frm, "tbsWelcome"),
             (QStringList{"Welcome <b>to</b> Zorv.", "        Call us at +44 20 7946 0000",
                          "        Visit", "Click Next."}));
    // The ini file's text is shown as it is written, not as markup.
    QCOMPARE(fnarParagraphs(frm, "tbsWelcome")[0]->textFormat(), Qt::PlainText);
    auto *lblLink = fnpControl<QLabel>(frm, "lblWelcomeURL");
    QVERIFY(lblLink->isVisible());
    QTest::mouseClick(lblLink, Qt::LeftButton, {}, QPoint(4, lblLink->height() / 2));
    QCOMPARE(arOpened, QList<QUrl>{urlOpened});
    pSetURLOpener(fnPrevious);
    QVERIFY(objAnswers.fnarAsked().empty());
}

// The installation's own texts: the telephone number and the manual-entry keys
// close their paragraphs, and every visit lays the page out afresh above the
// number allocation.
void tst_WelcomeSiteRegScreens::SiteRegistrationParagraphs() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    frm.pCreateSiteRegScr();
    frm.pCreateSiteRegScr();
    const QStringList sl = fnslTexts(frm, "tbsSiteRegistration");
    QCOMPARE(sl.size(), 5);
    QCOMPARE(sl[2], QStringLiteral("If the registration cannot be completed, call Zorv "
                                   "Technical Support at 1-800-555-0199."));
    QCOMPARE(sl[3], QStringLiteral("If Zorv Technical Support gave you a site ID, you can "
                                   "enter it by pressing Ctrl+Alt+R."));
    frm.pShowPageAsSeen(wpSiteRegistration);
    frm.show();
    const QWidget *pnl = fnpControl<QWidget>(frm, "pnlNumberAllocation");
    pnl->parentWidget()->layout()->activate();
    QVERIFY(fnarParagraphs(frm, "tbsSiteRegistration").back()->geometry().bottom() < pnl->y());
}

void tst_WelcomeSiteRegScreens::ChosenQuantities_data() {
    QTest::addColumn<int>("iShip"); // list index chosen while ticked, -1 not ticked
    QTest::addColumn<int>("iLP");
    QTest::addColumn<bool>("bUntickShipAfter"); // the shipment box unticked again
    QTest::addColumn<QString>("stShipQty");
    QTest::addColumn<QString>("stLPQty");
    QTest::newRow("nothing chosen") << -1 << -1 << false << "1000"
                                    << "10000";
    QTest::newRow("first items") << 0 << 0 << false << "500000"
                                 << "1000000";
    QTest::newRow("shipment unticked again") << 8 << 7 << true << "1000"
                                             << "1000";
}

void tst_WelcomeSiteRegScreens::ChosenQuantities() {
    QFETCH(int, iShip);
    QFETCH(int, iLP);
    QFETCH(bool, bUntickShipAfter);
    QFETCH(QString, stShipQty);
    QFETCH(QString, stLPQty);
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    auto *chkShip = fnpControl<QCheckBox>(frm, "chklShipmentNoAllocation");
    auto *cmbShip = fnpControl<QComboBox>(frm, "cmbShipNoAllocation");
    auto *cmbLP = fnpControl<QComboBox>(frm, "cmbLPNoAlloc");
    QCOMPARE(cmbShip->count(), 9);
    QCOMPARE(cmbLP->count(), 8);
    QVERIFY(!cmbShip->isEnabled() && !cmbLP->isEnabled());
    chkShip->setChecked(iShip >= 0);
    fnpControl<QCheckBox>(frm, "chklicenceno")->setChecked(iLP >= 0);
    QCOMPARE(cmbShip->isEnabled(), iShip >= 0);
    QCOMPARE(cmbLP->isEnabled(), iLP >= 0);
    cmbShip->setCurrentIndex(iShip);
    cmbLP->setCurrentIndex(iLP);
    if (bUntickShipAfter)
        chkShip->setChecked(false);
    frm.pReadPage(wpSiteRegistration);
    QCOMPARE(frm.fnrecData().objAWBLPAllocData.stShipmentNoQty, stShipQty);
    QCOMPARE(frm.fnrecData().objAWBLPAllocData.stLPNoQty, stLPQty);
}

QTEST_MAIN(tst_WelcomeSiteRegScreens)
#include "tst_WelcomeSiteRegScreens.moc"
