// A sender holder as the two sender pages leave it when every field is filled.
#pragma once

#include "unitRWSenders.h"

#include <QDateTime>

// Every field filled so that both pages pass against the seeded account rules.
inline TclsRWSendersData fnobjFilledSender() {
    TclsRWSendersData obj;
    obj.stSenderCode = QStringLiteral("SND001");
    obj.stCompany = QStringLiteral("Acme Ltd");
    obj.stShipperName = QStringLiteral("Jane Shipper");
    obj.stCountryName = QStringLiteral("United Kingdom");
    obj.stCountryCode = QStringLiteral("GB");
    obj.stAddress1 = QStringLiteral("1 High Street");
    obj.stAddress2 = QStringLiteral("Floor 2");
    obj.stAddress3 = QStringLiteral("Unit 3");
    obj.stPostcode = QStringLiteral("SW1A 1AA");
    obj.stAirportCode = QStringLiteral("LHR");
    obj.stCity = QStringLiteral("London");
    obj.stState = QStringLiteral("Greater London");
    obj.stSuburb = QStringLiteral("Westminster");
    obj.stTelephone = QStringLiteral("2079460000");
    obj.stMobile = QStringLiteral("7700900123");
    obj.stPhoneCallingCode = QStringLiteral("+44");
    obj.stMobileCallingCode = QStringLiteral("+45");
    obj.stEmail = QStringLiteral("jane@example.com");
    obj.stVATGST = QStringLiteral("GB123");
    obj.stZorvAccount = QStringLiteral("123456789");
    obj.stTCAccount = QStringLiteral("TC1234567");
    obj.stReference = QStringLiteral("REF-9");
    obj.stContents1 = QStringLiteral("Books");
    obj.stExportLicense = QStringLiteral("EL-1");
    obj.dtLicenseExpiration = QDateTime(QDate(2030, 1, 31), QTime(0, 0));
    obj.stFederalTaxId = QStringLiteral("FED-1");
    obj.stStateTaxId = QStringLiteral("ST-1");
    obj.bDestinationBilling = true;
    obj.stReferenceTypeCode = QStringLiteral("INV");
    return obj;
}
