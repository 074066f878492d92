// The wizard form's start-up checks (FormCreate, FormShow) and every way it
// ends: Cancel, the close button, a failed start-up and Finish.
#include "unitRegistrationWizard.h"
#include "unitWizardMessages.h"

#include "ui_unitRegistrationWizard.h"

#include "UnitAccessToDatabaseDLL.h"
#include "unitCommServiceRows.h"
#include "UnitDatabaseConstants.h"
#include "UnitFieldMarks.h"
#include "unitFileModes.h"
#include "UnitFocusSteps.h"
#include "unitGlobalData.h"
#include "unitHelpFile.h"
#include "unitIniFile.h"
#include "unitLanguage.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitRWFormatFile.h"
#include "unitRWProxyServer.h"
#include "unitRWSettings.h"
#include "unitSenderAddressChecks.h"
#include "unitSenderAddressEvents.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QProcess>
#include <QTranslator>

using wps::cstUnit;

namespace {
const QString cstCrLf = QStringLiteral("\r\n");
} // namespace

TfrmRegistrationWizard::TfrmRegistrationWizard(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::TfrmRegistrationWizard>()) {
    ui->setupUi(this);
    connect(ui->pgcRegistrationWizard, &QStackedWidget::currentChanged, this,
            &TfrmRegistrationWizard::pPageShown);
    ui->InternetDetails->pUseHolder(recData.objProxyServerData);
    pConnectHelp();
    // The form is designed for an 11-pixel font: 13-pixel lines.
    QFont fntForm = font();
    fntForm.setPixelSize(11);
    setFont(fntForm);
    pSetControlColours();
    // The window opens at its designed size, or larger where the language's
    // captions need it; the user may make it larger still.
    resize(size().expandedTo(minimumSizeHint()));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    connect(ui->btnNext, &QPushButton::clicked, this, &TfrmRegistrationWizard::btnNextClick);
    connect(ui->btnBack, &QPushButton::clicked, this, &TfrmRegistrationWizard::btnBackClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &TfrmRegistrationWizard::btnCancelClick);
    pInitializeRegistrationKeys();
    pFormCreate();
    pInstallKeyPreview();
}

TfrmRegistrationWizard::~TfrmRegistrationWizard() {
    // The pages go with the window's children, after this: what they do on
    // the way is no longer the frame's business.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(ui->pgcRegistrationWizard, nullptr, this, nullptr);
    // A wizard that ends without its terminating close (a failed start-up)
    // still gives the lock back; the process's end would too.
    if (bRunningExesLocked)
        fniUnlockTable(QString::fromLatin1(cstRunningExes));
}

int TfrmRegistrationWizard::fniCurrentPage() const {
    return ui->pgcRegistrationWizard->currentIndex();
}

void TfrmRegistrationWizard::pStartupFailure(const QString &stMessage, int iLevel,
                                             const QString &stLogText) {
    pWriteLog(iLevel, cstUnit, QStringLiteral("FormCreate"), stLogText);
    if (!stMessage.isEmpty())
        pWarnUser(stMessage);
}

// ---- FormCreate -----------------------------------------------------------

void TfrmRegistrationWizard::pFormCreate() {
    pKeepNewFilesToTheOwner();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    pReplaceGlobalLogger(std::make_unique<TclsLogToFile>());
    pWriteLog(1, cstUnit, QStringLiteral("FormCreate"),
              QStringLiteral("Starting the Registration Wizard Application..."));
    try {
        bool bPassed = fnbReadBaseDirectory() && fnbReadConfigZorv() && fnbReadInstallationIni();
        if (bPassed) {
            // The language chosen, messages from here on are in it.
            pSelectLanguage();
            bPassed =
                fnbTakeSingleInstanceLock() && fnbReadConfigMorvane() && fnbReadServicesAndUsers();
        }
        bStartupFailed = !bPassed;
        if (bPassed) {
            ui->tbsSenderInfo->pPrepareLookupFrames(ui->btnCancel);
            pInitializeComponents();
            pPopulateScreen();
            pFillDestinationBillingIATAList();
            ui->tbsSenderInfo->pReadFromScreen(recData);
            ui->tbsSenderInfoCont->pReadFromScreen(recData);
            ui->tbsCommSetting->pReadFromScreen(recData);
            ui->tbsFTPSetting->pReadFromScreen(recData);
            ui->tbsEmailSetting->pReadFromScreen(recData);
            ui->tbsApplSecurity->pReadFromScreen(recData);
            ui->tbsPickupDetails->pReadFromScreen(recData);
            pShowWelcomePage();
            ui->tbsTermsNConditions->pLoadTermsAndConditions(fnstInfoDir(), stLanguageFileSuffix);
            ui->tbsSenderInfo->pAddPhonePrefixControls(objarErrorList);
        }
    } catch (const std::exception &e) {
        pWriteLog(4, cstUnit, QStringLiteral("FormCreate"), QString::fromLocal8Bit(e.what()));
        bStartupFailed = true;
    }
    // The rows of the configuration, service and user checks are read again
    // when the site is registered.
    recRows.objarConfigMorvaneData.clear();
    recRows.objarCommServiceSettingsData.clear();
    recRows.objarUsersData.clear();
    QApplication::restoreOverrideCursor();
}

