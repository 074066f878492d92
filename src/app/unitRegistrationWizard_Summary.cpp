// The summary page: everything entered so far, written by the summary writer
// and shown in the page's browser before the site is registered.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"

#include "UnitHourglass.h"
#include "unitLogToFile.h"
#include "unitRWFormatFile.h"
#include "UnitSummaryPage.h"
#include "unitWizardPageSteps.h"

#include <QApplication>
#include <QFile>

using wps::cstUnit;

void TfrmRegistrationWizard::pWriteSummary() {
    try {
        pReadPage(wpApplSecurity);
        if (!objFormatFile)
            return;
        QString stResult;
        {
            const TclsHourglass objHourglass;
            stResult = objFormatFile->fnstFormatSummary(
                recData.objSendersData, fnarDestinationBillingRows(), recData.objCommSettingData,
                recData.objFTPSettingData, recData.objEmailSettingData, recData.objPickupData,
                recData.objProxyServerData, recData.objApplSecurityData);
        }
        const QString stFile = objFormatFile->fnstSummaryFile();
        if (stResult != QLatin1String("success") || !QFile::exists(stFile))
            return;
        ui->tbsSummary->pShowSummaryFile(stFile);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("pWriteSummary"), QString::fromLocal8Bit(e.what()));
    }
}
