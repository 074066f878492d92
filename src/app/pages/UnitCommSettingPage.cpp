// The communication page.
#include "UnitCommSettingPage.h"

#include "ui_UnitCommSettingPage.h"

#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitFieldMarks.h"
#include "UnitKeyFilters.h"
#include "unitLogToFile.h"
#include "unitModemRegistry.h"
#include "unitRWCommSetting.h"
#include "UnitServiceGrid.h"
#include "unitWizardMessages.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <QLineEdit>
#include <QSpinBox>

#include <exception>
#include <optional>

using wps::cstUnit;

namespace {
const QString cstCrLf = QStringLiteral("\r\n");

QString fnstConfiguredModemName() {
    std::shared_ptr<const TclsConfigZorvData> objConfigZorv;
    if (fniGetConfigZorvData(objConfigZorv) != 0 || !objConfigZorv)
        return {};
    return objConfigZorv->Modem_Name;
}

// A blank stored mode: the paperless-trade service only goes over HTTPS, the
// others were set up for the modem.
QString fnstShownMode(const TclsCommServiceSettingsData &rec) {
    if (!rec.mode.trimmed().isEmpty())
        return rec.mode;
    return rec.service_name.compare(fnarCommServiceNames()[csPaperlessTrade],
                                    Qt::CaseInsensitive) == 0
               ? QStringLiteral("HTTPS")
               : QStringLiteral("MODEM");
}

std::optional<TCommService> fneKnownService(const QString &stName) {
    const auto &arNames = fnarCommServiceNames();
    for (int i = 0; i < csServiceCount; ++i)
        if (stName.trimmed().compare(arNames[i], Qt::CaseInsensitive) == 0)
            return static_cast<TCommService>(i);
    return std::nullopt;
}

TrecServiceGridRow fnrecGridRow(const TclsCommServiceSettingsData &rec) {
    // Port 0 is no port: the cell stays empty so that the page's check asks for one.
    return {rec.service_name,
            rec.in_use ? QStringLiteral("true") : QStringLiteral("false"),
            fnstShownMode(rec),
            rec.primary_phone,
            rec.secondary_phone,
            rec.http_server,
            rec.http_port == 0 ? QString() : QString::number(rec.http_port)};
}

TrecCommServiceBlock fnrecServiceBlock(const TrecServiceGridRow &rec) {
    return {TclsServiceGrid::fnbActivatedText(rec.stActivated),
            rec.stMode,
            rec.stPhone1,
            rec.stPhone2,
            rec.stHTTPServer,
            rec.stHTTPPort};
}

// Shows stName as the combo's text, selecting the item of that name when the
// list has one.
void pShowModemName(QComboBox &cmb, const QString &stName) {
    cmb.setCurrentIndex(cmb.findText(stName));
    cmb.setEditText(stName);
}

const QString cstOneRetry = QStringLiteral("1");

// An emptied number of retries shows "1" at once, selected, so the next digit
// typed replaces it.
class TclsRetriesKeys : public QObject {
public:
    TclsRetriesKeys(QSpinBox *spe, QLineEdit *edt) : QObject(spe), spe(spe), edt(edt) {}

protected:
    bool eventFilter(QObject *obj, QEvent *event) override {
        if (event->type() == QEvent::KeyRelease && edt->text().isEmpty()) {
            edt->setText(cstOneRetry);
            spe->interpretText();
            edt->selectAll();
        }
        return QObject::eventFilter(obj, event);
    }

private:
    QSpinBox *spe;
    QLineEdit *edt;
};

// Leaving with a number that comes to 0 keeps one retry.
void pRetriesExit(QSpinBox *spe, QLineEdit *edt) {
    if (edt->text().trimmed().toInt() != 0)
        return;
    edt->setText(cstOneRetry);
    spe->interpretText();
}
} // namespace

TfraCommSettingPage::TfraCommSettingPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraCommSettingPage>()) {
    ui->setupUi(this);
    pAllowOnlyDigits(ui->speCSNoOfRetries);
}

TfraCommSettingPage::~TfraCommSettingPage() = default;

