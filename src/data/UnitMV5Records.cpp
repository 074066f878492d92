// Column descriptions of the wizard's own tables. Widths are those of the stored
// values; a longer value is cut when it is stored.
#include "UnitMV5Records.h"

void TclsSendersData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"sender_cd", 30}, &sender_cd);
    v.pField({"shipper_ref_type_cd", 3}, &shipper_ref_type_cd);
    v.pField({"company"}, &company);
    v.pField({"shipper_name"}, &shipper_name);
    v.pField({"country_cd", 2}, &country_cd);
    v.pField({"country_name", 30}, &country_name);
    v.pField({"address1"}, &address1);
    v.pField({"address2"}, &address2);
    v.pField({"address3"}, &address3);
    v.pField({"postcode", 12}, &postcode);
    v.pField({"iata", 3}, &iata);
    v.pField({"city"}, &city);
    v.pField({"state", 35}, &state);
    v.pField({"telephone", 20}, &telephone);
    v.pField({"mobile", 20}, &mobile);
    v.pField({"email", 80}, &email);
    v.pField({"vat_gst", 20}, &vat_gst);
    v.pField({"zorv_account", 12}, &zorv_account);
    v.pField({"tc_account", 12}, &tc_account);
    v.pField({"reference", 35}, &reference);
    v.pField({"contents1", 255}, &contents1);
    v.pField({"contents2", 255}, &contents2);
    v.pField({"contents3", 255}, &contents3);
    v.pField({"export_license", 19}, &export_license);
    v.pField({"license_expiration"}, &license_expiration);
    v.pField({"federal_tax_id", 19}, &federal_tax_id);
    v.pField({"state_tax_id", 19}, &state_tax_id);
    v.pField({"sender_flags"}, &sender_flags);
    v.pField({"destination_billing"}, &destination_billing);
    v.pField({"suburb", 45}, &suburb);
    v.pField({"phone_calling_code", 5}, &phone_calling_code);
    v.pField({"mobile_calling_code", 5}, &mobile_calling_code);
    v.pField({"user_id", 20}, &user_id);
}

void TclsCustomerInfoData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"company", 30}, &company);
    v.pField({"contact_name", 30}, &contact_name);
    v.pField({"address1", 30}, &address1);
    v.pField({"address2", 30}, &address2);
    v.pField({"address3", 30}, &address3);
    v.pField({"city", 45}, &city);
    v.pField({"state", 35}, &state);
    v.pField({"country_cd", 2}, &country_cd);
    v.pField({"postcode", 12}, &postcode);
    v.pField({"telephone", 20}, &telephone);
    v.pField({"mobile", 20}, &mobile);
    v.pField({"email", 80}, &email);
    v.pField({"country_name", 30}, &country_name);
    v.pField({"account_number", 12}, &account_number);
    v.pField({"suburb", 35}, &suburb);
    v.pField({"changed_by", 20}, &changed_by);
}

void TclsUsersData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"user_id", 20}, &user_id);
    v.pField({"user_name", 35}, &user_name);
    v.pField({"user_type"}, &user_type);
    v.pField({"password", 255, cfSecret}, &password);
    v.pField({"account_number", 12}, &account_number);
    v.pField({"password_set"}, &password_set);
    v.pField({"changed_by", 20}, &changed_by);
}

void TclsConfigZorvData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"account_number", 12}, &account_number);
    v.pField({"ftp_host", 50}, &ftp_host);
    v.pField({"ftp_port", 8}, &ftp_port);
    v.pField({"ftp_user_id", 35}, &ftp_user_id);
    v.pField({"ftp_password", 25, cfSecret}, &ftp_password);
    v.pField({"ftp_build_dir", 250}, &ftp_build_dir);
    v.pField({"ftp_work_dir", 250}, &ftp_work_dir);
    v.pField({"manifest_mode"}, &manifest_mode);
    v.pField({"no_of_retries"}, &no_of_retries);
    v.pField({"eod_via_ftp"}, &eod_via_ftp);
    v.pField({"eod_via_email"}, &eod_via_email);
    v.pField({"eod_email_address", 80}, &eod_email_address);
    v.pField({"gateway_iata", 3}, &gateway_iata);
    v.pField({"modem_name", 60}, &Modem_Name);
    v.pField({"changed_by", 20}, &changed_by);
    v.pField({"transport_collect"}, &transport_collect);
    v.pField({"mandatory_address2"}, &mandatory_address2);
    v.pField({"mandatory_email"}, &mandatory_email);
    v.pField({"mandatory_mobile"}, &mandatory_mobile);
    v.pField({"mandatory_federal_tax_id"}, &mandatory_federal_tax_id);
    v.pField({"mandatory_state_tax_id"}, &mandatory_state_tax_id);
    v.pField({"email_feature"}, &email_feature);
    v.pField({"installation_type", 30}, &installation_type);
    v.pField({"language", 30}, &language);
    v.pField({"comm_log_level"}, &comm_log_level);
    v.pField({"comm_debugger"}, &comm_debugger);
    v.pField({"shipment_advisory"}, &shipment_advisory);
    v.pField({"checkpoint_access"}, &checkpoint_access);
    v.pField({"inbound_shipment_tracing"}, &inbound_shipment_tracing);
    v.pField({"shipment_tracing_size"}, &shipment_tracing_size);
}

