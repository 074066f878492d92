// The sender pages' settings object: its checks and its save.
#include "tstFilledSender.h"
#include "tstSettingsHelpers.h"
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitMV5Records.h"
#include "UnitMV5ReferenceRecords.h"

#include <optional>

namespace {
using D = TclsRWSendersData;

TbarMandatory fnbarFlags(std::initializer_list<int> arSet) {
    TbarMandatory bar{};
    for (int i : arSet)
        bar.at(size_t(i)) = true;
    return bar;
}

TobjarMVData fnarBilling(std::initializer_list<std::pair<const char *, const char *>> arPairs) {
    TobjarMVData objar;
    for (const auto &[pchIata, pchAccount] : arPairs) {
        auto obj = std::make_unique<TclsDestinationBillingData>();
        obj->iata = QLatin1String(pchIata);
        obj->account_number = QLatin1String(pchAccount);
        objar.push_back(std::move(obj));
    }
    return objar;
}

void pExec(const QString &stSQL, const QVariantList &vlBinds = {}) {
    ASSERT_EQ(fniExec(stSQL, vlBinds), 0) << qPrintable(stSQL);
}

struct TrecChange {
    QString D::*pstField;
    const char *pchValue = "";
};

class Senders : public ::testing::Test {
protected:
    std::optional<TclsTestInstallation> objInstallation;
    TclsRWSenders objSenders;

    void SetUp() override { pInstall(fnrecTestOptions()); }
    void pInstall(const TrecInstallationOptions &rec) {
        objInstallation.reset();
        objInstallation.emplace(rec);
        ASSERT_INSTALLED(*objInstallation);
    }
    // "result: control|message ...", after pchEarlier's entry when there is one.
    std::string fnstCheck(TWizardPage enPage, const std::vector<TrecChange> &arChanges,
                          std::initializer_list<int> arFlags, const char *pchEarlier = nullptr,
                          D objData = fnobjFilledSender()) {
        for (const TrecChange &recChange : arChanges)
            objData.*recChange.pstField = QLatin1String(recChange.pchValue);
        TrecarErrorList arErrors;
        if (pchEarlier)
            arErrors.push_back({QLatin1String(pchEarlier), QStringLiteral("Old."), 0, 0});
        QString st = objSenders.fnstValidate(objData, arErrors, enPage, fnbarFlags(arFlags)) + ':';
        for (const auto &rec : arErrors)
            st += QLatin1Char(' ') + rec.stControlName + QLatin1Char('|') + rec.stMessage;
        return st.toStdString();
    }
    QString fnstSave(const D &obj, TobjarMVData objarBilling = {}) {
        return objSenders.fnstSaveToDB(obj, objarBilling);
    }
    bool fnbValid(const char *pchAccount, int iType = 0, bool bLength = false,
                  const char *pchProduct = "") {
        return objSenders.fnbValiTCAccNum(QLatin1String(pchAccount), iType, bLength,
                                          QLatin1String(pchProduct));
    }
};
} // namespace

