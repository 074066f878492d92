// What the host answers to one request, apart from the transport: checks the
// form (or the modem message) and its header, reads the site information
// file, hands out the site ID, the ranges and the pickup address, and builds
// the REGP reply. Refused HTTP requests get status 400 and a one-line text
// saying why; the client treats every status other than 200 as a failed
// call. A refused modem request gets a REGP with a blank site ID.
#pragma once

#include "UnitCountryCodes.h"
#include "UnitHostFailures.h"
#include "UnitHostForm.h"
#include "UnitRegistrationStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <string>

struct TrecHostAnswer {
    int iStatus = 200;
    QByteArray baContentType;
    QByteArray baBody;
    QString stNote;        // what happened, for the request's log line
    QByteArray baLocation; // sent as the Location header when not empty
    // Hang and Truncated are carried out by the HTTP layer; None otherwise.
    TenumHostFailure enDelivery = TenumHostFailure::None;
};

struct TrecModemAnswer {
    std::string stMessage; // the reply message data, "REGP" onwards
    QString stNote;        // what happened, for the call's log line
};

struct TrecSiteInformation;

class TclsRegistrationDesk {
public:
    TclsRegistrationDesk(TclsRegistrationStore &objStore, const TclsCountryCodes &objCountries)
        : objStore(objStore), objCountries(objCountries) {}

    TrecHostAnswer fnrecAnswer(const QByteArray &baContentType, const QByteArray &baBody,
                               TenumHostFailure enFailure, const QDateTime &dtNow);
    // baMessage is the request as it came over the modem link.
    TrecModemAnswer fnrecModemAnswer(const QByteArray &baMessage, const QDateTime &dtNow);

private:
    struct TrecReply {
        TarFormFields arFields; // msg_code, site_id, then the reply's fields in wire order
        QString stNote;
    };
    std::optional<TrecReply> fnrecRegister(const TrecSiteInformation &recSite,
                                           TenumHostFailure enFailure, const QDateTime &dtNow,
                                           QString &stError);
    TrecHostAnswer fnrecRegistrationAnswer(const QByteArray &baContentType,
                                           const QByteArray &baBody, TenumHostFailure enFailure,
                                           const QDateTime &dtNow);

    TclsRegistrationStore &objStore;
    const TclsCountryCodes &objCountries;
};
