// The communication page: its captions, the modems installed on this
// machine offered as the default modem, filling the page from the service rows
// and the configuration rows, and reading it back into its data holder.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard_CommSetting.h"

#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitDatabaseConstants.h"
#include "UnitKeyFilters.h"
#include "unitLogToFile.h"
#include "unitModemRegistry.h"
#include "UnitMV5DataInterface.h"
#include "unitServiceGrid.h"
#include "unitWizardResourceStrings.h"

#include <QLineEdit>

#include <exception>
#include <optional>

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");

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
} // namespace

bool TfrmRegistrationWizard::fnbDetectInstalledModems() {
    const QString stMethod = QStringLiteral("fnbDetectInstalledModems");
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Inside fnbDetectInstalledModems."));
    QComboBox &cmb = *uiCommSetting->cmbModemNameList;
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

void TfrmRegistrationWizard::pInitializeCommSettingComponents() {
    Ui::TfraCommSettingPage &pg = *uiCommSetting;
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

bool TfrmRegistrationWizard::fnbPopulateRetries() {
    uiCommSetting->speCSNoOfRetries->setValue(1);
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
    objServiceGrid->pClear();
    for (const auto &obj : objarRows) {
        const auto *pRow = dynamic_cast<const TclsCommServiceSettingsData *>(obj.get());
        if (pRow && fneKnownService(pRow->service_name))
            objServiceGrid->pAddRow(fnrecGridRow(*pRow));
    }
    return true;
}

bool TfrmRegistrationWizard::fnbPopulateCommValues() {
    Ui::TfraCommSettingPage &pg = *uiCommSetting;
    if (const auto *pZorv = fnpFirstRecord<TclsConfigZorvData>(recRows.objarConfigZorvData)) {
        pg.speCSNoOfRetries->setValue(pZorv->no_of_retries);
        pg.chkCSEODviaFTP->setChecked(pZorv->eod_via_ftp);
        pg.chkCSEODviaEmail->setChecked(pZorv->eod_via_email);
        pg.edtCSEODviaEmailAddress->setText(pZorv->eod_email_address);
        pSetEmailAddressEnabled(pg.edtCSEODviaEmailAddress, pZorv->eod_via_email);
        pg.edtGatewayIATA->setText(pZorv->gateway_iata);
    }
    if (const auto *pMorvane =
            fnpFirstRecord<TclsConfigMorvaneData>(recRows.objarConfigMorvaneData)) {
        pg.chkTPPviaEmail->setChecked(pMorvane->return_via_email);
        pg.edtTPPviaEmailAddress->setText(pMorvane->return_email_address);
        pSetEmailAddressEnabled(pg.edtTPPviaEmailAddress, pMorvane->return_via_email);
    }
    return true;
}

bool TfrmRegistrationWizard::fnbPopulateEmailFeature() {
    const auto *pZorv = fnpFirstRecord<TclsConfigZorvData>(recRows.objarConfigZorvData);
    const bool bEmailFeature = pZorv && pZorv->email_feature;
    objServiceGrid->pSetEmailFeature(bEmailFeature);
    Ui::TfraCommSettingPage &pg = *uiCommSetting;
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

void TfrmRegistrationWizard::pReadFromCommSettingScreen() {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromCommSettingScreen"),
              QStringLiteral("Inside pReadFromCommSettingScreen."));
    const Ui::TfraCommSettingPage &pg = *uiCommSetting;
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
