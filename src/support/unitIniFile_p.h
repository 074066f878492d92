// The INI file as read from disk, for the readers inside this library
// (TclsIniFile, the registry stand-in). Not part of the library's interface.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace IniFileDetail {

struct TIniValue {
    QString stKey;
    QString stValue;    // trimmed, one pair of surrounding quotes removed
    QString stRawValue; // trimmed only
};

struct TIniSection {
    QString stName;
    QList<TIniValue> lstValues; // file order, duplicates included
};

// Every section in file order, duplicates included. Empty when the file is
// missing or cannot be read.
QList<TIniSection> fnlstParseIniFile(const QString &stPath);
// The same for the file's bytes.
QList<TIniSection> fnlstParseIniBytes(const QByteArray &baBytes);

} // namespace IniFileDetail
