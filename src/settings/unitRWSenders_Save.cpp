// The sender pages' save: the carrier account of the configuration, then the
// sender, customer information, DEFAULT user and product configuration rows in
// one library call, the destination-billing rows, and last the customer's
// account.
#include "unitRWSenders.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"
#include "UnitDataModule.h"
#include "unitLogToFile.h"
#include "UnitMV5Records.h"
#include "unitRWRowSaver.h"
#include "UnitTableMap.h"

namespace {
const QString cstUnit = QStringLiteral("unitRWSenders");
const QString cstSave = QStringLiteral("fnstSaveToDB");
const QString cstDefaultUser = QStringLiteral("DEFAULT");

// Widths of the stored fields the save compares or copies between rows before
// the library cuts them on storing.
inline constexpr int ciSenderCodeWidth = 30;
inline constexpr int ciAccountWidth = 12;
inline constexpr int ciUserIdWidth = 20;
inline constexpr int ciDefaultSenderWidth = 10;
// Set on every sender row the client's programs write.
inline constexpr qint16 ciSenderFlags = 12289;

// A number as the customer information keeps it: with its calling code. A
// number the user left empty stays empty rather than becoming a bare code.
QString fnstWithCallingCode(const QString &stCallingCode, const QString &stNumber) {
    return stNumber.trimmed().isEmpty() ? QString() : stCallingCode.trimmed() + stNumber.trimmed();
}

// The rows of a record class and the status of row 0, which is created when
// there is none and bCreate is set.
struct TrecFirstRow {
    TobjarMVData objarRows;
    int iStatus = dbc::iStatusUpdate;
    template <class T> T &fnobjRow() { return dynamic_cast<T &>(*objarRows.front()); }
};

// "" when row 0 is ready; otherwise the failure's message ("0" for no row).
QString fnstFetch(TrecFirstRow &rec, const QString &stClassName, const TrecarFields &arCriteria,
                  bool bCreate) {
    pWriteLog(0, cstUnit, cstSave, QStringLiteral("Querying ") + stClassName);
    const int iCode = fniQueryRecords(arCriteria, rec.objarRows, stClassName);
    if (iCode != dbc::iSuccess || (rec.objarRows.empty() && !bCreate))
        return fnstLibraryFailure(cstUnit, cstSave,
                                  QStringLiteral("Call to fniQueryRecords failed"), iCode);
    if (rec.objarRows.empty()) {
        rec.objarRows.push_back(fnobjCreateRecord(stClassName));
        rec.iStatus = dbc::iStatusInsert;
    }
    return QString();
}

void pFillSender(TclsSendersData &rec, const TclsRWSendersData &objData, const QString &stCode,
                 const QString &stAccount) {
    rec.sender_cd = stCode;
    rec.company = objData.stCompany;
    rec.shipper_name = objData.stShipperName;
    rec.country_cd = objData.stCountryCode;
    rec.country_name = objData.stCountryName;
    rec.address1 = objData.stAddress1;
    rec.address2 = objData.stAddress2;
    rec.address3 = objData.stAddress3;
    rec.postcode = objData.stPostcode;
    rec.iata = objData.stAirportCode;
    rec.city = objData.stCity;
    rec.state = objData.stState;
    rec.telephone = objData.stTelephone;
    rec.mobile = objData.stMobile;
    rec.email = objData.stEmail;
    rec.vat_gst = objData.stVATGST;
    rec.zorv_account = stAccount;
    rec.tc_account = objData.stTCAccount.trimmed();
    rec.reference = objData.stReference;
    rec.contents1 = objData.stContents1;
    rec.contents2 = objData.stContents2;
    rec.contents3 = objData.stContents3;
    rec.export_license = objData.stExportLicense;
    rec.license_expiration = objData.dtLicenseExpiration;
    rec.federal_tax_id = objData.stFederalTaxId;
    rec.state_tax_id = objData.stStateTaxId;
    rec.sender_flags = ciSenderFlags;
    rec.destination_billing = objData.bDestinationBilling;
    rec.suburb = objData.stSuburb;
    rec.phone_calling_code = objData.stPhoneCallingCode;
    rec.mobile_calling_code = objData.stMobileCallingCode;
    rec.shipper_ref_type_cd = objData.stReferenceTypeCode;
    rec.pCutToWidths();
}

void pFillCustomerInfo(TclsCustomerInfoData &rec, const TclsRWSendersData &objData) {
    rec.company = objData.stCompany;
    rec.contact_name = objData.stShipperName;
    rec.address1 = objData.stAddress1;
    rec.address2 = objData.stAddress2;
    rec.address3 = objData.stAddress3;
    rec.city = objData.stCity;
    rec.state = objData.stState;
    rec.country_cd = objData.stCountryCode;
    rec.country_name = objData.stCountryName;
    rec.postcode = objData.stPostcode;
    rec.telephone = fnstWithCallingCode(objData.stPhoneCallingCode, objData.stTelephone);
    rec.mobile = fnstWithCallingCode(objData.stMobileCallingCode, objData.stMobile);
    rec.email = objData.stEmail;
    rec.suburb = objData.stSuburb;
    rec.changed_by = cstDefaultUser;
    rec.pCutToWidths();
}

// Walks the users up to DEFAULT: the last administrator (user type 0) before
// it becomes the sender's user. nullptr when there is no DEFAULT row.
TclsUsersData *fnpDefaultUser(TobjarMVData &objarUsers, TclsSendersData &recSender) {
    for (auto &obj : objarUsers) {
        auto &recUser = dynamic_cast<TclsUsersData &>(*obj);
        if (recUser.user_id == cstDefaultUser)
            return &recUser;
        if (recUser.user_type == 0)
            recSender.user_id = recUser.user_id.left(ciUserIdWidth);
    }
    return nullptr;
}

class TclsSenderSave {
public:
    TclsSenderSave(const TclsRWSendersData &objData, TobjarMVData &objarDestinationBilling)
        : objData(objData), objarDestinationBilling(objarDestinationBilling),
          stCode(objData.stSenderCode.trimmed().left(ciSenderCodeWidth)),
          stAccount(objData.stZorvAccount.trimmed().left(ciAccountWidth)) {}

