// Reading the site information file (SiteRegs.txt) the client sends: numbered
// sections of "label padded to a width" + ": " + value lines, written with
// CR LF. The host needs the customer, the application, the account numbers,
// the two number ranges asked for and the gateway. Values are kept as the
// bytes the client wrote; the client writes in its single-byte code page.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct TrecRangeRequest {
    bool bRequired = false; // "Range required flag" is "Y"
    qint64 iQuantity = 0;   // -1 when the quantity is not a whole number
};

struct TrecSiteInformation {
    // Section 1, customer information.
    QByteArray baCompany, baAddress1, baAddress2, baAddress3, baCity, baState, baPostcode,
        baCountry, baContact, baPhone;
    // Section 2, application information.
    QByteArray baVersion, baSiteType;
    // Section 3, one account number per line.
    QList<QByteArray> arAccountNumbers;
    // Sections 9 and 10; a missing section asks for nothing.
    TrecRangeRequest recShipments, recLPs;
    // Section 11.
    QByteArray baGatewayIata;
};

// A value of the file as text: UTF-8 when the bytes are valid UTF-8, otherwise
// Latin-1, the usual single-byte code page of the client's machines.
QString fnstClientText(const QByteArray &baValue);

// The file's contents, or nothing with stError saying what made it unreadable.
std::optional<TrecSiteInformation> fnrecParseSiteInformation(const QByteArray &baFile,
                                                             QString &stError);
