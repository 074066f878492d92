// The communication page: the modems installed on this machine, offered as
// the default modem.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard_CommSetting.h"

#include "UnitConfigDataCacheDLLAccess.h"
#include "unitLogToFile.h"
#include "unitModemRegistry.h"

#include <exception>

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");

QString fnstConfiguredModemName() {
    std::shared_ptr<const TclsConfigZorvData> objConfigZorv;
    if (fniGetConfigZorvData(objConfigZorv) != 0 || !objConfigZorv)
        return {};
    return objConfigZorv->Modem_Name;
}

// Shows stName as the combo's text, selecting the item of that name when the
// list has one.
void pShowModemName(QComboBox &cmb, const QString &stName) {
    cmb.setCurrentIndex(cmb.findText(stName));
    cmb.setEditText(stName);
}
} // namespace

bool TfrmRegistrationWizard::fnbDetectInstalledModems() {
    const QString stMethod = QStringLiteral("fnbDetectInstalledModems");
    pWriteLog(1, cstUnit, stMethod, QStringLiteral("Inside fnbDetectInstalledModems."));
    QComboBox &cmb = *uiCommSetting->cmbModemNameList;
    try {
        const std::vector<TrecInstalledModem> arModems = fnarInstalledModems();
        cmb.clear();
        for (const TrecInstalledModem &rec : arModems)
            if (!rec.stFriendlyName.trimmed().isEmpty())
                cmb.addItem(rec.stFriendlyName);
        pShowModemName(cmb, fnstConfiguredModemName());
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, stMethod, QString::fromLocal8Bit(e.what()));
        return false;
    }
    return true;
}
