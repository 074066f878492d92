// The leaving check and message boxes of the lookup frames.
#include "UnitFraLookup.h"

#include "UnitLookupFrameResourceStrings.h"
#include "UnitLookupResourceStrings.h"
#include "UnitMvLookupCombo.h"

TfraLookup::TfraLookup(QWidget *wParent)
    : QFrame(wParent), stFormCaption(fnstRS(rsLookupFormCaption)) {}

void TfraLookup::pSetFormCaption(const QString &st) {
    stFormCaption = st;
    pApplyCaption();
}

void TfraLookup::pSetImageIcon(int i) {
    iImageIcon = i;
    pApplyCaption();
}

void TfraLookup::pPrepareCombo(TmvLookupCombo *cmb, const QString &stFields,
                               const QString &stCaptions, const QString &stKey) {
    cmb->pSetListFieldNames(stFields);
    cmb->pSetListColumnCaptions(stCaptions);
    cmb->pSetKeyFieldNames(stKey);
}

void TfraLookup::pRefuse(TmvLookupCombo *cmb, TResourceString rsInvalid) {
    fniMessageDlg(fnstRS(rsInvalid), stFormCaption, {fnstRS(rsFraOK)}, fnstRS(rsFraOK), iImageIcon);
    if (cmb->isVisible() && cmb->isEnabled() && cmb->focusPolicy() != Qt::NoFocus) {
        cmb->setFocus(Qt::OtherFocusReason);
        cmb->showPopup();
    }
}

bool TfraLookup::fnbCheckLeft(TmvLookupCombo *cmb, QString &stHeld, const TFound &fnbFound,
                              TResourceString rsInvalid) {
    const QString stText = cmb->currentText().trimmed();
    cmb->setEditText(stText);
    if (stText == stHeld)
        return true;
    if (stText.isEmpty()) {
        stHeld.clear();
        return true;
    }
    if (stText.size() < cmb->RequiredLength || !fnbFound(stText)) {
        pRefuse(cmb, rsInvalid);
        return false;
    }
    stHeld = stText;
    return true;
}
