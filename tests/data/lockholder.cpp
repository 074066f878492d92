// A second workstation: locks, says "locked", waits to be killed. Arguments: record CLASS KEY,
// table NAME, or save CLASS KEY FIELD VALUE (writes VALUE into FIELD and keeps the lock).
#include "tstTextField.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {
// Locks the row and writes the field under the lock; 0 or the library's code
// (-1 for a row or field that does not exist).
int fniSaveLocked(const QString &stClass, qint32 iKey, const QString &stField,
                  const QString &stValue) {
    TobjarMVData objar;
    if (const int iCode = fniQueryRecords({{}}, objar, stClass))
        return iCode;
    const auto it = std::find_if(objar.begin(), objar.end(),
                                 [iKey](const auto &obj) { return obj->record_key == iKey; });
    if (it == objar.end())
        return -1;
    if (const int iCode = fniLockRecord(iKey, stClass))
        return iCode;
    TclsTextField objSetter(stField.toLatin1(), &stValue);
    (*it)->pVisitFields(objSetter);
    if (!objSetter.bFound)
        return -1;
    return fniUpdateRecord(**it);
}

int fniTakeLock(const QStringList &sl) {
    if (sl[1] == QLatin1String("record") && sl.size() == 4)
        return fniLockRecord(sl[3].toInt(), sl[2]);
    if (sl[1] == QLatin1String("table") && sl.size() == 3)
        return fniLockTable(sl[2], 0);
    if (sl[1] == QLatin1String("save") && sl.size() == 6)
        return fniSaveLocked(sl[2], sl[3].toInt(), sl[4], sl[5]);
    return -1;
}
} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList sl = QCoreApplication::arguments();
    if (sl.size() < 3)
        return 2;
    if (fniConnectDatabase(fnrecInstallationDatabaseSettings()) != 0)
        return 3;
    const int iCode = fniTakeLock(sl);
    std::printf(iCode == 0 ? "locked\n" : "refused %d\n", iCode);
    std::fflush(stdout);
    if (iCode != 0)
        return 1;
    for (;;)
        QThread::sleep(1);
}