bool TfraCommSettingPage::fnbDetectInstalledModems() {
    const QString stMethod = QStringLiteral("fnbDetectInstalledModems");
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Inside fnbDetectInstalledModems."));
    QComboBox &cmb = *ui->cmbModemNameList;
    try {
        const std::vector<TrecInstalledModem> arModems = fnarInstalledModems();
        cmb.clear();
        for (const TrecInstalledModem &rec : arModems)
            if (!rec.stFriendlyName.trimmed().isEmpty())
                cmb.addItem(rec.stFriendlyName);
        pShowModemName(cmb, fnstConfiguredModemName());
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, stMethod, QString::fromLocal8Bit(e.what()));
        return false;
    }
    return true;
}

void TfraCommSettingPage::pInitializeComponents() {
    Ui::TfraCommSettingPage &pg = *ui;
    const QString stColon = QStringLiteral(":");
    pg.lblCSCommSetting->setText(fnstRS(rs::rsCSCommSetting));
    pg.lblModemName->setText(fnstRS(rs::rsDefaultModem) + stColon);
    pg.lblCSNoOfRetries->setText(fnstRS(rs::rsCSNoOfRetries) + stColon);
    pg.lblCSEODviaFTP->setText(fnstRS(rs::rsCSEODviaFTP) + stColon);
    pg.lblCSEODviaEmail->setText(fnstRS(rs::rsCSEODviaEmail) + stColon);
    pg.lblTPPviaEmail->setText(fnstRS(rs::rsTPPviaEmail) + stColon);
    // The gateway airport is checked with this page, so it is entered here.
    pg.lblFTPGatewayIATA->setText(fnstRS(rs::rsFTPGatewayIATA) + stColon);
    pForceUpperCase(pg.edtGatewayIATA);
    if (!objServiceGrid) {
        objServiceGrid = new TclsServiceGrid(pg.stgCSServiceSettings);
        pConnectCommSettingEvents();
    }
    QStringList slCaptions;
    for (const TResourceString &rsColumn : rs::rsarServiceGridColumns)
        slCaptions << fnstRS(rsColumn);
    objServiceGrid->pSetColumnCaptions(slCaptions);
}

void TfraCommSettingPage::pShowServiceRows(const TobjarMVData &objarRows) {
    objServiceGrid->pClear();
    for (const auto &obj : objarRows) {
        const auto *pRow = dynamic_cast<const TclsCommServiceSettingsData *>(obj.get());
        if (pRow && fneKnownService(pRow->service_name))
            objServiceGrid->pAddRow(fnrecGridRow(*pRow));
    }
}

bool TfraCommSettingPage::fnbPopulate(const TrecInstallationRows &recRows) {
    Ui::TfraCommSettingPage &pg = *ui;
    pg.speCSNoOfRetries->setValue(1);
    if (const auto *pZorv = fnpFirstRecord<TclsConfigZorvData>(recRows.objarConfigZorvData)) {
        pg.speCSNoOfRetries->setValue(pZorv->no_of_retries);
        pg.chkCSEODviaFTP->setChecked(pZorv->eod_via_ftp);
        pg.chkCSEODviaEmail->setChecked(pZorv->eod_via_email);
        pg.edtCSEODviaEmailAddress->setText(pZorv->eod_email_address);
        pEnableField(pg.edtCSEODviaEmailAddress, pZorv->eod_via_email);
        pg.edtGatewayIATA->setText(pZorv->gateway_iata);
    }
    if (const auto *pMorvane =
            fnpFirstRecord<TclsConfigMorvaneData>(recRows.objarConfigMorvaneData)) {
        pg.chkTPPviaEmail->setChecked(pMorvane->return_via_email);
        pg.edtTPPviaEmailAddress->setText(pMorvane->return_email_address);
        pEnableField(pg.edtTPPviaEmailAddress, pMorvane->return_via_email);
    }
    // What the carrier's e-mail feature allows.
    const auto *pZorv = fnpFirstRecord<TclsConfigZorvData>(recRows.objarConfigZorvData);
    const bool bEmailFeature = pZorv && pZorv->email_feature;
    objServiceGrid->pSetEmailFeature(bEmailFeature);
    if (bEmailFeature) {
        // The RUZ notification goes by e-mail then; the service is not the site's.
        objServiceGrid->pSetServiceActivated(fnarCommServiceNames()[csShipmentNotificationViaRUZ],
                                             cstActivatedForcedOff);
        return true;
    }
    for (QWidget *w :
         std::initializer_list<QWidget *>{pg.chkCSEODviaEmail, pg.edtCSEODviaEmailAddress,
                                          pg.chkTPPviaEmail, pg.edtTPPviaEmailAddress})
        w->setEnabled(false);
    return true;
}

