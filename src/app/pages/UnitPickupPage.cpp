// The pickup page.
#include "UnitPickupPage.h"

#include "ui_UnitPickupPage.h"

#include "UnitDatabaseConstants.h"
#include "unitLogToFile.h"
#include "UnitMV5Records.h"
#include "UnitRWPickupDetails.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <array>

using wps::cstUnit;

namespace {

// The further locations after the default one, in list order.
std::array<QLineEdit *, 4> fnarFurtherPickups(const Ui::TfraPickupPage &pg) {
    return {pg.edtPickup1, pg.edtPickup2, pg.edtPickup3, pg.edtPickup4};
}

// A row without the time keeps the time the page was designed with.
void pShowTime(QSpinBox &speHour, QSpinBox &speMinute, const QTime &tm) {
    if (!tm.isValid())
        return;
    speHour.setValue(tm.hour());
    speMinute.setValue(tm.minute());
}

// The time of day the two spin edits show, to the minute.
QTime fntmTimeOf(const QSpinBox &speHour, const QSpinBox &speMinute) {
    return QTime::fromString(QStringLiteral("%1:%2:00")
                                 .arg(speHour.value(), 2, 10, QLatin1Char('0'))
                                 .arg(speMinute.value(), 2, 10, QLatin1Char('0')),
                             QStringLiteral("hh:mm:ss"));
}
} // namespace

TfraPickupPage::TfraPickupPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraPickupPage>()) {
    ui->setupUi(this);
}

TfraPickupPage::~TfraPickupPage() = default;

void TfraPickupPage::pInitializeComponents() {
    Ui::TfraPickupPage &pg = *ui;
    pg.lblDefaultPickup->setText(fnstLabel(rs::rsDefaultPickup));
    QLabel *const arLabels[] = {pg.lblPickup1, pg.lblPickup2, pg.lblPickup3, pg.lblPickup4};
    for (int i = 0; i < 4; ++i)
        arLabels[i]->setText(fnstRS(rs::rsPickupLocation) + QLatin1Char(' ') +
                             QString::number(i + 1) + QStringLiteral(":"));
    pg.lblReadyByCutOffMargin->setText(fnstLabel(rs::rsReadyByCutOffMargin));
    pg.lblReadyCloseMargin->setText(fnstLabel(rs::rsReadyCloseMargin));
    pg.lblRequestClosemargin->setText(fnstLabel(rs::rsRequestCloseMargin));
    pg.lblRequestCutOffMargin->setText(fnstLabel(rs::rsRequestCutOffMargin));
    pg.lblDefaultCloseTime->setText(fnstLabel(rs::rsDefaultCloseTime));
    pg.lblDefaultReadyByTime->setText(fnstLabel(rs::rsDefaultReadyByTime));
    pg.pnlPickupMargins->setTitle(fnstRS(rs::rsPickupMargins));
    pg.pnlDefaultPickupTime->setTitle(fnstRS(rs::rsDefaultPickupTime));
    pg.lblhour->setText(fnstRS(rs::rsHourMinute));
}

bool TfraPickupPage::fnbPopulate(const TrecInstallationRows &) {
    std::optional<TclsPickupData> optRow;
    const int iCode = fniReadPickupRow(optRow);
    // Without the row the page keeps its design values; the user can still
    // enter the pickup defaults, so a failed read does not end the wizard.
    if (iCode != dbc::iSuccess) {
        pWriteLog(2, cstUnit, QStringLiteral("pPopulateScreen"),
                  QStringLiteral("Call to fniQueryRecords failed for pickup: ") +
                      QString::number(iCode));
        return true;
    }
    if (!optRow)
        return true;
    const TclsPickupData *pRow = &*optRow;
    Ui::TfraPickupPage &pg = *ui;
    pg.edtDefaultPickup->setText(pRow->pickup_locations.value(0));
    const auto arFurther = fnarFurtherPickups(pg);
    for (int i = 0; i < int(arFurther.size()); ++i)
        arFurther[i]->setText(pRow->pickup_locations.value(i + 1));
    pg.speRequestCutOffMargin->setValue(pRow->request_cutoff_margin);
    pg.speReadyByCloseMargin->setValue(pRow->readyby_close_margin);
    pg.speRequestCloseMargin->setValue(pRow->request_close_margin);
    pg.speReadyByCutOffMargin->setValue(pRow->readyby_cutoff_margin);
    pShowTime(*pg.speDefaultCloseTimeHour, *pg.speDefaultCloseTimeMinute, pRow->default_close_time);
    pShowTime(*pg.speDefaultReadyByTimeHour, *pg.speDefaultReadyByTimeMinute,
              pRow->default_readyby_time);
    return true;
}

void TfraPickupPage::pReadFromScreen(TrecWizardData &recData) const {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromPickupScreen"),
              QStringLiteral("Inside pReadFromPickupScreen."));
    const Ui::TfraPickupPage &pg = *ui;
    TclsRWPickupData &obj = recData.objPickupData;
    QStringList slFurther;
    for (const QLineEdit *edt : fnarFurtherPickups(pg))
        slFurther.append(edt->text());
    obj.slPickupLocations = fnslPickupLocations(pg.edtDefaultPickup->text(), slFurther);
    obj.iRequestCutOffMargin = pg.speRequestCutOffMargin->value();
    obj.iReadyByCloseMargin = pg.speReadyByCloseMargin->value();
    obj.iRequestCloseMargin = pg.speRequestCloseMargin->value();
    obj.iReadyByCutOffMargin = pg.speReadyByCutOffMargin->value();
    obj.tmDefaultCloseTime = fntmTimeOf(*pg.speDefaultCloseTimeHour, *pg.speDefaultCloseTimeMinute);
    obj.tmDefaultReadyByTime =
        fntmTimeOf(*pg.speDefaultReadyByTimeHour, *pg.speDefaultReadyByTimeMinute);
}

TrecarErrorList TfraPickupPage::fnarValidate(const TrecWizardData &recData) const {
    if (!recData.objPickupData.slPickupLocations.value(0).trimmed().isEmpty())
        return {};
    return {{QStringLiteral("edtDefaultpickup"),
             fnstRS(rs::rsDefaultPickupBlank) + QStringLiteral("."), 0, 0}};
}

QWidget *TfraPickupPage::fnwFirstField() const {
    return ui->edtDefaultPickup;
}
