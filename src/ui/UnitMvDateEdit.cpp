// The optional date field.
#include "UnitMvDateEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
// Stands for "no date"; it lies before any date a user means.
const QDate cdtNoDate(1752, 9, 14);
} // namespace

TmvDateEdit::TmvDateEdit(QWidget *wParent) : QDateEdit(wParent) {
    setCalendarPopup(true);
    setMinimumDate(cdtNoDate);
    // The blank is what the field shows while it holds the lowest date.
    setSpecialValueText(QStringLiteral(" "));
    pClearDate();
}

bool TmvDateEdit::fnbHasDate() const {
    return date() != cdtNoDate;
}

QDate TmvDateEdit::fndtDate() const {
    return fnbHasDate() ? date() : QDate();
}

void TmvDateEdit::pSetDate(const QDate &dt) {
    setDate(dt.isValid() && dt > cdtNoDate ? dt : cdtNoDate);
}

void TmvDateEdit::keyPressEvent(QKeyEvent *e) {
    const bool bErase = e->key() == Qt::Key_Delete || e->key() == Qt::Key_Backspace;
    if (bErase && lineEdit()->selectedText() == lineEdit()->text()) {
        pClearDate();
        e->accept();
        return;
    }
    QDateEdit::keyPressEvent(e);
}