void TfraCommSettingPage::pReadFromScreen(TrecWizardData &recData) const {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromCommSettingScreen"),
              QStringLiteral("Inside pReadFromCommSettingScreen."));
    const Ui::TfraCommSettingPage &pg = *ui;
    TclsRWCommSettingData &obj = recData.objCommSettingData;
    obj.bEODViaEmail = pg.chkCSEODviaEmail->isChecked();
    obj.stGatewayIATA = pg.edtGatewayIATA->text().trimmed();
    obj.bEODViaFTP = pg.chkCSEODviaFTP->isChecked();
    obj.iNoOfRetries = pg.speCSNoOfRetries->value();
    obj.stEODEmailAddress = pg.edtCSEODviaEmailAddress->text().trimmed();
    obj.stModemName = pg.cmbModemNameList->currentText().trimmed();
    obj.bReturnViaEmail = pg.chkTPPviaEmail->isChecked();
    obj.stReturnEmailAddress = pg.edtTPPviaEmailAddress->text().trimmed();
    obj.arServices = {};
    std::array<bool, csServiceCount> barSeen{};
    for (int i = 0; objServiceGrid && i < objServiceGrid->fniRowCount(); ++i) {
        const TrecServiceGridRow rec = objServiceGrid->fnrecRow(i);
        const std::optional<TCommService> eService = fneKnownService(rec.stService);
        // A service listed twice counts with its first row.
        if (!eService || barSeen[*eService])
            continue;
        barSeen[*eService] = true;
        obj.arServices[*eService] = fnrecServiceBlock(rec);
    }
    recData.bSiteRegActivated = obj.arServices[csSiteRegistration].bInUse;
}

void TfraCommSettingPage::pConnectCommSettingEvents() {
    Ui::TfraCommSettingPage &pg = *ui;
    connect(pg.chkCSEODviaEmail, &QCheckBox::clicked, this,
            &TfraCommSettingPage::chkCSEODviaEmailClick);
    connect(pg.chkTPPviaEmail, &QCheckBox::clicked, this,
            &TfraCommSettingPage::chkTPPviaEmailClick);
    connect(objServiceGrid, &TclsServiceGrid::ForwardReturnActivationChanged, this,
            &TfraCommSettingPage::pForwardReturnActivationChanged);
    QSpinBox *spe = pg.speCSNoOfRetries;
    auto *edt = spe->findChild<QLineEdit *>();
    auto *objKeys = new TclsRetriesKeys(spe, edt);
    spe->installEventFilter(objKeys);
    edt->installEventFilter(objKeys);
    pOnFocusExit(spe, [spe, edt](QWidget *) { pRetriesExit(spe, edt); });
}

void TfraCommSettingPage::chkCSEODviaEmailClick() {
    Ui::TfraCommSettingPage &pg = *ui;
    const bool bTicked = pg.chkCSEODviaEmail->isChecked();
    if (!bTicked)
        pg.edtCSEODviaEmailAddress->clear();
    pEnableField(pg.edtCSEODviaEmailAddress, bTicked);
}

// Returns go either through the host's Forward/Return service or by e-mail,
// never both.
void TfraCommSettingPage::chkTPPviaEmailClick() {
    Ui::TfraCommSettingPage &pg = *ui;
    const bool bTicked = pg.chkTPPviaEmail->isChecked();
    if (bTicked)
        objServiceGrid->pSetServiceActivated(fnarCommServiceNames()[csForwardReturn],
                                             cstActivatedForcedOff);
    else
        pg.edtTPPviaEmailAddress->clear();
    pEnableField(pg.edtTPPviaEmailAddress, bTicked);
}

