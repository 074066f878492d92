// Column descriptions of the reference tables.
#include "UnitMV5ReferenceRecords.h"

void TclsCountryData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"country_cd", 2}, &country_cd);
    v.pField({"country_name", 30}, &country_name);
    v.pField({"state_label", 20}, &state_label);
    v.pField({"UsePostCode_flag"}, &UsePostCode_flag);
    v.pField({"Threshold_Value"}, &Threshold_Value);
    v.pField({"tc_allowed_flag"}, &tc_allowed_flag);
    v.pField({"export_type_reqd_flag"}, &export_type_reqd_flag);
    v.pField({"terms_of_trade_reqd_flag"}, &terms_of_trade_reqd_flag);
    v.pField({"Currency_cd", 3}, &Currency_cd);
}

void TclsStateData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"state", 35}, &state);
    v.pField({"state_cd", 10}, &state_cd);
    v.pField({"country_cd", 2}, &country_cd);
    v.pField({"country_name", 30}, &country_name);
}

void TclsDirectoryData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"iata", 3}, &iata);
    v.pField({"city", 45}, &city);
    v.pField({"state", 35}, &state);
    v.pField({"country_cd", 2}, &country_cd);
    v.pField({"country_name", 30}, &country_name);
}

void TclsEsdData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"iata", 3}, &iata);
    v.pField({"city", 45}, &city);
    v.pField({"state", 35}, &state);
    v.pField({"country_cd", 2}, &country_cd);
    v.pField({"country_name", 30}, &country_name);
    v.pField({"postcode_low", 12}, &postcode_low);
    v.pField({"postcode_high", 12}, &postcode_high);
}

void TclsSuburbData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"country_cd", 2}, &country_cd);
    v.pField({"city", 45}, &city);
    v.pField({"suburb", 35}, &suburb);
    v.pField({"postcode", 12}, &postcode);
}

void TclsPhoneMobileRegexData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"countrycode"}, &countrycode);
    v.pField({"country_cd", 2}, &country_cd);
    v.pField({"number_type", 20}, &number_type);
    v.pField({"possible_len", 40}, &possible_len);
    v.pField({"RegExp"}, &RegExp);
    v.pField({"sample_format", 40}, &sample_format);
}

void TclsAccountNumberValidationData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"Type_Of_Account"}, &Type_Of_Account);
    v.pField({"Transport_Collect"}, &Transport_Collect);
    v.pField({"Cash_Flag"}, &Cash_Flag);
    v.pField({"Equals", 20}, &Equals);
    v.pField({"Account_Number_Length"}, &Account_Number_Length);
    v.pField({"Prefix", 20}, &Prefix);
    v.pField({"Field_Type"}, &Field_Type);
}

void TclsShipmentReferenceTypeData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"shipment_reference_type_id"}, &shipment_reference_type_id);
    v.pField({"shipment_reference_type_desc", 35}, &shipment_reference_type_desc);
    v.pField({"shipment_reference_type", 3}, &shipment_reference_type);
    v.pField({"active_flag"}, &active_flag);
}

void TclsProductsData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"product_cd", 10}, &product_cd);
    v.pField({"product_desc", 50}, &product_desc);
    v.pField({"account_number_length"}, &account_number_length);
}

void TclsAccountProductMatrixData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"account_type"}, &account_type);
    v.pField({"product_cd", 10}, &product_cd);
    v.pField({"allowed"}, &allowed);
}
