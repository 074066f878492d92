// The address checks of the sender page: postcode cleaning when the postcode
// is left, and the automatic destination lookup that finds the sender's
// airport and state. Each puts the library's answer into the page's fields and
// reacts to its result text with messages, focus moves and the retry flag.
//
// The wizard form owns one instance for its sender page and passes it the
// page's controls (fnrecFindSenderAddressControls) and a chooser that opens
// the search lists (unitAddressSearchList.h).
#pragma once

#include "unitAddressSearchList.h"
#include "unitLookupResults.h"
#include "unitSenderAddressControls.h"

class TclsSenderAddressChecks {
public:
    TclsSenderAddressChecks(QWidget *wPage, const TrecSenderAddressControls &recControls,
                            TAddressChooser fnChooser);

    void pPostCodeCleaning();
    void pAutoDestination();

    // The page navigation keeps the user on the page while this is set.
    bool bRetry = false;
    // The airport code and state as they stood before the last lookup.
    QString stCurrentIATA;
    QString stCurrentState;
    // The last lookup's answer: the library's words, trimmed, and what they
    // stand for, so that Next can tell which prompt it left.
    QString stAutoDestinationResult;
    TLookupResult fnenAutoDestinationResult() const {
        return fnenLookupResult(stAutoDestinationResult);
    }
    // Raised when the last lookup showed the user a message or a question.
    bool bUserInformed = false;

private:
    using TpReaction = void (TclsSenderAddressChecks::*)();
    struct TrecReaction;
    static const TrecReaction arAutoDestinationReactions[];

    void pCleanPostcode();
    void pCallAutoDestination();
    void pReactToAutoDestination(TLookupResult enResult);

    int fniShow(const QString &stMessage, int iIconKind, const QString &stCaptionEnd = QString());
    bool fnbAsk(const QString &stQuestion);
    void pOpenSearchList(TAddressSearchList iList);
    void pFocusNext();

    void pOnLookupFromDirectory();
    void pOnKnowStateLookup();
    void pOnLookup();
    void pOnPostcodeIncorrect();
    void pOnEnterPostcode();
    void pOnNothing();
    void pOnEnterCity();
    void pOnKnowPostcode();
    void pOnKnowState();
    void pOnInvalidCountry();
    void pOnIataByCity();
    void pOnIataUnlistedCity();
    void pOnException();

    QWidget *wPage;
    TrecSenderAddressControls rec;
    TAddressChooser fnChooser;
    QString stResultText; // the result being reacted to, as the dictionary words it
};
