// The rows the sender pages show.
#include "unitSenderRows.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitDatabaseConstants.h"

namespace {
int fniQueryBySender(const QString &stSenderCode, const QString &stClassName,
                     TobjarMVData &objarRows) {
    return fniQueryRecords({{QStringLiteral("sender_cd"), fnstQuoted(stSenderCode)}}, objarRows,
                           stClassName);
}
} // namespace

int fniReadSender(const QString &stSenderCode, std::optional<TclsSendersData> &optSender) {
    optSender.reset();
    TobjarMVData objarRows;
    const int iCode = fniQueryBySender(stSenderCode, QStringLiteral("TclsSendersDB"), objarRows);
    if (iCode == dbc::iSuccess && !objarRows.empty())
        if (const auto *pSender = dynamic_cast<const TclsSendersData *>(objarRows.front().get()))
            optSender = *pSender;
    return iCode;
}

int fniReadDestinationBillingRows(const QString &stSenderCode,
                                  std::vector<std::pair<QString, QString>> &arRows) {
    arRows.clear();
    TobjarMVData objarRows;
    const int iCode =
        fniQueryBySender(stSenderCode, QStringLiteral("TclsDestinationBillingDB"), objarRows);
    for (const auto &obj : objarRows)
        if (const auto *pRow = dynamic_cast<const TclsDestinationBillingData *>(obj.get()))
            arRows.emplace_back(pRow->iata.trimmed(), pRow->account_number.trimmed());
    return iCode;
}

int fniReadAirportCodes(QStringList &slCodes) {
    slCodes.clear();
    TclsAdHocQuery qry;
    const int iCode = qry.fniOpen(QStringLiteral("select distinct IATA from esd order by IATA"));
    while (iCode == dbc::iSuccess && qry.fnbNext())
        slCodes << qry.fnvField(0).toString().trimmed();
    return iCode;
}

int fniReadActiveReferenceTypes(std::vector<TrecReferenceType> &arTypes) {
    arTypes.clear();
    TclsAdHocQuery qry;
    const int iCode = qry.fniOpen(
        QStringLiteral("SELECT shipment_reference_type, shipment_reference_type_desc FROM "
                       "shipment_piece_reference_type WHERE active_flag = 1"));
    while (iCode == dbc::iSuccess && qry.fnbNext())
        arTypes.push_back({qry.fnvField(0).toString(), qry.fnvField(1).toString()});
    return iCode;
}
