// Lookups benchmark: the wizard's per-field lookups on the sender page against
// bare library calls doing the same work, in the same run, then the search
// list's incremental search key by key.
//   lookups [RUNS]
// Builds a throw-away installation with the phone-number rules, the phone
// metadata file and the phone-number library from this program's folder.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "UnitLookupBench.h"

#include "UnitAccessToDatabaseDLL.h"
#include "unitGlobalData.h"
#include "UnitInstallationBuilder.h"
#include "UnitMsgDialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
using TClock = std::chrono::steady_clock;

double fndMedian(std::vector<double> ar) {
    std::sort(ar.begin(), ar.end());
    return ar.empty()      ? 0
           : ar.size() % 2 ? ar[ar.size() / 2]
                           : (ar[ar.size() / 2 - 1] + ar[ar.size() / 2]) / 2;
}

template <class TFunction> bool fnbTimed(TFunction fn, std::vector<double> &arTimes) {
    const auto tStart = TClock::now();
    const bool bOk = fn();
    arTimes.push_back(std::chrono::duration<double, std::milli>(TClock::now() - tStart).count());
    return bOk;
}

bool fnbInstall(const QString &stRoot, QString &stError) {
    TrecInstallationOptions rec;
    rec.recSources = fnrecDefaultReferenceSources();
    rec.bReferenceData = false;
    rec.bPhoneRules = true;
    rec.bPhoneMetadata = true;
    if (!fnbMakeInstallation(stRoot, rec, stError))
        return false;
    const QString stLibrary = QStringLiteral("libLibphonenumberMorvane.so");
    if (!QFile::copy(QDir(QCoreApplication::applicationDirPath()).filePath(stLibrary),
                     stRoot + QStringLiteral("/Bin/") + stLibrary)) {
        stError = QStringLiteral("%1 is not beside the benchmark").arg(stLibrary);
        return false;
    }
    QDir::setCurrent(stRoot + QStringLiteral("/Bin"));
    pSetExecutableDir(stRoot + QStringLiteral("/Bin"));
    if (fniConnectDatabase(fnrecInstallationDatabaseSettings()) != 0) {
        stError = QStringLiteral("the installation's database could not be opened");
        return false;
    }
    return true;
}

bool fnbMeasure(const TrecLookupMeasurement &rec, int iRuns) {
    std::string stError;
    if (!rec.fnbPrepare(stError) || !rec.fnbWizardRound() || !rec.fnbBareRound()) {
        std::fprintf(stderr, "lookups: %s: %s\n", rec.stName.c_str(),
                     stError.empty() ? "the warm-up round failed" : stError.c_str());
        return false;
    }
    std::vector<double> arWizard, arBare;
    for (int i = 0; i < iRuns; ++i)
        if (!fnbTimed(rec.fnbWizardRound, arWizard) || !fnbTimed(rec.fnbBareRound, arBare)) {
            std::fprintf(stderr, "lookups: %s: run %d gave a wrong answer\n", rec.stName.c_str(),
                         i + 1);
            return false;
        }
    const double dWizard = fndMedian(arWizard), dBare = fndMedian(arBare);
    std::printf("%s (runs each: %d)\n", rec.stName.c_str(), iRuns);
    std::printf("  wizard, median: %8.3f ms\n", dWizard);
    std::printf("  bare, median:   %8.3f ms\n", dBare);
    std::printf("  ratio:          %8.2f (goal %s)\n", dWizard / dBare, rec.stGoal.c_str());
    return true;
}
} // namespace

std::vector<TrecLookupMeasurement> &fnarLookupMeasurements() {
    static std::vector<TrecLookupMeasurement> ar;
    return ar;
}

bool fnbRegisterLookupMeasurement(TrecLookupMeasurement rec) {
    fnarLookupMeasurements().push_back(std::move(rec));
    return true;
}

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int iRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    pSetMessageAnswerer(fniAnswerWithDefault);
    QTemporaryDir dir;
    QString stError;
    if (!fnbInstall(dir.filePath(QStringLiteral("Installation")), stError)) {
        std::fprintf(stderr, "lookups: %s\n", qPrintable(stError));
        return 1;
    }
    bool bOk = true;
    for (const TrecLookupMeasurement &rec : fnarLookupMeasurements())
        bOk = fnbMeasure(rec, iRuns) && bOk;
    pDisconnectDatabase();
    pMeasureIncrementalSearch();
    return bOk ? 0 : 1;
}
