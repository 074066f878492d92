// The completion page.
#include "UnitCompletedPage.h"

#include "ui_UnitCompletedPage.h"

#include "unitSiteRegistrationStrings.h"
#include "unitWizardResourceStrings.h"

#include <algorithm>

namespace {
// Where the closing note goes when the pickup lines above it are fewer.
constexpr int ciNoteTopPickupFailed = 162;
constexpr int ciNoteTopNoPickup = 138;

// A label placed by pixels takes the width its text needs, when that is
// more than it was designed with (a longer language).
void pShowWhole(QLabel *lbl, const QString &stText) {
    lbl->setText(stText);
    if (!lbl->wordWrap())
        lbl->resize(std::max(lbl->width(), lbl->sizeHint().width()), lbl->height());
}
} // namespace

TfraCompletedPage::TfraCompletedPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraCompletedPage>()) {
    ui->setupUi(this);
}

TfraCompletedPage::~TfraCompletedPage() = default;

void TfraCompletedPage::pInitializeComponents() {
    pShowWhole(ui->lblRegCompleted1, fnstRS(rs::rsRegCompleted1) + QStringLiteral("."));
    ui->lblRegCompleted2->setText(fnstRS(rs::rsRegCompleted2));
    pShowWhole(ui->lblRegCompleted4, fnstRS(rs::rsRegCompleted4) + QStringLiteral("."));
}

void TfraCompletedPage::pShowSiteId(const QString &stSiteId) {
    ui->lblRegCompleted2->setText(fnstRS(rs::rsRegCompleted2) + QStringLiteral(" ") + stSiteId +
                                  QStringLiteral("."));
}

void TfraCompletedPage::pShowNothingAllocated(bool bPickupScheduled) {
    Ui::TfraCompletedPage &pg = *ui;
    QPalette palValue = pg.lblfsrangeshipmentvalues->palette();
    palValue.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    pShowWhole(pg.lblfsrangeshipment, fnstRS(srs::rsShipmentRangeCaption));
    pShowWhole(pg.lblfsrangeshipmentvalues, fnstRS(srs::rsRangeNotAvailable));
    pg.lblfsrangeshipmentvalues->setPalette(palValue);
    pShowWhole(pg.lblfsrangelicence, fnstRS(srs::rsLicenceRangeCaption));
    pShowWhole(pg.lblfsrangelicencevalues, fnstRS(srs::rsRangeNotAvailable));
    pg.lblfsrangelicencevalues->setPalette(palValue);
    pShowWhole(pg.lblfspickupdetail, fnstRS(srs::rsPickupDetailRequest));
    pShowWhole(pg.lblfspickupdetailstatus, fnstRS(srs::rsNotSuccessful));
    if (bPickupScheduled) {
        pg.lblfsPickupAddrDetails->hide();
        pg.lblRegCompleted4->move(pg.lblRegCompleted4->x(), ciNoteTopPickupFailed);
    } else {
        pg.lblfspickupdetail->hide();
        pg.lblfspickupdetailstatus->hide();
        pg.lblRegCompleted4->move(pg.lblRegCompleted4->x(), ciNoteTopNoPickup);
    }
}
