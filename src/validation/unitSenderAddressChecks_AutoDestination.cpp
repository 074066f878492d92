// The automatic destination lookup on the sender page and its reactions.
#include "unitSenderAddressChecks.h"

#include "UnitControlLookup.h"
#include "UnitHourglass.h"

#include "unitAddressCheckStrings.h"
#include "unitAutoDestinationDLLAccess.h"
#include "unitSenderAddressFill.h"

#include "unitLogToFile.h"
#include "UnitMsgDialog.h"

#include <QApplication>

#include <exception>

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");
const QString cstMethod = QStringLiteral("pAutoDestination");

} // namespace

struct TclsSenderAddressChecks::TrecReaction {
    TLookupResult enResult;
    TpReaction pReaction;
};

const TclsSenderAddressChecks::TrecReaction TclsSenderAddressChecks::arAutoDestinationReactions[] =
    {
        {lrLookupFromDirectory, &TclsSenderAddressChecks::pOnLookupFromDirectory},
        {lrKnowStateLookup, &TclsSenderAddressChecks::pOnKnowStateLookup},
        {lrLookup, &TclsSenderAddressChecks::pOnLookup},
        {lrPostcodeIncorrectIataByCity, &TclsSenderAddressChecks::pOnPostcodeIncorrect},
        {lrEnterPostcode, &TclsSenderAddressChecks::pOnEnterPostcode},
        {lrEnterCityOrPostcode, &TclsSenderAddressChecks::pOnNothing},
        {lrEnterCity, &TclsSenderAddressChecks::pOnEnterCity},
        {lrKnowPostcode, &TclsSenderAddressChecks::pOnKnowPostcode},
        {lrKnowState, &TclsSenderAddressChecks::pOnKnowState},
        {lrInvalidCountry, &TclsSenderAddressChecks::pOnInvalidCountry},
        {lrCountryCodeBlank, &TclsSenderAddressChecks::pOnNothing},
        {lrIataByCity, &TclsSenderAddressChecks::pOnIataByCity},
        {lrIataUnlistedCity, &TclsSenderAddressChecks::pOnIataUnlistedCity},
        {lrException, &TclsSenderAddressChecks::pOnException},
};

void TclsSenderAddressChecks::pAutoDestination() {
    try {
        pCallAutoDestination();
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, cstMethod,
                  QStringLiteral("EXCEPTION : ") + QString::fromLocal8Bit(e.what()));
    }
}

void TclsSenderAddressChecks::pCallAutoDestination() {
    bRetry = false;
    bUserInformed = false;
    stAutoDestinationResult.clear();
    if (!rec.fnbComplete())
        return;
    stCurrentIATA = fnstComboText(rec.cmbIATA).trimmed();
    stCurrentState = fnstComboText(rec.cmbState).trimmed();
    pWriteLog(1, cstUnit, cstMethod, QStringLiteral("Calling the fnstAutodestination method."));
    QString stState = stCurrentState;
    QString stIATA = stCurrentIATA;
    QString stResult;
    {
        const TclsHourglass objHourglass;
        stResult = fnstAutodestination(fnstComboText(rec.cmbCountryCode).trimmed(),
                                       rec.edtSenderCity->text(), rec.edtSenderPostcode->text(),
                                       stState, stIATA, fnstComboText(rec.cmbCountryName),
                                       rec.edtSenderName->text());
    }
    pSetComboText(rec.cmbState, stState);
    pSetComboText(rec.cmbIATA, stIATA);
    if (!stIATA.isEmpty() && rec.pRefreshIATAFrame)
        rec.pRefreshIATAFrame(stIATA);
    stAutoDestinationResult = stResult.trimmed();
    pReactToAutoDestination(fnenAutoDestinationResult());
}

void TclsSenderAddressChecks::pReactToAutoDestination(TLookupResult enResult) {
    for (const TrecReaction &recReaction : arAutoDestinationReactions)
        if (recReaction.enResult == enResult) {
            stResultText = fnstLookupResultWords(enResult);
            (this->*recReaction.pReaction)();
            return;
        }
}

int TclsSenderAddressChecks::fniShow(const QString &stMessage, int iIconKind,
                                     const QString &stCaptionEnd) {
    bUserInformed = true;
    const QString stCaption =
        fnstRS(ars::rsRegistrationWizard) + QStringLiteral(" - ") +
        (stCaptionEnd.isEmpty() ? fnstRS(ars::rsErrorInvalidData) : stCaptionEnd);
    return fniMessageDlg(stMessage, stCaption, {fnstRS(ars::rsOK)}, fnstRS(ars::rsOK), iIconKind);
}