bool TfrmRegistrationWizard::fnbReadBaseDirectory() {
    // The summary writer knows the working base: the current directory
    // without its "Bin".
    pWriteLog(0, cstUnit, QStringLiteral("FormCreate"),
              QStringLiteral("Before creating the object of TclsFormatFile class."));
    objFormatFile = std::make_unique<TclsFormatFile>();
    pWriteLog(0, cstUnit, QStringLiteral("FormCreate"),
              QStringLiteral("After creating the object of TclsFormatFile class."));
    stBaseDir = objFormatFile->fnstBaseDir();
    stHelpFileBase = fnstHelpFileBaseName(objFormatFile->fnstLanguage().isEmpty()
                                              ? QStringLiteral("English")
                                              : objFormatFile->fnstLanguage());
    if (stBaseDir.isEmpty()) {
        const QString stMessage = fnstRS(rs::rsBaseDirNotRead) + QStringLiteral(".");
        pStartupFailure(stMessage, 4, stMessage);
        return false;
    }
    if (!stBaseDir.endsWith(QLatin1Char('/')))
        stBaseDir += QLatin1Char('/');
    stBackupDir = stBaseDir + QStringLiteral("Backup");
    return true;
}

// The start-up reads share one rule: a library error shows the code's text
// followed by "."; no row (or none that fits) shows "Not sufficient data for
// site registration.".
bool TfrmRegistrationWizard::fnbReadStartupRows(
    const QString &stClassName, const TrecarFields &arCriteria, TobjarMVData &objarRows,
    const std::function<bool(const TclsMVData &)> &fnFits) {
    const int iCode = fniQueryRecords(arCriteria, objarRows, stClassName);
    QString stFailure;
    if (iCode != dbc::iSuccess)
        stFailure = fnstGetDBErrorMessage(iCode) + QStringLiteral(".");
    else if (std::none_of(objarRows.begin(), objarRows.end(),
                          [&](const auto &obj) { return !fnFits || fnFits(*obj); }))
        stFailure = fnstRS(rs::rsNotSufficientData);
    if (stFailure.isEmpty())
        return true;
    pStartupFailure(stFailure, 4, QStringLiteral("Data could not be read from database."));
    return false;
}

bool TfrmRegistrationWizard::fnbReadConfigZorv() {
    if (!fnbReadStartupRows(QStringLiteral("TclsConfigZorvDB"), {{}}, recRows.objarConfigZorvData))
        return false;
    pSetMandatoryFields();
    return true;
}

