// Postcode cleaning on the sender page.
#include "unitSenderAddressChecks.h"

#include "unitAddressCheckStrings.h"
#include "unitPostcodeCleaningDLLAccess.h"

#include "unitLogToFile.h"
#include "UnitMsgDialog.h"

#include <QCoreApplication>

#include <exception>

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");
const QString cstMethod = QStringLiteral("pPostCodeCleaning");
} // namespace

TclsSenderAddressChecks::TclsSenderAddressChecks(QWidget *wPage,
                                                 const TrecSenderAddressControls &recControls,
                                                 TAddressChooser fnChooser)
    : wPage(wPage), rec(recControls), fnChooser(std::move(fnChooser)) {}

void TclsSenderAddressChecks::pPostCodeCleaning() {
    try {
        pCleanPostcode();
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, cstMethod,
                  QStringLiteral("EXCEPTION : ") + QString::fromLocal8Bit(e.what()));
    }
}

void TclsSenderAddressChecks::pCleanPostcode() {
    if (!rec.fnbComplete())
        return;
    pWriteLog(1, cstUnit, cstMethod, QStringLiteral("Calling fnstPostcodeCleaning method."));
    QString stPostcode = rec.edtSenderPostcode->text().trimmed();
    const QString stResult = QCoreApplication::translate(
        "Morvane", fnstPostcodeCleaning(stPostcode, fnstComboText(rec.cmbCountryCode),
                                        rec.edtSenderCity->text().trimmed())
                       .toUtf8()
                       .constData());
    if (stResult == fnstRS(ars::rsNoError)) {
        rec.edtSenderPostcode->setText(stPostcode);
        return;
    }
    pWriteLog(1, cstUnit, cstMethod, QStringLiteral("The Postcode entered is invalid"));
    const bool bNeedsCity = stResult == fnstRS(ars::rsPostcodeNeedsCity);
    const bool bCorrected = stResult == fnstRS(ars::rsPostcodeCorrected);
    const bool bIncorrect = stResult == fnstRS(ars::rsPostcodeIncorrect);
    if (!bNeedsCity && !bCorrected && !bIncorrect)
        return;
    fniMessageDlg(stResult, fnstRS(ars::rsCaptionWarning), {fnstRS(ars::rsOK)}, fnstRS(ars::rsOK),
                  mikWarning);
    if (bNeedsCity || bCorrected)
        rec.edtSenderPostcode->setText(stPostcode);
    if (bNeedsCity)
        fnbFocusControl(rec.edtSenderCity);
    if (bIncorrect)
        fnbFocusControl(rec.edtSenderPostcode);
}
