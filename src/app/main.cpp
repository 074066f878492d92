// The wizard's process entry.
//   RegistrationWizard [--screenshot FILE | --quit-when-shown]
// With --screenshot the wizard renders the page shown after start-up into FILE
// and ends; with --quit-when-shown it ends as soon as that page is painted (the
// start-up benchmark). In both, message boxes are answered with their default
// button and printed to standard error, so a run without a display shows what a
// user would have been told.
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitDataModule.h"
#include "unitGlobalData.h"
#include "UnitMsgDialog.h"
#include "unitRegistrationWizard.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>

namespace {
// The account/product matrix the configuration cache hands out at start.
std::vector<TclsAccountProductMatrixData> garAccountProductMatrix;

// Runs once the event loop has shown the window: paints it, saves the picture
// when asked to, and ends the program.
void pEndWhenShown(TfrmRegistrationWizard &frm, const QString &stScreenshot) {
    if (frm.isVisible()) {
        frm.repaint();
        if (!stScreenshot.isEmpty() && frm.grab().save(stScreenshot, "PNG"))
            std::printf("%s\n", qPrintable(stScreenshot));
    }
    QCoreApplication::exit(0);
}
} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("ZorvMorvaneRegistrationWizard"));
    pSetExecutableDir(QCoreApplication::applicationDirPath());

    QCommandLineParser parser;
    const QCommandLineOption optScreenshot(QStringLiteral("screenshot"),
                                           QStringLiteral("Render the first page to FILE and end."),
                                           QStringLiteral("FILE"));
    const QCommandLineOption optQuitWhenShown(QStringLiteral("quit-when-shown"),
                                              QStringLiteral("End once the first page is shown."));
    parser.addOptions({optScreenshot, optQuitWhenShown});
    parser.addHelpOption();
    parser.process(app);
    const QString stScreenshot = parser.value(optScreenshot);
    const bool bEndWhenShown = !stScreenshot.isEmpty() || parser.isSet(optQuitWhenShown);
    if (bEndWhenShown)
        pSetMessageAnswerer(fniAnswerWithDefault);

    TdmMorvaneV5 dmMorvaneV5;
    dmMorvaneV5.fniConnect(); // a failure is reported by the form's first read
    TfrmRegistrationWizard frmRegistrationWizard;
    try {
        garAccountProductMatrix.clear();
        fniGetAccountProductMatrixData(garAccountProductMatrix);
    } catch (...) {
        // The matrix only serves the account checks; start-up goes on without it.
    }
    frmRegistrationWizard.show();
    if (bEndWhenShown)
        QTimer::singleShot(0, &frmRegistrationWizard,
                           [&] { pEndWhenShown(frmRegistrationWizard, stScreenshot); });
    return QApplication::exec();
}