bool TfrmRegistrationWizard::fnbReadInstallationIni() {
    const QString stMethod = QStringLiteral("FormCreate");
    const QString stSection = QStringLiteral("INSTALLATION_INFO");
    stLanguage = QStringLiteral("English");
    const TclsIniFile iniInstallation(stBaseDir + QStringLiteral("config/installation.ini"));
    if (!iniInstallation.fnbSectionExists(stSection)) {
        pWriteLog(3, cstUnit, stMethod,
                  QStringLiteral("The [INSTALLATION_INFO] section does not exist in the "
                                 "installation.ini. The workstation id could not be read."));
        return false;
    }
    if (iniInstallation.fnbValueExists(stSection, QStringLiteral("INSTALLATION_LANGUAGE"))) {
        stLanguage = iniInstallation.fnstReadString(
            stSection, QStringLiteral("INSTALLATION_LANGUAGE"), QStringLiteral("English"));
        stLanguageFileSuffix = fnstLanguageFileSuffix(stLanguage);
    } else {
        pWriteLog(3, cstUnit, stMethod,
                  QStringLiteral("The INSTALLATION_LANGUAGE key does not exist in the "
                                 "installation.ini. The language is English."));
    }
    if (!iniInstallation.fnbValueExists(stSection, QStringLiteral("WORKSTATION_ID"))) {
        pWriteLog(3, cstUnit, stMethod,
                  QStringLiteral("The WORKSTATION_ID key does not exist in the installation.ini. "
                                 "The workstation id could not be read."));
        return false;
    }
    stWorkstationId = iniInstallation.fnstReadString(stSection, QStringLiteral("WORKSTATION_ID"),
                                                     QStringLiteral("DUMMYWKST"));
    return true;
}

void TfrmRegistrationWizard::pSelectLanguage() {
    // A dictionary for the language replaces the English resource strings.
    objTranslator = std::make_unique<QTranslator>();
    const QString stDictionary =
        QStringLiteral("registrationwizard_") + stLanguageFileSuffix.toLower();
    if (objTranslator->load(stDictionary, fnstExecutableDir() + QStringLiteral("/translations")))
        QCoreApplication::installTranslator(objTranslator.get());
    else
        pWriteLog(0, cstUnit, QStringLiteral("FormCreate"),
                  QStringLiteral("No dictionary for ") + stLanguage);
}

bool TfrmRegistrationWizard::fnbTakeSingleInstanceLock() {
    if (fniLockTable(QString::fromLatin1(cstRunningExes), 0) != dbc::iSuccess) {
        const QString stMessage = fnstRS(rs::rsAnotherInstance) + QStringLiteral(".") + cstCrLf +
                                  fnstRS(rs::rsClickOKToExit);
        pStartupFailure(stMessage, 4,
                        QStringLiteral("Another instance of the application is running."));
        return false;
    }
    bRunningExesLocked = true;
    return true;
}

void TfrmRegistrationWizard::pSetMandatoryFields() {
    recData.barMandatory.fill(false);
    const auto *pConfig = fnpFirstRecord<TclsConfigZorvData>(recRows.objarConfigZorvData);
    if (!pConfig)
        return;
    // Index 3 is not used by the sender checks.
    recData.barMandatory[0] = pConfig->mandatory_address2;
    recData.barMandatory[1] = pConfig->mandatory_email;
    recData.barMandatory[2] = pConfig->mandatory_mobile;
    recData.barMandatory[4] = pConfig->mandatory_federal_tax_id;
    recData.barMandatory[5] = pConfig->mandatory_state_tax_id;
    ui->tbsSenderInfo->pShowMandatoryMarks(recData.barMandatory);
    ui->tbsSenderInfoCont->pShowMandatoryMarks(recData.barMandatory);
}

bool TfrmRegistrationWizard::fnbReadConfigMorvane() {
    if (!fnbReadStartupRows(QStringLiteral("TclsConfigMorvaneDB"), {{}},
                            recRows.objarConfigMorvaneData))
        return false;
    const auto *pConfig = fnpFirstRecord<TclsConfigMorvaneData>(recRows.objarConfigMorvaneData);
    if (!pConfig->site_id.trimmed().isEmpty()) {
        pStartupFailure(fnstRS(rs::rsAlreadyRegistered) + QStringLiteral(". ") +
                            fnstRS(rs::rsClickOKToExit) + QStringLiteral("."),
                        4, QStringLiteral("Site is already registered, Closing the application."));
        return false;
    }
    stDefaultSenderCode = pConfig->default_sender_cd;
    return true;
}

