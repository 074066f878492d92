// Installation folders derived from the executable's folder and the current
// directory, and case-insensitive path resolution against a real folder tree.
#include "tstSupportHelpers.h"
#include "unitGlobalData.h"

namespace {

TEST(GlobalData, FoldersFollowTheFirstBinInTheExecutablePath) {
    const struct {
        const char *pchExeDir, *pchRoot, *pchConfig, *pchLogs, *pchManifestLogs;
    } arrCases[] = {
        {"/opt/Client/Bin", "/opt/Client/", "/opt/Client/Config/", "/opt/Client/Logs/",
         "/opt/Client/LOGS/"},
        {"/opt/client/bin/tools/", "/opt/client/", "/opt/client/Config/", "/opt/client/Logs/",
         "/opt/client/LOGS/tools/"},
        // The first occurrence counts, even inside a folder name.
        {"/opt/Cabinet/Bin", "/opt/Ca/", "/opt/Ca/Config/", "/opt/Ca/Logs/", "/opt/CaLOGSet/Bin/"},
        // No "bin": relative to the current directory; the manifest log stays put.
        {"/srv/Morvane/Programs", "", "Config/", "Logs/", "/srv/Morvane/Programs/"},
    };
    for (const auto &objCase : arrCases) {
        SCOPED_TRACE(objCase.pchExeDir);
        pSetExecutableDir(QString::fromUtf8(objCase.pchExeDir));
        EXPECT_EQ(fnstExecutableRoot(), QString::fromUtf8(objCase.pchRoot));
        EXPECT_EQ(fnstConfigDir(), QString::fromUtf8(objCase.pchConfig));
        EXPECT_EQ(fnstLogsDir(), QString::fromUtf8(objCase.pchLogs));
        EXPECT_EQ(fnstManifestLogDir(), QString::fromUtf8(objCase.pchManifestLogs));
    }
    pSetExecutableDir({});
}

TEST(GlobalData, WorkingBaseDropsTheFirstBinOfTheCurrentDirectory) {
    const TTempTree objTree;
    const struct {
        const char *pchCurrent, *pchBase;
    } arrCases[] = {
        {"Client/Bin", "Client/"},
        {"Client/bin/tools", "Client//tools"},
        {"Cabinet/Bin", "Caet/Bin"},
        {"Client/Programs", "Client/Programs"},
    };
    for (const auto &objCase : arrCases) {
        SCOPED_TRACE(objCase.pchCurrent);
        const TCurrentDirGuard objGuard(objTree.pMakeDir(QString::fromUtf8(objCase.pchCurrent)));
        EXPECT_EQ(fnstWorkingBase(), objTree.fnstPath(QString::fromUtf8(objCase.pchBase)));
    }
}

TEST(GlobalData, ResolvePathMatchesExistingEntriesIgnoringCase) {
    const TTempTree objTree;
    objTree.pWriteFile("Client/Config/Installation.ini", {});
    objTree.pMakeDir("Client/InfoFiles");
    objTree.pMakeDir("Client/help");
    objTree.pMakeDir("Client/Data");
    objTree.pMakeDir("Client/data");
    const TCurrentDirGuard objGuard(objTree.pMakeDir("Client/Bin"));

    const struct {
        QString stInput, stExpected;
    } arrCases[] = {
        {"..\\CONFIG\\installation.INI", "../Config/Installation.ini"},
        {"..\\Help\\", "../help/"},
        {".\\..\\\\config\\.", "./../Config/."},
        {"../bin/../CONFIG", "../Bin/../Config"},
        // Of two entries differing only in case, the one spelled alike is taken.
        {"../data/x", "../data/x"},
        {"../Data/x", "../Data/x"},
        // What does not exist is kept as written, and so is everything after it.
        {"..\\Config\\Missing\\INSTALLATION.ini", "../Config/Missing/INSTALLATION.ini"},
        {"", ""},
        // The information folder of the working base carries a doubled separator.
        {fnstWorkingBase() + "/infofiles", objTree.fnstPath("Client/InfoFiles")},
        {objTree.fnstPath("CLIENT/config"), objTree.fnstPath("Client/Config")},
    };
    for (const auto &objCase : arrCases) {
        SCOPED_TRACE(objCase.stInput.toStdString());
        EXPECT_EQ(fnstResolvePath(objCase.stInput), objCase.stExpected);
    }
}

} // namespace
