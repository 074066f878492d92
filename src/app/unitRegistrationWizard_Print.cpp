// Printing the terms and conditions: one job per chosen copy.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard_Terms.h"

#include "unitLogToFile.h"
#include "unitPrintDocument.h"
#include "unitSummaryResourceStrings.h"

#include <QApplication>
#include <QPrinter>

void TfrmRegistrationWizard::btnPrintClick() {
    const QString stUnit = QStringLiteral("unitRegistrationWizard");
    const QString stMethod = QStringLiteral("btnPrintClick");
    uiTerms->btnPrint->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        QPrinter printer(QPrinter::HighResolution);
        if (fnbRunPrintDialog(printer, this) &&
            !fnbPrintCopies(*uiTerms->redtTermsNConditions->document(), printer)) {
            pWriteLog(3, stUnit, stMethod, QStringLiteral("Error sending job to printer."));
            pWarn(fnstRS(rssum::rsErrorSendingJob) + QStringLiteral("."));
        }
    } catch (const std::exception &e) {
        pWriteLog(3, stUnit, stMethod, QString::fromLocal8Bit(e.what()));
    }
    QApplication::restoreOverrideCursor();
    uiTerms->btnPrint->setEnabled(true);
}
