// A PostgreSQL cluster of one test's own, for tests that stop the server (a
// shared cluster would take the other tests down with it). The test's
// installations are built on it (MORVANE_TEST_PGCLUSTER) while it exists.
// The test registers MORVANE_PGCLUSTER_SCRIPT, the path of pgcluster.sh.
#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class TclsOwnCluster {
public:
    TclsOwnCluster() {
        if (!dirParent.isValid())
            return;
        stCluster = dirParent.filePath(QStringLiteral("cluster"));
        // The cluster's owner must reach its folder.
        QFile::setPermissions(dirParent.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ExeOther);
        bStarted = fnbRun(QStringLiteral("start"));
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
    // Stops the server at once, as a crash would: every session ends where it
    // is, without finishing or releasing anything. The data stays for fnbResume.
    bool fnbHalt() const { return fnbRun(QStringLiteral("halt")); }
    bool fnbResume() const { return fnbRun(QStringLiteral("resume")); }

private:
    bool fnbRun(const QString &stAction) const {
        QProcess objScript;
        objScript.start(QStringLiteral("sh"),
                        {qEnvironmentVariable("MORVANE_PGCLUSTER_SCRIPT"), stAction, stCluster});
        return objScript.waitForFinished(120000) &&
               objScript.exitStatus() == QProcess::NormalExit && objScript.exitCode() == 0;
    }

    QTemporaryDir dirParent;
    QString stCluster;
    bool bStarted = false;
};
