// Answering a registration request.
#include "UnitRegistrationDesk.h"

#include "UnitAllocationRules.h"
#include "UnitHostForm.h"
#include "UnitRegistrationHeader.h"
#include "UnitSiteInformation.h"

#include "unitLinkReply.h"

namespace {
const QByteArray baFormType = QByteArrayLiteral("application/x-www-form-urlencoded");
const QByteArray baTextType = QByteArrayLiteral("text/plain; charset=utf-8");
constexpr char chGS = '\x1D';
// The reply's first two fields, msg_code and site_id; the modem reply
// carries the rest as its FS-ended fields, in the same order.
constexpr std::size_t iLeadingFields = 2;

TrecHostAnswer fnrecPlain(int iStatus, const QString &stText) {
    return {iStatus, baTextType, stText.toUtf8() + '\n', stText, {}, TenumHostFailure::None};
}

// A well-formed REGP with a made-up site ID, padded one byte past 64 KiB: a
// client that read it whole would store what no host handed out.
QByteArray fnbaOversizeReply() {
    QByteArray ba =
        QByteArrayLiteral("msg_code=REGP&site_id=ACM0000000001ZOZ&shp_status=0&shp_low=1000000000"
                          "&shp_high=1000000499&shp_date=06122026&lp_status=0&lp_low=JZLP0000000001"
                          "&lp_high=JZLP0000000100&pu_status=1&pad=");
    constexpr qsizetype ciBytes = 64 * 1024 + 1;
    return ba + QByteArray(ciBytes - ba.size(), 'x');
}

// The failures that answer before the request is looked at.
std::optional<TrecHostAnswer> fnrecEarlyFailure(TenumHostFailure en) {
    switch (en) {
    case TenumHostFailure::Http500:
        return fnrecPlain(500, QStringLiteral("internal error (as asked)"));
    case TenumHostFailure::Garbage:
        // Declared as a form so a client cannot get by on the header alone.
        return TrecHostAnswer{200,
                              baFormType,
                              "<html><body><h1>Service temporarily unavailable</h1></body></html>",
                              QStringLiteral("a page that is no reply (as asked)"),
                              {},
                              TenumHostFailure::None};
    case TenumHostFailure::Oversize:
        return TrecHostAnswer{200,
                              baFormType,
                              fnbaOversizeReply(),
                              QStringLiteral("a reply past 64 KiB (as asked)"),
                              {},
                              TenumHostFailure::None};
    case TenumHostFailure::Redirect:
        // The same method and body to another path of this host: a client that
        // followed it would register there.
        return TrecHostAnswer{307,       baTextType,
                              "moved\n", QStringLiteral("redirected to /moved (as asked)"),
                              "/moved",  TenumHostFailure::None};
    case TenumHostFailure::Hang:
        return TrecHostAnswer{0, {}, {}, QStringLiteral("no answer (as asked)"), {}, en};
    default:
        return std::nullopt;
    }
}

bool fnbFormContentType(const QByteArray &baContentType) {
    const qsizetype iSemicolon = baContentType.indexOf(';');
    return baContentType.left(iSemicolon < 0 ? baContentType.size() : iSemicolon)
               .trimmed()
               .toLower() == baFormType;
}

// The site information file a registration header announces, or why not.
std::optional<TrecSiteInformation> fnrecReadMessage(const QByteArray &baHeader,
                                                    const QByteArray &baFile, QString &stError) {
    stError = fnstCheckRegistrationHeader(baHeader, baFile.size());
    if (!stError.isEmpty())
        return std::nullopt;
    return fnrecParseSiteInformation(baFile, stError);
}

// The site information file of a well-formed registration form, or why not.
std::optional<TrecSiteInformation> fnrecReadRequest(const QByteArray &baContentType,
                                                    const QByteArray &baBody, QString &stError) {
    if (!fnbFormContentType(baContentType)) {
        stError = QStringLiteral("the request is not a form (application/x-www-form-urlencoded)");
        return std::nullopt;
    }
    const auto arFields = fnarDecodeForm(baBody);
    if (!arFields) {
        stError = QStringLiteral("the form holds an invalid %-escape");
        return std::nullopt;
    }
    const auto baType = fnbaFormField(*arFields, "msg_type");
    const auto baHeader = fnbaFormField(*arFields, "msg_hdr");
    const auto baFile = fnbaFormField(*arFields, "msg_bdy");
    if (!baType || !baHeader || !baFile) {
        stError = QStringLiteral("the form lacks msg_type, msg_hdr or msg_bdy");
        return std::nullopt;
    }
    if (*baType != "0") {
        stError = QStringLiteral("msg_type is not 0");
        return std::nullopt;
    }
    return fnrecReadMessage(*baHeader, *baFile, stError);
}

// The modem message: the header, GS, the file's bytes, GS; a message for an
// empty file ends with the header's GS.
std::optional<TrecSiteInformation> fnrecReadModemMessage(const QByteArray &baMessage,
                                                         QString &stError) {
    const qsizetype iHeaderEnd = baMessage.indexOf(chGS);
    if (iHeaderEnd < 0) {
        stError = QStringLiteral("the message has no GS after its header");
        return std::nullopt;
    }
    QByteArray baFile = baMessage.mid(iHeaderEnd + 1);
    if (!baFile.isEmpty() && !baFile.endsWith(chGS)) {
        stError = QStringLiteral("the message does not end with GS");
        return std::nullopt;
    }
    baFile.chop(baFile.isEmpty() ? 0 : 1);
    return fnrecReadMessage(baMessage.left(iHeaderEnd), baFile, stError);
}

// The numbers a range request asks for; 0 when it asks for none or for an
// amount the host does not hand out in one go.
qint64 fniQuantityAsked(const TrecRangeRequest &rec) {
    return rec.bRequired && rec.iQuantity >= 1 && rec.iQuantity <= iMaxRangeQuantity ? rec.iQuantity
                                                                                     : 0;
}

void pAddRange(TarFormFields &ar, const char *pchPrefix, const std::optional<TrecNumberRange> &rec,
               QString (*fnstBound)(qint64)) {
    const QByteArray baPrefix(pchPrefix);
    ar.emplace_back(baPrefix + "_status", rec ? "0" : "1");
    ar.emplace_back(baPrefix + "_low", rec ? fnstBound(rec->iLow).toLatin1() : QByteArray());
    ar.emplace_back(baPrefix + "_high", rec ? fnstBound(rec->iHigh).toLatin1() : QByteArray());
}

// The pickup address is the customer's own, known when its country is.
void pAddPickup(TarFormFields &ar, const TrecSiteInformation &recSite,
                const QString &stCountryCode) {
    const bool bKnown = !stCountryCode.isEmpty() && !recSite.baAddress1.trimmed().isEmpty();
    const auto fnbaIfKnown = [bKnown](const QByteArray &ba) { return bKnown ? ba : QByteArray(); };
    ar.emplace_back("pu_status", bKnown ? "0" : "1");
    ar.emplace_back("pu_addr1", fnbaIfKnown(recSite.baAddress1));
    ar.emplace_back("pu_addr2", fnbaIfKnown(recSite.baAddress2));
    ar.emplace_back("pu_addr3", fnbaIfKnown(recSite.baAddress3));
    ar.emplace_back("pu_city", fnbaIfKnown(recSite.baCity));
    ar.emplace_back("pu_postcode", fnbaIfKnown(recSite.baPostcode));
    ar.emplace_back("pu_country", fnbaIfKnown(stCountryCode.toLatin1()));
}

QString fnstRangeNote(const std::optional<TrecNumberRange> &rec, QString (*fnstBound)(qint64)) {
    return rec ? fnstBound(rec->iLow) + QLatin1Char('-') + fnstBound(rec->iHigh)
               : QStringLiteral("none");
}
} // namespace

