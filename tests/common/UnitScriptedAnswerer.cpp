// Scripted message box answers.
#include "UnitScriptedAnswerer.h"

TclsScriptedAnswerer::TclsScriptedAnswerer() {
    fnPrevious = pSetMessageAnswerer([this](const TrecMessageDlg &rec) {
        arAsked.push_back(rec);
        if (arPlanned.empty()) {
            arUnexpected.push_back(rec);
            return rec.fniDefaultIndex();
        }
        const int iButton = arPlanned.front();
        arPlanned.pop_front();
        return iButton;
    });
}

TclsScriptedAnswerer::~TclsScriptedAnswerer() {
    pSetMessageAnswerer(std::move(fnPrevious));
}