    // "success" or the message of the step that failed.
    QString fnstRun();

private:
    // "" when every row is read and filled, else the failure's message.
    QString fnstReadRows();
    QString fnstWriteRows();

    const TclsRWSendersData &objData;
    TobjarMVData &objarDestinationBilling;
    // The sender code as the key column holds it, so a long code finds its own row.
    const QString stCode;
    // The Zorv account as every account column holds it.
    const QString stAccount;
    TrecFirstRow recSender, recCustomerInfo, recUsers, recConfigMorvane;
    TclsUsersData *pDefaultUser = nullptr;
};

QString TclsSenderSave::fnstReadRows() {
    QString stFailure = fnstFetch(recSender, QStringLiteral("TclsSendersDB"),
                                  {{QStringLiteral("sender_cd"), fnstQuoted(stCode)}}, true);
    if (!stFailure.isEmpty())
        return stFailure;
    auto &objSender = recSender.fnobjRow<TclsSendersData>();
    pFillSender(objSender, objData, stCode, stAccount);

    TdmMorvaneV5 dmMorvaneV5;
    if (const int iCode = dmMorvaneV5.fniExecGeneralQuery(
            QStringLiteral("Update Config_Zorv set account_number = ?"), {stAccount});
        iCode != dbc::iSuccess)
        return fnstLibraryFailure(
            cstUnit, cstSave, QStringLiteral("Update of Config_Zorv account_number failed"), iCode);

    stFailure = fnstFetch(recCustomerInfo, QStringLiteral("TclsCustomerInfoDB"), {{}}, true);
    if (!stFailure.isEmpty())
        return stFailure;
    pFillCustomerInfo(recCustomerInfo.fnobjRow<TclsCustomerInfoData>(), objData);

    stFailure = fnstFetch(recUsers, QStringLiteral("TclsUsersDB"), {{}}, false);
    if (!stFailure.isEmpty())
        return stFailure;
    pDefaultUser = fnpDefaultUser(recUsers.objarRows, objSender);
    if (!pDefaultUser)
        // Without the wizard's own user the four rows cannot be written together.
        return fnstLibraryFailure(cstUnit, cstSave, QStringLiteral("No DEFAULT row in users"),
                                  dbc::iSuccess);
    pDefaultUser->account_number = stAccount;
    pDefaultUser->changed_by = cstDefaultUser;

    stFailure = fnstFetch(recConfigMorvane, QStringLiteral("TclsConfigMorvaneDB"), {{}}, false);
    if (!stFailure.isEmpty())
        return stFailure;
    auto &objConfigMorvane = recConfigMorvane.fnobjRow<TclsConfigMorvaneData>();
    objConfigMorvane.default_sender_cd = stCode.left(ciDefaultSenderWidth);
    objConfigMorvane.changed_by = cstDefaultUser;
    return QString();
}

QString TclsSenderSave::fnstWriteRows() {
    auto &objSender = recSender.fnobjRow<TclsSendersData>();
    const TiarFields iarStatus{recSender.iStatus, recCustomerInfo.iStatus, dbc::iStatusUpdate,
                               recConfigMorvane.iStatus};
    pWriteLog(0, cstUnit, cstSave, QStringLiteral("Calling fniRWSenderInfoDB"));
    int iCode = fniRWSenderInfoDB(objSender, recCustomerInfo.fnobjRow<TclsCustomerInfoData>(),
                                  *pDefaultUser, recConfigMorvane.fnobjRow<TclsConfigMorvaneData>(),
                                  iarStatus);
    if (iCode != dbc::iSuccess)
        return fnstLibraryFailure(cstUnit, cstSave,
                                  QStringLiteral("Call to fniRWSenderInfoDB failed"), iCode);
    pWriteLog(0, cstUnit, cstSave, QStringLiteral("Calling fniUpdateSenderRecord"));
    iCode = fniUpdateSenderRecord(objSender, objarDestinationBilling);
    if (iCode != dbc::iSuccess)
        return fnstLibraryFailure(cstUnit, cstSave,
                                  QStringLiteral("Call to fniUpdateSenderRecord failed"), iCode);
    // The customer's account follows the sender's, as it was stored.
    const QString stStoredAccount = objSender.zorv_account;
    return fnstSaveFirstRow({cstUnit,
                             QStringLiteral("TclsCustomerInfoDB"),
                             {{}},
                             false,
                             false,
                             QStringLiteral("Select * from customer_info"),
                             QStringLiteral("Calling FreeAndNil method on objarCustomerInfo")},
                            [&](TclsMVData &objRow, bool) {
                                dynamic_cast<TclsCustomerInfoData &>(objRow).account_number =
                                    stStoredAccount;
                            });
}

QString TclsSenderSave::fnstRun() {
    const QString stFailure = fnstReadRows();
    return stFailure.isEmpty() ? fnstWriteRows() : stFailure;
}
} // namespace

QString TclsRWSenders::fnstSaveToDB(const TclsRWSendersData &objData,
                                    TobjarMVData &objarDestinationBilling) {
    const bool bIncomplete =
        objData.stSenderCode.trimmed().isEmpty() || objData.stCountryName.trimmed().isEmpty() ||
        objData.stCountryCode.trimmed().isEmpty() || objData.stZorvAccount.trimmed().isEmpty();
    if (bIncomplete) {
        // Nothing the host could register: the pages were left before they were filled.
        pWriteLog(1, cstUnit, cstSave,
                  QStringLiteral("Sender code, country or Zorv account is blank: nothing saved"));
        return cstSuccess;
    }
    QString stResult;
    try {
        stResult = TclsSenderSave(objData, objarDestinationBilling).fnstRun();
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, cstSave, QString::fromLocal8Bit(e.what()));
    }
    return stResult;
}