TrecHostAnswer TclsRegistrationDesk::fnrecAnswer(const QByteArray &baContentType,
                                                 const QByteArray &baBody,
                                                 TenumHostFailure enFailure,
                                                 const QDateTime &dtNow) {
    if (auto recEarly = fnrecEarlyFailure(enFailure))
        return *recEarly;
    TrecHostAnswer rec = fnrecRegistrationAnswer(baContentType, baBody, enFailure, dtNow);
    if (enFailure != TenumHostFailure::None)
        rec.stNote += QStringLiteral(" [%1 as asked]").arg(fnstHostFailureName(enFailure));
    // Whatever the answer was, it is cut short.
    if (enFailure == TenumHostFailure::Truncated)
        rec.enDelivery = enFailure;
    return rec;
}

TrecHostAnswer TclsRegistrationDesk::fnrecRegistrationAnswer(const QByteArray &baContentType,
                                                             const QByteArray &baBody,
                                                             TenumHostFailure enFailure,
                                                             const QDateTime &dtNow) {
    QString stError;
    const auto recSite = fnrecReadRequest(baContentType, baBody, stError);
    if (!recSite)
        return fnrecPlain(400, stError);
    const auto recReply = fnrecRegister(*recSite, enFailure, dtNow, stError);
    if (!recReply)
        return fnrecPlain(500, stError);
    return {200,
            baFormType,
            fnbaEncodeForm(recReply->arFields),
            recReply->stNote,
            {},
            TenumHostFailure::None};
}

