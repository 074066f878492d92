// TfrmRegistrationWizard: the wizard's one window. Its handlers live in one
// file per page group: start-up and shutdown here (unitRegistrationWizard.cpp),
// navigation, the welcome page, the terms page and the communication page
// beside it.
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

#include <QPersistentModelIndex>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace Ui {
class TfrmRegistrationWizard;
class TfraCommSettingPage;
class TfraSenderInfoPage;
class TfraSiteRegistrationPage;
class TfraSenderInfoContPage;
} // namespace Ui

class QAction;
class QComboBox;
class QKeyEvent;
class QMenu;
class QPushButton;
class QTableWidget;
class QLabel;
class QLineEdit;
class TmvCallingCodeLookupCombo;
class TclsSenderAddressChecks;
class TclsSenderAddressEvents;
class TclsServiceGrid;
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
    // The page class showing a page (pgcRegistrationWizard's index); nullptr
    // for a page the form still lays out itself.
    TfraWizardPage *fnpgPage(int iPage) const;
    // Reads that page into the entered data, as leaving it does.
    void pReadPage(int iPage);
    // The error list of the last validation.
    const TrecarErrorList &fnarErrorList() const { return objarErrorList; }
    // The sender page's address checks (Next runs the destination lookup).
    TclsSenderAddressChecks &fnobjSenderAddressChecks() { return *objSenderAddressChecks; }
    void pSetErrorList(TrecarErrorList arErrors) { objarErrorList = std::move(arErrors); }
    // Shows the list, marks the fields it names and focuses the chosen one.
    void pDisplayErrorList(const TrecarErrorList &arErrors);
    // Gives the fields of the current error list their normal colour again.
    void pResetErrorColours();
    // Removes every entry of that control (exact name) from the error list.
    void pRemoveFromErrorList(const QString &stControlName);

    // Copies the sender page into the sender data holder, every text trimmed.
    void pReadFromSenderInfoScreen();
    const TclsRWSendersData &fnobjSendersData() const { return recData.objSendersData; }
    const TclsRWPickupData &fnobjPickupData() const { return recData.objPickupData; }
    const TclsRWFTPSettingData &fnobjFTPSettingData() const { return recData.objFTPSettingData; }
    const TclsRWEmailSettingData &fnobjEmailSettingData() const {
        return recData.objEmailSettingData;
    }
    const TclsRWApplSecurityData &fnobjApplSecurityData() const {
        return recData.objApplSecurityData;
    }

    // The welcome and site-registration texts of the installation's ini file:
    // the carrier's web address and technical-support telephone number (read
    // with the welcome page, used by the messages of later pages).
    const QString &fnstUserURL() const { return stUserURL; }
    const QString &fnstTechSupportPhone() const { return stTechSupportPhone; }
    // Lays out the site-registration page's paragraphs again; labels of an
    // earlier visit are removed first.
    void pCreateSiteRegScr();
    // Copies the chosen quantities of shipment and LP numbers into the number
    // allocation holder; an empty choice asks for the default quantity.
    void pReadFromSiteRegScreen();
    const TclsRWAWBLPAllocData &fnobjAWBLPAllocData() const { return recData.objAWBLPAllocData; }

    // Copies the communication page into its data holder: the page's options
    // and one block per service row; the site-registration row also decides
    // bSiteRegActivated.
    void pReadFromCommSettingScreen();
    const TclsRWCommSettingData &fnobjCommSettingData() const { return recData.objCommSettingData; }
    // The "Schedule Pickup" service as last read: without it the pickup page is skipped.
    bool fnbSchedulePickupActivated() const {
        return recData.objCommSettingData.arServices[csSchedulePickup].bInUse;
    }
    bool fnbSiteRegistrationActivated() const { return recData.bSiteRegActivated; }

    // The continued sender page: accounts, customs data, the reference type
    // and the destination-billing box, copied into the sender data holder.
    void pReadFromSenderInfoContScreen();
    // The destination-billing grid's rows with an airport code, as airport
    // code and account number, in the grid's order.
    std::vector<std::pair<QString, QString>> fnarDestinationBillingRows() const;
    // The destination-billing grid's menu states follow its rows and selection.
    void pUpdateDestinationBillingGridMenu();

    const TclsRWProxyServerData &fnobjProxyServerData() const { return recData.objProxyServerData; }

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
    // Leaving the telephone and mobile fields: the number is checked and shown
    // in its national form with its calling code, or the field is marked.
    void edtSenderTelephoneExit();
    void edtSenderMobileExit();

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
    // The sender page: captions, mandatory stars, the lookup frames' settings
    // and links, the calling-code boxes beside the phone fields.
    void pInitializeSenderInfoComponents();
    void pPrepareLookupFrames();
    void pLinkSenderFrames();
    void pAddPhonePrefixControls();
    // Loads the phone rules once, when the sender page is first entered.
    void pLoadPhoneRulesOnce();
    TmvCallingCodeLookupCombo *fncmbAddCallingCodeBox(QLineEdit *edt, const QString &stName);
    void pPhoneFieldExit(QLineEdit *edt, QComboBox *cmbCallingCode, const QString &stNumberType);
    // The communication page: captions, the service grid, the retries and the
    // e-mail boxes and their events.
    void pInitializeCommSettingComponents();
    void pConnectCommSettingEvents();
    void pCommSettingPageEntered();
    void chkCSEODviaEmailClick();
    void chkTPPviaEmailClick();
    void pForwardReturnActivationChanged(bool bActivated);
    // An e-mail address box of the page: enabled with the window colour, or
    // disabled on the button face.
    static void pSetEmailAddressEnabled(QLineEdit *edt, bool bEnabled);
    // The continued sender page and its destination-billing grid.
    void pInitializeSenderInfoContComponents();
    void pPrepareDestinationBillingGrid();
    void pFillDestinationBillingIATAList();
    void pShowSenderRow(const TclsSendersData &recSender);
    void pShowSenderContRow(const TclsSendersData &recSender);
    bool fnbShowDestinationBillingRows(const QString &stSenderCode);
    void chkDestinationBillingChange();
    void mnuDestbillingAdd2Click();
    void mnuDestBillingEdit2Click();
    void mnuDestBillingDelete2Click();
    void stgdestinationBillingStringGridIATAChange(const QModelIndex &idx, const QString &stText);
    // Whether the cell may take the code or account (tidied in place); a
    // refusal is told later and the cell keeps what it held.
    bool fnbDestinationBillingIATAAccepted(const QModelIndex &idx, QString &stCode);
    bool stgdestinationBillingStringGridAccNumValidate(const QModelIndex &idx, QString &stAccount);
    void stgdestinationBillingStringGridChangeNode(int iRow, int iColumn, int iPreviousRow,
                                                   int iPreviousColumn);
    void stgDestinationBillingStringGridExit();
    void pSetDestinationBillingEditable(bool bEditable);
    // A refused entry of the grid, waiting to be told.
    struct TrecDestBillingComplaint {
        QString stMessage, stCaption;
        QPersistentModelIndex idxCell;
    };
    void pComplainAboutDestinationBillingCell(const QModelIndex &idx, const QString &stMessage,
                                              const QString &stCaption);
    bool fnbTellDestinationBillingComplaint();
    void pReopenDestinationBillingCell(const QModelIndex &idx);
    void pRemoveDestinationBillingRows(QList<QPersistentModelIndex> arRows);
    void pDropIncompleteDestinationBillingRow(const QPersistentModelIndex &idx);
    // Ends the typing in the grid; false when a refusal was told instead.
    bool fnbDestinationBillingSettled();
    bool fnbSenderInfoContSettled();
    void pLeaveDestinationBillingPage();
    void pEndDestinationBillingEdit();
    void pReleaseDestinationBillingGrid();
    void pPageShown(int iPage);
    // Fills the pages with what the installation already holds.
    void pPopulateScreen();
    // The steps of pPopulateScreen, one per page group, in the order they run;
    // false stops the population (the wizard ends or a step failed).
    bool fnbPopulateSenderPages();
    bool fnbPopulateReferenceTypes();
    bool fnbPopulateModems();
    // The communication page: retries, the service grid, the stored options,
    // and what the carrier's e-mail feature allows.
    bool fnbPopulateRetries();
    bool fnbPopulateServiceGrid();
    bool fnbPopulateCommValues();
    bool fnbPopulateEmailFeature();
    bool fnbPopulateDestinationBillingColour();
    bool fnbPopulateInternetSettings();
    // A read the pages cannot do without failed: the database's text for the
    // code and how to leave are shown, and the wizard ends once it is shown.
    void pEndOnPopulateFailure(int iCode);
    // Lists the installed modems in cmbModemNameList and shows the configured
    // one; false when the modems could not be read.
    bool fnbDetectInstalledModems();
    void pAssignHelpContexts();
    void pShowWelcomePage();
    void pCreateWelcomeScr();
    // The paragraphs of the welcome and site-registration pages: the ini file
    // (language, else English), one word-wrapped label per key from the top of
    // the page down, decorated by the page's own format procedure.
    using TpFormatParagraph = void (TfrmRegistrationWizard::*)(const QStringList &, int, int &,
                                                               QWidget *, QString, QLabel *&);
    std::optional<TclsIniFile> fnoptRegistrationWizardIni(const QString &stMethod) const;
    void pLayOutParagraphs(const TclsIniFile &ini, const QString &stSection,
                           const QStringList &slKeys, qsizetype iTextKeys, QWidget *wParent,
                           TpFormatParagraph pFormat, std::vector<QLabel *> &arLabels);
    void pFormatWelcomeScr(const QStringList &slKeys, int iIndex, int &iTop, QWidget *wParent,
                           QString stText, QLabel *&lbl);
    void pFormatSiteRegScr(const QStringList &slKeys, int iIndex, int &iTop, QWidget *wParent,
                           QString stText, QLabel *&lbl);
    void pAddLabel(QLabel *&lbl, const QString &stText, int &iTop, QWidget *wParent);
    void pAddWebLink(QLabel *lblParagraph, int iTop, QWidget *wParent);
    void pInitializeSiteRegComponents();
    void pFillAllocationLists();
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
    // The same for a page the form still reads itself: its holder checked by
    // its settings object, true on "success".
    bool fnbValidatePage(void (TfrmRegistrationWizard::*pReadScreen)(), TclsRWSettings &objSettings,
                         const TclsRWSettingsData &objData);
    void pShowMandatoryLegend(bool bVisible);
    void pNormalColour(const QStringList &slControlNames);
    void pNextFromSenderInfo();
    void pNextFromSenderInfoCont();
    void pBackFromSenderInfoCont();
    void pBackFromCommSetting();
    void pNextFromCommSetting();
    // The warnings about the site-registration service; false when the user
    // must first choose a modem from the list.
    bool fnbSiteRegistrationReachable();
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
    std::unique_ptr<Ui::TfraCommSettingPage> uiCommSetting;
    std::unique_ptr<Ui::TfraSenderInfoPage> uiSenderInfo;
    std::unique_ptr<Ui::TfraSiteRegistrationPage> uiSiteRegistration;
    std::unique_ptr<Ui::TfraSenderInfoContPage> uiSenderInfoCont;
    QMenu *pmnDestBillingGrid = nullptr;
    QAction *mnuDestbillingAdd = nullptr, *mnuDestBillingEdit = nullptr,
            *mnuDestBillingDelete = nullptr;
    QStringList slDestBillingIATAList;
    bool bDestBillingEditable = false;
    std::optional<TrecDestBillingComplaint> optDestBillingComplaint;
    bool bDestBillingTelling = false;
    // The account cell whose refused text was told, until the user types in it.
    QPersistentModelIndex idxDestBillingTold;
    bool bDestBillingRemovingRows = false;
    int iShownPage = wpWelcome;
    TmvCallingCodeLookupCombo *cmbPhoneCallingCode = nullptr;
    TmvCallingCodeLookupCombo *cmbMobileCallingCode = nullptr;
    // The sender address: the checks of the postcode and the destination
    // lookup, and the field events that run them. The events watch the focus
    // and go before the pages do.
    std::unique_ptr<TclsSenderAddressChecks> objSenderAddressChecks;
    TclsSenderAddressEvents *objSenderAddressEvents = nullptr;
    std::unique_ptr<QTranslator> objTranslator;
    std::vector<QLabel *> arWelcomeLabels;
    std::vector<QLabel *> arSiteRegLabels;

    bool bExitApplication = false;
    bool bStartupFailed = false;
    bool bPhoneRulesLoaded = false;
    bool bTermsAccepted = false;
    bool bNoConfirmation = false;
    bool bSkipSave = false;
    bool bRunningExesLocked = false;
    bool bTerminated = false;
    QString stBaseDir, stBackupDir;
    QString stLanguage = QStringLiteral("English");
    QString stLanguageFileSuffix = QStringLiteral("English");
    QString stWorkstationId = QStringLiteral("DUMMYWKST");
    QString stTechSupportPhone, stUserURL;
    QString stDefaultSenderCode;
    std::array<bool, 7> barPageModified{};
    TrecarErrorList objarErrorList;
    TrecWizardData recData;
    TclsServiceGrid *objServiceGrid = nullptr; // owned by stgCSServiceSettings
    QString stStoredReferenceType;

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
