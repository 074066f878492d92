// Connecting the frames to the country frame.
#include "UnitFraLinks.h"

#include "UnitFraCountry.h"
#include "UnitFraIATA.h"
#include "UnitFraState.h"
#include "UnitFraSuburb.h"

void pFollowCountry(TfraCountry &fraCountry, TfraState *fraState, TfraIATA *fraIATA,
                    TfraSuburb *fraSuburb) {
    if (fraState)
        QObject::connect(&fraCountry, &TfraCountry::CountryChanged, fraState,
                         &TfraState::pSetCountryCode);
    if (fraIATA)
        QObject::connect(&fraCountry, &TfraCountry::CountryChanged, fraIATA,
                         &TfraIATA::pSetCountryCode);
    if (fraSuburb)
        QObject::connect(&fraCountry, &TfraCountry::CountryChanged, fraSuburb,
                         &TfraSuburb::pSetCountryCode);
}
