// What the host answers to one request, apart from HTTP: checks the form and
// its header, reads the site information file, hands out the site ID, the
// ranges and the pickup address, and builds the REGP reply. Refused requests
// get status 400 and a one-line text saying why; the client treats every
// status other than 200 as a failed call.
#pragma once

#include "UnitCountryCodes.h"
#include "UnitHostFailures.h"
#include "UnitRegistrationStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct TrecHostAnswer {
    int iStatus = 200;
    QByteArray baContentType;
    QByteArray baBody;
    QString stNote; // what happened, for the request's log line
    // Hang and Truncated are carried out by the HTTP layer; None otherwise.
    TenumHostFailure enDelivery = TenumHostFailure::None;
};

class TclsRegistrationDesk {
public:
    TclsRegistrationDesk(TclsRegistrationStore &objStore, const TclsCountryCodes &objCountries)
        : objStore(objStore), objCountries(objCountries) {}

    TrecHostAnswer fnrecAnswer(const QByteArray &baContentType, const QByteArray &baBody,
                               TenumHostFailure enFailure, const QDateTime &dtNow);

private:
    TrecHostAnswer fnrecRegistrationAnswer(const QByteArray &baContentType,
                                           const QByteArray &baBody, TenumHostFailure enFailure,
                                           const QDateTime &dtNow);

    TclsRegistrationStore &objStore;
    const TclsCountryCodes &objCountries;
};
