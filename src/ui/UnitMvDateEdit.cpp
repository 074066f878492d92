// The optional date field.
#include "UnitMvDateEdit.h"

#include "UnitLookupResourceStrings.h"
#include "UnitMsgDialog.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QTimer>

namespace {
// Stands for "no date"; it lies before any date a user means.
const QDate cdtNoDate(1752, 9, 14);
// The blank the field shows while it holds the lowest date.
const QString cstNoDateText = QStringLiteral(" ");
constexpr qsizetype ciMaxFormatLength = 34;

// A box, a menu or the calendar taking the focus does not leave the field.
bool fnbFieldLeft(const QFocusEvent *e) {
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}
} // namespace

TmvDateEdit::TmvDateEdit(QWidget *wParent) : QDateEdit(wParent) {
    setCalendarPopup(true);
    setMinimumDate(cdtNoDate);
    setSpecialValueText(cstNoDateText);
    // The calendar of an empty field opens on today's month.
    calendarWidget()->installEventFilter(this);
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

QString TmvDateEdit::fnstShortDateFormat(const QLocale &loc) {
    QString st = loc.dateFormat(QLocale::ShortFormat);
    // "yy" on its own, not part of "yyyy".
    static const QRegularExpression reTwoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    st.replace(reTwoDigitYear, QStringLiteral("yyyy"));
    return st.left(ciMaxFormatLength);
}

void TmvDateEdit::pSetRefusalTexts(const QString &stCaption, const QString &stName) {
    stRefusalCaption = stCaption;
    stFieldName = stName;
}

bool TmvDateEdit::fnbHoldsPartialText() const {
    QString st = lineEdit()->text();
    if (st.trimmed().isEmpty() || st == cstNoDateText)
        return false;
    int iPos = 0;
    return validate(st, iPos) != QValidator::Acceptable;
}

bool TmvDateEdit::fnbTellPartialText() {
    if (bTelling)
        return false;
    // Still in the field (Next from the keyboard): taken back now.
    if (stRefused.isEmpty() && fnbHoldsPartialText()) {
        stRefused = lineEdit()->text().trimmed();
        pSetDate(dtEntered);
    }
    if (stRefused.isEmpty())
        return false;
    const QString stText = std::exchange(stRefused, QString());
    {
        const QScopedValueRollback<bool> guard(bTelling, true);
        fniMessageDlg(fnstRS(rsDateNotADate).arg(stFieldName, stText, displayFormat()),
                      stRefusalCaption, {fnstRS(rsSearchListOK)}, fnstRS(rsSearchListOK),
                      mikWarning);
    }
    if (isVisible() && isEnabled())
        setFocus(Qt::OtherFocusReason);
    return true;
}

void TmvDateEdit::keyPressEvent(QKeyEvent *e) {
    const bool bErase = e->key() == Qt::Key_Delete || e->key() == Qt::Key_Backspace;
    if (bErase && lineEdit()->selectedText() == lineEdit()->text()) {
        pClearDate();
        e->accept();
        return;
    }
    const bool bTyped = !e->text().isEmpty() && e->text().front().isPrint() &&
                        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    // Typing into an empty field starts from today's date with its first
    // part selected, so the typed parts replace today's as in any date field;
    // a key the date refuses leaves the field empty.
    if (bTyped && !fnbHasDate() && lineEdit()->text() == cstNoDateText) {
        setDate(QDate::currentDate());
        setSelectedSection(sectionAt(0));
        const QString stSeeded = lineEdit()->text();
        const QString stSelected = lineEdit()->selectedText();
        QDateEdit::keyPressEvent(e);
        if (lineEdit()->text() == stSeeded && lineEdit()->selectedText() == stSelected)
            pClearDate();
        return;
    }
    // A part typed in full moves on to the next part by itself: the
    // separator the user types after it is the one already passed, not a
    // request to skip the next part.
    if (bTyped && e->text().size() == 1 && !e->text().front().isLetterOrNumber()) {
        const int iStart = lineEdit()->selectionStart();
        const QString stText = lineEdit()->text();
        if (iStart > 0 && stText.at(iStart - 1) == e->text().front()) {
            e->accept();
            return;
        }
    }
    QDateEdit::keyPressEvent(e);
}

void TmvDateEdit::focusInEvent(QFocusEvent *e) {
    // Back from the calendar the user is still in the field.
    if (e->reason() != Qt::PopupFocusReason)
        dtEntered = fndtDate();
    QDateEdit::focusInEvent(e);
}

// A half-typed date is taken back when the field is left, and named once the
// focus has moved.
void TmvDateEdit::focusOutEvent(QFocusEvent *e) {
    const bool bRefused = fnbFieldLeft(e) && fnbHoldsPartialText();
    if (bRefused)
        stRefused = lineEdit()->text().trimmed();
    QDateEdit::focusOutEvent(e);
    if (!bRefused)
        return;
    pSetDate(dtEntered);
    QTimer::singleShot(0, this, [this] { fnbTellPartialText(); });
}

bool TmvDateEdit::eventFilter(QObject *obj, QEvent *e) {
    if (e->type() == QEvent::Show && obj == calendarWidget() && !fnbHasDate()) {
        const QDate dtToday = QDate::currentDate();
        calendarWidget()->setCurrentPage(dtToday.year(), dtToday.month());
    }
    return QDateEdit::eventFilter(obj, e);
}