void TfraCommSettingPage::pForwardReturnActivationChanged(bool bActivated) {
    Ui::TfraCommSettingPage &pg = *ui;
    if (bActivated) {
        pg.chkTPPviaEmail->setChecked(false);
        pg.chkTPPviaEmail->setEnabled(false);
    } else {
        if (!objServiceGrid->fnbEmailFeature())
            return;
        pg.chkTPPviaEmail->setEnabled(true);
    }
    pg.edtTPPviaEmailAddress->clear();
    pEnableField(pg.edtTPPviaEmailAddress, pg.chkTPPviaEmail->isChecked());
}

void TfraCommSettingPage::pCommSettingPageEntered() {
    Ui::TfraCommSettingPage &pg = *ui;
    const QString &stForwardReturn = fnarCommServiceNames()[csForwardReturn];
    const int iRow = objServiceGrid->fniRowOf(stForwardReturn);
    if (iRow >= 0 && objServiceGrid->fnbActivated(iRow)) {
        pg.chkTPPviaEmail->setChecked(false);
        pg.chkTPPviaEmail->setEnabled(false);
        pg.edtTPPviaEmailAddress->clear();
        pEnableField(pg.edtTPPviaEmailAddress, false);
    } else if (pg.chkTPPviaEmail->isChecked() && objServiceGrid->fnbEmailFeature()) {
        objServiceGrid->pSetServiceActivated(stForwardReturn, cstActivatedForcedOff);
    }
}

TrecarErrorList TfraCommSettingPage::fnarValidate(const TrecWizardData &recData) const {
    TrecarErrorList arErrors;
    TclsRWCommSetting().fnstValidate(recData.objCommSettingData, arErrors);
    return arErrors;
}

QWidget *TfraCommSettingPage::fnwFirstField() const {
    return ui->stgCSServiceSettings;
}

bool TfraCommSettingPage::fnbEndOfDayByFTP() const {
    return ui->chkCSEODviaFTP->isChecked();
}

bool TfraCommSettingPage::fnbEndOfDayByEmail() const {
    return ui->chkCSEODviaEmail->isChecked();
}

bool TfraCommSettingPage::fnbEndOfDayByEmailAllowed() const {
    return ui->chkCSEODviaEmail->isEnabled();
}

QList<QWidget *> TfraCommSettingPage::fnarShadedBoxes() const {
    return {ui->chkCSEODviaFTP, ui->chkCSEODviaEmail};
}

bool TfraCommSettingPage::fnbSiteRegistrationReachable(TrecWizardData &recData,
                                                       const QString &stTechSupportPhone) {
    if (!recData.bSiteRegActivated) {
        pWarnUser(fnstRS(rs::rsSiteRegNotActivated) + QStringLiteral(".") + cstCrLf + cstCrLf +
                  fnstRS(rs::rsManualRegistrationByPhone) + QStringLiteral(" ") +
                  stTechSupportPhone + QStringLiteral("."));
        return true;
    }
    const QString stMode = recData.objCommSettingData.arServices[csSiteRegistration].stMode;
    if (stMode.trimmed().compare(cstModeModem, Qt::CaseInsensitive) != 0)
        return true;
    QComboBox &cmb = *ui->cmbModemNameList;
    const QString stModem = cmb.currentText().trimmed();
    if (!stModem.isEmpty() && cmb.findText(stModem) >= 0)
        return true;
    // The list holds installed modems only (no blank entry): one modem listed
    // is already one to choose.
    if (cmb.count() > 0) {
        pWarnUser(fnstRS(rs::rsNoModemSelectFromList) + QStringLiteral(" ") +
                  fnstRS(rs::rsSelectModemFromList) + QStringLiteral("."));
        wps::pFocus(&cmb);
        return false;
    }
    pWarnUser(fnstRS(rs::rsNoModemInstalled) + QStringLiteral(". ") +
              fnstRS(rs::rsCannotTransmitRegistration) + QStringLiteral("."));
    recData.bSiteRegActivated = false;
    return true;
}
