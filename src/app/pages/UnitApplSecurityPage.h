// The application-security page: an optional password the shipping
// application asks of its DEFAULT user at start, typed twice. The password is
// checked when its field is left and again on Next.
#pragma once

#include "UnitWizardPage.h"

#include <memory>

class QLineEdit;

namespace Ui {
class TfraApplSecurityPage;
}

class TfraApplSecurityPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraApplSecurityPage(QWidget *parent = nullptr);
    ~TfraApplSecurityPage() override;

    // Captions; the password fields follow the password-required box.
    void pInitializeComponents() override;
    // The DEFAULT user's stored password: required exactly when there is one.
    bool fnbPopulate(const TrecInstallationRows &recRows) override;
    // Unticked, the holder keeps the password it had.
    void pReadFromScreen(TrecWizardData &recData) const override;
    // An unticked box leaves the password fields disabled.
    void pEntered(const TrecWizardData &recData) override;
    QWidget *fnwFirstField() const override;

    QLineEdit *fnedtPassword() const;
    // Leaving the password field for wTo (on this page, not to give up on
    // it): a blank, short or unconfirmed password is told and the user put
    // back on the field to correct. True when it told something.
    bool fnbPasswordFieldLeft(QWidget *wTo);
    // Next was pressed from the password field (Alt+N): moving on is then
    // the user confirming the password, not leaving it unconfirmed.
    void pNoteNextFromPasswordField() { bNextFromPasswdField = true; }
    // The password rules of Next; false (the user told) keeps the user on
    // the page. After three mismatches both fields start over.
    bool fnbPasswordsAccepted();
    // Coming back from the summary, the mismatches are counted afresh.
    void pCountMismatchesAfresh() { iPasswdMismatchCount = 0; }

private:
    void pEnablePasswords(bool bEnabled);
    void pResetRetypePasswd();

    std::unique_ptr<Ui::TfraApplSecurityPage> ui;
    int iPasswdMismatchCount = 0;
    bool bNextFromPasswdField = false;
};
