// Test installations.
#include "UnitTestInstallation.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "unitGlobalData.h"
#include "unitLogToFile.h"
#include "UnitUserDataCacheDLLAccess.h"

#include <QDir>
#include <QFile>

namespace {
// Every test starts from a program that holds no connection, no cached rows and
// a logger of its own installation.
void pResetProgramState() {
    pDisconnectDatabase();
    fniLoadConfigDLL(0);
    pUnloadUserDLL();
}
} // namespace

TrecInstallationOptions fnrecTestOptions() {
    TrecInstallationOptions rec;
    rec.recSources = fnrecDefaultReferenceSources();
    rec.bReferenceData = false;
    return rec;
}

TclsTestInstallation::TclsTestInstallation(const TrecInstallationOptions &rec)
    : stPreviousDir(QDir::currentPath()), stPreviousExecutableDir(fnstExecutableDir()) {
    pResetProgramState();
    if (!dirRoot.isValid()) {
        stError = QStringLiteral("no temporary folder");
        return;
    }
    if (!fnbMakeInstallation(dirRoot.path(), rec, stError))
        return;
    const QString stBin = dirRoot.filePath(QStringLiteral("Bin"));
    QDir::setCurrent(stBin);
    pSetExecutableDir(stBin);
    pReplaceGlobalLogger(std::make_unique<TclsLogToFile>());
}

TclsTestInstallation::~TclsTestInstallation() {
    pResetProgramState();
    QDir::setCurrent(stPreviousDir);
    pSetExecutableDir(stPreviousExecutableDir);
    pReplaceGlobalLogger(std::make_unique<TclsLogToFile>());
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
