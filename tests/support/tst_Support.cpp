// The support units: folders and paths, INI files, logs, the registry stand-in, dial-up peers.
#include "unitDialUpEntries.h"
#include "unitGlobalData.h"
#include "unitIniFile.h"
#include "unitLogToFile.h"
#include "unitModemRegistry.h"
#include "unitRegistry.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>

inline void PrintTo(const QString &st, std::ostream *pOut) {
    *pOut << '"' << st.toStdString() << '"';
}

namespace {
// A folder tree whose random name holds no "bin", which the folder rules would cut at.
class Support : public ::testing::Test {
protected:
    Support() {
        do
            pDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/morvane-XXXXXX");
        while (pDir->path()
                   .mid(QDir::tempPath().size())
                   .contains(QLatin1String("bin"), Qt::CaseInsensitive));
    }
    void TearDown() override { pSetExecutableDir({}); }
    QString fnstPath(const QString &stRelative) const { return pDir->path() + '/' + stRelative; }
    QString pMakeDir(const QString &stRelative) const {
        EXPECT_TRUE(QDir().mkpath(fnstPath(stRelative)));
        return fnstPath(stRelative);
    }
    QString pWriteFile(const QString &stRelative, const QByteArray &baContent) const {
        QDir().mkpath(QFileInfo(fnstPath(stRelative)).absolutePath());
        QFile objFile(fnstPath(stRelative));
        EXPECT_TRUE(objFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        objFile.write(baContent);
        return objFile.fileName();
    }

    std::unique_ptr<QTemporaryDir> pDir;
};

class TCurrentDirGuard {
public:
    explicit TCurrentDirGuard(const QString &stDir) : stPrevious(QDir::currentPath()) {
        EXPECT_TRUE(QDir::setCurrent(stDir)) << stDir.toStdString();
    }
    ~TCurrentDirGuard() { QDir::setCurrent(stPrevious); }

private:
    QString stPrevious;
};
} // namespace

TEST_F(Support, FoldersFollowTheFirstBinInTheExecutablePathOrTheCurrentDirectory) {
    const struct {
        const char *pchExeDir, *pchRoot, *pchConfig, *pchManifestLogs;
    } arrCases[] = {
        {"/opt/Client/Bin", "/opt/Client/", "/opt/Client/Config/", "/opt/Client/LOGS/"},
        // The first occurrence counts, even inside a folder name.
        {"/opt/Cabinet/Bin", "/opt/Ca/", "/opt/Ca/Config/", "/opt/CaLOGSet/Bin/"},
        // No "bin": relative to the current directory; the manifest log stays put.
        {"/srv/Morvane/Programs", "", "Config/", "/srv/Morvane/Programs/"},
    };
    for (const auto &objCase : arrCases) {
        SCOPED_TRACE(objCase.pchExeDir);
        pSetExecutableDir(QString::fromUtf8(objCase.pchExeDir));
        EXPECT_EQ(fnstExecutableRoot(), QString::fromUtf8(objCase.pchRoot));
        EXPECT_EQ(fnstConfigDir(), QString::fromUtf8(objCase.pchConfig));
        EXPECT_EQ(fnstLogsDir(), QString::fromUtf8(objCase.pchRoot) + "Logs/");
        EXPECT_EQ(fnstManifestLogDir(), QString::fromUtf8(objCase.pchManifestLogs));
    }
    for (const auto &[pchCurrent, pchBase] :
         {std::pair{"Client/bin/tools", "Client//tools"}, {"Cabinet/Bin", "Caet/Bin"}}) {
        const TCurrentDirGuard objGuard(pMakeDir(QString::fromUtf8(pchCurrent)));
        EXPECT_EQ(fnstWorkingBase(), fnstPath(QString::fromUtf8(pchBase))) << pchCurrent;
    }
}

TEST_F(Support, ResolvePathMatchesExistingEntriesIgnoringCase) {
    pWriteFile("Client/Config/Installation.ini", {});
    pMakeDir("Client/InfoFiles");
    pMakeDir("Client/Data");
    pMakeDir("Client/data");
    const TCurrentDirGuard objGuard(pMakeDir("Client/Bin"));
    const struct {
        QString stInput, stExpected;
    } arrCases[] = {
        {"..\\CONFIG\\installation.INI", "../Config/Installation.ini"},
        {"../bin/../CONFIG", "../Bin/../Config"},
        // Of two entries differing only in case, the one spelled alike is taken.
        {"../data/x", "../data/x"},
        {"../Data/x", "../Data/x"},
        // What does not exist is kept as written, and so is everything after it.
        {"..\\Config\\Missing\\INSTALLATION.ini", "../Config/Missing/INSTALLATION.ini"},
        // The information folder of the working base carries a doubled separator.
        {fnstWorkingBase() + "/infofiles", fnstPath("Client/InfoFiles")},
    };
    for (const auto &objCase : arrCases)
        EXPECT_EQ(fnstResolvePath(objCase.stInput), objCase.stExpected)
            << objCase.stInput.toStdString();
}

TEST_F(Support, IniFilesFollowPrivateProfileRules) {
    const QString stFile = pWriteFile(
        "Config/Installation.ini", "\xEF\xBB\xBF[Log]\r\n"
                                   "FileName=  \"Wizard\"  \r\n"
                                   "[INSTALLATION_INFO]\r\n"
                                   "LANGUAGE='Fran\xC3\xA7\x61is'\r\n"
                                   "WORKSTATION_ID=WKST01\r\nworkstation_id=SECOND\r\n"
                                   "DATABASE_PATH=..\\Database ; not a comment\r\n"
                                   "Quoted=\"a\"b\"\r\nMismatched=\"abc'\r\n"
                                   "   Indented = a=b\r\n# Hash=1\r\nNoEquals\r\n"
                                   "[EmptySection]\r\n"
                                   "[Numbers] trailing words\r\n"
                                   "Hex=0x1F\nDollar=$10\nAllOnes=0xFFFFFFFF\nTooBig=2147483648\n"
                                   "Lowest=-2147483648\nTrailing=12abc\nTrue=tRuE\nYes=yes\n"
                                   "[log]\r\nExtra=only in the second Log section\r\n");
    const TclsIniFile objIni(fnstPath("CONFIG/installation.INI"));
    EXPECT_EQ(objIni.fnstFileName(), stFile);
    const struct {
        const char *pchSection, *pchKey, *pchExpected;
    } arrStrings[] = {
        {"Log", "FileName", "Wizard"},
        {"installation_info", "Language", "Fran\u00E7ais"},
        {"INSTALLATION_INFO", "WORKSTATION_ID", "WKST01"},
        {"INSTALLATION_INFO", "DATABASE_PATH", "..\\Database ; not a comment"},
        {"INSTALLATION_INFO", "Quoted", "a\"b"},
        {"INSTALLATION_INFO", "Indented", "a=b"},
        // Comments, lines without "=", a second section of the same name: the default.
        {"INSTALLATION_INFO", "# Hash", "<default>"},
        {"Log", "Extra", "<default>"},
    };
    for (const auto &objCase : arrStrings)
        EXPECT_EQ(objIni.fnstReadString(objCase.pchSection, objCase.pchKey, "<default>"),
                  QString::fromUtf8(objCase.pchExpected))
            << objCase.pchKey;
    EXPECT_EQ(objIni.fnslSections(),
              QStringList({"Log", "INSTALLATION_INFO", "EmptySection", "Numbers"}));
    EXPECT_EQ(objIni.fnslSectionKeys("installation_info"),
              QStringList({"LANGUAGE", "WORKSTATION_ID", "DATABASE_PATH", "Quoted", "Mismatched",
                           "Indented"}));
    EXPECT_FALSE(objIni.fnbSectionExists("EmptySection"));
    const struct {
        const char *pchKey;
        qint32 iInteger; // read with default -99
        bool bBool;      // read with default false
    } arrNumbers[] = {
        {"Hex", 31, true},      {"Dollar", 16, true},      {"AllOnes", -1, true},
        {"TooBig", -99, false}, {"Lowest", INT_MIN, true}, {"Trailing", -99, false},
        {"True", -99, true},    {"Yes", -99, false},
    };
    for (const auto &objCase : arrNumbers) {
        EXPECT_EQ(objIni.fniReadInteger("Numbers", objCase.pchKey, -99), objCase.iInteger)
            << objCase.pchKey;
        EXPECT_EQ(objIni.fnbReadBool("Numbers", objCase.pchKey, false), objCase.bBool)
            << objCase.pchKey;
    }
    EXPECT_EQ(TclsIniFile(fnstPath("none.ini")).fniReadInteger("Log", "Severity", 3), 3);
}

namespace {
class LogToFile : public Support {
protected:
    void SetUp() override { pSetExecutableDir(stBin); }
    void pWriteConfig(const QString &stName, const QByteArray &baContent) {
        pWriteFile("Client/Config/" + stName, baContent);
    }
    QStringList fnslLines(const QString &stFile) {
        QFile objFile(stFile);
        const QByteArray baContent = objFile.open(QIODevice::ReadOnly) ? objFile.readAll() : "";
        EXPECT_TRUE(baContent.isEmpty() || baContent.endsWith("\r\n"));
        return QString::fromUtf8(baContent).split("\r\n", Qt::SkipEmptyParts);
    }
    // Across midnight either day is accepted.
    static bool fnbDatedName(const QString &stFileName, const QString &stPrefix,
                             const QDate &objBefore) {
        for (const QDate &objDate : {objBefore, QDate::currentDate()})
            if (stFileName == stPrefix + objDate.toString("ddMMyyyy") + ".log")
                return true;
        return false;
    }

