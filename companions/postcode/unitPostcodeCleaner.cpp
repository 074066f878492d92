// The cleaning rules: a postcode is tried in the written forms its country's
// examples show before it is tried as typed, so that a postcode typed without
// (or with the wrong) separator comes back in the form the carrier prints.
#include "unitPostcodeCleaner.h"

#include <QRegularExpression>

namespace {

// Letters and digits only: what a postcode is once separators are ignored.
QString fnstBare(const QString &st) {
    QString stBare;
    for (const QChar ch : st)
        if (ch.isLetterOrNumber())
            stBare += ch;
    return stBare;
}

// The bare postcode laid out like an example with as many letters and digits;
// empty when the example has another number of them.
QString fnstShapedLike(const QString &stBare, const QString &stExample) {
    if (fnstBare(stExample).size() != stBare.size())
        return {};
    QString stShaped;
    qsizetype i = 0;
    for (const QChar ch : stExample)
        stShaped += ch.isLetterOrNumber() ? stBare.at(i++) : ch;
    return stShaped;
}

// The forms to try, best first: the examples' layouts, then as typed (inner
// blanks collapsed), then with no separator at all.
QStringList fnslCandidates(const TrecPostcodeFormat &rec, const QString &stTyped) {
    QStringList slTexts;
    if (!rec.bUpper)
        slTexts << stTyped.simplified();
    slTexts << stTyped.simplified().toUpper();
    QStringList slCandidates;
    for (const QString &stText : slTexts) {
        const QString stBare = fnstBare(stText);
        for (const QString &stExample : rec.slExamples)
            slCandidates << fnstShapedLike(stBare, stExample.trimmed());
        slCandidates << stText << stBare;
    }
    slCandidates.removeAll(QString());
    slCandidates.removeDuplicates();
    return slCandidates;
}

std::optional<QString> fnstFirstMatch(const TrecPostcodeFormat &rec, const QString &stTyped) {
    const QRegularExpression re(QRegularExpression::anchoredPattern(rec.stPattern));
    if (!re.isValid())
        return std::nullopt;
    for (const QString &stCandidate : fnslCandidates(rec, stTyped))
        if (re.match(stCandidate).hasMatch())
            return stCandidate;
    return std::nullopt;
}

} // namespace

TrecCleanedPostcode fnrecCleanPostcode(const std::optional<TrecPostcodeFormat> &recFormat,
                                       const QString &stPostcode, const QString &stCity) {
    const QString stTyped = stPostcode.trimmed();
    const bool bCityKnown = !stCity.trimmed().isEmpty();
    if (stTyped.isEmpty())
        return {bCityKnown ? cstPostcodeNoError : cstPostcodeNeedsCity, stTyped};
    if (!recFormat || recFormat->stPattern.isEmpty())
        return {cstPostcodeNoError, stTyped};
    const std::optional<QString> stCleaned = fnstFirstMatch(*recFormat, stTyped);
    if (!stCleaned)
        return {bCityKnown ? cstPostcodeIncorrect : cstPostcodeNeedsCity, stTyped};
    // Capitals and doubled blanks are put right silently; a moved, added or
    // dropped separator is shown to the user to confirm.
    const bool bSameLayout = stCleaned->compare(stTyped.simplified(), Qt::CaseInsensitive) == 0;
    return {bSameLayout ? cstPostcodeNoError : cstPostcodeCorrected, *stCleaned};
}
