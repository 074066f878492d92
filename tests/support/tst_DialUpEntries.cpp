// The dial-up connections: the peer files of the pppd peers folder, named by
// MORVANE_PPP_PEERS_DIR in tests.
#include "tstSupportHelpers.h"
#include "unitDialUpEntries.h"

namespace {

class DialUpEntriesTest : public ::testing::Test {
protected:
    void SetUp() override { baSaved = qgetenv("MORVANE_PPP_PEERS_DIR"); }
    void TearDown() override {
        if (baSaved.isNull())
            qunsetenv("MORVANE_PPP_PEERS_DIR");
        else
            qputenv("MORVANE_PPP_PEERS_DIR", baSaved);
    }
    QByteArray baSaved;
    TTempTree objTree;
};

TEST_F(DialUpEntriesTest, ThePeerFilesSortedWithoutHiddenBackupsOrFolders) {
    objTree.pWriteFile("peers/provider", "/dev/ttyS0 115200\n");
    objTree.pWriteFile("peers/Office ISDN", "");
    objTree.pWriteFile("peers/dsl-provider", "");
    objTree.pWriteFile("peers/provider~", "");
    objTree.pWriteFile("peers/.hidden", "");
    objTree.pMakeDir("peers/chatscripts");
    qputenv("MORVANE_PPP_PEERS_DIR", objTree.fnstPath("peers").toUtf8());
    EXPECT_EQ(fnstDialUpPeersDir(), objTree.fnstPath("peers"));
    EXPECT_EQ(fnslDialUpEntries(), (QStringList{"Office ISDN", "dsl-provider", "provider"}));
}

TEST_F(DialUpEntriesTest, AMissingOrEmptyFolderHasNone) {
    for (const QString &stDir : {objTree.fnstPath("missing"), objTree.pMakeDir("empty")}) {
        qputenv("MORVANE_PPP_PEERS_DIR", stDir.toUtf8());
        EXPECT_TRUE(fnslDialUpEntries().isEmpty()) << stDir.toStdString();
    }
}

TEST_F(DialUpEntriesTest, TheSystemFolderUnlessOverridden) {
    qputenv("MORVANE_PPP_PEERS_DIR", "  ");
    EXPECT_EQ(fnstDialUpPeersDir(), QStringLiteral("/etc/ppp/peers"));
}

} // namespace
