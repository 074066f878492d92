// Printing the terms and conditions: one job per chosen copy.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard_Terms.h"

#include "UnitHourglass.h"
#include "unitLogToFile.h"
#include "unitPrintDocument.h"
#include "unitSummaryResourceStrings.h"

#include <QPrinter>

void TfrmRegistrationWizard::btnPrintClick() {
    const QString stUnit = QStringLiteral("unitRegistrationWizard");
    const QString stMethod = QStringLiteral("btnPrintClick");
    uiTerms->btnPrint->setEnabled(false);
    try {
        const TclsHourglass objHourglass;
        QPrinter printer(QPrinter::HighResolution);
        if (fnbRunPrintDialog(printer, this) &&
            !fnbPrintCopies(*uiTerms->redtTermsNConditions->document(), printer)) {
            pWriteLog(3, stUnit, stMethod, QStringLiteral("Error sending job to printer."));
            pWarn(fnstRS(rssum::rsErrorSendingJob) + QStringLiteral("."));
        }
    } catch (const std::exception &e) {
        pWriteLog(3, stUnit, stMethod, QString::fromLocal8Bit(e.what()));
    }
    uiTerms->btnPrint->setEnabled(true);
}
