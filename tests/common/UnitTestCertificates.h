// Throw-away TLS certificates for tests that talk HTTPS with verification on:
// a certificate authority of their own and a server certificate it signed
// for "localhost", 127.0.0.1 and ::1 (or the names given), written as PEM files into a temporary
// folder that goes away with the object. The client trusts fnstCaFile(); the
// server uses fnstCertFile() and fnstKeyFile().
#pragma once

#include <QString>
#include <QTemporaryDir>

class TclsTestCertificates {
public:
    // The server certificate's names (subjectAltName), by default this machine's.
    explicit TclsTestCertificates(
        const QString &stAltNames = QStringLiteral("DNS:localhost,IP:127.0.0.1,IP:::1"));
    TclsTestCertificates(const TclsTestCertificates &) = delete;
    TclsTestCertificates &operator=(const TclsTestCertificates &) = delete;

    bool fnbOk() const { return stError.isEmpty(); }
    const QString &fnstError() const { return stError; }

    QString fnstCaFile() const { return dirFiles.filePath(QStringLiteral("ca.pem")); }
    QString fnstCertFile() const { return dirFiles.filePath(QStringLiteral("server.pem")); }
    QString fnstKeyFile() const { return dirFiles.filePath(QStringLiteral("server.key")); }
    // A second authority that signed nothing here: trusting only it must fail.
    QString fnstOtherCaFile() const { return dirFiles.filePath(QStringLiteral("other-ca.pem")); }

private:
    QTemporaryDir dirFiles;
    QString stError;
};
