// Printing a text document copy by copy.
#include "unitPrintDocument.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>
#include <memory>
#include <utility>

namespace {
TPrintDialogRunner &fnRunner() {
    static TPrintDialogRunner fn;
    return fn;
}
} // namespace

bool fnbRunPrintDialog(QPrinter &printer, QWidget *wParent) {
    if (fnRunner())
        return fnRunner()(printer, wParent);
    QPrintDialog dlg(&printer, wParent);
    return dlg.exec() == QDialog::Accepted;
}

TPrintDialogRunner pSetPrintDialogRunner(TPrintDialogRunner fnNew) {
    return std::exchange(fnRunner(), std::move(fnNew));
}

QString fnstCopyOutputFile(const QString &stOutputFile, int iCopy) {
    if (iCopy <= 1 || stOutputFile.isEmpty())
        return stOutputFile;
    const QFileInfo fi(stOutputFile);
    const QString stSuffix = fi.suffix().isEmpty() ? QString() : QLatin1Char('.') + fi.suffix();
    return fi.path() + QLatin1Char('/') + fi.completeBaseName() + QStringLiteral("_%1").arg(iCopy) +
           stSuffix;
}

bool fnbPrintCopies(const QTextDocument &docText, QPrinter &printer) {
    const int iCopies = std::max(1, printer.copyCount());
    const QString stOutputFile = printer.outputFileName();
    // Each copy is a job of its own: the printer must not repeat a job.
    printer.setCopyCount(1);
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(1, 1, 1, 1), QPageLayout::Inch);
    // Laid out for the paper, not for the text box on the page.
    const std::unique_ptr<QTextDocument> docPrint(docText.clone());
    for (int iCopy = 1; iCopy <= iCopies; ++iCopy) {
        if (!stOutputFile.isEmpty())
            printer.setOutputFileName(fnstCopyOutputFile(stOutputFile, iCopy));
        docPrint->print(&printer);
        if (printer.printerState() == QPrinter::Error)
            return false;
        QCoreApplication::processEvents();
    }
    printer.setOutputFileName(stOutputFile);
    return true;
}
