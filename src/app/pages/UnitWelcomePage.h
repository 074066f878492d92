// The welcome page: the carrier's paragraphs, its support telephone number and
// its web address, read from the installation's RegistrationWizard ini file.
// The page has no controls of its own, so no form: everything on it is
// composed from the ini file when it is shown.
#pragma once

#include "UnitCarrierParagraphs.h"
#include "UnitWizardPage.h"

class TfraWelcomePage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraWelcomePage(QWidget *parent = nullptr);

    void pInitializeComponents() override {}
    // Nothing is typed on this page: Next has the focus.
    QWidget *fnwFirstField() const override { return nullptr; }

    // Reads the welcome section of the installation's ini file (in the
    // installation's language when there is one) and lays out its
    // paragraphs again.
    void pCreateWelcomeScr(const QString &stInfoDir, const QString &stLanguageFileSuffix);
    // The carrier's web address and technical-support telephone number, as
    // the welcome section gives them; later pages' messages use them.
    const QString &fnstUserURL() const { return stUserURL; }
    const QString &fnstTechSupportPhone() const { return stTechSupportPhone; }

private:
    QString fnstParagraph(const QString &stKey, const QString &stText) const;

    TclsCarrierParagraphs objParagraphs{this};
    QString stUserURL, stTechSupportPhone;
};
