// The registry stand-in: typed values, key paths written loosely, subkeys, and
// the browser proxy with its fallback to the environment.
#include "tstSupportHelpers.h"
#include "unitGlobalData.h"
#include "unitRegistry.h"

#include <optional>

namespace {

const QByteArray baRegistryIni =
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D}\\0000]\n"
    "FriendlyName=Standard Modem\n"
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D}\\0012]\n"
    "FriendlyName=\"USB Modem\"\n"
    "[HKLM\\system\\CurrentControlSet\\Control\\Class\\{4d36e96d}\\0012\\Settings]\n"
    "Init=ATZ\n"
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D}\\\\0003\\]\n"
    "FriendlyName=Third\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Telephony\\Locations\\Location1]\n"
    "Flags=DWORD:0000000c\nAllOnes=dword:ffffffff\nBadDword=dword:10000000z\n"
    "OutsideAccess=9\nBytes=hex:01,02,ff\nEmpty=hex:\nBadHex=hex:1,100\n"
    "[HKEY_CURRENT_USER\\Software\\Zorvline\\Morvane]\n"
    "Application path=C:\\Morvane\n"
    "[HKEY_CLASSES_ROOT\\Software\\Zorvline\\Morvane]\n"
    "Application path=not a root this program reads\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Zorvline\\Morvane]\n"
    "Application path=/opt/Morvane\n";

const QString stModems = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D}";
const QString stLocation = "SOFTWARE\\Telephony\\Locations\\Location1";
constexpr TRootKey eLM = TRootKey::HKEY_LOCAL_MACHINE;
constexpr TRootKey eCU = TRootKey::HKEY_CURRENT_USER;

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { pSetExecutableDir({}); }
    TTempTree objTree;
    const QString stBin = objTree.pMakeDir("Client/Bin");
    const QString stFile = objTree.pWriteFile("Client/config/REGISTRY.ini", baRegistryIni);
};

TEST_F(RegistryTest, TypedValuesUnderLooselyWrittenKeys) {
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
        {eLM, stModems + "\\0012", "friendlyname", "USB Modem", {}, {}},
        {eLM, stModems.toLower() + "\\\\0012\\", "FriendlyName", "USB Modem", {}, {}},
        {eLM, stModems + "\\0003", "FriendlyName", "Third", {}, {}},
        {eLM, "\\Software\\Zorvline\\Morvane", "Application path", "/opt/Morvane", {}, {}},
        {eCU, "Software\\Zorvline\\Morvane", "Application path", "C:\\Morvane", {}, {}},
        {eLM, stLocation, "OutsideAccess", "9", {}, {}},
        {eLM, stLocation, "Flags", {}, 12, {}},
        {eLM, stLocation, "AllOnes", {}, -1, {}},
        {eLM, stLocation, "BadDword", {}, {}, {}},
        {eLM, stLocation, "Bytes", {}, {}, QByteArray("\x01\x02\xff", 3)},
        {eLM, stLocation, "Empty", {}, {}, QByteArray()},
        {eLM, stLocation, "BadHex", {}, {}, {}},
        {eLM, stLocation, "NoSuchValue", {}, {}, {}},
        {eLM, stModems, "FriendlyName", {}, {}, {}},
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

    pSetExecutableDir(objTree.pMakeDir("Empty/Bin"));
    EXPECT_EQ(TclsRegistry().fnstReadString(eLM, stModems + "\\0012", "FriendlyName"),
              std::nullopt);
}

TEST_F(RegistryTest, SubKeysAndKeyExistence) {
    const TclsRegistry objRegistry(stFile);
    EXPECT_EQ(objRegistry.fnslSubKeyNames(eLM, stModems), QStringList({"0000", "0012", "0003"}));
    EXPECT_EQ(objRegistry.fnslSubKeyNames(eLM, stModems.toUpper() + "\\0012\\"),
              QStringList({"Settings"}));
    EXPECT_EQ(objRegistry.fnslSubKeyNames(eLM, {}), QStringList({"SYSTEM", "SOFTWARE"}));
    EXPECT_TRUE(objRegistry.fnslSubKeyNames(eLM, stModems + "\\0000").isEmpty());
    EXPECT_TRUE(objRegistry.fnbKeyExists(eLM, "system\\CurrentControlSet"));
    EXPECT_FALSE(objRegistry.fnbKeyExists(eLM, stModems + "\\0099"));
    EXPECT_FALSE(objRegistry.fnbKeyExists(eCU, stLocation));
}

TEST_F(RegistryTest, BrowserProxyFromRegistryOrEnvironment) {
    const TclsRegistry objWith(objTree.pWriteFile(
        "with.ini", "[HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]\n"
                    "ProxyServer=http=corp:8080\n"));
    const struct {
        const char *pchName;
        QList<std::pair<const char *, const char *>> lstEnvironment;
        QString stExpected;
    } arrCases[] = {
        {"schemes, logins and paths",
         {{"http_proxy", "http://robin:p@ss@proxy.local:3128/"},
          {"https_proxy", "https://secure.local:443"},
          {"ftp_proxy", "ftp://ftp.local:21/x/"}},
         "http=proxy.local:3128;https=secure.local:443;ftp=ftp.local:21"},
        {"upper case, lower case first",
         {{"HTTPS_PROXY", "s:2"}, {"FTP_PROXY", "f:3"}, {"ftp_proxy", "lower:4"}},
         "https=s:2;ftp=lower:4"},
        {"nothing set", {}, ""},
        {"all_proxy alone is one proxy for all", {{"all_proxy", "http://gate:8000/"}}, "gate:8000"},
        {"ALL_PROXY fills the protocols without their own",
         {{"ALL_PROXY", "socks.local:1080"}, {"https_proxy", "s:2"}},
         "https=s:2;http=socks.local:1080;ftp=socks.local:1080"},
    };
    const char *arrNames[] = {"http_proxy", "https_proxy", "ftp_proxy", "all_proxy",
                              "HTTP_PROXY", "HTTPS_PROXY", "FTP_PROXY", "ALL_PROXY"};
    QList<std::pair<const char *, QByteArray>> lstSaved;
    for (const char *pchName : arrNames) {
        if (qEnvironmentVariableIsSet(pchName))
            lstSaved.append({pchName, qgetenv(pchName)});
    }
    for (const auto &objCase : arrCases) {
        SCOPED_TRACE(objCase.pchName);
        for (const char *pchName : arrNames)
            qunsetenv(pchName);
        for (const auto &[pchName, pchValue] : objCase.lstEnvironment)
            qputenv(pchName, pchValue);
        EXPECT_EQ(TclsRegistry(stFile).fnstBrowserProxyServer(), objCase.stExpected);
        EXPECT_EQ(objWith.fnstBrowserProxyServer(), "http=corp:8080");
    }
    for (const char *pchName : arrNames)
        qunsetenv(pchName);
    for (const auto &[pchName, baValue] : lstSaved)
        qputenv(pchName, baValue);
}

} // namespace
