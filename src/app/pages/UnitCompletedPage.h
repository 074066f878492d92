// The completion page: the site ID the host gave, and what it allocated (the
// two number ranges and the pickup), filled in by the site-registration
// library by the labels' names, or marked as not available when the site
// was registered by hand.
//
// Unlike the other pages its labels keep fixed positions: the library hides
// the lines that do not apply and moves the closing note up by pixels to
// close the gap, the way the carrier's client shows this page.
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