TrecModemAnswer TclsRegistrationDesk::fnrecModemAnswer(const QByteArray &baMessage,
                                                       const QDateTime &dtNow) {
    QString stError;
    const auto recSite = fnrecReadModemMessage(baMessage, stError);
    const auto recReply =
        recSite ? fnrecRegister(*recSite, TenumHostFailure::None, dtNow, stError) : std::nullopt;
    if (!recReply) {
        // The reply of a refused site: a blank site ID, nothing handed out.
        const std::vector<std::string> vecRefused = {"1", "", "", "", "1", "", "", "1"};
        return {ModemLink::fnstEncodeRegistrationReply({}, vecRefused),
                QStringLiteral("REGP refused: ") + stError};
    }
    std::vector<std::string> vecFields;
    for (std::size_t i = iLeadingFields; i < recReply->arFields.size(); ++i)
        vecFields.push_back(recReply->arFields[i].second.toStdString());
    return {ModemLink::fnstEncodeRegistrationReply(
                recReply->arFields[iLeadingFields - 1].second.toStdString(), vecFields),
            recReply->stNote};
}

std::optional<TclsRegistrationDesk::TrecReply>
TclsRegistrationDesk::fnrecRegister(const TrecSiteInformation &recSite, TenumHostFailure enFailure,
                                    const QDateTime &dtNow, QString &stError) {
    TrecRegistrationRequest recRequest;
    recRequest.stCompany = fnstClientText(recSite.baCompany).trimmed();
    recRequest.stSitePrefix = fnstSitePrefix(recRequest.stCompany);
    const bool bNoRanges = enFailure == TenumHostFailure::RangeStatus1;
    recRequest.iShipments = bNoRanges ? 0 : fniQuantityAsked(recSite.recShipments);
    recRequest.iLPs = bNoRanges ? 0 : fniQuantityAsked(recSite.recLPs);
    recRequest.dtRequested = dtNow;
    const auto recRegistration = objStore.fnrecRegister(recRequest, stError);
    if (!recRegistration) {
        stError = QStringLiteral("the registration could not be recorded: ") + stError;
        return std::nullopt;
    }

    const bool bBlankId = enFailure == TenumHostFailure::BlankSiteId;
    const QString stCountryCode = objCountries.fnstCode(fnstClientText(recSite.baCountry));
    TrecReply recReply;
    TarFormFields &arReply = recReply.arFields;
    arReply.emplace_back("msg_code", "REGP");
    arReply.emplace_back("site_id",
                         bBlankId ? QByteArray(16, ' ') : recRegistration->stSiteId.toLatin1());
    pAddRange(arReply, "shp", recRegistration->recShipments, fnstShipmentNumber);
    arReply.emplace_back("shp_date", dtNow.date().toString(QStringLiteral("ddMMyyyy")).toLatin1());
    pAddRange(arReply, "lp", recRegistration->recLPs, fnstLPNumber);
    pAddPickup(arReply, recSite, stCountryCode);
    recReply.stNote =
        QStringLiteral("REGP %1 shipments %2 LPs %3 pickup %4")
            .arg(recRegistration->stSiteId,
                 fnstRangeNote(recRegistration->recShipments, fnstShipmentNumber),
                 fnstRangeNote(recRegistration->recLPs, fnstLPNumber),
                 stCountryCode.isEmpty() ? QStringLiteral("unknown country") : stCountryCode);
    return recReply;
}
