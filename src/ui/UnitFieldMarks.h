// Small marks the pages put on their fields: the red "*" before the label of
// a mandatory field, and a hook run whenever a field loses the focus (a line
// edit's own signal fires only after a change, the checks must run on every
// exit). The hook runs as a focus step (UnitFocusSteps.h), once the focus has
// moved.
#pragma once

#include <functional>

class QLabel;
class QWidget;

// Shows or hides the red "*" just left of the label. The star is a sibling
// label named after it with "Mark" appended, so captions can be set freely.
void pSetMandatoryMark(QLabel *lbl, bool bMandatory);
// Whether the label shows its star.
bool fnbHasMandatoryMark(const QLabel *lbl);

// Enables or disables the field and paints it to match: the window colour
// while it can be typed into, the button face when not, so a greyed field
// reads as not in use.
void pEnableField(QWidget *w, bool bEnabled);

// Runs fn each time w loses the keyboard focus to another control of its
// window (not to a box, menu or other window), with the control that took the
// focus; not when w is no longer on screen by then. The hook lives as long as w.
void pOnFocusExit(QWidget *w, std::function<void(QWidget *wTo)> fn);
