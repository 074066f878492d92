// The carrier host's pieces that need no network: the form encoding, the
// registration header, reading SiteRegs.txt, the site-ID prefix and the
// country lookup.
#include "tstCarrierHostHelpers.h"
#include "UnitAllocationRules.h"
#include "UnitCountryCodes.h"
#include "UnitHostForm.h"
#include "UnitRegistrationHeader.h"
#include "UnitSiteInformation.h"

#include <gtest/gtest.h>

TEST(CarrierHostParts, FormEncodingRoundTrips) {
    const struct {
        QByteArray baPlain;
        QByteArray baEncoded;
    } arCases[] = {
        {"a b", "a%20b"}, {"x.y-z", "x%2Ey%2Dz"},        {"\x1C\x1D", "%1C%1D"},
        {"Az09", "Az09"}, {"\xC3\xA9\xFF", "%C3%A9%FF"}, {"a&b=c+d%", "a%26b%3Dc%2Bd%25"},
        {"", ""},
    };
    for (const auto &rec : arCases) {
        EXPECT_EQ(fnbaFormEncode(rec.baPlain), rec.baEncoded);
        EXPECT_EQ(fnbaFormDecode(rec.baEncoded), rec.baPlain);
    }
}

TEST(CarrierHostParts, FormDecodingOfForeignSpellings) {
    const struct {
        QByteArray baEncoded;
        std::optional<QByteArray> baPlain;
    } arCases[] = {
        {"a+b", QByteArray("a b")}, {"%4a%4A", QByteArray("JJ")}, {"%G1", std::nullopt},
        {"ab%4", std::nullopt},     {"%", std::nullopt},
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(fnbaFormDecode(rec.baEncoded), rec.baPlain) << rec.baEncoded.constData();

    const auto arFields = fnarDecodeForm("msg_type=0&msg_hdr=%52EG&flag&empty=");
    ASSERT_TRUE(arFields.has_value());
    const TarFormFields arExpected{
        {"msg_type", "0"}, {"msg_hdr", "REG"}, {"flag", ""}, {"empty", ""}};
    EXPECT_EQ(*arFields, arExpected);
    EXPECT_FALSE(fnarDecodeForm("a=%ZZ").has_value());
    EXPECT_EQ(fnbaEncodeForm(arExpected), QByteArray("msg_type=0&msg_hdr=REG&flag=&empty="));
}

TEST(CarrierHostParts, RegistrationHeaderAgainstTheBody) {
    const QByteArray baGood = "REGRSiteRegs.txt\x1C\x1C\x1C\x1C"
                              "112345\x1C"
                              "DDMMYYYY0";
    const struct {
        QByteArray baHeader;
        qsizetype iBodyLength;
        const char *pchError; // part of the refusal; null: accepted
    } arCases[] = {
        {baGood, 2345, nullptr},
        {baGood, 2344, "announces 2345 bytes but the body has 2344"},
        {"UCFRABC0000000001ZOZSiteRegs.txt\x1C\x1C\x1C\x1C"
         "112345\x1C"
         "DDMMYYYY0",
         2345, "REGR"},
        {"REGRSiteRegs.txt\x1C\x1C\x1C"
         "112345\x1C"
         "DDMMYYYY0",
         2345, "REGR"},
        {"REGRSiteRegs.txt\x1C\x1C\x1C\x1C"
         "11\x1C"
         "DDMMYYYY0",
         2345, "no file size"},
        {"REGRSiteRegs.txt\x1C\x1C\x1C\x1C"
         "1123x5\x1C"
         "DDMMYYYY0",
         2345, "no file size"},
        {"REGRSiteRegs.txt\x1C\x1C\x1C\x1C"
         "112345\x1C"
         "05032024"
         "0",
         2345, "DDMMYYYY0"},
        // The modem form's closing GS has no place in a form.
        {baGood + "\x1D", 2345, "DDMMYYYY0"},
        {"REGRSiteRegs.txt\x1C\x1C\x1C\x1C"
         "112345",
         2345, "DDMMYYYY0"},
    };
    for (const auto &rec : arCases) {
        const QString stError = fnstCheckRegistrationHeader(rec.baHeader, rec.iBodyLength);
        if (!rec.pchError)
            EXPECT_TRUE(stError.isEmpty()) << qPrintable(stError);
        else
            EXPECT_TRUE(stError.contains(QLatin1String(rec.pchError)))
                << qPrintable(stError) << " / " << rec.pchError;
    }
}

TEST(CarrierHostParts, SiteInformationFileIsRead) {
    TrecTestSite recSite;
    recSite.baAddress3 = "Hunslet";
    recSite.baLPFlag = "N";
    recSite.baLPQuantity = "0";
    QString stError;
    const auto rec = fnrecParseSiteInformation(fnbaSiteRegsFile(recSite), stError);
    ASSERT_TRUE(rec.has_value()) << qPrintable(stError);
    EXPECT_EQ(rec->baCompany, "Acme Parts Ltd");
    EXPECT_EQ(rec->baAddress1, "Unit 4: Dock Road"); // a colon inside a value stays
    EXPECT_EQ(rec->baAddress2, "Riverside Estate");
    EXPECT_EQ(rec->baAddress3, "Hunslet");
    EXPECT_EQ(rec->baCity, "Leeds");
    EXPECT_EQ(rec->baState, "West Yorkshire");
    EXPECT_EQ(rec->baPostcode, "LS1 4AB");
    EXPECT_EQ(rec->baCountry, "United Kingdom");
    EXPECT_EQ(rec->baContact, "Jane Smith");
    EXPECT_EQ(rec->baPhone, "0113 496 0000");
    EXPECT_EQ(rec->baVersion, "5.01.02");
    EXPECT_EQ(rec->baSiteType, "Standalone");
    EXPECT_EQ(rec->arAccountNumbers, (QList<QByteArray>{"123456789", "987654321"}));
    EXPECT_TRUE(rec->recShipments.bRequired);
    EXPECT_EQ(rec->recShipments.iQuantity, 500);
    EXPECT_FALSE(rec->recLPs.bRequired);
    EXPECT_EQ(rec->baGatewayIata, "LBA");
}

TEST(CarrierHostParts, SiteInformationVariants) {
    TrecTestSite recOddQuantity;
    recOddQuantity.baShipmentQuantity = "lots";
    const QByteArray baFull = fnbaSiteRegsFile(TrecTestSite{});
    const struct {
        const char *pchName;
        QByteArray baFile;
        bool bRead;
        qint64 iShipments; // -1: not a number
        bool bLPRequired;
    } arCases[] = {
        {"CR LF", baFull, true, 500, true},
        {"LF only", QByteArray(baFull).replace("\r\n", "\n"), true, 500, true},
        {"no range sections", baFull.left(baFull.indexOf("Sec 9 :")), true, 0, false},
        {"quantity not a number", fnbaSiteRegsFile(recOddQuantity), true, -1, true},
        {"another file", "Hello\r\nSec 1 : CUSTOMER INFORMATION\r\n", false, 0, false},
        {"no customer section", "ZOZ SITE CONFIGURATION\r\n\r\nSec 2 : APPLICATION\r\n", false, 0,
         false},
        {"empty", "", false, 0, false},
    };
    for (const auto &rec : arCases) {
        QString stError;
        const auto recSite = fnrecParseSiteInformation(rec.baFile, stError);
        ASSERT_EQ(recSite.has_value(), rec.bRead) << rec.pchName;
        EXPECT_EQ(stError.isEmpty(), rec.bRead) << rec.pchName;
        if (!recSite)
            continue;
        EXPECT_EQ(recSite->baCompany, "Acme Parts Ltd") << rec.pchName;
        EXPECT_EQ(recSite->recShipments.iQuantity, rec.iShipments) << rec.pchName;
        EXPECT_EQ(recSite->recLPs.bRequired, rec.bLPRequired) << rec.pchName;
    }
}

TEST(CarrierHostParts, SitePrefixFromTheCompany) {
    const struct {
        QString stCompany;
        const char *pchPrefix;
    } arCases[] = {
        {QStringLiteral("Acme Parts Ltd"), "ACM"},
        {QStringLiteral("3m co"), "MCO"},
        {QStringLiteral("A-1"), "ZOR"},
        {QString(), "ZOR"},
        {QStringLiteral("Été Bâtiment"), "TBT"},
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(fnstSitePrefix(rec.stCompany), QLatin1String(rec.pchPrefix))
            << qPrintable(rec.stCompany);
    EXPECT_EQ(fnstSiteId(QStringLiteral("ACM"), 42), QLatin1String("ACM0000000042ZOZ"));
    EXPECT_TRUE(fnbPassesManualSiteIdRule(fnstSiteId(QStringLiteral("ZOR"), iLastSiteSequence)));
}

TEST(CarrierHostParts, CountryCodesFromNames) {
    TclsCountryCodes objCodes;
    QString stError;
    ASSERT_TRUE(objCodes.fnbLoad(TclsCountryCodes::fnstDefaultFile(), stError))
        << qPrintable(stError);
    const struct {
        QByteArray baCountry; // as the client's file carries it
        const char *pchCode;
    } arCases[] = {
        {"United Kingdom", "GB"},
        {"  united states ", "US"},
        {"Bolivia", "BO"},                        // common name
        {"Plurinational State of Bolivia", "BO"}, // official name
        {"C\xC3\xB4te d'Ivoire", "CI"},           // UTF-8
        {"C\xF4te d'Ivoire", "CI"},               // Latin-1
        {"DEU", "DE"},
        {"Atlantis", ""},
        {"", ""},
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(objCodes.fnstCode(fnstClientText(rec.baCountry)), QLatin1String(rec.pchCode))
            << rec.baCountry.constData();
    EXPECT_FALSE(objCodes.fnbLoad(QStringLiteral("/nonexistent/iso.json"), stError));
}
