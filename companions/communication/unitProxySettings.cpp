// Choosing the proxy. The connection types are the internet page's: 1 dial-up,
// 2 without a proxy, anything else through a proxy. A dial-up line is brought
// up by the system (pppd) before the wizard runs, so it needs no proxy here.
#include "unitProxySettings.h"

#include "UnitMV5Records.h"
#include "unitRegistry.h"

namespace {

constexpr qint16 ciDialUp = 1;
constexpr qint16 ciWithoutProxy = 2;

TrecProxy fnrecDirect(const QString &stWhy) {
    TrecProxy rec;
    rec.stDescription = stWhy;
    return rec;
}

void pAddLogin(const TclsInternetSettingData &objSetting, TrecProxy &rec) {
    rec.bNTLM = objSetting.ntlm;
    rec.bCredentials = objSetting.use_credentials;
    if (!rec.bCredentials)
        return;
    rec.baUser = objSetting.proxy_user.toUtf8();
    rec.baPassword = objSetting.proxy_password.toUtf8();
    rec.stDescription += QStringLiteral(", user \"%1\", %2 authentication")
                             .arg(objSetting.proxy_user,
                                  rec.bNTLM ? QStringLiteral("NTLM") : QStringLiteral("basic"));
}

} // namespace

QString fnstBrowserProxyFor(const QString &stBrowserProxy, bool bSSL) {
    const QString stScheme = bSSL ? QStringLiteral("https") : QStringLiteral("http");
    QString stForEveryProtocol;
    for (const QString &stEntry : stBrowserProxy.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype iEquals = stEntry.indexOf(QLatin1Char('='));
        if (iEquals < 0) {
            if (stForEveryProtocol.isEmpty())
                stForEveryProtocol = stEntry.trimmed();
            continue;
        }
        if (stEntry.left(iEquals).trimmed().compare(stScheme, Qt::CaseInsensitive) == 0)
            return stEntry.mid(iEquals + 1).trimmed();
    }
    return stForEveryProtocol;
}

TrecProxy fnrecProxyFor(const TclsInternetSettingData *pobjSetting, bool bSSL) {
    if (!pobjSetting)
        return fnrecDirect(QStringLiteral("no internet setting stored, going direct"));
    if (pobjSetting->connection_type == ciDialUp)
        return fnrecDirect(QStringLiteral("dial-up connection, going direct"));
    if (pobjSetting->connection_type == ciWithoutProxy)
        return fnrecDirect(QStringLiteral("connection without proxy, going direct"));

    TrecProxy rec;
    if (pobjSetting->use_browser_settings) {
        const QString stBrowser =
            fnstBrowserProxyFor(TclsRegistry().fnstBrowserProxyServer(), bSSL);
        if (stBrowser.isEmpty())
            return fnrecDirect(QStringLiteral("the browser names no proxy, going direct"));
        rec.baAddress = stBrowser.toUtf8();
        rec.stDescription = QStringLiteral("browser proxy %1").arg(stBrowser);
    } else {
        const QString stAddress =
            (bSSL ? pobjSetting->https_proxy : pobjSetting->http_proxy).trimmed();
        if (stAddress.isEmpty())
            return fnrecDirect(QStringLiteral("no proxy address stored, going direct"));
        rec.baAddress = stAddress.toUtf8();
        rec.iPort = bSSL ? pobjSetting->https_port : pobjSetting->http_port;
        rec.stDescription = QStringLiteral("proxy %1 port %2").arg(stAddress).arg(rec.iPort);
    }
    pAddLogin(*pobjSetting, rec);
    return rec;
}
