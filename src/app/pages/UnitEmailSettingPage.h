// The e-mail page: the outgoing mail server the end-of-day manifest is sent
// through. Its fields are mandatory when the manifest goes by e-mail, and can
// be typed in only when the carrier offers e-mail at all (both chosen on the
// communication page).
#pragma once

#include "UnitWizardPage.h"

#include <memory>

namespace Ui {
class TfraEmailSettingPage;
}

class TfraEmailSettingPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraEmailSettingPage(QWidget *parent = nullptr);
    ~TfraEmailSettingPage() override;

    void pInitializeComponents() override;
    // The mail server of the installation's config_morvane row.
    bool fnbPopulate(const TrecInstallationRows &recRows) override;
    void pReadFromScreen(TrecWizardData &recData) const override;
    // TclsRWEmailSetting's rules.
    TrecarErrorList fnarValidate(const TrecWizardData &recData) const override;
    QWidget *fnwFirstField() const override;

    // The server fields are marked mandatory when the manifest goes by e-mail
    // (bInUse), and take typing only while the carrier offers e-mail.
    void pShowEmailInUse(bool bInUse, bool bOffered);

private:
    std::unique_ptr<Ui::TfraEmailSettingPage> ui;
};
