// Moving the focus in a test as a user does: the move, then the event loop
// runs what the move set off (the steps of the field left and the field
// entered), as it does between two actions of a user.
#pragma once

#include <QCoreApplication>
#include <QWidget>

inline void pFocusOn(QWidget *w, Qt::FocusReason iReason = Qt::OtherFocusReason) {
    w->setFocus(iReason);
    QCoreApplication::processEvents();
}
