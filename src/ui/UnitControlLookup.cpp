// Control lookup by name.
#include "UnitControlLookup.h"

QWidget *fnwFindControl(QWidget *wRoot, const QString &stName) {
    if (!wRoot || stName.isEmpty())
        return nullptr;
    if (QWidget *w = wRoot->findChild<QWidget *>(stName))
        return w;
    for (QWidget *w : wRoot->findChildren<QWidget *>())
        if (w->objectName().compare(stName, Qt::CaseInsensitive) == 0)
            return w;
    return nullptr;
}
