// The diagnostic trail: which configuration is read, where the file goes, what a
// line looks like and when nothing is written.
#include "tstSupportHelpers.h"
#include "unitGlobalData.h"
#include "unitLogToFile.h"

#include <QDate>
#include <QRegularExpression>

#include <optional>

namespace {

// The date is taken at construction; across midnight either day is accepted.
bool fnbDatedName(const QString &stFileName, const QString &stPrefix, const QDate &objBefore) {
    for (const QDate &objDate : {objBefore, QDate::currentDate()}) {
        const QString stDate =
            QString::asprintf("%02d%02d%04d", objDate.day(), objDate.month(), objDate.year());
        if (stFileName == stPrefix + stDate + ".log")
            return true;
    }
    return false;
}

QStringList fnslLines(const QString &stFile) {
    const QByteArray baContent = fnbaReadFile(stFile);
    EXPECT_TRUE(baContent.isEmpty() || baContent.endsWith("\r\n"));
    return QString::fromUtf8(baContent).split("\r\n", Qt::SkipEmptyParts);
}

// An installation whose Bin is both the executable's folder and the current one.
class LogToFileTest : public ::testing::Test {
protected:
    void SetUp() override { pSetExecutableDir(stBin); }
    void TearDown() override { pSetExecutableDir({}); }
    void pWriteConfig(const QString &stName, const QByteArray &baContent) {
        objTree.pWriteFile("Client/Config/" + stName, baContent);
    }

