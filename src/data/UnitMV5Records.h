// The record classes of the tables the wizard writes: sender, customer, user,
// the two configuration rows, services, internet settings, pickup, number
// ranges, destination billing and modems. Field names are the column names.
#pragma once

#include "UnitMV5DataInterface.h"

class TclsSendersData : public TclsMVData {
public:
    TclsSendersData() : TclsMVData("TclsSendersDB") {}
    QString sender_cd, shipper_ref_type_cd, company, shipper_name, country_cd, country_name;
    QString address1, address2, address3, postcode, iata, city, state, telephone, mobile, email;
    QString vat_gst, zorv_account, tc_account, reference, contents1, contents2, contents3;
    QString export_license;
    QDateTime license_expiration;
    QString federal_tax_id, state_tax_id;
    qint16 sender_flags = 0;
    bool destination_billing = false;
    QString suburb, phone_calling_code, mobile_calling_code, user_id;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsCustomerInfoData : public TclsMVData {
public:
    TclsCustomerInfoData() : TclsMVData("TclsCustomerInfoDB") {}
    QString company, contact_name, address1, address2, address3, city, state, country_cd;
    QString postcode, telephone, mobile, email, country_name, account_number, suburb, changed_by;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsUsersData : public TclsMVData {
public:
    TclsUsersData() : TclsMVData("TclsUsersDB") {}
    QString user_id, user_name;
    qint32 user_type = 0;
    QString password, account_number;
    bool password_set = false;
    QString changed_by;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsConfigZorvData : public TclsMVData {
public:
    TclsConfigZorvData() : TclsMVData("TclsConfigZorvDB") {}
    QString account_number, ftp_host, ftp_port, ftp_user_id, ftp_password, ftp_build_dir;
    QString ftp_work_dir;
    qint16 manifest_mode = 0;
    qint32 no_of_retries = 0;
    bool eod_via_ftp = false, eod_via_email = false;
    QString eod_email_address, gateway_iata, Modem_Name, changed_by;
    // Read only: set by the carrier's installation.
    qint32 transport_collect = 0;
    bool mandatory_address2 = false, mandatory_email = false, mandatory_mobile = false;
    bool mandatory_federal_tax_id = false, mandatory_state_tax_id = false;
    bool email_feature = false;
    QString installation_type, language;
    qint32 comm_log_level = 0;
    bool comm_debugger = false; // after a modem call, closing its window lists Comm.log
    bool shipment_advisory = false, checkpoint_access = false, inbound_shipment_tracing = false;
    qint32 shipment_tracing_size = 0;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsConfigMorvaneData : public TclsMVData {
public:
    TclsConfigMorvaneData() : TclsMVData("TclsConfigMorvaneDB") {}
    QString smtp_host, smtp_port, smtp_user_id, smtp_password, default_sender_cd;
    QString return_email_address;
    bool return_via_email = false;
    QString changed_by, site_id;
    bool auto_manifest = false;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsCommServiceSettingsData : public TclsMVData {
public:
    TclsCommServiceSettingsData() : TclsMVData("TclsCommServiceSettingsDB") {}
    QString service_name;
    bool in_use = false;
    QString primary_phone, secondary_phone, http_server;
    qint32 http_port = 0;
    QString mode, changed_by;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsInternetSettingData : public TclsMVData {
public:
    TclsInternetSettingData() : TclsMVData("TclsInternetSettingDB") {}
    qint16 connection_type = 0;
    bool use_browser_settings = false;
    QString https_proxy;
    qint32 https_port = 0;
    QString http_proxy;
    qint32 http_port = 0;
    QString ftp_proxy;
    qint32 ftp_port = 0;
    bool use_credentials = false;
    QString proxy_user, proxy_password;
    bool ntlm = false;
    QString dialup_name;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsPickupData : public TclsMVData {
public:
    TclsPickupData() : TclsMVData("TclsPickupDB") {}
    QStringList pickup_locations; // the default location first
    qint32 request_cutoff_margin = 0, readyby_close_margin = 0;
    qint32 request_close_margin = 0, readyby_cutoff_margin = 0;
    QTime default_readyby_time, default_close_time;
    QString address1, address2, address3, city, postcode, country_name;
    QStringList pickup_instructions;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsShipmentNumberData : public TclsMVData {
public:
    TclsShipmentNumberData() : TclsMVData("TclsShipmentNumberDB") {}
    qint32 allocation_qty = 0;
    QString start_number, current_number, end_number;
    QDateTime allocation_date;
    QString changed_by;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsZorvLpData : public TclsMVData {
public:
    TclsZorvLpData() : TclsMVData("TclsZorvLpDB") {}
    qint32 allocation_qty = 0;
    QString lp_status, lp_source; // one-character codes, "J" for a row the wizard creates
    QString lp_prefix, lp_type, start_number, current_number, end_number, changed_by;
    QDateTime changed_date;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsDestinationBillingData : public TclsMVData {
public:
    TclsDestinationBillingData() : TclsMVData("TclsDestinationBillingDB") {}
    QString sender_cd, iata, account_number;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsCommModemData : public TclsMVData {
public:
    TclsCommModemData() : TclsMVData("TclsCommModemDB") {}
    QString modem_name, port;
    qint32 baud_rate = 0;
    QString init_string, dial_prefix;
    void pVisitFields(TclsFieldVisitor &v) override;
};
