// Test installations.
#include "UnitTestInstallation.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "unitGlobalData.h"
#include "unitLogToFile.h"
#include "UnitServerDatabase.h"
#include "UnitUserDataCacheDLLAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <atomic>

namespace {
// Every test starts from a program that holds no connection, no cached rows and
// a logger of its own installation.
void pResetProgramState() {
    pDisconnectDatabase();
    fniLoadConfigDLL(0);
    pUnloadUserDLL();
}

// Test programs run side by side on one server: each installation gets a
// database of its own, so neither rows nor advisory locks are shared.
QString fnstNewDatabaseName() {
    static std::atomic<int> iCounter{0};
    return QStringLiteral("morvane_t%1_%2").arg(QCoreApplication::applicationPid()).arg(++iCounter);
}
} // namespace

TrecDatabaseSettings fnrecTestClusterSettings() {
    TrecDatabaseSettings rec;
    const QString stCluster = qEnvironmentVariable("MORVANE_TEST_PGCLUSTER");
    if (stCluster.isEmpty())
        return rec;
    QFile filePort(stCluster + QStringLiteral("/port"));
    rec.stDriver = QString::fromLatin1(cstDriverPostgreSQL);
    rec.stHost = QStringLiteral("127.0.0.1");
    rec.iPort = filePort.open(QIODevice::ReadOnly) ? filePort.readAll().trimmed().toInt() : 0;
    rec.stUser = QStringLiteral("morvane");
    rec.stPasswordFile = stCluster + QStringLiteral("/pgpass");
    return rec;
}

TrecInstallationOptions fnrecTestOptions() {
    TrecInstallationOptions rec;
    rec.recSources = fnrecDefaultReferenceSources();
    rec.bReferenceData = false;
    rec.recDatabase = fnrecTestClusterSettings();
    return rec;
}

TclsTestInstallation::TclsTestInstallation(const TrecInstallationOptions &rec)
    : stPreviousDir(QDir::currentPath()), stPreviousExecutableDir(fnstExecutableDir()) {
    pResetProgramState();
    if (!dirRoot.isValid()) {
        stError = QStringLiteral("no temporary folder");
        return;
    }
    TrecInstallationOptions recOptions = rec;
    if (recOptions.recDatabase.fnbPostgreSQL() && recOptions.recDatabase.stName.isEmpty()) {
        recOptions.recDatabase.stName = fnstNewDatabaseName();
        recOptions.bCreateDatabase = true;
        recDatabase = recOptions.recDatabase;
    }
    if (!fnbMakeInstallation(dirRoot.path(), recOptions, stError))
        return;
    const QString stBin = dirRoot.filePath(QStringLiteral("Bin"));
    QDir::setCurrent(stBin);
    pSetExecutableDir(stBin);
    pReplaceGlobalLogger(std::make_unique<TclsLogToFile>());
}

TclsTestInstallation::~TclsTestInstallation() {
    pResetProgramState();
    if (recDatabase.fnbPostgreSQL()) {
        QString stDropError;
        if (!fnbDropServerDatabase(recDatabase, stDropError))
            qWarning("%s", qPrintable(stDropError));
    }
    QDir::setCurrent(stPreviousDir);
    pSetExecutableDir(stPreviousExecutableDir);
    pReplaceGlobalLogger(std::make_unique<TclsLogToFile>());
}

QStringList TclsTestInstallation::fnslFilesHolding(const QString &stText) const {
    const QByteArray baUtf8 = stText.toUtf8();
    const QByteArray baUtf16(reinterpret_cast<const char *>(stText.utf16()),
                             stText.size() * qsizetype(sizeof(char16_t)));
    QStringList sl;
    QDirIterator it(dirRoot.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray ba = file.readAll();
        if (ba.contains(baUtf8) || ba.contains(baUtf16))
            sl << QDir(dirRoot.path()).relativeFilePath(file.fileName());
    }
    return sl;
}

QStringList TclsTestInstallation::fnslOpenToOthers() const {
    constexpr QFileDevice::Permissions fOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                 QFileDevice::WriteOther | QFileDevice::ExeOther;
    QStringList sl;
    QDirIterator it(dirRoot.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fi(it.next());
        const QString stRelative = QDir(dirRoot.path()).relativeFilePath(fi.filePath());
        if (stRelative.startsWith(QLatin1String("Bin/")) || stRelative == QLatin1String("Bin"))
            continue;
        if (fi.permissions() & fOthers)
            sl << stRelative + QStringLiteral(" (%1)").arg(int(fi.permissions() & fOthers), 0, 16);
    }
    return sl;
}

bool TclsTestInstallation::fnbWriteFile(const QString &stRelative,
                                        const QByteArray &baContent) const {
    QFile file(fnstPath(stRelative));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(baContent) == baContent.size();
}

bool TclsTestInstallation::fnbCopyBuiltLibrary(const QString &stBuilt, const QString &stAs) const {
    const QString stTarget = fnstPath(QStringLiteral("Bin/") + (stAs.isEmpty() ? stBuilt : stAs));
    QFile::remove(stTarget);
    return QFile::copy(qEnvironmentVariable("WIZARD_BIN_DIR") + QLatin1Char('/') + stBuilt,
                       stTarget);
}

QByteArray TclsTestInstallation::fnbaReadFile(const QString &stRelative) const {
    QFile file(fnstPath(stRelative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TclsTestInstallation::fnbEditInstallationIni(const QByteArray &baFrom,
                                                  const QByteArray &baTo) const {
    const QString stIni = QStringLiteral("Config/Installation.ini");
    QByteArray baIni = fnbaReadFile(stIni);
    return baIni.contains(baFrom) && fnbWriteFile(stIni, baIni.replace(baFrom, baTo));
}
