// The key filters: one event filter per edit, owned by the edit.
#include "UnitKeyFilters.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

// Keys that never reach a key-press handler as a character: they move the
// focus, close the dialog or edit without typing.
bool fnbIsEditingKey(const QKeyEvent &ev) {
    switch (ev.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return true;
    default:
        return ev.text().isEmpty();
    }
}

bool fnbIsClipboardOrUndo(const QKeyEvent &ev) {
    if (!(ev.modifiers() & Qt::ControlModifier))
        return false;
    return ev.key() == Qt::Key_C || ev.key() == Qt::Key_V || ev.key() == Qt::Key_X ||
           ev.key() == Qt::Key_Z;
}

class TclsKeyPressFilter : public QObject {
public:
    using TfnbDiscard = bool (*)(const QKeyEvent &);
    TclsKeyPressFilter(QWidget *w, TfnbDiscard fnbDiscard) : QObject(w), fnbDiscard(fnbDiscard) {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *ev) override {
        return ev->type() == QEvent::KeyPress && fnbDiscard(*static_cast<QKeyEvent *>(ev));
    }

private:
    TfnbDiscard fnbDiscard;
};

bool fnbDiscardNonDigit(const QKeyEvent &ev) {
    if (fnbIsEditingKey(ev) || fnbIsClipboardOrUndo(ev))
        return false;
    const QString st = ev.text();
    return ev.modifiers() & Qt::ControlModifier || st.size() != 1 || !st.at(0).isDigit() ||
           st.at(0).unicode() > '9';
}

bool fnbDiscardSpace(const QKeyEvent &ev) {
    return ev.key() == Qt::Key_Space;
}

} // namespace

void pAcceptDigitsOnly(QWidget *w) {
    new TclsKeyPressFilter(w, &fnbDiscardNonDigit);
}

void pDiscardSpaceKey(QWidget *w) {
    new TclsKeyPressFilter(w, &fnbDiscardSpace);
}
