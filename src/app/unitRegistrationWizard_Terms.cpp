// The terms-and-conditions page: the installation's terms text, in the
// installation's language when there is such a file, else in English.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard_Terms.h"

#include "unitGlobalData.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTextFrame>

namespace {
// The terms files are written in UTF-8 or in the single-byte code page of
// older installations; text that is not valid UTF-8 is read as Latin-1.
QString fnstReadText(const QString &stFile, bool &bFound) {
    QFile file(stFile);
    bFound = file.open(QIODevice::ReadOnly);
    if (!bFound)
        return {};
    const QByteArray ba = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString st = decoder(ba);
    if (decoder.hasError())
        st = QString::fromLatin1(ba);
    return st.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
} // namespace

void TfrmRegistrationWizard::pLoadTermsAndConditions() {
    const QString stInfo = stBaseDir + QStringLiteral("InfoFiles/");
    stTermsFile = QStringLiteral("TermsAndConditions_%1.txt").arg(stLanguageFileSuffix).toLower();
    bool bFound = false;
    QString stText = fnstReadText(fnstResolvePath(stInfo + stTermsFile), bFound);
    if (!bFound)
        stText = fnstReadText(
            fnstResolvePath(stInfo + QStringLiteral("termsandconditions_english.txt")), bFound);
    uiTerms->redtTermsNConditions->setPlainText(stText);
    // The text keeps a small inset from the box's edges: 10 pixels left and
    // right, 2 above, 5 below.
    QTextDocument *pDocument = uiTerms->redtTermsNConditions->document();
    pDocument->setDocumentMargin(0);
    QTextFrameFormat fmtRoot = pDocument->rootFrame()->frameFormat();
    fmtRoot.setLeftMargin(10);
    fmtRoot.setRightMargin(10);
    fmtRoot.setTopMargin(2);
    fmtRoot.setBottomMargin(5);
    pDocument->rootFrame()->setFrameFormat(fmtRoot);
}
