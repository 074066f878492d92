// The terms-and-conditions page: the installation's terms text, in the
// installation's language when there is such a file, else in English, and
// printing it.
#pragma once

#include "UnitWizardPage.h"

#include <memory>

namespace Ui {
class TfraTermsPage;
}

class TfraTermsPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraTermsPage(QWidget *parent = nullptr);
    ~TfraTermsPage() override;

    // The print button's caption; the text box painted like the window.
    void pInitializeComponents() override;
    QWidget *fnwFirstField() const override;

    // Shows "TermsAndConditions_<suffix>.txt" of stInfoDir, or the English
    // file when there is none in that language.
    void pLoadTermsAndConditions(const QString &stInfoDir, const QString &stLanguageFileSuffix);

private:
    // Prints the terms, one job per copy chosen in the print dialog.
    void btnPrintClick();

    std::unique_ptr<Ui::TfraTermsPage> ui;
};
