// The proxy server settings dialog: captions, filling from the stored row,
// the login checks and the save.
#include "unitProxyServerSettings.h"

#include "ui_unitProxyServerSettings.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"
#include "UnitKeyFilters.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "UnitMV5Records.h"
#include "unitProxyServerInput.h"
#include "unitProxyServerSettingsStrings.h"
#include "unitRWProxyServer.h"

#include <QShowEvent>

namespace {
const QString cstUnit = QStringLiteral("unitProxyServerSettings");

void pWarn(const QString &stMessage) {
    fniMessageDlg(stMessage, fnstRS(pss::rsCaptionWarning), {fnstRS(pss::rsOK)}, fnstRS(pss::rsOK),
                  mikWarning);
}
} // namespace

TfrmProxyServerSettings::TfrmProxyServerSettings(TclsRWProxyServerData &objData, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmProxyServerSettings>()), objData(objData) {
    ui->setupUi(this);
    setFixedSize(size());
    for (QLineEdit *edt : {ui->edtHTTPPort, ui->edtHTTPSPort, ui->edtFTPPort})
        pAllowOnlyDigits(edt);
    pRefuseCharacters(ui->edtUserName, QStringLiteral(" "));
    pInitializeComponents();
    connect(ui->btnOK, &QPushButton::clicked, this, &TfrmProxyServerSettings::btnOKClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &TfrmProxyServerSettings::btnCancelClick);
    connect(ui->chkUserNamePwdConfirmation, &QCheckBox::clicked, this,
            &TfrmProxyServerSettings::chkUserNamePwdConfirmationClick);
    chkUserNamePwdConfirmationClick();
}

TfrmProxyServerSettings::~TfrmProxyServerSettings() = default;

void TfrmProxyServerSettings::pInitializeComponents() {
    setWindowTitle(fnstRS(pss::rsCaption));
    ui->grpServer->setTitle(fnstRS(pss::rsServer));
    ui->lblType->setText(fnstRS(pss::rsType));
    ui->lblProxyAddress->setText(fnstRS(pss::rsProxyAdress));
    ui->lblPort->setText(fnstRS(pss::rsPort));
    ui->lblHTTP->setText(fnstRS(pss::rsHTTPRow));
    ui->lblHTTPS->setText(fnstRS(pss::rsHTTPSRow));
    ui->lblFTP->setText(fnstRS(pss::rsFTPRow));
    ui->chkUserNamePwdConfirmation->setText(fnstRS(pss::rsUseUserNamePwd));
    ui->grpProxyLogin->setTitle(fnstRS(pss::rsProxyLogin));
    ui->lblUserName->setText(fnstRS(pss::rsUserName) + QLatin1Char(':'));
    ui->lblPassword->setText(fnstRS(pss::rsPassword) + QLatin1Char(':'));
    ui->chkNTLM->setText(fnstRS(pss::rsUseNTLM));
    ui->lblNote->setText(fnstRS(pss::rsNote));
    ui->btnOK->setText(fnstRS(pss::rsOK));
    ui->btnCancel->setText(fnstRS(pss::rsCancel));
}

void TfrmProxyServerSettings::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        pFillFromDatabase();
}

void TfrmProxyServerSettings::pFillFromDatabase() {
    TobjarMVData objarRows;
    const int iCode = fniQueryRecords({{}}, objarRows, QStringLiteral("TclsInternetSettingDB"));
    if (iCode != dbc::iSuccess) {
        pWriteLog(2, cstUnit, QStringLiteral("FormShow"),
                  QStringLiteral("Call to fniQueryRecords failed with code ") +
                      QString::number(iCode));
        return;
    }
    const auto *pRow = objarRows.empty()
                           ? nullptr
                           : dynamic_cast<const TclsInternetSettingData *>(objarRows.front().get());
    if (!pRow)
        return;
    ui->edtHTTPProxyAddress->setText(pRow->http_proxy);
    ui->edtHTTPSProxyAddress->setText(pRow->https_proxy);
    ui->edtFTPProxyAddress->setText(pRow->ftp_proxy);
    ui->edtHTTPPort->setText(QString::number(pRow->http_port));
    ui->edtHTTPSPort->setText(QString::number(pRow->https_port));
    ui->edtFTPPort->setText(QString::number(pRow->ftp_port));
    ui->chkUserNamePwdConfirmation->setChecked(pRow->use_credentials);
    ui->edtUserName->setText(pRow->proxy_user);
    ui->edtPassword->setText(pRow->proxy_password);
    ui->chkNTLM->setChecked(pRow->ntlm);
    chkUserNamePwdConfirmationClick();
}

