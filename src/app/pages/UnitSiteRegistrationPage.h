// The site-registration page: the carrier's paragraphs above the number
// allocation, the quantities of shipment and LP numbers offered, and reading
// the chosen quantities into the number allocation holder.
#pragma once

#include "UnitCarrierParagraphs.h"
#include "UnitWizardPage.h"

#include <memory>

namespace Ui {
class TfraSiteRegistrationPage;
}

class TfraSiteRegistrationPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraSiteRegistrationPage(QWidget *parent = nullptr);
    ~TfraSiteRegistrationPage() override;

    // Captions, and the quantity lists offered, each usable only while its
    // request is ticked.
    void pInitializeComponents() override;
    // The ticked requests and the chosen quantities; an empty choice asks for
    // the default quantity.
    void pReadFromScreen(TrecWizardData &recData) const override;
    QWidget *fnwFirstField() const override;

    // Lays out the page's paragraphs again from the installation's ini file
    // (in its language when there is one); the telephone paragraph ends with
    // the carrier's support number.
    void pCreateSiteRegScr(const QString &stInfoDir, const QString &stLanguageFileSuffix,
                           const QString &stTechSupportPhone);

private:
    std::unique_ptr<Ui::TfraSiteRegistrationPage> ui;
    TclsCarrierParagraphs objParagraphs{this};
};
