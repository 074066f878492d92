// The record classes of the reference tables the wizard reads: countries,
// states, airports (directory and destination stations), suburbs, phone-number
// rules, account-number rules, reference types, products and the
// account/product matrix.
#pragma once

#include "UnitMV5DataInterface.h"

class TclsCountryData : public TclsMVData {
public:
    TclsCountryData() : TclsMVData("TclsCountryDB") {}
    QString country_cd, country_name, state_label;
    bool UsePostCode_flag = false;
    double Threshold_Value = 0;
    bool tc_allowed_flag = false, export_type_reqd_flag = false, terms_of_trade_reqd_flag = false;
    QString Currency_cd;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsStateData : public TclsMVData {
public:
    TclsStateData() : TclsMVData("TclsStateDB") {}
    QString state, state_cd, country_cd, country_name;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsDirectoryData : public TclsMVData {
public:
    TclsDirectoryData() : TclsMVData("TclsDirectoryDB") {}
    QString iata, city, state, country_cd, country_name;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsEsdData : public TclsMVData {
public:
    TclsEsdData() : TclsMVData("TclsEsdDB") {}
    QString iata, city, state, country_cd, country_name, postcode_low, postcode_high;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsSuburbData : public TclsMVData {
public:
    TclsSuburbData() : TclsMVData("TclsSuburbDB") {}
    QString country_cd, city, suburb, postcode;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsPhoneMobileRegexData : public TclsMVData {
public:
    TclsPhoneMobileRegexData() : TclsMVData("TclsPhoneMobileRegexDB") {}
    qint32 countrycode = 0;
    QString country_cd, number_type, possible_len, RegExp, sample_format;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsAccountNumberValidationData : public TclsMVData {
public:
    TclsAccountNumberValidationData() : TclsMVData("TclsAccountNumberValidationDB") {}
    qint32 Type_Of_Account = 0, Transport_Collect = 0, Cash_Flag = 0;
    QString Equals;
    std::optional<qint32> Account_Number_Length;
    QString Prefix;
    std::optional<qint32> Field_Type;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsShipmentReferenceTypeData : public TclsMVData {
public:
    TclsShipmentReferenceTypeData() : TclsMVData("TclsShipmentReferenceTypeDB") {}
    qint32 shipment_reference_type_id = 0;
    QString shipment_reference_type_desc, shipment_reference_type;
    qint32 active_flag = 0;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsProductsData : public TclsMVData {
public:
    TclsProductsData() : TclsMVData("TclsProductsDB") {}
    QString product_cd, product_desc;
    qint32 account_number_length = 0;
    void pVisitFields(TclsFieldVisitor &v) override;
};

class TclsAccountProductMatrixData : public TclsMVData {
public:
    TclsAccountProductMatrixData() : TclsMVData("TclsAccountProductMatrixDB") {}
    qint32 account_type = 0;
    QString product_cd;
    bool allowed = false;
    void pVisitFields(TclsFieldVisitor &v) override;
};