bool TclsSenderAddressChecks::fnbAsk(const QString &stQuestion) {
    bUserInformed = true;
    const QString stCaption =
        fnstRS(ars::rsRegistrationWizard) + QStringLiteral(" - ") + fnstRS(ars::rsErrorInvalidData);
    return fniMessageDlg(stQuestion, stCaption, {fnstRS(ars::rsYes), fnstRS(ars::rsNo)},
                         fnstRS(ars::rsYes), mikQuestion) == 0;
}

void TclsSenderAddressChecks::pOpenSearchList(TAddressSearchList iList) {
    bRetry = false;
    if (!fnChooser)
        return;
    const auto recChoice = fnChooser(
        {iList, fnstComboText(rec.cmbCountryCode).trimmed(), rec.edtSenderCity->text().trimmed()});
    if (recChoice)
        pFillAddressFromStation(rec, *recChoice);
}

// The lookup runs when the page is left with Next, so the focus is not on the
// address; it moves on from the airport, the field the lookup fills. The
// airport frame's lookup button is part of the airport, not the next field.
void TclsSenderAddressChecks::pFocusNext() {
    QWidget *wFrom = rec.cmbIATA;
    if (QWidget *fra = fnwFindControl(wPage, QStringLiteral("fraSenderIATA"));
        fra && fra->isAncestorOf(wFrom))
        wFrom = fra;
    pFocusNextControl(wPage, wFrom);
}

void TclsSenderAddressChecks::pOnLookupFromDirectory() {
    pWriteLog(1, QStringLiteral("unitSenderMaintenance"), cstMethod,
              QStringLiteral("Error Message Returned is ERR_LOOKUP_DIR"));
    if (fnbAsk(stResultText)) {
        pOpenSearchList(TAddressSearchList::aslDirectory);
        return;
    }
    fnbFocusControl(rec.cmbIATA);
    bRetry = true;
}

void TclsSenderAddressChecks::pOnKnowStateLookup() {
    if (!fnbCanTakeInput(rec.cmbState)) {
        fnbFocusControl(rec.cmbIATA);
        return;
    }
    if (!fnbAsk(stResultText)) {
        pOpenSearchList(TAddressSearchList::aslDestinationStations);
        return;
    }
    if (!fnbFocusControl(rec.fraSenderState))
        fnbFocusControl(rec.cmbState);
    bRetry = true;
}

void TclsSenderAddressChecks::pOnLookup() {
    if (fnbAsk(stResultText)) {
        pOpenSearchList(TAddressSearchList::aslDestinationStations);
        return;
    }
    pFocusNext();
    bRetry = true;
}

void TclsSenderAddressChecks::pOnPostcodeIncorrect() {
    bRetry = false;
}

void TclsSenderAddressChecks::pOnEnterPostcode() {
    if (!fnbCanTakeInput(rec.edtSenderPostcode)) {
        fnbFocusControl(rec.cmbIATA);
        return;
    }
    fniShow(stResultText, mikInformation);
    fnbFocusControl(rec.edtSenderPostcode);
}

void TclsSenderAddressChecks::pOnNothing() {}

void TclsSenderAddressChecks::pOnEnterCity() {
    fniShow(stResultText, mikWarning);
    fnbFocusControl(rec.edtSenderCity);
    bRetry = true;
}

void TclsSenderAddressChecks::pOnKnowPostcode() {
    if (fnbAsk(stResultText))
        return;
    fnbFocusControl(rec.edtSenderPostcode);
    bRetry = true;
}

void TclsSenderAddressChecks::pOnKnowState() {
    if (!fnbCanTakeInput(rec.cmbState)) {
        fnbFocusControl(rec.cmbIATA);
        return;
    }
    if (fnbAsk(stResultText))
        return;
    fnbFocusControl(rec.cmbState);
    bRetry = true;
}

void TclsSenderAddressChecks::pOnInvalidCountry() {
    fniShow(stResultText + QLatin1Char('.'), mikWarning);
    fnbFocusControl(rec.cmbCountryName);
}

void TclsSenderAddressChecks::pOnIataByCity() {
    pFocusNext();
}

void TclsSenderAddressChecks::pOnIataUnlistedCity() {
    fniShow(stResultText, mikInformation);
    pFocusNext();
}

void TclsSenderAddressChecks::pOnException() {
    fniShow(stResultText, mikError, fnstRS(ars::rsIataCannotBeDetermined));
    fnbFocusControl(rec.cmbIATA);
}
