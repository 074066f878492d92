// A file written whole or not at all: the bytes go to a temporary file beside
// it, which replaces the file only when every byte reached the disk.
#pragma once

#include <QByteArray>
#include <QString>

// Empty when the file now holds exactly baContent; else why it does not (the
// file as it was is left in place).
QString fnstWriteWholeFile(const QString &stFileName, const QByteArray &baContent);
