// The wizard's process entry.
//   RegistrationWizard [--screenshot FILE]
// With --screenshot the wizard renders the page shown after start-up into FILE
// and ends; message boxes are then answered with their default button and
// printed to standard error, so a run without a display shows what a user
// would have been told.
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

void pTakeScreenshot(TfrmRegistrationWizard &frm, const QString &stFile) {
    if (frm.isVisible() && frm.grab().save(stFile, "PNG"))
        std::printf("%s\n", qPrintable(stFile));
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
    parser.addOption(optScreenshot);
    parser.addHelpOption();
    parser.process(app);
    const QString stScreenshot = parser.value(optScreenshot);
    if (!stScreenshot.isEmpty())
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
    if (!stScreenshot.isEmpty())
        QTimer::singleShot(0, &frmRegistrationWizard,
                           [&] { pTakeScreenshot(frmRegistrationWizard, stScreenshot); });
    return QApplication::exec();
}
