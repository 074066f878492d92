// The help folder's names, its context map and the help window.
#include "unitHelpFile.h"

#include "unitLanguage.h"
#include "unitLogToFile.h"
#include "unitSummaryResourceStrings.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include <utility>

namespace {
THelpOpener &fnOpener() {
    static THelpOpener fn;
    return fn;
}

QPointer<QTextBrowser> &fnHelpWindow() {
    static QPointer<QTextBrowser> p;
    return p;
}

// One window for every topic: a second request shows its topic there.
void pShowInHelpWindow(const QString &stHelpFolder, int iContext) {
    QPointer<QTextBrowser> &wnd = fnHelpWindow();
    if (!wnd) {
        wnd = new QTextBrowser;
        wnd->setAttribute(Qt::WA_DeleteOnClose);
        wnd->setObjectName(QStringLiteral("wbrHelp"));
        wnd->setWindowTitle(fnstRS(rssum::rsHelpCaption));
        wnd->resize(520, 420);
    }
    const QString stTopic = fnstHelpTopic(stHelpFolder, iContext);
    const QString stFile = stTopic.section(QLatin1Char('#'), 0, 0);
    const QString stPath = QDir(stHelpFolder).absoluteFilePath(stFile);
    if (stTopic.isEmpty() || !QFile::exists(stPath)) {
        pWriteLog(2, QStringLiteral("unitHelpFile"), QStringLiteral("pOpenHelpContext"),
                  QStringLiteral("No help topic for context %1 in ").arg(iContext) + stHelpFolder);
        wnd->setPlainText(fnstRS(rssum::rsHelpTopicNotFound) + QStringLiteral("."));
    } else {
        QUrl url = QUrl::fromLocalFile(stPath);
        url.setFragment(stTopic.section(QLatin1Char('#'), 1), QUrl::DecodedMode);
        wnd->setSource(url);
    }
    wnd->show();
    wnd->raise();
}
} // namespace

QString fnstHelpFileBaseName(const QString &stLanguage, THelpFileKind kind) {
    return (kind == hfkAdmin ? QStringLiteral("Help_Admin_") : QStringLiteral("Help_")) +
           fnstLanguageFileSuffix(stLanguage);
}

QString fnstHelpFileName(const QString &stLanguage, THelpFileKind kind) {
    return fnstHelpFileBaseName(stLanguage, kind) + QStringLiteral(".chm");
}

QString fnstHelpTopic(const QString &stHelpFolder, int iContext) {
    QFile file(QDir(stHelpFolder).filePath(QStringLiteral("context.map")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    while (!file.atEnd()) {
        const QString stLine = QString::fromUtf8(file.readLine()).trimmed();
        const qsizetype iEquals = stLine.indexOf(QLatin1Char('='));
        bool bNumber = false;
        if (iEquals > 0 && stLine.left(iEquals).trimmed().toInt(&bNumber) == iContext && bNumber)
            return stLine.mid(iEquals + 1).trimmed();
    }
    return {};
}

void pOpenHelpContext(const QString &stHelpFolder, int iContext) {
    if (fnOpener())
        fnOpener()(stHelpFolder, iContext);
    else
        pShowInHelpWindow(stHelpFolder, iContext);
}

THelpOpener pSetHelpOpener(THelpOpener fnNew) {
    return std::exchange(fnOpener(), std::move(fnNew));
}

void pCloseHelpWindows() {
    if (QPointer<QTextBrowser> &wnd = fnHelpWindow())
        wnd->close();
}
