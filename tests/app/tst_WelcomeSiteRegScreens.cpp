// The welcome and site-registration pages driven through the real form: which
// ini file their paragraphs come from, how many fit on a page, the telephone,
// web-link and key-combination decorations, and the number allocation lists.
#include "UnitOpenURL.h"
#include "unitRegistrationWizard.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLayout>
#include <QtTest>
#include <QUrl>

#include <algorithm>

namespace {
using TKeyValues = QList<QPair<QString, QString>>;

const QString cstEnglishIni = QStringLiteral("InfoFiles/registrationwizard_english.ini");
const QString cstGermanIni = QStringLiteral("InfoFiles/registrationwizard_german.ini");
const QString cstNoFile =
    QStringLiteral("Registration wizard ini file does not exist in the path - ");

template <class T> T *fnpControl(QWidget &frm, const char *pchName) {
    T *p = frm.findChild<T *>(QString::fromLatin1(pchName));
    if (!p)
        qFatal("no control %s", pchName);
    return p;
}

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

TKeyValues fnarNumbered(const QString &stPrefix, int iCount) {
    TKeyValues ar;
    for (int i = 1; i <= iCount; ++i)
        ar << qMakePair(stPrefix + QString::number(i), QStringLiteral("Line %1").arg(i));
    return ar;
}

struct TrecParagraph {
    QString stText;
    QRect rect;
};

// The paragraphs laid out on a page, top to bottom: its own labels, not those
// of the page's Designer controls.
QList<TrecParagraph> fnarParagraphs(QWidget &frm, const char *pchPage) {
    QList<TrecParagraph> ar;
    for (QLabel *lbl :
         fnpControl<QWidget>(frm, pchPage)->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (lbl->objectName().isEmpty())
            ar.push_back({lbl->text(), lbl->geometry()});
    std::stable_sort(ar.begin(), ar.end(), [](const TrecParagraph &a, const TrecParagraph &b) {
        return a.rect.top() < b.rect.top();
    });
    return ar;
}

QStringList fnslTexts(const QList<TrecParagraph> &ar) {
    QStringList sl;
    for (const TrecParagraph &rec : ar)
        sl << rec.stText;
    return sl;
}

QStringList fnslLogLines(const TclsTestInstallation &objInstallation, const QString &stPart) {
    const QString stLog = QString::fromUtf8(objInstallation.fnbaReadFile(
        QStringLiteral("Logs/RegistrationWizard_%1.log")
            .arg(QDate::currentDate().toString(QStringLiteral("ddMMyyyy")))));
    QStringList sl;
    for (const QString &stLine : stLog.split(QStringLiteral("\r\n")))
        if (stLine.contains(stPart))
            sl << stLine;
    return sl;
}

// The wizard's installation with the given ini files in InfoFiles; an empty
// content removes that file.
struct TrecSetup {
    QString stLanguage = QStringLiteral("English");
    QByteArray baEnglish;
    QByteArray baGerman;
};

std::unique_ptr<TclsTestInstallation> fnobjInstallation(const TrecSetup &rec) {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.stLanguage = rec.stLanguage;
    recOptions.bLogging = true;
    auto obj = std::make_unique<TclsTestInstallation>(recOptions);
    if (!obj->fnbOk())
        qFatal("%s", qPrintable(obj->fnstError()));
    QFile::remove(obj->fnstPath(cstEnglishIni));
    if (!rec.baEnglish.isEmpty())
        obj->fnbWriteFile(cstEnglishIni, rec.baEnglish);
    if (!rec.baGerman.isEmpty())
        obj->fnbWriteFile(cstGermanIni, rec.baGerman);
    return obj;
}
} // namespace

Q_DECLARE_METATYPE(TrecSetup)

class tst_WelcomeSiteRegScreens : public QObject {
    Q_OBJECT

private slots:
    void IniFileChoice_data();
    void IniFileChoice();
    void MissingSection_data();
    void MissingSection();
    void ThirteenParagraphsAtMost();
    void PageBottomLimit_data();
    void PageBottomLimit();
    void WelcomeTelephoneAndWebLink_data();
    void WelcomeTelephoneAndWebLink();
    void SiteRegistrationParagraphs();
    void AllocationLists();
    void ChosenQuantities_data();
    void ChosenQuantities();
};

void tst_WelcomeSiteRegScreens::IniFileChoice_data() {
    QTest::addColumn<TrecSetup>("recSetup");
    QTest::addColumn<QString>("stFirstParagraph"); // empty: no paragraph at all
    QTest::addColumn<QStringList>("slNotFound");   // files logged as missing
    const QByteArray baEnglish =
        fnbaWelcome({{"WS1", "English welcome"}}) +
        fnbaSection(QStringLiteral("SiteRegistration"), {{"SR1", "English site"}});
    const QByteArray baGerman =
        fnbaWelcome({{"WS1", "Deutscher Willkommenstext"}}) +
        fnbaSection(QStringLiteral("SiteRegistration"), {{"SR1", "Deutsche Registrierung"}});
    QTest::newRow("English") << TrecSetup{"English", baEnglish, {}} << "English" << QStringList();
    QTest::newRow("German file") << TrecSetup{"German", baEnglish, baGerman} << "Deutsch"
                                 << QStringList();
    QTest::newRow("German falls back to English")
        << TrecSetup{"German", baEnglish, {}} << "English" << QStringList();
    QTest::newRow("German without English")
        << TrecSetup{"German", {}, baGerman} << "Deutsch" << QStringList();
    QTest::newRow("neither file") << TrecSetup{"German", {}, {}} << QString()
                                  << QStringList{"InfoFiles/registrationwizard_german.ini",
                                                 "InfoFiles/registrationwizard_english.ini"};
    QTest::newRow("no English file, English language")
        << TrecSetup{"English", {}, {}} << QString()
        << QStringList{"InfoFiles/registrationwizard_english.ini"};
}

void tst_WelcomeSiteRegScreens::IniFileChoice() {
    QFETCH(TrecSetup, recSetup);
    QFETCH(QString, stFirstParagraph);
    QFETCH(QStringList, slNotFound);
    const auto objInstallation = fnobjInstallation(recSetup);
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    QVERIFY(!frm.fnbStartupFailed());
    frm.pCreateSiteRegScr();
    for (const char *pchPage : {"tbsWelcome", "tbsSiteRegistration"}) {
        const QStringList slTexts = fnslTexts(fnarParagraphs(frm, pchPage));
        if (stFirstParagraph.isEmpty()) {
            QVERIFY2(slTexts.isEmpty(), qPrintable(slTexts.join('|')));
        } else {
            QCOMPARE(slTexts.size(), 1);
            QVERIFY2(slTexts[0].startsWith(stFirstParagraph), qPrintable(slTexts[0]));
        }
    }
    // Each page logs every missing file once, and nothing else asks the user.
    for (const QString stMethod : {"pCreateWelcomeScr", "pCreateSiteRegScr"}) {
        QStringList slExpected;
        for (const QString &stFile : slNotFound)
            slExpected << QStringLiteral("|Severity Level 2|Unit unitRegistrationWizard|Process ") +
                              stMethod + QLatin1Char('|') + cstNoFile +
                              objInstallation->fnstPath(stFile);
        QStringList slLogged = fnslLogLines(*objInstallation, cstNoFile);
        slLogged = slLogged.filter(stMethod);
        QCOMPARE(slLogged.size(), slExpected.size());
        for (int i = 0; i < slExpected.size(); ++i)
            QVERIFY2(slLogged[i].endsWith(slExpected[i]), qPrintable(slLogged[i]));
    }
    QVERIFY(objAnswers.fnarAsked().empty());
}

void tst_WelcomeSiteRegScreens::MissingSection_data() {
    QTest::addColumn<QByteArray>("baIni");
    QTest::addColumn<QString>("stMissingLog");
    QTest::addColumn<int>("iWelcome");
    QTest::addColumn<int>("iSiteReg");
    QTest::newRow("no welcome section")
        << fnbaSection(QStringLiteral("SiteRegistration"), {{"SR1", "Site"}})
        << "|Process pCreateWelcomeScr|the WelcomeScreensection does not exist in the "
           "Registration wizard ini file"
        << 0 << 1;
    QTest::newRow("no site registration section")
        << fnbaWelcome({{"WS1", "Welcome"}})
        << "|Process pCreateSiteRegScr|the SiteRegistrationsection does not exist in the "
           "Registration wizard ini file"
        << 1 << 0;
}

void tst_WelcomeSiteRegScreens::MissingSection() {
    QFETCH(QByteArray, baIni);
    QFETCH(QString, stMissingLog);
    QFETCH(int, iWelcome);
    QFETCH(int, iSiteReg);
    const auto objInstallation = fnobjInstallation({"English", baIni, {}});
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    frm.pCreateSiteRegScr();
    QCOMPARE(fnarParagraphs(frm, "tbsWelcome").size(), iWelcome);
    QCOMPARE(fnarParagraphs(frm, "tbsSiteRegistration").size(), iSiteReg);
    QCOMPARE(fnslLogLines(*objInstallation, stMissingLog).size(), 1);
    QVERIFY(objAnswers.fnarAsked().empty());
}

// Fourteen text keys on each page: the fourteenth is not shown.
void tst_WelcomeSiteRegScreens::ThirteenParagraphsAtMost() {
    const auto objInstallation =
        fnobjInstallation({"English",
                           fnbaWelcome(fnarNumbered(QStringLiteral("WS"), 14)) +
                               fnbaSection(QStringLiteral("SiteRegistration"),
                                           fnarNumbered(QStringLiteral("SR"), 14)),
                           {}});
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    frm.pCreateSiteRegScr();
    QStringList slExpected;
    for (const auto &[stKey, stValue] : fnarNumbered(QString(), 13))
        slExpected << stValue;
    QCOMPARE(fnslTexts(fnarParagraphs(frm, "tbsWelcome")), slExpected);
    QCOMPARE(fnslTexts(fnarParagraphs(frm, "tbsSiteRegistration")), slExpected);
}

// Ten one-line paragraphs end at top 211; the next paragraph is started only
// when its estimated height (its length at 7.5 pixels a character on
// 473-pixel lines of 13 pixels) ends above 328, and when it is not, neither it
// nor anything after it is shown.
void tst_WelcomeSiteRegScreens::PageBottomLimit_data() {
    QTest::addColumn<TKeyValues>("arKeys");
    QTest::addColumn<QList<int>>("arTops");
    const TKeyValues arTen = fnarNumbered(QStringLiteral("WS"), 10);
    QList<int> arTenTops;
    for (int i = 0; i < 10; ++i)
        arTenTops << 11 + 20 * i;
    const auto fnarWith = [&](int iLength) {
        return arTen +
               TKeyValues{{"WSLong", QString(iLength, QLatin1Char('x'))}, {"WSAfter", "After"}};
    };
    // 504 characters: 8 lines estimated, 211 + 104 = 315; five lines shown (65).
    QTest::newRow("ends at 315") << fnarWith(504) << (arTenTops + QList<int>{211, 283});
    // 567 characters: 9 lines estimated, 211 + 117 = 328.
    QTest::newRow("reaches 328") << fnarWith(567) << arTenTops;
    QTest::newRow("crosses 328") << fnarWith(2000) << arTenTops;
    // The first paragraph is never measured against the limit.
    QTest::newRow("long first paragraph")
        << TKeyValues{{"WS1", QString(5000, QLatin1Char('x'))}, {"WS2", "Second"}}
        << QList<int>{11, 83};
}

void tst_WelcomeSiteRegScreens::PageBottomLimit() {
    QFETCH(TKeyValues, arKeys);
    QFETCH(QList<int>, arTops);
    const auto objInstallation = fnobjInstallation(
        {"English",
         fnbaWelcome(arKeys) + fnbaSection(QStringLiteral("SiteRegistration"), arKeys),
         {}});
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    frm.pCreateSiteRegScr();
    for (const char *pchPage : {"tbsWelcome", "tbsSiteRegistration"}) {
        const QList<TrecParagraph> ar = fnarParagraphs(frm, pchPage);
        QList<int> arShownTops;
        for (int i = 0; i < ar.size(); ++i) {
            arShownTops << ar[i].rect.top();
            QCOMPARE(ar[i].stText, arKeys[i].second);
            QCOMPARE(ar[i].rect.left(), 11);
            QCOMPARE(ar[i].rect.width(), 473);
        }
        QCOMPARE(arShownTops, arTops);
    }
}

void tst_WelcomeSiteRegScreens::WelcomeTelephoneAndWebLink_data() {
    QTest::addColumn<QString>("stUserURL");
    QTest::addColumn<QUrl>("urlOpened");
    QTest::newRow("full address") << "https://www.zorv.example/morvane"
                                  << QUrl("https://www.zorv.example/morvane");
    QTest::newRow("address as typed") << "www.zorv.example" << QUrl("http://www.zorv.example");
    QTest::newRow("query with ampersand")
        << "https://zorv.example/s?a=1&b=<2>" << QUrl("https://zorv.example/s?a=1&b=<2>");
}

void tst_WelcomeSiteRegScreens::WelcomeTelephoneAndWebLink() {
    QFETCH(QString, stUserURL);
    QFETCH(QUrl, urlOpened);
    const auto objInstallation =
        fnobjInstallation({"English",
                           fnbaWelcome({{"WS1", "Welcome <b>to</b> Zorv."},
                                        {"WSTelephone", "Call us at"},
                                        {"WSURL", "Visit"},
                                        {"WS2", "Click Next."}},
                                       stUserURL, QStringLiteral("+44 20 7946 0000")),
                           {}});
    QList<QUrl> arOpened;
    const TURLOpener fnPrevious = pSetURLOpener([&](const QUrl &url) {
        arOpened << url;
        return true;
    });
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    QCOMPARE(frm.fnstUserURL(), stUserURL);
    QCOMPARE(frm.fnstTechSupportPhone(), QStringLiteral("+44 20 7946 0000"));
    const QList<TrecParagraph> ar = fnarParagraphs(frm, "tbsWelcome");
    QCOMPARE(fnslTexts(ar),
             (QStringList{"Welcome <b>to</b> Zorv.", "        Call us at +44 20 7946 0000",
                          "        Visit", "Click Next."}));
    // The ini file's text is shown as it is written, not as markup.
    for (QLabel *lbl : fnpControl<QWidget>(frm, "tbsWelcome")->findChildren<QLabel *>())
        if (lbl->text() == ar[0].stText)
            QCOMPARE(lbl->textFormat(), Qt::PlainText);
    // The link follows the paragraph's text on its line, 4 pixels on.
    auto *lblLink = fnpControl<QLabel>(frm, "lblWelcomeURL");
    QCOMPARE(lblLink->y(), ar[2].rect.top());
    QCOMPARE(lblLink->x(), ar[2].rect.right() + 1 + 4);
    QVERIFY(ar[2].rect.width() < 473);
    QVERIFY(lblLink->isVisible());
    QCOMPARE(ar[3].rect.top(), ar[2].rect.top() + 20);
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
    QVERIFY(fnarParagraphs(frm, "tbsSiteRegistration").isEmpty());
    frm.pCreateSiteRegScr();
    const QList<TrecParagraph> arFirst = fnarParagraphs(frm, "tbsSiteRegistration");
    frm.pCreateSiteRegScr();
    const QList<TrecParagraph> ar = fnarParagraphs(frm, "tbsSiteRegistration");
    QCOMPARE(fnslTexts(ar), fnslTexts(arFirst));
    QCOMPARE(ar.size(), 5);
    QCOMPARE(ar[2].stText, QStringLiteral("If the registration cannot be completed, call Zorv "
                                          "Technical Support at 1-800-555-0199."));
    QCOMPARE(ar[3].stText, QStringLiteral("If Zorv Technical Support gave you a site ID, you can "
                                          "enter it by pressing Ctrl+Alt+R."));
    QCOMPARE(ar[0].rect.top(), 11);
    for (int i = 1; i < ar.size(); ++i)
        QCOMPARE(ar[i].rect.top(), ar[i - 1].rect.bottom() + 1 + 7);
    // Where the page's layout puts the number allocation once it is shown.
    frm.pShowPageAsSeen(wpSiteRegistration);
    frm.show();
    const QWidget *pnl = fnpControl<QWidget>(frm, "pnlNumberAllocation");
    pnl->parentWidget()->layout()->activate();
    QVERIFY(ar.back().rect.bottom() < pnl->y());
}

void tst_WelcomeSiteRegScreens::AllocationLists() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    const auto fnslItems = [](QComboBox *cmb) {
        QStringList sl;
        for (int i = 0; i < cmb->count(); ++i)
            sl << cmb->itemText(i);
        return sl;
    };
    auto *cmbShip = fnpControl<QComboBox>(frm, "cmbShipNoAllocation");
    auto *cmbLP = fnpControl<QComboBox>(frm, "cmbLPNoAlloc");
    QCOMPARE(fnslItems(cmbShip), (QStringList{"500000", "100000", "50000", "10000", "5000", "1000",
                                              "500", "250", "100"}));
    QCOMPARE(fnslItems(cmbLP), (QStringList{"1000000", "500000", "100000", "50000", "10000", "5000",
                                            "2500", "1000"}));
    for (QComboBox *cmb : {cmbShip, cmbLP}) {
        QVERIFY(!cmb->isEditable());
        QCOMPARE(cmb->currentIndex(), -1);
    }
    QCOMPARE(fnpControl<QCheckBox>(frm, "chklShipmentNoAllocation")->text(),
             QStringLiteral("Shipment ID allocation"));
    QCOMPARE(fnpControl<QCheckBox>(frm, "chklicenceno")->text(),
             QStringLiteral("Licence plate number allocation"));
    QCOMPARE(fnpControl<QLabel>(frm, "lblShipNoQty")->text(), QStringLiteral("numbers"));
    QCOMPARE(fnpControl<QLabel>(frm, "lblLPQty")->text(), QStringLiteral("numbers"));
    QCOMPARE(fnpControl<QLabel>(frm, "lblRequestAwbLP")->text(),
             QStringLiteral("Check the following option(s) to download a range of Shipment or "
                            "LP Numbers :"));
    // The controls keep the names the help contexts are given by.
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    const QList<QPair<const char *, int>> arHelp = {{"chklShipmentNoAllocation", 1587},
                                                    {"chklicenceno", 1588},
                                                    {"cmbShipNoAllocation", 1589},
                                                    {"cmbLPNoAlloc", 1590}};
    for (const auto &[pchName, iContext] : arHelp)
        QCOMPARE(fnpControl<QWidget>(frm, pchName)->property("helpContext").toInt(), iContext);
}

