// Leaving the airport frame and choosing an airport: the airport must be one
// of the directory, and its country becomes the sender's.
#include "unitSenderAddressEvents.h"

#include "UnitErrorMarks.h"
#include "UnitFraCountry.h"
#include "UnitFraIATA.h"
#include "UnitFraState.h"
#include "unitSenderAddressRows.h"

#include "ui_UnitFraIATA.h"

namespace {
// The object's own changes of the fields, during which they do not empty the
// airport.
class TclsApplying {
public:
    explicit TclsApplying(bool &b) : b(b), bBefore(b) { b = true; }
    ~TclsApplying() { b = bBefore; }
    TclsApplying(const TclsApplying &) = delete;
    TclsApplying &operator=(const TclsApplying &) = delete;

private:
    bool &b;
    bool bBefore;
};
} // namespace

void TclsSenderAddressEvents::pEnablePostcodeForCountry() {
    if (fnbUsesPostcode()) {
        edtSenderPostcode->setEnabled(true);
        return;
    }
    edtSenderPostcode->clear();
    edtSenderPostcode->setEnabled(false);
}

// The country, state and postcode follow the country of the airport.
void TclsSenderAddressEvents::pFollowAirportCountry(const QString &stCountryCode) {
    fraSenderCountry->pSetCountryCode(stCountryCode);
    fraSenderState->pSetCountryCode(stCountryCode);
    pEnablePostcodeForCountry();
}

// A valid airport shows the normal colour; an empty one is required.
void TclsSenderAddressEvents::pMarkAirport(bool bValid) {
    TclsErrorMarks(wPage).pMark({QStringLiteral("cmbIATA")},
                                bValid ? cclNormalField : cclErrorField);
    fraSenderIATA->ui->cmbIATA->setProperty("Required", !bValid);
}

void TclsSenderAddressEvents::pAirportExit() {
    if (fnbTowardsCancel())
        return;
    TclsApplying objApplying(bApplying);
    QComboBox *cmbIATA = fraSenderIATA->ui->cmbIATA;
    const QString stIATA = cmbIATA->currentText().trimmed().toUpper();
    if (stIATA.isEmpty()) {
        fraSenderIATA->pSetIATA(QString());
        return;
    }
    const auto oAirport = fnoAirportCountry(stIATA);
    if (oAirport && !oAirport->stCountryCode.isEmpty() &&
        oAirport->stCountryCode.compare(fnstCountryCode(), Qt::CaseInsensitive) != 0)
        pFollowAirportCountry(oAirport->stCountryCode);
    if (fniDirectoryRowsOfAirport(stIATA) < 1)
        fraSenderIATA->pSetIATA(QString());
    else
        fraSenderIATA->pSetIATA(stIATA);
    const bool bValid = !cmbIATA->currentText().isEmpty();
    pMarkAirport(bValid);
}

void TclsSenderAddressEvents::pAirportLookedUp() {
    {
        TclsApplying objApplying(bApplying);
        const QString stIATA = fraSenderIATA->fnstIATA();
        const auto oAirport = fnoAirportCountry(stIATA);
        const QString stCountryCode = oAirport ? oAirport->stCountryCode : QString();
        if (stCountryCode.compare(fnstCountryCode(), Qt::CaseInsensitive) != 0)
            edtSenderPostcode->clear();
        if (!stCountryCode.isEmpty())
            pFollowAirportCountry(stCountryCode);
        fraSenderIATA->pSetIATA(stIATA);
    }
    if (afLastFrame == TAddressFrame::afAirport) {
        pAirportExit();
        if (fraSenderIATA->fnstCountryCode().isEmpty())
            fraSenderIATA->pSetCountryCode(fnstCountryCode());
        else if (!fnbFocusControl(recControls.cmbState))
            fnbFocusControl(edtSenderCity);
    }
    if (afLastFrame == TAddressFrame::afState && !recControls.cmbState->isEnabled())
        fnbFocusControl(edtSenderCity);
}

void TclsSenderAddressEvents::pStateLookedUp() {
    pClearAirport();
    if (afLastFrame == TAddressFrame::afState && !recControls.cmbState->isEnabled())
        fnbFocusControl(edtSenderCity);
}
