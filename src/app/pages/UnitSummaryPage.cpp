// The summary page.
#include "UnitSummaryPage.h"

#include "ui_UnitSummaryPage.h"

#include <QUrl>

TfraSummaryPage::TfraSummaryPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraSummaryPage>()) {
    ui->setupUi(this);
}

TfraSummaryPage::~TfraSummaryPage() = default;

QWidget *TfraSummaryPage::fnwFirstField() const {
    return ui->wbrSummary;
}

void TfraSummaryPage::pShowSummaryFile(const QString &stFile) {
    QTextBrowser *wbr = ui->wbrSummary;
    const QUrl url = QUrl::fromLocalFile(stFile);
    // The same address again is not read again unless asked to.
    if (wbr->source() == url)
        wbr->reload();
    else
        wbr->setSource(url);
}
