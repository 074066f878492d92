// TfrmRegistrationWizard: the wizard's one window, the frame around the pages
// (pages/): the page list and its titles, Next, Back, Cancel, Help and
// Finish, which page is passed over when, the error list, the save and the
// completion. Start-up and shutdown are in unitRegistrationWizard.cpp, each
// other concern in the unitRegistrationWizard_<concern>.cpp named after it.
#pragma once

#include "unitIniFile.h"
#include "UnitInstallationRows.h"
#include "UnitMV5Records.h"
#include "unitRWSettings.h"
#include "UnitWizardData.h"

// Saving and completing the registration.
#include "unitManualSiteRegistration.h"
#include "unitSiteRegistration.h"
#include "unitWizardPages.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace Ui {
class TfrmRegistrationWizard;
} // namespace Ui

class QKeyEvent;
class QPushButton;
class QLabel;
class TclsSenderAddressChecks;
class QTranslator;
class TclsFormatFile;
class TfraWizardPage;

class TfrmRegistrationWizard : public QWidget {
    Q_OBJECT

public:
    // Runs every start-up check (FormCreate); a failed one leaves the form to
    // close itself when first shown.
    explicit TfrmRegistrationWizard(QWidget *parent = nullptr);
    ~TfrmRegistrationWizard() override;

    bool fnbStartupFailed() const { return bStartupFailed; }
    int fniCurrentPage() const;

    // The only page switch: title, highlighted tree item, then one page on in
    // the given direction.
    void pChangePage(const QString &stCaption, int iCurrentIndex, TPageDirection pdDirection,
                     int iTreeIndex);

    // What the user has entered, as last read from the pages.
    const TrecWizardData &fnrecData() const { return recData; }
    // The page class showing a page (pgcRegistrationWizard's index).
    TfraWizardPage *fnpgPage(int iPage) const;
    // Reads that page into the entered data, as leaving it does.
    void pReadPage(int iPage);
    // The error list of the last validation.
    const TrecarErrorList &fnarErrorList() const { return objarErrorList; }
    // The sender page's address checks (Next runs the destination lookup).
    TclsSenderAddressChecks &fnobjSenderAddressChecks();
    void pSetErrorList(TrecarErrorList arErrors) { objarErrorList = std::move(arErrors); }
    // Shows the list, marks the fields it names and focuses the chosen one.
    void pDisplayErrorList(const TrecarErrorList &arErrors);
    // Gives the fields of the current error list their normal colour again.
    void pResetErrorColours();
    // Removes every entry of that control (exact name) from the error list.
    void pRemoveFromErrorList(const QString &stControlName);

    // The welcome and site-registration texts of the installation's ini file:
    // the carrier's web address and technical-support telephone number (read
    // with the welcome page, used by the messages of later pages).
    const QString &fnstUserURL() const;
    const QString &fnstTechSupportPhone() const;
    // Lays out the site-registration page's paragraphs again; labels of an
    // earlier visit are removed first.
    void pCreateSiteRegScr();

    // The "Schedule Pickup" service as last read: without it the pickup page is skipped.
    bool fnbSchedulePickupActivated() const {
        return recData.objCommSettingData.arServices[csSchedulePickup].bInUse;
    }
    bool fnbSiteRegistrationActivated() const { return recData.bSiteRegActivated; }
    // The skip rules: whether Next and Back pass over the page, as things
    // stand now.
    bool fnbPageSkipped(int iPage) const;

    // The destination-billing grid's rows with an airport code, as airport
    // code and account number, in the grid's order.
    std::vector<std::pair<QString, QString>> fnarDestinationBillingRows() const;

    // The summary page and help. pWriteSummary reads the
    // security page, writes "Summary.html" and shows it in wbrSummary.
    void pWriteSummary();
    void btnHelpClick();
    // The help context of a page (pgcRegistrationWizard's index); 0 for none.
    static int fniPageHelpContext(int iPage);
    // The help folder of the configured language ("../Help/Help_<Language>").
    QString fnstHelpFolder() const;

    // Unattended runs: checking an answers file must leave the database as it
    // was, so Next can be kept from writing the internet page's row and the
    // proxy; the site ID the registration ended with.
    void pSetWritesOnNext(bool b) { bWritesOnNext = b; }
    const QString &fnstSiteRegResult() const { return stSiteRegResult; }
    // Pictures of the pages (unitRegistrationWizard_Screenshots.cpp): a page
    // as a user sees it there (title, tree item, buttons, legend), reached
    // without the checks of the pages before it.
    void pShowPageAsSeen(int iPage);

public slots:
    void btnNextClick();
    void btnBackClick();
    void btnCancelClick();
    void pFinish();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Start-up (FormCreate) and its steps; each returns false after showing its
    // message when the wizard must not run.
    void pFormCreate();
    bool fnbReadBaseDirectory();
    bool fnbReadStartupRows(const QString &stClassName, const TrecarFields &arCriteria,
                            TobjarMVData &objarRows,
                            const std::function<bool(const TclsMVData &)> &fnFits = {});
    bool fnbReadConfigZorv();
    bool fnbReadInstallationIni();
    void pSelectLanguage();
    bool fnbTakeSingleInstanceLock();
    void pSetMandatoryFields();
    bool fnbReadConfigMorvane();
    bool fnbReadServicesAndUsers();
    void pSetControlColours();
    void pInitializeComponents();
    void pPageShown(int iPage);
    // Fills the pages with what the installation already holds.
    void pPopulateScreen();
    // The steps of pPopulateScreen, one per page group, in the order they run;
    // false stops the population (the wizard ends or a step failed).
    bool fnbPopulateSenderPages();
    bool fnbPopulateReferenceTypes();
    bool fnbPopulateModems();
    // The communication page's service rows; the wizard ends without them.
    bool fnbPopulateServiceGrid();
    bool fnbPopulateDestinationBillingColour();
    // The airport codes the destination-billing grid offers.
    void pFillDestinationBillingIATAList();
    bool fnbPopulateInternetSettings();
    // A read the pages cannot do without failed: the database's text for the
    // code and how to leave are shown, and the wizard ends once it is shown.
    void pEndOnPopulateFailure(int iCode);
    void pAssignHelpContexts();
    void pShowWelcomePage();
    // The installation's folder of the carrier's texts.
    QString fnstInfoDir() const { return stBaseDir + QStringLiteral("InfoFiles/"); }
    void pStartupFailure(const QString &stMessage, int iLevel, const QString &stLogText);

