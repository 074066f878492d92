// The sender pages' settings object: the rules of both pages and the phone
// entries, the e-mail and account-number checks, and the save against a real
// installation.
#include "unitRWSenders.h"

#include "tstFilledSender.h"
#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitMV5Records.h"
#include "UnitMV5ReferenceRecords.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <QDir>

#include <gtest/gtest.h>

#include <optional>

namespace {
using TEntries = std::vector<std::string>; // "control|message"

TEntries fnarEntries(const TrecarErrorList &arErrors) {
    TEntries ar;
    for (const auto &rec : arErrors)
        ar.push_back((rec.stControlName + QLatin1Char('|') + rec.stMessage).toStdString());
    return ar;
}

TbarMandatory fnbarFlags(std::initializer_list<int> arSet) {
    TbarMandatory bar{};
    for (int i : arSet)
        bar.at(size_t(i)) = true;
    return bar;
}

template <class T> std::vector<T> fnarRows(const TrecarFields &arCriteria = {{}}) {
    TobjarMVData objar;
    EXPECT_EQ(fniQueryRecords(arCriteria, objar, T().fnstClassName()), 0);
    std::vector<T> ar;
    for (const auto &obj : objar)
        ar.push_back(dynamic_cast<const T &>(*obj));
    return ar;
}

void pExec(const QString &stSQL, const QVariantList &vlBinds = {}) {
    TclsAdHocQuery query;
    ASSERT_EQ(query.fniExecute(stSQL, vlBinds), 0) << qPrintable(stSQL);
}

void pInsert(TobjarMVData objar) {
    ASSERT_EQ(fniInsertRecord(objar), 0);
}

std::unique_ptr<TclsMVData> fnobjUser(const char *pchId, qint32 iType) {
    auto obj = std::make_unique<TclsUsersData>();
    obj->user_id = QString::fromLatin1(pchId);
    obj->user_type = iType;
    return obj;
}

std::unique_ptr<TclsMVData> fnobjBilling(const QString &stIata, const QString &stAccount) {
    auto obj = std::make_unique<TclsDestinationBillingData>();
    obj->iata = stIata;
    obj->account_number = stAccount;
    return obj;
}

class Senders : public ::testing::Test {
protected:
    std::optional<TclsTestInstallation> objInstallation;
    TclsRWSenders objSenders;

    void SetUp() override { pInstall(fnrecTestOptions()); }
    void pInstall(TrecInstallationOptions rec) {
        rec.bLogging = true;
        objInstallation.reset();
        objInstallation.emplace(rec);
        ASSERT_TRUE(objInstallation->fnbOk()) << qPrintable(objInstallation->fnstError());
    }
    QString fnstLog() const {
        QString st;
        const QDir dirLogs(objInstallation->fnstPath(QStringLiteral("Logs")));
        for (const QString &stFile : dirLogs.entryList(QDir::Files))
            st +=
                QString::fromUtf8(objInstallation->fnbaReadFile(QStringLiteral("Logs/") + stFile));
        return st;
    }
    QString fnstSave(const TclsRWSendersData &obj, TobjarMVData objarBilling = {}) {
        return objSenders.fnstSaveToDB(obj, objarBilling);
    }
};

std::string fnstLine(int iLevel, const char *pchMethod, const QString &stText) {
    return QStringLiteral("|Severity Level %1|Unit unitRWSenders|Process %2|%3\r\n")
        .arg(iLevel)
        .arg(QLatin1String(pchMethod), stText)
        .toStdString();
}

using D = TclsRWSendersData;
// One field of the filled holder set to another value ("" clears it).
struct TrecChange {
    QString D::*pstField;
    const char *pchValue = "";
};
} // namespace

