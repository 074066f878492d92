// Loading a companion library with dlopen.
#include "unitCompanionDLL.h"

#include "unitGlobalData.h"
#include "unitLogToFile.h"

#include <QDir>
#include <QFile>

#include <dlfcn.h>

TclsCompanionDLL::TclsCompanionDLL(const QString &stFileName, const QString &stUnit)
    : stUnit(stUnit) {
    const QString stPath = fnstResolvePath(QDir(fnstExecutableDir()).filePath(stFileName));
    pHandle = dlopen(QFile::encodeName(stPath).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!pHandle) {
        const char *pchError = dlerror();
        pWriteLog(2, stUnit, QStringLiteral("TclsCompanionDLL"),
                  QStringLiteral("ERROR : Loading ") + stFileName + QStringLiteral(" : ") +
                      QString::fromLocal8Bit(pchError ? pchError : ""));
    }
}

TclsCompanionDLL::~TclsCompanionDLL() {
    if (pHandle)
        dlclose(pHandle);
}

void *TclsCompanionDLL::fnpEntryPoint(const char *pchName) const {
    void *p = pHandle ? dlsym(pHandle, pchName) : nullptr;
    if (pHandle && !p)
        pWriteLog(2, stUnit, QStringLiteral("fnpEntryPoint"),
                  QStringLiteral("ERROR : No entry point ") + QLatin1String(pchName));
    return p;
}