    // Saving and completing the registration (unitRegistrationWizard_Save.cpp,
    // unitRegistrationWizard_Complete.cpp).
    // Compares the page left with what it showed when entered and marks its
    // group in barPageModified; remembers what the entered page shows.
    void pTrackPageModified(int iLeftPage, int iEnteredPage);
    QStringList fnslPageValues(int iPage) const;
    TobjarMVData fnobjarDestinationBillingRecords() const;
    void pSiteRegistrationNext();
    bool fnbReadRegistrationRows();
    void pFreeRegistrationRows();
    QString fnstRegisterSite();
    void pSiteRegistrationOutcome(const QString &stResult);
    void pAskManualRegistration(const QString &stFirstSentence);
    // Ends the wizard without the leave question after a failure shown here.
    void pEndAfterRegistrationFailure(const QString &stMessage, bool bSkipFurtherSave);
    void pManualSiteRegistration();
    void pRefreshSiteID();
    void pManualRegistrationKey();
    void pInitializeRegistrationKeys();
    // The completion page with the site ID; only Finish leaves it.
    void pShowRegistrationCompleted(const QString &stSiteId);
    std::array<QStringList, wpRegistrationCompleted + 1> arPageValues;
    std::unique_ptr<TclsRWSiteRegistration> objRWSiteRegistration;
    std::unique_ptr<TclsSiteIdHolder> objSiteIdHolder;
    std::unique_ptr<TfrmManualSiteRegistration> frmManualSiteRegistration;
    QString stSiteRegResult;

    // Shutdown.
    bool fnbSaveDataToDB();
    void pTerminate();

    // Navigation: what Next and Back do on each page; false for a page they do
    // not know.
    bool fnbNextFromPage(int iPage);
    bool fnbBackFromPage(int iPage);
    bool fnbFieldLeftFor(QPushButton *btn);
    void pRunPageHandler(const QString &stMethod, bool (TfrmRegistrationWizard::*pfnHandler)(int));
    void pSetNextCancelCaptions(bool bTermsPage);

    // Next and Back of the data pages, their skip rules and the keyboard.
    friend class TclsWizardKeyPreview;
    // Reads a page and runs its rules: the list is stored and, on a failure,
    // shown; true when nothing failed.
    bool fnbValidatePage(TfraWizardPage &pg);
    void pShowMandatoryLegend(bool bVisible);
    void pNormalColour(const QStringList &slControlNames);
    void pNextFromSenderInfo();
    void pNextFromSenderInfoCont();
    void pBackFromSenderInfoCont();
    void pBackFromCommSetting();
    void pNextFromCommSetting();
    void pNextFromPickup();
    void pBackFromPickupOrInternet(int iPage);
    void pNextFromInternet();
    // The internet page's choice written to its row at once; false (the user
    // told) when the row could not be written.
    bool fnbStoreInternetSetting();
    void pNextFromFTPSetting();
    void pBackFromEmailOrApplSecurity(int iPage);
    void pNextFromEmailSetting();
    // Moves to the application-security page and makes it ready.
    void pEnterApplSecurityPage();
    void pNextFromApplSecurity();
    // Leaving the password field for wTo checks the password; true when it
    // warned. The warning puts the user back on the field to correct.
    bool edtApplSecurityPasswdExit(QWidget *wTo);
    void pNextFromSummary();
    void pBackFromSiteRegistration();
    // The form's key preview: Enter moves the focus, Alt+N on the password
    // field; true when the key was used.
    bool fnbFormKeyDown(QKeyEvent *e);
    void pInstallKeyPreview();

    std::unique_ptr<Ui::TfrmRegistrationWizard> ui;
    int iShownPage = wpWelcome;
    std::unique_ptr<QTranslator> objTranslator;

    bool bExitApplication = false;
    bool bStartupFailed = false;
    bool bTermsAccepted = false;
    bool bNoConfirmation = false;
    bool bSkipSave = false;
    bool bRunningExesLocked = false;
    bool bTerminated = false;
    QString stBaseDir, stBackupDir;
    QString stLanguage = QStringLiteral("English");
    QString stLanguageFileSuffix = QStringLiteral("English");
    QString stWorkstationId = QStringLiteral("DUMMYWKST");
    QString stDefaultSenderCode;
    std::array<bool, 7> barPageModified{};
    TrecarErrorList objarErrorList;
    TrecWizardData recData;

    TrecInstallationRows recRows;

    // The summary writer and help.
    void pConnectHelp();
    void pHelpForFocusedControl();
    std::unique_ptr<TclsFormatFile> objFormatFile;
    QString stHelpFileBase = QStringLiteral("Help_English");

    // Unattended runs.
    bool bWritesOnNext = true;
    // Pictures of the pages.
    void pReadPagesForPicture();
    bool fnbLegendShownOn(int iPage) const;
};
