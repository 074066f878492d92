// The completion page.
#include "UnitCompletedPage.h"

#include "ui_UnitCompletedPage.h"

#include "unitSiteRegistrationStrings.h"
#include "unitWizardResourceStrings.h"

namespace {
// Where the closing note goes when the pickup lines above it are fewer.
constexpr int ciNoteTopPickupFailed = 162;
constexpr int ciNoteTopNoPickup = 138;
} // namespace

TfraCompletedPage::TfraCompletedPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraCompletedPage>()) {
    ui->setupUi(this);
}

TfraCompletedPage::~TfraCompletedPage() = default;

void TfraCompletedPage::pInitializeComponents() {
    ui->lblRegCompleted1->setText(fnstRS(rs::rsRegCompleted1) + QStringLiteral("."));
    ui->lblRegCompleted2->setText(fnstRS(rs::rsRegCompleted2));
    ui->lblRegCompleted4->setText(fnstRS(rs::rsRegCompleted4) + QStringLiteral("."));
}

void TfraCompletedPage::pShowSiteId(const QString &stSiteId) {
    ui->lblRegCompleted2->setText(fnstRS(rs::rsRegCompleted2) + QStringLiteral(" ") + stSiteId +
                                  QStringLiteral("."));
}

void TfraCompletedPage::pShowNothingAllocated(bool bPickupScheduled) {
    Ui::TfraCompletedPage &pg = *ui;
    QPalette palValue = pg.lblfsrangeshipmentvalues->palette();
    palValue.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    pg.lblfsrangeshipment->setText(fnstRS(srs::rsShipmentRangeCaption));
    pg.lblfsrangeshipmentvalues->setText(fnstRS(srs::rsRangeNotAvailable));
    pg.lblfsrangeshipmentvalues->setPalette(palValue);
    pg.lblfsrangelicence->setText(fnstRS(srs::rsLicenceRangeCaption));
    pg.lblfsrangelicencevalues->setText(fnstRS(srs::rsRangeNotAvailable));
    pg.lblfsrangelicencevalues->setPalette(palValue);
    pg.lblfspickupdetail->setText(fnstRS(srs::rsPickupDetailRequest));
    pg.lblfspickupdetailstatus->setText(fnstRS(srs::rsNotSuccessful));
    if (bPickupScheduled) {
        pg.lblfsPickupAddrDetails->hide();
        pg.lblRegCompleted4->move(pg.lblRegCompleted4->x(), ciNoteTopPickupFailed);
    } else {
        pg.lblfspickupdetail->hide();
        pg.lblfspickupdetailstatus->hide();
        pg.lblRegCompleted4->move(pg.lblRegCompleted4->x(), ciNoteTopNoPickup);
    }
}
