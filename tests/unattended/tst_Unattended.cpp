// The answers-file mode end to end: RegistrationWizard run as a child process
// from a fresh installation's Bin against the carrier's host over HTTPS; its
// exit code, standard output and standard error, and the rows it left.
#include "UnitHostedWizard.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {
struct TrecRun {
    int iExit = -1;
    QString stOut, stErr;
    QByteArray fnbaReport() const {
        return QStringLiteral("exit %1\nstdout: %2\nstderr: %3")
            .arg(iExit)
            .arg(stOut, stErr)
            .toLocal8Bit();
    }
};

QString fnstExample() {
    QFile f(QStringLiteral(WIZARD_EXAMPLE_ANSWERS));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString fnstExample(const QString &stFrom, const QString &stTo) {
    return fnstExample().replace(stFrom, stTo);
}

// The host, and an installation pointing at it with the built wizard in Bin.
struct TrecSite : TrecHost {
    TclsTestInstallation objInstallation;
    explicit TrecSite(bool bEmailFeature = true)
        : objInstallation([this] {
              TrecInstallationOptions rec = fnrecInstallation(fnrecWithReferenceData());
              rec.stBinSource = qEnvironmentVariable("WIZARD_BIN_DIR");
              return rec;
          }()) {
        if (!objInstallation.fnbOk())
            stError = objInstallation.fnstError();
        else if (!bEmailFeature &&
                 fniExec(QStringLiteral("UPDATE config_zorv SET email_feature = 0")) != 0)
            stError = QStringLiteral("the e-mail feature could not be switched off");
    }
    QByteArray fnbaDatabase() const {
        QFile f(objInstallation.fnstDatabaseFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The wizard with these answers and arguments, without a display chosen.
    // With stHaltAt it is killed where it halts (MORVANE_HALT_AT), as by a
    // crash or a power cut; its exit code is then -1.
    TrecRun fnrecRun(const QString &stAnswers, const QStringList &slArgs = {},
                     const QString &stHaltAt = {}) const {
        const QString stFile = objInstallation.fnstPath(QStringLiteral("answers.ini"));
        QFile f(stFile);
        if (!f.open(QIODevice::WriteOnly) || f.write(stAnswers.toUtf8()) < 0)
            return {};
        f.close();
        QProcess prc;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!stHaltAt.isEmpty())
            env.insert(QStringLiteral("MORVANE_HALT_AT"), stHaltAt);
        prc.setProcessEnvironment(env);
        prc.setWorkingDirectory(objInstallation.fnstPath(QStringLiteral("Bin")));
        prc.start(objInstallation.fnstPath(QStringLiteral("Bin/RegistrationWizard")),
                  QStringList{QStringLiteral("--answers"), stFile} + slArgs);
        // The host answers from this process's threads; the wizard is given
        // two minutes.
        QString stOut;
        if (!stHaltAt.isEmpty()) {
            while (!stOut.contains(QStringLiteral("halted at ") + stHaltAt) &&
                   prc.waitForReadyRead(120000))
                stOut += QString::fromLocal8Bit(prc.readAllStandardOutput());
            prc.kill();
        }
        if (!prc.waitForFinished(120000))
            prc.kill();
        stOut += QString::fromLocal8Bit(prc.readAllStandardOutput());
        return {prc.exitStatus() == QProcess::NormalExit ? prc.exitCode() : -1, stOut,
                QString::fromLocal8Bit(prc.readAllStandardError())};
    }
    int fniHostRegistrations() const {
        int iCount = -1;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("hostcheck"));
            db.setDatabaseName(dirHost.filePath(QStringLiteral("host.db")));
            QSqlQuery qry(db);
            if (db.open() && qry.exec(QStringLiteral("SELECT count(*) FROM registrations")) &&
                qry.next())
                iCount = qry.value(0).toInt();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("hostcheck"));
        return iCount;
    }
};

// The example without its pickup and e-mail answers and the sections that show
// those pages.
QString fnstWithoutPickupAndEmail() {
    QStringList slKept;
    bool bSkipping = false;
    for (const QString &stLine : fnstExample().split(QLatin1Char('\n'))) {
        if (stLine.startsWith(QLatin1Char('[')))
            bSkipping = stLine == QLatin1String("[Pickup Location Details]") ||
                        stLine == QLatin1String("[Email Settings]") ||
                        stLine == QLatin1String("[Communication Services]");
        if (!bSkipping && !stLine.startsWith(QLatin1String("End of day")))
            slKept << stLine;
    }
    return slKept.join(QLatin1Char('\n'));
}
} // namespace

