#include "UnitAccessToDatabaseDLL.h"
#include "UnitLockHolder.h"
#include "UnitOpenURL.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace {
using TOptionsChange = std::function<void(TrecInstallationOptions &)>;
using TInstallationChange = std::function<void(TclsTestInstallation &)>;

const QString cstCloseQuestion = QStringLiteral(
    "You will not be able to use the Zorv Morvane application without registration.\r\n\r\n"
    "Are you sure that you want to close the registration wizard?");
const QString cstDeclineQuestion = QStringLiteral(
    "You cannot register Zorv Morvane application unless you accept the Zorv End User License "
    "Agreement.\r\n\r\nAre you sure that you want to close the registration wizard?");

// Whether another process could take the runningexes lock now.
bool fnbRunningExesFree() {
    TclsLockHolder objOther({QStringLiteral("table"), QStringLiteral("runningexes")});
    return objOther.fnstAnswer() == QLatin1String("locked");
}
using TKeyValues = QList<QPair<QString, QString>>;

using TFiles = QMap<QString, QByteArray>;

QByteArray fnbaSection(const QString &stSection, const TKeyValues &arKeys) {
    QByteArray ba = "[" + stSection.toUtf8() + "]\r\n";
    for (const auto &[stKey, stValue] : arKeys)
        ba += stKey.toUtf8() + "=" + stValue.toUtf8() + "\r\n";
    return ba;
}

QByteArray fnbaWelcome(TKeyValues arKeys, const QString &stURL = QStringLiteral("www.zorv.example"),
                       const QString &stPhone = QStringLiteral("0800 123")) {
    arKeys << qMakePair(QStringLiteral("WSUSERURL"), stURL)
           << qMakePair(QStringLiteral("WSUSERTELEPHONE"), stPhone);
    return fnbaSection(QStringLiteral("WelcomeScreen"), arKeys);
}

// A page's own paragraphs (not its Designer labels), top to bottom.
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

// The installation in the language, these InfoFiles written (an empty one removed).
std::unique_ptr<TclsTestInstallation> fnobjInstallation(const QString &stLanguage,
                                                        const TFiles &mapFiles) {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.stLanguage = stLanguage;
    auto obj = std::make_unique<TclsTestInstallation>(recOptions);
    if (!obj->fnbOk())
        qFatal("%s", qPrintable(obj->fnstError()));
    for (auto it = mapFiles.cbegin(); it != mapFiles.cend(); ++it) {
        QFile::remove(obj->fnstPath(QStringLiteral("InfoFiles/") + it.key()));
        if (!it.value().isEmpty())
            obj->fnbWriteFile(QStringLiteral("InfoFiles/") + it.key(), it.value());
    }
    return obj;
}
} // namespace

Q_DECLARE_METATYPE(TOptionsChange)
Q_DECLARE_METATYPE(TInstallationChange)
Q_DECLARE_METATYPE(TFiles)

