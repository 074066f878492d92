// A second workstation for the lock tests: connects to a database, takes a row
// lock or a table lock, says "locked" and waits until it is killed.
//   lockholder DATABASE record CLASS KEY
//   lockholder DATABASE table NAME
#include "UnitAccessToDatabaseDLL.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList sl = QCoreApplication::arguments();
    if (sl.size() < 4)
        return 2;
    TrecDatabaseSettings rec;
    rec.stDatabaseFile = sl[1];
    if (fniConnectDatabase(rec) != 0)
        return 3;
    int iCode = -1;
    if (sl[2] == QLatin1String("record") && sl.size() == 5)
        iCode = fniLockRecord(sl[4].toInt(), sl[3]);
    else if (sl[2] == QLatin1String("table"))
        iCode = fniLockTable(sl[3], 0);
    std::printf(iCode == 0 ? "locked\n" : "refused %d\n", iCode);
    std::fflush(stdout);
    if (iCode != 0)
        return 1;
    for (;;)
        QThread::sleep(1);
}
