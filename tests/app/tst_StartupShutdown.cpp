// Start-up and shutdown of the wizard form, driven through its real widgets:
// the start-up refusals and their messages, the welcome and terms pages, the
// ini file the welcome and site-registration paragraphs come from with their
// telephone and web link, the number allocation lists, and every way the
// wizard ends.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitLockHolder.h"
#include "UnitOpenURL.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace {
using TOptionsChange = std::function<void(TrecInstallationOptions &)>;
using TInstallationChange = std::function<void(TclsTestInstallation &)>;

const QString cstWarning = QStringLiteral("Registration Wizard - Warning");
const QString cstConfirmation = QStringLiteral("Registration Wizard - Confirmation");
const QString cstCloseQuestion = QStringLiteral(
    "You will not be able to use the Zorv Morvane application without registration.\r\n\r\n"
    "Are you sure that you want to close the registration wizard?");
const QString cstDeclineQuestion = QStringLiteral(
    "You cannot register Zorv Morvane application unless you accept the Zorv End User License "
    "Agreement.\r\n\r\nAre you sure that you want to close the registration wizard?");

// Whether another process could take the runningexes lock now.
// The holder runs in the installation's Bin, the current directory, and so
// on its database.
bool fnbRunningExesFree() {
    TclsLockHolder objOther({QStringLiteral("table"), QStringLiteral("runningexes")});
    return objOther.fnstAnswer() == QLatin1String("locked");
}
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

Q_DECLARE_METATYPE(TOptionsChange)
Q_DECLARE_METATYPE(TInstallationChange)

class tst_StartupShutdown : public QObject {
    Q_OBJECT

private slots:
    void StartupRefusals_data();
    void StartupRefusals();
    void AnotherWizardHoldsTheLock();
    void TermsText_data();
    void TermsText();
    void LeavingAsksFirst_data();
    void LeavingAsksFirst();
    void FinishOffersTheMainApplication_data();
    void FinishOffersTheMainApplication();
    void IniFileChoice_data();
    void IniFileChoice();
    void WelcomeTelephoneAndWebLink_data();
    void WelcomeTelephoneAndWebLink();
    void SiteRegistrationParagraphs();
    void ChosenQuantities_data();
    void ChosenQuantities();
};

