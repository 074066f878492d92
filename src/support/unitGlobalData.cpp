// Installation paths. The executable's folder and the current directory are the
// only anchors; every other folder is cut or appended from them on each call, so
// a test (or main()) that moves either anchor sees the change at once.
#include "unitGlobalData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

std::optional<QString> &fnoptExecutableDir() {
    static std::optional<QString> optDir;
    return optDir;
}

QString fnstWithTrailingSlash(const QString &stDir) {
    if (stDir.isEmpty() || stDir.endsWith(QLatin1Char('/')))
        return stDir;
    return stDir + QLatin1Char('/');
}

// The directory entry of stDir whose name equals stName ignoring case; an exact
// match wins, otherwise the alphabetically first of several candidates, so the
// choice does not depend on the order the file system lists them in.
std::optional<QString> fnoptMatchEntry(const QString &stDir, const QString &stName) {
    if (QFileInfo::exists(stDir + stName))
        return stName;
    const QStringList slEntries = QDir(stDir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &stEntry : slEntries) {
        if (stEntry.compare(stName, Qt::CaseInsensitive) == 0)
            return stEntry;
    }
    return std::nullopt;
}

} // namespace

void pSetExecutableDir(const QString &stDir) {
    if (stDir.isEmpty())
        fnoptExecutableDir().reset();
    else
        fnoptExecutableDir() = stDir;
}

QString fnstExecutableDir() {
    if (const auto &optDir = fnoptExecutableDir())
        return *optDir;
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object exists (unit initialisation, tests).
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

QString fnstExecutableRoot() {
    const QString stDir = fnstExecutableDir();
    const qsizetype iPos = stDir.indexOf(QLatin1String("BIN"), 0, Qt::CaseInsensitive);
    if (iPos < 0)
        return {};
    // The cut may fall inside a name ("/opt/Cabinet/Bin" gives "/opt/Ca"); the
    // separator is still added so that "Config/" and "Logs/" form a path.
    return fnstWithTrailingSlash(stDir.left(iPos));
}

QString fnstConfigDir() {
    return fnstExecutableRoot() + QLatin1String("Config/");
}

QString fnstLogsDir() {
    return fnstExecutableRoot() + QLatin1String("Logs/");
}

QString fnstWorkingBase() {
    QString stDir = QDir::currentPath();
    const qsizetype iPos = stDir.indexOf(QLatin1String("Bin"), 0, Qt::CaseInsensitive);
    if (iPos >= 0)
        stDir.remove(iPos, 3);
    return stDir;
}

QString fnstManifestLogDir() {
    QString stDir = fnstExecutableDir();
    const qsizetype iPos = stDir.indexOf(QLatin1String("BIN"), 0, Qt::CaseInsensitive);
    if (iPos >= 0)
        stDir.replace(iPos, 3, QLatin1String("LOGS"));
    return fnstWithTrailingSlash(stDir);
}

QString fnstResolvePath(const QString &stPath) {
    QString stUnix = stPath;
    stUnix.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (stUnix.isEmpty())
        return stUnix;

    const bool bAbsolute = stUnix.startsWith(QLatin1Char('/'));
    const bool bTrailingSlash = stUnix.endsWith(QLatin1Char('/'));
    const QStringList slParts = stUnix.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    // stLookup is the real folder the next component is searched in (always
    // absolute, ending in "/"); the result keeps the caller's relative form.
    QString stLookup = fnstWithTrailingSlash(bAbsolute ? QStringLiteral("/") : QDir::currentPath());
    bool bLookupExists = true;
    QStringList slResult;
    for (const QString &stPart : slParts) {
        slResult.append(stPart);
        if (!bLookupExists || stPart == QLatin1String("."))
            continue;
        if (stPart == QLatin1String("..")) {
            const qsizetype iCut = stLookup.lastIndexOf(QLatin1Char('/'), stLookup.size() - 2);
            stLookup = iCut >= 0 ? stLookup.left(iCut + 1) : QStringLiteral("/");
            continue;
        }
        if (const auto optEntry = fnoptMatchEntry(stLookup, stPart)) {
            slResult.last() = *optEntry;
            stLookup += *optEntry + QLatin1Char('/');
        } else {
            bLookupExists = false;
        }
    }

    QString stResult = slResult.join(QLatin1Char('/'));
    if (bAbsolute)
        stResult.prepend(QLatin1Char('/'));
    if (bTrailingSlash && !stResult.endsWith(QLatin1Char('/')))
        stResult += QLatin1Char('/');
    return stResult;
}
