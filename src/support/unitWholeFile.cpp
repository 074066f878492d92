// Writing a file whole through QSaveFile.
#include "unitWholeFile.h"

#include <QSaveFile>

QString fnstWriteWholeFile(const QString &stFileName, const QByteArray &baContent) {
    QSaveFile file(stFileName);
    // Unbuffered: a buffered write fails only when commit() flushes it, and
    // commit() does not look at that error; written straight through, a short
    // write is seen here.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(baContent) != baContent.size()) {
        const QString stError = file.errorString();
        file.cancelWriting();
        return stError;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