void TclsConfigMorvaneData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"smtp_host", 50}, &smtp_host);
    v.pField({"smtp_port", 8}, &smtp_port);
    v.pField({"smtp_user_id", 80}, &smtp_user_id);
    v.pField({"smtp_password", 255, cfSecret}, &smtp_password);
    v.pField({"default_sender_cd", 10}, &default_sender_cd);
    v.pField({"return_email_address", 100}, &return_email_address);
    v.pField({"return_via_email"}, &return_via_email);
    v.pField({"changed_by", 20}, &changed_by);
    v.pField({"site_id", 16}, &site_id);
    v.pField({"auto_manifest"}, &auto_manifest);
}

void TclsCommServiceSettingsData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"service_name", 50}, &service_name);
    v.pField({"in_use"}, &in_use);
    v.pField({"primary_phone", 20}, &primary_phone);
    v.pField({"secondary_phone", 20}, &secondary_phone);
    v.pField({"http_server", 100}, &http_server);
    v.pField({"http_port"}, &http_port);
    v.pField({"mode", 20}, &mode);
    v.pField({"changed_by", 20}, &changed_by);
}

void TclsInternetSettingData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"connection_type"}, &connection_type);
    v.pField({"use_browser_settings"}, &use_browser_settings);
    v.pField({"https_proxy", 35}, &https_proxy);
    v.pField({"https_port"}, &https_port);
    v.pField({"http_proxy", 35}, &http_proxy);
    v.pField({"http_port"}, &http_port);
    v.pField({"ftp_proxy", 35}, &ftp_proxy);
    v.pField({"ftp_port"}, &ftp_port);
    v.pField({"use_credentials"}, &use_credentials);
    v.pField({"proxy_user", 35}, &proxy_user);
    v.pField({"proxy_password", 30, cfSecret}, &proxy_password);
    v.pField({"ntlm"}, &ntlm);
    v.pField({"dialup_name", 60}, &dialup_name);
}

void TclsPickupData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"pickup_locations"}, &pickup_locations);
    v.pField({"request_cutoff_margin"}, &request_cutoff_margin);
    v.pField({"readyby_close_margin"}, &readyby_close_margin);
    v.pField({"request_close_margin"}, &request_close_margin);
    v.pField({"readyby_cutoff_margin"}, &readyby_cutoff_margin);
    v.pField({"default_readyby_time"}, &default_readyby_time);
    v.pField({"default_close_time"}, &default_close_time);
    v.pField({"address1", 30}, &address1);
    v.pField({"address2", 30}, &address2);
    v.pField({"address3", 30}, &address3);
    v.pField({"city", 45}, &city);
    v.pField({"postcode", 12}, &postcode);
    v.pField({"country_name", 30}, &country_name);
    v.pField({"pickup_instructions"}, &pickup_instructions);
}

void TclsShipmentNumberData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"allocation_qty"}, &allocation_qty);
    v.pField({"start_number", 16}, &start_number);
    v.pField({"current_number", 16}, &current_number);
    v.pField({"end_number", 16}, &end_number);
    v.pField({"allocation_date"}, &allocation_date);
    v.pField({"changed_by", 20}, &changed_by);
}

void TclsZorvLpData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"allocation_qty"}, &allocation_qty);
    v.pField({"lp_status", 1}, &lp_status);
    v.pField({"lp_source", 1}, &lp_source);
    v.pField({"lp_prefix", 3}, &lp_prefix);
    v.pField({"lp_type", 30}, &lp_type);
    v.pField({"start_number", 35}, &start_number);
    v.pField({"current_number", 35}, &current_number);
    v.pField({"end_number", 35}, &end_number);
    v.pField({"changed_by", 20}, &changed_by);
    v.pField({"changed_date"}, &changed_date);
}

void TclsDestinationBillingData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"sender_cd", 30}, &sender_cd);
    v.pField({"iata", 3}, &iata);
    v.pField({"account_number", 12}, &account_number);
}

void TclsCommModemData::pVisitFields(TclsFieldVisitor &v) {
    v.pField({"modem_name", 60}, &modem_name);
    v.pField({"port", 30}, &port);
    v.pField({"baud_rate"}, &baud_rate);
    v.pField({"init_string", 60}, &init_string);
    v.pField({"dial_prefix", 10}, &dial_prefix);
}
