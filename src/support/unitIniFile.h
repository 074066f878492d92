// INI files with the semantics of the Windows private-profile reader: section and
// key names ignore case, values are trimmed, surrounding quotes are removed, the
// first of two equal keys wins, a missing file, section or key gives the default.
// Every read opens, parses and closes the file again; nothing is cached.
#pragma once

#include <QString>
#include <QStringList>

class TclsIniFile {
public:
    // The path is resolved ignoring letter case (fnstResolvePath).
    explicit TclsIniFile(const QString &stPath);

    const QString &fnstFileName() const { return stFileName; }
    bool fnbFileExists() const;
    // A section without any value counts as missing.
    bool fnbSectionExists(const QString &stSection) const;
    bool fnbValueExists(const QString &stSection, const QString &stKey) const;

    QString fnstReadString(const QString &stSection, const QString &stKey,
                           const QString &stDefault) const;
    // Whole numbers as Windows reads them; anything else gives the default.
    qint32 fniReadInteger(const QString &stSection, const QString &stKey, qint32 iDefault) const;
    // "True"/"False" in any case, or a number where 0 means false; anything else
    // gives the default.
    bool fnbReadBool(const QString &stSection, const QString &stKey, bool bDefault) const;

    // Key names of a section, in file order, each once.
    QStringList fnslSectionKeys(const QString &stSection) const;
    QStringList fnslSections() const;

private:
    QString stFileName;
};
