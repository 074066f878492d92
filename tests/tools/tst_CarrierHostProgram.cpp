// The carrier-host program: its command line, the address it prints, its
// log lines and a clean stop on SIGTERM.
#include "tstCarrierHostHelpers.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
// The URL the program prints once it listens; empty when it does not.
QString fnstWaitForUrl(QProcess &objProcess) {
    const QRegularExpression reListening(
        QStringLiteral("^carrier-host: listening on (http://127\\.0\\.0\\.1:\\d+/)$"));
    const auto match = reListening.match(fnslFirstLines(objProcess, 1).value(0));
    return match.hasMatch() ? match.captured(1) : QString();
}
} // namespace

TEST(CarrierHostProgram, ServesUntilSigterm) {
    QTemporaryDir dirWork;
    QProcess objProcess;
    objProcess.start(fnstCarrierHostProgram(),
                     {QStringLiteral("--database"), dirWork.filePath(QStringLiteral("host.db")),
                      QStringLiteral("--fail"), QStringLiteral("http500"),
                      QStringLiteral("--fail-once")});
    ASSERT_TRUE(objProcess.waitForStarted(10000));
    const QString stUrl = fnstWaitForUrl(objProcess);
    ASSERT_FALSE(stUrl.isEmpty()) << objProcess.readAllStandardError().constData();

    const QByteArray baForm = fnbaRegistrationForm(fnbaSiteRegsFile(TrecTestSite{}));
    EXPECT_EQ(fnrecPost(stUrl, baForm).iStatus, 500);
    const TrecHttpReply recReply = fnrecPost(stUrl, baForm);
    EXPECT_EQ(recReply.iStatus, 200);
    const QByteArray baSiteId = fnbaField(fnarReplyFields(recReply), "site_id");
    EXPECT_TRUE(fnbPassesManualSiteIdRule(QString::fromLatin1(baSiteId)));

    objProcess.terminate();
    ASSERT_TRUE(objProcess.waitForFinished(10000));
    EXPECT_EQ(objProcess.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(objProcess.exitCode(), 0);
    const QList<QByteArray> arLines = objProcess.readAllStandardError().trimmed().split('\n');
    ASSERT_EQ(arLines.size(), 3);
    EXPECT_TRUE(arLines[0].contains(" POST / 500 ")) << arLines[0].constData();
    EXPECT_TRUE(arLines[1].contains(" POST / 200 REGP " + baSiteId)) << arLines[1].constData();
    EXPECT_EQ(arLines[2], "carrier-host: stopped on signal 15");
}

TEST(CarrierHostProgram, RefusesBadCommandLines) {
    const struct {
        QStringList slArguments;
        int iExitCode;
        const char *pchError;
    } arCases[] = {
        {{QStringLiteral("--fail"), QStringLiteral("sometimes")}, 2, "unknown --fail mode"},
        {{QStringLiteral("--fail-once")}, 2, "--fail-once needs --fail"},
        {{QStringLiteral("--port"), QStringLiteral("70000")}, 2, "--port needs"},
        {{QStringLiteral("--hang-limit"), QStringLiteral("61")}, 2, "--hang-limit needs"},
        {{QStringLiteral("--cert"), QStringLiteral("/nonexistent.pem")},
         1,
         "both a certificate and a key"},
    };
    QTemporaryDir dirWork;
    for (const auto &rec : arCases) {
        QProcess objProcess;
        objProcess.start(
            fnstCarrierHostProgram(),
            QStringList{QStringLiteral("--database"), dirWork.filePath(QStringLiteral("h.db"))} +
                rec.slArguments);
        ASSERT_TRUE(objProcess.waitForFinished(10000)) << rec.pchError;
        EXPECT_EQ(objProcess.exitCode(), rec.iExitCode) << rec.pchError;
        EXPECT_TRUE(objProcess.readAllStandardError().contains(rec.pchError)) << rec.pchError;
    }
}