bool TfrmRegistrationWizard::fnbReadServicesAndUsers() {
    return fnbReadStartupRows(QStringLiteral("TclsCommServiceSettingsDB"), {{}},
                              recRows.objarCommServiceSettingsData,
                              [](const TclsMVData &obj) {
                                  const auto *p =
                                      dynamic_cast<const TclsCommServiceSettingsData *>(&obj);
                                  return p && p->service_name == QLatin1String("Site Registration");
                              }) &&
           fnbReadStartupRows(QStringLiteral("TclsUsersDB"),
                              {{QStringLiteral("user_id"), QStringLiteral("'DEFAULT'")}},
                              recRows.objarUsersData, [](const TclsMVData &obj) {
                                  const auto *p = dynamic_cast<const TclsUsersData *>(&obj);
                                  return p && p->user_id == QLatin1String("DEFAULT");
                              });
}

void TfrmRegistrationWizard::pInitializeComponents() {
    setWindowTitle(fnstRS(rs::rsFormCaption));
    ui->btnHelp->setText(fnstRS(rs::rsHelp));
    ui->btnBack->setText(QStringLiteral("< ") + fnstRS(rs::rsBack));
    ui->btnCancel->setText(fnstRS(rs::rsCancel));
    ui->btnNext->setText(fnstRS(rs::rsNext) + QStringLiteral(" >"));
    ui->tbsTermsNConditions->pInitializeComponents();
    ui->tbsRegistrationCompleted->pInitializeComponents();
    ui->lblMandatoryField->setText(QStringLiteral("* = ") + fnstRS(rs::rsMandatoryFields));
    ui->tbsCommSetting->pInitializeComponents();
    ui->tbsSenderInfo->pInitializeComponents();
    ui->tbsPickupDetails->pInitializeComponents();
    ui->tbsFTPSetting->pInitializeComponents();
    ui->tbsEmailSetting->pInitializeComponents();
    ui->tbsApplSecurity->pInitializeComponents();
    ui->tbsSiteRegistration->pInitializeComponents();
    ui->tbsSenderInfoCont->pInitializeComponents();
    ui->InternetDetails->pInitializeComponents();
    ui->tvwRegistrationWizard->clear();
    for (const TResourceString &rsItem : rs::rsarTreeItems)
        (new QTreeWidgetItem(ui->tvwRegistrationWizard, {fnstRS(rsItem)}))
            ->setSizeHint(0, QSize(0, 26));
}

void TfrmRegistrationWizard::pPopulateScreen() {
    using TfnbStep = std::function<bool()>;
    const auto fnStep = [this](bool (TfrmRegistrationWizard::*pfnbStep)()) {
        return TfnbStep([this, pfnbStep] { return (this->*pfnbStep)(); });
    };
    const auto fnPage = [this](TfraWizardPage *pg) {
        return TfnbStep([this, pg] { return pg->fnbPopulate(recRows); });
    };
    const TfnbStep arSteps[] = {
        fnStep(&TfrmRegistrationWizard::fnbPopulateSenderPages),
        fnStep(&TfrmRegistrationWizard::fnbPopulateReferenceTypes),
        fnStep(&TfrmRegistrationWizard::fnbPopulateModems),
        fnStep(&TfrmRegistrationWizard::fnbPopulateServiceGrid),
        fnPage(ui->tbsCommSetting),
        fnPage(ui->tbsPickupDetails),
        fnStep(&TfrmRegistrationWizard::fnbPopulateInternetSettings),
        fnPage(ui->tbsFTPSetting),
        fnPage(ui->tbsEmailSetting),
        fnPage(ui->tbsApplSecurity),
        fnStep(&TfrmRegistrationWizard::fnbPopulateDestinationBillingColour),
    };
    try {
        for (const TfnbStep &fnbStep : arSteps)
            if (!fnbStep())
                break;
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("pPopulateScreen"), QString::fromLocal8Bit(e.what()));
    }
    pWriteLog(0, cstUnit, QStringLiteral("pPopulateScreen"),
              QStringLiteral("Finally - freeing dtlnItem"));
}

bool TfrmRegistrationWizard::fnbPopulateModems() {
    // Without the modem list the user can still type the modem's name.
    if (!ui->tbsCommSetting->fnbDetectInstalledModems()) {
        pWriteLog(2, cstUnit, QStringLiteral("pPopulateScreen"),
                  QStringLiteral("Method fnbDetectInstalledModemsreturned false."));
        pWarnUser(fnstRS(rs::rsErrorDetectingModems) + QStringLiteral("."));
    }
    return true;
}

