// The welcome page: the carrier's paragraphs, its support telephone number and
// its web address, read from the installation's RegistrationWizard ini file.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"

#include "unitLogToFile.h"

#include <QLabel>

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");
} // namespace

void TfrmRegistrationWizard::pCreateWelcomeScr() {
    const QString stMethod = QStringLiteral("pCreateWelcomeScr");
    try {
        for (QLabel *lbl : arWelcomeLabels)
            delete lbl;
        arWelcomeLabels.clear();
        const std::optional<TclsIniFile> optIni = fnoptRegistrationWizardIni(stMethod);
        if (!optIni)
            return;
        const QString stSection = QStringLiteral("WelcomeScreen");
        if (!optIni->fnbSectionExists(stSection)) {
            pWriteLog(
                2, cstUnit, stMethod,
                QStringLiteral(
                    "the WelcomeScreensection does not exist in the Registration wizard ini file"));
            return;
        }
        const QStringList slKeys = optIni->fnslSectionKeys(stSection);
        stUserURL = optIni->fnstReadString(stSection, QStringLiteral("WSUSERURL"), QString());
        stTechSupportPhone =
            optIni->fnstReadString(stSection, QStringLiteral("WSUSERTELEPHONE"), QString());
        // The section ends with the two data keys: the address and the number.
        pLayOutParagraphs(*optIni, stSection, slKeys, slKeys.size() - 2, ui->tbsWelcome,
                          &TfrmRegistrationWizard::pFormatWelcomeScr, arWelcomeLabels);
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, stMethod, QString::fromLocal8Bit(e.what()));
    }
}