void tst_StartupShutdown::StartupRefusals_data() {
    QTest::addColumn<TOptionsChange>("fnOptions");
    QTest::addColumn<TInstallationChange>("fnInstallation");
    QTest::addColumn<QString>("stMessage");
    const TOptionsChange fnNoOptions = [](TrecInstallationOptions &) {};
    const TInstallationChange fnNoChange = [](TclsTestInstallation &) {};
    QTest::newRow("already registered")
        << TOptionsChange(
               [](auto &rec) { rec.recSeed.stSiteId = QStringLiteral("ABC0000000123ZOZ"); })
        << fnNoChange
        << QStringLiteral("The site is already registered. Click on OK button to exit.");
    QTest::newRow("no Site Registration service")
        << TOptionsChange([](auto &rec) { rec.recSeed.bSiteRegistrationService = false; })
        << fnNoChange << QStringLiteral("Not sufficient data for site registration.");
    QTest::newRow("no WORKSTATION_ID") << TOptionsChange([](auto &rec) {
        rec.slOmitInstallationIni << QStringLiteral("INSTALLATION_INFO/WORKSTATION_ID");
    }) << fnNoChange << QString();
    QTest::newRow("no config_zorv table")
        << TOptionsChange([](auto &rec) { rec.slDropTables << QStringLiteral("config_zorv"); })
        << fnNoChange
        << QStringLiteral(
               "Database Configuration is not correct. Please contact System Administrator..");
    // The DEFAULT user's password sealed, then the key file spoilt.
    const auto fnSpoilKey = [](const QByteArray &baKey) {
        return TInstallationChange([baKey](TclsTestInstallation &obj) {
            fniExec(QStringLiteral("UPDATE users SET password = ?"),
                    {fnstSealSecret(QStringLiteral("users"), QStringLiteral("password"),
                                    QStringLiteral("open sesame"))});
            pDisconnectDatabase();
            obj.fnbWriteFile(QStringLiteral("Config/secrets.key"), baKey);
        });
    };
    const QString stKeyRefused = QStringLiteral(
        "The passwords stored in the database cannot be opened with the key file %KEY%. Restore "
        "this installation's key file or contact System Administrator.");
    QTest::newRow("another key") << fnNoOptions << fnSpoilKey(QByteArray(32, 'k')) << stKeyRefused;
    const QString stConnectionFailed =
        QStringLiteral("Databse Connection failed. Please contact System Administrator..");
    if (fnrecTestClusterSettings().fnbPostgreSQL()) {
        QTest::newRow("no such database on the server")
            << fnNoOptions << TInstallationChange([](TclsTestInstallation &obj) {
                   const QByteArray baName = "NAME=" + obj.fnrecDatabase().stName.toUtf8();
                   obj.fnbEditInstallationIni(baName, baName + "_gone");
               })
            << stConnectionFailed;
        return;
    }
    // A folder where the file should be: there, but nothing can be read from it.
    QTest::newRow("an unreadable Installation.ini")
        << fnNoOptions << TInstallationChange([](TclsTestInstallation &obj) {
               const QString stIni = obj.fnstPath(QStringLiteral("Config/Installation.ini"));
               QFile::remove(stIni);
               QDir().mkdir(stIni);
           })
        << QString();
    QTest::newRow("no database") << fnNoOptions
                                 << TInstallationChange([](TclsTestInstallation &obj) {
                                        QFile::remove(obj.fnstDatabaseFile());
                                    })
                                 << stConnectionFailed;
    QTest::newRow("unreadable database")
        << fnNoOptions << TInstallationChange([](TclsTestInstallation &obj) {
               obj.fnbWriteFile(QStringLiteral("Database/Morvane_050300.db"),
                                QByteArray(8192, '\xff'));
           })
        << stConnectionFailed;
}

void tst_StartupShutdown::StartupRefusals() {
    QFETCH(TOptionsChange, fnOptions);
    QFETCH(TInstallationChange, fnInstallation);
    QFETCH(QString, stMessage);
    TrecInstallationOptions rec = fnrecTestOptions();
    fnOptions(rec);
    TclsTestInstallation objInstallation(rec);
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    fnInstallation(objInstallation);
    stMessage.replace(QStringLiteral("%KEY%"),
                      objInstallation.fnstPath(QStringLiteral("Config/secrets.key")));
    // The database and its write-ahead log, byte for byte.
    auto fnbaDatabase = [&] {
        return objInstallation.fnbaReadFile(QStringLiteral("Database/Morvane_050300.db")) +
               objInstallation.fnbaReadFile(QStringLiteral("Database/Morvane_050300.db-wal"));
    };
    const QByteArray baDatabaseBefore = fnbaDatabase();
    TclsScriptedAnswerer objAnswers;
    if (!stMessage.isEmpty())
        objAnswers.pExpect(0);
    TfrmRegistrationWizard frm;
    QVERIFY(frm.fnbStartupFailed());
    if (stMessage.isEmpty()) {
        QVERIFY(objAnswers.fnarAsked().empty());
    } else {
        QCOMPARE(objAnswers.fnarAsked().size(), size_t(1));
        QCOMPARE(objAnswers.fnarAsked()[0].stMessage, stMessage);
        QCOMPARE(objAnswers.fnarAsked()[0].stCaption, cstWarning);
        QCOMPARE(objAnswers.fnarAsked()[0].slButtons, QStringList{QStringLiteral("&OK")});
    }
    // The form closes itself when shown: no question, nothing saved.
    frm.show();
    QTRY_VERIFY(!frm.isVisible());
    QVERIFY(objAnswers.fnarUnexpected().empty());
    QCOMPARE(fnbaDatabase(), baDatabaseBefore);
}

