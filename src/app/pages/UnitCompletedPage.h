// The completion page: the site ID the host gave, and what it allocated (the
// two number ranges and the pickup), filled in by the site-registration
// library by the labels' names, or marked as not available when the site
// was registered by hand.
#pragma once

#include "UnitWizardPage.h"

#include <memory>

namespace Ui {
class TfraCompletedPage;
}

class TfraCompletedPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraCompletedPage(QWidget *parent = nullptr);
    ~TfraCompletedPage() override;

    void pInitializeComponents() override;
    // Nothing is typed on this page: Finish has the focus.
    QWidget *fnwFirstField() const override { return nullptr; }

    void pShowSiteId(const QString &stSiteId);
    // Without a host's answer nothing was allocated and no pickup was
    // confirmed; the pickup lines show only when a pickup was scheduled.
    void pShowNothingAllocated(bool bPickupScheduled);

private:
    std::unique_ptr<Ui::TfraCompletedPage> ui;
};
