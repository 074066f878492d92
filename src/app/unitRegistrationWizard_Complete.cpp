// The site-registration page's Next: the requested quantities, the save, the
// registration with the carrier's host and what each outcome leads to; the
// manual registration (also Ctrl+Alt+R) and the completion page, which only
// Finish leaves.
#include "unitRegistrationWizard.h"
#include "unitWizardMessages.h"

#include "ui_unitRegistrationWizard.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitCompletedPage.h"
#include "UnitDatabaseConstants.h"
#include "UnitHourglass.h"
#include "unitLogToFile.h"
#include "UnitModalDialog.h"
#include "UnitMsgDialog.h"
#include "unitRegistrationOutcome.h"
#include "UnitRWAWBLPAlloc.h"
#include "unitSiteRegistrationStrings.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <QShortcut>
#include <QTime>

using wps::cstUnit;

namespace {
const QString cstCrLf = QStringLiteral("\r\n");
constexpr int ciFinishHelpContext = 1558;

// The form takes no input while the host is asked; the hourglass shows why.
class TclsBusyForm {
public:
    explicit TclsBusyForm(QWidget *wForm) : wForm(wForm) { wForm->setEnabled(false); }
    ~TclsBusyForm() { wForm->setEnabled(true); }
    TclsBusyForm(const TclsBusyForm &) = delete;
    TclsBusyForm &operator=(const TclsBusyForm &) = delete;

private:
    QWidget *wForm;
    TclsHourglass objHourglass;
};

QString fnstNow() {
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz"));
}
} // namespace

void TfrmRegistrationWizard::pInitializeRegistrationKeys() {
    auto *shcManual = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R), this);
    connect(shcManual, &QShortcut::activated, this,
            &TfrmRegistrationWizard::pManualRegistrationKey);
}

void TfrmRegistrationWizard::pManualRegistrationKey() {
    if (fniCurrentPage() != wpSiteRegistration)
        return;
    try {
        if (!bSkipSave && !fnbSaveDataToDB()) {
            pWriteLog(3, cstUnit, QStringLiteral("FormKeyDown"),
                      QStringLiteral("Data could not be saved."));
            pEndAfterRegistrationFailure(fnstRS(rs::rsDataNotSaved) + QStringLiteral(".") +
                                             cstCrLf + fnstRS(rs::rsClickOKToExit) +
                                             QStringLiteral("."),
                                         false);
            return;
        }
        pManualSiteRegistration();
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("FormKeyDown"), QString::fromLocal8Bit(e.what()));
    }
}

void TfrmRegistrationWizard::pEndAfterRegistrationFailure(const QString &stMessage,
                                                          bool bSkipFurtherSave) {
    if (bSkipFurtherSave)
        bSkipSave = true;
    pWarnUser(stMessage);
    bNoConfirmation = true;
    bExitApplication = true;
    close();
}

// ---- Next on the site-registration page -------------------------------------

void TfrmRegistrationWizard::pSiteRegistrationNext() {
    const QString stMethod = QStringLiteral("btnNextClick");
    pReadPage(wpSiteRegistration);
    {
        // The host is asked for what is stored; a refused quantity keeps the
        // one stored before.
        TclsRWAWBLPAlloc objAlloc;
        objAlloc.fnstSaveShipmentNoAlloc(recData.objAWBLPAllocData);
        objAlloc.fnstSaveLPNoAlloc(recData.objAWBLPAllocData);
    }
    pWriteLog(1, cstUnit, stMethod,
              QStringLiteral("Calling the fnbSaveDataToDB method from the site reg Screennext "
                             "click."));
    if (!fnbSaveDataToDB()) {
        pWriteLog(4, cstUnit, stMethod,
                  QStringLiteral("Data could not be saved to the database, site reg failed."));
        pEndAfterRegistrationFailure(fnstRS(rs::rsDataNotSaved) + QStringLiteral(". ") +
                                         fnstSiteRegistrationFailedText() + QStringLiteral(".") +
                                         cstCrLf + cstCrLf + fnstRS(rs::rsClickOKToExit) +
                                         QStringLiteral("."),
                                     true);
        return;
    }
    if (!fnbReadRegistrationRows()) {
        pWriteLog(4, cstUnit, stMethod,
                  QStringLiteral("Data could not be read from all the tables."));
        pWriteLog(4, cstUnit, stMethod,
                  QStringLiteral("Site reg failed, closing the application."));
        pFreeRegistrationRows();
        pEndAfterRegistrationFailure(fnstRS(rs::rsTablesNotRead) + QStringLiteral(".") + cstCrLf +
                                         fnstRS(rs::rsClickOKToExit) + QStringLiteral("."),
                                     false);
        return;
    }
    pWriteLog(1, cstUnit, stMethod,
              QStringLiteral("Data is successfully read from all the tables."));
    stSiteRegResult = fnstRegisterSite();
    pSiteRegistrationOutcome(stSiteRegResult);
    pFreeRegistrationRows();
}