void tst_StartupShutdown::AnotherWizardHoldsTheLock() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    TclsLockHolder objOther({QStringLiteral("table"), QStringLiteral("runningexes")});
    QCOMPARE(objOther.fnstAnswer(), QStringLiteral("locked"));
    TclsScriptedAnswerer objAnswers;
    objAnswers.pExpect(0);
    {
        TfrmRegistrationWizard frm;
        QVERIFY(frm.fnbStartupFailed());
        QCOMPARE(objAnswers.fnarAsked().size(), size_t(1));
        QCOMPARE(
            objAnswers.fnarAsked()[0].stMessage,
            QStringLiteral(
                "Another instance of the application is running.\r\nClick on OK button to exit"));
    }
    objOther.pKill();
    TfrmRegistrationWizard frmAfter;
    QVERIFY(!frmAfter.fnbStartupFailed());
}

void tst_StartupShutdown::TermsText_data() {
    QTest::addColumn<QString>("stLanguage");
    QTest::addColumn<bool>("bEnglishFile");
    QTest::addColumn<QString>("stLanguageFile"); // written into InfoFiles when not empty
    QTest::addColumn<QString>("stStart");        // how the shown text begins
    QTest::newRow("German falls back to English")
        << "German" << true << QString() << "ZORV MORVANE END USER LICENSE AGREEMENT";
    QTest::newRow("German file") << "German" << true << "termsandconditions_german.txt"
                                 << "LIZENZVERTRAG";
    QTest::newRow("Chinese, Traditional file")
        << "Chinese, Traditional" << true << "termsandconditions_chinese_traditional.txt"
        << "LIZENZVERTRAG";
    QTest::newRow("no file at all") << "German" << false << QString() << QString();
}

void tst_StartupShutdown::TermsText() {
    QFETCH(QString, stLanguage);
    QFETCH(bool, bEnglishFile);
    QFETCH(QString, stLanguageFile);
    QFETCH(QString, stStart);
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.stLanguage = stLanguage;
    rec.bTermsFile = bEnglishFile;
    TclsTestInstallation objInstallation(rec);
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    if (!stLanguageFile.isEmpty())
        QVERIFY(objInstallation.fnbWriteFile(
            QStringLiteral("InfoFiles/") + stLanguageFile,
            "LIZENZVERTRAG\r\n\r\nBitte lesen Sie diesen Vertrag.\r\n"));
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    QVERIFY(!frm.fnbStartupFailed());
    const QString stText = fnpControl<QTextEdit>(frm, "redtTermsNConditions")->toPlainText();
    if (stStart.isEmpty())
        QVERIFY(stText.isEmpty());
    else
        QVERIFY2(stText.startsWith(stStart), qPrintable(stText.left(60)));
    QVERIFY(!stText.contains(QLatin1Char('\r')));
}

void tst_StartupShutdown::LeavingAsksFirst_data() {
    QTest::addColumn<bool>("bOnTerms");     // on the terms page, else the welcome page
    QTest::addColumn<bool>("bCloseButton"); // the window's close button, else Cancel
    QTest::addColumn<QString>("stQuestion");
    QTest::newRow("Cancel") << false << false << cstCloseQuestion;
    QTest::newRow("close button") << false << true << cstCloseQuestion;
    QTest::newRow("I Decline") << true << false << cstDeclineQuestion;
}

