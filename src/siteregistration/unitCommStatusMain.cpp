// The call state, the mail slot and the configuration a modem call shows.
#include "unitCommStatusMain.h"

#include "UnitAdHocQuery.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "unitGlobalData.h"
#include "unitLogToFile.h"
#include "unitMailSlot.h"
#include "UnitUserDataCacheDLLAccess.h"

#include <QDir>

#include <memory>

namespace {
const QString cstUnit = QStringLiteral("unitCommStatusMain");

struct TrecModemCallbacks {
    TpfnStatusCallback pfnStatus = nullptr;
    TpfnWindowCallback pfnWindow = nullptr;
};

TrecModemCallbacks &grecCallbacks() {
    static TrecModemCallbacks rec;
    return rec;
}

// Created once per process and kept: the library posts to it by name.
TclsMailSlot &gobjMailSlot() {
    static TclsMailSlot obj;
    return obj;
}

std::shared_ptr<const TclsConfigZorvData> fnobjConfigZorv() {
    std::shared_ptr<const TclsConfigZorvData> obj;
    return fniGetConfigZorvData(obj) == 0 ? obj : nullptr;
}

// The installation type is a number in the carrier configuration; the
// installation builder writes the installation's type name there instead
// ("Single User Typical"), which names no status channel: such a text reads
// as 1, the status line the library hands to the callback.
int fniRegionOf(const QString &stInstallationType) {
    if (stInstallationType.trimmed().isEmpty())
        return -1;
    bool bNumber = false;
    const int iRegion = stInstallationType.trimmed().toInt(&bNumber);
    return bNumber ? iRegion : 1;
}

// The folders the program's folder name less its last three characters
// names: TempData and EmailData beside Bin.
void pMakeDataFolders() {
    QString stProgramDir = QDir::cleanPath(fnstExecutableDir());
    stProgramDir.chop(3);
    for (const char *pchFolder : {"TempData", "EmailData"}) {
        const QString stFolder = stProgramDir + QLatin1String(pchFolder);
        if (!QDir(stFolder).exists() && !QDir().mkpath(stFolder))
            pWriteLog(2, cstUnit, QStringLiteral("fnstCreateMailSlot"),
                      QStringLiteral("Folder could not be created: ") + stFolder);
    }
}
} // namespace

TrecCommCallState &grecCommCallState() {
    static TrecCommCallState rec;
    return rec;
}

void pSetModemCallbacks(TpfnStatusCallback pfnStatus, TpfnWindowCallback pfnWindow) {
    grecCallbacks() = {pfnStatus, pfnWindow};
}

TpfnStatusCallback fnpfnStatusCallback() {
    return grecCallbacks().pfnStatus;
}

TpfnWindowCallback fnpfnWindowCallback() {
    return grecCallbacks().pfnWindow;
}

TclsCommStatusMain::TclsCommStatusMain() {
    TrecCommCallState &rec = grecCommCallState();
    rec.iLogLevel = -1;
    rec.iRegion = -2;
    rec.bOnline = true;
    rec.iRetryCount = 0;
    rec.stModemName.clear();
    rec.recOutcome = {};
}

int TclsCommStatusMain::fniGetRegion() {
    const auto objConfigZorv = fnobjConfigZorv();
    const int iRegion = objConfigZorv ? fniRegionOf(objConfigZorv->installation_type) : -1;
    pWriteLog(0, cstUnit, QStringLiteral("fniGetRegion"),
              QStringLiteral("Got the type of installation as ") + QString::number(iRegion));
    return iRegion;
}

int TclsCommStatusMain::fniGetLogLevel() {
    const auto objConfigZorv = fnobjConfigZorv();
    const int iLevel = objConfigZorv ? objConfigZorv->comm_log_level : -1;
    pWriteLog(0, cstUnit, QStringLiteral("fniGetLogLevel"),
              QStringLiteral("Got verbose level for communication ") + QString::number(iLevel));
    return iLevel;
}

QString TclsCommStatusMain::fnstCreateMailSlot() {
    const QString stMethod = QStringLiteral("fnstCreateMailSlot");
    pWriteLog(0, cstUnit, stMethod, QStringLiteral("Before creating the mailslot."));
    std::vector<TclsUsersData> arUsers;
    fniGetUsersData(arUsers);
    QString stResult = QStringLiteral("Success");
    if (!gobjMailSlot().fnbCreate()) {
        pWriteLog(2, cstUnit, stMethod, QStringLiteral("mailslot could not be created."));
        stResult = QStringLiteral("Failure");
    } else {
        pWriteLog(0, cstUnit, stMethod, QStringLiteral("mailslot successfully created."));
        // The status callback reads one message per line it is given, so a
        // call must start with an empty slot: lines an earlier call posted
        // while the callback took them from the library would come first.
        while (!gobjMailSlot().fnbaRead().isEmpty()) {
        }
    }
    pMakeDataFolders();
    return stResult;
}

QString TclsCommStatusMain::fnstReadMailSlot() {
    QByteArray baMessage = gobjMailSlot().fnbaRead();
    // A writer may send its terminator along.
    if (const qsizetype iEnd = baMessage.indexOf('\0'); iEnd >= 0)
        baMessage.truncate(iEnd);
    return QString::fromLatin1(baMessage);
}

void TclsCommStatusMain::pGetModemName() {
    TclsAdHocQuery query;
    QString stName = QStringLiteral("Standard Modem");
    if (query.fniOpen(QStringLiteral("Select Modem_Name from config_zorv")) == 0 && query.fnbNext())
        stName = query.fnvField(0).toString();
    grecCommCallState().stModemName = stName;
    pWriteLog(0, cstUnit, QStringLiteral("pGetModemName"),
              QStringLiteral("Got modem name from db as ") + stName);
}

void TclsCommStatusMain::pGetTotalAttempt() {
    if (const auto objConfigZorv = fnobjConfigZorv())
        grecCommCallState().iRetryCount = objConfigZorv->no_of_retries;
    pWriteLog(0, cstUnit, QStringLiteral("pGetTotalAttempt"),
              QStringLiteral("Got no. of retries from db as ") +
                  QString::number(grecCommCallState().iRetryCount));
}