class tst_StartupShutdown : public QObject {
    Q_OBJECT
private slots:
    void StartupRefusals_data() {
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

        const QString stKeyRefused =
            QStringLiteral("The passwords stored in the database cannot be opened with the key "
                           "file %KEY%. Restore "
                           "this installation's key file or contact System Administrator.");
        // The DEFAULT user's password sealed, then the key file spoilt.
        QTest::newRow("another key")
            << fnNoOptions << TInstallationChange([](TclsTestInstallation &obj) {
                   fniExec(QStringLiteral("UPDATE users SET password = ?"),
                           {fnstSealSecret(QStringLiteral("users"), QStringLiteral("password"),
                                           QStringLiteral("open sesame"))});
                   pDisconnectDatabase();
                   obj.fnbWriteFile(QStringLiteral("Config/secrets.key"), QByteArray(32, 'k'));
               })
            << stKeyRefused;
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

        QTest::newRow("no Installation.ini")
            << fnNoOptions << TInstallationChange([](TclsTestInstallation &obj) {
                   QFile::remove(obj.fnstPath(QStringLiteral("Config/Installation.ini")));
               })
            << QString();
        QTest::newRow("an unreadable Installation.ini")
            << fnNoOptions << TInstallationChange([](TclsTestInstallation &obj) {
                   const QString stIni = obj.fnstPath(QStringLiteral("Config/Installation.ini"));
                   QFile::remove(stIni);
                   QDir().mkdir(stIni);
               })
            << QString();

        QTest::newRow("no database")
            << fnNoOptions << TInstallationChange([](TclsTestInstallation &obj) {
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

    void StartupRefusals() {
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
        QCOMPARE(objAnswers.fnslAsked(),
                 stMessage.isEmpty() ? QStringList() : QStringList{stMessage});
        // The form closes itself when shown: no question, nothing saved.
        frm.show();
        QTRY_VERIFY(!frm.isVisible());
        QVERIFY(objAnswers.fnarUnexpected().empty());
        QCOMPARE(fnbaDatabase(), baDatabaseBefore);
    }

    void AnotherWizardHoldsTheLock() {
        TclsTestInstallation objInstallation;
        QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
        TclsLockHolder objOther({QStringLiteral("table"), QStringLiteral("runningexes")});
        QCOMPARE(objOther.fnstAnswer(), QStringLiteral("locked"));
        TclsScriptedAnswerer objAnswers;
        objAnswers.pExpect(0);
        {
            TfrmRegistrationWizard frm;
            QVERIFY(frm.fnbStartupFailed());
            QCOMPARE(objAnswers.fnslAsked(), QStringList{"Another instance of the application is "
                                                         "running.\r\nClick on OK button to exit"});
        }
        objOther.pKill();
        TfrmRegistrationWizard frmAfter;
        QVERIFY(!frmAfter.fnbStartupFailed());
    }

    void LeavingAsksFirst_data() {
        QTest::addColumn<bool>("bOnTerms");     // on the terms page, else the welcome page
        QTest::addColumn<bool>("bCloseButton"); // the window's close button, else Cancel
        QTest::newRow("Cancel") << false << false;
        QTest::newRow("close button") << false << true;
        QTest::newRow("I Decline") << true << false;
    }

    // No keeps the wizard and its lock; Yes ends it at once and frees the lock.
    void LeavingAsksFirst() {
        QFETCH(bool, bOnTerms);
        QFETCH(bool, bCloseButton);
        TrecInstalledWizard<> w;
        QVERIFY2(w.fnbStarted(), w.fnbaError());
        if (bOnTerms)
            QTest::mouseClick(fnpControl<QPushButton>(w.frm, "btnNext"), Qt::LeftButton);
        const int iPage = w.frm.fniCurrentPage();
        auto pEnd = [&] {
            if (bCloseButton)
                w.frm.close();
            else
                QTest::mouseClick(fnpControl<QPushButton>(w.frm, "btnCancel"), Qt::LeftButton);
        };
        w.objAnswerer.pExpect(1);
        pEnd();
        QCOMPARE(w.objAnswerer.fnslAsked(),
                 QStringList{bOnTerms ? cstDeclineQuestion : cstCloseQuestion});
        QCOMPARE(w.objAnswerer.fnarAsked()[0].stDefaultButton, QStringLiteral("&No"));
        QVERIFY(w.frm.isVisible() && w.frm.fniCurrentPage() == iPage && !fnbRunningExesFree());
        w.objAnswerer.pExpect(0);
        pEnd();
        QTRY_VERIFY(!w.frm.isVisible());
        QVERIFY(w.objAnswerer.fnarAsked().size() == 2 && w.objAnswerer.fnarUnexpected().empty() &&
                fnbRunningExesFree());
    }

    void FinishOffersTheMainApplication_data() {
        QTest::addColumn<int>("iAnswer");
        QTest::newRow("Yes starts it") << 0;
        QTest::newRow("No does not") << 1;
    }

    void FinishOffersTheMainApplication() {
        QFETCH(int, iAnswer);
        TrecInstalledWizard<> w;
        QVERIFY2(w.fnbStarted(), w.fnbaError());

        const QString stMark = w.objInstallation.fnstPath(QStringLiteral("TempData/started"));
        QVERIFY(w.objInstallation.fnbWriteFile(QStringLiteral("Bin/ZorvMorvaneGlobal"),
                                               "#!/bin/sh\npwd > ../TempData/started\n"));
        QFile::setPermissions(w.objInstallation.fnstPath(QStringLiteral("Bin/ZorvMorvaneGlobal")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        w.frm.pChangePage(QStringLiteral("Registration Completed"), wpSiteRegistration, pdNext, 10);
        QCOMPARE(w.frm.fniCurrentPage(), int(wpRegistrationCompleted));
        w.objAnswerer.pExpect(iAnswer);
        w.frm.pFinish();
        QTRY_VERIFY(!w.frm.isVisible());
        QCOMPARE(w.objAnswerer.fnslAsked(),
                 QStringList{"Do you want to launch the Zorv Morvane application now?"});
        QCOMPARE(w.objAnswerer.fnarAsked()[0].stDefaultButton, QStringLiteral("&Yes"));
        if (iAnswer == 0)
            QTRY_COMPARE(QFile(stMark).exists(), true);
        else
            QVERIFY(!QFile::exists(stMark));
        QVERIFY(fnbRunningExesFree());
    }

    // Each language's own files in InfoFiles, else the English ones.
    void FilesByLanguage_data() {
        QTest::addColumn<QString>("stLanguage");
        QTest::addColumn<TFiles>("mapFiles");
        QTest::addColumn<QStringList>("slShown"); // terms start, welcome, site registration
        const auto fnbaIni = [](const char *pchWelcome, const char *pchSite) {
            return fnbaWelcome({{"WS1", pchWelcome}}) +
                   fnbaSection(QStringLiteral("SiteRegistration"), {{"SR1", pchSite}});
        };
        const QByteArray baEnglish = fnbaIni("English welcome", "English site");
        const QByteArray baTerms = "LIZENZVERTRAG\r\n\r\nBitte lesen Sie diesen Vertrag.\r\n";
        const QString stEnIni = "registrationwizard_english.ini", stTerms = "ZORV MORVANE END USER";
        const QStringList slEnglish{stTerms, "English welcome", "English site"};
        QTest::newRow("English") << "English" << TFiles{{stEnIni, baEnglish}} << slEnglish;
        QTest::newRow("German files")
            << "German"
            << TFiles{{stEnIni, baEnglish},
                      {"registrationwizard_german.ini",
                       fnbaIni("Deutsch", "Deutsche Registrierung")},
                      {"termsandconditions_german.txt", baTerms}}
            << QStringList{"LIZENZVERTRAG", "Deutsch", "Deutsche Registrierung"};
        QTest::newRow("German falls back to English")
            << "German" << TFiles{{stEnIni, baEnglish}} << slEnglish;
        QTest::newRow("Chinese, Traditional terms")
            << "Chinese, Traditional"
            << TFiles{{stEnIni, baEnglish}, {"termsandconditions_chinese_traditional.txt", baTerms}}
            << QStringList{"LIZENZVERTRAG", "English welcome", "English site"};
        QTest::newRow("no file at all")
            << "German" << TFiles{{stEnIni, {}}, {"termsandconditions_english.txt", {}}}
            << QStringList{"", "", ""};
        QTest::newRow("no welcome section")
            << "English"
            << TFiles{{stEnIni, fnbaSection(QStringLiteral("SiteRegistration"), {{"SR1", "Site"}})}}
            << QStringList{stTerms, "", "Site"};
    }

    void FilesByLanguage() {
        QFETCH(QString, stLanguage);
        QFETCH(TFiles, mapFiles);
        QFETCH(QStringList, slShown);
        const auto objInstallation = fnobjInstallation(stLanguage, mapFiles);
        TclsScriptedAnswerer objAnswers;
        TfrmRegistrationWizard frm;
        QVERIFY(!frm.fnbStartupFailed());
        frm.pCreateSiteRegScr();
        const QString stTerms = fnpControl<QTextEdit>(frm, "redtTermsNConditions")->toPlainText();
        QVERIFY(!stTerms.contains(QLatin1Char('\r')));
        QCOMPARE((QStringList{slShown[0].isEmpty() ? stTerms : stTerms.left(slShown[0].size()),
                              fnslTexts(frm, "tbsWelcome").join(QString()),
                              fnslTexts(frm, "tbsSiteRegistration").join(QString())}),
                 slShown);
        QVERIFY(objAnswers.fnarAsked().empty());
    }

    void WelcomeTelephoneAndWebLink_data() {
        QTest::addColumn<QString>("stUserURL");
        QTest::addColumn<QUrl>("urlOpened");
        QTest::newRow("address as typed") << "www.zorv.example" << QUrl("http://www.zorv.example");
        QTest::newRow("query with ampersand")
            << "https://zorv.example/s?a=1&b=<2>" << QUrl("https://zorv.example/s?a=1&b=<2>");
    }

    void WelcomeTelephoneAndWebLink() {
        QFETCH(QString, stUserURL);
        QFETCH(QUrl, urlOpened);
        const auto objInstallation =
            fnobjInstallation(QStringLiteral("English"),
                              TFiles{{"registrationwizard_english.ini",
                                      fnbaWelcome({{"WS1", "Welcome <b>to</b> Zorv."},
                                                   {"WSTelephone", "Call us at"},
                                                   {"WSURL", "Visit"},
                                                   {"WS2", "Click Next."}},
                                                  stUserURL, QStringLiteral("+44 20 7946 0000"))}});
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

        QCOMPARE(fnarParagraphs(frm, "tbsWelcome")[0]->textFormat(), Qt::PlainText);
        auto *lblLink = fnpControl<QLabel>(frm, "lblWelcomeURL");
        QVERIFY(lblLink->isVisible());
        QTest::mouseClick(lblLink, Qt::LeftButton, {}, QPoint(4, lblLink->height() / 2));
        QCOMPARE(arOpened, QList<QUrl>{urlOpened});
        pSetURLOpener(fnPrevious);
        QVERIFY(objAnswers.fnarAsked().empty());
    }
};

QTEST_MAIN(tst_StartupShutdown)
#include "tst_StartupShutdown.moc"
