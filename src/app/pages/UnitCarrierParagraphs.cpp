// The carrier's paragraphs. The labels are placed by measure, not by a
// layout: how many paragraphs a page shows depends on where the previous one
// ended, so each is put at the pixel its predecessors leave free.
#include "UnitCarrierParagraphs.h"

#include "unitLogToFile.h"
#include "UnitOpenURL.h"
#include "unitWizardPageSteps.h"

#include <QLabel>
#include <QUrl>

#include <cmath>

using wps::cstUnit;

namespace {

// The page's grid, in pixels: an 11-pixel font on 13-pixel lines.
constexpr int ciLeft = 11;
constexpr int ciFirstTop = 11;
constexpr int ciLabelWidth = 473;
constexpr int ciLineHeight = 13;
constexpr int ciParagraphGap = 7;
constexpr int ciPageBottom = 328;
constexpr double cdCharWidth = 7.5;
constexpr qsizetype ciMaxParagraphs = 13;
constexpr int ciMaxLines = 5;

// A paragraph's height guessed from its length with a generous character
// width.
int fniEstimatedHeight(const QString &stText) {
    return int(std::ceil(double(stText.size()) * cdCharWidth / ciLabelWidth)) * ciLineHeight;
}

// One line per label width of the text's one-line width, five at most. Word
// wrapping can need a line more than that; the label gets it (within the five)
// so that the paragraph's last words are not cut off.
int fniParagraphLines(const QFontMetrics &fm, const QString &stText) {
    const int iOneLineWidth = fm.horizontalAdvance(stText);
    const int iByWidth = (iOneLineWidth + ciLabelWidth - 1) / ciLabelWidth;
    const int iWrapped =
        fm.boundingRect(QRect(0, 0, ciLabelWidth, 100 * ciLineHeight), Qt::TextWordWrap, stText)
            .height() /
        std::max(1, fm.lineSpacing());
    return std::clamp(std::max(iByWidth, iWrapped), 1, ciMaxLines);
}

// Installations name the web site as users type it ("www.zorv.com"): without
// a scheme it is a web address, not a file.
void pOpenWebAddress(const QString &stAddress) {
    if (!fnbOpenURL(QUrl::fromUserInput(stAddress)))
        pWriteLog(2, cstUnit, QStringLiteral("pFormatWelcomeScr"),
                  QStringLiteral("The web address could not be opened - ") + stAddress);
}

// The language's file, else the English one. Only when neither is there is
// each path logged.
std::optional<TclsIniFile> fnoptRegistrationWizardIni(const QString &stInfoDir,
                                                      const QString &stLanguageFileSuffix,
                                                      const QString &stMethod) {
    const QStringList slCandidates = {
        stInfoDir + QStringLiteral("RegistrationWizard_%1.ini").arg(stLanguageFileSuffix).toLower(),
        stInfoDir + QStringLiteral("registrationwizard_english.ini")};
    QStringList slTried;
    for (const QString &stCandidate : slCandidates) {
        TclsIniFile ini(stCandidate);
        if (ini.fnbFileExists())
            return ini;
        if (!slTried.contains(ini.fnstFileName()))
            slTried << ini.fnstFileName();
    }
    for (const QString &stPath : slTried)
        pWriteLog(2, cstUnit, stMethod,
                  QStringLiteral("Registration wizard ini file does not exist in the path - ") +
                      stPath);
    return std::nullopt;
}
} // namespace

std::optional<TclsIniFile> fnoptCarrierSection(const QString &stInfoDir,
                                               const QString &stLanguageFileSuffix,
                                               const QString &stSection, const QString &stMethod) {
    std::optional<TclsIniFile> optIni =
        fnoptRegistrationWizardIni(stInfoDir, stLanguageFileSuffix, stMethod);
    if (optIni && !optIni->fnbSectionExists(stSection)) {
        pWriteLog(2, cstUnit, stMethod,
                  QStringLiteral("the ") + stSection +
                      QStringLiteral("section does not exist in the Registration wizard ini file"));
        return std::nullopt;
    }
    return optIni;
}

void TclsCarrierParagraphs::pLayOut(const TclsIniFile &ini, const QString &stSection,
                                    const QStringList &slKeys, qsizetype iTextKeys,
                                    const TfnText &fnText,
                                    const std::optional<TrecWebLink> &optLink) {
    pClear();
    int iTop = ciFirstTop;
    const qsizetype iCount = std::min(iTextKeys, ciMaxParagraphs);
    for (qsizetype i = 0; i < iCount; ++i) {
        const QString &stKey = slKeys[i];
        const QString stText = ini.fnstReadString(stSection, stKey, QString());
        if (i >= 1 && fniEstimatedHeight(stText) + iTop >= ciPageBottom)
            break;
        const int iParagraphTop = iTop;
        QLabel *lbl = fnlblAddParagraph(fnText(stKey, stText), iTop);
        if (optLink && stKey.compare(optLink->stKey, Qt::CaseInsensitive) == 0)
            pAddWebLink(lbl, iParagraphTop, optLink->stAddress);
    }
}

void TclsCarrierParagraphs::pClear() {
    for (QLabel *lbl : arLabels)
        delete lbl;
    arLabels.clear();
}

QLabel *TclsCarrierParagraphs::fnlblAddParagraph(const QString &stText, int &iTop) {
    auto *lbl = new QLabel(wPage);
    lbl->setFont(wPage->font());
    // The carrier's wording is text: a "<" in it is not the start of markup.
    lbl->setTextFormat(Qt::PlainText);
    lbl->setWordWrap(true);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl->setText(stText);
    const int iHeight = fniParagraphLines(lbl->fontMetrics(), stText) * ciLineHeight;
    lbl->setGeometry(ciLeft, iTop, ciLabelWidth, iHeight);
    lbl->show();
    iTop += iHeight + ciParagraphGap;
    arLabels.push_back(lbl);
    return lbl;
}

// The carrier's web address follows the paragraph's text on the same line, as
// a link that opens the user's browser.
void TclsCarrierParagraphs::pAddWebLink(QLabel *lblParagraph, int iTop, const QString &stAddress) {
    lblParagraph->setWordWrap(false);
    const int iTextWidth = std::min(lblParagraph->sizeHint().width(), ciLabelWidth);
    lblParagraph->resize(iTextWidth, lblParagraph->height());
    auto *lblLink = new QLabel(wPage);
    lblLink->setObjectName(QStringLiteral("lblWelcomeURL"));
    lblLink->setFont(wPage->font());
    lblLink->setTextFormat(Qt::RichText);
    lblLink->setText(
        QStringLiteral("<a href=\"%1\" style=\"color:#0000ff; text-decoration:underline;\">%1</a>")
            .arg(stAddress.toHtmlEscaped()));
    lblLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblLink->setCursor(Qt::PointingHandCursor);
    QObject::connect(lblLink, &QLabel::linkActivated, lblLink, &pOpenWebAddress);
    lblLink->adjustSize();
    lblLink->move(ciLeft + iTextWidth + 4, iTop);
    lblLink->show();
    arLabels.push_back(lblLink);
}
