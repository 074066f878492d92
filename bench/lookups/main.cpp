// The lookup benchmarks: each measurement prints its own figures.
//   bench_lookups
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>

void pMeasureIncrementalSearch();

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    pMeasureIncrementalSearch();
    return 0;
}