struct TrecChoice {
    bool bTickShip, bTickLP;
    int iShip, iLP;        // list index chosen while ticked, -1 none
    bool bUntickShipAfter; // the shipment box is unticked again
    QString stShipQty, stLPQty;
};
Q_DECLARE_METATYPE(TrecChoice)

void tst_WelcomeSiteRegScreens::ChosenQuantities_data() {
    QTest::addColumn<TrecChoice>("rec");
    QTest::newRow("nothing chosen") << TrecChoice{false, false, -1, -1, false, "1000", "10000"};
    QTest::newRow("ticked, nothing chosen")
        << TrecChoice{true, true, -1, -1, false, "1000", "10000"};
    QTest::newRow("both chosen") << TrecChoice{true, true, 2, 6, false, "50000", "2500"};
    QTest::newRow("first items") << TrecChoice{true, true, 0, 0, false, "500000", "1000000"};
    QTest::newRow("shipment unticked again") << TrecChoice{true, true, 8, 7, true, "1000", "1000"};
}

void tst_WelcomeSiteRegScreens::ChosenQuantities() {
    QFETCH(TrecChoice, rec);
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    auto *chkShip = fnpControl<QCheckBox>(frm, "chklShipmentNoAllocation");
    auto *chkLP = fnpControl<QCheckBox>(frm, "chklicenceno");
    auto *cmbShip = fnpControl<QComboBox>(frm, "cmbShipNoAllocation");
    auto *cmbLP = fnpControl<QComboBox>(frm, "cmbLPNoAlloc");
    QVERIFY(!cmbShip->isEnabled() && !cmbLP->isEnabled());
    chkShip->setChecked(rec.bTickShip);
    chkLP->setChecked(rec.bTickLP);
    QCOMPARE(cmbShip->isEnabled(), rec.bTickShip);
    QCOMPARE(cmbLP->isEnabled(), rec.bTickLP);
    cmbShip->setCurrentIndex(rec.iShip);
    cmbLP->setCurrentIndex(rec.iLP);
    if (rec.bUntickShipAfter)
        chkShip->setChecked(false);
    frm.pReadPage(wpSiteRegistration);
    QCOMPARE(frm.fnrecData().objAWBLPAllocData.stShipmentNoQty, rec.stShipQty);
    QCOMPARE(frm.fnrecData().objAWBLPAllocData.stLPNoQty, rec.stLPQty);
}

QTEST_MAIN(tst_WelcomeSiteRegScreens)
#include "tst_WelcomeSiteRegScreens.moc"
