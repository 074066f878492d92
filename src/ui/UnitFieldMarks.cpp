// The mandatory star and the focus-exit hook.
#include "UnitFieldMarks.h"

#include "UnitFocusSteps.h"

#include <QApplication>
#include <QPointer>

#include <QFocusEvent>
#include <QLabel>

namespace {
const char *const cpchMarkSuffix = "Mark";

QLabel *fnlblMarkOf(const QLabel *lbl) {
    QWidget *wParent = lbl->parentWidget();
    if (!wParent)
        return nullptr;
    return wParent->findChild<QLabel *>(lbl->objectName() + QLatin1String(cpchMarkSuffix),
                                        Qt::FindDirectChildrenOnly);
}

class TclsFocusExitHook : public QObject {
public:
    TclsFocusExitHook(QWidget *w, std::function<void(QWidget *)> fn)
        : QObject(w), w(w), fnExit(std::move(fn)) {
        w->installEventFilter(this);
    }

protected:
    // A message box, a menu or another window taking the focus does not
    // leave the field: the user comes back to it.
    bool eventFilter(QObject *obj, QEvent *e) override {
        if (e->type() == QEvent::FocusOut && fnExit) {
            const Qt::FocusReason iReason = static_cast<QFocusEvent *>(e)->reason();
            if (iReason != Qt::ActiveWindowFocusReason && iReason != Qt::PopupFocusReason)
                pQueueFocusStep(this, [this, wTo = QPointer<QWidget>(QApplication::focusWidget())] {
                    if (w->isVisible())
                        fnExit(wTo);
                });
        }
        return QObject::eventFilter(obj, e);
    }

private:
    QWidget *w;
    std::function<void(QWidget *)> fnExit;
};

// The star stands just left of its caption wherever the page's layout puts
// the caption, before and after the captions change.
class TclsMarkFollower : public QObject {
public:
    TclsMarkFollower(QLabel *lbl, QLabel *lblMark) : QObject(lblMark), lbl(lbl), lblMark(lblMark) {
        lbl->installEventFilter(this);
        pFollow();
    }

protected:
    bool eventFilter(QObject *obj, QEvent *e) override {
        if (e->type() == QEvent::Move || e->type() == QEvent::Resize)
            pFollow();
        return QObject::eventFilter(obj, e);
    }

private:
    void pFollow() {
        const QRect rcLabel = lbl->geometry();
        lblMark->setGeometry(rcLabel.left() - 9, rcLabel.top(), 8, rcLabel.height());
    }

    QLabel *lbl;
    QLabel *lblMark;
};
} // namespace

void pSetMandatoryMark(QLabel *lbl, bool bMandatory) {
    if (!lbl || !lbl->parentWidget())
        return;
    QLabel *lblMark = fnlblMarkOf(lbl);
    if (!lblMark) {
        if (!bMandatory)
            return;
        lblMark = new QLabel(QStringLiteral("*"), lbl->parentWidget());
        lblMark->setObjectName(lbl->objectName() + QLatin1String(cpchMarkSuffix));
        QPalette pal = lblMark->palette();
        pal.setColor(QPalette::WindowText, Qt::red);
        lblMark->setPalette(pal);
        new TclsMarkFollower(lbl, lblMark);
    }
    lblMark->setVisible(bMandatory);
}

bool fnbHasMandatoryMark(const QLabel *lbl) {
    const QLabel *lblMark = lbl ? fnlblMarkOf(lbl) : nullptr;
    return lblMark && !lblMark->isHidden();
}

void pEnableField(QWidget *w, bool bEnabled) {
    w->setEnabled(bEnabled);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base,
                 QApplication::palette(w).color(bEnabled ? QPalette::Base : QPalette::Button));
    w->setPalette(pal);
}

void pOnFocusExit(QWidget *w, std::function<void(QWidget *wTo)> fn) {
    if (w)
        new TclsFocusExitHook(w, std::move(fn));
}
