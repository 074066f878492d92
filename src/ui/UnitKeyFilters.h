// What a field lets the user type: digits only, no characters a path must not
// hold, or letters in upper case. Typed characters are filtered; control keys
// (Backspace, Enter, Tab and the clipboard and undo shortcuts) are left to the
// field and the form, and pasted text is not filtered.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;
class QWidget;

// Discards every typed character that is not a digit "0" to "9".
void pAllowOnlyDigits(QWidget *w);
// Discards every typed character that is one of stRefused.
void pRefuseCharacters(QWidget *w, const QString &stRefused);
// The characters a folder path must not hold (the backslash is allowed).
inline const QString cstPathRefused = QStringLiteral("\"*/:<>?|");

// Letters typed or pasted appear in upper case.
class TclsUpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &stInput, int &) const override {
        stInput = stInput.toUpper();
        return Acceptable;
    }
};

void pForceUpperCase(QLineEdit *edt);
