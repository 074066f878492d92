// The country decides the address's form: postcode, or city and suburb.
#include "unitSenderAddressEvents.h"

#include "UnitFraCountry.h"
#include "UnitFraIATA.h"
#include "UnitFraState.h"
#include "UnitFraSuburb.h"
#include "unitSenderAddressEventStrings.h"
#include "unitSenderAddressRows.h"

#include "ui_UnitFraCountry.h"
#include "ui_UnitFraSuburb.h"

#include <QLabel>

namespace {
constexpr int ciCityWidth = 250;
constexpr int ciCityWidthBesideSuburb = 155;
constexpr int ciCityMaxLength = 35;
} // namespace

// Fixed widths (minimum = maximum) hold whether or not the page lays its
// fields out itself.
void TclsSenderAddressEvents::pSetCityLayout(bool bSuburbs) {
    edtSenderCity->setFixedWidth(bSuburbs ? ciCityWidthBesideSuburb : ciCityWidth);
    edtSenderCity->setMaxLength(ciCityMaxLength);
    fraSenderSuburb->setVisible(bSuburbs);
    if (!lblSenderCitySuburb)
        return;
    lblSenderCitySuburb->setText(bSuburbs ? fnstRS(aes::rsCity) + fnstRS(aes::rsSlash) +
                                                fnstRS(aes::rsSuburb) + fnstRS(aes::rsColon)
                                          : fnstRS(aes::rsCity) + fnstRS(aes::rsColon));
}

void TclsSenderAddressEvents::pApplyCountryLayout() {
    const QString stCode = fnstCountryCode();
    pSetCityLayout(false);
    if (stCode.isEmpty() || fnbUsesPostcode() || !fnbCountryHasSuburbs(stCode)) {
        // A suburb country chosen before left the postcode field disabled.
        edtSenderPostcode->setEnabled(true);
        return;
    }
    edtSenderPostcode->clear();
    edtSenderPostcode->setEnabled(false);
    pShowSuburbsOfCity();
    pSetCityLayout(true);
}

void TclsSenderAddressEvents::pCountryNameExit() {
    if (fnbTowardsCancel())
        return;
    pApplyCountryLayout();
}

void TclsSenderAddressEvents::pCountryFrameExit() {
    if (fnbTowardsCancel())
        return;
    fraSenderIATA->pSetCountryCode(fraSenderCountry->ui->cmbCountryCode->currentText());
    // A blank country is the combo's and the page's to refuse, and an
    // unchanged one passed this check before.
    const QString stName = fraSenderCountry->fnstCountryName();
    if (stName.isEmpty() || stName == stCountryOnEnter)
        return;
    if (fraSenderCountry->fnbCheckCountry())
        stCountryOnEnter = stName;
}

void TclsSenderAddressEvents::pCountryLookedUp() {
    if (afLastFrame == TAddressFrame::afCountry) {
        pCountryNameExit();
        pCountryFrameExit();
        pFocusNextControl(wPage, fraSenderCountry->ui->btnCountryLookup);
        return;
    }
    if (afLastFrame == TAddressFrame::afState && !recControls.cmbState->isEnabled())
        fnbFocusControl(edtSenderCity);
}
