// INI files read the way the Windows private-profile functions read them.
//
// The file is parsed here rather than by inih: the inih library Debian ships is
// built with inline comments (" ;" ends a value), indented-line continuation and
// a 200-byte line limit, and all three change what a value reads as compared
// with Windows, where a value is the whole rest of its line.
#include "unitIniFile.h"
#include "unitGlobalData.h"
#include "unitIniFile_p.h"

#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QStringDecoder>

#include <optional>

namespace IniFileDetail {

namespace {

// Text files of an installation are UTF-8 (with or without a byte-order mark) or,
// when written by older Windows tools, a single-byte code page; the latter is
// read as Latin-1 rather than dropped.
QString fnstDecode(const QByteArray &baData) {
    if (const auto optBom = QStringConverter::encodingForData(baData)) {
        QStringDecoder objDecoder(*optBom);
        return objDecoder.decode(baData);
    }
    QStringDecoder objDecoder(QStringConverter::Utf8);
    QString stText = objDecoder.decode(baData);
    if (objDecoder.hasError())
        return QString::fromLatin1(baData);
    return stText;
}

QString fnstUnquote(const QString &stValue) {
    if (stValue.size() >= 2) {
        const QChar chFirst = stValue.front();
        if ((chFirst == QLatin1Char('"') || chFirst == QLatin1Char('\'')) &&
            stValue.back() == chFirst)
            return stValue.mid(1, stValue.size() - 2);
    }
    return stValue;
}

} // namespace

QList<TIniSection> fnlstParseIniFile(const QString &stPath) {
    QFile objFile(stPath);
    if (!objFile.open(QIODevice::ReadOnly))
        return {};
    return fnlstParseIniBytes(objFile.readAll());
}

QList<TIniSection> fnlstParseIniBytes(const QByteArray &baBytes) {
    QString stText = fnstDecode(baBytes);

    stText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    stText.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QList<TIniSection> lstSections;
    for (const QStringView svRawLine : QStringView(stText).split(QLatin1Char('\n'))) {
        const QStringView svLine = svRawLine.trimmed();
        if (svLine.isEmpty() || svLine.front() == QLatin1Char(';') ||
            svLine.front() == QLatin1Char('#'))
            continue;
        if (svLine.front() == QLatin1Char('[')) {
            // Whatever follows the closing bracket is ignored; a line without one
            // is no section header, and having no "=" it is no value either.
            const qsizetype iClose = svLine.lastIndexOf(QLatin1Char(']'));
            if (iClose > 0)
                lstSections.append({svLine.mid(1, iClose - 1).trimmed().toString(), {}});
            continue;
        }
        const qsizetype iEqual = svLine.indexOf(QLatin1Char('='));
        // Lines before the first section belong to no section and are never read.
        if (iEqual <= 0 || lstSections.isEmpty())
            continue;
        const QString stKey = svLine.left(iEqual).trimmed().toString();
        if (stKey.isEmpty())
            continue;
        const QString stRaw = svLine.mid(iEqual + 1).trimmed().toString();
        lstSections.last().lstValues.append({stKey, fnstUnquote(stRaw), stRaw});
    }
    return lstSections;
}

} // namespace IniFileDetail

using namespace IniFileDetail;

