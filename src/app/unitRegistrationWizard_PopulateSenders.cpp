// Filling the two sender pages at start-up: the default sender's row, its
// destination-billing rows, the reference types and the airport codes the
// grid offers.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"

#include "UnitDatabaseConstants.h"
#include "unitLogToFile.h"
#include "unitSenderRows.h"
#include "unitWizardPageSteps.h"

using wps::cstUnit;

namespace {
const QString cstDefaultSender = QStringLiteral("DEFAULT");
} // namespace

bool TfrmRegistrationWizard::fnbPopulateSenderPages() {
    const QString stMethod = QStringLiteral("pPopulateScreen");
    ui->tbsSenderInfo->pShowSenderCode(cstDefaultSender);
    ui->tbsSenderInfoCont->pClearLicenseDate();
    const QString stCode = stDefaultSenderCode.trimmed();
    std::optional<TclsSendersData> optSender;
    if (!stCode.isEmpty()) {
        if (const int iCode = fniReadSender(stCode, optSender); iCode != dbc::iSuccess) {
            pWriteLog(2, cstUnit, stMethod,
                      QStringLiteral("Senders could not be read, code %1.").arg(iCode));
            pEndOnPopulateFailure(iCode);
            return false;
        }
    }
    std::vector<std::pair<QString, QString>> arRows;
    if (optSender) {
        ui->tbsSenderInfo->pShowSenderRow(*optSender);
        ui->tbsSenderInfoCont->pShowSenderContRow(*optSender);
        const int iCode = fniReadDestinationBillingRows(optSender->sender_cd.trimmed(), arRows);
        if (iCode != dbc::iSuccess) {
            pWriteLog(
                2, cstUnit, stMethod,
                QStringLiteral("Destination billing rows could not be read, code %1.").arg(iCode));
            pEndOnPopulateFailure(iCode);
            return false;
        }
    }
    ui->tbsSenderInfoCont->pShowDestinationBillingRows(arRows);
    return true;
}

// A failed read leaves the list out, as when the carrier has no active type.
bool TfrmRegistrationWizard::fnbPopulateReferenceTypes() {
    std::vector<TrecReferenceType> arTypes;
    if (const int iCode = fniReadActiveReferenceTypes(arTypes); iCode != dbc::iSuccess)
        pWriteLog(2, cstUnit, QStringLiteral("pPopulateScreen"),
                  QStringLiteral("Reference types could not be read, code %1.").arg(iCode));
    ui->tbsSenderInfoCont->pShowReferenceTypes(arTypes);
    return true;
}

bool TfrmRegistrationWizard::fnbPopulateDestinationBillingColour() {
    ui->tbsSenderInfoCont->chkDestinationBillingChange();
    return true;
}

void TfrmRegistrationWizard::pFillDestinationBillingIATAList() {
    QStringList slCodes;
    if (const int iCode = fniReadAirportCodes(slCodes); iCode != dbc::iSuccess)
        pWriteLog(2, cstUnit, QStringLiteral("FormCreate"),
                  QStringLiteral("Airport codes could not be read, code %1.").arg(iCode));
    ui->tbsSenderInfoCont->pSetAirportCodes(slCodes);
}
