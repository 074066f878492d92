// The site-registration page.
#include "UnitSiteRegistrationPage.h"

#include "ui_UnitSiteRegistrationPage.h"

#include "unitLogToFile.h"
#include "UnitRWAWBLPAlloc.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

using wps::cstUnit;

namespace {
const QString cstSection = QStringLiteral("SiteRegistration");

// The quantity a list asks for: its choice, or the default when none is made.
QString fnstChosenQuantity(const QComboBox *cmb, const QString &stDefault) {
    const QString stChosen = cmb->currentText().trimmed();
    return stChosen.isEmpty() ? stDefault : stChosen;
}

// A quantity is chosen only while its box is ticked; unticking drops the
// choice, so the default is asked for again.
void pLinkChoice(QCheckBox *chk, QComboBox *cmb, const QStringList &slQuantities) {
    cmb->clear();
    cmb->addItems(slQuantities);
    cmb->setCurrentIndex(-1);
    cmb->setEnabled(chk->isChecked());
    QObject::connect(chk, &QCheckBox::toggled, cmb, [cmb](bool bTicked) {
        cmb->setEnabled(bTicked);
        if (!bTicked)
            cmb->setCurrentIndex(-1);
    });
}
} // namespace

TfraSiteRegistrationPage::TfraSiteRegistrationPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraSiteRegistrationPage>()) {
    ui->setupUi(this);
}

TfraSiteRegistrationPage::~TfraSiteRegistrationPage() = default;

void TfraSiteRegistrationPage::pInitializeComponents() {
    ui->chklShipmentNoAllocation->setText(fnstRS(rs::rsShipmentIdAllocation));
    ui->chklicenceno->setText(fnstRS(rs::rsLicencePlateAllocation));
    ui->lblShipNoQty->setText(fnstRS(rs::rsNumbers));
    ui->lblLPQty->setText(fnstRS(rs::rsNumbers));
    ui->lblRequestAwbLP->setText(fnstRS(rs::rsRequestAwbLP) + QStringLiteral(" :"));
    pLinkChoice(ui->chklShipmentNoAllocation, ui->cmbShipNoAllocation,
                {"500000", "100000", "50000", "10000", "5000", "1000", "500", "250", "100"});
    pLinkChoice(ui->chklicenceno, ui->cmbLPNoAlloc,
                {"1000000", "500000", "100000", "50000", "10000", "5000", "2500", "1000"});
}

void TfraSiteRegistrationPage::pReadFromScreen(TrecWizardData &recData) const {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromSiteRegScreen"),
              QStringLiteral("Inside pReadFromSiteRegScreen."));
    TclsRWAWBLPAllocData &objAlloc = recData.objAWBLPAllocData;
    objAlloc.bShipmentNoAsked = ui->chklShipmentNoAllocation->isChecked();
    objAlloc.stShipmentNoQty = fnstChosenQuantity(ui->cmbShipNoAllocation, cstDefaultShipmentNoQty);
    objAlloc.bLPNoAsked = ui->chklicenceno->isChecked();
    objAlloc.stLPNoQty = fnstChosenQuantity(ui->cmbLPNoAlloc, cstDefaultLPNoQty);
}

QWidget *TfraSiteRegistrationPage::fnwFirstField() const {
    return ui->chklShipmentNoAllocation;
}

void TfraSiteRegistrationPage::pCreateSiteRegScr(const QString &stInfoDir,
                                                 const QString &stLanguageFileSuffix,
                                                 const QString &stTechSupportPhone) {
    const QString stMethod = QStringLiteral("pCreateSiteRegScr");
    try {
        objParagraphs.pClear();
        if (const std::optional<TclsIniFile> optIni =
                fnoptCarrierSection(stInfoDir, stLanguageFileSuffix, cstSection, stMethod)) {
            const QStringList slKeys = optIni->fnslSectionKeys(cstSection);
            objParagraphs.pLayOut(
                *optIni, cstSection, slKeys, slKeys.size(),
                [&stTechSupportPhone](const QString &stKey, const QString &stText) {
                    if (stKey.compare(QLatin1String("SRTelephone"), Qt::CaseInsensitive) == 0)
                        return stText + QLatin1Char(' ') + stTechSupportPhone + QLatin1Char('.');
                    if (stKey.compare(QLatin1String("SRManualEntry"), Qt::CaseInsensitive) == 0)
                        return stText + QLatin1Char(' ') + fnstRS(rs::rsManualEntryKeys) +
                               QLatin1Char('.');
                    return stText;
                });
        }
        // Nothing the carrier writes may cover the number allocation.
        ui->pnlNumberAllocation->raise();
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, stMethod, QString::fromLocal8Bit(e.what()));
    }
    pWriteLog(0, cstUnit, stMethod,
              QStringLiteral("Freeing the memory of stlSiteRegSectionKeys TStringlist."));
    pWriteLog(0, cstUnit, stMethod, QStringLiteral("Freeing the memory of iniflSiteReg ini file."));
}
