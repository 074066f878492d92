// Modal dialogs other than message boxes (the error list) are shown through
// one replaceable runner, so tests and unattended runs never block on them.
#pragma once

#include <functional>

class QDialog;

using TModalRunner = std::function<int(QDialog &)>;

// Shows the dialog modally and returns its result.
int fniExecModal(QDialog &dlg);
// How many dialogs were run so far, however they were answered.
int fniDialogsRun();
// Replaces the runner and returns the one it replaces; an empty runner brings
// back QDialog::exec.
TModalRunner pSetModalRunner(TModalRunner fnRunner);