// No keeps the wizard where it is with its lock; Yes ends it without a
// second question and frees the lock.
void tst_StartupShutdown::LeavingAsksFirst() {
    QFETCH(bool, bOnTerms);
    QFETCH(bool, bCloseButton);
    QFETCH(QString, stQuestion);
    TrecInstalledWizard<> w;
    QVERIFY2(w.fnbStarted(), w.fnbaError());
    auto &frm = w.frm;
    auto &objAnswers = w.objAnswerer;
    if (bOnTerms)
        QTest::mouseClick(fnpControl<QPushButton>(frm, "btnNext"), Qt::LeftButton);
    const int iPage = frm.fniCurrentPage();
    auto pEnd = [&] {
        if (bCloseButton)
            frm.close();
        else
            QTest::mouseClick(fnpControl<QPushButton>(frm, "btnCancel"), Qt::LeftButton);
    };
    objAnswers.pExpect(1);
    pEnd();
    QCOMPARE(objAnswers.fnarAsked().size(), size_t(1));
    QCOMPARE(objAnswers.fnarAsked()[0].stMessage, stQuestion);
    QCOMPARE(objAnswers.fnarAsked()[0].stCaption, cstConfirmation);
    QCOMPARE(objAnswers.fnarAsked()[0].stDefaultButton, QStringLiteral("&No"));
    QVERIFY(frm.isVisible());
    QCOMPARE(frm.fniCurrentPage(), iPage);
    QVERIFY(!fnbRunningExesFree());
    objAnswers.pExpect(0);
    pEnd();
    QTRY_VERIFY(!frm.isVisible());
    QCOMPARE(objAnswers.fnarAsked().size(), size_t(2));
    QVERIFY(objAnswers.fnarUnexpected().empty());
    QVERIFY(fnbRunningExesFree());
}

void tst_StartupShutdown::FinishOffersTheMainApplication_data() {
    QTest::addColumn<int>("iAnswer");
    QTest::addColumn<bool>("bStarted");
    QTest::newRow("Yes starts it") << 0 << true;
    QTest::newRow("No does not") << 1 << false;
}

void tst_StartupShutdown::FinishOffersTheMainApplication() {
    QFETCH(int, iAnswer);
    QFETCH(bool, bStarted);
    TrecInstalledWizard<> w;
    QVERIFY2(w.fnbStarted(), w.fnbaError());
    // The main application of this installation leaves a mark where it starts.
    const QString stMark = w.objInstallation.fnstPath(QStringLiteral("TempData/started"));
    QVERIFY(w.objInstallation.fnbWriteFile(QStringLiteral("Bin/ZorvMorvaneGlobal"),
                                           "#!/bin/sh\npwd > ../TempData/started\n"));
    QFile::setPermissions(w.objInstallation.fnstPath(QStringLiteral("Bin/ZorvMorvaneGlobal")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto &frm = w.frm;
    auto &objAnswers = w.objAnswerer;
    frm.pChangePage(QStringLiteral("Registration Completed"), wpSiteRegistration, pdNext, 10);
    QCOMPARE(frm.fniCurrentPage(), int(wpRegistrationCompleted));
    objAnswers.pExpect(iAnswer);
    frm.pFinish();
    QTRY_VERIFY(!frm.isVisible());
    QCOMPARE(objAnswers.fnarAsked().size(), size_t(1));
    QCOMPARE(objAnswers.fnarAsked()[0].stMessage,
             QStringLiteral("Do you want to launch the Zorv Morvane application now?"));
    QCOMPARE(objAnswers.fnarAsked()[0].stDefaultButton, QStringLiteral("&Yes"));
    if (bStarted)
        QTRY_COMPARE(QFile(stMark).exists(), true);
    else
        QVERIFY(!QFile::exists(stMark));
    QVERIFY(fnbRunningExesFree());
}

void tst_StartupShutdown::IniFileChoice_data() {
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

void tst_StartupShutdown::IniFileChoice() {
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

void tst_StartupShutdown::WelcomeTelephoneAndWebLink_data() {
    QTest::addColumn<QString>("stUserURL");
    QTest::addColumn<QUrl>("urlOpened");
    QTest::newRow("address as typed") << "www.zorv.example" << QUrl("http://www.zorv.example");
    QTest::newRow("query with ampersand")
        << "https://zorv.example/s?a=1&b=<2>" << QUrl("https://zorv.example/s?a=1&b=<2>");
}

void tst_StartupShutdown::WelcomeTelephoneAndWebLink() {
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
void tst_StartupShutdown::SiteRegistrationParagraphs() {
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

void tst_StartupShutdown::ChosenQuantities_data() {
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

void tst_StartupShutdown::ChosenQuantities() {
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

QTEST_MAIN(tst_StartupShutdown)
#include "tst_StartupShutdown.moc"
