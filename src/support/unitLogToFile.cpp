// The diagnostic trail. The configuration is read once, at construction; every
// line is written with its own open-append-close, because other instances and
// other programs of the installation append to the same file.
#include "unitLogToFile.h"
#include "unitGlobalData.h"
#include "unitIniFile.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTime>

namespace {

const QString stLogSection = QStringLiteral("Log");
const QString stDefaultFileName = QStringLiteral("Morvane");

// The system's long time format without its time-zone field. Windows' long time
// format ("HH:mm:ss", "h:mm:ss tt") has none, while Qt's adds one ("t") in most
// locales; a line therefore reads "10:42:07" or "10:42:07 AM" as it always did.
QString fnstLongTimeFormat() {
    const QString stFormat = QLocale::system().timeFormat(QLocale::LongFormat);
    QString stResult;
    bool bQuoted = false;
    for (const QChar ch : stFormat) {
        if (ch == QLatin1Char('\''))
            bQuoted = !bQuoted;
        else if (!bQuoted && ch == QLatin1Char('t'))
            continue;
        stResult += ch;
    }
    return stResult.simplified();
}

bool fnbHasFolderPart(const QString &stName) {
    return stName.contains(QLatin1Char('/')) || stName.contains(QLatin1Char('\\'));
}

std::unique_ptr<TclsLogToFile> &fnobjGlobalLogger() {
    static std::unique_ptr<TclsLogToFile> objLogger;
    return objLogger;
}

} // namespace

TclsLogToFile::TclsLogToFile() {
    pReadConfiguration();
    if (Logging)
        pCompleteFileName();
}

TclsLogToFile::TclsLogToFile(const QString &stBaseName) {
    pReadConfiguration();
    if (!Logging)
        return;
    if (!stBaseName.trimmed().isEmpty())
        FileName = stBaseName;
    pCompleteFileName();
}

void TclsLogToFile::pReadConfiguration() {
    const QString stConfigDir = fnstConfigDir();
    TclsIniFile objIni(stConfigDir + QLatin1String("Installation.ini"));
    qint32 iSeverityDefault = 0;
    if (!objIni.fnbFileExists()) {
        objIni = TclsIniFile(stConfigDir + QLatin1String("module_details.ini"));
        iSeverityDefault = 3;
    }
    Severity = objIni.fniReadInteger(stLogSection, QStringLiteral("Severity"), iSeverityDefault);
    Logging = objIni.fnbReadBool(stLogSection, QStringLiteral("Logging"), false);
    FileName = objIni.fnstReadString(stLogSection, QStringLiteral("FileName"), stDefaultFileName);
    if (FileName.trimmed().isEmpty())
        FileName = stDefaultFileName;
}

void TclsLogToFile::pCompleteFileName() {
    const QString stName = FileName.trimmed();
    if (!fnbHasFolderPart(stName)) {
        // The date is fixed here: a run past midnight keeps the day it started on.
        const QString stDate = QDate::currentDate().toString(QStringLiteral("ddMMyyyy"));
        FileName = fnstResolvePath(fnstLogsDir() + stName + QLatin1Char('_') + stDate +
                                   QLatin1String(".log"));
        return;
    }
    QString stPath = fnstResolvePath(stName);
    const QString stLastPart = stPath.mid(stPath.lastIndexOf(QLatin1Char('/')) + 1);
    if (!stLastPart.contains(QLatin1Char('.')))
        stPath += QLatin1String(".log");
    FileName = stPath;
}

void TclsLogToFile::pWriteLog(qint32 iLevel, const QString &stUnitName, const QString &stMethodName,
                              const QString &stMessage) const noexcept {
    if (!Logging || iLevel < Severity)
        return;
    try {
        static const QString stTimeFormat = fnstLongTimeFormat();
        const QString stLine = QLocale::system().toString(QTime::currentTime(), stTimeFormat) +
                               QLatin1String("|Severity Level ") + QString::number(iLevel) +
                               QLatin1String("|Unit ") + stUnitName + QLatin1String("|Process ") +
                               stMethodName + QLatin1Char('|') + stMessage + QLatin1String("\r\n");
        QFile objFile(FileName);
        // A missing Logs folder or a read-only file: the wizard goes on without a trail.
        if (!objFile.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
        objFile.write(stLine.toUtf8());
        objFile.close();
    } catch (...) {
        // Logging must never take the caller down with it.
    }
}

TclsLogToFile &gobjLogToFile() {
    auto &objLogger = fnobjGlobalLogger();
    if (!objLogger)
        objLogger = std::make_unique<TclsLogToFile>();
    return *objLogger;
}

void pReplaceGlobalLogger(std::unique_ptr<TclsLogToFile> objLogger) {
    if (objLogger)
        fnobjGlobalLogger() = std::move(objLogger);
}

void pWriteLog(qint32 iLevel, const QString &stUnitName, const QString &stMethodName,
               const QString &stMessage) noexcept {
    try {
        gobjLogToFile().pWriteLog(iLevel, stUnitName, stMethodName, stMessage);
    } catch (...) {
        // The first call builds the logger; even that must not raise to the caller.
    }
}
