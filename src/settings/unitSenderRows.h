// What the two sender pages show from the installation's database: the
// stored sender, its destination-billing rows, the airport codes the
// destination-billing grid offers, and the active shipment reference types.
// Each read answers 0 or the database library's code.
#pragma once

#include "UnitMV5Records.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// The sender row of the code; optSender is empty when there is none.
int fniReadSender(const QString &stSenderCode, std::optional<TclsSendersData> &optSender);
// The sender's destination-billing rows, as airport code and account number.
int fniReadDestinationBillingRows(const QString &stSenderCode,
                                  std::vector<std::pair<QString, QString>> &arRows);
// Every airport code of the destination table, once each, in order.
int fniReadAirportCodes(QStringList &slCodes);

struct TrecReferenceType {
    QString stType, stDesc;
};
// The shipment reference types the carrier has made active.
int fniReadActiveReferenceTypes(std::vector<TrecReferenceType> &arTypes);
