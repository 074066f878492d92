// The wizard's process entry.
//   RegistrationWizard [--screenshot FILE | --screenshots DIR | --quit-when-shown]
// With --screenshot the wizard renders the page shown after start-up into FILE
// and ends; with --screenshots it shows every page in turn, offscreen, and
// saves one picture per page in DIR; with --quit-when-shown it ends as soon as
// that page is painted (the start-up benchmark). In all, message boxes are
// answered with their default button and printed to standard error, so a run
// without a display shows what a user would have been told.
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitDataModule.h"
#include "unitGlobalData.h"
#include "UnitMsgDialog.h"
#include "unitRegistrationWizard.h"
#include "unitRegistrationWizard_Screenshots.h"

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

// Every page into stDir, each path printed as a user would look for it; 1
// when the wizard did not start or a picture could not be written.
void pSavePagesWhenShown(TfrmRegistrationWizard &frm, const QString &stDir) {
    if (!frm.isVisible()) {
        QCoreApplication::exit(1);
        return;
    }
    const QStringList slSaved = fnslSavePageScreenshots(frm, stDir);
    for (const QString &stFile : slSaved)
        std::printf("%s\n", qPrintable(stFile));
    const bool bAllSaved = slSaved.size() == wpRegistrationCompleted + 1;
    if (!bAllSaved)
        std::fprintf(stderr, "The pictures could not be written to %s\n", qPrintable(stDir));
    QCoreApplication::exit(bAllSaved ? 0 : 1);
}

// The pictures are the same with or without a display, and a display must
// not see thirteen pages flash by: the option is looked for before Qt picks
// its platform.
bool fnbAskedForScreenshots(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray baArg(argv[i]);
        if (baArg == "--screenshots" || baArg.startsWith("--screenshots="))
            return true;
    }
    return false;
}
} // namespace

int main(int argc, char *argv[]) {
    if (fnbAskedForScreenshots(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    const QCommandLineOption optScreenshots(QStringLiteral("screenshots"),
                                            QStringLiteral("Render every page into DIR and end."),
                                            QStringLiteral("DIR"));
    parser.addOptions({optScreenshot, optScreenshots, optQuitWhenShown});
    parser.addHelpOption();
    parser.process(app);
    const QString stScreenshot = parser.value(optScreenshot);
    const QString stScreenshotDir = parser.value(optScreenshots);
    const bool bEndWhenShown =
        !stScreenshot.isEmpty() || !stScreenshotDir.isEmpty() || parser.isSet(optQuitWhenShown);
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
    if (!stScreenshotDir.isEmpty())
        QTimer::singleShot(0, &frmRegistrationWizard,
                           [&] { pSavePagesWhenShown(frmRegistrationWizard, stScreenshotDir); });
    else if (bEndWhenShown)
        QTimer::singleShot(0, &frmRegistrationWizard,
                           [&] { pEndWhenShown(frmRegistrationWizard, stScreenshot); });
    return QApplication::exec();
}
