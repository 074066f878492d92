// The browser's proxy text turned into the internet-settings holder.
#include "unitBrowserProxySettings.h"
#include "UnitTestPrinters.h"

#include <gtest/gtest.h>

TEST(BrowserProxy, EachFormGivesItsAddressesAndPortsAndClearsTheLogin) {
    const std::pair<const char *, const char *> arCases[] = {
        {"https=B:8443;ftp=F:21;http=A:8080", "A:8080 B:8443 F:21"},
        {"HTTP=A:80; FTP=F:2121 ", "A:80 :0 F:2121"},
        {"http=http://A:3128/", "A:3128 :0 :0"},
        {"proxy.corp:3128;backup:1", "proxy.corp:3128 proxy.corp:3128 proxy.corp:3128"},
        // A single proxy on a host named like a protocol is still one proxy.
        {"ftpgate:8080", "ftpgate:8080 ftpgate:8080 ftpgate:8080"},
        {"Path Not Found", ":0 :0 :0"},
        {"http=A:80x", "A:0 :0 :0"},
        {"A-host", "A-host:0 A-host:0 A-host:0"},
        {"http=averyveryveryveryverylongproxyhostname.example:1",
         "averyveryveryveryverylongproxyhostn:1 :0 :0"},
    };
    for (const auto &[pchProxy, pchFilled] : arCases) {
        TclsRWProxyServerData obj;
        obj.stHTTPProxyAddress = QStringLiteral("left.over");
        obj.iFTPPort = 99;
        obj.bNTLM = obj.bUserNamePwdConfirmation = obj.bUseBrowserSettings = true;
        obj.stUserName = QStringLiteral("robin");
        obj.stPassword = QStringLiteral("Hood42");
        obj.iConnectionType = ctDialUp;
        obj.stDialupName = QStringLiteral("isdn");
        pFillFromBrowserProxy(QString::fromLatin1(pchProxy), obj);
        EXPECT_EQ(QStringLiteral("%1:%2 %3:%4 %5:%6")
                      .arg(obj.stHTTPProxyAddress)
                      .arg(obj.iHTTPPort)
                      .arg(obj.stHTTPSProxyAddress)
                      .arg(obj.iHTTPSPort)
                      .arg(obj.stFTPProxyAddress)
                      .arg(obj.iFTPPort),
                  QLatin1String(pchFilled))
            << pchProxy;
        EXPECT_FALSE(obj.bNTLM || obj.bUserNamePwdConfirmation || obj.bUseBrowserSettings);
        // The login is cleared; the connection is not the browser's to say.
        EXPECT_TRUE(obj.stPassword.isEmpty());
        EXPECT_EQ(obj.stUserName + QString::number(obj.iConnectionType) + obj.stDialupName,
                  QString::number(ctDialUp) + QStringLiteral("isdn"));
    }
}

TEST(BrowserProxy, GetServersettingsFindsOnlyWholeKeys) {
    const std::tuple<const char *, const char *, bool, const char *> arCases[] = {
        {"http=a:1;https=b:2", "https=", true, "b:2"},
        {"https=b:2", "http=", false, ":0"},
        {"sftp=s:22", "ftp=", false, ":0"},
        {"ftp=f:", "ftp=", false, "f:0"},
        {"ftp=[::1]:21", "ftp=", true, "[::1]:21"},
    };
    for (const auto &[pchProxy, pchKey, bFound, pchFound] : arCases) {
        QString stHost = QStringLiteral("old");
        int iPort = 7;
        EXPECT_EQ(fnbGetServersettings(QString::fromLatin1(pchProxy), QString::fromLatin1(pchKey),
                                       stHost, iPort),
                  bFound)
            << pchProxy;
        EXPECT_EQ(stHost + QLatin1Char(':') + QString::number(iPort), QLatin1String(pchFound));
    }
}
