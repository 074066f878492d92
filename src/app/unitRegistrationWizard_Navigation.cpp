// Next and Back: the page switch and what each page does when the user leaves it.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"
#include "ui_unitRegistrationWizard_Terms.h"

#include "UnitControlLookup.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitWizardResourceStrings.h"

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");
const QString cstNext = QStringLiteral("Next");
const QString cstBack = QStringLiteral("Back");

QString fnstTitle(int iPage) {
    return fnstRS(rs::rsarPageTitles[iPage]);
}

void pFocus(QWidget *w) {
    if (w && w->isEnabled())
        w->setFocus();
}
} // namespace

void TfrmRegistrationWizard::pChangePage(const QString &stCaption, int iCurrentIndex,
                                         const QString &stDirection, int iTreeIndex) {
    ui->lblScreenName->setText(stCaption);
    ui->tvwRegistrationWizard->setCurrentItem(ui->tvwRegistrationWizard->topLevelItem(iTreeIndex));
    if (stDirection == cstNext)
        ui->pgcRegistrationWizard->setCurrentIndex(iCurrentIndex + 1);
    else if (stDirection == cstBack)
        ui->pgcRegistrationWizard->setCurrentIndex(iCurrentIndex - 1);
}

// The terms page renames Next and Cancel to accepting and declining the terms.
void TfrmRegistrationWizard::pSetNextCancelCaptions(bool bTermsPage) {
    ui->btnNext->setText(bTermsPage ? fnstRS(rs::rsAccept)
                                    : fnstRS(rs::rsNext) + QStringLiteral(" >"));
    ui->btnCancel->setText(bTermsPage ? fnstRS(rs::rsDecline) : fnstRS(rs::rsCancel));
    ui->btnNext->setProperty("helpContext", bTermsPage ? 1495 : 1490);
    ui->btnCancel->setProperty("helpContext", bTermsPage ? 1496 : 1491);
}

void TfrmRegistrationWizard::btnNextClick() {
    try {
        switch (fniCurrentPage()) {
        case wpWelcome:
            pChangePage(fnstTitle(wpTerms), wpWelcome, cstNext, 1);
            ui->btnBack->setEnabled(true);
            pSetNextCancelCaptions(true);
            pFocus(uiTerms->redtTermsNConditions);
            break;
        case wpTerms:
            bTermsAccepted = true;
            ui->btnNext->setEnabled(true);
            pChangePage(fnstTitle(wpSenderInfo), wpTerms, cstNext, 2);
            ui->lblMandatoryField->setVisible(true);
            pFocus(fnwFindControl(this, QStringLiteral("edtSenderCode")));
            pSetNextCancelCaptions(false);
            break;
        default:
            pWriteLog(2, cstUnit, QStringLiteral("btnNextClick"),
                      QStringLiteral("Error - in the else part of the case statements."));
            pWarn(fnstRS(rs::rsErrorOccurred) + QStringLiteral("."));
        }
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("btnNextClick"), QString::fromLocal8Bit(e.what()));
    }
}

void TfrmRegistrationWizard::btnBackClick() {
    try {
        switch (fniCurrentPage()) {
        case wpTerms:
            pChangePage(fnstTitle(wpWelcome), wpTerms, cstBack, 0);
            ui->btnBack->setEnabled(false);
            pSetNextCancelCaptions(false);
            ui->lblMandatoryField->setVisible(false);
            pFocus(ui->btnNext);
            break;
        case wpSenderInfo:
            pChangePage(fnstTitle(wpTerms), wpSenderInfo, cstBack, 1);
            ui->lblMandatoryField->setVisible(false);
            pFocus(uiTerms->redtTermsNConditions);
            pSetNextCancelCaptions(true);
            break;
        default:
            pWriteLog(2, cstUnit, QStringLiteral("btnBackClick"),
                      QStringLiteral("Error - in the else part of the case statements."));
            pWarn(fnstRS(rs::rsErrorOccurred) + QStringLiteral("."));
        }
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("btnBackClick"), QString::fromLocal8Bit(e.what()));
    }
}
