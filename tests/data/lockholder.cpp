// A second workstation for the lock tests: connects to the database of the
// installation it is started in (like the wizard, from ..\Config), takes a row
// lock or a table lock, says "locked" and waits until it is killed.
//   lockholder record CLASS KEY
//   lockholder table NAME
#include "UnitAccessToDatabaseDLL.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList sl = QCoreApplication::arguments();
    if (sl.size() < 3)
        return 2;
    if (fniConnectDatabase(fnrecInstallationDatabaseSettings()) != 0)
        return 3;
    int iCode = -1;
    if (sl[1] == QLatin1String("record") && sl.size() == 4)
        iCode = fniLockRecord(sl[3].toInt(), sl[2]);
    else if (sl[1] == QLatin1String("table"))
        iCode = fniLockTable(sl[2], 0);
    std::printf(iCode == 0 ? "locked\n" : "refused %d\n", iCode);
    std::fflush(stdout);
    if (iCode != 0)
        return 1;
    for (;;)
        QThread::sleep(1);
}
