// Loading the phone-number library and calling it.
#include "UnitLibPhonenumberAccess.h"

#include "LibphonenumberMorvane.h"
#include "unitCommonBusinessFunctions.h"
#include "unitCompanionLibrary.h"
#include "unitGlobalData.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitPhoneStrings.h"

#include <QFile>
#include <QFileInfo>

#include <exception>
#include <memory>
#include <stdexcept>

namespace {
const QString cstUnit = QStringLiteral("UnitLibPhonenumberAccess");
const QString cstLibraryName = QStringLiteral("libLibphonenumberMorvane.so");
const QString cstBadNumber = QStringLiteral("BAD NUMBER");

struct TrecPhoneLibrary {
    std::unique_ptr<TclsCompanionLibrary> objLibrary;
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

void pResolveEntryPoints(TrecPhoneLibrary &rec) {
    const TclsCompanionLibrary &obj = *rec.objLibrary;
    obj.pResolve("GetToday", rec.pfnGetToday);
    obj.pResolve("ExtractPossibleNumber", rec.pfnExtractPossibleNumber);
    obj.pResolve("BuildMetadataFromXml", rec.pfnBuildMetadataFromXml);
    obj.pResolve("GetCountryPrefixList", rec.pfnGetCountryPrefixList);
    obj.pResolve("ValidatePhoneNumber", rec.pfnValidatePhoneNumber);
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
    if (rec.objLibrary)
        return true;
    // No file is no module: every check then goes to the rule table.
    if (!QFileInfo::exists(TclsCompanionLibrary::fnstPathOf(cstLibraryName)))
        return true;
    auto objLibrary = std::make_unique<TclsCompanionLibrary>(cstLibraryName);
    if (!objLibrary->fnbLoaded()) {
        pLog(3, QStringLiteral("fnbLoadLibPhonenumberDLL"), objLibrary->fnstError());
        fniMessageDlg(fnstRS(rsDLLNotLoaded), fnstRS(rsPhoneWarningCaption), {fnstRS(rsPhoneOK)},
                      fnstRS(rsPhoneOK), mikWarning);
        return false;
    }
    rec.objLibrary = std::move(objLibrary);
    pResolveEntryPoints(rec);
    return true;
}

bool fnbLibPhonenumberDLLLoaded() {
    return grecLibrary().objLibrary != nullptr;
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