// Shown after start-up's own checks, the failure closes the wizard the way a
// failed start-up does: without asking whether to leave.
// The holder starts as the stored row: a save that does not touch a field
// (the dialog's) keeps what was stored.
bool TfrmRegistrationWizard::fnbPopulateInternetSettings() {
    int iCode = dbc::iSuccess;
    if (!fnbReadInternetSetting(recData.objProxyServerData, iCode)) {
        pWriteLog(2, cstUnit, QStringLiteral("pPopulateScreen"),
                  QStringLiteral("No internet_setting row could be read."));
        pEndOnPopulateFailure(iCode);
        return false;
    }
    ui->InternetDetails->pShowStoredChoice();
    return true;
}

bool TfrmRegistrationWizard::fnbPopulateServiceGrid() {
    TobjarMVData objarRows;
    const int iCode = fniReadServiceRows(objarRows);
    if (iCode != dbc::iSuccess) {
        pWriteLog(2, cstUnit, QStringLiteral("pPopulateScreen"),
                  QStringLiteral("Call to fniQueryRecords failed for comm_service_settings."));
        pEndOnPopulateFailure(iCode);
        return false;
    }
    ui->tbsCommSetting->pShowServiceRows(objarRows);
    return true;
}

void TfrmRegistrationWizard::pEndOnPopulateFailure(int iCode) {
    pWarnUser(fnstGetDBErrorMessage(iCode) + QStringLiteral(".") + cstCrLf +
              fnstRS(rs::rsClickOKToExit) + QStringLiteral("."));
    bExitApplication = true;
    bStartupFailed = true;
}

// The step tree is teal with white items, the current one inverted; it is
// disabled, so every colour group gets the same colours. The legend is red.
void TfrmRegistrationWizard::pSetControlColours() {
    const QColor clTeal(0x00, 0x80, 0x80);
    QPalette palTree = ui->tvwRegistrationWizard->palette();
    palTree.setColor(QPalette::Base, clTeal);
    palTree.setColor(QPalette::Window, clTeal);
    palTree.setColor(QPalette::Text, Qt::white);
    palTree.setColor(QPalette::Highlight, Qt::white);
    palTree.setColor(QPalette::HighlightedText, clTeal);
    ui->tvwRegistrationWizard->setPalette(palTree);
    QPalette palLegend = ui->lblMandatoryField->palette();
    palLegend.setColor(QPalette::WindowText, Qt::red);
    ui->lblMandatoryField->setPalette(palLegend);
}

std::vector<std::pair<QString, QString>>
TfrmRegistrationWizard::fnarDestinationBillingRows() const {
    return ui->tbsSenderInfoCont->fnarDestinationBillingRows();
}

TclsSenderAddressChecks &TfrmRegistrationWizard::fnobjSenderAddressChecks() {
    return ui->tbsSenderInfo->fnobjAddressChecks();
}

const QString &TfrmRegistrationWizard::fnstUserURL() const {
    return ui->tbsWelcome->fnstUserURL();
}

const QString &TfrmRegistrationWizard::fnstTechSupportPhone() const {
    return ui->tbsWelcome->fnstTechSupportPhone();
}

void TfrmRegistrationWizard::pCreateSiteRegScr() {
    ui->tbsSiteRegistration->pCreateSiteRegScr(fnstInfoDir(), stLanguageFileSuffix,
                                               fnstTechSupportPhone());
}

void TfrmRegistrationWizard::pShowWelcomePage() {
    barPageModified.fill(false);
    ui->btnBack->setEnabled(false);
    ui->lblMandatoryField->setVisible(false);
    ui->pgcRegistrationWizard->setCurrentIndex(wpWelcome);
    ui->lblScreenName->setText(fnstRS(rs::rsarPageTitles[wpWelcome]));
    ui->tvwRegistrationWizard->setCurrentItem(ui->tvwRegistrationWizard->topLevelItem(0));
    ui->tbsWelcome->pCreateWelcomeScr(fnstInfoDir(), stLanguageFileSuffix);
}

// ---- FormShow ---------------------------------------------------------------

void TfrmRegistrationWizard::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (bStartupFailed) {
        pWriteLog(1, cstUnit, QStringLiteral("FormShow"),
                  QStringLiteral("Closing the application."));
        bExitApplication = true;
        bNoConfirmation = true;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    pAssignHelpContexts();
    // Brought to the front on a display; an offscreen run has no front.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        raise();
        activateWindow();
    }
}

