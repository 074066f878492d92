// Record class names and their tables.
#include "UnitTableMap.h"

#include "UnitMV5Records.h"
#include "UnitMV5ReferenceRecords.h"

namespace {
template <class T> std::unique_ptr<TclsMVData> fnobjNew() {
    return std::make_unique<T>();
}
} // namespace

const std::vector<TrecTableMapEntry> &fnarTableMap() {
    static const std::vector<TrecTableMapEntry> arMap = {
        {"TclsSendersDB", "senders", fnobjNew<TclsSendersData>},
        {"TclsCustomerInfoDB", "customer_info", fnobjNew<TclsCustomerInfoData>},
        {"TclsUsersDB", "users", fnobjNew<TclsUsersData>},
        {"TclsConfigZorvDB", "config_zorv", fnobjNew<TclsConfigZorvData>},
        {"TclsConfigMorvaneDB", "config_morvane", fnobjNew<TclsConfigMorvaneData>},
        {"TclsCommServiceSettingsDB", "comm_service_settings",
         fnobjNew<TclsCommServiceSettingsData>},
        {"TclsInternetSettingDB", "internet_setting", fnobjNew<TclsInternetSettingData>},
        {"TclsPickupDB", "pickup", fnobjNew<TclsPickupData>},
        {"TclsShipmentNumberDB", "shipment_number", fnobjNew<TclsShipmentNumberData>},
        {"TclsZorvLpDB", "zorv_lp", fnobjNew<TclsZorvLpData>},
        {"TclsDestinationBillingDB", "destination_billing", fnobjNew<TclsDestinationBillingData>},
        {"TclsCommModemDB", "comm_modem", fnobjNew<TclsCommModemData>},
        {"TclsCountryDB", "country", fnobjNew<TclsCountryData>},
        {"TclsStateDB", "state", fnobjNew<TclsStateData>},
        {"TclsDirectoryDB", "directory", fnobjNew<TclsDirectoryData>},
        {"TclsEsdDB", "esd", fnobjNew<TclsEsdData>},
        {"TclsSuburbDB", "suburb", fnobjNew<TclsSuburbData>},
        {"TclsPhoneMobileRegexDB", "phonemobile_regex", fnobjNew<TclsPhoneMobileRegexData>},
        {"TclsAccountNumberValidationDB", "account_number_validations",
         fnobjNew<TclsAccountNumberValidationData>},
        {"TclsShipmentReferenceTypeDB", "shipment_piece_reference_type",
         fnobjNew<TclsShipmentReferenceTypeData>},
        {"TclsProductsDB", "products", fnobjNew<TclsProductsData>},
        {"TclsAccountProductMatrixDB", "account_product_matrix",
         fnobjNew<TclsAccountProductMatrixData>},
    };
    return arMap;
}

const TrecTableMapEntry *fnpTableMapEntry(const QString &stClassName) {
    for (const auto &rec : fnarTableMap())
        if (stClassName.compare(QLatin1String(rec.pchClassName), Qt::CaseInsensitive) == 0)
            return &rec;
    return nullptr;
}

std::unique_ptr<TclsMVData> fnobjCreateRecord(const QString &stClassName) {
    const TrecTableMapEntry *pEntry = fnpTableMapEntry(stClassName);
    return pEntry ? pEntry->pfnCreate() : nullptr;
}
