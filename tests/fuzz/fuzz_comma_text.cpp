// The comma text the phone-number library answers in. Whatever the text, no
// element keeps an unquoted separator's blank at either end, and a list
// written back as comma text (each element quoted) reads back the same.
#include "UnitFuzzCheck.h"

#include "unitCommaText.h"

#include <cstdint>

namespace {
QString fnstQuoted(const QStringList &sl) {
    QStringList slQuoted;
    for (QString st : sl)
        slQuoted << QLatin1Char('"') + st.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                        QLatin1Char('"');
    return slQuoted.join(QLatin1Char(','));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize) {
    const QString stText =
        QString::fromUtf8(reinterpret_cast<const char *>(pData), qsizetype(iSize));
    const QStringList sl = fnslCommaText(stText);
    FUZZ_CHECK(fnslCommaText(fnstQuoted(sl)) == sl);
    fnstCommaValue(sl, sl.value(0).section(QLatin1Char('='), 0, 0));
    return 0;
}