TEST_F(Senders, RulesOfEachPage) {
    const std::initializer_list<int> arAll = {0, 1, 2, 3, 4, 5};
    EXPECT_EQ(fnstCheck(wpSenderInfo, {}, arAll), "success:");
    EXPECT_EQ(fnstCheck(wpSenderInfo, {{&D::stAddress2}}, {}), "success:");
    EXPECT_EQ(fnstCheck(wpSenderInfo, {{&D::stAddress2}}, {0}),
              "unsuccess: edtSenderAddress2|Address line 2 cannot be blank.");
    EXPECT_EQ(fnstCheck(wpSenderInfo, {{&D::stEmail}}, {1}),
              "unsuccess: edtSenderEmail|Email cannot be blank.");
    EXPECT_EQ(fnstCheck(wpSenderInfo, {{&D::stEmail, "jane@example"}}, {}),
              "unsuccess: edtSenderEmail|Invalid Email Address.");
    EXPECT_EQ(fnstCheck(wpSenderInfo, {{&D::stMobile}}, {2}),
              "unsuccess: edtSenderMobile|Mobile cannot be blank.");
    EXPECT_EQ(
        fnstCheck(wpSenderInfoCont, {{&D::stZorvAccount, "12345"}, {&D::stTCAccount, "  "}}, {}),
        "unsuccess: edtSenderZorvAccount|Zorv Account number is invalid.");
    EXPECT_EQ(fnstCheck(wpSenderInfoCont,
                        {{&D::stZorvAccount},
                         {&D::stTCAccount, "TC12"},
                         {&D::stFederalTaxId},
                         {&D::stStateTaxId}},
                        {4, 5}),
              "unsuccess: edtSenderZorvAccount|Zorv Account cannot be blank. "
              "edtSenderTCAccount|TC Account number is invalid. "
              "edtSenderTaxId|Federal Tax Id cannot be blank. "
              "edtSenderCNPJ|State Tax Id cannot be blank.");
    EXPECT_EQ(fnstCheck(wpSenderInfoCont, {{&D::stSenderCode}, {&D::stMobile}}, arAll), "success:");
    EXPECT_EQ(fnstCheck(wpCommSetting, {}, arAll, nullptr, D()), "success:");
    // Phone entries already in the list hold the page back, others do not.
    EXPECT_EQ(fnstCheck(wpSenderInfo, {}, arAll, "cmbMobileCallingCode"),
              "unsuccess: cmbMobileCallingCode|Old.");
    EXPECT_EQ(fnstCheck(wpSenderInfo, {}, arAll, "edtSenderCompany"),
              "success: edtSenderCompany|Old.");
    EXPECT_EQ(fnstCheck(wpSenderInfo, {{&D::stSenderCode}}, {}, "edtSenderTelephone"),
              "unsuccess: edtSenderTelephone|Old. edtSenderCode|ID cannot be blank..");
}

TEST(SendersEmail, Syntax) {
    for (const char *pchEmail : {"first.last-2_x@mail-host.co.uk", "j@c.de"})
        EXPECT_TRUE(TclsRWSenders::fnbEmailValidation(QLatin1String(pchEmail))) << pchEmail;
    for (const char *pchEmail :
         {"@example.com", "jane@c.d", "jane..doe@example.com", "jane+tag@example.com",
          "jane@example.com.", "jane@exa@mple.com", "jane doe@example.com"})
        EXPECT_FALSE(TclsRWSenders::fnbEmailValidation(QLatin1String(pchEmail))) << pchEmail;
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
    ASSERT_EQ(fniInsertRecord(objar), 0);
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
        {{recCash}, "ca12345678", 0, true},
        {{recCash, {.pchEquals = "CA123"}}, "CA123", 0, false},
        {{recCash, {.iLength = 5}}, "AB123", 0, true},
        {{recCashSales}, "cashSales", 0, true},
        {{recCashSales}, "CASHSALES1", 0, false},
        {{recNine}, "  123456789 ", 0, true},
        {{{.iFieldType = 2}}, "AB 12", 0, true},
        {{{.iFieldType = 2}}, "AB-12", 0, false},
        {{recTC1, recZZ2}, "TC1", 3, true},
        {{recTC1, recZZ2}, "ZZ1", 3, false},
    };
    for (const auto &rec : arCases) {
        pReplaceRules(rec.arRules);
        EXPECT_EQ(fnbValid(rec.pchAccount, rec.iType), rec.bValid)
            << "case " << &rec - arCases << ": " << rec.pchAccount;
    }
    pExec(QStringLiteral("UPDATE config_zorv SET transport_collect = 2"));
    fniLoadConfigDLL(0);
    EXPECT_TRUE(fnbValid("ZZ1", 3));
    EXPECT_FALSE(fnbValid("TC1", 3));
}

