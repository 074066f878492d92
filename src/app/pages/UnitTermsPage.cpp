// The terms-and-conditions page.
#include "UnitTermsPage.h"

#include "ui_UnitTermsPage.h"

#include "unitGlobalData.h"
#include "UnitHourglass.h"
#include "unitLogToFile.h"
#include "unitPrintDocument.h"
#include "unitSummaryResourceStrings.h"
#include "unitWizardMessages.h"
#include "unitWizardResourceStrings.h"

#include <QFile>
#include <QPrinter>
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

TfraTermsPage::TfraTermsPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraTermsPage>()) {
    ui->setupUi(this);
    connect(ui->btnPrint, &QPushButton::clicked, this, &TfraTermsPage::btnPrintClick);
}

TfraTermsPage::~TfraTermsPage() = default;

void TfraTermsPage::pInitializeComponents() {
    ui->btnPrint->setText(fnstRS(rs::rsPrintTerms));
    QPalette palTerms = ui->redtTermsNConditions->palette();
    palTerms.setColor(QPalette::Base, palTerms.color(QPalette::Button));
    ui->redtTermsNConditions->setPalette(palTerms);
}

QWidget *TfraTermsPage::fnwFirstField() const {
    return ui->redtTermsNConditions;
}

void TfraTermsPage::pLoadTermsAndConditions(const QString &stInfoDir,
                                            const QString &stLanguageFileSuffix) {
    const QString stTermsFile =
        QStringLiteral("TermsAndConditions_%1.txt").arg(stLanguageFileSuffix).toLower();
    bool bFound = false;
    QString stText = fnstReadText(fnstResolvePath(stInfoDir + stTermsFile), bFound);
    if (!bFound)
        stText = fnstReadText(
            fnstResolvePath(stInfoDir + QStringLiteral("termsandconditions_english.txt")), bFound);
    ui->redtTermsNConditions->setPlainText(stText);
    // The text keeps a small inset from the box's edges: 10 pixels left and
    // right, 2 above, 5 below.
    QTextDocument *pDocument = ui->redtTermsNConditions->document();
    pDocument->setDocumentMargin(0);
    QTextFrameFormat fmtRoot = pDocument->rootFrame()->frameFormat();
    fmtRoot.setLeftMargin(10);
    fmtRoot.setRightMargin(10);
    fmtRoot.setTopMargin(2);
    fmtRoot.setBottomMargin(5);
    pDocument->rootFrame()->setFrameFormat(fmtRoot);
}

void TfraTermsPage::btnPrintClick() {
    const QString stUnit = QStringLiteral("unitRegistrationWizard");
    const QString stMethod = QStringLiteral("btnPrintClick");
    ui->btnPrint->setEnabled(false);
    try {
        const TclsHourglass objHourglass;
        QPrinter printer(QPrinter::HighResolution);
        if (fnbRunPrintDialog(printer, window()) &&
            !fnbPrintCopies(*ui->redtTermsNConditions->document(), printer)) {
            pWriteLog(3, stUnit, stMethod, QStringLiteral("Error sending job to printer."));
            pWarnUser(fnstRS(rssum::rsErrorSendingJob) + QStringLiteral("."));
        }
    } catch (const std::exception &e) {
        pWriteLog(3, stUnit, stMethod, QString::fromLocal8Bit(e.what()));
    }
    ui->btnPrint->setEnabled(true);
}
