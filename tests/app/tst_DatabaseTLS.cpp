#include "UnitOwnCluster.h"
#include "unitRegistrationWizard.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <QtTest>

class tst_DatabaseTLS : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        objCluster = std::make_unique<TclsOwnCluster>(TClusterVariant::Tls);
        QVERIFY(objCluster->fnbOk());
    }

    void TheServersCAIsWhatLetsTheWizardStart_data() {
        QTest::addColumn<QByteArray>("baSslMode");
        QTest::addColumn<QString>("stCA");
        QTest::addColumn<QString>("stRefusal");
        const QString stConnectionFailed =
            QStringLiteral("Databse Connection failed. Please contact System Administrator..");
        QTest::newRow("the CA that signed the server")
            << QByteArray("verify-full") << QStringLiteral("ca.crt") << QString();
        QTest::newRow("a CA that did not sign it")
            << QByteArray("verify-full") << QStringLiteral("other-ca.crt") << stConnectionFailed;
        QTest::newRow("no TLS asked for")
            << QByteArray("disable") << QStringLiteral("ca.crt") << stConnectionFailed;
    }

    void TheServersCAIsWhatLetsTheWizardStart() {
        QFETCH(QByteArray, baSslMode);
        QFETCH(QString, stCA);
        QFETCH(QString, stRefusal);
        TrecInstallationOptions rec = fnrecTestOptions();
        QVERIFY(rec.recDatabase.fnbPostgreSQL());
        rec.recDatabase.stSslMode = QStringLiteral("verify-full");
        rec.recDatabase.stSslRootCert = objCluster->fnstFile(QStringLiteral("ca.crt"));
        TclsTestInstallation objInstallation(rec);
        QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
        // The workstation's own choice, as an administrator writes it.
        QVERIFY(
            objInstallation.fnbEditInstallationIni("SSLMODE=verify-full", "SSLMODE=" + baSslMode));
        QVERIFY(objInstallation.fnbEditInstallationIni(
            "SSLROOTCERT=" + rec.recDatabase.stSslRootCert.toUtf8(),
            "SSLROOTCERT=" + objCluster->fnstFile(stCA).toUtf8()));
        pDisconnectDatabase();

        TclsScriptedAnswerer objAnswerer;
        if (!stRefusal.isEmpty())
            objAnswerer.pExpect(0);
        TfrmRegistrationWizard frm;
        QCOMPARE(frm.fnbStartupFailed(), !stRefusal.isEmpty());
        if (!stRefusal.isEmpty()) {
            QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
            QCOMPARE(objAnswerer.fnarAsked()[0].stMessage, stRefusal);
            return;
        }
        QVERIFY(objAnswerer.fnarAsked().empty());
        QCOMPARE(fnstScalar(QStringLiteral("SELECT ssl FROM pg_stat_ssl WHERE pid = "
                                           "pg_backend_pid()")),
                 QStringLiteral("true"));
    }

private:
    std::unique_ptr<TclsOwnCluster> objCluster;
};

QTEST_MAIN(tst_DatabaseTLS)
#include "tst_DatabaseTLS.moc"
