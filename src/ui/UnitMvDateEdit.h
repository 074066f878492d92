// TmvDateEdit: a date field that can also hold no date. A picked or typed
// date shows as usual; "no date" shows an empty field (the lowest date of the
// range, shown as a blank), so an optional date need not invent a value.
// Typing into the empty field starts a date; text that is not a date is
// refused key by key, and a date left half typed is named in a message once
// the focus has moved (or when the page asks, before it moves on): the field
// goes back to what it held when the user entered it, never silently.
#pragma once

#include <QDate>
#include <QDateEdit>

class TmvDateEdit : public QDateEdit {
    Q_OBJECT

public:
    explicit TmvDateEdit(QWidget *wParent = nullptr);

    bool fnbHasDate() const;
    // The date shown, or a null date when the field is empty.
    QDate fndtDate() const;
    // An invalid (null) date empties the field.
    void pSetDate(const QDate &dt);
    void pClearDate() { pSetDate(QDate()); }

    // The locale's short date pattern with a four-digit year (a two-digit
    // year would put a typed date in the wrong century), at most 34
    // characters; empty when the locale has none.
    static QString fnstShortDateFormat(const QLocale &loc);

    // The caption of the message that names a half-typed date, and the
    // field's name in it.
    void pSetRefusalTexts(const QString &stCaption, const QString &stFieldName);
    // The field shows text that is neither empty nor a date.
    bool fnbHoldsPartialText() const;
    // Names a half-typed date, left or still in the field, in a message and
    // puts the user back in the field; false when there is none.
    bool fnbTellPartialText();

protected:
    // Delete or Backspace on a fully selected field empties it; typing into
    // an empty field starts a date.
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    QString stRefusalCaption, stFieldName;
    QDate dtEntered;   // the date held when the user entered the field
    QString stRefused; // a half-typed date waiting to be named
    bool bTelling = false;
};
