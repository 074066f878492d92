// The wizard's process entry.
//   RegistrationWizard [--screenshot FILE | --screenshots DIR | --quit-when-shown]
//   RegistrationWizard --answers FILE [--check] [--site-id ID]
// With --screenshot the wizard renders the page shown after start-up into FILE
// and ends; with --screenshots it shows every page in turn, offscreen, and
// saves one picture per page in DIR; with --quit-when-shown it ends as soon as
// that page is painted (the start-up benchmark). In all, message boxes are
// answered with their default button and printed to standard error, so a run
// without a display shows what a user would have been told. With --answers the
// wizard registers the site from an answers file without a display
// (docs/answers.md).
#include "UnitConfigDataCacheDLLAccess.h"
#include "UnitDataModule.h"
#include "unitGlobalData.h"
#include "UnitMsgDialog.h"
#include "unitRegistrationWizard.h"
#include "unitRegistrationWizard_Screenshots.h"
#include "UnitUnattendedRun.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>

namespace {
// The account/product matrix the configuration cache hands out at start.
std::vector<TclsAccountProductMatrixData> garAccountProductMatrix;

void pFetchAccountProductMatrix() {
    try {
        garAccountProductMatrix.clear();
        fniGetAccountProductMatrixData(garAccountProductMatrix);
    } catch (...) {
        // The matrix only serves the account checks; start-up goes on without it.
    }
}

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

// An answers-file run, the page pictures, --help and --version need no
// display (and a display must not see thirteen pages flash by): unless a
// platform was chosen, the offscreen one is taken, before the application
// object picks one.
void pChooseOffscreen(int argc, char *argv[]) {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    for (int i = 1; i < argc; ++i) {
        const QByteArray baArg(argv[i]);
        if (baArg == "--answers" || baArg.startsWith("--answers=") || baArg == "-answers" ||
            baArg == "--screenshots" || baArg.startsWith("--screenshots=") || baArg == "--help" ||
            baArg == "-h" || baArg == "--version" || baArg == "-v") {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return;
        }
    }
}
} // namespace

int main(int argc, char *argv[]) {
    pChooseOffscreen(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(WIZARD_VERSION));
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
    const QCommandLineOption optAnswers(
        QStringLiteral("answers"),
        QStringLiteral("Register the site from the answers FILE without a display."),
        QStringLiteral("FILE"));
    const QCommandLineOption optCheck(
        QStringLiteral("check"),
        QStringLiteral("With --answers: check every page, save and send nothing."));
    const QCommandLineOption optSiteId(
        QStringLiteral("site-id"),
        QStringLiteral("With --answers: register manually with the site ID the carrier gave."),
        QStringLiteral("ID"));
    parser.addOptions({optAnswers, optCheck, optSiteId});
    parser.setApplicationDescription(
        QStringLiteral("The Morvane registration wizard. Exit codes with --answers: 0 "
                       "registered (or checked), 1 not run, 2 a page refused its data, 3 the "
                       "registration failed."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    if ((parser.isSet(optCheck) || parser.isSet(optSiteId)) && !parser.isSet(optAnswers)) {
        std::fprintf(stderr, "--check and --site-id need --answers FILE.\n");
        return 1;
    }
    if (parser.isSet(optCheck) && parser.isSet(optSiteId)) {
        std::fprintf(stderr, "--check and --site-id cannot be given together.\n");
        return 1;
    }
    const QString stScreenshot = parser.value(optScreenshot);
    const QString stScreenshotDir = parser.value(optScreenshots);
    const bool bEndWhenShown =
        !stScreenshot.isEmpty() || !stScreenshotDir.isEmpty() || parser.isSet(optQuitWhenShown);
    if (bEndWhenShown)
        pSetMessageAnswerer(fniAnswerWithDefault);

    TdmMorvaneV5 dmMorvaneV5;
    dmMorvaneV5.fniConnect(); // a failure is reported by the form's first read
    if (parser.isSet(optAnswers)) {
        pFetchAccountProductMatrix();
        TrecUnattendedOptions recRun;
        recRun.stAnswersFile = parser.value(optAnswers);
        recRun.bCheckOnly = parser.isSet(optCheck);
        recRun.stManualSiteId = parser.value(optSiteId).trimmed();
        return fniRunUnattended(recRun);
    }
    TfrmRegistrationWizard frmRegistrationWizard;
    pFetchAccountProductMatrix();
    frmRegistrationWizard.show();
    if (!stScreenshotDir.isEmpty())
        QTimer::singleShot(0, &frmRegistrationWizard,
                           [&] { pSavePagesWhenShown(frmRegistrationWizard, stScreenshotDir); });
    else if (bEndWhenShown)
        QTimer::singleShot(0, &frmRegistrationWizard,
                           [&] { pEndWhenShown(frmRegistrationWizard, stScreenshot); });
    return QApplication::exec();
}