void TfrmProxyServerSettings::chkUserNamePwdConfirmationClick() {
    const bool bLogin = ui->chkUserNamePwdConfirmation->isChecked();
    ui->edtUserName->setEnabled(bLogin);
    ui->edtPassword->setEnabled(bLogin);
}

void TfrmProxyServerSettings::btnCancelClick() {
    reject();
}

void TfrmProxyServerSettings::btnOKClick() {
    // The dialog does the internet page's reading, and its log says so.
    pWriteLog(1, QStringLiteral("unitRegistrationWizard"), QStringLiteral("btnNextClick"),
              QStringLiteral("Calling the pReadFromInternetScreen."));
    if (!fnbLoginComplete() || !fnbReadIntoHolder())
        return;
    if (fnbSave())
        accept();
}

bool TfrmProxyServerSettings::fnbLoginComplete() {
    if (!ui->chkUserNamePwdConfirmation->isChecked())
        return true;
    const auto optProblem =
        fnoptProxyLoginProblem(ui->edtUserName->text(), ui->edtPassword->text());
    if (!optProblem)
        return true;
    pWarn(fnstRS(optProblem->rsMessage));
    (optProblem->bFocusPassword ? ui->edtPassword : ui->edtUserName)->setFocus();
    return false;
}

bool TfrmProxyServerSettings::fnbReadIntoHolder() {
    int arPorts[3] = {};
    QLineEdit *const arPortEdits[3] = {ui->edtHTTPPort, ui->edtHTTPSPort, ui->edtFTPPort};
    for (int i = 0; i < 3; ++i) {
        const auto optPort = fnoptPortNumber(arPortEdits[i]->text());
        if (!optPort) {
            pWriteLog(3, QStringLiteral("unitRWProxyServer"), QStringLiteral("fnstSaveToDB"),
                      fnstNotAnInteger(arPortEdits[i]->text()));
            arPortEdits[i]->setFocus();
            return false;
        }
        arPorts[i] = *optPort;
    }
    objData.stHTTPProxyAddress = ui->edtHTTPProxyAddress->text().trimmed();
    objData.stHTTPSProxyAddress = ui->edtHTTPSProxyAddress->text().trimmed();
    objData.stFTPProxyAddress = ui->edtFTPProxyAddress->text().trimmed();
    objData.iHTTPPort = arPorts[0];
    objData.iHTTPSPort = arPorts[1];
    objData.iFTPPort = arPorts[2];
    objData.bNTLM = ui->chkNTLM->isChecked();
    objData.bUserNamePwdConfirmation = ui->chkUserNamePwdConfirmation->isChecked();
    // As typed: the proxy compares every character of a login.
    objData.stUserName = ui->edtUserName->text();
    objData.stPassword = ui->edtPassword->text();
    // Typed here, the proxy is not the browser's.
    objData.bUseBrowserSettings = false;
    return true;
}

// A save that fails keeps the dialog open with the database's text, so that
// the user does not take unsaved settings for saved ones.
bool TfrmProxyServerSettings::fnbSave() {
    QString stResult;
    {
        auto objProxyServer = std::make_unique<TclsRWProxyServer>();
        stResult = objProxyServer->fnstSaveToDB(objData);
        pWriteLog(0, QStringLiteral("unitRWModemSetting"), QStringLiteral("btnOKClick"),
                  QStringLiteral("Calling FreeAndNil method on objarCommModemData"));
    }
    if (stResult == QLatin1String("success"))
        return true;
    pWarn(stResult.isEmpty() ? fnstRS(pss::rsDataNotSaved) + QLatin1Char('.') : stResult);
    return false;
}