// ---- Cancel, FormClose, Finish -----------------------------------------------

void TfrmRegistrationWizard::btnCancelClick() {
    // Nothing the fields left behind is checked any more.
    pDropFocusSteps();
    if (fniCurrentPage() == wpTerms) {
        if (fnbConfirmWithUser(fnstRS(rs::rsCannotRegisterUnlessAccept) + QStringLiteral(".") +
                               cstCrLf + cstCrLf + fnstRS(rs::rsSureToClose))) {
            pWriteLog(1, cstUnit, QStringLiteral("btnCancelClick"),
                      QStringLiteral("Closing the application."));
            bExitApplication = true;
            bNoConfirmation = true;
            close();
        }
        return;
    }
    bExitApplication = true;
    close();
}

void TfrmRegistrationWizard::closeEvent(QCloseEvent *event) {
    if (bTerminated) {
        event->accept();
        return;
    }
    const bool bCompletionPage = fniCurrentPage() == wpRegistrationCompleted;
    if (!bCompletionPage)
        bExitApplication = true;
    if (bExitApplication && !bCompletionPage) {
        if (bStartupFailed) {
            // Nothing was entered and nothing is asked: the wizard just ends.
            bExitApplication = false;
            event->accept();
            return;
        }
        if (!bNoConfirmation) {
            if (!fnbConfirmWithUser(fnstRS(rs::rsNotUsableWithoutRegistration) +
                                    QStringLiteral(".") + cstCrLf + cstCrLf +
                                    fnstRS(rs::rsSureToClose))) {
                bExitApplication = false;
                event->ignore();
                return;
            }
            if (!bSkipSave && !fnbSaveDataToDB()) {
                pWriteLog(2, cstUnit, QStringLiteral("FormClose"),
                          QStringLiteral("Data could not be saved."));
                pWarnUser(fnstRS(rs::rsDataNotSaved) + QStringLiteral(".") + cstCrLf +
                          fnstRS(rs::rsClickOKToExit) + QStringLiteral("."));
            }
        }
    }
    if (!bExitApplication) {
        event->ignore(); // Alt+F4 on the completion page
        return;
    }
    pTerminate();
    event->accept();
}

void TfrmRegistrationWizard::pTerminate() {
    pWriteLog(0, cstUnit, QStringLiteral("FormClose"),
              QStringLiteral("Finally - freeing the tree list node object"));
    recRows.objarConfigZorvData.clear();
    recRows.objarConfigMorvaneData.clear();
    recRows.objarUsersData.clear();
    recRows.objarCommServiceSettingsData.clear();
    recRows.objarCustomerInfoData.clear();
    recRows.objarCommModemData.clear();
    objFormatFile.reset();
    pCloseHelpWindows();
    if (objTranslator)
        QCoreApplication::removeTranslator(objTranslator.get());
    if (bRunningExesLocked)
        fniUnlockTable(QString::fromLatin1(cstRunningExes));
    bRunningExesLocked = false;
    bTerminated = true;
    QCoreApplication::quit();
}

void TfrmRegistrationWizard::pFinish() {
    hide();
    const int iAnswer =
        fniMessageDlgWithIcon(fnstRS(rs::rsLaunchNow), fnstRS(rs::rsCaptionConfirmation),
                              {fnstRS(rs::rsYes), fnstRS(rs::rsNo)}, fnstRS(rs::rsYes),
                              QStringLiteral("../Images/DeskIcon.ico"));
    if (iAnswer == 0) {
        const QString stProgram = fnstExecutableDir() + QStringLiteral("/ZorvMorvaneGlobal");
        pWriteLog(1, cstUnit, QStringLiteral("pFinish"), QStringLiteral("Starting ") + stProgram);
        if (!QProcess::startDetached(stProgram, {}, QDir::currentPath()))
            pWriteLog(3, cstUnit, QStringLiteral("pFinish"),
                      QStringLiteral("ZorvMorvaneGlobal could not be started."));
    }
    pWriteLog(1, cstUnit, QStringLiteral("pFinish"), QStringLiteral("Closing the application."));
    bExitApplication = true;
    close();
}