#define SITE(s, ...)                                                                               \
    TrecSite s{__VA_ARGS__};                                                                       \
    QVERIFY2(s.stError.isEmpty(), qPrintable(s.stError))

class tst_Unattended : public QObject {
    Q_OBJECT
private slots:
    void ExampleRegistersTheSite();
    void RefusedRunsLeaveTheDatabaseAsItWas_data();
    void RefusedRunsLeaveTheDatabaseAsItWas();
    void HostFailureSavesTheDataAndExits3();
    void ManualSiteIdAndDestinationBillingAreStored();
    void PickupAndEmailPagesPassedOverUnanswered();
    void AKillDuringTheFinalSaveKeepsWhatWasCommittedAndARunAgainRegisters();
};

// Every page the example answers is shown and stored; a time answer keeps its minutes.
void tst_Unattended::ExampleRegistersTheSite() {
    SITE(s);
    const TrecRun rec = s.fnrecRun(fnstExample(
        QStringLiteral("Default Pickup Location = Back door"),
        QStringLiteral("Default Pickup Location = Back door\nDefault Close Time = 17:30")));
    QVERIFY2(rec.iExit == 0, rec.fnbaReport());
    const QString stSiteId = fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane"));
    QVERIFY2(fnbSiteIdForm(stSiteId), qPrintable(stSiteId));
    QCOMPARE(rec.stOut, stSiteId + QLatin1Char('\n'));
    QCOMPARE(fnvScalar(QStringLiteral("SELECT default_close_time FROM pickup WHERE "
                                      "pickup_locations LIKE 'Back door%'"))
                 .toTime(),
             QTime(17, 30));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT smtp_host FROM config_morvane")),
             QStringLiteral("smtp.thistle.co.uk"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT company FROM customer_info")),
             QStringLiteral("Thistle & Sons"));
    QVERIFY2(!rec.stErr.contains(QStringLiteral("open sesame")), qPrintable(rec.stErr));
}

// Runs refused before anything is written: the exit code, what standard error
// names, and the database file's bytes unchanged; the host never asked.
void tst_Unattended::RefusedRunsLeaveTheDatabaseAsItWas_data() {
    QTest::addColumn<QString>("stAnswers");
    QTest::addColumn<QStringList>("slArgs");
    QTest::addColumn<int>("iExit");
    QTest::addColumn<QString>("stErr");
    QTest::newRow("bad e-mail") << fnstExample(QStringLiteral("morag@thistle"),
                                               QStringLiteral("morag.thistle"))
                                << QStringList() << 2 << QStringLiteral("edtSenderEmail: ");
    QTest::newRow("unknown key")
        << fnstExample(QStringLiteral("Zorv Account"), QStringLiteral("Zorv Acount"))
        << QStringList() << 1
        << QStringLiteral(
               "answers.ini:23: unknown key \"Zorv Acount\" in [Shipper Information (continued)]");
    QTest::newRow("a company longer than its field")
        << fnstExample(QStringLiteral("Thistle & Sons"),
                       QStringLiteral("Thistle & Sons Wholesale Grocers"))
        << QStringList() << 1
        << QStringLiteral("answers.ini:11: Company: the value is 32 characters long; the field "
                          "takes at most 30");
    QTest::newRow("a server longer than its cell")
        << fnstExample(QStringLiteral("https://localhost"),
                       QStringLiteral("https://") + QString(93, QLatin1Char('h')))
        << QStringList() << 1
        << QStringLiteral("answers.ini:36: Schedule Pickup: the value is 101 characters long; "
                          "the field takes at most 100");
    QTest::newRow("check") << fnstExample() << QStringList{QStringLiteral("--check")} << 0
                           << QStringLiteral("Every page accepted its answers.");
}

void tst_Unattended::RefusedRunsLeaveTheDatabaseAsItWas() {
    QFETCH(QString, stAnswers);
    QFETCH(QStringList, slArgs);
    QFETCH(int, iExit);
    QFETCH(QString, stErr);
    SITE(s);
    const QByteArray baBefore = s.fnbaDatabase();
    const TrecRun rec = s.fnrecRun(stAnswers, slArgs);
    QVERIFY2(rec.iExit == iExit && rec.stErr.contains(stErr) && rec.stOut.isEmpty(),
             rec.fnbaReport());
    QVERIFY(s.fnbaDatabase() == baBefore);
    QCOMPARE(s.fniHostRegistrations(), 0);
}