TEST_F(Senders, RulesOfEachPage) {
    const TbarMandatory barNone{};
    const TbarMandatory barAll = fnbarFlags({0, 1, 2, 3, 4, 5});
    const struct {
        TWizardPage enPage;
        std::vector<TrecChange> arChanges;
        TbarMandatory barFlags;
        TEntries arExpected;
    } arCases[] = {
        {wpSenderInfo, {}, barAll, {}},
        {wpSenderInfo, {{&D::stSenderCode}}, barNone, {"edtSenderCode|ID cannot be blank.."}},
        {wpSenderInfo, {{&D::stCompany}}, barNone, {"edtSenderCompany|Company cannot be blank."}},
        {wpSenderInfo, {{&D::stAddress2}}, barNone, {}},
        {wpSenderInfo,
         {{&D::stAddress2}},
         fnbarFlags({0}),
         {"edtSenderAddress2|Address line 2 cannot be blank."}},
        {wpSenderInfo, {{&D::stEmail}}, fnbarFlags({0, 2}), {}},
        {wpSenderInfo, {{&D::stEmail}}, fnbarFlags({1}), {"edtSenderEmail|Email cannot be blank."}},
        {wpSenderInfo,
         {{&D::stEmail, "jane@example"}},
         barNone,
         {"edtSenderEmail|Invalid Email Address."}},
        {wpSenderInfo, {{&D::stMobile}}, fnbarFlags({0, 1}), {}},
        {wpSenderInfo,
         {{&D::stMobile}},
         fnbarFlags({2}),
         {"edtSenderMobile|Mobile cannot be blank."}},
        {wpSenderInfo, {{&D::stFederalTaxId}, {&D::stStateTaxId}, {&D::stZorvAccount}}, barAll, {}},
        {wpSenderInfoCont, {}, barAll, {}},
        {wpSenderInfoCont,
         {{&D::stZorvAccount}},
         barNone,
         {"edtSenderZorvAccount|Zorv Account cannot be blank."}},
        {wpSenderInfoCont,
         {{&D::stZorvAccount, "12345"}},
         barNone,
         {"edtSenderZorvAccount|Zorv Account number is invalid."}},
        {wpSenderInfoCont, {{&D::stZorvAccount, "CA12345678"}}, barNone, {}},
        {wpSenderInfoCont,
         {{&D::stTCAccount, "XX1234567"}},
         barNone,
         {"edtSenderTCAccount|TC Account number is invalid."}},
        {wpSenderInfoCont, {{&D::stTCAccount}}, barNone, {}},
        {wpSenderInfoCont, {{&D::stTCAccount, "   "}}, barNone, {}},
        {wpSenderInfoCont,
         {{&D::stFederalTaxId}, {&D::stStateTaxId}},
         fnbarFlags({0, 1, 2, 3}),
         {}},
        {wpSenderInfoCont,
         {{&D::stSenderCode}, {&D::stEmail}, {&D::stMobile}, {&D::stTelephone}},
         barAll,
         {}},
        {wpSenderInfoCont,
         {{&D::stZorvAccount}, {&D::stTCAccount, "TC12"}, {&D::stFederalTaxId}},
         fnbarFlags({4}),
         {"edtSenderZorvAccount|Zorv Account cannot be blank.",
          "edtSenderTCAccount|TC Account number is invalid.",
          "edtSenderTaxId|Federal Tax Id cannot be blank."}},
        {wpSenderInfoCont,
         {{&D::stStateTaxId}},
         fnbarFlags({5}),
         {"edtSenderCNPJ|State Tax Id cannot be blank."}},
    };
    for (const auto &rec : arCases) {
        TclsRWSendersData objData = fnobjFilledSender();
        for (const TrecChange &recChange : rec.arChanges)
            objData.*recChange.pstField = QLatin1String(recChange.pchValue);
        TrecarErrorList arErrors;
        const QString stResult =
            objSenders.fnstValidate(objData, arErrors, rec.enPage, rec.barFlags);
        const std::string stCase = "case " + std::to_string(&rec - arCases);
        EXPECT_EQ(fnarEntries(arErrors), rec.arExpected) << stCase;
        EXPECT_EQ(stResult, rec.arExpected.empty() ? cstSuccess : cstUnsuccess) << stCase;
    }
}

