// The hourglass for as long as an object of this class lives, so that a step
// that fails or throws still gives the user the normal cursor back.
#pragma once

#include <QApplication>

class TclsHourglass {
public:
    TclsHourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TclsHourglass() { QApplication::restoreOverrideCursor(); }
    TclsHourglass(const TclsHourglass &) = delete;
    TclsHourglass &operator=(const TclsHourglass &) = delete;
};
