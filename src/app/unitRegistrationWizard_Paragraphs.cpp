// The paragraphs of the welcome and site-registration pages: the carrier's
// wording comes from the installation's RegistrationWizard ini file, one key
// per paragraph, laid out from the top of the page until the page is full.
#include "unitRegistrationWizard.h"

#include "unitLogToFile.h"
#include "UnitOpenURL.h"
#include "unitWizardResourceStrings.h"

#include <QLabel>
#include <QUrl>

#include <cmath>

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");

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

// A paragraph is only started when its height, guessed from its length with a
// generous character width, still ends above the page's bottom limit.
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
} // namespace

// The language's file, else the English one. Only when neither is there is
// each path logged: the page is then left without text.
std::optional<TclsIniFile>
TfrmRegistrationWizard::fnoptRegistrationWizardIni(const QString &stMethod) const {
    const QString stInfo = stBaseDir + QStringLiteral("InfoFiles/");
    const QStringList slCandidates = {
        stInfo + QStringLiteral("RegistrationWizard_%1.ini").arg(stLanguageFileSuffix).toLower(),
        stInfo + QStringLiteral("registrationwizard_english.ini")};
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

void TfrmRegistrationWizard::pLayOutParagraphs(const TclsIniFile &ini, const QString &stSection,
                                               const QStringList &slKeys, qsizetype iTextKeys,
                                               QWidget *wParent, TpFormatParagraph pFormat,
                                               std::vector<QLabel *> &arLabels) {
    int iTop = ciFirstTop;
    const qsizetype iCount = std::min(iTextKeys, ciMaxParagraphs);
    for (qsizetype i = 0; i < iCount; ++i) {
        const QString stText = ini.fnstReadString(stSection, slKeys[i], QString());
        if (i >= 1 && fniEstimatedHeight(stText) + iTop >= ciPageBottom)
            break;
        QLabel *lbl = nullptr;
        (this->*pFormat)(slKeys, int(i), iTop, wParent, stText, lbl);
        arLabels.push_back(lbl);
    }
}

void TfrmRegistrationWizard::pAddLabel(QLabel *&lbl, const QString &stText, int &iTop,
                                       QWidget *wParent) {
    lbl = new QLabel(wParent);
    lbl->setFont(wParent->font());
    // The carrier's wording is text: a "<" in it is not the start of markup.
    lbl->setTextFormat(Qt::PlainText);
    lbl->setWordWrap(true);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl->setText(stText);
    const int iHeight = fniParagraphLines(lbl->fontMetrics(), stText) * ciLineHeight;
    lbl->setGeometry(ciLeft, iTop, ciLabelWidth, iHeight);
    lbl->show();
    iTop += iHeight + ciParagraphGap;
}

void TfrmRegistrationWizard::pFormatWelcomeScr(const QStringList &slKeys, int iIndex, int &iTop,
                                               QWidget *wParent, QString stText, QLabel *&lbl) {
    const QString stIndent(8, QLatin1Char(' '));
    const QString &stKey = slKeys[iIndex];
    const bool bURL = stKey.compare(QLatin1String("WSURL"), Qt::CaseInsensitive) == 0;
    if (stKey.compare(QLatin1String("WSTelephone"), Qt::CaseInsensitive) == 0)
        stText = stIndent + stText + QLatin1Char(' ') + stTechSupportPhone;
    else if (bURL)
        stText = stIndent + stText;
    if (iIndex == 0)
        iTop = ciFirstTop;
    const int iParagraphTop = iTop;
    pAddLabel(lbl, stText, iTop, wParent);
    if (bURL)
        pAddWebLink(lbl, iParagraphTop, wParent);
}

void TfrmRegistrationWizard::pFormatSiteRegScr(const QStringList &slKeys, int iIndex, int &iTop,
                                               QWidget *wParent, QString stText, QLabel *&lbl) {
    const QString &stKey = slKeys[iIndex];
    if (stKey.compare(QLatin1String("SRTelephone"), Qt::CaseInsensitive) == 0)
        stText += QLatin1Char(' ') + stTechSupportPhone + QLatin1Char('.');
    else if (stKey.compare(QLatin1String("SRManualEntry"), Qt::CaseInsensitive) == 0)
        stText += QLatin1Char(' ') + fnstRS(rs::rsManualEntryKeys) + QLatin1Char('.');
    if (iIndex == 0)
        iTop = ciFirstTop;
    pAddLabel(lbl, stText, iTop, wParent);
}

// The carrier's web address follows the paragraph's text on the same line, as
// a link that opens the user's browser.
void TfrmRegistrationWizard::pAddWebLink(QLabel *lblParagraph, int iTop, QWidget *wParent) {
    lblParagraph->setWordWrap(false);
    const int iTextWidth = std::min(lblParagraph->sizeHint().width(), ciLabelWidth);
    lblParagraph->resize(iTextWidth, lblParagraph->height());
    auto *lblLink = new QLabel(wParent);
    lblLink->setObjectName(QStringLiteral("lblWelcomeURL"));
    lblLink->setFont(wParent->font());
    lblLink->setTextFormat(Qt::RichText);
    const QString stAddress = stUserURL.toHtmlEscaped();
    lblLink->setText(
        QStringLiteral("<a href=\"%1\" style=\"color:#0000ff; text-decoration:underline;\">%1</a>")
            .arg(stAddress));
    lblLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblLink->setCursor(Qt::PointingHandCursor);
    connect(lblLink, &QLabel::linkActivated, this, &pOpenWebAddress);
    lblLink->adjustSize();
    lblLink->move(ciLeft + iTextWidth + 4, iTop);
    lblLink->show();
    arWelcomeLabels.push_back(lblLink);
}
