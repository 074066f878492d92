// The SFTP page: the server the end-of-day manifest is sent to, how it is
// transferred, and the gateway airport of the site. Its fields are mandatory
// while the manifest goes by SFTP (chosen on the communication page).
#pragma once

#include "UnitWizardPage.h"

#include <memory>

namespace Ui {
class TfraFTPSettingPage;
}

class TfraFTPSettingPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraFTPSettingPage(QWidget *parent = nullptr);
    ~TfraFTPSettingPage() override;

    void pInitializeComponents() override;
    // The server of the installation's config_zorv row.
    bool fnbPopulate(const TrecInstallationRows &recRows) override;
    void pReadFromScreen(TrecWizardData &recData) const override;
    // TclsRWFTPSetting's rules.
    TrecarErrorList fnarValidate(const TrecWizardData &recData) const override;
    QWidget *fnwFirstField() const override;

    // The server fields are marked mandatory while the manifest goes by SFTP.
    void pShowFTPInUse(bool bInUse);

private:
    std::unique_ptr<Ui::TfraFTPSettingPage> ui;
};
