// The pickup page: where the courier collects, the margins a pickup request
// keeps to the ready-by and close times, and the default times of a pickup.
// Shown only while the "Schedule Pickup" service is in use.
#pragma once

#include "UnitWizardPage.h"

#include <memory>

namespace Ui {
class TfraPickupPage;
}

class TfraPickupPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraPickupPage(QWidget *parent = nullptr);
    ~TfraPickupPage() override;

    void pInitializeComponents() override;
    // The stored pickup row; without one the page keeps its design values.
    bool fnbPopulate(const TrecInstallationRows &recRows) override;
    void pReadFromScreen(TrecWizardData &recData) const override;
    // The default pickup location must be given.
    TrecarErrorList fnarValidate(const TrecWizardData &recData) const override;
    QWidget *fnwFirstField() const override;

private:
    std::unique_ptr<Ui::TfraPickupPage> ui;
};
