// A throw-away certificate authority and a server certificate signed by it,
// made by the openssl command in a temporary folder, for tests that run a TLS
// peer on loopback and verify it as the program would.
#pragma once

#include <QString>
#include <QTemporaryDir>

class TclsTestCertificates {
public:
    // stSubjectAltName: the names the server certificate is valid for.
    explicit TclsTestCertificates(
        const QString &stSubjectAltName = QStringLiteral("IP:127.0.0.1,DNS:localhost"));

    bool fnbOk() const { return stError.isEmpty(); }
    const QString &fnstError() const { return stError; }
    QString fnstCAFile() const { return dirFiles.filePath(QStringLiteral("ca.pem")); }
    QString fnstCertificateFile() const { return dirFiles.filePath(QStringLiteral("server.pem")); }
    QString fnstKeyFile() const { return dirFiles.filePath(QStringLiteral("server.key")); }

private:
    bool fnbOpenSSL(const QStringList &slArguments);
    QTemporaryDir dirFiles;
    QString stError;
};
