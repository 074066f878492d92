// Loading a companion library with dlopen.
#include "unitCompanionLibrary.h"

#include "unitGlobalData.h"
#include "unitLogToFile.h"

#include <QDir>
#include <QFile>

#include <dlfcn.h>

TclsCompanionLibrary::TclsCompanionLibrary(const QString &stFileName, const QString &stUnit)
    : stUnit(stUnit) {
    pHandle = dlopen(QFile::encodeName(fnstPathOf(stFileName)).constData(), RTLD_NOW | RTLD_LOCAL);
    if (pHandle)
        return;
    const char *pchError = dlerror();
    stError = QString::fromLocal8Bit(pchError ? pchError : "");
    if (!stUnit.isEmpty())
        pWriteLog(2, stUnit, QStringLiteral("TclsCompanionLibrary"),
                  QStringLiteral("ERROR : Loading ") + stFileName + QStringLiteral(" : ") +
                      stError);
}

TclsCompanionLibrary::~TclsCompanionLibrary() {
    if (pHandle)
        dlclose(pHandle);
}

QString TclsCompanionLibrary::fnstPathOf(const QString &stFileName) {
    return fnstResolvePath(QDir(fnstExecutableDir()).filePath(stFileName));
}

void *TclsCompanionLibrary::fnpSymbol(const char *pchName) const {
    return pHandle ? dlsym(pHandle, pchName) : nullptr;
}

void *TclsCompanionLibrary::fnpEntryPoint(const char *pchName) const {
    void *p = fnpSymbol(pchName);
    if (pHandle && !p && !stUnit.isEmpty())
        pWriteLog(2, stUnit, QStringLiteral("fnpEntryPoint"),
                  QStringLiteral("ERROR : No entry point ") + QLatin1String(pchName));
    return p;
}
