// TfrmProxyServerSettings: the dialog in which the proxy addresses, ports,
// proxy login and NTLM choice are edited and saved at once through
// TclsRWProxyServer. Shown through fniExecModal; Esc and Cancel close it
// without saving, OK checks the login, saves and closes (Accepted).
#pragma once

#include "unitRWProxyServerData.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmProxyServerSettings;
}

class TfrmProxyServerSettings : public QDialog {
    Q_OBJECT

public:
    // objData is the wizard's internet-settings holder: OK writes the dialog's
    // fields into it and saves it, so the connection type and dial-up name it
    // carries are saved unchanged.
    explicit TfrmProxyServerSettings(TclsRWProxyServerData &objData, QWidget *parent = nullptr);
    ~TfrmProxyServerSettings() override;

public slots:
    void btnOKClick();
    void btnCancelClick();
    void chkUserNamePwdConfirmationClick();

protected:
    // Fills the controls from the stored internet_setting row.
    void showEvent(QShowEvent *event) override;

private:
    void pInitializeComponents();
    void pFillFromDatabase();
    // False after telling the user what the ticked login still lacks.
    bool fnbLoginComplete();
    // False (logged, the port focused) when a port is not a number.
    bool fnbReadIntoHolder();
    bool fnbSave();

    std::unique_ptr<Ui::TfrmProxyServerSettings> ui;
    TclsRWProxyServerData &objData;
};
