// Reading the browser's proxy text. The per-protocol form is told apart by its
// "name=" entries, not by protocol names anywhere in the text: a single proxy
// on a host called "ftpgate" or "httpcache" is still one proxy for all.
#include "unitBrowserProxySettings.h"

#include <QStringList>

#include <algorithm>

namespace {

// "http://host:port/" or "host:port" -> host and port. False when the port is
// missing or not a number (the port is then 0).
bool fnbSplitHostPort(const QString &stAddress, QString &stHost, int &iPort) {
    QString stRest = stAddress.trimmed();
    const qsizetype iScheme = stRest.indexOf(QLatin1String("://"));
    if (iScheme >= 0)
        stRest = stRest.mid(iScheme + 3);
    if (stRest.endsWith(QLatin1Char('/')))
        stRest.chop(1);
    // The last colon: a bracketed IPv6 host keeps its own.
    const qsizetype iColon = stRest.lastIndexOf(QLatin1Char(':'));
    stHost = (iColon < 0 ? stRest : stRest.left(iColon)).trimmed();
    bool bNumber = false;
    iPort = iColon < 0 ? 0 : stRest.mid(iColon + 1).trimmed().toInt(&bNumber);
    if (!bNumber)
        iPort = 0;
    return bNumber;
}

QStringList fnslEntries(const QString &stProxy) {
    QStringList slEntries = stProxy.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &st : slEntries)
        st = st.trimmed();
    return slEntries;
}

bool fnbPerProtocol(const QString &stProxy) {
    const QStringList slEntries = fnslEntries(stProxy);
    return std::any_of(slEntries.cbegin(), slEntries.cend(),
                       [](const QString &st) { return st.contains(QLatin1Char('=')); });
}

} // namespace

bool fnbGetServersettings(const QString &stProxy, const QString &stKey, QString &stHost,
                          int &iPort) {
    stHost.clear();
    iPort = 0;
    for (const QString &stEntry : fnslEntries(stProxy)) {
        if (stEntry.startsWith(stKey, Qt::CaseInsensitive))
            return fnbSplitHostPort(stEntry.mid(stKey.size()), stHost, iPort);
    }
    return false;
}

void pFillFromBrowserProxy(const QString &stProxyServer, TclsRWProxyServerData &objData) {
    QString stHTTP, stHTTPS, stFTP;
    int iHTTP = 0, iHTTPS = 0, iFTP = 0;
    const QString stProxy = stProxyServer.trimmed();
    if (stProxy.isEmpty() || stProxy == QLatin1String(cstPathNotFound)) {
        // No proxy: all empty, all 0.
    } else if (fnbPerProtocol(stProxy)) {
        fnbGetServersettings(stProxy, QStringLiteral("http="), stHTTP, iHTTP);
        fnbGetServersettings(stProxy, QStringLiteral("ftp="), stFTP, iFTP);
        fnbGetServersettings(stProxy, QStringLiteral("https="), stHTTPS, iHTTPS);
    } else {
        fnbSplitHostPort(fnslEntries(stProxy).value(0), stHTTP, iHTTP);
        stHTTPS = stFTP = stHTTP;
        iHTTPS = iFTP = iHTTP;
    }
    objData.stHTTPProxyAddress = stHTTP;
    objData.stHTTPSProxyAddress = stHTTPS;
    objData.stFTPProxyAddress = stFTP;
    objData.iHTTPPort = iHTTP;
    objData.iHTTPSPort = iHTTPS;
    objData.iFTPPort = iFTP;
    objData.bNTLM = false;
    objData.bUserNamePwdConfirmation = false;
    objData.stUserName.clear();
    objData.stPassword.clear();
    objData.bUseBrowserSettings = false;
}
