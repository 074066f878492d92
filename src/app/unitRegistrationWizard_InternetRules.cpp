// Leaving the internet page: the page's choice is written to the
// internet_setting row at once (the communication library reads it from
// there), then kept in the internet-settings holder.
#include "unitRegistrationWizard.h"
#include "unitWizardMessages.h"

#include "ui_unitRegistrationWizard.h"
#include "ui_unitRegistrationWizard_CommSetting.h"
#include "ui_unitRegistrationWizard_Internet.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitProxyServerInput.h"
#include "unitProxyServerSettingsStrings.h"
#include "unitRWProxyServer.h"
#include "unitWizardPageSteps.h"

using namespace wps;

namespace {
void pInform(const QString &stMessage) {
    fniMessageDlg(stMessage, fnstRS(rs::rsCaptionInformation), {fnstRS(rs::rsOK)}, fnstRS(rs::rsOK),
                  mikInformation);
}

// A blank port is no port.
int fniPort(const QLineEdit *edt) {
    return edt->text().trimmed().toInt();
}

// The login of a typed proxy: both parts or the user is asked for the missing one.
bool fnbLoginComplete(const Ui::TfraInternetPage &pg) {
    const auto optProblem = fnoptProxyLoginProblem(pg.edtUserName->text(), pg.edtPassword->text());
    if (!optProblem)
        return true;
    pInform(fnstRS(optProblem->rsMessage));
    (optProblem->bFocusPassword ? pg.edtPassword : pg.edtUserName)->setFocus();
    return false;
}

// The single row: updated when there is one, otherwise inserted. A row is
// updated by its key, so the stored row is read for it.
int fniStoreInternetSetting(const TclsRWProxyServerData &objData) {
    qint64 iCount = 0;
    int iCode = fniRecordCount(QStringLiteral("select Count(1) from internet_setting"), iCount);
    if (iCode != dbc::iSuccess)
        return iCode;
    if (iCount > 0) {
        TobjarMVData objarRows;
        iCode = fniQueryRecords({{}}, objarRows, QStringLiteral("TclsInternetSettingDB"));
        auto *pRow = objarRows.empty()
                         ? nullptr
                         : dynamic_cast<TclsInternetSettingData *>(objarRows.front().get());
        if (iCode != dbc::iSuccess || !pRow)
            return iCode != dbc::iSuccess ? iCode : dbc::iRecordDeleted;
        pFillInternetSetting(*pRow, objData);
        return fniUpdateRecord(*pRow);
    }
    TobjarMVData objarNew;
    auto objRow = std::make_unique<TclsInternetSettingData>();
    pFillInternetSetting(*objRow, objData);
    objarNew.push_back(std::move(objRow));
    return fniInsertRecord(objarNew);
}
} // namespace

bool TfrmRegistrationWizard::fnbWriteInternetSetting() {
    const Ui::TfraInternetPage &pg = *uiInternet;
    TclsRWProxyServerData &obj = recData.objProxyServerData;
    const bool bLogin = pg.chkUserNamePwdConfirmation->isChecked();
    if (pg.radProxyServer->isChecked()) {
        obj.iConnectionType = ctProxy;
        if (pg.chkBrowserProxysettings->isChecked()) {
            // The import starts the holder afresh, the browser flag with it.
            pPopulateBrowserProxySettings();
            obj.bUseBrowserSettings = true;
            // The browser gives no login: a typed one is kept when it is whole.
            const bool bWhole =
                !pg.edtUserName->text().isEmpty() && !pg.edtPassword->text().isEmpty();
            obj.bUserNamePwdConfirmation = bLogin;
            obj.stUserName = bLogin && bWhole ? pg.edtUserName->text() : QString();
            obj.stPassword = bLogin && bWhole ? pg.edtPassword->text() : QString();
            obj.bNTLM = bLogin && pg.chkNTLM->isChecked();
        } else {
            if (bLogin && !fnbLoginComplete(pg))
                return false;
            obj.bUseBrowserSettings = false;
            obj.stHTTPProxyAddress = pg.edtHTTPProxyAddress->text().trimmed();
            obj.stHTTPSProxyAddress = pg.edtHTTPSProxyAddress->text().trimmed();
            obj.stFTPProxyAddress = pg.edtFTPProxyAddress->text().trimmed();
            obj.iHTTPPort = fniPort(pg.edtHTTPPortNumber);
            obj.iHTTPSPort = fniPort(pg.edtHTTPSPortNumber);
            obj.iFTPPort = fniPort(pg.edtFTPPortNumber);
            obj.bUserNamePwdConfirmation = bLogin;
            obj.stUserName = pg.edtUserName->text().left(35);
            obj.stPassword = pg.edtPassword->text().left(30);
            obj.bNTLM = pg.chkNTLM->isChecked();
        }
    } else {
        obj.iConnectionType = pg.radDialUp->isChecked() ? ctDialUp : ctWithoutProxy;
    }
    obj.stDialupName = pg.cmbDialup->currentText();
    const int iCode = bWritesOnNext ? fniStoreInternetSetting(obj) : dbc::iSuccess;
    if (iCode == dbc::iSuccess)
        return true;
    pWriteLog(2, cstUnit, QStringLiteral("btnNextClick"),
              QStringLiteral("The internet settings could not be written: ") +
                  QString::number(iCode));
    // The library's messages are whole sentences already.
    pWarnUser(fnstGetDBErrorMessage(iCode));
    return false;
}

void TfrmRegistrationWizard::pNextFromInternet() {
    if (!fnbWriteInternetSetting())
        return;
    TclsRWProxyServer objRWProxyServer;
    const QString stSaved =
        bWritesOnNext ? objRWProxyServer.fnstSaveToDB(recData.objProxyServerData) : cstSuccess;
    if (stSaved != cstSuccess) {
        pWarnUser(stSaved);
        return;
    }
    pResetErrorColours();
    pChangePage(fnstTitle(wpFTPSetting), wpInternetDetails, cstNext, 6);
    pShowMandatoryLegend(uiCommSetting->chkCSEODviaFTP->isChecked());
    pFocus(ui->tbsFTPSetting->fnwFirstField());
}
