// The form's key preview and focus marks: Enter moves on to the next field,
// Alt+N on the password field asks for Next without the confirmation
// complaint, the end-of-day and password boxes turn grey while focused, and
// the typed-character filters of the fields that take digits only.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"

#include "UnitFieldMarks.h"
#include "UnitKeyFilters.h"
#include "UnitMvLookupCombo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

// Sees every key meant for a control of the form before the control does.
class TclsWizardKeyPreview : public QObject {
public:
    explicit TclsWizardKeyPreview(TfrmRegistrationWizard *frm) : QObject(frm), frm(frm) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *obj, QEvent *e) override {
        const bool bKey = e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride;
        auto *w = qobject_cast<QWidget *>(obj);
        if (bKey && w && frm->isAncestorOf(w) && frm->fnbFormKeyDown(static_cast<QKeyEvent *>(e)))
            return true;
        return QObject::eventFilter(obj, e);
    }

private:
    TfrmRegistrationWizard *frm;
};

namespace {
// Grey while the box has the focus, the button face again when it leaves.
class TclsFocusShade : public QObject {
public:
    explicit TclsFocusShade(QWidget *w) : QObject(w) {
        w->setAutoFillBackground(true);
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *obj, QEvent *e) override {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
            auto *w = static_cast<QWidget *>(obj);
            QPalette pal = w->palette();
            pal.setColor(QPalette::Window, e->type() == QEvent::FocusIn
                                               ? QColor(0x80, 0x80, 0x80)
                                               : QApplication::palette(w).color(QPalette::Button));
            w->setPalette(pal);
        }
        return QObject::eventFilter(obj, e);
    }
};

bool fnbIsEnter(const QKeyEvent *e) {
    return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
           !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier));
}

// Enter has a meaning of its own here: a button is pressed with it, a grid
// cell's editor is ended with it, a multi-line text takes it.
bool fnbEnterIsTheControls(const QWidget *w) {
    for (const QWidget *wUp = w; wUp; wUp = wUp->parentWidget())
        if (qobject_cast<const QAbstractItemView *>(wUp))
            return true;
    return qobject_cast<const QAbstractButton *>(w) ||
           (w->inherits("QTextEdit") && !w->property("readOnly").toBool()) ||
           w->inherits("QPlainTextEdit");
}
} // namespace

void TfrmRegistrationWizard::pInstallKeyPreview() {
    new TclsWizardKeyPreview(this);
    QList<QWidget *> arShaded = ui->tbsCommSetting->fnarShadedBoxes();
    arShaded << ui->tbsApplSecurity->fnwFirstField();
    for (QWidget *chk : arShaded)
        new TclsFocusShade(chk);
    pOnFocusExit(ui->tbsApplSecurity->fnedtPassword(),
                 [this](QWidget *wTo) { edtApplSecurityPasswdExit(wTo); });
}

bool TfrmRegistrationWizard::fnbFormKeyDown(QKeyEvent *e) {
    QWidget *wFocus = QApplication::focusWidget();
    if (!wFocus)
        return false;
    if (e->key() == Qt::Key_N && e->modifiers() == Qt::AltModifier &&
        fniCurrentPage() == wpApplSecurity && wFocus == ui->tbsApplSecurity->fnedtPassword()) {
        // Remembered only; the button's own shortcut presses Next.
        ui->tbsApplSecurity->pNoteNextFromPasswordField();
        return false;
    }
    if (e->type() != QEvent::KeyPress || !fnbIsEnter(e) || fnbEnterIsTheControls(wFocus))
        return false;
    if (auto *cmb = qobject_cast<QComboBox *>(wFocus); cmb && cmb->view()->isVisible()) {
        // A lookup combo's list chooses with Enter itself; a plain list is closed.
        if (!qobject_cast<TmvLookupCombo *>(cmb))
            cmb->hidePopup();
        return qobject_cast<TmvLookupCombo *>(cmb) == nullptr;
    }
    focusNextChild();
    return true;
}
