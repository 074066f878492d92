// The manifest log: a plain append-only file of time-stamped lines.
#include "unitLogFile.h"
#include "unitGlobalData.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

bool fnbHasFolderPart(const QString &stName) {
    return stName.contains(QLatin1Char('/')) || stName.contains(QLatin1Char('\\'));
}

} // namespace

void TLogFile::pSetFileName(const QString &stName) {
    QString stPath = stName;
    if (UseLogsFolder && !fnbHasFolderPart(stPath))
        stPath = fnstManifestLogDir() + stPath;
    stPath = fnstResolvePath(stPath);

    const qsizetype iSlash = stPath.lastIndexOf(QLatin1Char('/'));
    const bool bAccepted =
        QFileInfo::exists(stPath) || iSlash < 0 ||
        QFileInfo(iSlash == 0 ? QStringLiteral("/") : stPath.left(iSlash)).isDir();
    if (!bAccepted) {
        ErrorCode = 1;
        return;
    }
    stFileName = stPath;
}

bool TLogFile::fnbWriteLine(const QString &stText) const {
    if (stFileName.isEmpty())
        return false;
    QString stLine = stText;
    if (TimeStamp)
        stLine.prepend(QDateTime::currentDateTime().toString(TimeFormat) + QLatin1String(":  "));
    stLine += QLatin1String("\r\n");

    QFile objFile(stFileName);
    if (!objFile.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray baLine = stLine.toUtf8();
    const bool bWritten = objFile.write(baLine) == baLine.size() && objFile.flush();
    objFile.close();
    return bWritten;
}

TLogFile &gobjManifestLog() {
    static TLogFile objLog = [] {
        TLogFile objNew;
        objNew.TimeFormat = QStringLiteral("hh:mm:ss");
        objNew.pSetFileName(QLatin1String("MorvaneManifest_") +
                            QDate::currentDate().toString(QStringLiteral("ddMMyyyy")) +
                            QLatin1String(".log"));
        return objNew;
    }();
    return objLog;
}
