// The internet settings of the workstation: one internet_setting row.
#include "unitRWProxyServer.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"
#include "UnitMV5Records.h"
#include "unitRWRowSaver.h"

namespace {
// The stored row, read for its key or its values; nullptr when there is none
// or it could not be read (iCode says which).
TclsInternetSettingData *fnpStoredRow(TobjarMVData &objarRows, int &iCode) {
    iCode = fniQueryRecords({{}}, objarRows, QStringLiteral("TclsInternetSettingDB"));
    return iCode != dbc::iSuccess || objarRows.empty()
               ? nullptr
               : dynamic_cast<TclsInternetSettingData *>(objarRows.front().get());
}

TrecRowSave fnrecInternetSettingSave() {
    return {.stUnit = QStringLiteral("unitRWProxyServer"),
            .stClassName = QStringLiteral("TclsInternetSettingDB"),
            // A fresh installation has no row until the internet page is first left.
            .bInsertWhenMissing = true,
            .stSelectLog = QStringLiteral("Select * from internet_setting"),
            .stFreeLog = QStringLiteral("Calling FreeAndNil method on objarInternetSettingData"),
            .stUpdateFailLog = QStringLiteral("Call to fniInsertRecord failed.")};
}

} // namespace

// Every field, whatever the connection type: a proxy typed before switching to
// dial-up is still there when the user switches back. Texts longer than their
// columns are cut by the record's widths when stored.
void pFillInternetSetting(TclsInternetSettingData &objRow, const TclsRWProxyServerData &objData) {
    objRow.connection_type = static_cast<qint16>(objData.iConnectionType);
    // The internet page writes the browser choice into this row just before this
    // save; the holder carries it so that the save does not overwrite it.
    objRow.use_browser_settings = objData.bUseBrowserSettings;
    objRow.https_proxy = objData.stHTTPSProxyAddress;
    objRow.https_port = objData.iHTTPSPort;
    objRow.http_proxy = objData.stHTTPProxyAddress;
    objRow.http_port = objData.iHTTPPort;
    objRow.ftp_proxy = objData.stFTPProxyAddress;
    objRow.ftp_port = objData.iFTPPort;
    objRow.use_credentials = objData.bUserNamePwdConfirmation;
    objRow.proxy_user = objData.stUserName;
    objRow.proxy_password = objData.stPassword;
    objRow.ntlm = objData.bNTLM;
    objRow.dialup_name = objData.stDialupName;
}

bool fnbReadInternetSetting(TclsRWProxyServerData &objData, int &iCode) {
    TobjarMVData objarRows;
    const TclsInternetSettingData *pRow = fnpStoredRow(objarRows, iCode);
    if (iCode != dbc::iSuccess || !pRow)
        return false;
    objData.iConnectionType = pRow->connection_type;
    objData.stDialupName = pRow->dialup_name;
    objData.bUseBrowserSettings = pRow->use_browser_settings;
    objData.stHTTPProxyAddress = pRow->http_proxy;
    objData.stHTTPSProxyAddress = pRow->https_proxy;
    objData.stFTPProxyAddress = pRow->ftp_proxy;
    objData.iHTTPPort = pRow->http_port;
    objData.iHTTPSPort = pRow->https_port;
    objData.iFTPPort = pRow->ftp_port;
    objData.bUserNamePwdConfirmation = pRow->use_credentials;
    objData.stUserName = pRow->proxy_user;
    objData.stPassword = pRow->proxy_password;
    objData.bNTLM = pRow->ntlm;
    return true;
}

int fniStoreInternetSetting(const TclsRWProxyServerData &objData) {
    // One read gives both answers: whether there is a row, and its key.
    TobjarMVData objarRows;
    int iCode = dbc::iSuccess;
    if (TclsInternetSettingData *pRow = fnpStoredRow(objarRows, iCode)) {
        pFillInternetSetting(*pRow, objData);
        return fniUpdateRecord(*pRow);
    }
    if (iCode != dbc::iSuccess)
        return iCode;
    TobjarMVData objarNew;
    auto objRow = std::make_unique<TclsInternetSettingData>();
    pFillInternetSetting(*objRow, objData);
    objarNew.push_back(std::move(objRow));
    return fniInsertRecord(objarNew);
}

QString TclsRWProxyServer::fnstValidate(const TclsRWSettingsData &, TrecarErrorList &) {
    return {};
}

QString TclsRWProxyServer::fnstSaveToDB(const TclsRWSettingsData &objData) {
    return fnstSaveFirstRowAs<TclsInternetSettingData>(
        fnrecInternetSettingSave(), [&](TclsInternetSettingData &objRow, bool) {
            pFillInternetSetting(objRow, dynamic_cast<const TclsRWProxyServerData &>(objData));
        });
}
