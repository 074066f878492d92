// The wizard's own message boxes.
#include "unitWizardMessages.h"

#include "UnitMsgDialog.h"
#include "unitWizardResourceStrings.h"

void pWarnUser(const QString &stMessage) {
    fniMessageDlg(stMessage, fnstRS(rs::rsCaptionWarning), {fnstRS(rs::rsOK)}, fnstRS(rs::rsOK),
                  mikWarning);
}

bool fnbConfirmWithUser(const QString &stMessage) {
    return fniMessageDlg(stMessage, fnstRS(rs::rsCaptionConfirmation),
                         {fnstRS(rs::rsYes), fnstRS(rs::rsNo)}, fnstRS(rs::rsNo), mikQuestion) == 0;
}
