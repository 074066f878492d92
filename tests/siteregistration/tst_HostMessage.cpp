// The two forms of a host message: the modem message and the HTTP form body.
#include "unitEFDR.h"
#include "UnitTestPrinters.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {
class HostMessage : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString fnstFile(const QByteArray &baContent) {
        const QString stFile = dir.filePath(QStringLiteral("SiteRegs.txt"));
        QFile file(stFile);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(baContent);
        return stFile;
    }
};
const QByteArray cbaGS(1, cchGS);
} // namespace

TEST(URLEncode, LettersAndDigitsStayEverythingElseIsEncoded) {
    const struct {
        QByteArray baIn, baOut;
    } arCases[] = {
        {"a b", "a%20b"},
        {"x.y-z", "x%2Ey%2Dz"},
        {"AZaz09", "AZaz09"},
        {QByteArray("\x1C\x1D", 2), "%1C%1D"},
        {"\r\n", "%0D%0A"},
        {"\xE9\xFF", "%E9%FF"},
        {"", ""},
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(fnstURLEncode(rec.baIn), rec.baOut) << rec.baIn.toStdString();
}

TEST_F(HostMessage, ModemMessageFramesTheFileWithGroupSeparators) {
    const QString stFile = fnstFile("LINE1\r\nLINE2\r\n");
    QByteArray baMessage;
    ASSERT_TRUE(fnbGenMessageString(stFile, baMessage, "HDR"));
    EXPECT_EQ(baMessage, "HDR" + cbaGS + "LINE1\r\nLINE2\r\n" + cbaGS);
    // A header that already ends in GS gets no second one.
    ASSERT_TRUE(fnbGenMessageString(stFile, baMessage, "HDR" + cbaGS));
    EXPECT_EQ(baMessage, "HDR" + cbaGS + "LINE1\r\nLINE2\r\n" + cbaGS);
    // An empty file: the header and its GS alone.
    ASSERT_TRUE(fnbGenMessageString(fnstFile({}), baMessage, "HDR"));
    EXPECT_EQ(baMessage, "HDR" + cbaGS);
}

TEST_F(HostMessage, HTTPBodyEncodesHeaderAndFile) {
    const QString stFile = fnstFile("Name : A&B\r\n");
    QByteArray baMessage;
    const QByteArray baHeader =
        "REGRSiteRegs.txt" + QByteArray(4, cchFS) + "1112" + QByteArray(1, cchFS) + "DDMMYYYY0";
    ASSERT_TRUE(fnbGenMessageStringForHTTP(stFile, baMessage, baHeader));
    EXPECT_EQ(baMessage, "msg_type=0&msg_hdr=REGRSiteRegs%2Etxt%1C%1C%1C%1C1112%1CDDMMYYYY0"
                         "&msg_bdy=Name%20%3A%20A%26B%0D%0A");
}

TEST_F(HostMessage, FilesAreReadWholeAcrossBlocks) {
    for (const qsizetype iSize : {4095, 4096, 4097, 3 * 4096 + 5}) {
        QByteArray baContent(iSize, 'x');
        baContent[0] = 'A';
        baContent[iSize - 1] = 'Z';
        QByteArray baMessage;
        ASSERT_TRUE(fnbGenMessageString(fnstFile(baContent), baMessage, "H" + cbaGS));
        EXPECT_EQ(baMessage, "H" + cbaGS + baContent + cbaGS) << iSize;
    }
}

TEST_F(HostMessage, AMissingFileBuildsNoMessage) {
    QByteArray baMessage = "old";
    EXPECT_FALSE(fnbGenMessageString(dir.filePath(QStringLiteral("none.txt")), baMessage, "H"));
    EXPECT_TRUE(baMessage.isEmpty());
    baMessage = "old";
    EXPECT_FALSE(
        fnbGenMessageStringForHTTP(dir.filePath(QStringLiteral("none.txt")), baMessage, "H"));
    EXPECT_TRUE(baMessage.isEmpty());
}
