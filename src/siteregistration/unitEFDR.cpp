// Message strings for the carrier's host.
#include "unitEFDR.h"

#include "unitLogToFile.h"

#include <QFile>

#include <functional>
#include <optional>

namespace {
const QString cstUnit = QStringLiteral("unitEFDR");
// The file is read in blocks of this size.
constexpr qint64 ciBlockSize = 4096;

// The file's bytes, read block by block; nullopt when it cannot be opened or a
// block comes back short.
std::optional<QByteArray> fnbaReadFile(const QString &stFileName) {
    QFile file(stFileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray baContent;
    for (qint64 iRemaining = file.size(); iRemaining > 0;) {
        const qint64 iBlock = std::min(iRemaining, ciBlockSize);
        const QByteArray baBlock = file.read(iBlock);
        if (baBlock.size() != iBlock)
            return std::nullopt;
        baContent += baBlock;
        iRemaining -= iBlock;
    }
    return baContent;
}

bool fnbGenerate(const char *pchMethod, const QString &stFileName, QByteArray &baMessage,
                 const std::function<QByteArray(const QByteArray &)> &fnCompose) {
    const QString stMethod = QLatin1String(pchMethod);
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Entered."));
    baMessage.clear();
    try {
        const auto baContent = stFileName.isEmpty() ? std::optional<QByteArray>(QByteArray())
                                                    : fnbaReadFile(stFileName);
        if (!baContent)
            return false;
        baMessage = fnCompose(*baContent);
    } catch (const std::exception &) {
        pWriteLog(2, cstUnit, stMethod, QStringLiteral("Unable to generate message string."));
        return false;
    }
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Leaving."));
    return true;
}
} // namespace

bool fnbGenMessageString(const QString &stFileName, QByteArray &baMessage,
                         const QByteArray &baHeader) {
    return fnbGenerate("fnbGenMessageString", stFileName, baMessage,
                       [&](const QByteArray &baContent) {
                           QByteArray ba = baHeader;
                           if (!ba.endsWith(cchGS))
                               ba += cchGS;
                           if (!baContent.isEmpty())
                               ba += baContent + cchGS;
                           return ba;
                       });
}

bool fnbGenMessageStringForHTTP(const QString &stFileName, QByteArray &baMessage,
                                const QByteArray &baHeader) {
    return fnbGenerate("fnbGenMessageStringForHTTP", stFileName, baMessage,
                       [&](const QByteArray &baContent) {
                           return QByteArray("msg_type=0&msg_hdr=") + fnstURLEncode(baHeader) +
                                  QByteArray("&msg_bdy=") + fnstURLEncode(baContent);
                       });
}

QByteArray fnstURLEncode(const QByteArray &baText) {
    static const char achHex[] = "0123456789ABCDEF";
    QByteArray ba;
    ba.reserve(baText.size() * 3);
    for (const char ch : baText) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) {
            ba += ch;
        } else {
            ba += '%';
            ba += achHex[b >> 4];
            ba += achHex[b & 0x0F];
        }
    }
    return ba;
}
