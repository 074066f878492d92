// The typed-character filters of the fields.
#include "UnitKeyFilters.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <functional>

namespace {
class TclsTypedKeyFilter : public QObject {
public:
    TclsTypedKeyFilter(QWidget *w, std::function<bool(QChar)> fnbAllowed)
        : QObject(w), fnbAllowed(std::move(fnbAllowed)) {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *obj, QEvent *e) override {
        if (e->type() == QEvent::KeyPress) {
            const auto *keyEvent = static_cast<QKeyEvent *>(e);
            const QString stText = keyEvent->text();
            // A key that types nothing printable is a control key, and one held
            // with Ctrl a shortcut (some platforms give Ctrl+V the text "v").
            const bool bShortcut = keyEvent->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
            const bool bTyped = !bShortcut && !stText.isEmpty() && stText.front().isPrint();
            if (bTyped && !std::all_of(stText.begin(), stText.end(), fnbAllowed))
                return true;
        }
        return QObject::eventFilter(obj, e);
    }

private:
    std::function<bool(QChar)> fnbAllowed;
};
} // namespace

void pAllowOnlyDigits(QWidget *w) {
    if (w)
        new TclsTypedKeyFilter(w, [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
}

void pRefuseCharacters(QWidget *w, const QString &stRefused) {
    if (w)
        new TclsTypedKeyFilter(w, [stRefused](QChar ch) { return !stRefused.contains(ch); });
}

void pForceUpperCase(QLineEdit *edt) {
    if (edt)
        edt->setValidator(new TclsUpperCaseValidator(edt));
}
