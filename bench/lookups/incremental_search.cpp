// Incremental search over every airport of a demo installation (reference
// data on): the directory's search list is opened once, then names are typed
// key by key, with corrections, as a user looking for a city would. Each
// keystroke is timed from the key event to the grid painted again; the median
// and the worst are printed.
#include "unitGlobalData.h"
#include "UnitInstallationBuilder.h"
#include "UnitSearchList.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
double fndKeystroke(TfrmTransferList &frm, Qt::Key key, const QString &stText) {
    const auto tStart = std::chrono::steady_clock::now();
    QKeyEvent evPress(QEvent::KeyPress, key, Qt::NoModifier, stText);
    QKeyEvent evRelease(QEvent::KeyRelease, key, Qt::NoModifier, stText);
    QCoreApplication::sendEvent(frm.edtSearch, &evPress);
    QCoreApplication::sendEvent(frm.edtSearch, &evRelease);
    frm.grdList->viewport()->repaint();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - tStart)
        .count();
}

// Types the word and takes it back again, key by key.
void pTypeWord(TfrmTransferList &frm, const QString &stWord, std::vector<double> &arTimes) {
    for (const QChar ch : stWord)
        arTimes.push_back(fndKeystroke(frm, Qt::Key(ch.toUpper().unicode()), QString(ch)));
    for (qsizetype i = 0; i < stWord.size(); ++i)
        arTimes.push_back(fndKeystroke(frm, Qt::Key_Backspace, {}));
}
} // namespace

void pMeasureIncrementalSearch() {
    QTemporaryDir dir;
    TrecInstallationOptions rec;
    rec.recSources = fnrecDefaultReferenceSources();
    rec.bReferenceData = true;
    const QString stRoot = dir.filePath(QStringLiteral("Installation"));
    QString stError;
    if (!fnbMakeInstallation(stRoot, rec, stError)) {
        std::fprintf(stderr, "incremental search: %s\n", qPrintable(stError));
        return;
    }
    QDir::setCurrent(stRoot + QStringLiteral("/Bin"));
    pSetExecutableDir(stRoot + QStringLiteral("/Bin"));

    TfrmTransferList frm(fnrecDirectoryAdaptor());
    if (frm.fniLoad() != 0) {
        std::fprintf(stderr, "incremental search: the directory could not be read\n");
        return;
    }
    frm.show();
    QCoreApplication::processEvents();
    frm.edtSearch->setFocus();
    const int iRows = frm.fnmdlRows()->rowCount();

    std::vector<double> arTimes;
    const QStringList slWords{QStringLiteral("san francisco"), QStringLiteral("frankfurt"),
                              QStringLiteral("london"),        QStringLiteral("new york"),
                              QStringLiteral("melbourne"),     QStringLiteral("bangkok"),
                              QStringLiteral("sao paulo"),     QStringLiteral("kuala lumpur")};
    for (int iRound = 0; iRound < 5; ++iRound)
        for (const QString &stWord : slWords)
            pTypeWord(frm, stWord, arTimes);

    std::sort(arTimes.begin(), arTimes.end());
    std::printf("incremental search over %d airports, %zu keystrokes: median %.3f ms, 95th "
                "percentile %.3f ms, worst %.3f ms (goal: at most 8 ms)\n",
                iRows, arTimes.size(), arTimes[arTimes.size() / 2],
                arTimes[arTimes.size() * 95 / 100], arTimes.back());
}
