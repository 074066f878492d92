// A second workstation for lock tests: the lockholder program, started in the
// test's installation (the current directory, its Bin) and so on the test's
// database, takes a row or table lock and keeps it until it is killed.
// Tests that use it add_dependencies(<test> lockholder).
#pragma once

#include <QProcess>
#include <QStringList>

class TclsLockHolder {
public:
    // slLock: {"record", CLASS, KEY} or {"table", NAME}.
    explicit TclsLockHolder(const QStringList &slLock) {
        objProcess.setProgram(qEnvironmentVariable("WIZARD_BIN_DIR") +
                              QStringLiteral("/lockholder"));
        objProcess.setArguments(slLock);
        objProcess.start();
    }
    ~TclsLockHolder() { pKill(); }
    TclsLockHolder(const TclsLockHolder &) = delete;
    TclsLockHolder &operator=(const TclsLockHolder &) = delete;

    // What the holder said once it tried its lock: "locked" or "refused CODE".
    QString fnstAnswer() {
        objProcess.waitForReadyRead(30000);
        return QString::fromLatin1(objProcess.readLine()).trimmed();
    }
    void pKill() {
        if (objProcess.state() != QProcess::NotRunning) {
            objProcess.kill(); // SIGKILL: no chance to unlock anything
            objProcess.waitForFinished(30000);
        }
    }

private:
    QProcess objProcess;
};