namespace {

// Of two sections with the same name only the first is read, as Windows does.
const TIniSection *fnpFindSection(const QList<TIniSection> &lstSections, const QString &stSection) {
    for (const TIniSection &objSection : lstSections) {
        if (objSection.stName.compare(stSection, Qt::CaseInsensitive) == 0)
            return &objSection;
    }
    return nullptr;
}

std::optional<QString> fnoptReadValue(const QString &stFileName, const QString &stSection,
                                      const QString &stKey) {
    const QList<TIniSection> lstSections = fnlstParseIniFile(stFileName);
    const TIniSection *pSection = fnpFindSection(lstSections, stSection);
    if (!pSection)
        return std::nullopt;
    for (const TIniValue &objValue : pSection->lstValues) {
        if (objValue.stKey.compare(stKey, Qt::CaseInsensitive) == 0)
            return objValue.stValue;
    }
    return std::nullopt;
}

bool fnbAllDigits(QStringView svDigits, int iBase) {
    if (svDigits.isEmpty())
        return false;
    for (const QChar ch : svDigits) {
        const bool bDecimal = ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
        const QChar chLower = ch.toLower();
        const bool bHex = chLower >= QLatin1Char('a') && chLower <= QLatin1Char('f');
        if (!(bDecimal || (iBase == 16 && bHex)))
            return false;
    }
    return true;
}

// A whole number the way the program's INI reader takes it: an optional sign,
// decimal digits or hex digits after "0x" or "$", nothing else. Hex covers the
// full 32 bits ("0xFFFFFFFF" is -1); a decimal number must fit.
std::optional<qint32> fnoptParseInteger(const QString &stText) {
    QStringView svText = QStringView(stText).trimmed();
    bool bNegative = false;
    if (!svText.isEmpty() &&
        (svText.front() == QLatin1Char('-') || svText.front() == QLatin1Char('+'))) {
        bNegative = svText.front() == QLatin1Char('-');
        svText = svText.mid(1);
    }
    int iBase = 10;
    if (svText.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        iBase = 16;
        svText = svText.mid(2);
    } else if (svText.startsWith(QLatin1Char('$'))) {
        iBase = 16;
        svText = svText.mid(1);
    }
    if (!fnbAllDigits(svText, iBase))
        return std::nullopt;
    bool bOk = false;
    const qulonglong uValue = svText.toULongLong(&bOk, iBase);
    if (!bOk)
        return std::nullopt;
    if (iBase == 16) {
        if (uValue > 0xFFFFFFFFull)
            return std::nullopt;
        const quint32 uWord = static_cast<quint32>(uValue);
        return static_cast<qint32>(bNegative ? 0u - uWord : uWord);
    }
    if (uValue > (bNegative ? 2147483648ull : 2147483647ull))
        return std::nullopt;
    return static_cast<qint32>(bNegative ? -static_cast<qint64>(uValue)
                                         : static_cast<qint64>(uValue));
}

} // namespace

TclsIniFile::TclsIniFile(const QString &stPath) : stFileName(fnstResolvePath(stPath)) {}

bool TclsIniFile::fnbFileExists() const {
    return QFileInfo(stFileName).isFile();
}

// A section that holds no value counts as missing, as the program's INI class
// has always judged it (it asks for the section's key names).
bool TclsIniFile::fnbSectionExists(const QString &stSection) const {
    const QList<TIniSection> lstSections = fnlstParseIniFile(stFileName);
    const TIniSection *pSection = fnpFindSection(lstSections, stSection);
    return pSection && !pSection->lstValues.isEmpty();
}

bool TclsIniFile::fnbValueExists(const QString &stSection, const QString &stKey) const {
    return fnoptReadValue(stFileName, stSection, stKey).has_value();
}

QString TclsIniFile::fnstReadString(const QString &stSection, const QString &stKey,
                                    const QString &stDefault) const {
    return fnoptReadValue(stFileName, stSection, stKey).value_or(stDefault);
}

qint32 TclsIniFile::fniReadInteger(const QString &stSection, const QString &stKey,
                                   qint32 iDefault) const {
    const auto optText = fnoptReadValue(stFileName, stSection, stKey);
    if (!optText)
        return iDefault;
    return fnoptParseInteger(*optText).value_or(iDefault);
}

bool TclsIniFile::fnbReadBool(const QString &stSection, const QString &stKey, bool bDefault) const {
    const auto optText = fnoptReadValue(stFileName, stSection, stKey);
    if (!optText)
        return bDefault;
    if (optText->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (optText->compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto optNumber = fnoptParseInteger(*optText))
        return *optNumber != 0;
    return bDefault;
}

QStringList TclsIniFile::fnslSectionKeys(const QString &stSection) const {
    const QList<TIniSection> lstSections = fnlstParseIniFile(stFileName);
    const TIniSection *pSection = fnpFindSection(lstSections, stSection);
    QStringList slKeys;
    if (!pSection)
        return slKeys;
    for (const TIniValue &objValue : pSection->lstValues) {
        if (!slKeys.contains(objValue.stKey, Qt::CaseInsensitive))
            slKeys.append(objValue.stKey);
    }
    return slKeys;
}

QStringList TclsIniFile::fnslSections() const {
    QStringList slSections;
    for (const TIniSection &objSection : fnlstParseIniFile(stFileName)) {
        if (!slSections.contains(objSection.stName, Qt::CaseInsensitive))
            slSections.append(objSection.stName);
    }
    return slSections;
}
