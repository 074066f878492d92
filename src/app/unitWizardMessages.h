// The wizard's own message boxes: a warning with OK, a question with Yes and
// No. The frame and the pages ask through them, so every box has the same
// caption and buttons.
#pragma once

#include <QString>

void pWarnUser(const QString &stMessage);
// True when the user answered Yes; No is the default.
bool fnbConfirmWithUser(const QString &stMessage);
