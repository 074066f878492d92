// Making the test certificates. P-256 keys keep generation to a few
// milliseconds; the certificates live two days, long enough for any test run.
#include "UnitTestCertificates.h"

#include <QFile>
#include <QProcess>

TclsTestCertificates::TclsTestCertificates(const QString &stSubjectAltName) {
    if (!dirFiles.isValid()) {
        stError = QStringLiteral("no temporary folder");
        return;
    }
    QFile fileExtensions(dirFiles.filePath(QStringLiteral("server.ext")));
    if (!fileExtensions.open(QIODevice::WriteOnly) ||
        fileExtensions.write("basicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n"
                             "subjectAltName=" +
                             stSubjectAltName.toUtf8() + "\n") < 0) {
        stError = QStringLiteral("cannot write server.ext");
        return;
    }
    fileExtensions.close();
    const QStringList slKey = {QStringLiteral("-newkey"), QStringLiteral("ec"),
                               QStringLiteral("-pkeyopt"),
                               QStringLiteral("ec_paramgen_curve:P-256"), QStringLiteral("-nodes")};
    fnbOpenSSL(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + slKey +
               QStringList{QStringLiteral("-keyout"), QStringLiteral("ca.key"),
                           QStringLiteral("-out"), QStringLiteral("ca.pem"),
                           QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                           QStringLiteral("/CN=Morvane Test CA")}) &&
        fnbOpenSSL(QStringList{QStringLiteral("req")} + slKey +
                   QStringList{QStringLiteral("-keyout"), QStringLiteral("server.key"),
                               QStringLiteral("-out"), QStringLiteral("server.csr"),
                               QStringLiteral("-subj"), QStringLiteral("/CN=Morvane Test Host")}) &&
        fnbOpenSSL({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
                    QStringLiteral("server.csr"), QStringLiteral("-CA"), QStringLiteral("ca.pem"),
                    QStringLiteral("-CAkey"), QStringLiteral("ca.key"),
                    QStringLiteral("-CAcreateserial"), QStringLiteral("-days"), QStringLiteral("2"),
                    QStringLiteral("-extfile"), QStringLiteral("server.ext"),
                    QStringLiteral("-out"), QStringLiteral("server.pem")});
}

bool TclsTestCertificates::fnbOpenSSL(const QStringList &slArguments) {
    QProcess process;
    process.setWorkingDirectory(dirFiles.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("openssl"), slArguments);
    process.closeWriteChannel();
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return true;
    stError = QStringLiteral("openssl %1 failed: %2")
                  .arg(slArguments.first(), QString::fromLocal8Bit(process.readAll()));
    return false;
}
