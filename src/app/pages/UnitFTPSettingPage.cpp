// The SFTP page.
#include "UnitFTPSettingPage.h"

#include "ui_UnitFTPSettingPage.h"

#include "UnitFieldMarks.h"
#include "UnitKeyFilters.h"
#include "unitLogToFile.h"
#include "UnitMV5Records.h"
#include "unitRWFTPSetting.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <array>
#include <utility>

using wps::cstUnit;

namespace {

// The transfer modes in item order: the stored mode is the item's index.
std::array<QRadioButton *, 2> fnarModeButtons(const Ui::TfraFTPSettingPage &pg) {
    return {pg.radRWMnfModeActive, pg.radRWMnfModePassive};
}

// Selects the item of that index; an index of no item selects none.
void pSelectMode(const Ui::TfraFTPSettingPage &pg, int iIndex) {
    const auto arButtons = fnarModeButtons(pg);
    for (int i = 0; i < int(arButtons.size()); ++i) {
        // Exclusive buttons cannot all be cleared while they are exclusive.
        arButtons[i]->setAutoExclusive(false);
        arButtons[i]->setChecked(i == iIndex);
        arButtons[i]->setAutoExclusive(true);
    }
}

// The index of the selected item, -1 when none is.
int fniSelectedMode(const Ui::TfraFTPSettingPage &pg) {
    const auto arButtons = fnarModeButtons(pg);
    for (int i = 0; i < int(arButtons.size()); ++i)
        if (arButtons[i]->isChecked())
            return i;
    return -1;
}
} // namespace

TfraFTPSettingPage::TfraFTPSettingPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraFTPSettingPage>()) {
    ui->setupUi(this);
}

TfraFTPSettingPage::~TfraFTPSettingPage() = default;

void TfraFTPSettingPage::pInitializeComponents() {
    Ui::TfraFTPSettingPage &pg = *ui;
    const std::pair<QLabel *, TResourceString> arLabels[] = {
        {pg.lblFTPHost, rs::rsFTPHost},
        {pg.lblFTPPort, rs::rsFTPPort},
        {pg.lblFTPUserId, rs::rsFTPUserId},
        {pg.lblFTPPasswd, rs::rsFTPPasswd},
        {pg.lblFTPBuildDirPath, rs::rsFTPBuildDirPath},
        {pg.lblFTPWorkDirPath, rs::rsFTPWorkDirPath},
    };
    for (const auto &[lbl, rsCaption] : arLabels) {
        lbl->setText(fnstLabel(rsCaption));
        // The star is ready but hidden: the page is mandatory only while the
        // end-of-day manifest goes by SFTP.
        pSetMandatoryMark(lbl, true);
        pSetMandatoryMark(lbl, false);
    }
    pg.rgpRWMnfMode->setTitle(fnstRS(rs::rsFTPTransferMode));
    pg.radRWMnfModeActive->setText(fnstRS(rs::rsActiveModeTransfer));
    pg.radRWMnfModePassive->setText(fnstRS(rs::rsPassiveModeTransfer));
    pAllowOnlyDigits(pg.edtFTPPort);
    pRefuseCharacters(pg.edtFTPBuildDirPath, cstPathRefused);
    pRefuseCharacters(pg.edtFTPWorkDirPath, cstPathRefused);
}

bool TfraFTPSettingPage::fnbPopulate(const TrecInstallationRows &recRows) {
    const auto *pConfig = fnpFirstRecord<TclsConfigZorvData>(recRows.objarConfigZorvData);
    if (!pConfig)
        return true;
    Ui::TfraFTPSettingPage &pg = *ui;
    pg.edtFTPHost->setText(pConfig->ftp_host);
    pg.edtFTPPort->setText(pConfig->ftp_port.trimmed());
    pg.edtFTPUserId->setText(pConfig->ftp_user_id);
    pg.edtFTPPasswd->setText(pConfig->ftp_password);
    pg.edtFTPBuildDirPath->setText(pConfig->ftp_build_dir);
    pg.edtFTPWorkDirPath->setText(pConfig->ftp_work_dir);
    pSelectMode(pg, pConfig->manifest_mode);
    return true;
}

void TfraFTPSettingPage::pReadFromScreen(TrecWizardData &recData) const {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromFTPSettingScreen"),
              QStringLiteral("Inside pReadFromFTPSettingScreen."));
    const Ui::TfraFTPSettingPage &pg = *ui;
    TclsRWFTPSettingData &obj = recData.objFTPSettingData;
    obj.stHost = pg.edtFTPHost->text().trimmed();
    obj.stPort = pg.edtFTPPort->text().trimmed();
    obj.stUserId = pg.edtFTPUserId->text().trimmed();
    // Blanks are part of a password: it is taken as typed.
    obj.stPassword = pg.edtFTPPasswd->text();
    obj.stBuildDirPath = pg.edtFTPBuildDirPath->text().trimmed();
    obj.stWorkDirPath = pg.edtFTPWorkDirPath->text().trimmed();
    obj.iManifestMode = fniSelectedMode(pg);
}

TrecarErrorList TfraFTPSettingPage::fnarValidate(const TrecWizardData &recData) const {
    TrecarErrorList arErrors;
    TclsRWFTPSetting().fnstValidate(recData.objFTPSettingData, arErrors);
    return arErrors;
}

QWidget *TfraFTPSettingPage::fnwFirstField() const {
    return ui->edtFTPHost;
}

void TfraFTPSettingPage::pShowFTPInUse(bool bInUse) {
    for (QLabel *lbl : {ui->lblFTPHost, ui->lblFTPPort, ui->lblFTPUserId, ui->lblFTPPasswd,
                        ui->lblFTPBuildDirPath, ui->lblFTPWorkDirPath})
        pSetMandatoryMark(lbl, bInUse);
}
