// The summary page: everything entered so far, as the summary writer wrote
// it, shown before the site is registered.
#pragma once

#include "UnitWizardPage.h"

#include <memory>

namespace Ui {
class TfraSummaryPage;
}

class TfraSummaryPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraSummaryPage(QWidget *parent = nullptr);
    ~TfraSummaryPage() override;

    // The page has no captions of its own: the summary file carries them.
    void pInitializeComponents() override {}
    QWidget *fnwFirstField() const override;

    // Shows the summary file, read afresh when it is the one shown already.
    void pShowSummaryFile(const QString &stFile);

private:
    std::unique_ptr<Ui::TfraSummaryPage> ui;
};
