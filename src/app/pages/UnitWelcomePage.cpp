// The welcome page.
#include "UnitWelcomePage.h"

#include "unitLogToFile.h"
#include "unitWizardPageSteps.h"

using wps::cstUnit;

namespace {
const QString cstSection = QStringLiteral("WelcomeScreen");
} // namespace

TfraWelcomePage::TfraWelcomePage(QWidget *parent) : TfraWizardPage(parent) {}

void TfraWelcomePage::pCreateWelcomeScr(const QString &stInfoDir,
                                        const QString &stLanguageFileSuffix) {
    const QString stMethod = QStringLiteral("pCreateWelcomeScr");
    try {
        objParagraphs.pClear();
        const std::optional<TclsIniFile> optIni =
            fnoptCarrierSection(stInfoDir, stLanguageFileSuffix, cstSection, stMethod);
        if (!optIni)
            return;
        const QStringList slKeys = optIni->fnslSectionKeys(cstSection);
        stUserURL = optIni->fnstReadString(cstSection, QStringLiteral("WSUSERURL"), QString());
        stTechSupportPhone =
            optIni->fnstReadString(cstSection, QStringLiteral("WSUSERTELEPHONE"), QString());
        // The section ends with the two data keys: the address and the number.
        objParagraphs.pLayOut(
            *optIni, cstSection, slKeys, slKeys.size() - 2,
            [this](const QString &stKey, const QString &stText) {
                return fnstParagraph(stKey, stText);
            },
            TclsCarrierParagraphs::TrecWebLink{QStringLiteral("WSURL"), stUserURL});
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, stMethod, QString::fromLocal8Bit(e.what()));
    }
}

// The telephone and web-address paragraphs are indented; the number follows
// its paragraph's text, the address its own label (the web link).
QString TfraWelcomePage::fnstParagraph(const QString &stKey, const QString &stText) const {
    const QString stIndent(8, QLatin1Char(' '));
    if (stKey.compare(QLatin1String("WSTelephone"), Qt::CaseInsensitive) == 0)
        return stIndent + stText + QLatin1Char(' ') + stTechSupportPhone;
    if (stKey.compare(QLatin1String("WSURL"), Qt::CaseInsensitive) == 0)
        return stIndent + stText;
    return stText;
}
