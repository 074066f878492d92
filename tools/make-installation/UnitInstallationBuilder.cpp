// Building an installation tree.
#include "UnitInstallationBuilder.h"
#include "unitFileModes.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitHelpTopics.h"
#include "UnitPhoneMetadataXml.h"
#include "UnitPhoneRules.h"
#include "UnitPostcodeRules.h"
#include "UnitSchema.h"
#include "UnitServerDatabase.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <map>

namespace {
const QStringList cslFolders = {QStringLiteral("Bin"),       QStringLiteral("Config"),
                                QStringLiteral("InfoFiles"), QStringLiteral("Images"),
                                QStringLiteral("Help"),      QStringLiteral("Logs"),
                                QStringLiteral("Backup"),    QStringLiteral("Database"),
                                QStringLiteral("TempData"),  QStringLiteral("EmailData")};

using TIniSections = std::vector<std::pair<QString, std::vector<std::pair<QString, QString>>>>;

bool fnbWriteFile(const QString &stFile, const QByteArray &baContent, QString &stError) {
    QFile file(stFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(baContent) != baContent.size()) {
        stError = QStringLiteral("cannot write %1").arg(stFile);
        return false;
    }
    return true;
}

// INI text as a Windows installation writes it: CR LF line ends.
QByteArray fnbaIniText(const TIniSections &arSections, const QStringList &slOmit) {
    QByteArray ba;
    for (const auto &[stSection, arKeys] : arSections) {
        if (slOmit.contains(stSection))
            continue;
        ba += "[" + stSection.toUtf8() + "]\r\n";
        for (const auto &[stKey, stValue] : arKeys)
            if (!slOmit.contains(stSection + QLatin1Char('/') + stKey))
                ba += stKey.toUtf8() + "=" + stValue.toUtf8() + "\r\n";
        ba += "\r\n";
    }
    return ba;
}

// A modem class key as Windows writes it: the device control block holds the
// port's speed (9600 baud) at byte 4.
std::pair<QString, std::vector<std::pair<QString, QString>>>
fnrecModemKey(const TrecInstallationOptions &rec) {
    return {
        QStringLiteral("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-"
                       "E325-11CE-BFC1-08002BE10318}\\0000"),
        {{QStringLiteral("FriendlyName"), rec.recSeed.stModemName},
         {QStringLiteral("AttachedTo"), rec.stModemDevice},
         {QStringLiteral("DCB"), QStringLiteral("hex:1c,00,00,00,80,25,00,00,11,00,00,00,00,00,"
                                                "00,00,00,00,00,00,00,00,00,00,00,00,00,00")}}};
}

// [DATABASE] names the server's database; no password is ever written here.
void pAddDatabaseSection(TIniSections &arInstallation, const TrecDatabaseSettings &rec) {
    if (!rec.fnbPostgreSQL())
        return;
    std::vector<std::pair<QString, QString>> arKeys{
        {QStringLiteral("DRIVER"), QString::fromLatin1(cstDriverPostgreSQL)}};
    const std::pair<const char *, QString> arOptional[] = {
        {"HOST", rec.stHost},
        {"PORT", rec.iPort > 0 ? QString::number(rec.iPort) : QString()},
        {"NAME", rec.stName},
        {"USER", rec.stUser},
        {"PASSWORD_FILE", rec.stPasswordFile},
        {"SSLMODE", rec.stSslMode},
        {"SSLROOTCERT", rec.stSslRootCert}};
    for (const auto &[pchKey, stValue] : arOptional)
        if (!stValue.isEmpty())
            arKeys.emplace_back(QString::fromLatin1(pchKey), stValue);
    arInstallation.push_back({QStringLiteral("DATABASE"), arKeys});
}

bool fnbWriteConfig(const QDir &dirRoot, const TrecInstallationOptions &rec, QString &stError) {
    const QString stLog = rec.bLogging ? QStringLiteral("True") : QStringLiteral("False");
    TIniSections arInstallation = {
        {QStringLiteral("Log"),
         {{QStringLiteral("Severity"), QStringLiteral("0")},
          {QStringLiteral("Logging"), stLog},
          {QStringLiteral("FileName"), QStringLiteral("RegistrationWizard")}}},
        {QStringLiteral("INSTALLATION_INFO"),
         {{QStringLiteral("INSTALLATION_LANGUAGE"), rec.stLanguage},
          {QStringLiteral("WORKSTATION_ID"), rec.stWorkstationId},
          {QStringLiteral("VERSION"), QStringLiteral("5.01.02")},
          {QStringLiteral("INSTALLATION_TYPE"), QStringLiteral("Single User Typical")},
          {QStringLiteral("DATABASE_PATH"), QStringLiteral("..\\Database")}}},
        {QStringLiteral("SECURITY"),
         {{QStringLiteral("KEY_FILE"), QStringLiteral("..\\Config\\secrets.key")}}},
    };
    const TIniSections arModuleDetails = {
        {QStringLiteral("Log"),
         {{QStringLiteral("Severity"), QStringLiteral("3")},
          {QStringLiteral("Logging"), QStringLiteral("False")},
          {QStringLiteral("FileName"), QStringLiteral("Morvane")}}},
        {QStringLiteral("CONFIGURATION"), {{QStringLiteral("VERSION"), QStringLiteral("5.01.02")}}},
    };
    const TIniSections arUtf8 = {{QStringLiteral("RegistrationWizard"),
                                  {{QStringLiteral("UTF8Controls"), QStringLiteral("N")}}}};
    TIniSections arRegistry = {
        {QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Zorvline\\Morvane"),
         {{QStringLiteral("Application path"), QDir::toNativeSeparators(dirRoot.absolutePath())}}},
        {QStringLiteral("HKEY_LOCAL_"
                        "MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Location"
                        "s\\Location1"),
         {{QStringLiteral("Flags"), QStringLiteral("dword:00000001")},
          {QStringLiteral("OutsideAccess"), QStringLiteral("9")}}},
    };
    if (!rec.stModemDevice.isEmpty())
        arRegistry.push_back(fnrecModemKey(rec));
    if (!rec.stCAFile.isEmpty())
        arInstallation.push_back(
            {QStringLiteral("COMMUNICATION"), {{QStringLiteral("CA_FILE"), rec.stCAFile}}});
    pAddDatabaseSection(arInstallation, rec.recDatabase);
    const QString stConfig = dirRoot.filePath(QStringLiteral("Config/"));
    return fnbWriteFile(stConfig + QStringLiteral("Installation.ini"),
                        fnbaIniText(arInstallation, rec.slOmitInstallationIni), stError) &&
           fnbWriteFile(stConfig + QStringLiteral("module_details.ini"),
                        fnbaIniText(arModuleDetails, {}), stError) &&
           fnbWriteFile(stConfig + QStringLiteral("UTF8Config.ini"), fnbaIniText(arUtf8, {}),
                        stError) &&
           fnbWriteFile(stConfig + QStringLiteral("registry.ini"), fnbaIniText(arRegistry, {}),
                        stError) &&
           (!(rec.bReferenceData || rec.bPhoneMetadata) ||
            fnbWriteFile(stConfig + QStringLiteral("PhoneNumberMetadata.xml"),
                         fnbaPhoneMetadataXml(), stError));
}

bool fnbCopyResource(const QString &stName, const QString &stTarget, QString &stError) {
    QFile file(QStringLiteral(":/installation/") + stName);
    if (!file.open(QIODevice::ReadOnly)) {
        stError = QStringLiteral("missing resource %1").arg(stName);
        return false;
    }
    QByteArray ba = file.readAll();
    ba.replace("\n", "\r\n");
    return fnbWriteFile(stTarget, ba, stError);
}

bool fnbWriteInfoFiles(const QDir &dirRoot, const TrecInstallationOptions &rec, QString &stError) {
    const QString stInfo = dirRoot.filePath(QStringLiteral("InfoFiles/"));
    if (!fnbCopyResource(QStringLiteral("registrationwizard_english.ini"),
                         stInfo + QStringLiteral("registrationwizard_english.ini"), stError))
        return false;
    return !rec.bTermsFile ||
           fnbCopyResource(QStringLiteral("termsandconditions_english.txt"),
                           stInfo + QStringLiteral("termsandconditions_english.txt"), stError);
}

// The pictures message boxes and Finish use, drawn here rather than shipped.
bool fnbWriteImages(const QDir &dirRoot, QString &stError) {
    QImage imgSmiley(32, 32, QImage::Format_ARGB32);
    imgSmiley.fill(Qt::transparent);
    {
        QPainter painter(&imgSmiley);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(255, 204, 0));
        painter.setPen(QPen(Qt::black, 1.5));
        painter.drawEllipse(2, 2, 28, 28);
        painter.setBrush(Qt::black);
        painter.drawEllipse(10, 10, 3, 4);
        painter.drawEllipse(19, 10, 3, 4);
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(9, 12, 14, 12, 200 * 16, 140 * 16);
    }
    const QString stImages = dirRoot.filePath(QStringLiteral("Images/"));
    if (!imgSmiley.save(stImages + QStringLiteral("Smiley.bmp"), "BMP") ||
        !imgSmiley.save(stImages + QStringLiteral("DeskIcon.ico"), "ICO")) {
        stError = QStringLiteral("cannot write the images");
        return false;
    }
    return true;
}

