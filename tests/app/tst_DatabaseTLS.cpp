#include "UnitOwnCluster.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

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
        QTest::addColumn<bool>("bRefused");
        QTest::newRow("the CA that signed the server")
            << QByteArray("verify-full") << "ca.crt" << false;
        QTest::newRow("a CA that did not sign it")
            << QByteArray("verify-full") << "other-ca.crt" << true;
        QTest::newRow("no TLS asked for") << QByteArray("disable") << "ca.crt" << true;
    }

    void TheServersCAIsWhatLetsTheWizardStart() {
        QFETCH(QByteArray, baSslMode);
        QFETCH(QString, stCA);
        QFETCH(bool, bRefused);
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
        if (bRefused)
            objAnswerer.pExpect(0);
        TfrmRegistrationWizard frm;
        QCOMPARE(frm.fnbStartupFailed(), bRefused);
        QCOMPARE(objAnswerer.fnslAsked(),
                 bRefused ? QStringList{"Databse Connection failed. Please contact System "
                                        "Administrator.."}
                          : QStringList());
        if (!bRefused)
            QCOMPARE(fnstScalar(QStringLiteral("SELECT ssl FROM pg_stat_ssl WHERE pid = "
                                               "pg_backend_pid()")),
                     QStringLiteral("true"));
    }

private:
    std::unique_ptr<TclsOwnCluster> objCluster;
};

QTEST_MAIN(tst_DatabaseTLS)
#include "tst_DatabaseTLS.moc"
