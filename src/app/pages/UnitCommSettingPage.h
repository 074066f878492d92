// The communication page: the host services the site uses and how each
// reaches the carrier (the service grid), the default modem among those
// installed on this machine, the number of retries, the end-of-day ways (SFTP,
// e-mail), returns by e-mail, and the gateway airport.
#pragma once

#include "UnitMV5DataInterface.h"
#include "UnitWizardPage.h"

#include <memory>

namespace Ui {
class TfraCommSettingPage;
}

class TclsServiceGrid;

class TfraCommSettingPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraCommSettingPage(QWidget *parent = nullptr);
    ~TfraCommSettingPage() override;

    // Captions, the service grid and the events of the e-mail boxes and the
    // retries.
    void pInitializeComponents() override;
    // The stored options (retries, end-of-day ways, return e-mail, gateway)
    // and what the carrier's e-mail feature allows.
    bool fnbPopulate(const TrecInstallationRows &recRows) override;
    // The page's options and one block per service row; the site-registration
    // row also decides bSiteRegActivated.
    void pReadFromScreen(TrecWizardData &recData) const override;
    TrecarErrorList fnarValidate(const TrecWizardData &recData) const override;
    QWidget *fnwFirstField() const override;

    // Lists the installed modems and shows the configured one; false when the
    // modems could not be read (the user can still type the modem's name).
    bool fnbDetectInstalledModems();
    // The stored service rows, those of known services in the grid.
    void pShowServiceRows(const TobjarMVData &objarRows);
    // Entering the page: the Forward/Return service and returns by e-mail
    // exclude each other.
    void pCommSettingPageEntered();
    // The warnings about the site-registration service; false when the user
    // must first choose a modem from the list (the list has the focus then).
    // A site-registration by modem without any modem installed is switched
    // off in recData.
    bool fnbSiteRegistrationReachable(TrecWizardData &recData, const QString &stTechSupportPhone);

    // The end-of-day ways as ticked; the e-mail box can be ticked but out of
    // use when the carrier has no e-mail feature (fnbEndOfDayByEmailAllowed).
    bool fnbEndOfDayByFTP() const;
    bool fnbEndOfDayByEmail() const;
    bool fnbEndOfDayByEmailAllowed() const;
    // The boxes the keyboard's focus shade marks.
    QList<QWidget *> fnarShadedBoxes() const;

private:
    void pConnectCommSettingEvents();
    void chkCSEODviaEmailClick();
    void chkTPPviaEmailClick();
    void pForwardReturnActivationChanged(bool bActivated);

    std::unique_ptr<Ui::TfraCommSettingPage> ui;
    TclsServiceGrid *objServiceGrid = nullptr; // owned by stgCSServiceSettings
};