TEST_F(Senders, AnEmptyHolderFailsTheRulesOfItsPageInOrder) {
    const struct {
        TWizardPage enPage;
        TEntries arExpected;
    } arCases[] = {
        {wpSenderInfo,
         {"edtSenderCode|ID cannot be blank..", "edtSenderCompany|Company cannot be blank.",
          "edtSenderName|Shipper cannot be blank.", "fraSenderCountry|Country cannot be blank.",
          "edtSenderAddress1|Address line 1 cannot be blank.",
          "edtSenderAddress2|Address line 2 cannot be blank.",
          "fraSenderIATA|Airport Code cannot be blank.", "edtSenderCity|City cannot be blank.",
          "edtSenderEmail|Email cannot be blank.", "edtSenderMobile|Mobile cannot be blank.",
          "edtSenderTelephone|Telephone cannot be blank."}},
        {wpSenderInfoCont,
         {"edtSenderZorvAccount|Zorv Account cannot be blank.",
          "edtSenderTaxId|Federal Tax Id cannot be blank.",
          "edtSenderCNPJ|State Tax Id cannot be blank."}},
        {wpCommSetting, {}},
        {wpWelcome, {}},
    };
    for (const auto &rec : arCases) {
        TrecarErrorList arErrors;
        const QString stResult = objSenders.fnstValidate(TclsRWSendersData(), arErrors, rec.enPage,
                                                         fnbarFlags({0, 1, 2, 3, 4, 5}));
        EXPECT_EQ(fnarEntries(arErrors), rec.arExpected) << rec.enPage;
        EXPECT_EQ(stResult, rec.arExpected.empty() ? cstSuccess : cstUnsuccess) << rec.enPage;
    }
}

TEST_F(Senders, PhoneEntriesAlreadyInTheListHoldThePageBack) {
    const struct {
        const char *pchControl;
        TWizardPage enPage;
        bool bHoldsBack;
    } arCases[] = {
        {"edtSenderTelephone", wpSenderInfo, true},
        {"edtSenderMobile", wpSenderInfoCont, true},
        {"cmbPhoneCallingCode", wpFTPSetting, true},
        {"cmbMobileCallingCode", wpSenderInfo, true},
        {"EDTSENDERTELEPHONE", wpSenderInfo, true},
        {"edtSenderCompany", wpSenderInfo, false},
        {"edtCSEODviaEmailAddress", wpApplSecurity, false},
    };
    for (const auto &rec : arCases) {
        TrecarErrorList arErrors{
            {QLatin1String(rec.pchControl), QStringLiteral("Format 020."), 0, 0}};
        const QString stResult = objSenders.fnstValidate(fnobjFilledSender(), arErrors, rec.enPage,
                                                         fnbarFlags({0, 1, 2, 4, 5}));
        EXPECT_EQ(stResult, rec.bHoldsBack ? cstUnsuccess : cstSuccess) << rec.pchControl;
        EXPECT_EQ(fnarEntries(arErrors), TEntries{rec.pchControl + std::string("|Format 020.")})
            << rec.pchControl;
    }
}

TEST_F(Senders, NewEntriesFollowTheOldOnesAndAreLogged) {
    TrecarErrorList arErrors{{QStringLiteral("edtSenderTelephone"), QStringLiteral("Old."), 0, 0}};
    TclsRWSendersData objData = fnobjFilledSender();
    objData.stSenderCode.clear();
    EXPECT_EQ(objSenders.fnstValidate(objData, arErrors, wpSenderInfo, {}), cstUnsuccess);
    EXPECT_EQ(fnarEntries(arErrors),
              (TEntries{"edtSenderTelephone|Old.", "edtSenderCode|ID cannot be blank.."}));
    const std::string stLog = fnstLog().toStdString();
    size_t iAt = 0;
    for (const auto &stLine :
         {fnstLine(0, "fnstValidate", QStringLiteral("TEMP_LOG : Errors in TclsRWSenders : 1")),
          fnstLine(1, "fnstValidate", QStringLiteral("Invalid sender code")),
          fnstLine(0, "fnstValidate",
                   QStringLiteral("TEMP_LOG : Errors in TclsRWSenders After Vlidation : 2")),
          fnstLine(1, "fnstValidate", QStringLiteral("Validation Failed"))}) {
        iAt = stLog.find(stLine, iAt);
        ASSERT_NE(iAt, std::string::npos) << stLine << stLog;
    }
}

