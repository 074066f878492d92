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
};

QString fnstExample() {
    QFile f(QStringLiteral(WIZARD_EXAMPLE_ANSWERS));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
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
            if (db.open()) {
                QSqlQuery qry(QStringLiteral("SELECT count(*) FROM registrations"), db);
                if (qry.next())
                    iCount = qry.value(0).toInt();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("hostcheck"));
        return iCount;
    }
};

QString fnstReplaced(QString st, const QString &stFrom, const QString &stTo) {
    return st.replace(stFrom, stTo);
}

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

QByteArray fnbaReport(const TrecRun &rec) {
    return QStringLiteral("exit %1\nstdout: %2\nstderr: %3")
        .arg(rec.iExit)
        .arg(rec.stOut, rec.stErr)
        .toLocal8Bit();
}
} // namespace

class tst_Unattended : public QObject {
    Q_OBJECT
private slots:
    void ExampleRegistersTheSite();
    void RefusedRunsLeaveTheDatabaseAsItWas();
    void HostFailureSavesTheDataAndExits3();
    void ManualSiteIdIsStored();
    void PickupAndEmailPagesPassedOverUnanswered();
    void DestinationBillingRowsAreEntered();
    void AKillDuringTheFinalSaveKeepsWhatWasCommittedAndARunAgainRegisters();
};