    TTempTree objTree;
    const QString stBin = objTree.pMakeDir("Client/Bin");
    const QString stLogs = objTree.pMakeDir("Client/Logs");
    const TCurrentDirGuard objCurrent{stBin};
};

TEST_F(LogToFileTest, WritesFromTheConfiguredSeverityOnInTheLineFormat) {
    // The global logger is built before the configuration exists: it stays off.
    pReplaceGlobalLogger(std::make_unique<TclsLogToFile>());
    pWriteLog(4, "unitTest", "pRun", "not configured yet");
    pWriteConfig("Installation.ini", "[Log]\r\nLogging=True\r\nSeverity=2\r\n");
    const QDate objToday = QDate::currentDate();
    const TclsLogToFile objLog;
    EXPECT_TRUE(fnbDatedName(objLog.FileName, stLogs + "/Morvane_", objToday));

    objLog.pWriteLog(1, "unitRWSenders", "fnstValidate", "Invalid sender code");
    EXPECT_FALSE(QFile::exists(objLog.FileName)) << "a level below Severity creates no file";
    objLog.pWriteLog(2, "unitRWSenders", "fnstValidate", "Invalid sender code");
    objLog.pWriteLog(4, "unitRegistrationWizard", "FormCreate", "Caf\u00E9 | closing");

    const QStringList slLines = fnslLines(objLog.FileName);
    ASSERT_EQ(slLines.size(), 2);
    const QString stTime = R"(^\d{1,2}[:.]\d\d[:.]\d\d[^|]*)";
    EXPECT_TRUE(QRegularExpression(stTime + R"(\|Severity Level 2\|Unit unitRWSenders)"
                                            R"(\|Process fnstValidate\|Invalid sender code$)")
                    .match(slLines.at(0))
                    .hasMatch())
        << slLines.at(0).toStdString();
    EXPECT_TRUE(QRegularExpression(stTime + R"(\|Severity Level 4\|Unit unitRegistrationWizard)"
                                            R"(\|Process FormCreate\|Caf\x{E9} \| closing$)")
                    .match(slLines.at(1))
                    .hasMatch())
        << slLines.at(1).toStdString();

    // Every unit writes through the global logger, which the main form replaces.
    pReplaceGlobalLogger(std::make_unique<TclsLogToFile>());
    pWriteLog(3, "unitTest", "pRun", "through the global logger");
    EXPECT_EQ(fnslLines(objLog.FileName).size(), 3);
}

TEST_F(LogToFileTest, ConfigurationFileAndDefaults) {
    const struct {
        const char *pchName;
        std::optional<QByteArray> optInstallation, optModuleDetails;
        bool bLogging;
        qint32 iSeverity;
    } arrCases[] = {
        {"neither file: logging off", {}, {}, false, 3},
        {"module_details: severity 3", {}, "[Log]\nLogging=1\n", true, 3},
        {"Installation.ini wins without a Log section", "[Other]\n", "[Log]\nLogging=1\n", false,
         0},
        {"words give the defaults", "[log]\nLOGGING=perhaps\nSeverity=high\n", {}, false, 0},
        {"numbers", "[Log]\nLogging=0x1\nSeverity=4\n", {}, true, 4},
    };
    for (const auto &objCase : arrCases) {
        SCOPED_TRACE(objCase.pchName);
        QDir(objTree.fnstPath("Client/Config")).removeRecursively();
        if (objCase.optInstallation)
            pWriteConfig("INSTALLATION.INI", *objCase.optInstallation);
        if (objCase.optModuleDetails)
            pWriteConfig("module_details.ini", *objCase.optModuleDetails);

        const TclsLogToFile objLog;
        EXPECT_EQ(objLog.Logging, objCase.bLogging);
        EXPECT_EQ(objLog.Severity, objCase.iSeverity);
        objLog.pWriteLog(objCase.iSeverity, "unitTest", "pRun", "x");
        EXPECT_EQ(QDir(stLogs).entryList(QDir::Files).size(), objCase.bLogging ? 1 : 0);
        QDir(stLogs).removeRecursively();
        QDir().mkpath(stLogs);
    }
}

TEST_F(LogToFileTest, FileNameCompletion) {
    const QString stTemp = objTree.pMakeDir("Temp");
    const struct {
        QString stLine;
        QString stExpected; // the whole name, or the part before the date
        bool bDated;
    } arrCases[] = {
        {"FileName=Wizard", stLogs + "/Wizard_", true},
        {"FileName=   ", stLogs + "/Morvane_", true},
        {"FileName=\"  \"", stLogs + "/Morvane_", true},
        {"FileName=" + QString(stTemp).replace('/', '\\') + "\\trace", stTemp + "/trace.log",
         false},
        {"FileName=" + stTemp.toUpper() + "/trace.txt", stTemp + "/trace.txt", false},
    };
    for (const auto &objCase : arrCases) {
        SCOPED_TRACE(objCase.stLine.toStdString());
        pWriteConfig("Installation.ini", "[Log]\nLogging=true\n" + objCase.stLine.toUtf8());
        const QDate objToday = QDate::currentDate();
        const TclsLogToFile objLog;
        if (objCase.bDated)
            EXPECT_TRUE(fnbDatedName(objLog.FileName, objCase.stExpected, objToday))
                << objLog.FileName.toStdString();
        else
            EXPECT_EQ(objLog.FileName, objCase.stExpected);
        objLog.pWriteLog(0, "unitTest", "pRun", "x");
        EXPECT_EQ(fnslLines(objLog.FileName).size(), 1);
        QFile::remove(objLog.FileName);
    }

    // The translation unit's logger brings its own base name.
    pWriteConfig("Installation.ini", "[Log]\nLogging=true\nFileName=Wizard\n");
    const QDate objToday = QDate::currentDate();
    EXPECT_TRUE(
        fnbDatedName(TclsLogToFile(" Translator ").FileName, stLogs + "/Translator_", objToday));
}

TEST_F(LogToFileTest, FoldersRelativeToTheCurrentDirectoryWithoutBin) {
    pSetExecutableDir(objTree.pMakeDir("Programs"));
    objTree.pWriteFile("Site/Config/Installation.ini", "[Log]\nLogging=true\nFileName=Here\n");
    const TCurrentDirGuard objGuard(objTree.fnstPath("Site"));

    const QDate objToday = QDate::currentDate();
    const TclsLogToFile objLog;
    EXPECT_TRUE(fnbDatedName(objLog.FileName, "Logs/Here_", objToday));
    // No Logs folder: nothing is written and nothing is created.
    objLog.pWriteLog(0, "unitTest", "pRun", "x");
    EXPECT_FALSE(QDir(objTree.fnstPath("Site/Logs")).exists());

    objTree.pMakeDir("Site/Logs");
    objLog.pWriteLog(0, "unitTest", "pRun", "x");
    EXPECT_EQ(fnslLines(objTree.fnstPath("Site/" + objLog.FileName)).size(), 1);
}

} // namespace
