// The status callback: the call's state (online, finished, connected) follows
// the library's status lines, and each line goes to the window that fits.
#include "unitCommStatusMain.h"
#include "unitLogToFile.h"
#include "unitResourceStrings.h"

#include <QGuiApplication>

#include <exception>

#include "UnitMsgDialog.h"

namespace {
const QString cstUnit = QStringLiteral("unitCommStatusMain");
const QString cstMethod = QStringLiteral("fniUpdateStatusMsg");

inline constexpr TResourceString rsModemNotAvailable{
    QT_TRANSLATE_NOOP("Morvane", "Modem is not available.")};
inline constexpr TResourceString rsCaptionWarning{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Warning")};
inline constexpr TResourceString rsOK{QT_TRANSLATE_NOOP("Morvane", "&OK")};

TrecCommStatusDisplay &grecDisplay() {
    static TrecCommStatusDisplay rec;
    return rec;
}

// The line this call is about: region 0 posts it to the mail slot, region 1
// hands it to the callback, any other region gives none.
QString fnstStatusLine(TclsCommStatusMain &objStatus, int iRegion, const char *pchStatusLine) {
    if (iRegion == 0)
        return objStatus.fnstReadMailSlot();
    if (iRegion == 1 && pchStatusLine)
        return QString::fromLatin1(pchStatusLine);
    return {};
}

// A line that starts a dial attempt. The library prefixes a repeated attempt
// with its number, so "Retrying..." counts only after two leading characters.
bool fnbStartsAttempt(const QString &stLine) {
    return stLine == QLatin1String("Going Online...") ||
           stLine.left(18).trimmed() == QLatin1String("--Dialing Phone No") ||
           stLine == QLatin1String("Initializing Modem...") ||
           (stLine.size() > 13 && stLine.mid(2, 11).trimmed() == QLatin1String("Retrying..."));
}

void pFreeWindows() {
    if (grecDisplay().pFreeWindows)
        grecDisplay().pFreeWindows();
}

void pFollowCallState(TclsCommStatusMain &objStatus, const QString &stLine) {
    TrecCommCallState &rec = grecCommCallState();
    if (stLine == QLatin1String("Setting modem to Command state...")) {
        rec.bOnline = false;
        rec.bFinished = false;
    }
    if (fnbStartsAttempt(stLine)) {
        if (rec.iRetryCount == 0)
            objStatus.pGetTotalAttempt();
        objStatus.pGetModemName();
        rec.bOnline = true;
        rec.bFinished = false;
    }
    if (rec.bFinished)
        return;
    if (stLine == QLatin1String("--Sending ENQ") ||
        stLine == QLatin1String("Connected to Zorv..")) {
        rec.bOnline = false;
        rec.bConnected = true;
    } else if (stLine == QLatin1String("--Process NOT Successful") ||
               stLine == QLatin1String("--Process Successful")) {
        rec.bFinished = true;
        rec.bOnline = false;
        rec.bConnected = false;
        pFreeWindows();
    } else if (stLine == QLatin1String("Going Offline")) {
        rec.bFinished = true;
        pFreeWindows();
    }
}

void pShowLine(TclsCommStatusMain &objStatus, const QString &stLine) {
    TrecCommCallState &rec = grecCommCallState();
    if (rec.bOnline) {
        if (grecDisplay().pShowCallProgress)
            grecDisplay().pShowCallProgress(stLine);
        return;
    }
    if (rec.iLogLevel == -1)
        rec.iLogLevel = objStatus.fniGetLogLevel();
    if (rec.iLogLevel < 0 || rec.iLogLevel > 2) {
        pWriteLog(2, cstUnit, cstMethod, QStringLiteral("Logging level not specified in the db."));
        return;
    }
    if (grecDisplay().pShowStatus)
        grecDisplay().pShowStatus(rec.iLogLevel, stLine);
}

int fniUpdate(const char *pchStatusLine) {
    while (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) &&
           QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    TclsCommStatusMain objStatus{TclsCommStatusMain::TKeepCallState{}};
    TrecCommCallState &rec = grecCommCallState();
    if (rec.iRegion == -2)
        rec.iRegion = objStatus.fniGetRegion();
    if (rec.iRegion < 0) {
        pWriteLog(0, cstUnit, cstMethod,
                  QStringLiteral("Type of installation has not been configured."));
        return -1;
    }
    const QString stLine = fnstStatusLine(objStatus, rec.iRegion, pchStatusLine);
    pFollowCallState(objStatus, stLine);
    pShowLine(objStatus, stLine);
    if (stLine == QLatin1String("Modem is not available.")) {
        pWriteLog(2, cstUnit, cstMethod, stLine);
        fniMessageDlg(fnstRS(rsModemNotAvailable), fnstRS(rsCaptionWarning), {fnstRS(rsOK)},
                      fnstRS(rsOK), mikWarning);
    }
    return 0;
}
} // namespace

void pSetCommStatusDisplay(TrecCommStatusDisplay recDisplay) {
    grecDisplay() = std::move(recDisplay);
}

int fniUpdateStatusMsg(const char *pchStatusLine) {
    // The library calls through a C pointer: nothing may escape to it.
    try {
        return fniUpdate(pchStatusLine);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, cstMethod,
                  QStringLiteral("Exception raised in function fniUpdateProcessMsg ") +
                      QString::fromLocal8Bit(e.what()));
    }
    return 0;
}