TEST_F(Senders, AccountNumberLengthOfTheProduct) {
    auto obj = std::make_unique<TclsProductsData>();
    obj->product_cd = QStringLiteral("SHORT");
    obj->account_number_length = 5;
    TobjarMVData objarProducts = fnarOne(std::move(obj));
    ASSERT_EQ(fniInsertRecord(objarProducts), 0);
    pReplaceRules({});
    EXPECT_FALSE(fnbValid("123456", 0, true, "SHORT"));
    EXPECT_TRUE(fnbValid("12345", 0, true, "SHORT"));
    EXPECT_TRUE(fnbValid("123456", 0, false, "SHORT"));
    EXPECT_FALSE(fnbValid("1234567890123", 0, true, "NOPE")) << "the DEFAULT product's 12";
}

TEST_F(Senders, AnAccountWhoseRulesCannotBeReadIsInvalid) {
    pExec(QStringLiteral("DELETE FROM config_zorv"));
    fniLoadConfigDLL(0);
    EXPECT_FALSE(fnbValid("TC1234567", 3)) << "no configuration, no transport-collect rules";
    pExec(QStringLiteral("DROP TABLE account_number_validations"));
    EXPECT_FALSE(fnbValid("123456789"));
    // A TC account of blanks is not looked up; the Zorv account needs the rules.
    EXPECT_EQ(fnstCheck(wpSenderInfoCont, {{&D::stTCAccount, "    "}}, {}),
              "unsuccess: edtSenderZorvAccount|Zorv Account number is invalid.");
}

// Saved again, a sender is updated and its billing replaced, also for a code with a quote.
TEST_F(Senders, ASenderIsInsertedThenUpdatedWithTheRowsItTouches) {
    ASSERT_EQ(
        fnstSave(fnobjFilledSender(), fnarBilling({{"JFK", "987654321"}, {"CDG", "876543219"}})),
        cstSuccess);
    const TclsSendersData s = fnarRows<TclsSendersData>().at(0);
    const TclsCustomerInfoData c = fnarRows<TclsCustomerInfoData>().at(0);
    const QString stZorv = fnarRows<TclsConfigZorvData>().at(0).account_number;
    const QString stUser = fnarRows<TclsUsersData>({{"user_id", "'DEFAULT'"}}).at(0).account_number;
    EXPECT_EQ(QVariantList({s.sender_cd, s.country_cd, s.iata, s.telephone, s.mobile, s.email,
                            s.zorv_account, s.tc_account, s.phone_calling_code,
                            s.mobile_calling_code, s.shipper_ref_type_cd, s.user_id,
                            s.license_expiration, s.sender_flags, s.destination_billing}),
              QVariantList({"SND001", "GB", "LHR", "2079460000", "7700900123", "jane@example.com",
                            "123456789", "TC1234567", "+44", "+45", "INV", "ADMIN",
                            fnobjFilledSender().dtLicenseExpiration, 12289, true}));
    EXPECT_EQ(QStringList({c.company, c.contact_name, c.telephone, c.mobile, c.account_number,
                           c.changed_by, stZorv, stUser}),
              QStringList({"Acme Ltd", "Jane Shipper", "+442079460000", "+457700900123",
                           "123456789", "DEFAULT", "123456789", "123456789"}));
    const auto arBilling = fnarRows<TclsDestinationBillingData>();
    ASSERT_EQ(arBilling.size(), 2u);
    EXPECT_EQ(QStringList({arBilling[0].sender_cd, arBilling[0].iata, arBilling[1].iata,
                           arBilling[1].account_number}),
              QStringList({"SND001", "JFK", "CDG", "876543219"}));

    for (const char *pchCode : {"SND001", "O'NEIL"}) {
        D objData = fnobjFilledSender();
        objData.stSenderCode = QLatin1String(pchCode);
        ASSERT_EQ(fnstSave(objData, fnarBilling({{"JFK", "987654321"}})), cstSuccess);
        objData.stCompany = QStringLiteral("Acme Holdings");
        objData.stMobile.clear();
        ASSERT_EQ(fnstSave(objData, fnarBilling({{"SYD", "765432198"}})), cstSuccess);
        const TrecarFields arCode = {{QStringLiteral("sender_cd"), objData.stSenderCode}};
        QStringList sl; // the sender's and billing rows of the code, the customer rows
        for (const auto &row : fnarRows<TclsSendersData>(arCode))
            sl << row.company;
        for (const auto &row : fnarRows<TclsDestinationBillingData>(arCode))
            sl << row.iata;
        for (const auto &row : fnarRows<TclsCustomerInfoData>())
            sl << row.company + '/' + row.mobile; // no bare calling code for a blank mobile
        sl << fnarRows<TclsConfigMorvaneData>().at(0).default_sender_cd;
        EXPECT_EQ(sl, QStringList({"Acme Holdings", "SYD", "Acme Holdings/", pchCode}));
    }
    EXPECT_EQ(fnarRows<TclsSendersData>().size(), 2u);
}

