// A PostgreSQL cluster of one test's own, for tests that stop the server (a
// shared cluster would take the other tests down with it). The test's
// installations are built on it (MORVANE_TEST_PGCLUSTER) while it exists.
// The test registers MORVANE_PGCLUSTER_SCRIPT, the path of pgcluster.sh. A
// TLS cluster takes TLS connections only, with a server certificate signed by
// fnstFile("ca.crt"); fnstFile("other-ca.crt") is a CA that did not sign it.
#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

enum class TClusterVariant { Plain, Tls };

class TclsOwnCluster {
public:
    explicit TclsOwnCluster(TClusterVariant eVariant = TClusterVariant::Plain) {
        if (!dirParent.isValid())
            return;
        stCluster = dirParent.filePath(QStringLiteral("cluster"));
        // The cluster's owner must reach its folder.
        QFile::setPermissions(dirParent.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ExeOther);
        bStarted = fnbRun(QStringLiteral("start"),
                          eVariant == TClusterVariant::Tls ? QStringLiteral("tls") : QString());
        if (bStarted)
            qputenv("MORVANE_TEST_PGCLUSTER", stCluster.toLocal8Bit());
    }
    ~TclsOwnCluster() {
        if (bStarted) {
            qunsetenv("MORVANE_TEST_PGCLUSTER");
            fnbRun(QStringLiteral("stop"));
        }
    }
    TclsOwnCluster(const TclsOwnCluster &) = delete;
    TclsOwnCluster &operator=(const TclsOwnCluster &) = delete;

    bool fnbOk() const { return bStarted; }
    QString fnstFile(const QString &stName) const { return stCluster + QLatin1Char('/') + stName; }
    // Stops the server at once, as a crash would: every session ends where it
    // is, without finishing or releasing anything. The data stays for fnbResume.
    bool fnbHalt() const { return fnbRun(QStringLiteral("halt")); }
    bool fnbResume() const { return fnbRun(QStringLiteral("resume")); }

private:
    bool fnbRun(const QString &stAction, const QString &stVariant = {}) const {
        QStringList slArguments{qEnvironmentVariable("MORVANE_PGCLUSTER_SCRIPT"), stAction,
                                stCluster};
        if (!stVariant.isEmpty())
            slArguments << stVariant;
        QProcess objScript;
        objScript.start(QStringLiteral("sh"), slArguments);
        return objScript.waitForFinished(120000) &&
               objScript.exitStatus() == QProcess::NormalExit && objScript.exitCode() == 0;
    }

    QTemporaryDir dirParent;
    QString stCluster;
    bool bStarted = false;
};
