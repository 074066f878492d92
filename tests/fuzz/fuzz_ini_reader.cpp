// The INI reader on an installation's file as bytes. Whatever the bytes, names,
// keys and values come back trimmed and on one line, no key is empty or holds
// "=", a value is its raw text with at most one pair of quotes taken off, and
// the sections written out again read back the same.
#include "UnitFuzzCheck.h"

#include "unitIniFile_p.h"

#include <cstdint>

// Found by the comparison of two lists of sections.
namespace IniFileDetail {
bool operator==(const TIniValue &a, const TIniValue &b) {
    return a.stKey == b.stKey && a.stValue == b.stValue && a.stRawValue == b.stRawValue;
}
bool operator==(const TIniSection &a, const TIniSection &b) {
    return a.stName == b.stName && a.lstValues == b.lstValues;
}
} // namespace IniFileDetail

using namespace IniFileDetail;

namespace {
bool fnbOneTrimmedLine(const QString &st) {
    return st == st.trimmed() && !st.contains(QLatin1Char('\n')) && !st.contains(QLatin1Char('\r'));
}

QByteArray fnbaWritten(const QList<TIniSection> &lstSections) {
    QByteArray ba;
    for (const TIniSection &recSection : lstSections) {
        ba += "[" + recSection.stName.toUtf8() + "]\r\n";
        for (const TIniValue &recValue : recSection.lstValues)
            ba += recValue.stKey.toUtf8() + "=" + recValue.stRawValue.toUtf8() + "\r\n";
    }
    return ba;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize) {
    const QByteArray baBytes(reinterpret_cast<const char *>(pData), qsizetype(iSize));
    const QList<TIniSection> lstSections = fnlstParseIniBytes(baBytes);
    for (const TIniSection &recSection : lstSections) {
        FUZZ_CHECK(fnbOneTrimmedLine(recSection.stName));
        for (const TIniValue &recValue : recSection.lstValues) {
            FUZZ_CHECK(fnbOneTrimmedLine(recValue.stKey) && !recValue.stKey.isEmpty());
            FUZZ_CHECK(!recValue.stKey.contains(QLatin1Char('=')));
            FUZZ_CHECK(fnbOneTrimmedLine(recValue.stRawValue));
            FUZZ_CHECK(recValue.stRawValue.contains(recValue.stValue));
            FUZZ_CHECK(recValue.stRawValue.size() - recValue.stValue.size() <= 2);
        }
    }
    // A text that is not UTF-8 is read in the system's code page; written out
    // again as UTF-8 it must read back the same.
    if (QString::fromUtf8(baBytes).toUtf8() == baBytes)
        FUZZ_CHECK(fnlstParseIniBytes(fnbaWritten(lstSections)) == lstSections);
    return 0;
}
