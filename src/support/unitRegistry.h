// Read-only registry values. On Linux the registry is the installation's
// Config/registry.ini: one section per key path ("[HKEY_LOCAL_MACHINE\SYSTEM\...]"),
// one line per value: Name=text, Name=dword:0000000c, Name=hex:01,02,ff.
// Key paths and value names ignore case. A missing file, key or value reads as
// missing and leaves the caller's target unchanged.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

enum class TRootKey { HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER };

class TclsRegistry {
public:
    TclsRegistry(); // reads Config/registry.ini under the executable root
    explicit TclsRegistry(const QString &stFile);

    bool fnbKeyExists(TRootKey eRoot, const QString &stKeyPath) const;
    // Names of the direct subkeys of a key, in file order.
    QStringList fnslSubKeyNames(TRootKey eRoot, const QString &stKeyPath) const;
    std::optional<QString> fnstReadString(TRootKey eRoot, const QString &stKeyPath,
                                          const QString &stName) const;
    std::optional<qint32> fniReadInteger(TRootKey eRoot, const QString &stKeyPath,
                                         const QString &stName) const;
    std::optional<QByteArray> fnbaReadBinary(TRootKey eRoot, const QString &stKeyPath,
                                             const QString &stName) const;

    // The browser's proxy (HKCU ...\Internet Settings, ProxyServer); without that
    // value, composed from http_proxy, https_proxy and ftp_proxy (each in lower
    // or upper case) as "http=host:port;https=host:port;ftp=host:port", with
    // all_proxy standing in for the protocols that have none; all_proxy alone
    // gives "host:port". Empty when neither exists.
    QString fnstBrowserProxyServer() const;

private:
    QString stFileName;
};
