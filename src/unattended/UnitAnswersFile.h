// TclsAnswersFile: an answers file read line by line. Every line is a comment
// (";" or "#"), blank, a "[Section]" or a "Key = Value"; anything else, an
// unknown section or key, a key given twice or a value its field cannot take
// is refused with its line number.
#pragma once

#include "UnitAnswerKeys.h"

#include <QString>
#include <QStringList>

#include <vector>

struct TrecAnswer {
    QString stSection, stKey, stValue;
    int iLine = 0;
    const TrecAnswerKey *pKey = nullptr; // null in the data sections
};

class TclsAnswersFile {
public:
    // False with "FILE:LINE: why" (or "FILE: why" when it cannot be read).
    bool fnbLoad(const QString &stFile, QString &stError);
    // The same for a text already read; stName stands for the file in errors.
    bool fnbParse(const QString &stText, const QString &stName, QString &stError);

    const QString &fnstName() const { return stName; }
    const std::vector<TrecAnswer> &fnarAnswers() const { return arAnswers; }
    // The answers of one section, in file order.
    std::vector<TrecAnswer> fnarSection(const QString &stSection) const;
    // The fixed keys of one page, in the order the page is filled.
    std::vector<TrecAnswer> fnarPage(int iPage) const;
    // "FILE:LINE: " for messages about one answer.
    QString fnstWhere(const TrecAnswer &rec) const;

private:
    QString fnstCheckLine(const QString &stLine, QString &stSection, int iLine);
    QString stName;
    QStringList slSections; // every section opened so far
    std::vector<TrecAnswer> arAnswers;
};

// Why the value does not suit a field of that kind; empty when it does.
QString fnstCheckValue(TAnswerKind enKind, const TrecAnswerKey &rec, const QString &stValue);
// Yes and No, in any case.
bool fnbYes(const QString &stValue);
