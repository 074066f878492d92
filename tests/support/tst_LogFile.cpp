// The manifest log: which names it accepts and what its lines look like.
#include "tstSupportHelpers.h"
#include "unitGlobalData.h"
#include "unitLogFile.h"

#include <QDate>
#include <QRegularExpression>

namespace {

class LogFileTest : public ::testing::Test {
protected:
    void SetUp() override { pSetExecutableDir(stBin); }
    void TearDown() override { pSetExecutableDir({}); }

    TTempTree objTree;
    const QString stBin = objTree.pMakeDir("Client/Bin");
    const QString stLogs = objTree.pMakeDir("Client/Logs");
};

// The only test to touch the manifest log, which is made on first use.
TEST_F(LogFileTest, ManifestLogLiesInTheLogsFolderBesideBin) {
    const QString stBefore = QDate::currentDate().toString("ddMMyyyy");
    TLogFile &objLog = gobjManifestLog();
    const QString stAfter = QDate::currentDate().toString("ddMMyyyy");
    EXPECT_TRUE(objLog.fnstFileName() == stLogs + "/MorvaneManifest_" + stBefore + ".log" ||
                objLog.fnstFileName() == stLogs + "/MorvaneManifest_" + stAfter + ".log")
        << objLog.fnstFileName().toStdString();

    ASSERT_TRUE(objLog.fnbWriteLine("unitCommon|fnwstGetMaxUTF8String|Exception: Range"));
    objLog.TimeStamp = false;
    ASSERT_TRUE(objLog.fnbWriteLine("no stamp"));
    const QString stContent = QString::fromUtf8(fnbaReadFile(objLog.fnstFileName()));
    EXPECT_TRUE(QRegularExpression(R"(^\d\d:\d\d:\d\d:  unitCommon\|fnwstGetMaxUTF8String)"
                                   R"(\|Exception: Range\r\nno stamp\r\n$)")
                    .match(stContent)
                    .hasMatch())
        << stContent.toStdString();

    ASSERT_TRUE(QDir(stLogs).removeRecursively());
    EXPECT_FALSE(objLog.fnbWriteLine("the folder is gone"));
}

TEST_F(LogFileTest, NamesAreAcceptedOnlyWhereTheyCanBeWritten) {
    const QString stOther = objTree.pMakeDir("Other/Bin");
    const QString stElsewhere = objTree.pMakeDir("Elsewhere");
    const struct {
        const char *pchName;
        QString stExeDir;
        bool bUseLogsFolder;
        QString stName;
        QString stExpected; // empty: rejected, the previous name stays
    } arrCases[] = {
        {"bare name into LOGS", stBin, true, "m.log", stLogs + "/m.log"},
        {"LOGS folder missing", stOther, true, "m.log", {}},
        {"Windows path, folder matched ignoring case", stBin, true,
         stElsewhere.toUpper().replace('/', '\\') + "\\m.txt", stElsewhere + "/m.txt"},
        {"folder missing", stBin, true, stElsewhere + "/missing/m.txt", {}},
        {"bare name, logs folder off", stBin, false, "plain.log", "plain.log"},
    };
    for (const auto &objCase : arrCases) {
        SCOPED_TRACE(objCase.pchName);
        pSetExecutableDir(objCase.stExeDir);
        TLogFile objLog;
        objLog.UseLogsFolder = objCase.bUseLogsFolder;
        objLog.pSetFileName(stElsewhere + "/previous.log");
        objLog.pSetFileName(objCase.stName);
        EXPECT_EQ(objLog.ErrorCode, objCase.stExpected.isEmpty() ? 1 : 0);
        EXPECT_EQ(objLog.fnstFileName(), objCase.stExpected.isEmpty()
                                             ? stElsewhere + "/previous.log"
                                             : objCase.stExpected);
    }
}

} // namespace
