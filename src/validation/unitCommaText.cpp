// Splitting comma text.
#include "unitCommaText.h"

namespace {
bool fnbSeparator(QChar ch) {
    return ch == u',' || ch.unicode() <= u' ';
}

// Reads a quoted element starting at the quote; i ends after the closing quote
// (or at the end of an unclosed one). A doubled quote stands for one.
QString fnstQuoted(const QString &st, qsizetype &i) {
    const QStringView sv(st);
    QString stElement;
    ++i;
    while (i < sv.size()) {
        const qsizetype iQuote = sv.indexOf(u'"', i);
        if (iQuote < 0) {
            stElement += sv.mid(i);
            i = sv.size();
            break;
        }
        stElement += sv.mid(i, iQuote - i);
        i = iQuote + 1;
        if (i < sv.size() && sv[i] == u'"') {
            stElement += u'"';
            ++i;
            continue;
        }
        break;
    }
    return stElement;
}

bool fnbBlank(QChar ch) {
    return ch.unicode() <= u' ';
}
} // namespace

QStringList fnslCommaText(const QString &stText) {
    QStringList sl;
    qsizetype i = 0;
    while (i < stText.size() && fnbBlank(stText[i]))
        ++i;
    while (i < stText.size()) {
        if (stText[i] == u'"') {
            sl << fnstQuoted(stText, i);
        } else {
            const qsizetype iStart = i;
            while (i < stText.size() && !fnbSeparator(stText[i]))
                ++i;
            sl << stText.mid(iStart, i - iStart);
        }
        while (i < stText.size() && fnbBlank(stText[i]))
            ++i;
        if (i < stText.size() && stText[i] == u',') {
            ++i;
            while (i < stText.size() && fnbBlank(stText[i]))
                ++i;
            // A comma at the very end leaves an empty last element.
            if (i == stText.size())
                sl << QString();
        }
    }
    return sl;
}

QString fnstCommaValue(const QStringList &slElements, const QString &stName) {
    const QString stPrefix = stName + u'=';
    for (const QString &stElement : slElements)
        if (stElement.startsWith(stPrefix, Qt::CaseInsensitive))
            return stElement.mid(stPrefix.size());
    return {};
}
