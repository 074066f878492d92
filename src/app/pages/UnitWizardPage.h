// What every page of the wizard offers its frame: made ready once at start-up,
// filled with what the installation holds, read into the entered data, its
// own rules, and what happens when the user arrives on it. A page owns its
// controls; the frame owns the page list, the buttons and the save.
#pragma once

#include "UnitInstallationRows.h"
#include "unitRWSettings.h"
#include "UnitWizardData.h"

#include <QWidget>

class TfraWizardPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Captions, mandatory marks and what the fields let the user type; once,
    // at start-up.
    virtual void pInitializeComponents() = 0;
    // Shows what the installation holds; false when a read the page cannot
    // do without failed. A page that shows no stored data has nothing to do.
    virtual bool fnbPopulate(const TrecInstallationRows &) { return true; }
    // Copies the page into the entered data, every text trimmed unless the
    // blanks belong to it (passwords).
    virtual void pReadFromScreen(TrecWizardData &) const {}
    // The page's rules on the entered data: one entry per failed rule.
    virtual TrecarErrorList fnarValidate(const TrecWizardData &) const { return {}; }
    // The user arrives on the page: what the earlier pages decided is shown.
    virtual void pEntered(const TrecWizardData &) {}
    // The user leaves the page, by whatever way.
    virtual void pLeaving() {}
    // Where the user starts typing on the page.
    virtual QWidget *fnwFirstField() const = 0;
};
