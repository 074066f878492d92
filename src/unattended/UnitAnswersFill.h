// Fills the controls of the page shown from an answers file, the way a user
// fills them: a field is focused, its text typed key by key (so that the
// field's own key filters and exit checks run), boxes and buttons clicked.
#pragma once

#include "UnitAnswersFile.h"

class QWidget;

// Fills page iPage of the wizard frm; false with stError ("FILE:LINE: why")
// when an answer does not fit what the page offers.
bool fnbFillPage(QWidget &frm, int iPage, const TclsAnswersFile &objAnswers, QString &stError);