void tst_Unattended::HostFailureSavesTheDataAndExits3() {
    SITE(s);
    s.objHost.pFailNextRequest(TenumHostFailure::Http500);
    const TrecRun rec = s.fnrecRun(fnstExample());
    QVERIFY2(rec.iExit == 3 && rec.stOut.isEmpty() &&
                 rec.stErr.contains(
                     QStringLiteral("Registration failed: The Registration process failed")),
             rec.fnbaReport());
    QCOMPARE(fnstScalar(QStringLiteral("SELECT company FROM customer_info")),
             QStringLiteral("Thistle & Sons"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT coalesce(site_id, '') FROM config_morvane")),
             QString());
}

// The site ID is given with blanks around it and in lower case. The billing
// rows go in through the grid's own menu and editors, so the airport and the
// account are checked as the user's would be.
void tst_Unattended::ManualSiteIdAndDestinationBillingAreStored() {
    SITE(s);
    const QString stAnswers =
        fnstExample(QStringLiteral("Zorv Account = 123456789"),
                    QStringLiteral("Zorv Account = 123456789\nDestination Billing = Yes")) +
        QStringLiteral("\n[Destination Billing]\nLHR = 111111111\nDUB = 222222222\n");
    const TrecRun rec =
        s.fnrecRun(stAnswers, {QStringLiteral("--site-id"), QStringLiteral(" edi0000000042zoz ")});
    QVERIFY2(rec.iExit == 0, rec.fnbaReport());
    QCOMPARE(rec.stOut, QStringLiteral("EDI0000000042ZOZ\n"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane")),
             QStringLiteral("EDI0000000042ZOZ"));
    QCOMPARE(s.fniHostRegistrations(), 0);
    QCOMPARE(fnstScalar(QStringLiteral("SELECT group_concat(iata || '=' || account_number, ' ') "
                                       "FROM (SELECT * FROM destination_billing ORDER BY iata)")),
             QStringLiteral("DUB=222222222 LHR=111111111"));
}

void tst_Unattended::PickupAndEmailPagesPassedOverUnanswered() {
    SITE(s, false);
    const TrecRun rec = s.fnrecRun(fnstWithoutPickupAndEmail());
    QVERIFY2(rec.iExit == 0, rec.fnbaReport());
    QVERIFY(fnbSiteIdForm(rec.stOut.trimmed()));
    // The pickup page was never shown: its row keeps the installation's.
    QCOMPARE(fnstScalar(QStringLiteral(
                 "SELECT count(*) FROM pickup WHERE pickup_locations LIKE 'RECEPTION%'")),
             QStringLiteral("1"));
}

// The final save commits one group of pages at a time: a run killed after the
// sender's commit keeps the sender, has registered nothing, leaves a sound
// database, and the same answers run again register the site.
void tst_Unattended::AKillDuringTheFinalSaveKeepsWhatWasCommittedAndARunAgainRegisters() {
    SITE(s);
    const QString stHaltAt = QStringLiteral("committed fniRWSenderInfoDB");
    const TrecRun recKilled = s.fnrecRun(fnstExample(), {}, stHaltAt);
    QVERIFY2(recKilled.stOut.contains(QStringLiteral("halted at ") + stHaltAt) &&
                 recKilled.iExit == -1,
             recKilled.fnbaReport());
    pDisconnectDatabase(); // read what a new start reads
    QCOMPARE(fnstIntegrityCheck(), QStringLiteral("ok"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT company FROM senders WHERE sender_cd = 'EDI01'")),
             QStringLiteral("Thistle & Sons"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane")), QString());
    QCOMPARE(s.fniHostRegistrations(), 0);
    pDisconnectDatabase();

    const TrecRun recAgain = s.fnrecRun(fnstExample());
    QVERIFY2(recAgain.iExit == 0, recAgain.fnbaReport());
    QCOMPARE(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane")),
             recAgain.stOut.trimmed());
    QCOMPARE(s.fniHostRegistrations(), 1);
}

QTEST_MAIN(tst_Unattended)
#include "tst_Unattended.moc"