bool fnbCopyBin(const QDir &dirRoot, const QString &stSource, QString &stError) {
    if (stSource.isEmpty())
        return true;
    const QDir dirSource(stSource);
    QStringList slFiles = dirSource.entryList({QStringLiteral("lib*.so")}, QDir::Files);
    slFiles << QStringLiteral("RegistrationWizard");
    for (const QString &stFile : slFiles) {
        const QString stTarget = dirRoot.filePath(QStringLiteral("Bin/") + stFile);
        QFile::remove(stTarget);
        if (!QFile::copy(dirSource.filePath(stFile), stTarget)) {
            stError = QStringLiteral("cannot copy %1 from %2").arg(stFile, stSource);
            return false;
        }
    }
    return true;
}

// The postcode formats are collected once per process and written into every
// installation: the postcode-cleaning library reads them from Config.
bool fnbWritePostcodeFormats(const QDir &dirRoot, const TrecInstallationOptions &rec,
                             QString &stError) {
    static std::map<QString, QByteArray> mapRead;
    auto it = mapRead.find(rec.recSources.stAddressDataDir);
    if (it == mapRead.end()) {
        QByteArray ba = fnbaPostcodeFormats(rec.recSources.stAddressDataDir, stError);
        if (ba.isEmpty())
            return false;
        it = mapRead.emplace(rec.recSources.stAddressDataDir, std::move(ba)).first;
    }
    return fnbWriteFile(dirRoot.filePath(QStringLiteral("Config/") + cstPostcodeFormatsFile),
                        it->second, stError);
}

