// A second workstation for lock tests: the lockholder program, started in the
// test's installation (the current directory, its Bin) and so on the test's
// database, takes a row or table lock and keeps it until it is killed.
// Tests that use it add_dependencies(<test> lockholder).
#pragma once

#include "UnitTestQueries.h"

#include <QProcess>
#include <QStringList>
#include <QThread>

class TclsLockHolder {
public:
    // slLock: {"record", CLASS, KEY}, {"table", NAME} or {"save", CLASS, KEY,
    // FIELD, VALUE} (the row written under its lock, the lock kept).
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
            pAwaitServerSessionEnd();
        }
    }

private:
    // A database server ends the dead holder's session (and frees its advisory
    // locks) a moment after the process is gone; waits until no other session
    // holds an advisory lock, at most 200 looks.
    static void pAwaitServerSessionEnd() {
        if (fncnGetSQLConnection().driverName() != QLatin1String("QPSQL"))
            return;
        for (int i = 0; i < 200; ++i) {
            if (fnstScalar(QStringLiteral("SELECT count(*) FROM pg_locks WHERE locktype = "
                                          "'advisory' AND pid <> pg_backend_pid()")) ==
                QLatin1String("0"))
                return;
            QThread::msleep(25);
        }
    }

    QProcess objProcess;
};
