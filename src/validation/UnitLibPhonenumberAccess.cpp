// Loading the phone-number library with dlopen and calling it.
#include "UnitLibPhonenumberAccess.h"

#include "LibphonenumberMorvane.h"
#include "unitCommonBusinessFunctions.h"
#include "unitGlobalData.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitPhoneStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

#include <exception>
#include <stdexcept>

namespace {
const QString cstUnit = QStringLiteral("UnitLibPhonenumberAccess");
const QString cstLibraryName = QStringLiteral("libLibphonenumberMorvane.so");
const QString cstBadNumber = QStringLiteral("BAD NUMBER");

struct TrecPhoneLibrary {
    void *pHandle = nullptr;
    TpfnGetToday pfnGetToday = nullptr;
    TpfnExtractPossibleNumber pfnExtractPossibleNumber = nullptr;
    TpfnBuildMetadataFromXml pfnBuildMetadataFromXml = nullptr;
    TpfnGetCountryPrefixList pfnGetCountryPrefixList = nullptr;
    TpfnValidatePhoneNumber pfnValidatePhoneNumber = nullptr;
    bool bMetadataAvailable = false;
};

TrecPhoneLibrary &grecLibrary() {
    static TrecPhoneLibrary rec;
    return rec;
}

template <class TFunction> void pResolve(void *pHandle, const char *pchName, TFunction &pfn) {
    pfn = reinterpret_cast<TFunction>(dlsym(pHandle, pchName));
}

void pResolveEntryPoints(TrecPhoneLibrary &rec) {
    pResolve(rec.pHandle, "GetToday", rec.pfnGetToday);
    pResolve(rec.pHandle, "ExtractPossibleNumber", rec.pfnExtractPossibleNumber);
    pResolve(rec.pHandle, "BuildMetadataFromXml", rec.pfnBuildMetadataFromXml);
    pResolve(rec.pHandle, "GetCountryPrefixList", rec.pfnGetCountryPrefixList);
    pResolve(rec.pHandle, "ValidatePhoneNumber", rec.pfnValidatePhoneNumber);
}

void pLog(int iLevel, const QString &stMethod, const QString &stText) {
    pWriteLog(iLevel, cstUnit, stMethod, stText);
}

// The library's answer; an empty text when it has no such entry point. The
// library lets nothing escape, but a damaged one may still fail in here.
QString fnstAskLibrary(const QString &stPhoneNumber, int iPrefix, const QString &stRegionCode) {
    const TpfnValidatePhoneNumber pfn = grecLibrary().pfnValidatePhoneNumber;
    if (!pfn)
        return {};
    const QByteArray baNumber = stPhoneNumber.toUtf8();
    const QByteArray baRegion = stRegionCode.toUtf8();
    const char *pchAnswer = pfn(baNumber.constData(), iPrefix, baRegion.constData());
    return pchAnswer ? QString::fromUtf8(pchAnswer) : QString();
}
} // namespace

bool fnbLoadLibPhonenumberDLL() {
    TrecPhoneLibrary &rec = grecLibrary();
    if (rec.pHandle)
        return true;
    const QString stPath = fnstResolvePath(QDir(fnstExecutableDir()).filePath(cstLibraryName));
    // No file is no module: every check then goes to the rule table.
    if (!QFileInfo::exists(stPath))
        return true;
    rec.pHandle = dlopen(QFile::encodeName(stPath).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!rec.pHandle) {
        const char *pchError = dlerror();
        pLog(3, QStringLiteral("fnbLoadLibPhonenumberDLL"),
             QString::fromLocal8Bit(pchError ? pchError : ""));
        fniMessageDlg(fnstRS(rsDLLNotLoaded), fnstRS(rsPhoneWarningCaption), {fnstRS(rsPhoneOK)},
                      fnstRS(rsPhoneOK), mikWarning);
        return false;
    }
    pResolveEntryPoints(rec);
    return true;
}

bool fnbLibPhonenumberDLLLoaded() {
    return grecLibrary().pHandle != nullptr;
}

bool BuildMetadataFromXml() {
    const QString stMethod = QStringLiteral("BuildMetadataFromXml");
    TrecPhoneLibrary &rec = grecLibrary();
    try {
        const QString stPath = fnstResolvePath(
            fnstExecutableDir() + QStringLiteral("\\..\\Config\\PhoneNumberMetadata.xml"));
        pLog(0, stMethod, QStringLiteral("Loading file : ") + stPath);
        pLog(0, stMethod, QStringLiteral("Looking for Metadata file : ") + stPath);
        if (!QFileInfo::exists(stPath)) {
            pLog(0, stMethod,
                 QStringLiteral("Phone Number Metadata file NOT FOUND. Phone Number validations "
                                "will not be performed."));
            rec.bMetadataAvailable = false;
            return false;
        }
        pLog(0, stMethod, QStringLiteral("Building Phone Number Data from Metadata XML."));
        if (fnbLoadLibPhonenumberDLL() && rec.pfnBuildMetadataFromXml)
            rec.pfnBuildMetadataFromXml(QFile::encodeName(stPath).constData());
        rec.bMetadataAvailable = true;
    } catch (const std::exception &e) {
        pLog(3, stMethod,
             QStringLiteral("EXCEPTION in loading Metadata : ") + QString::fromLocal8Bit(e.what()));
    }
    return rec.bMetadataAvailable;
}

bool fnbPhoneMetadataAvailable() {
    return grecLibrary().bMetadataAvailable;
}

QString ValidatePhoneNumber(const QString &stPhoneNumber, int iPrefix,
                            const QString &stRegionCode) {
    const QString stMethod = QStringLiteral("ValidatePhoneNumber");
    pLog(0, stMethod,
         QStringLiteral("Function: %1. stPhoneNumber:%2 iPrefix:%3 stRegionCode:%4")
             .arg(QStringLiteral("Start"), stPhoneNumber, QString::number(iPrefix), stRegionCode));
    QString stResult;
    QString stException;
    const bool bUsable = fnbLoadLibPhonenumberDLL();
    // Kosovo's 383 is checked against the rule table only.
    if (bUsable && iPrefix != 383) {
        try {
            stResult = fnstAskLibrary(stPhoneNumber, iPrefix, stRegionCode);
        } catch (const std::exception &e) {
            stException = QString::fromLocal8Bit(e.what()).toUpper();
            pLog(3, stMethod, QStringLiteral("Exception: %1").arg(stException));
        }
    }
    const bool bForeignException = stException.contains(QLatin1String("EXTERNAL")) &&
                                   stException.contains(QLatin1String("E06D7363"));
    if (bUsable && (stResult.isEmpty() || bForeignException)) {
        QString stNumber = stPhoneNumber;
        stNumber.remove(QLatin1Char('+') + QString::number(iPrefix));
        stResult = fnbValidateCountryPhoneMobileViaRegex(stNumber, iPrefix, stRegionCode);
    }
    pLog(0, stMethod,
         QStringLiteral("Function: %1. Result: %2").arg(QStringLiteral("End"), stResult));
    if (stResult == cstBadNumber && !stException.isEmpty())
        throw std::runtime_error(stException.toStdString());
    return stResult;
}

QString fnstGetCountryPrefixList() {
    if (!fnbLoadLibPhonenumberDLL())
        return {};
    const TpfnGetCountryPrefixList pfn = grecLibrary().pfnGetCountryPrefixList;
    const char *pchList = pfn ? pfn() : nullptr;
    return pchList ? QString::fromUtf8(pchList) : QString();
}

void pResetLibPhonenumberAccess() {
    grecLibrary() = TrecPhoneLibrary{};
}
