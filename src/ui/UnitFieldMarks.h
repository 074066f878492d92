// Small marks the pages put on their fields: the red "*" before the label of
// a mandatory field, and a hook run whenever a field loses the focus (a line
// edit's own signal fires only after a change, the checks must run on every
// exit).
#pragma once

#include <functional>

class QLabel;
class QWidget;

// Shows or hides the red "*" just left of the label. The star is a sibling
// label named after it with "Mark" appended, so captions can be set freely.
void pSetMandatoryMark(QLabel *lbl, bool bMandatory);
// Whether the label shows its star.
bool fnbHasMandatoryMark(const QLabel *lbl);

// Runs fn each time w loses the keyboard focus to another control of its
// window (not to a box, menu or other window); the hook lives as long as w.
void pOnFocusExit(QWidget *w, std::function<void()> fn);
