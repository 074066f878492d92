// The sender page's lookup frames follow the country frame: a new country
// re-lists the states, airports and suburbs so that only its rows are offered.
#pragma once

class TfraCountry;
class TfraState;
class TfraIATA;
class TfraSuburb;

// Any frame may be missing (nullptr).
void pFollowCountry(TfraCountry &fraCountry, TfraState *fraState, TfraIATA *fraIATA,
                    TfraSuburb *fraSuburb);
