// Filling the sender address from a chosen row.
#include "unitSenderAddressFill.h"

void pFillAddressFromStation(const TrecSenderAddressControls &rec,
                             const TrecStationChoice &recRow) {
    pSetComboText(rec.cmbCountryCode, recRow.stCountryCode.trimmed());
    pSetComboText(rec.cmbCountryName, recRow.stCountryName.trimmed());
    const QString stLow = recRow.stPostcodeLow.trimmed();
    if (rec.edtSenderPostcode && rec.edtSenderPostcode->isEnabled() &&
        rec.edtSenderPostcode->text().trimmed().isEmpty() && !stLow.isEmpty() &&
        stLow == recRow.stPostcodeHigh.trimmed())
        rec.edtSenderPostcode->setText(stLow);
    const QString stIATA = recRow.stIATA.trimmed();
    if (stIATA.isEmpty())
        return;
    pSetComboText(rec.cmbIATA, stIATA);
    if (rec.pRefreshIATAFrame)
        rec.pRefreshIATAFrame(stIATA);
    fnbFocusControl(rec.edtSenderPostcode);
}
