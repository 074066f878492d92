// Entering and leaving the city and postcode fields.
#include "unitSenderAddressEvents.h"

#include "unitAddressCheckStrings.h"
#include "UnitFraCountry.h"
#include "UnitFraSuburb.h"
#include "UnitMsgDialog.h"
#include "unitSenderAddressChecks.h"
#include "unitSenderAddressEventStrings.h"
#include "unitSenderAddressRows.h"

#include "ui_UnitFraSuburb.h"

void TclsSenderAddressEvents::pCityEnter() {
    stCityOnEnter = edtSenderCity->text();
}

void TclsSenderAddressEvents::pCityExit() {
    if (fnbTowardsCancel())
        return;
    if (edtSenderCity->text().isEmpty()) {
        fraSenderSuburb->setEnabled(false);
        fraSenderSuburb->ui->cmbSuburb->setEditText(QString());
        return;
    }
    if (edtSenderCity->text() != stCityOnEnter)
        fraSenderSuburb->pSetSuburb(QString());
    pShowSuburbsOfCity();
    if (fraSenderSuburb->isEnabled())
        fnbFocusControl(fraSenderSuburb->ui->cmbSuburb);
}

// The suburb frame is open when the city has suburbs in the country.
void TclsSenderAddressEvents::pShowSuburbsOfCity() {
    const QString stCity = edtSenderCity->text().trimmed();
    const bool bSuburbs = !stCity.isEmpty() && fnbCityHasSuburbs(stCity, fnstCountryCode());
    fraSenderSuburb->setEnabled(bSuburbs);
    fraSenderSuburb->ui->cmbSuburb->setEnabled(bSuburbs);
    fraSenderSuburb->ui->btnSuburbLookup->setEnabled(bSuburbs);
    if (bSuburbs)
        fraSenderSuburb->pSetDropDown(stCity, fnstCountryCode());
    else
        fraSenderSuburb->ui->cmbSuburb->setEditText(QString());
}

void TclsSenderAddressEvents::pPostcodeEnter() {
    stPostcodeOnEnter = edtSenderPostcode->text().trimmed();
}

void TclsSenderAddressEvents::pPostcodeExit() {
    if (fnbTowardsCancel())
        return;
    const QString stPostcode = edtSenderPostcode->text().trimmed();
    if (stPostcode.toUpper() != stPostcodeOnEnter.toUpper() && !fnstCountryCode().isEmpty() &&
        fnbUsesPostcode() && !stPostcode.isEmpty())
        objChecks.pPostCodeCleaning();
    if (fnbUsesPostcode() && edtSenderPostcode->text().isEmpty())
        pAskPostcode();
}

// A postcode country's postcode left empty: the user types it or picks the
// destination station it belongs to.
void TclsSenderAddressEvents::pAskPostcode() {
    const int iAnswer =
        fniMessageDlg(fnstRS(ars::rsKnowPostcode), fnstRS(aes::rsCaptionInformation),
                      {fnstRS(ars::rsYes), fnstRS(ars::rsNo)}, fnstRS(ars::rsYes), mikInformation);
    if (iAnswer == 0) {
        fnbFocusControl(edtSenderPostcode);
        return;
    }
    if (!fnChooser)
        return;
    const auto oRow = fnChooser({TAddressSearchList::aslDestinationStations,
                                 fnstCountryCode().trimmed(), edtSenderCity->text().trimmed()});
    if (oRow)
        pFillFromStation(*oRow);
}