// Reference data is read once per process: every test installation uses it.
const TrecReferenceData *fnpReferenceData(const TrecReferenceSources &rec, QString &stError) {
    static std::map<QString, TrecReferenceData> mapRead;
    const QString stKey =
        rec.stIsoCodesDir + u'|' + rec.stAddressDataDir + u'|' + rec.stNodeModulesDir;
    auto it = mapRead.find(stKey);
    if (it == mapRead.end()) {
        auto recData = fnrecReadReferenceData(rec, stError);
        if (!recData)
            return nullptr;
        it = mapRead.emplace(stKey, std::move(*recData)).first;
    }
    return &it->second;
}

template <class T> int fniInsertCopies(const std::vector<T> &arRows) {
    TobjarMVData objar;
    objar.reserve(arRows.size());
    for (const T &rec : arRows)
        objar.push_back(std::make_unique<T>(rec));
    return fniInsertRecord(objar);
}

bool fnbFillDatabase(const TrecInstallationOptions &rec, QString &stError) {
    int iCode = fniCreateSchema();
    for (TobjarMVData &objarRows : fnarSeedRows(rec.recSeed))
        if (iCode == 0)
            iCode = fniInsertRecord(objarRows);
    if (iCode == 0 && rec.bReferenceData) {
        const TrecReferenceData *pData = fnpReferenceData(rec.recSources, stError);
        if (!pData)
            return false;
        for (int i : {fniInsertCopies(pData->arCountries), fniInsertCopies(pData->arStates),
                      fniInsertCopies(pData->arDirectory), fniInsertCopies(pData->arEsd),
                      fniInsertCopies(pData->arPhoneRules)})
            iCode = iCode ? iCode : i;
    } else if (iCode == 0 && rec.bPhoneRules) {
        iCode = fniInsertCopies(fnarPhoneRules());
    }
    for (const QString &stTable : rec.slDropTables)
        if (iCode == 0)
            iCode = fniDropTable(stTable);
    if (iCode != 0)
        stError = QStringLiteral("the database could not be filled (code %1)").arg(iCode);
    return iCode == 0;
}

