// Answers the program's message boxes in a test: the test says which button
// the next question gets before the click that asks it. By default, in a
// program with windows, the box is really shown modally and the answer is
// given from inside its own event loop (a click on the button, Escape, or
// the window's close button), so the test goes through what a user goes
// through; a question nobody expected is answered with its default button
// and fails the running Qt Test function. Without windows the answer is
// returned at once.
#pragma once

#include "UnitMsgDialog.h"

#include <QStringList>

#include <deque>
#include <vector>

// How the box is answered.
enum TAnswerMode {
    amInsideTheBox, // shown modally, answered from inside its loop
    amReturned      // not shown; the answer is returned at once
};

class TclsScriptedAnswerer {
public:
    // Inside the box when the program has windows, else returned.
    TclsScriptedAnswerer();
    explicit TclsScriptedAnswerer(TAnswerMode amMode);
    ~TclsScriptedAnswerer();
    TclsScriptedAnswerer(const TclsScriptedAnswerer &) = delete;
    TclsScriptedAnswerer &operator=(const TclsScriptedAnswerer &) = delete;

    // The next question is answered with this 0-based button.
    void pExpect(int iButton) { arPlanned.push_back({akButton, iButton}); }
    // The next question is closed with Escape.
    void pExpectEscape() { arPlanned.push_back({akEscape, 0}); }
    // The next question is closed with the window's close button.
    void pExpectClose() { arPlanned.push_back({akClose, 0}); }

    // Every question asked, in order.
    const std::vector<TrecMessageDlg> &fnarAsked() const { return arAsked; }
    // Their texts in order; with bCaptions each as "caption | message".
    QStringList fnslAsked(bool bCaptions = false) const;
    // Questions that came when no answer was planned.
    const std::vector<TrecMessageDlg> &fnarUnexpected() const { return arUnexpected; }
    // Planned answers no question used.
    size_t fniUnused() const { return arPlanned.size(); }

private:
    enum TAnswerKind { akButton, akEscape, akClose };
    struct TrecAnswer {
        TAnswerKind akKind;
        int iButton;
    };
    TrecAnswer fnrecNextAnswer(const TrecMessageDlg &rec);
    int fniAnswer(const TrecMessageDlg &rec);

    TAnswerMode amMode;
    std::deque<TrecAnswer> arPlanned;
    std::vector<TrecMessageDlg> arAsked;
    std::vector<TrecMessageDlg> arUnexpected;
    TMessageAnswerer fnPrevious;
};