    const QString stBin = pMakeDir("Client/Bin");
    const QString stLogs = pMakeDir("Client/Logs");
    const TCurrentDirGuard objCurrent{stBin};
};
} // namespace

TEST_F(LogToFile, WritesFromTheConfiguredSeverityOnInTheLineFormat) {
    // The global logger is built before the configuration exists: it stays off.
    pReplaceGlobalLogger(std::make_unique<TclsLogToFile>());
    pWriteLog(4, "unitTest", "pRun", "not configured yet");
    pWriteConfig("Installation.ini", "[Log]\r\nLogging=True\r\nSeverity=2\r\n");
    const QDate objToday = QDate::currentDate();
    const TclsLogToFile objLog;
    EXPECT_TRUE(fnbDatedName(objLog.FileName, stLogs + "/Morvane_", objToday));
    objLog.pWriteLog(1, "unitRWSenders", "fnstValidate", "Invalid sender code");
    EXPECT_FALSE(QFile::exists(objLog.FileName)) << "a level below Severity creates no file";
    objLog.pWriteLog(4, "unitRegistrationWizard", "FormCreate", "Caf\u00E9 | closing");
    const QStringList slLines = fnslLines(objLog.FileName);
    ASSERT_EQ(slLines.size(), 1);
    EXPECT_TRUE(slLines.at(0).endsWith(
        "|Severity Level 4|Unit unitRegistrationWizard|Process FormCreate|Caf\u00E9 | closing"));
    // Every unit writes through the global logger, which the main form replaces.
    pReplaceGlobalLogger(std::make_unique<TclsLogToFile>());
    pWriteLog(3, "unitTest", "pRun", "through the global logger");
    EXPECT_EQ(fnslLines(objLog.FileName).size(), 2);
}

// "Logging Severity" as read from Installation.ini, else module_details.ini.
TEST_F(LogToFile, ConfigurationFileAndDefaults) {
    const auto fnstRead = [this](const char *pchInstallation, const char *pchModuleDetails) {
        QDir(fnstPath("Client/Config")).removeRecursively();
        if (pchInstallation)
            pWriteConfig("INSTALLATION.INI", pchInstallation);
        if (pchModuleDetails)
            pWriteConfig("module_details.ini", pchModuleDetails);
        const TclsLogToFile objLog;
        return QStringLiteral("%1 %2").arg(int(objLog.Logging)).arg(objLog.Severity);
    };
    EXPECT_EQ(fnstRead(nullptr, nullptr), "0 3");
    EXPECT_EQ(fnstRead(nullptr, "[Log]\nLogging=0x1\n"), "1 3");
    EXPECT_EQ(fnstRead("[Other]\n", "[Log]\nLogging=1\n"), "0 0");
}

TEST_F(LogToFile, FileNameCompletion) {
    const QDate objToday = QDate::currentDate();
    pWriteConfig("Installation.ini", "[Log]\nLogging=true\nFileName=\"  \"");
    EXPECT_TRUE(fnbDatedName(TclsLogToFile().FileName, stLogs + "/Morvane_", objToday));
    const QString stTemp = pMakeDir("Temp");
    pWriteConfig("Installation.ini",
                 "[Log]\nLogging=true\nFileName=" + stTemp.toUtf8().replace('/', '\\') + "\\trace");
    EXPECT_EQ(TclsLogToFile().FileName, stTemp + "/trace.log");
    // The translation unit's logger brings its own base name.
    pWriteConfig("Installation.ini", "[Log]\nLogging=true\nFileName=Wizard\n");
    EXPECT_TRUE(
        fnbDatedName(TclsLogToFile(" Translator ").FileName, stLogs + "/Translator_", objToday));
}

namespace {
const QString stModems = cstModemClassKey;
const QString stLocation = "SOFTWARE\\Telephony\\Locations\\Location1";
constexpr TRootKey eLM = TRootKey::HKEY_LOCAL_MACHINE;
constexpr TRootKey eCU = TRootKey::HKEY_CURRENT_USER;

// A modem class key's section, as registry.ini holds it.
QByteArray fnbaModemKey(const char *pchKey, const char *pchName, const char *pchDevice) {
    return "[HKEY_LOCAL_MACHINE\\" + stModems.toLatin1() + "\\" + pchKey + "]\r\n" +
           "FriendlyName=" + pchName + "\r\nAttachedTo=" + pchDevice + "\r\n";
}

class Registry : public Support {
protected:
    const QString stBin = pMakeDir("Client/Bin");
    const QString stFile = pWriteFile(
        "Client/config/REGISTRY.ini",
        fnbaModemKey("0012", "Hayes Optima", "/dev/pts/7") +
            fnbaModemKey("0003", "\" USB Modem \"", "/dev/ttyUSB0") +
            fnbaModemKey("0000", "Standard Modem", "/dev/ttyS0") +
            fnbaModemKey("0005", "\"  \"", "/dev/ttyS5") +
            fnbaModemKey("0025", "Last", "/dev/ttyS3") +
            fnbaModemKey("0026", "Beyond The Last Key", "/dev/ttyS9") +
            fnbaModemKey("12", "Not Four Digits", "/dev/ttyS8") +
            // Written loosely: short root, other case, doubled and trailing separators.
            "[HKLM\\" + stModems.toLower().toLatin1() + "\\\\0020\\]\r\n" +
            "FriendlyName=USB Modem\r\nAttachedTo=/dev/ttyACM0\r\n" +
            // Only a subkey names 0007: the key exists, without values of its own.
            "[HKEY_LOCAL_MACHINE\\" + stModems.toLatin1() + "\\0007\\Settings]\r\nInit=ATZ\r\n" +
            "[HKEY_LOCAL_MACHINE\\" + stLocation.toLatin1() + "]\n" +
            "Flags=DWORD:0000000c\nAllOnes=dword:ffffffff\nBadDword=dword:10000000z\n"
            "OutsideAccess=9\nBytes=hex:01,02,ff\nBadHex=hex:1,100\n"
            "[HKEY_CURRENT_USER\\Software\\Zorvline\\Morvane]\n"
            "Application path=C:\\Morvane\n"
            "[HKEY_CLASSES_ROOT\\Software\\Zorvline\\Morvane]\n"
            "Application path=not a root this program reads\n");
};
} // namespace

TEST_F(Registry, TypedValuesUnderLooselyWrittenKeys) {
    pSetExecutableDir(stBin);
    const TclsRegistry objRegistry; // Config/registry.ini, found ignoring case
    const struct {
        TRootKey eRoot;
        QString stKey;
        const char *pchName;
        std::optional<QString> optString;
        std::optional<qint32> optInteger;
        std::optional<QByteArray> optBinary;
    } arrCases[] = {
        {eLM, stModems.toUpper() + "\\\\0020\\", "friendlyname", "USB Modem", {}, {}},
        {eCU, "\\Software\\Zorvline\\Morvane", "Application path", "C:\\Morvane", {}, {}},
        {eLM, stLocation, "Flags", {}, 12, {}},
        {eLM, stLocation, "AllOnes", {}, -1, {}},
        {eLM, stLocation, "BadDword", {}, {}, {}},
        {eLM, stLocation, "Bytes", {}, {}, QByteArray("\x01\x02\xff", 3)},
        {eLM, stLocation, "BadHex", {}, {}, {}},
        {eCU, stModems + "\\0012", "FriendlyName", {}, {}, {}},
    };
    for (const auto &objCase : arrCases) {
        SCOPED_TRACE(objCase.stKey.toStdString() + " / " + objCase.pchName);
        EXPECT_EQ(objRegistry.fnstReadString(objCase.eRoot, objCase.stKey, objCase.pchName),
                  objCase.optString);
        EXPECT_EQ(objRegistry.fniReadInteger(objCase.eRoot, objCase.stKey, objCase.pchName),
                  objCase.optInteger);
        EXPECT_EQ(objRegistry.fnbaReadBinary(objCase.eRoot, objCase.stKey, objCase.pchName),
                  objCase.optBinary);
    }

    pSetExecutableDir(pMakeDir("Empty/Bin"));
    EXPECT_EQ(TclsRegistry().fnstReadString(eLM, stModems + "\\0020", "FriendlyName"),
              std::nullopt);
    EXPECT_TRUE(fnarInstalledModems().empty()) << "no registry file, no modems";
}

// The class keys from 0000 to 0025 count, in key order.
TEST_F(Registry, InstalledModemsAndTheirDevices) {
    pSetExecutableDir(stBin);
    QStringList slModems;
    for (const TrecInstalledModem &rec : fnarInstalledModems())
        slModems << QStringLiteral("%1:%2:%3")
                        .arg(rec.iKeyNumber)
                        .arg(rec.stFriendlyName, rec.stAttachedTo);
    EXPECT_EQ(slModems.join(u'|'), "0:Standard Modem:/dev/ttyS0|3: USB Modem :/dev/ttyUSB0|"
                                   "5:  :/dev/ttyS5|7::|12:Hayes Optima:/dev/pts/7|"
                                   "20:USB Modem:/dev/ttyACM0|25:Last:/dev/ttyS3");
    const struct {
        const char *pchName, *pchDevice;
    } arrCases[] = {
        {"Standard Modem ", "/dev/ttyS0"},
        // The first of two modems of one name, blanks around the name aside.
        {"USB Modem", "/dev/ttyUSB0"},
        {"hayes optima", ""},
        // A blank name is no modem, not the one registered without a name.
        {" ", ""},
    };
    for (const auto &objCase : arrCases)
        EXPECT_EQ(fnstModemDevice(QLatin1String(objCase.pchName)), QLatin1String(objCase.pchDevice))
            << objCase.pchName;
}

TEST_F(Registry, BrowserProxyFromRegistryOrEnvironment) {
    const TclsRegistry objWith(pWriteFile(
        "with.ini", "[HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]\n"
                    "ProxyServer=http=corp:8080\n"));
    const struct {
        QList<std::pair<const char *, const char *>> lstEnvironment;
        QString stExpected;
    } arrCases[] = {
        {{{"http_proxy", "http://robin:p@ss@proxy.local:3128/"},
          {"https_proxy", "https://secure.local:443"},
          {"ftp_proxy", "ftp://ftp.local:21/x/"}},
         "http=proxy.local:3128;https=secure.local:443;ftp=ftp.local:21"},
        {{{"all_proxy", "http://gate:8000/"}}, "gate:8000"},
        {{{"ALL_PROXY", "socks.local:1080"}, {"https_proxy", "s:2"}},
         "https=s:2;http=socks.local:1080;ftp=socks.local:1080"},
    };
    const char *arrNames[] = {"http_proxy", "https_proxy", "ftp_proxy", "all_proxy",
                              "HTTP_PROXY", "HTTPS_PROXY", "FTP_PROXY", "ALL_PROXY"};
    for (const auto &objCase : arrCases) {
        for (const char *pchName : arrNames)
            qunsetenv(pchName);
        for (const auto &[pchName, pchValue] : objCase.lstEnvironment)
            qputenv(pchName, pchValue);
        EXPECT_EQ(TclsRegistry(stFile).fnstBrowserProxyServer(), objCase.stExpected);
        EXPECT_EQ(objWith.fnstBrowserProxyServer(), "http=corp:8080");
    }
    for (const char *pchName : arrNames)
        qunsetenv(pchName);
}

TEST_F(Support, DialUpEntriesAreThePeerFilesSortedWithoutHiddenBackupsOrFolders) {
    pWriteFile("peers/provider", "/dev/ttyS0 115200\n");
    pWriteFile("peers/Office ISDN", "");
    pWriteFile("peers/dsl-provider", "");
    pWriteFile("peers/provider~", "");
    pWriteFile("peers/.hidden", "");
    pMakeDir("peers/chatscripts");
    qputenv("MORVANE_PPP_PEERS_DIR", fnstPath("peers").toUtf8());
    EXPECT_EQ(fnslDialUpEntries(), (QStringList{"Office ISDN", "dsl-provider", "provider"}));
    qunsetenv("MORVANE_PPP_PEERS_DIR");
}