// The rows the registration describes the site with, as the save left them.
bool TfrmRegistrationWizard::fnbReadRegistrationRows() {
    struct TrecRead {
        const char *pchClass;
        TobjarMVData &objarRows;
        bool bRowNeeded;
    };
    const TrecRead arReads[] = {
        {"TclsConfigZorvDB", recRows.objarConfigZorvData, true},
        {"TclsConfigMorvaneDB", recRows.objarConfigMorvaneData, true},
        {"TclsCustomerInfoDB", recRows.objarCustomerInfoData, true},
        {"TclsUsersDB", recRows.objarUsersData, false},
        {"TclsCommModemDB", recRows.objarCommModemData, false},
        {"TclsCommServiceSettingsDB", recRows.objarCommServiceSettingsData, false},
    };
    for (const TrecRead &rec : arReads) {
        rec.objarRows.clear();
        if (fniQueryRecords({{}}, rec.objarRows, QLatin1String(rec.pchClass)) != dbc::iSuccess ||
            (rec.bRowNeeded && rec.objarRows.empty()))
            return false;
    }
    return true;
}

void TfrmRegistrationWizard::pFreeRegistrationRows() {
    const std::pair<const char *, TobjarMVData *> arRows[] = {
        {"recRows.objarConfigZorvData", &recRows.objarConfigZorvData},
        {"recRows.objarConfigMorvaneData", &recRows.objarConfigMorvaneData},
        {"recRows.objarCustomerInfoData", &recRows.objarCustomerInfoData},
        {"recRows.objarUsersData", &recRows.objarUsersData},
        {"recRows.objarCommModemData", &recRows.objarCommModemData},
        {"recRows.objarCommServiceSettingsData", &recRows.objarCommServiceSettingsData},
    };
    for (const auto &[pchName, pobjarRows] : arRows) {
        pobjarRows->clear();
        pWriteLog(1, cstUnit, QStringLiteral("btnNextClick"),
                  QStringLiteral("Freed ") + QLatin1String(pchName) + QLatin1Char('.'));
    }
}

QString TfrmRegistrationWizard::fnstRegisterSite() {
    if (!objRWSiteRegistration)
        objRWSiteRegistration = std::make_unique<TclsRWSiteRegistration>();
    objRWSiteRegistration->pSetAllocationRequest(
        {recData.objAWBLPAllocData.bShipmentNoAsked, recData.objAWBLPAllocData.stShipmentNoQty,
         recData.objAWBLPAllocData.bLPNoAsked, recData.objAWBLPAllocData.stLPNoQty,
         recData.objCommSettingData.stGatewayIATA});
    objRWSiteRegistration->pSetCompletionPage(ui->tbsRegistrationCompleted,
                                              fnbSchedulePickupActivated(),
                                              recData.objSendersData.stZorvAccount);
    try {
        const TclsBusyForm objBusy(this);
        return objRWSiteRegistration->fnstSiteRegistration(
            fnpFirstRecord<TclsConfigZorvData>(recRows.objarConfigZorvData),
            fnpFirstRecord<TclsConfigMorvaneData>(recRows.objarConfigMorvaneData),
            fnpFirstRecord<TclsCustomerInfoData>(recRows.objarCustomerInfoData),
            recRows.objarUsersData, recRows.objarCommServiceSettingsData);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("btnNextClick"), QString::fromLocal8Bit(e.what()));
    }
    // A registration that broke off has not registered the site.
    return fnstSiteRegistrationFailedText();
}

