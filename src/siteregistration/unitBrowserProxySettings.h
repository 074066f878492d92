// The browser's proxy setting turned into the internet-settings holder. The
// setting is the text of the browser's "ProxyServer" value: either one proxy
// for every protocol ("host:port") or one entry per protocol
// ("http=host:port;https=host:port;ftp=host:port").
#pragma once

#include "unitRWProxyServerData.h"

#include <QString>

// What the registry gives when the browser names no proxy.
inline constexpr char cstPathNotFound[] = "Path Not Found";

// The host and port of the entry that starts with stKey ("http=", "https=",
// "ftp=", compared ignoring case). False, with an empty host and port 0, when
// no entry has that key; false with the host kept and port 0 when the port is
// missing or not a number.
bool fnbGetServersettings(const QString &stProxy, const QString &stKey, QString &stHost,
                          int &iPort);

// Fills the three addresses and ports from the browser's setting (empty or
// "Path Not Found": no proxy) and clears the login, NTLM and browser flags,
// which the internet page sets from its own controls afterwards.
void pFillFromBrowserProxy(const QString &stProxyServer, TclsRWProxyServerData &objData);
