// Finding a form's control by its name, ignoring letter case, as messages and
// error lists name controls ("edtDefaultpickup" is edtDefaultPickup).
#pragma once

#include <QWidget>

QWidget *fnwFindControl(QWidget *wRoot, const QString &stName);
