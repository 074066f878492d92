// The browser's proxy text turned into the internet-settings holder: the
// per-protocol and single-proxy forms, hosts whose names hold protocol words,
// no proxy at all, and the keys fnbGetServersettings looks for.
#include "unitBrowserProxySettings.h"
#include "UnitTestPrinters.h"

#include <gtest/gtest.h>

namespace {

struct TrecProxies {
    QString stHTTP;
    int iHTTP;
    QString stHTTPS;
    int iHTTPS;
    QString stFTP;
    int iFTP;
    bool operator==(const TrecProxies &) const = default;
};

void PrintTo(const TrecProxies &rec, std::ostream *pOut) {
    *pOut << rec.stHTTP.toStdString() << '/' << rec.iHTTP << ' ' << rec.stHTTPS.toStdString() << '/'
          << rec.iHTTPS << ' ' << rec.stFTP.toStdString() << '/' << rec.iFTP;
}

TrecProxies fnrecFilled(const QString &stProxy) {
    TclsRWProxyServerData obj;
    obj.stHTTPProxyAddress = QStringLiteral("left.over");
    obj.iFTPPort = 99;
    pFillFromBrowserProxy(stProxy, obj);
    return {obj.stHTTPProxyAddress, obj.iHTTPPort,         obj.stHTTPSProxyAddress,
            obj.iHTTPSPort,         obj.stFTPProxyAddress, obj.iFTPPort};
}

TEST(BrowserProxy, EachFormGivesItsAddressesAndPorts) {
    const struct {
        const char *pchProxy;
        TrecProxies recExpected;
    } arCases[] = {
        {"http=A:8080;https=B:8443", {"A", 8080, "B", 8443, "", 0}},
        {"https=B:8443;ftp=F:21;http=A:8080", {"A", 8080, "B", 8443, "F", 21}},
        {"HTTP=A:80; FTP=F:2121 ", {"A", 80, "", 0, "F", 2121}},
        {"gopher=G:70", {"", 0, "", 0, "", 0}},
        {"http=http://A:3128/", {"A", 3128, "", 0, "", 0}},
        {"proxy.corp:3128", {"proxy.corp", 3128, "proxy.corp", 3128, "proxy.corp", 3128}},
        {"proxy.corp:3128;backup:1", {"proxy.corp", 3128, "proxy.corp", 3128, "proxy.corp", 3128}},
        // A single proxy on a host named like a protocol is still one proxy.
        {"ftpgate:8080", {"ftpgate", 8080, "ftpgate", 8080, "ftpgate", 8080}},
        {"HTTPcache.local:80",
         {"HTTPcache.local", 80, "HTTPcache.local", 80, "HTTPcache.local", 80}},
        {"Path Not Found", {"", 0, "", 0, "", 0}},
        {"", {"", 0, "", 0, "", 0}},
        {"http=A:80x", {"A", 0, "", 0, "", 0}},
        {"A-host-without-port",
         {"A-host-without-port", 0, "A-host-without-port", 0, "A-host-without-port", 0}},
        {"http=averyveryveryveryverylongproxyhostname.example:1",
         {"averyveryveryveryverylongproxyhostn", 1, "", 0, "", 0}},
    };
    for (const auto &c : arCases) {
        SCOPED_TRACE(c.pchProxy);
        EXPECT_EQ(fnrecFilled(QString::fromLatin1(c.pchProxy)), c.recExpected);
    }
}

TEST(BrowserProxy, TheLoginAndTheFlagsAreCleared) {
    TclsRWProxyServerData obj;
    obj.bNTLM = obj.bUserNamePwdConfirmation = obj.bUseBrowserSettings = true;
    obj.stUserName = QStringLiteral("robin");
    obj.stPassword = QStringLiteral("Hood42");
    obj.iConnectionType = ctDialUp;
    obj.stDialupName = QStringLiteral("isdn");
    pFillFromBrowserProxy(QStringLiteral("p:1"), obj);
    EXPECT_FALSE(obj.bNTLM || obj.bUserNamePwdConfirmation || obj.bUseBrowserSettings);
    EXPECT_EQ(obj.stUserName, QString());
    EXPECT_EQ(obj.stPassword, QString());
    // Not the browser's to say.
    EXPECT_EQ(obj.iConnectionType, ctDialUp);
    EXPECT_EQ(obj.stDialupName, QStringLiteral("isdn"));
}

TEST(BrowserProxy, GetServersettingsFindsOnlyWholeKeys) {
    const struct {
        const char *pchProxy, *pchKey;
        bool bFound;
        const char *pchHost;
        int iPort;
    } arCases[] = {
        {"http=a:1;https=b:2", "https=", true, "b", 2},
        {"https=b:2", "http=", false, "", 0},
        {"sftp=s:22", "ftp=", false, "", 0},
        {"ftp=f:", "ftp=", false, "f", 0},
        {"ftp=[::1]:21", "ftp=", true, "[::1]", 21},
    };
    for (const auto &c : arCases) {
        SCOPED_TRACE(std::string(c.pchProxy) + " " + c.pchKey);
        QString stHost = QStringLiteral("old");
        int iPort = 7;
        EXPECT_EQ(fnbGetServersettings(QString::fromLatin1(c.pchProxy),
                                       QString::fromLatin1(c.pchKey), stHost, iPort),
                  c.bFound);
        EXPECT_EQ(stHost, QString::fromLatin1(c.pchHost));
        EXPECT_EQ(iPort, c.iPort);
    }
}

} // namespace