TEST(SendersEmail, Syntax) {
    const struct {
        const char *pchEmail;
        bool bValid;
    } arCases[] = {
        {"jane@example.com", true},
        {"first.last-2_x@mail-host.co.uk", true},
        {"a@bc.de", true},
        {"j@c.de", true},
        {"@example.com", false},
        {"", false},
        {"jane@c.d", false},
        {"jane@example.c", false},
        {"jane..doe@example.com", false},
        {"jane@example..com", false},
        {"jane+tag@example.com", false},
        {"jane@.example.com", false},
        {"jane@example.com.", false},
        {"jane@examplecom", false},
        {"jane@exa@mple.com", false},
        {"jane doe@example.com", false},
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(TclsRWSenders::fnbEmailValidation(QLatin1String(rec.pchEmail)), rec.bValid)
            << rec.pchEmail;
}

namespace {
struct TrecRule {
    qint32 iType = 0, iTransportCollect = 0, iCash = 0;
    const char *pchEquals = "";
    std::optional<qint32> iLength = std::nullopt;
    const char *pchPrefix = "";
    std::optional<qint32> iFieldType = std::nullopt;
};

void pReplaceRules(const std::vector<TrecRule> &arRules) {
    pExec(QStringLiteral("DELETE FROM Account_Number_Validations"));
    TobjarMVData objar;
    for (const TrecRule &r : arRules) {
        auto obj = std::make_unique<TclsAccountNumberValidationData>();
        obj->Type_Of_Account = r.iType;
        obj->Transport_Collect = r.iTransportCollect;
        obj->Cash_Flag = r.iCash;
        obj->Equals = QLatin1String(r.pchEquals);
        obj->Account_Number_Length = r.iLength;
        obj->Prefix = QLatin1String(r.pchPrefix);
        obj->Field_Type = r.iFieldType;
        objar.push_back(std::move(obj));
    }
    pInsert(std::move(objar));
}
} // namespace

TEST_F(Senders, AccountNumberRules) {
    const TrecRule recCash{.iCash = 1, .iLength = 10, .pchPrefix = "CA"};
    const TrecRule recNine{.iLength = 9, .iFieldType = 1};
    const TrecRule recCashSales{.pchEquals = "CASHSALES"};
    // The seeded configuration's transport-collect number is 1.
    const TrecRule recTC1{.iType = 3, .iTransportCollect = 1, .pchPrefix = "TC"};
    const TrecRule recZZ2{.iType = 3, .iTransportCollect = 2, .pchPrefix = "ZZ"};
    const struct {
        std::vector<TrecRule> arRules;
        const char *pchAccount;
        int iType;
        bool bValid;
    } arCases[] = {
        {{recCash}, "CA12345678", 0, true},
        {{recCash}, "ca12345678", 0, true},
        {{recCash, {.pchEquals = "CA123"}}, "CA123", 0, false},
        {{{.iCash = 1, .pchPrefix = "CA"}}, "CA1", 0, false},
        {{recCash, {.iLength = 5}}, "AB123", 0, true},
        {{{.iType = 3, .iCash = 1, .iLength = 10, .pchPrefix = "CA"}}, "CA1", 0, true},
        {{}, "anything at all", 0, true},
        {{recCashSales}, "cashSales", 0, true},
        {{recCashSales}, "CASHSALES1", 0, false},
        {{{.pchEquals = "X1", .iLength = 9, .iFieldType = 1}}, "x1", 0, true},
        {{recNine}, "123456789", 0, true},
        {{recNine}, "  123456789 ", 0, true},
        {{recNine}, "12345678", 0, false},
        {{recNine}, "12345678A", 0, false},
        {{recNine}, "1234 6789", 0, false},
        {{{.iLength = 0, .iFieldType = 1}}, "12", 0, true},
        {{{.pchPrefix = "TC"}}, "tc999", 0, true},
        {{{.pchPrefix = "TC"}}, "XC999", 0, false},
        {{{.iFieldType = 2}}, "AB 12", 0, true},
        {{{.iFieldType = 2}}, "AB-12", 0, false},
        {{{.iFieldType = 2}}, "   ", 0, false},
        {{{.iFieldType = 1}}, "", 0, false},
        {{recNine, recCashSales}, "CASHSALES", 0, true},
        {{recNine, recCashSales}, "12345", 0, false},
        {{recTC1, recZZ2}, "TC1", 3, true},
        {{recTC1, recZZ2}, "ZZ1", 3, false},
        {{{.iTransportCollect = 2, .pchPrefix = "ZZ"}}, "ZZ1", 0, true},
        {{{.iTransportCollect = 2, .pchPrefix = "ZZ"}}, "AB1", 0, false},
        {{recNine}, "1234", 4, true},
    };
    for (const auto &rec : arCases) {
        pReplaceRules(rec.arRules);
        EXPECT_EQ(objSenders.fnbValiTCAccNum(QLatin1String(rec.pchAccount), rec.iType, false, {}),
                  rec.bValid)
            << "case " << &rec - arCases << ": " << rec.pchAccount;
    }
    pExec(QStringLiteral("UPDATE config_zorv SET transport_collect = 2"));
    fniLoadConfigDLL(0);
    pReplaceRules({recTC1, recZZ2});
    EXPECT_TRUE(objSenders.fnbValiTCAccNum(QStringLiteral("ZZ1"), 3, false, {}));
    EXPECT_FALSE(objSenders.fnbValiTCAccNum(QStringLiteral("TC1"), 3, false, {}));
}

TEST_F(Senders, AccountNumberLengthOfTheProduct) {
    auto obj = std::make_unique<TclsProductsData>();
    obj->product_cd = QStringLiteral("SHORT");
    obj->account_number_length = 5;
    TobjarMVData objarProducts;
    objarProducts.push_back(std::move(obj));
    pInsert(std::move(objarProducts));
    const struct {
        std::vector<TrecRule> arRules;
        const char *pchAccount;
        bool bCheckLength;
        const char *pchProduct;
        bool bValid;
    } arCases[] = {
        {{}, "123456", true, "SHORT", false},
        {{}, "12345", true, "SHORT", true},
        {{}, "123456", false, "SHORT", true},
        {{{.iFieldType = 1}}, "123456", true, "SHORT", false},
        {{}, "1234567890123", true, "NOPE", false}, // the DEFAULT product's 12
        {{}, "123456789012", true, "NOPE", true},
    };
    for (const auto &rec : arCases) {
        pReplaceRules(rec.arRules);
        EXPECT_EQ(objSenders.fnbValiTCAccNum(QLatin1String(rec.pchAccount), 0, rec.bCheckLength,
                                             QLatin1String(rec.pchProduct)),
                  rec.bValid)
            << "case " << &rec - arCases;
    }
}

TEST_F(Senders, AnAccountWhoseRulesCannotBeReadIsInvalid) {
    EXPECT_TRUE(objSenders.fnbValiTCAccNum(QStringLiteral("123456789"), 0, false, QString()));
    pExec(QStringLiteral("DELETE FROM config_zorv"));
    fniLoadConfigDLL(0);
    EXPECT_FALSE(objSenders.fnbValiTCAccNum(QStringLiteral("TC1234567"), 3, false, QString()))
        << "without the configuration the transport-collect rules are unknown";
    pExec(QStringLiteral("DROP TABLE account_number_validations"));
    for (int iType : {0, 3, 4})
        EXPECT_FALSE(objSenders.fnbValiTCAccNum(QStringLiteral("123456789"), iType, false, {}));
    EXPECT_NE(fnstLog().indexOf(QStringLiteral(
                  "|Severity Level 2|Unit UnitAccountValidation|Process fnbValiTCAccNum|"
                  "Account_Number_Validations could not be read (code 9); the account number is "
                  "not valid\r\n")),
              -1);
}

TEST_F(Senders, ATCAccountOfBlanksIsNotLookedUp) {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.slDropTables << QStringLiteral("account_number_validations");
    pInstall(rec);
    TclsRWSendersData objData = fnobjFilledSender();
    objData.stTCAccount = QStringLiteral("    ");
    TrecarErrorList arErrors;
    objSenders.fnstValidate(objData, arErrors, wpSenderInfoCont, {});
    EXPECT_EQ(fnarEntries(arErrors),
              TEntries{"edtSenderZorvAccount|Zorv Account number is invalid."})
        << "the Zorv account needs the rules; the blank TC account does not";
}

TEST_F(Senders, ANewSenderIsInsertedWithTheRowsItTouches) {
    TobjarMVData objarBilling;
    objarBilling.push_back(fnobjBilling(QStringLiteral("JFK"), QStringLiteral("987654321")));
    objarBilling.push_back(fnobjBilling(QStringLiteral("CDG"), QStringLiteral("876543219")));
    ASSERT_EQ(fnstSave(fnobjFilledSender(), std::move(objarBilling)), cstSuccess);

    const auto arSenders = fnarRows<TclsSendersData>();
    ASSERT_EQ(arSenders.size(), 1u);
    const TclsSendersData &s = arSenders[0];
    const TclsRWSendersData d = fnobjFilledSender();
    EXPECT_EQ(QStringList({s.sender_cd,
                           s.company,
                           s.shipper_name,
                           s.country_cd,
                           s.country_name,
                           s.address1,
                           s.address2,
                           s.address3,
                           s.postcode,
                           s.iata,
                           s.city,
                           s.state,
                           s.telephone,
                           s.mobile,
                           s.email,
                           s.vat_gst,
                           s.zorv_account,
                           s.tc_account,
                           s.reference,
                           s.contents1,
                           s.export_license,
                           s.federal_tax_id,
                           s.state_tax_id,
                           s.suburb,
                           s.phone_calling_code,
                           s.mobile_calling_code,
                           s.shipper_ref_type_cd,
                           s.user_id}),
              QStringList({d.stSenderCode,
                           d.stCompany,
                           d.stShipperName,
                           d.stCountryCode,
                           d.stCountryName,
                           d.stAddress1,
                           d.stAddress2,
                           d.stAddress3,
                           d.stPostcode,
                           d.stAirportCode,
                           d.stCity,
                           d.stState,
                           d.stTelephone,
                           d.stMobile,
                           d.stEmail,
                           d.stVATGST,
                           d.stZorvAccount,
                           d.stTCAccount,
                           d.stReference,
                           d.stContents1,
                           d.stExportLicense,
                           d.stFederalTaxId,
                           d.stStateTaxId,
                           d.stSuburb,
                           d.stPhoneCallingCode,
                           d.stMobileCallingCode,
                           d.stReferenceTypeCode,
                           QStringLiteral("ADMIN")}));
    EXPECT_EQ(s.license_expiration, d.dtLicenseExpiration);
    EXPECT_EQ(s.sender_flags, 12289);
    EXPECT_TRUE(s.destination_billing);

    EXPECT_EQ(fnarRows<TclsConfigZorvData>().at(0).account_number, QStringLiteral("123456789"));
    const auto arCustomers = fnarRows<TclsCustomerInfoData>();
    ASSERT_EQ(arCustomers.size(), 1u);
    const TclsCustomerInfoData &c = arCustomers[0];
    EXPECT_EQ(QStringList({c.company, c.contact_name, c.address1, c.address2, c.address3, c.city,
                           c.state, c.country_cd, c.country_name, c.postcode, c.telephone, c.mobile,
                           c.email, c.suburb, c.account_number, c.changed_by}),
              QStringList({d.stCompany, d.stShipperName, d.stAddress1, d.stAddress2, d.stAddress3,
                           d.stCity, d.stState, d.stCountryCode, d.stCountryName, d.stPostcode,
                           QStringLiteral("+442079460000"), QStringLiteral("+457700900123"),
                           d.stEmail, d.stSuburb, d.stZorvAccount, QStringLiteral("DEFAULT")}));
    const auto arDefault = fnarRows<TclsUsersData>({{QStringLiteral("user_id"), "'DEFAULT'"}});
    ASSERT_EQ(arDefault.size(), 1u);
    EXPECT_EQ(arDefault[0].account_number, QStringLiteral("123456789"));
    EXPECT_EQ(arDefault[0].changed_by, QStringLiteral("DEFAULT"));
    EXPECT_EQ(fnarRows<TclsConfigMorvaneData>().at(0).default_sender_cd, QStringLiteral("SND001"));
    const auto arBilling = fnarRows<TclsDestinationBillingData>();
    ASSERT_EQ(arBilling.size(), 2u);
    EXPECT_EQ(QStringList({arBilling[0].sender_cd, arBilling[0].iata, arBilling[1].iata,
                           arBilling[1].account_number}),
              QStringList({"SND001", "JFK", "CDG", "876543219"}));
}

TEST_F(Senders, AnExistingSenderIsUpdatedAndItsBillingReplaced) {
    for (const char *pchCode : {"SND001", "O'NEIL"}) {
        TclsRWSendersData objData = fnobjFilledSender();
        objData.stSenderCode = QLatin1String(pchCode);
        TobjarMVData objarBilling;
        objarBilling.push_back(fnobjBilling(QStringLiteral("JFK"), QStringLiteral("987654321")));
        objarBilling.push_back(fnobjBilling(QStringLiteral("CDG"), QStringLiteral("876543219")));
        ASSERT_EQ(fnstSave(objData, std::move(objarBilling)), cstSuccess);
        objData.stCompany = QStringLiteral("Acme Holdings");
        objData.stMobile.clear();
        objarBilling.push_back(fnobjBilling(QStringLiteral("SYD"), QStringLiteral("765432198")));
        ASSERT_EQ(fnstSave(objData, std::move(objarBilling)), cstSuccess);
        const auto arSenders =
            fnarRows<TclsSendersData>({{QStringLiteral("sender_cd"), objData.stSenderCode}});
        ASSERT_EQ(arSenders.size(), 1u) << pchCode;
        EXPECT_EQ(arSenders[0].company, QStringLiteral("Acme Holdings"));
        const auto arBilling = fnarRows<TclsDestinationBillingData>(
            {{QStringLiteral("sender_cd"), objData.stSenderCode}});
        ASSERT_EQ(arBilling.size(), 1u) << pchCode;
        EXPECT_EQ(arBilling[0].iata, QStringLiteral("SYD"));
        const auto arCustomers = fnarRows<TclsCustomerInfoData>();
        ASSERT_EQ(arCustomers.size(), 1u);
        EXPECT_EQ(arCustomers[0].company, QStringLiteral("Acme Holdings"));
        EXPECT_EQ(arCustomers[0].mobile, QString()) << "no bare calling code for a blank mobile";
        EXPECT_EQ(fnarRows<TclsConfigMorvaneData>().at(0).default_sender_cd, objData.stSenderCode);
    }
    EXPECT_EQ(fnarRows<TclsSendersData>().size(), 2u);
}

TEST_F(Senders, LongValuesAreCutToTheirColumns) {
    TclsRWSendersData objData = fnobjFilledSender();
    objData.stSenderCode = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    objData.stZorvAccount = QStringLiteral("1234567890123456");
    objData.stTelephone = QStringLiteral("20794600001234567890");
    // A user id longer than the senders' column; a server that checks widths
    // needs the users' column wider first.
    if (fncnGetSQLConnection().driverName() == QLatin1String("QPSQL"))
        pExec(QStringLiteral("ALTER TABLE users ALTER COLUMN user_id TYPE VARCHAR(40)"));
    pExec(QStringLiteral("UPDATE users SET user_id = ? WHERE user_id = 'ADMIN'"),
          {QStringLiteral("ADMINISTRATOR-OF-SITE")});
    for (int iSave = 0; iSave < 2; ++iSave) {
        TobjarMVData objarBilling;
        objarBilling.push_back(
            fnobjBilling(QStringLiteral("JFKX"), QStringLiteral("98765432109876")));
        ASSERT_EQ(fnstSave(objData, std::move(objarBilling)), cstSuccess);
    }
    const auto arSenders = fnarRows<TclsSendersData>();
    ASSERT_EQ(arSenders.size(), 1u) << "the second save finds the row by its stored code";
    EXPECT_EQ(arSenders[0].sender_cd, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"));
    EXPECT_EQ(arSenders[0].zorv_account, QStringLiteral("123456789012"));
    EXPECT_EQ(arSenders[0].user_id, QStringLiteral("ADMINISTRATOR-OF-SIT"));
    EXPECT_EQ(fnarRows<TclsConfigZorvData>().at(0).account_number, QStringLiteral("123456789012"));
    EXPECT_EQ(fnarRows<TclsConfigMorvaneData>().at(0).default_sender_cd,
              QStringLiteral("ABCDEFGHIJ"));
    const auto arCustomers = fnarRows<TclsCustomerInfoData>();
    ASSERT_EQ(arCustomers.size(), 1u);
    EXPECT_EQ(arCustomers[0].account_number, QStringLiteral("123456789012"));
    EXPECT_EQ(arCustomers[0].telephone, QStringLiteral("+4420794600001234567"));
    EXPECT_EQ(
        fnarRows<TclsUsersData>({{QStringLiteral("user_id"), "'DEFAULT'"}}).at(0).account_number,
        QStringLiteral("123456789012"));
    const auto arBilling = fnarRows<TclsDestinationBillingData>();
    ASSERT_EQ(arBilling.size(), 1u);
    EXPECT_EQ(QStringList({arBilling[0].sender_cd, arBilling[0].iata, arBilling[0].account_number}),
              QStringList({"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", "JFK", "987654321098"}));
}

TEST_F(Senders, NothingIsSavedWithoutCodeCountryOrAccount) {
    using TfnChange = void (*)(TclsRWSendersData &);
    const TfnChange arChanges[] = {
        [](TclsRWSendersData &d) { d.stSenderCode = QStringLiteral("  "); },
        [](TclsRWSendersData &d) { d.stCountryName.clear(); },
        [](TclsRWSendersData &d) { d.stCountryCode.clear(); },
        [](TclsRWSendersData &d) { d.stZorvAccount = QStringLiteral(" "); },
    };
    for (TfnChange fnChange : arChanges) {
        TclsRWSendersData objData = fnobjFilledSender();
        fnChange(objData);
        TobjarMVData objarBilling;
        objarBilling.push_back(fnobjBilling(QStringLiteral("JFK"), QStringLiteral("987654321")));
        EXPECT_EQ(fnstSave(objData, std::move(objarBilling)), cstSuccess);
        EXPECT_TRUE(fnarRows<TclsSendersData>().empty());
        EXPECT_TRUE(fnarRows<TclsCustomerInfoData>().empty());
        EXPECT_TRUE(fnarRows<TclsDestinationBillingData>().empty());
        EXPECT_EQ(fnarRows<TclsConfigZorvData>().at(0).account_number, QString());
        EXPECT_EQ(fnarRows<TclsConfigMorvaneData>().at(0).default_sender_cd, QString());
    }
}

TEST_F(Senders, TheLastAdministratorBeforeDefaultBecomesTheSendersUser) {
    pExec(QStringLiteral("DELETE FROM users"));
    TobjarMVData objarUsers;
    const std::pair<const char *, qint32> arUsers[] = {
        {"CLERK", 0}, {"OPER", 1}, {"CHIEF", 0}, {"DEFAULT", 1}, {"LATE", 0}};
    for (const auto &[pchId, iType] : arUsers)
        objarUsers.push_back(fnobjUser(pchId, iType));
    pInsert(std::move(objarUsers));
    ASSERT_EQ(fnstSave(fnobjFilledSender()), cstSuccess);
    EXPECT_EQ(fnarRows<TclsSendersData>().at(0).user_id, QStringLiteral("CHIEF"));
}

TEST_F(Senders, UsersWithoutDefaultEndTheSaveWithCodeZero) {
    for (const char *pchUsersLeft : {"ADMIN", ""}) {
        pExec(QStringLiteral("DELETE FROM users WHERE user_id <> ?"),
              {QLatin1String(pchUsersLeft)});
        EXPECT_EQ(fnstSave(fnobjFilledSender()), QStringLiteral("0")) << pchUsersLeft;
        EXPECT_TRUE(fnarRows<TclsSendersData>().empty());
        EXPECT_TRUE(fnarRows<TclsCustomerInfoData>().empty());
        EXPECT_EQ(fnarRows<TclsConfigZorvData>().at(0).account_number, QStringLiteral("123456789"))
            << "the carrier account is written before the users are read";
    }
}

TEST_F(Senders, AFailingStepEndsTheSaveWithItsMessage) {
    // A trigger naming a table that does not exist makes exactly that write fail.
    const char *const pchDatabaseConfiguration =
        "Database Configuration is not correct. Please contact System Administrator.";
    const struct {
        const char *pchSQL; // the table and the write the trigger refuses, or a DROP
        const char *pchLog;
        size_t iSenders;
    } arCases[] = {
        {"DROP TABLE customer_info", "Call to fniQueryRecords failed", 0},
        {"config_morvane UPDATE", "Call to fniRWSenderInfoDB failed", 0},
        {"destination_billing INSERT", "Call to fniUpdateSenderRecord failed", 1},
    };
    for (const auto &rec : arCases) {
        pInstall(fnrecTestOptions());
        const QStringList slSetUp = QString::fromLatin1(rec.pchSQL).split(QLatin1Char(' '));
        if (slSetUp[0] == QLatin1String("DROP"))
            pExec(QLatin1String(rec.pchSQL));
        else
            ASSERT_EQ(fniRefuseWrites(slSetUp[0], slSetUp[1], TRefusal::MissingTable), 0);
        TobjarMVData objarBilling;
        objarBilling.push_back(fnobjBilling(QStringLiteral("JFK"), QStringLiteral("987654321")));
        EXPECT_EQ(fnstSave(fnobjFilledSender(), std::move(objarBilling)),
                  QLatin1String(pchDatabaseConfiguration))
            << rec.pchSQL;
        EXPECT_EQ(fnarRows<TclsSendersData>().size(), rec.iSenders) << rec.pchSQL;
        EXPECT_NE(fnstLog().indexOf(QStringLiteral("|Severity Level 2|Unit unitRWSenders|Process "
                                                   "fnstSaveToDB|") +
                                    QLatin1String(rec.pchLog)),
                  -1)
            << rec.pchSQL;
    }
}
