// The welcome page: paragraphs read from the installation's per-language
// RegistrationWizard ini file, laid out from top to bottom until the page is full.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"

#include "unitIniFile.h"
#include "unitLogToFile.h"

#include <cmath>
#include <QFileInfo>
#include <QLabel>

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");

// Layout of the paragraphs, in pixels.
constexpr int ciLeft = 11;
constexpr int ciFirstTop = 11;
constexpr int ciLabelWidth = 473;
constexpr int ciLineHeight = 13;
constexpr int ciParagraphGap = 7;
constexpr int ciPageBottom = 328;
constexpr double cdCharWidth = 7.5;
constexpr int ciMaxParagraphs = 13;
constexpr int ciMaxLines = 5;

// A word-wrapping paragraph at the current top; the top moves below it. Its
// height follows its one-line width (one line per label width, five at most);
// a paragraph that wraps onto more lines than that gets them, so no line is cut.
QLabel *fnlblAddLabel(const QString &stText, int &iTop, QWidget *wParent) {
    auto *lbl = new QLabel(stText, wParent);
    lbl->setFont(wParent->font());
    lbl->setWordWrap(true);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QFontMetrics fm = lbl->fontMetrics();
    const int iTextWidth = fm.horizontalAdvance(stText);
    const int iWrappedLines =
        fm.boundingRect(QRect(0, 0, ciLabelWidth, 1000), Qt::TextWordWrap, stText).height() /
        std::max(1, fm.lineSpacing());
    const int iLines = std::clamp(
        std::max((iTextWidth + ciLabelWidth - 1) / ciLabelWidth, iWrappedLines), 1, ciMaxLines);
    const int iLineHeight = std::max(ciLineHeight, fm.lineSpacing());
    lbl->setGeometry(ciLeft, iTop, ciLabelWidth, iLines * iLineHeight);
    lbl->show();
    iTop += iLines * iLineHeight + ciParagraphGap;
    return lbl;
}
} // namespace

void TfrmRegistrationWizard::pCreateWelcomeScr() {
    const QString stMethod = QStringLiteral("pCreateWelcomeScr");
    for (QLabel *lbl : arWelcomeLabels)
        delete lbl;
    arWelcomeLabels.clear();
    const QString stInfo = stBaseDir + QStringLiteral("InfoFiles/");
    TclsIniFile ini(
        stInfo + QStringLiteral("registrationwizard_%1.ini").arg(stLanguageFileSuffix.toLower()));
    if (!ini.fnbFileExists()) {
        pWriteLog(2, cstUnit, stMethod,
                  QStringLiteral("Registration wizard ini file does not exist in the path - ") +
                      ini.fnstFileName());
        ini = TclsIniFile(stInfo + QStringLiteral("registrationwizard_english.ini"));
        if (!ini.fnbFileExists()) {
            pWriteLog(2, cstUnit, stMethod,
                      QStringLiteral("Registration wizard ini file does not exist in the path - ") +
                          ini.fnstFileName());
            return;
        }
    }
    const QString stSection = QStringLiteral("WelcomeScreen");
    if (!ini.fnbSectionExists(stSection)) {
        pWriteLog(
            2, cstUnit, stMethod,
            QStringLiteral(
                "the WelcomeScreensection does not exist in the Registration wizard ini file"));
        return;
    }
    const QStringList slKeys = ini.fnslSectionKeys(stSection);
    stUserURL = ini.fnstReadString(stSection, QStringLiteral("WSUSERURL"), QString());
    stTechSupportPhone =
        ini.fnstReadString(stSection, QStringLiteral("WSUSERTELEPHONE"), QString());
    // The last two keys are the address and the telephone number, not paragraphs.
    const qsizetype iTextKeys = std::min<qsizetype>(slKeys.size() - 2, ciMaxParagraphs);
    int iTop = ciFirstTop;
    for (qsizetype i = 0; i < iTextKeys; ++i) {
        QString stText = ini.fnstReadString(stSection, slKeys[i], QString());
        if (i >= 1) {
            const int iEstimate =
                int(std::ceil(stText.size() * cdCharWidth / ciLabelWidth)) * ciLineHeight;
            if (iEstimate + iTop >= ciPageBottom)
                break;
        }
        const bool bTelephone =
            slKeys[i].compare(QLatin1String("WSTelephone"), Qt::CaseInsensitive) == 0;
        const bool bURL = slKeys[i].compare(QLatin1String("WSURL"), Qt::CaseInsensitive) == 0;
        if (bTelephone)
            stText = QString(8, QLatin1Char(' ')) + stText + QLatin1Char(' ') + stTechSupportPhone;
        else if (bURL)
            stText = QString(8, QLatin1Char(' ')) + stText;
        const int iParagraphTop = iTop;
        QLabel *lbl = fnlblAddLabel(stText, iTop, ui->tbsWelcome);
        arWelcomeLabels.push_back(lbl);
        if (bURL) {
            // The address follows the paragraph's text on the same line, as a link.
            // The paragraph is one line here: as wide as its text, the link after it.
            const int iTextWidth =
                std::min(lbl->fontMetrics().horizontalAdvance(stText) + 2, ciLabelWidth);
            lbl->setWordWrap(false);
            lbl->resize(iTextWidth, lbl->height());
            auto *lblLink = new QLabel(ui->tbsWelcome);
            lblLink->setObjectName(QStringLiteral("lblWelcomeURL"));
            lblLink->setText(
                QStringLiteral(
                    "<a href=\"%1\" style=\"color:#0000ff; text-decoration:underline;\">%1</a>")
                    .arg(stUserURL.toHtmlEscaped()));
            lblLink->setTextFormat(Qt::RichText);
            lblLink->setOpenExternalLinks(true);
            lblLink->adjustSize();
            lblLink->move(ciLeft + iTextWidth + 4, iParagraphTop);
            lblLink->show();
            arWelcomeLabels.push_back(lblLink);
        }
    }
}
