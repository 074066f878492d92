// The rows a new client installation's database starts with: the carrier and
// product configuration, the DEFAULT user, the ten host services, internet and
// pickup settings, and the carrier's account-number rules, reference types and
// products.
#pragma once

#include "UnitMV5DataInterface.h"

struct TrecSeedOptions {
    QString stSiteId;                     // non-empty: the site is already registered
    bool bDefaultUser = true;             // users holds DEFAULT
    bool bSiteRegistrationService = true; // comm_service_settings holds "Site Registration"
    bool bInternetSettingRow = true;      // internet_setting holds its one row
    QString stSiteRegistrationServer = QStringLiteral("https://localhost");
    qint32 iSiteRegistrationPort = 8443;
    QString stSiteRegistrationMode = QStringLiteral("HTTPS");
    QString stPrimaryPhone, stSecondaryPhone; // the Site Registration service's numbers
    QString stModemName;                      // config_zorv's Modem_Name
};

// One list of rows per table, each list ready for fniInsertRecord.
std::vector<TobjarMVData> fnarSeedRows(const TrecSeedOptions &rec);