void tst_Unattended::ExampleRegistersTheSite() {
    TrecSite s;
    QVERIFY2(s.stError.isEmpty(), qPrintable(s.stError));
    const TrecRun rec = s.fnrecRun(fnstExample());
    QVERIFY2(rec.iExit == 0, fnbaReport(rec));
    const QString stSiteId = fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane"));
    QVERIFY2(fnbSiteIdForm(stSiteId), qPrintable(stSiteId));
    QCOMPARE(rec.stOut, stSiteId + QLatin1Char('\n'));
    // Both pages were shown and their answers stored.
    QCOMPARE(fnstScalar(QStringLiteral(
                 "SELECT count(*) FROM pickup WHERE pickup_locations LIKE 'Back door%'")),
             QStringLiteral("1"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT smtp_host FROM config_morvane")),
             QStringLiteral("smtp.thistle.co.uk"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT company FROM customer_info")),
             QStringLiteral("Thistle & Sons"));
    QVERIFY2(!rec.stErr.contains(QStringLiteral("open sesame")), qPrintable(rec.stErr));
}

// Runs refused before anything is written: the exit code, what standard error
// names, and the database file's bytes unchanged; the host never asked.
void tst_Unattended::RefusedRunsLeaveTheDatabaseAsItWas() {
    const QString stExample = fnstExample();
    struct TrecCase {
        const char *pchName;
        QString stAnswers;
        QStringList slArgs;
        int iExit;
        QStringList slErrTexts;
    };
    const TrecCase arCases[] = {
        {"bad e-mail",
         fnstReplaced(stExample, QStringLiteral("Email = morag@thistle.co.uk"),
                      QStringLiteral("Email = morag.thistle.co.uk")),
         {},
         2,
         {QStringLiteral("Stopped on \"Shipper Information\":"),
          QStringLiteral("edtSenderEmail: ")}},
        {"unknown key",
         fnstReplaced(stExample, QStringLiteral("Zorv Account = 123456789"),
                      QStringLiteral("Zorv Acount = 123456789")),
         {},
         1,
         {QStringLiteral("answers.ini:23: unknown key \"Zorv Acount\" in [Shipper Information "
                         "(continued)]")}},
        {"a company longer than its field",
         fnstReplaced(stExample, QStringLiteral("Company = Thistle & Sons"),
                      QStringLiteral("Company = Thistle & Sons Wholesale Grocers")),
         {},
         1,
         {QStringLiteral("answers.ini:11: Company: the value is 32 characters long; the field "
                         "takes at most 30")}},
        {"a server longer than its cell",
         fnstReplaced(stExample, QStringLiteral("https://localhost, 443"),
                      QStringLiteral("https://") + QString(93, QLatin1Char('h')) +
                          QStringLiteral(", 443")),
         {},
         1,
         {QStringLiteral("answers.ini:36: Schedule Pickup: the value is 101 characters long; "
                         "the field takes at most 100")}},
        {"check",
         stExample,
         {QStringLiteral("--check")},
         0,
         {QStringLiteral("Every page accepted its answers.")}},
    };
    for (const TrecCase &c : arCases) {
        TrecSite s;
        QVERIFY2(s.stError.isEmpty(), qPrintable(s.stError));
        const QByteArray baBefore = s.fnbaDatabase();
        const TrecRun rec = s.fnrecRun(c.stAnswers, c.slArgs);
        QVERIFY2(rec.iExit == c.iExit, c.pchName + QByteArray("\n") + fnbaReport(rec));
        for (const QString &stText : c.slErrTexts)
            QVERIFY2(rec.stErr.contains(stText), c.pchName + QByteArray("\n") + fnbaReport(rec));
        QVERIFY2(rec.stOut.isEmpty(), c.pchName);
        QVERIFY2(s.fnbaDatabase() == baBefore, c.pchName);
        QCOMPARE(s.fniHostRegistrations(), 0);
    }
}

void tst_Unattended::HostFailureSavesTheDataAndExits3() {
    TrecSite s;
    QVERIFY2(s.stError.isEmpty(), qPrintable(s.stError));
    s.objHost.pFailNextRequest(TenumHostFailure::Http500);
    const TrecRun rec = s.fnrecRun(fnstExample());
    QVERIFY2(rec.iExit == 3, fnbaReport(rec));
    QVERIFY2(
        rec.stErr.contains(QStringLiteral("Registration failed: The Registration process failed")),
        fnbaReport(rec));
    QVERIFY(rec.stOut.isEmpty());
    QCOMPARE(fnstScalar(QStringLiteral("SELECT company FROM customer_info")),
             QStringLiteral("Thistle & Sons"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT coalesce(site_id, '') FROM config_morvane")),
             QString());
}

void tst_Unattended::ManualSiteIdIsStored() {
    TrecSite s;
    QVERIFY2(s.stError.isEmpty(), qPrintable(s.stError));
    const TrecRun rec = s.fnrecRun(
        fnstExample(), {QStringLiteral("--site-id"), QStringLiteral("edi0000000042zoz")});
    QVERIFY2(rec.iExit == 0, fnbaReport(rec));
    QCOMPARE(rec.stOut, QStringLiteral("EDI0000000042ZOZ\n"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane")),
             QStringLiteral("EDI0000000042ZOZ"));
    QCOMPARE(s.fniHostRegistrations(), 0);
}

void tst_Unattended::PickupAndEmailPagesPassedOverUnanswered() {
    TrecSite s(false);
    QVERIFY2(s.stError.isEmpty(), qPrintable(s.stError));
    const TrecRun rec = s.fnrecRun(fnstWithoutPickupAndEmail());
    QVERIFY2(rec.iExit == 0, fnbaReport(rec));
    QVERIFY(fnbSiteIdForm(rec.stOut.trimmed()));
    // The pickup page was never shown: its row keeps the installation's.
    QCOMPARE(fnstScalar(QStringLiteral(
                 "SELECT count(*) FROM pickup WHERE pickup_locations LIKE 'RECEPTION%'")),
             QStringLiteral("1"));
}

// The rows go in through the grid's own menu and editors, so the airport and
// the account are checked as the user's would be.
void tst_Unattended::DestinationBillingRowsAreEntered() {
    TrecSite s;
    QVERIFY2(s.stError.isEmpty(), qPrintable(s.stError));
    const QString stAnswers =
        fnstReplaced(fnstExample(), QStringLiteral("Zorv Account = 123456789"),
                     QStringLiteral("Zorv Account = 123456789\nDestination Billing = Yes")) +
        QStringLiteral("\n[Destination Billing]\nLHR = 111111111\nDUB = 222222222\n");
    const TrecRun rec = s.fnrecRun(stAnswers);
    QVERIFY2(rec.iExit == 0, fnbaReport(rec));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT group_concat(iata || '=' || account_number, ' ') "
                                       "FROM (SELECT * FROM destination_billing ORDER BY iata)")),
             QStringLiteral("DUB=222222222 LHR=111111111"));
}

// The final save commits one group of pages at a time: a run killed after the
// sender's commit keeps the sender, has registered nothing, leaves a sound
// database, and the same answers run again register the site.
void tst_Unattended::AKillDuringTheFinalSaveKeepsWhatWasCommittedAndARunAgainRegisters() {
    TrecSite s;
    QVERIFY2(s.stError.isEmpty(), qPrintable(s.stError));
    const QString stHaltAt = QStringLiteral("committed fniRWSenderInfoDB");
    const TrecRun recKilled = s.fnrecRun(fnstExample(), {}, stHaltAt);
    QVERIFY2(recKilled.stOut.contains(QStringLiteral("halted at ") + stHaltAt),
             fnbaReport(recKilled));
    QCOMPARE(recKilled.iExit, -1);
    pDisconnectDatabase(); // read what a new start reads
    QCOMPARE(fnstIntegrityCheck(), QStringLiteral("ok"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT company FROM senders WHERE sender_cd = 'EDI01'")),
             QStringLiteral("Thistle & Sons"));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane")), QString());
    QCOMPARE(s.fniHostRegistrations(), 0);
    pDisconnectDatabase();

    const TrecRun recAgain = s.fnrecRun(fnstExample());
    QVERIFY2(recAgain.iExit == 0, fnbaReport(recAgain));
    QCOMPARE(fnstScalar(QStringLiteral("SELECT site_id FROM config_morvane")),
             recAgain.stOut.trimmed());
    QCOMPARE(s.fniHostRegistrations(), 1);
}

QTEST_MAIN(tst_Unattended)
#include "tst_Unattended.moc"
