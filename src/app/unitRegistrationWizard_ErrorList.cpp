// The error list of the wizard form: showing it in TfrmWarnMessage, marking
// and focusing the fields it names, clearing the marks, removing entries.
#include "unitRegistrationWizard.h"

#include "UnitErrorMarks.h"
#include "unitLogToFile.h"
#include "UnitModalDialog.h"
#include "unitWarnMessage.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

using wps::cstUnit;

namespace {

QStringList fnslControlNames(const TrecarErrorList &arErrors) {
    QStringList sl;
    for (const TrecMVErrorRecord &rec : arErrors)
        sl << rec.stControlName;
    return sl;
}
} // namespace

void TfrmRegistrationWizard::pDisplayErrorList(const TrecarErrorList &arErrors) {
    pWriteLog(0, cstUnit, QStringLiteral("pDisplayErrorList"),
              QStringLiteral("Inside pDisplayErrorList."));
    QString stSelected;
    {
        TfrmWarnMessage frmWarnMessage(this);
        frmWarnMessage.pAddToErrorList(arErrors);
        frmWarnMessage.pSetCaption(fnstRS(rs::rsCaptionErrorList));
        fniExecModal(frmWarnMessage);
        stSelected = frmWarnMessage.fnstSelectedControlName();
        pWriteLog(0, cstUnit, QStringLiteral("pDisplayErrorList"),
                  QStringLiteral("Freeing the memory of warning message form."));
    }
    const TclsErrorMarks objMarks(this);
    objMarks.pMark(fnslControlNames(arErrors), cclErrorField);
    objMarks.pFocus(stSelected);
}

void TfrmRegistrationWizard::pResetErrorColours() {
    TclsErrorMarks(this).pMark(fnslControlNames(objarErrorList), cclNormalField);
}

void TfrmRegistrationWizard::pRemoveFromErrorList(const QString &stControlName) {
    const auto itEnd = std::remove_if(
        objarErrorList.begin(), objarErrorList.end(), [&](const TrecMVErrorRecord &rec) {
            if (rec.stControlName != stControlName)
                return false;
            pWriteLog(0, cstUnit, QStringLiteral("pRemoveFromErrorList"),
                      QStringLiteral("TEMP_LOG : Removing ") + stControlName);
            return true;
        });
    objarErrorList.erase(itEnd, objarErrorList.end());
}
