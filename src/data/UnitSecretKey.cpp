// The secret key file and sealing secret values with libsodium.
#include "UnitSecretKey.h"

#include "unitLogToFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sodium.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString cstUnit = QStringLiteral("UnitSecretKey");
const QString cstPrefix = QStringLiteral("mvs1:");
constexpr qsizetype ciKeyBytes = crypto_aead_xchacha20poly1305_ietf_KEYBYTES;
constexpr qsizetype ciNonceBytes = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr qsizetype ciTagBytes = crypto_aead_xchacha20poly1305_ietf_ABYTES;

struct TrecKey {
    QByteArray baKey; // empty: no key held
    QString stFile;
};

TrecKey &grecKey() {
    static TrecKey rec;
    return rec;
}

bool fnbSodiumReady() {
    static const bool bReady = sodium_init() >= 0;
    return bReady;
}

QByteArray fnbaAssociatedData(const QString &stTable, const QString &stColumn) {
    return (stTable + QLatin1Char('.') + stColumn).toLower().toUtf8();
}

void pHold(QByteArray baKey, const QString &stKeyFile) {
    pForgetSecretKey(stKeyFile);
    grecKey().baKey = std::move(baKey);
}

// Writes the key to a file of its own, then links it into place: the link
// fails when the file exists, so two processes never make two keys, and no
// reader ever sees half a key.
bool fnbWriteNewKeyFile(const QString &stKeyFile, const QByteArray &baKey, QString &stWhy) {
    const QByteArray baTarget = QFile::encodeName(stKeyFile);
    const QByteArray baTemp = baTarget + ".new." + QByteArray::number(qint64(getpid()));
    const int iFd = ::open(baTemp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (iFd < 0) {
        stWhy = QStringLiteral("cannot create %1: %2")
                    .arg(stKeyFile, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const bool bWritten =
        ::write(iFd, baKey.constData(), size_t(baKey.size())) == baKey.size() && ::fsync(iFd) == 0;
    ::close(iFd);
    const bool bLinked = bWritten && ::link(baTemp.constData(), baTarget.constData()) == 0;
    const int iLinkError = errno;
    ::unlink(baTemp.constData());
    if (bLinked || (bWritten && iLinkError == EEXIST))
        return true;
    stWhy = QStringLiteral("cannot create %1: %2")
                .arg(stKeyFile, QString::fromLocal8Bit(std::strerror(iLinkError)));
    return false;
}
} // namespace

bool fnbLoadSecretKey(const QString &stKeyFile, QString &stWhy) {
    QFile file(stKeyFile);
    if (!file.exists()) {
        stWhy = QStringLiteral("the key file %1 is missing").arg(stKeyFile);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        stWhy =
            QStringLiteral("the key file %1 cannot be read: %2").arg(stKeyFile, file.errorString());
        return false;
    }
    QByteArray baKey = file.read(ciKeyBytes + 1);
    if (baKey.size() != ciKeyBytes) {
        stWhy = QStringLiteral("the key file %1 holds %2 bytes, not %3")
                    .arg(stKeyFile)
                    .arg(baKey.size())
                    .arg(ciKeyBytes);
        sodium_memzero(baKey.data(), size_t(baKey.size()));
        return false;
    }
    if (QFileInfo(stKeyFile).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                              QFileDevice::WriteGroup | QFileDevice::WriteOther))
        pWriteLog(2, cstUnit, QStringLiteral("fnbLoadSecretKey"),
                  QStringLiteral("The key file %1 can be read by others than its owner; it "
                                 "should have mode 0600.")
                      .arg(stKeyFile));
    pHold(std::move(baKey), stKeyFile);
    return true;
}

bool fnbCreateSecretKey(const QString &stKeyFile, QString &stWhy) {
    if (!fnbSodiumReady()) {
        stWhy = QStringLiteral("libsodium could not be initialised");
        return false;
    }
    QByteArray baKey(ciKeyBytes, '\0');
    randombytes_buf(baKey.data(), size_t(baKey.size()));
    QDir().mkpath(QFileInfo(stKeyFile).absolutePath());
    const bool bWritten = fnbWriteNewKeyFile(stKeyFile, baKey, stWhy);
    sodium_memzero(baKey.data(), size_t(baKey.size()));
    return bWritten && fnbLoadSecretKey(stKeyFile, stWhy);
}

void pForgetSecretKey(const QString &stKeyFile) {
    QByteArray &baKey = grecKey().baKey;
    if (!baKey.isEmpty())
        sodium_memzero(baKey.data(), size_t(baKey.size()));
    baKey.clear();
    grecKey().stFile = stKeyFile;
}

bool fnbSecretKeyHeld() {
    return !grecKey().baKey.isEmpty();
}

QString fnstSecretKeyFile() {
    return grecKey().stFile;
}

bool fnbSealed(const QString &stStored) {
    return stStored.startsWith(cstPrefix);
}

QString fnstSealSecret(const QString &stTable, const QString &stColumn, const QString &stPlain) {
    if (stPlain.isEmpty() || !fnbSecretKeyHeld() || !fnbSodiumReady())
        return stPlain;
    const QByteArray baPlain = stPlain.toUtf8();
    const QByteArray baAssociated = fnbaAssociatedData(stTable, stColumn);
    QByteArray baSealed(ciNonceBytes + baPlain.size() + ciTagBytes, '\0');
    auto *puSealed = reinterpret_cast<unsigned char *>(baSealed.data());
    randombytes_buf(puSealed, ciNonceBytes);
    unsigned long long uLength = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        puSealed + ciNonceBytes, &uLength,
        reinterpret_cast<const unsigned char *>(baPlain.constData()), size_t(baPlain.size()),
        reinterpret_cast<const unsigned char *>(baAssociated.constData()),
        size_t(baAssociated.size()), nullptr, puSealed,
        reinterpret_cast<const unsigned char *>(grecKey().baKey.constData()));
    return cstPrefix + QString::fromLatin1(baSealed.toBase64(QByteArray::Base64UrlEncoding |
                                                             QByteArray::OmitTrailingEquals));
}

std::optional<QString> fnoOpenSecret(const QString &stTable, const QString &stColumn,
                                     const QString &stStored) {
    if (!fnbSealed(stStored))
        return stStored;
    if (!fnbSecretKeyHeld() || !fnbSodiumReady())
        return std::nullopt;
    const auto oSealed = QByteArray::fromBase64Encoding(
        stStored.mid(cstPrefix.size()).toLatin1(),
        QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!oSealed || oSealed.decoded.size() < ciNonceBytes + ciTagBytes)
        return std::nullopt;
    const QByteArray &baSealed = oSealed.decoded;
    const QByteArray baAssociated = fnbaAssociatedData(stTable, stColumn);
    QByteArray baPlain(baSealed.size() - ciNonceBytes - ciTagBytes, '\0');
    unsigned long long uLength = 0;
    const auto *puSealed = reinterpret_cast<const unsigned char *>(baSealed.constData());
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            reinterpret_cast<unsigned char *>(baPlain.data()), &uLength, nullptr,
            puSealed + ciNonceBytes, size_t(baSealed.size() - ciNonceBytes),
            reinterpret_cast<const unsigned char *>(baAssociated.constData()),
            size_t(baAssociated.size()), puSealed,
            reinterpret_cast<const unsigned char *>(grecKey().baKey.constData())) != 0)
        return std::nullopt;
    baPlain.truncate(qsizetype(uLength));
    return QString::fromUtf8(baPlain);
}
