// The site-registration page: the carrier's paragraphs above the number
// allocation, the quantities of shipment and LP numbers offered, and reading
// the chosen quantities into the number allocation holder.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"
#include "ui_unitRegistrationWizard_SiteRegistration.h"

#include "unitLogToFile.h"
#include "UnitRWAWBLPAlloc.h"
#include "unitWizardResourceStrings.h"

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");

// The quantity a list asks for: its choice, or the default when none is made.
QString fnstChosenQuantity(const QComboBox *cmb, const QString &stDefault) {
    const QString stChosen = cmb->currentText().trimmed();
    return stChosen.isEmpty() ? stDefault : stChosen;
}

// A quantity is chosen only while its box is ticked; unticking drops the
// choice, so the default is asked for again.
void pLinkChoice(QCheckBox *chk, QComboBox *cmb) {
    cmb->setEnabled(chk->isChecked());
    QObject::connect(chk, &QCheckBox::toggled, cmb, [cmb](bool bTicked) {
        cmb->setEnabled(bTicked);
        if (!bTicked)
            cmb->setCurrentIndex(-1);
    });
}
} // namespace

void TfrmRegistrationWizard::pInitializeSiteRegComponents() {
    Ui::TfraSiteRegistrationPage &pg = *uiSiteRegistration;
    pg.chklShipmentNoAllocation->setText(fnstRS(rs::rsShipmentIdAllocation));
    pg.chklicenceno->setText(fnstRS(rs::rsLicencePlateAllocation));
    pg.lblShipNoQty->setText(fnstRS(rs::rsNumbers));
    pg.lblLPQty->setText(fnstRS(rs::rsNumbers));
    pg.lblRequestAwbLP->setText(fnstRS(rs::rsRequestAwbLP) + QStringLiteral(" :"));
    pLinkChoice(pg.chklShipmentNoAllocation, pg.cmbShipNoAllocation);
    pLinkChoice(pg.chklicenceno, pg.cmbLPNoAlloc);
}

void TfrmRegistrationWizard::pFillAllocationLists() {
    Ui::TfraSiteRegistrationPage &pg = *uiSiteRegistration;
    pg.cmbShipNoAllocation->clear();
    pg.cmbShipNoAllocation->addItems(
        {"500000", "100000", "50000", "10000", "5000", "1000", "500", "250", "100"});
    pg.cmbShipNoAllocation->setCurrentIndex(-1);
    pg.cmbLPNoAlloc->clear();
    pg.cmbLPNoAlloc->addItems(
        {"1000000", "500000", "100000", "50000", "10000", "5000", "2500", "1000"});
    pg.cmbLPNoAlloc->setCurrentIndex(-1);
}

void TfrmRegistrationWizard::pReadFromSiteRegScreen() {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromSiteRegScreen"),
              QStringLiteral("Inside pReadFromSiteRegScreen."));
    recData.objAWBLPAllocData.stShipmentNoQty =
        fnstChosenQuantity(uiSiteRegistration->cmbShipNoAllocation, cstDefaultShipmentNoQty);
    recData.objAWBLPAllocData.stLPNoQty =
        fnstChosenQuantity(uiSiteRegistration->cmbLPNoAlloc, cstDefaultLPNoQty);
}

void TfrmRegistrationWizard::pCreateSiteRegScr() {
    const QString stMethod = QStringLiteral("pCreateSiteRegScr");
    try {
        for (QLabel *lbl : arSiteRegLabels)
            delete lbl;
        arSiteRegLabels.clear();
        const std::optional<TclsIniFile> optIni = fnoptRegistrationWizardIni(stMethod);
        const QString stSection = QStringLiteral("SiteRegistration");
        if (optIni && !optIni->fnbSectionExists(stSection))
            pWriteLog(2, cstUnit, stMethod,
                      QStringLiteral("the SiteRegistrationsection does not exist in the "
                                     "Registration wizard ini file"));
        else if (optIni) {
            const QStringList slKeys = optIni->fnslSectionKeys(stSection);
            pLayOutParagraphs(*optIni, stSection, slKeys, slKeys.size(), ui->tbsSiteRegistration,
                              &TfrmRegistrationWizard::pFormatSiteRegScr, arSiteRegLabels);
        }
        // Nothing the carrier writes may cover the number allocation.
        uiSiteRegistration->pnlNumberAllocation->raise();
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, stMethod, QString::fromLocal8Bit(e.what()));
    }
    pWriteLog(0, cstUnit, stMethod,
              QStringLiteral("Freeing the memory of stlSiteRegSectionKeys TStringlist."));
    pWriteLog(0, cstUnit, stMethod, QStringLiteral("Freeing the memory of iniflSiteReg ini file."));
}
