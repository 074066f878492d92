// Start-up benchmark: the wizard started offscreen on an installation until
// its first page is painted, against a bare Qt Widgets window of the same size
// doing the same, alternating, several runs each. Prints the median wall time
// and peak memory of both and their ratio.
//   startup INSTALLATION_ROOT [RUNS]
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {
struct TrecRun {
    double dMilliseconds = 0;
    long iPeakKiB = 0;
};

// The yardstick: a window shown, painted once when the event loop runs, closed.
int fniBareWindow(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget w;
    w.resize(717, 467);
    w.show();
    QTimer::singleShot(0, &w, [&] {
        w.repaint();
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}

std::optional<TrecRun> fnrecRun(const std::vector<std::string> &arArgs, const std::string &stDir) {
    std::vector<char *> arArgv;
    for (const auto &st : arArgs)
        arArgv.push_back(const_cast<char *>(st.c_str()));
    arArgv.push_back(nullptr);
    const std::string stCwd = QDir::currentPath().toStdString();
    if (chdir(stDir.c_str()) != 0)
        return std::nullopt;
    const auto tStart = std::chrono::steady_clock::now();
    // The programs' own output (the picture's path) is not the benchmark's.
    posix_spawn_file_actions_t recActions;
    posix_spawn_file_actions_init(&recActions);
    posix_spawn_file_actions_addopen(&recActions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int iSpawn = posix_spawn(&pid, arArgv[0], &recActions, nullptr, arArgv.data(), environ);
    posix_spawn_file_actions_destroy(&recActions);
    if (chdir(stCwd.c_str()) != 0 || iSpawn != 0)
        return std::nullopt;
    int iStatus = 0;
    rusage recUsage{};
    if (wait4(pid, &iStatus, 0, &recUsage) != pid || !WIFEXITED(iStatus) ||
        WEXITSTATUS(iStatus) != 0)
        return std::nullopt;
    const auto tEnd = std::chrono::steady_clock::now();
    return TrecRun{std::chrono::duration<double, std::milli>(tEnd - tStart).count(),
                   recUsage.ru_maxrss};
}

template <class F> double fndMedian(const std::vector<TrecRun> &arRuns, F fnValue) {
    std::vector<double> ar;
    for (const auto &rec : arRuns)
        ar.push_back(fnValue(rec));
    std::sort(ar.begin(), ar.end());
    return ar.empty()      ? 0
           : ar.size() % 2 ? ar[ar.size() / 2]
                           : (ar[ar.size() / 2 - 1] + ar[ar.size() / 2]) / 2;
}
} // namespace

int main(int argc, char *argv[]) {
    if (argc == 2 && std::string(argv[1]) == "--bare")
        return fniBareWindow(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup INSTALLATION_ROOT [RUNS]\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string stRoot = QDir(QString::fromLocal8Bit(argv[1])).absolutePath().toStdString();
    const int iRuns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    const std::string stBin = stRoot + "/Bin";
    const std::string stSelf = QDir(QString::fromLocal8Bit(argv[0])).absolutePath().toStdString();
    std::vector<TrecRun> arWizard, arBare;
    for (int i = 0; i < iRuns; ++i) {
        auto recWizard = fnrecRun({stBin + "/RegistrationWizard", "--quit-when-shown"}, stBin);
        auto recBare = fnrecRun({stSelf, "--bare"}, stBin);
        if (!recWizard || !recBare) {
            std::fprintf(stderr, "run %d failed (is %s an installation?)\n", i + 1, stRoot.c_str());
            return 1;
        }
        arWizard.push_back(*recWizard);
        arBare.push_back(*recBare);
    }
    auto fnTime = [](const TrecRun &rec) { return rec.dMilliseconds; };
    auto fnMemory = [](const TrecRun &rec) { return double(rec.iPeakKiB); };
    const double dWizardTime = fndMedian(arWizard, fnTime), dBareTime = fndMedian(arBare, fnTime);
    const double dWizardMemory = fndMedian(arWizard, fnMemory),
                 dBareMemory = fndMedian(arBare, fnMemory);
    std::printf("runs each:          %d\n", iRuns);
    std::printf("wizard, median:     %8.1f ms  %8.0f KiB peak\n", dWizardTime, dWizardMemory);
    std::printf("bare window, median:%8.1f ms  %8.0f KiB peak\n", dBareTime, dBareMemory);
    std::printf("ratio wizard/bare:  %8.2f time  %8.2f memory\n", dWizardTime / dBareTime,
                dWizardMemory / dBareMemory);
    return 0;
}