// A failure the user cannot mend here ends the wizard; one the host or the
// line caused offers the manual registration.
void TfrmRegistrationWizard::pSiteRegistrationOutcome(const QString &stResult) {
    const auto fnEnd = [this](TResourceString rsFirstSentence) {
        pEndAfterRegistrationFailure(fnstRS(rsFirstSentence) + QStringLiteral(".") + cstCrLf +
                                         fnstSiteRegistrationFailedText() + QStringLiteral(". ") +
                                         fnstRS(rs::rsClickOKToExit) + QStringLiteral("."),
                                     true);
    };
    switch (fnenRegistrationOutcome(stResult)) {
    case roRegistered:
        pShowRegistrationCompleted(stResult.trimmed());
        return;
    case roObjectNotAssigned:
        fnEnd(rs::rsObjectNotAssigned);
        return;
    case roInsufficientData:
        fnEnd(rs::rsNotSufficientDataForSiteReg);
        return;
    case roRuzWithoutSiteReg:
        pAskManualRegistration(fnstRS(rs::rsRuzServerNoSiteRegistration));
        return;
    case roModemError:
        pAskManualRegistration(fnstRS(rs::rsErrorInModemCommunication));
        return;
    case roNoSiteId:
    case roFailed:
    case roManualAbandoned:
        pAskManualRegistration(fnstRS(rs::rsRegistrationProcessFailed));
        return;
    }
}

void TfrmRegistrationWizard::pAskManualRegistration(const QString &stFirstSentence) {
    const QString stMessage = stFirstSentence + QStringLiteral(". ") +
                              fnstRS(rs::rsTryAgainOrManually) + QStringLiteral(". ") +
                              fnstRS(rs::rsCallTechSupport) + QStringLiteral(" ") +
                              fnstTechSupportPhone() + QStringLiteral(".") + cstCrLf + cstCrLf +
                              fnstRS(rs::rsManualQuestionChoices) + QStringLiteral(".");
    const int iAnswer = fniMessageDlg(stMessage, fnstRS(rs::rsCaptionWarning),
                                      {fnstRS(rs::rsOK), fnstRS(rs::rsCancel), fnstRS(rs::rsExit)},
                                      fnstRS(rs::rsOK), mikWarning);
    switch (iAnswer) {
    case 0:
        pManualSiteRegistration();
        break;
    case 2:
        bExitApplication = true;
        bNoConfirmation = true;
        bSkipSave = true;
        close();
        break;
    default:
        // Back on the page: the user may try Next again.
        ui->btnNext->setEnabled(true);
        break;
    }
}

// ---- Manual registration ------------------------------------------------------

void TfrmRegistrationWizard::pManualSiteRegistration() {
    const QString stMethod = QStringLiteral("pManualSiteRegistration");
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("start ") + fnstNow());
    try {
        // The dialog stores the ID through its own registration object.
        objRWSiteRegistration.reset();
        objSiteIdHolder = std::make_unique<TclsSiteIdHolder>();
        if (!frmManualSiteRegistration)
            frmManualSiteRegistration = std::make_unique<TfrmManualSiteRegistration>();
        frmManualSiteRegistration->pExposedForInteraction([this] { pRefreshSiteID(); },
                                                          objSiteIdHolder.get());
        showNormal();
        hide();
        fniExecModal(*frmManualSiteRegistration);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, stMethod, QString::fromLocal8Bit(e.what()));
    }
    frmManualSiteRegistration.reset();
    objSiteIdHolder.reset();
}

void TfrmRegistrationWizard::pRefreshSiteID() {
    try {
        const QString stText = objSiteIdHolder ? objSiteIdHolder->stText : QString();
        if (fnenRegistrationOutcome(stText) == roManualAbandoned) {
            bExitApplication = true;
            bNoConfirmation = true;
            if (frmManualSiteRegistration)
                frmManualSiteRegistration->hide();
            close();
            return;
        }
        stSiteRegResult = stText;
        ui->tbsRegistrationCompleted->pShowNothingAllocated(fnbSchedulePickupActivated());
        if (frmManualSiteRegistration)
            frmManualSiteRegistration->hide();
        pShowRegistrationCompleted(stText);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("pRefreshSiteID"), QString::fromLocal8Bit(e.what()));
    }
}

// ---- The completion page ----------------------------------------------------------

void TfrmRegistrationWizard::pShowRegistrationCompleted(const QString &stSiteId) {
    // Without a close button only Finish ends the wizard; closeEvent refuses
    // every other close on this page. Changing the flags hides the window.
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    ui->tbsRegistrationCompleted->pShowSiteId(stSiteId);
    pChangePage(fnstRS(rs::rsarPageTitles[wpRegistrationCompleted]), wpSiteRegistration, pdNext,
                10);
    ui->lblMandatoryField->setVisible(false);
    ui->btnBack->setEnabled(false);
    ui->btnCancel->setEnabled(false);
    ui->btnNext->setEnabled(true);
    ui->btnNext->setText(fnstRS(rs::rsFinish));
    showNormal();
    // After showing: showing the form gives every control its first help
    // context again.
    ui->btnNext->setProperty("helpContext", ciFinishHelpContext);
    ui->btnNext->setFocus();
}
