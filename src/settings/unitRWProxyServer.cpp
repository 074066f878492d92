// The internet settings of the workstation: one internet_setting row.
#include "unitRWProxyServer.h"

#include "UnitMV5Records.h"
#include "unitRWRowSaver.h"

namespace {
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

QString TclsRWProxyServer::fnstValidate(const TclsRWSettingsData &, TrecarErrorList &) {
    return {};
}

QString TclsRWProxyServer::fnstSaveToDB(const TclsRWSettingsData &objData) {
    return fnstSaveFirstRowAs<TclsInternetSettingData>(
        fnrecInternetSettingSave(), [&](TclsInternetSettingData &objRow, bool) {
            pFillInternetSetting(objRow, dynamic_cast<const TclsRWProxyServerData &>(objData));
        });
}
