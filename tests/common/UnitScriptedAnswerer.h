// Answers the program's message boxes in a test: the test says which button
// the next question gets before the click that asks it. A question nobody
// expected is recorded (and answered with its default button) so the test can
// fail on it; no test ever blocks on a dialog.
#pragma once

#include "UnitMsgDialog.h"

#include <deque>
#include <vector>

class TclsScriptedAnswerer {
public:
    TclsScriptedAnswerer();
    ~TclsScriptedAnswerer();
    TclsScriptedAnswerer(const TclsScriptedAnswerer &) = delete;
    TclsScriptedAnswerer &operator=(const TclsScriptedAnswerer &) = delete;

    // The next question is answered with this 0-based button.
    void pExpect(int iButton) { arPlanned.push_back(iButton); }

    // Every question asked, in order.
    const std::vector<TrecMessageDlg> &fnarAsked() const { return arAsked; }
    // Questions that came when no answer was planned.
    const std::vector<TrecMessageDlg> &fnarUnexpected() const { return arUnexpected; }
    // Planned answers no question used.
    size_t fniUnused() const { return arPlanned.size(); }

private:
    std::deque<int> arPlanned;
    std::vector<TrecMessageDlg> arAsked;
    std::vector<TrecMessageDlg> arUnexpected;
    TMessageAnswerer fnPrevious;
};
