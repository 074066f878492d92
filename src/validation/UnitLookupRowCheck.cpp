// The row check of typed states and airport codes.
#include "UnitLookupRowCheck.h"

#include "UnitAdHocQuery.h"

bool fnbRowExists(const QString &stSQL, const QString &stValue) {
    TclsAdHocQuery qry;
    return qry.fniOpen(stSQL, {stValue}) == 0 && qry.fnbNext();
}