// The installation's key of the stored passwords, made with its database.
QString fnstKeyFileIn(const QDir &dirRoot) {
    return dirRoot.filePath(QStringLiteral("Config/secrets.key"));
}

bool fnbMakeServerDatabase(const QDir &dirRoot, TrecInstallationOptions rec, QString &stError) {
    if (rec.bCreateDatabase && !fnbCreateServerDatabase(rec.recDatabase, stError))
        return false;
    rec.recDatabase.stKeyFile = fnstKeyFileIn(dirRoot);
    if (!fnbConnectEmptyServerDatabase(rec.recDatabase, stError))
        return false;
    const bool bFilled = fnbFillDatabase(rec, stError);
    pDisconnectDatabase();
    return bFilled;
}

bool fnbMakeDatabase(const QDir &dirRoot, const TrecInstallationOptions &rec, QString &stError) {
    if (rec.recDatabase.fnbPostgreSQL())
        return fnbMakeServerDatabase(dirRoot, rec, stError);
    const QString stFile = dirRoot.filePath(QStringLiteral("Database/Morvane_050300.db"));
    QFile::remove(stFile);
    if (!fnbWriteFile(stFile, {}, stError))
        return false;
    TrecDatabaseSettings recSettings;
    recSettings.stDatabaseFile = stFile;
    recSettings.stKeyFile = fnstKeyFileIn(dirRoot);
    if (const int iCode = fniConnectDatabase(recSettings); iCode != 0) {
        stError = QStringLiteral("cannot open %1 (code %2)").arg(stFile).arg(iCode);
        return false;
    }
    const bool bFilled = fnbFillDatabase(rec, stError);
    pDisconnectDatabase();
    return bFilled;
}
} // namespace

// The builder lives in a static library, whose resources the linker would
// drop unless they are registered by name.
static void pRegisterResources() {
    Q_INIT_RESOURCE(installation);
}

TrecReferenceSources fnrecDefaultReferenceSources() {
    TrecReferenceSources rec;
    rec.stNodeModulesDir = QStringLiteral(WIZARD_REFDATA_DIR);
    return rec;
}

bool fnbMakeInstallation(const QString &stRoot, const TrecInstallationOptions &recOptions,
                         QString &stError) {
    pRegisterResources();
    // The database, the key file and the configuration are the client's.
    pKeepNewFilesToTheOwner();
    // A listed modem is the configured one unless the seed names another.
    TrecInstallationOptions rec = recOptions;
    if (!rec.stModemDevice.isEmpty() && rec.recSeed.stModemName.isEmpty())
        rec.recSeed.stModemName = QStringLiteral("Standard Modem");
    QDir dirRoot(stRoot);
    for (const QString &stFolder : cslFolders)
        if (!dirRoot.mkpath(stFolder)) {
            stError = QStringLiteral("cannot create %1/%2").arg(stRoot, stFolder);
            return false;
        }
    return fnbCopyBin(dirRoot, rec.stBinSource, stError) && fnbWriteConfig(dirRoot, rec, stError) &&
           fnbWritePostcodeFormats(dirRoot, rec, stError) &&
           fnbWriteInfoFiles(dirRoot, rec, stError) && fnbWriteImages(dirRoot, stError) &&
           fnbWriteHelpTopics(dirRoot.absolutePath(), stError) &&
           fnbMakeDatabase(dirRoot, rec, stError);
}
