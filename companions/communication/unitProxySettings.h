// Which proxy, if any, a host call goes through, from the stored internet
// settings of the workstation.
#pragma once

#include <QByteArray>
#include <QString>

class TclsInternetSettingData;

struct TrecProxy {
    QByteArray baAddress; // empty: straight to the host, never through a proxy
    qint32 iPort = 0;     // 0: the port written in the address, else 80
    bool bCredentials = false;
    QByteArray baUser, baPassword;
    bool bNTLM = false;    // NTLM instead of basic authentication
    QString stDescription; // for the log: where the choice came from, never the password
};

// The proxy for a URL of the given scheme. pobjSetting is the internet_setting
// row, or null when the table holds none (then the call goes direct).
TrecProxy fnrecProxyFor(const TclsInternetSettingData *pobjSetting, bool bSSL);

// The browser's proxy text ("http=host:port;https=host:port" or one
// "host:port" for every protocol) reduced to the entry for one scheme; empty
// when it names none.
QString fnstBrowserProxyFor(const QString &stBrowserProxy, bool bSSL);
