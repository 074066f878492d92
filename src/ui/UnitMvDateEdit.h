// TmvDateEdit: a date field that can also hold no date. A picked date shows
// as usual; "no date" shows an empty field (the lowest date of the range,
// shown as a blank), so an optional date need not invent a value.
#pragma once

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

protected:
    // Delete or Backspace on a fully selected field empties it.
    void keyPressEvent(QKeyEvent *e) override;
};
