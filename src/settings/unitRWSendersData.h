// What the two sender pages hold, read from their controls (every text trimmed).
#pragma once

#include "unitRWSettings.h"

#include <QDateTime>

#include <array>

class TclsRWSendersData : public TclsRWSettingsData {
public:
    QDateTime dtLicenseExpiration;                    // calSenderLicenseExpiration
    QString stZorvAccount;                            // edtSenderZorvAccount
    QString stAddress1, stAddress2, stAddress3;       // edtSenderAddress1..3
    QString stCity;                                   // edtSenderCity
    QString stStateTaxId;                             // edtSenderCNPJ
    QString stSenderCode;                             // edtSenderCode
    QString stCompany;                                // edtSenderCompany
    QString stContents1, stContents2, stContents3;    // edtSenderContents1..3
    QString stCountryName, stCountryCode;             // fraSenderCountry
    QString stEmail;                                  // edtSenderEmail
    QString stExportLicense;                          // edtSenderExportLicense
    QString stAirportCode;                            // fraSenderIATA
    QString stMobile;                                 // edtSenderMobile
    QString stShipperName;                            // edtSenderName
    QString stTelephone;                              // edtSenderTelephone
    QString stReference;                              // edtSenderReference
    QString stState;                                  // fraSenderState
    QString stFederalTaxId;                           // edtSenderTaxId
    QString stTCAccount;                              // edtSenderTCAccount
    QString stPostcode;                               // edtSenderPostcode
    QString stVATGST;                                 // edtSenderVATGST
    bool bDestinationBilling = false;                 // chkDestinationBilling
    QString stSuburb;                                 // fraSenderSuburb
    QString stReferenceTypeCode, stReferenceTypeDesc; // lcmbShipperRefType
    QString stPhoneCallingCode, stMobileCallingCode;  // cmbPhoneCallingCode, cmbMobileCallingCode
};

// Optional sender fields the carrier configuration makes mandatory:
// [0] address line 2, [1] e-mail, [2] mobile, [3] not used, [4] federal tax id,
// [5] state tax id.
using TbarMandatory = std::array<bool, 6>;
