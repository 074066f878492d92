// Reading an answers file.
#include "UnitAnswersFile.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {
bool fnbYesOrNo(const QString &st) {
    return st.compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0 ||
           st.compare(QLatin1String("No"), Qt::CaseInsensitive) == 0;
}

bool fnbTime(const QString &st) {
    static const QRegularExpression re(QStringLiteral("^([01]?[0-9]|2[0-3]):[0-5][0-9]$"));
    return re.match(st).hasMatch();
}

qsizetype fniKeyOrder(const TrecAnswerKey *pKey) {
    const auto ar = fnarAnswerKeys();
    return pKey - ar.data();
}
} // namespace

bool fnbYes(const QString &stValue) {
    return stValue.compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0;
}

QString fnstCheckValue(TAnswerKind enKind, const TrecAnswerKey &rec, const QString &stValue) {
    switch (enKind) {
    case akCheck:
        return fnbYesOrNo(stValue) ? QString() : QStringLiteral("Yes or No expected");
    case akSpin: {
        bool bNumber = false;
        stValue.toInt(&bNumber);
        return bNumber ? QString() : QStringLiteral("a whole number expected");
    }
    case akTime:
        return fnbTime(stValue) ? QString() : QStringLiteral("a time hh:mm expected");
    case akDate:
        return stValue.isEmpty() || QDate::fromString(stValue, Qt::ISODate).isValid()
                   ? QString()
                   : QStringLiteral("a date yyyy-mm-dd expected");
    case akRadio: {
        QStringList slChoices;
        for (const auto &[stChoice, stControl] : fnarRadioChoices(rec)) {
            if (stChoice.compare(stValue, Qt::CaseInsensitive) == 0)
                return {};
            slChoices << stChoice;
        }
        return QStringLiteral("one of ") + slChoices.join(QStringLiteral(", ")) +
               QStringLiteral(" expected");
    }
    default:
        return {};
    }
}

bool TclsAnswersFile::fnbLoad(const QString &stFile, QString &stError) {
    QFile f(stFile);
    if (!f.open(QIODevice::ReadOnly)) {
        stError = stFile + QStringLiteral(": ") + f.errorString();
        return false;
    }
    return fnbParse(QString::fromUtf8(f.readAll()), stFile, stError);
}

bool TclsAnswersFile::fnbParse(const QString &stText, const QString &stNewName, QString &stError) {
    stName = stNewName;
    arAnswers.clear();
    slSections.clear();
    QString stSection;
    const QStringList slLines = stText.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < slLines.size(); ++i) {
        const QString stWhy = fnstCheckLine(slLines[i], stSection, int(i + 1));
        if (!stWhy.isEmpty()) {
            stError =
                stName + QLatin1Char(':') + QString::number(i + 1) + QStringLiteral(": ") + stWhy;
            arAnswers.clear();
            return false;
        }
    }
    return true;
}

// One line: empty when it is sound (an answer is kept), else why not.
QString TclsAnswersFile::fnstCheckLine(const QString &stRawLine, QString &stSection, int iLine) {
    const QString stLine = stRawLine.trimmed();
    if (stLine.isEmpty() || stLine.startsWith(QLatin1Char(';')) ||
        stLine.startsWith(QLatin1Char('#')))
        return {};
    if (stLine.startsWith(QLatin1Char('['))) {
        if (!stLine.endsWith(QLatin1Char(']')))
            return QStringLiteral("a section line must end with \"]\"");
        const QString stNew = stLine.mid(1, stLine.size() - 2).trimmed();
        if (!fnbAnswerSection(stNew))
            return QStringLiteral("unknown section [") + stNew + QLatin1Char(']');
        // An empty section given twice is as much a mistake as a full one.
        if (slSections.contains(stNew))
            return QStringLiteral("section [") + stNew + QStringLiteral("] given twice");
        slSections << stNew;
        stSection = stNew;
        return {};
    }
    const qsizetype iEq = stLine.indexOf(QLatin1Char('='));
    if (iEq < 0)
        return QStringLiteral("\"Key = Value\", \"[Section]\" or a comment expected");
    if (stSection.isEmpty())
        return QStringLiteral("a key before the first section");
    TrecAnswer rec{stSection, stLine.left(iEq).trimmed(), stLine.mid(iEq + 1).trimmed(), iLine,
                   nullptr};
    if (rec.stKey.isEmpty())
        return QStringLiteral("a key is missing before \"=\"");
    const bool bDataSection = stSection == cstDestinationBillingSection ||
                              stSection == cstServicesSection || stSection == cstAnswersSection;
    if (!bDataSection) {
        rec.pKey = fnpAnswerKey(stSection, rec.stKey);
        if (!rec.pKey)
            return QStringLiteral("unknown key \"") + rec.stKey + QStringLiteral("\" in [") +
                   stSection + QLatin1Char(']');
        if (const QString stWhy = fnstCheckValue(rec.pKey->enKind, *rec.pKey, rec.stValue);
            !stWhy.isEmpty())
            return rec.stKey + QStringLiteral(": ") + stWhy;
    }
    for (const TrecAnswer &recSeen : arAnswers)
        if (recSeen.stSection == stSection &&
            recSeen.stKey.compare(rec.stKey, Qt::CaseInsensitive) == 0)
            return QStringLiteral("key \"") + rec.stKey + QStringLiteral("\" given twice (line ") +
                   QString::number(recSeen.iLine) + QLatin1Char(')');
    arAnswers.push_back(std::move(rec));
    return {};
}

std::vector<TrecAnswer> TclsAnswersFile::fnarSection(const QString &stSection) const {
    std::vector<TrecAnswer> ar;
    std::copy_if(arAnswers.begin(), arAnswers.end(), std::back_inserter(ar),
                 [&](const TrecAnswer &rec) { return rec.stSection == stSection; });
    return ar;
}

std::vector<TrecAnswer> TclsAnswersFile::fnarPage(int iPage) const {
    std::vector<TrecAnswer> ar;
    std::copy_if(arAnswers.begin(), arAnswers.end(), std::back_inserter(ar),
                 [&](const TrecAnswer &rec) { return rec.pKey && rec.pKey->iPage == iPage; });
    std::stable_sort(ar.begin(), ar.end(), [](const TrecAnswer &a, const TrecAnswer &b) {
        return fniKeyOrder(a.pKey) < fniKeyOrder(b.pKey);
    });
    return ar;
}

QString TclsAnswersFile::fnstWhere(const TrecAnswer &rec) const {
    return stName + QLatin1Char(':') + QString::number(rec.iLine) + QStringLiteral(": ");
}