// The second save finds the sender by the code as its column holds it.
TEST_F(Senders, ALongCodeIsSavedOnce) {
    D objData = fnobjFilledSender();
    objData.stSenderCode = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    for (int iSave = 0; iSave < 2; ++iSave)
        ASSERT_EQ(fnstSave(objData), cstSuccess);
    EXPECT_EQ(fnarRows<TclsSendersData>().size(), 1u);
}

TEST_F(Senders, NothingIsSavedWithoutCodeCountryOrAccount) {
    for (const TrecChange &rec : {TrecChange{&D::stSenderCode, "  "}, TrecChange{&D::stCountryCode},
                                  TrecChange{&D::stZorvAccount, " "}}) {
        D objData = fnobjFilledSender();
        objData.*rec.pstField = QLatin1String(rec.pchValue);
        EXPECT_EQ(fnstSave(objData, fnarBilling({{"JFK", "987654321"}})), cstSuccess);
        EXPECT_EQ(fnarRows<TclsSendersData>().size() + fnarRows<TclsCustomerInfoData>().size() +
                      fnarRows<TclsDestinationBillingData>().size(),
                  0u);
        EXPECT_EQ(fnarRows<TclsConfigZorvData>().at(0).account_number, QString());
    }
}

TEST_F(Senders, TheLastAdministratorBeforeDefaultBecomesTheSendersUser) {
    pExec(QStringLiteral("DELETE FROM users"));
    for (const auto &[pchId, iType] :
         {std::pair{"CLERK", 0}, {"OPER", 1}, {"CHIEF", 0}, {"DEFAULT", 1}, {"LATE", 0}})
        pExec(QStringLiteral("INSERT INTO users (user_id, user_type) VALUES (?, ?)"),
              {QString::fromLatin1(pchId), iType});
    ASSERT_EQ(fnstSave(fnobjFilledSender()), cstSuccess);
    EXPECT_EQ(fnarRows<TclsSendersData>().at(0).user_id, QStringLiteral("CHIEF"));
}

TEST_F(Senders, AFailingStepEndsTheSaveWithItsMessage) {
    const struct {
        const char *pchSQL; // the table and the write the trigger refuses, or a DROP
        size_t iSenders;
    } arCases[] = {
        {"DROP TABLE customer_info", 0},
        {"config_morvane UPDATE", 0},
        {"destination_billing INSERT", 1},
    };
    for (const auto &rec : arCases) {
        pInstall(fnrecTestOptions());
        const QStringList slSetUp = QString::fromLatin1(rec.pchSQL).split(QLatin1Char(' '));
        if (slSetUp[0] == QLatin1String("DROP"))
            pExec(QLatin1String(rec.pchSQL));
        else
            ASSERT_EQ(fniRefuseWrites(slSetUp[0], slSetUp[1], TRefusal::MissingTable), 0);
        EXPECT_EQ(fnstSave(fnobjFilledSender(), fnarBilling({{"JFK", "987654321"}})),
                  fnstGetDBErrorMessage(9))
            << rec.pchSQL;
        EXPECT_EQ(fnarRows<TclsSendersData>().size(), rec.iSenders) << rec.pchSQL;
    }
}
