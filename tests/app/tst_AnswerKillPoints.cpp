#include "unitRegistrationWizard.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <QProcess>
#include <QtTest>

namespace {
QString fnstStoredAnswer() {
    QStringList sl;
    for (const char *pchSQL :
         {"SELECT site_id FROM config_morvane", "SELECT start_number FROM shipment_number",
          "SELECT start_number FROM zorv_lp", "SELECT address1 FROM pickup"})
        sl << fnstScalar(QLatin1String(pchSQL));
    return sl.join(QLatin1Char('|'));
}

// The empty range rows the site-registration page leaves for the host's answer.
bool fnbInsertRangeRows() {
    return fniExec(QStringLiteral("INSERT INTO shipment_number (allocation_qty) VALUES (1000)")) ==
               0 &&
           fniExec(QStringLiteral("INSERT INTO zorv_lp (allocation_qty, lp_status, lp_source) "
                                  "VALUES (10000, 'J', 'J')")) == 0;
}

bool fnbKilledAt(const QString &stPoint, QString &stWhy) {
    QProcess objProcess;
    objProcess.setProgram(qEnvironmentVariable("WIZARD_BIN_DIR") + QStringLiteral("/answersaver"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MORVANE_HALT_AT"), stPoint);
    objProcess.setProcessEnvironment(env);
    objProcess.start();
    const QString stExpected = QStringLiteral("halted at ") + stPoint;
    QString stSaid;
    while (objProcess.waitForReadyRead(30000)) {
        stSaid += QString::fromLatin1(objProcess.readAll());
        if (stSaid.contains(stExpected))
            break;
    }
    objProcess.kill(); // SIGKILL: as a crash or a power cut
    objProcess.waitForFinished(30000);
    if (!stSaid.contains(stExpected))
        stWhy = QStringLiteral("the saver did not halt at %1; it said \"%2\"").arg(stPoint, stSaid);
    return stWhy.isEmpty();
}
} // namespace

class tst_AnswerKillPoints : public QObject {
    Q_OBJECT
private slots:
    void AKilledSaveLeavesAllOrNothing_data() {
        QTest::addColumn<QString>("stPoint");
        QTest::addColumn<bool>("bStored");
        for (const char *pch :
             {"after config_morvane", "after shipment_number", "after zorv_lp", "after pickup"})
            QTest::newRow(pch) << QString::fromLatin1(pch) << false;
        QTest::newRow("after commit") << QStringLiteral("after commit") << true;
    }

    void AKilledSaveLeavesAllOrNothing() {
        QFETCH(QString, stPoint);
        QFETCH(bool, bStored);
        TclsTestInstallation objInstallation;
        QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
        QVERIFY(fnbInsertRangeRows());
        const QString stBefore = fnstStoredAnswer();
        QString stWhy;
        QVERIFY2(fnbKilledAt(stPoint, stWhy), qPrintable(stWhy));
        pDisconnectDatabase(); // read what a new start reads
        QCOMPARE(fnstStoredAnswer(),
                 bStored ? QStringLiteral("ABC1234567890ZOZ|1234567890|234|Unit 4") : stBefore);
        QCOMPARE(fnstIntegrityCheck(), QStringLiteral("ok"));
        TclsScriptedAnswerer objAnswerer;
        if (bStored)
            objAnswerer.pExpect(0);
        TfrmRegistrationWizard frm;
        QCOMPARE(frm.fnbStartupFailed(), bStored);
    }
};

QTEST_MAIN(tst_AnswerKillPoints)
#include "tst_AnswerKillPoints.moc"
