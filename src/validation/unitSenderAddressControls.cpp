// Finding and handling the sender page's address controls.
#include "unitSenderAddressControls.h"

#include "UnitControlLookup.h"

namespace {
template <class TControl> TControl *fnwFind(QWidget *wPage, const char *pchName) {
    return qobject_cast<TControl *>(fnwFindControl(wPage, QLatin1String(pchName)));
}
} // namespace

bool TrecSenderAddressControls::fnbComplete() const {
    return edtSenderPostcode && edtSenderCity && edtSenderName && cmbCountryCode &&
           cmbCountryName && cmbState && cmbIATA;
}

TrecSenderAddressControls fnrecFindSenderAddressControls(QWidget *wPage) {
    TrecSenderAddressControls rec;
    rec.edtSenderPostcode = fnwFind<QLineEdit>(wPage, "edtSenderPostcode");
    rec.edtSenderCity = fnwFind<QLineEdit>(wPage, "edtSenderCity");
    rec.edtSenderName = fnwFind<QLineEdit>(wPage, "edtSenderName");
    rec.cmbCountryCode = fnwFind<QComboBox>(wPage, "cmbCountryCode");
    rec.cmbCountryName = fnwFind<QComboBox>(wPage, "cmbCountryName");
    rec.cmbState = fnwFind<QComboBox>(wPage, "cmbState");
    rec.fraSenderState = fnwFind<QWidget>(wPage, "fraSenderState");
    rec.cmbIATA = fnwFind<QComboBox>(wPage, "cmbIATA");
    return rec;
}

bool fnbCanTakeInput(const QWidget *w) {
    if (!w || !w->isEnabled() || !w->isVisibleTo(w->window()) || w->focusPolicy() == Qt::NoFocus)
        return false;
    const auto *edt = qobject_cast<const QLineEdit *>(w);
    return !edt || !edt->isReadOnly();
}

bool fnbFocusControl(QWidget *w) {
    if (!fnbCanTakeInput(w))
        return false;
    w->setFocus(Qt::OtherFocusReason);
    return true;
}

void pFocusNextControl(QWidget *wPage, QWidget *wFrom) {
    if (!wPage || !wFrom)
        return;
    // The chain is a ring: one round at most.
    for (QWidget *wNext = wFrom->nextInFocusChain(); wNext && wNext != wFrom;
         wNext = wNext->nextInFocusChain()) {
        const bool bTabStop = (wNext->focusPolicy() & Qt::TabFocus) && !wNext->focusProxy();
        if (bTabStop && wPage->isAncestorOf(wNext) && !wFrom->isAncestorOf(wNext) &&
            fnbFocusControl(wNext))
            return;
    }
}

QString fnstComboText(const QComboBox *cmb) {
    return cmb ? cmb->currentText() : QString();
}

void pSetComboText(QComboBox *cmb, const QString &st) {
    if (!cmb)
        return;
    if (cmb->isEditable()) {
        cmb->setEditText(st);
        return;
    }
    int iIndex = cmb->findText(st, Qt::MatchFixedString);
    if (iIndex < 0 && !st.isEmpty()) {
        cmb->addItem(st);
        iIndex = cmb->count() - 1;
    }
    cmb->setCurrentIndex(iIndex);
}
