// Seed rows of a new installation.
#include "UnitSeedRows.h"

#include "UnitMV5Records.h"
#include "UnitMV5ReferenceRecords.h"

namespace {
template <class T, class F> std::unique_ptr<TclsMVData> fnobjRow(F fnFill) {
    auto obj = std::make_unique<T>();
    fnFill(*obj);
    return obj;
}

TobjarMVData fnarConfiguration(const TrecSeedOptions &recOptions) {
    TobjarMVData ar;
    ar.push_back(fnobjRow<TclsConfigZorvData>([&](TclsConfigZorvData &rec) {
        rec.no_of_retries = 1;
        rec.Modem_Name = recOptions.stModemName;
        rec.transport_collect = 1;
        rec.email_feature = true;
        rec.installation_type = QStringLiteral("Single User Typical");
        rec.language = QStringLiteral("English");
        rec.shipment_advisory = true;
        rec.checkpoint_access = true;
        rec.shipment_tracing_size = 100;
        rec.changed_by = QStringLiteral("DEFAULT");
    }));
    return ar;
}

TobjarMVData fnarProductConfiguration(const TrecSeedOptions &recOptions) {
    TobjarMVData ar;
    ar.push_back(fnobjRow<TclsConfigMorvaneData>([&](TclsConfigMorvaneData &rec) {
        rec.site_id = recOptions.stSiteId;
        rec.changed_by = QStringLiteral("DEFAULT");
    }));
    return ar;
}

TobjarMVData fnarUsers(const TrecSeedOptions &recOptions) {
    TobjarMVData ar;
    ar.push_back(fnobjRow<TclsUsersData>([](TclsUsersData &rec) {
        rec.user_id = QStringLiteral("ADMIN");
        rec.user_name = QStringLiteral("Administrator");
        rec.user_type = 0;
    }));
    if (recOptions.bDefaultUser)
        ar.push_back(fnobjRow<TclsUsersData>([](TclsUsersData &rec) {
            rec.user_id = QStringLiteral("DEFAULT");
            rec.user_name = QStringLiteral("Default user");
            rec.user_type = 1;
        }));
    return ar;
}

TobjarMVData fnarServices(const TrecSeedOptions &recOptions) {
    static const char *const arNames[] = {"Site Registration",
                                          "Shipment Data Files",
                                          "Tracking",
                                          "Automatic Shipment ID Allocation",
                                          "Automatic LP Number Allocation",
                                          "Schedule Pickup",
                                          "Software Upgrade",
                                          "Forward/Return",
                                          "Shipment Notification Via RUZ",
                                          "Paperless Trade (PLT)"};
    TobjarMVData ar;
    for (const char *pchName : arNames) {
        const QString stName = QString::fromLatin1(pchName);
        const bool bSiteRegistration = stName == QLatin1String("Site Registration");
        if (bSiteRegistration && !recOptions.bSiteRegistrationService)
            continue;
        ar.push_back(fnobjRow<TclsCommServiceSettingsData>([&](TclsCommServiceSettingsData &rec) {
            rec.service_name = stName;
            rec.changed_by = QStringLiteral("DEFAULT");
            if (bSiteRegistration) {
                rec.in_use = true;
                rec.mode = recOptions.stSiteRegistrationMode;
                rec.http_server = recOptions.stSiteRegistrationServer;
                rec.http_port = recOptions.iSiteRegistrationPort;
                rec.primary_phone = recOptions.stPrimaryPhone;
                rec.secondary_phone = recOptions.stSecondaryPhone;
            }
        }));
    }
    return ar;
}

TobjarMVData fnarInternetSetting(const TrecSeedOptions &recOptions) {
    TobjarMVData ar;
    if (recOptions.bInternetSettingRow)
        ar.push_back(fnobjRow<TclsInternetSettingData>([](TclsInternetSettingData &rec) {
            rec.connection_type = 2; // without a proxy server
        }));
    return ar;
}

TobjarMVData fnarPickup() {
    TobjarMVData ar;
    ar.push_back(fnobjRow<TclsPickupData>([](TclsPickupData &rec) {
        rec.pickup_locations = {QStringLiteral("RECEPTION")};
        rec.request_cutoff_margin = 30;
        rec.readyby_close_margin = 60;
        rec.request_close_margin = 60;
        rec.readyby_cutoff_margin = 30;
        rec.default_readyby_time = QTime(9, 0);
        rec.default_close_time = QTime(17, 0);
    }));
    return ar;
}

// The carrier's account-number rules: Zorv accounts (type 0) are nine digits,
// cash accounts start with "CA" and have ten characters, transport-collect
// accounts (type 3) start with "TC", destination-billing accounts (type 4) are
// nine digits.
TobjarMVData fnarAccountRules() {
    struct TrecRule {
        qint32 iType, iTransportCollect, iCash;
        const char *pchEquals;
        std::optional<qint32> iLength;
        const char *pchPrefix;
        std::optional<qint32> iFieldType;
    };
    static const TrecRule arRules[] = {
        {0, 0, 0, "", 9, "", 1},
        {0, 0, 1, "", 10, "CA", std::nullopt},
        {0, 0, 0, "CASHSALES", std::nullopt, "", std::nullopt},
        {3, 1, 0, "", 9, "TC", 2},
        {4, 0, 0, "", 9, "", 1},
    };
    TobjarMVData ar;
    for (const TrecRule &r : arRules)
        ar.push_back(fnobjRow<TclsAccountNumberValidationData>([&](auto &rec) {
            rec.Type_Of_Account = r.iType;
            rec.Transport_Collect = r.iTransportCollect;
            rec.Cash_Flag = r.iCash;
            rec.Equals = QString::fromLatin1(r.pchEquals);
            rec.Account_Number_Length = r.iLength;
            rec.Prefix = QString::fromLatin1(r.pchPrefix);
            rec.Field_Type = r.iFieldType;
        }));
    return ar;
}

TobjarMVData fnarReferenceTypes() {
    static const char *const arTypes[][2] = {{"CUS", "Customer Reference"},
                                             {"INV", "Invoice Number"},
                                             {"PO", "Purchase Order Number"},
                                             {"DEP", "Department"}};
    TobjarMVData ar;
    qint32 iId = 0;
    for (const auto &ar2 : arTypes)
        ar.push_back(fnobjRow<TclsShipmentReferenceTypeData>([&](auto &rec) {
            rec.shipment_reference_type_id = ++iId;
            rec.shipment_reference_type = QString::fromLatin1(ar2[0]);
            rec.shipment_reference_type_desc = QString::fromLatin1(ar2[1]);
            rec.active_flag = 1;
        }));
    return ar;
}

TobjarMVData fnarProducts() {
    static const char *const arProducts[][2] = {
        {"DEFAULT", "All products"}, {"EXP", "Express Worldwide"}, {"DOM", "Domestic Express"}};
    TobjarMVData ar;
    for (const auto &ar2 : arProducts)
        ar.push_back(fnobjRow<TclsProductsData>([&](auto &rec) {
            rec.product_cd = QString::fromLatin1(ar2[0]);
            rec.product_desc = QString::fromLatin1(ar2[1]);
            rec.account_number_length = 12;
        }));
    for (qint32 iType : {0, 3, 4})
        ar.push_back(fnobjRow<TclsAccountProductMatrixData>([&](auto &rec) {
            rec.account_type = iType;
            rec.product_cd = QStringLiteral("DEFAULT");
            rec.allowed = true;
        }));
    return ar;
}
} // namespace

std::vector<TobjarMVData> fnarSeedRows(const TrecSeedOptions &rec) {
    std::vector<TobjarMVData> ar;
    ar.push_back(fnarConfiguration(rec));
    ar.push_back(fnarProductConfiguration(rec));
    ar.push_back(fnarUsers(rec));
    ar.push_back(fnarServices(rec));
    ar.push_back(fnarInternetSetting(rec));
    ar.push_back(fnarPickup());
    ar.push_back(fnarAccountRules());
    ar.push_back(fnarReferenceTypes());
    ar.push_back(fnarProducts());
    return ar;
}
