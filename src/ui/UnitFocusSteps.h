// What the program does when the user enters or leaves a field (its checks,
// the questions they ask, the fields they fill) waits until the focus change
// is over and runs from the event loop, in the order the changes came: a
// message box shown inside a focus change would take the release of the
// click that moved the focus, and its modal loop would run while the view,
// the editors and the focus itself are half way through the change.
// A button that acts on the whole window (Next, Back, OK) first runs the
// steps still waiting and stops when one of them asked the user something.
#pragma once

#include <functional>

class QObject;

// Queues the step; it is dropped when objContext is gone by then.
void pQueueFocusStep(const QObject *objContext, std::function<void()> fnStep);
// Runs the waiting steps now, in order; true when one of them showed a
// message or a dialog.
bool fnbRunFocusSteps();
// Forgets the waiting steps (the window is being left altogether).
void pDropFocusSteps();
