// Acting on modal windows from inside their own event loops.
#include "UnitInsideModalLoop.h"

#include "UnitModalDialog.h"

#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace {
constexpr int ciPollMilliseconds = 2;
// About five seconds: a window the window system never shows is acted on anyway.
constexpr int ciMaxPolls = 2500;

bool fnbOffscreen() {
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

class TclsWindowManagerStandIn : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *obj, QEvent *e) override {
        auto *w = qobject_cast<QWidget *>(obj);
        if (!w || !w->isWindow() || w->windowType() == Qt::ToolTip)
            return false;
        switch (e->type()) {
        case QEvent::Show:
            if (QApplication::activeWindow() != w)
                mapOpener[w] = QApplication::activeWindow();
            break;
        case QEvent::Hide:
            if (QApplication::activeWindow() == w || !QApplication::activeWindow())
                pGiveBack(w);
            break;
        case QEvent::WindowActivate:
            // The platform's activation of a window already closed, or of a
            // pop-up, which a desktop never activates, comes too late; a
            // window a modal one blocks hands the activation to it.
            if (!w->isVisible() || w->windowType() == Qt::Popup)
                pGiveBack(w);
            else if (QWidget *wModal = QApplication::activeModalWidget(); wModal && wModal != w)
                pActivate(wModal);
            break;
        default:
            break;
        }
        return false;
    }

private:
    // At once: the opener is the active window again, and the platform's
    // own focus window follows.
    void pGiveBack(QWidget *w) {
        if (const QPointer<QWidget> wOpener = mapOpener.value(w); wOpener && wOpener->isVisible())
            pActivate(wOpener);
    }
    static void pActivate(QWidget *w) {
        QApplication::setActiveWindow(w);
        w->activateWindow();
    }

private:
    QHash<const QObject *, QPointer<QWidget>> mapOpener;
};

// Shown and active, as a window is when its user can act on it.
bool fnbOnScreen(QWidget *w) {
    if (!w->isVisible() || !w->isActiveWindow())
        return false;
    const QWindow *wnd = w->windowHandle();
    return fnbOffscreen() || (wnd && wnd->isExposed());
}
} // namespace

void pStandInForWindowManager() {
    static bool bInstalled = false;
    if (bInstalled || !fnbOffscreen() || !qApp)
        return;
    bInstalled = true;
    qApp->installEventFilter(new TclsWindowManagerStandIn(qApp));
}

void pRunInsideNextModal(std::function<void(QWidget &)> fnStep) {
    auto *tmr = new QTimer(qApp);
    auto iPolls = std::make_shared<int>(0);
    tmr->setInterval(ciPollMilliseconds);
    QObject::connect(tmr, &QTimer::timeout, tmr, [tmr, iPolls, fnStep = std::move(fnStep)] {
        QWidget *w = QApplication::activeModalWidget();
        const bool bGivenUp = ++*iPolls >= ciMaxPolls;
        if (!w && bGivenUp)
            qFatal("No modal window came to be answered.");
        if (!w || (!fnbOnScreen(w) && !bGivenUp))
            return;
        if (bGivenUp)
            qWarning("The modal window \"%s\" never became active; it is answered anyway.",
                     qPrintable(w->windowTitle()));
        tmr->stop();
        tmr->deleteLater();
        fnStep(*w);
    });
    tmr->start();
}

int fniExecAnswering(QDialog &dlg, const std::function<int(QDialog &)> &fnAnswer) {
    pStandInForWindowManager();
    const QPointer<QDialog> pDialog(&dlg);
    pRunInsideNextModal([pDialog, fnAnswer](QWidget &) {
        if (!pDialog)
            return;
        const int iResult = fnAnswer(*pDialog);
        if (pDialog && pDialog->isVisible())
            pDialog->done(iResult);
    });
    return dlg.exec();
}

std::function<int(QDialog &)> fnrunAnsweringInside(std::function<int(QDialog &)> fnAnswer) {
    return
        [fnAnswer = std::move(fnAnswer)](QDialog &dlg) { return fniExecAnswering(dlg, fnAnswer); };
}

TclsDialogAnswerer::TclsDialogAnswerer(std::function<int(QDialog &)> fnAnswer)
    : fnPrevious(pSetModalRunner([this, fnAnswer = std::move(fnAnswer)](QDialog &dlg) {
          ++iShown;
          return fniExecAnswering(dlg, fnAnswer);
      })) {}

TclsDialogAnswerer::~TclsDialogAnswerer() {
    pSetModalRunner(std::move(fnPrevious));
}
