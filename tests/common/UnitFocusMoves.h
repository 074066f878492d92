// Moving the focus in a test as a user does: the window in front first (a
// user clicks into a window the desktop left inactive, and only the active
// window's focus moves set off the steps of the field left and the field
// entered), the move, then the event loop runs what the move set off, as it
// does between two actions of a user.
#pragma once

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

// The window of w in front, as a user's click puts it; false when the
// window system never made it active.
inline bool fnbWindowInFront(QWidget *w) {
    QWidget *wWindow = w->window();
    if (wWindow->isActiveWindow())
        return true;
    wWindow->activateWindow();
    return QTest::qWaitForWindowActive(wWindow);
}

inline void pFocusOn(QWidget *w, Qt::FocusReason iReason = Qt::OtherFocusReason) {
    if (!fnbWindowInFront(w))
        qWarning("The window of %s never became active.", qPrintable(w->objectName()));
    w->setFocus(iReason);
    QCoreApplication::processEvents();
}
