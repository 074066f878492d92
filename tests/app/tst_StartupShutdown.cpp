// Start-up and shutdown of the wizard form, driven through its real widgets:
// the start-up refusals and their messages, the welcome and terms pages, and
// every way the wizard ends.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitLockHolder.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

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
} // namespace

Q_DECLARE_METATYPE(TOptionsChange)
Q_DECLARE_METATYPE(TInstallationChange)

class tst_StartupShutdown : public QObject {
    Q_OBJECT

private slots:
    void StartupRefusals_data();
    void StartupRefusals();
    void AnotherWizardHoldsTheLock();
    void WelcomePage();
    void TermsText_data();
    void TermsText();
    void LeavingAsksFirst_data();
    void LeavingAsksFirst();
    void FinishOffersTheMainApplication_data();
    void FinishOffersTheMainApplication();
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

void tst_StartupShutdown::WelcomePage() {
    TrecInstalledWizard<> w;
    QVERIFY2(w.fnbStarted(), w.fnbaError());
    auto &frm = w.frm;
    auto &objAnswers = w.objAnswerer;
    QCOMPARE(frm.windowTitle(), QStringLiteral("Zorv Morvane - Registration Wizard"));
    QCOMPARE(frm.fniCurrentPage(), int(wpWelcome));
    auto *tvw = fnpControl<QTreeWidget>(frm, "tvwRegistrationWizard");
    QStringList slItems;
    for (int i = 0; i < tvw->topLevelItemCount(); ++i)
        slItems << tvw->topLevelItem(i)->text(0);
    QCOMPARE(slItems, (QStringList{"Welcome", "Terms and Conditions", "Shipper Information",
                                   "Communication Settings", "Pickup Options", "Internet Settings",
                                   "SFTP Settings", "Email Settings", "Application Security",
                                   "Site Registration", "Registration Completed"}));
    QVERIFY(!tvw->isEnabled());
    QVERIFY(objAnswers.fnarAsked().empty());
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

QTEST_MAIN(tst_StartupShutdown)
#include "tst_StartupShutdown.moc"
