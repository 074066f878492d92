// The INI reader against a file written the way installations write them:
// byte-order mark, mixed case, duplicates, quotes, comments, Windows line ends.
#include "tstSupportHelpers.h"
#include "unitIniFile.h"

namespace {

const QByteArray baIni = "\xEF\xBB\xBF[Log]\r\n"
                         "Severity = 2\r\n"
                         "FileName=  \"Wizard\"  \r\n"
                         "[INSTALLATION_INFO]\r\n"
                         "LANGUAGE='Fran\xC3\xA7\x61is'\r\n"
                         "WORKSTATION_ID=WKST01\r\n"
                         "workstation_id=SECOND\r\n"
                         "DATABASE_PATH=..\\Database ; not a comment\r\n"
                         "Quoted=\"a\"b\"\r\n"
                         "Mismatched=\"abc'\r\n"
                         "Empty=\r\n"
                         "   Indented = a=b\r\n"
                         "# Hash=1\r\n"
                         "  ;Semicolon=1\r\n"
                         "NoEquals\r\n"
                         "[EmptySection]\r\n"
                         "[Numbers] trailing words\r\n"
                         "Plain=42\nNegative=-17\nHex=0x1F\nDollar=$10\nAllOnes=0xFFFFFFFF\n"
                         "TooBig=2147483648\nTrailing=12abc\nFloat=1.5\nQuoted=\"3\"\nZero=0\n"
                         "True=tRuE\nFalse=FALSE\nYes=yes\n"
                         "[log]\r\n"
                         "Extra=only in the second Log section\r\n";

class IniFileTest : public ::testing::Test {
protected:
    TTempTree objTree;
    const QString stFile = objTree.pWriteFile("Config/Installation.ini", baIni);
    // Found although every letter case differs.
    const TclsIniFile objIni{objTree.fnstPath("CONFIG/installation.INI")};
};

TEST_F(IniFileTest, ReadStringFollowsPrivateProfileRules) {
    EXPECT_EQ(objIni.fnstFileName(), stFile);
    const struct {
        const char *pchSection, *pchKey;
        QString stExpected;
    } arrCases[] = {
        {"LOG", "severity", "2"},
        {"Log", "FileName", "Wizard"},
        {"installation_info", "Language", "Fran\u00E7ais"},
        {"INSTALLATION_INFO", "WORKSTATION_ID", "WKST01"},
        {"INSTALLATION_INFO", "DATABASE_PATH", "..\\Database ; not a comment"},
        {"INSTALLATION_INFO", "Quoted", "a\"b"},
        {"INSTALLATION_INFO", "Mismatched", "\"abc'"},
        {"INSTALLATION_INFO", "Empty", ""},
        {"INSTALLATION_INFO", "Indented", "a=b"},
        // Comments, lines without "=", a second section of the same name, and
        // what is not there at all give the default.
        {"INSTALLATION_INFO", "# Hash", "<default>"},
        {"INSTALLATION_INFO", ";Semicolon", "<default>"},
        {"INSTALLATION_INFO", "NoEquals", "<default>"},
        {"Log", "Extra", "<default>"},
        {"Log", "Logging", "<default>"},
        {"NoSuchSection", "Severity", "<default>"},
    };
    for (const auto &objCase : arrCases) {
        SCOPED_TRACE(std::string(objCase.pchSection) + "/" + objCase.pchKey);
        EXPECT_EQ(objIni.fnstReadString(objCase.pchSection, objCase.pchKey, "<default>"),
                  objCase.stExpected);
    }
}

TEST_F(IniFileTest, SectionsAndKeysAreListedOnceInFileOrder) {
    EXPECT_EQ(objIni.fnslSections(),
              QStringList({"Log", "INSTALLATION_INFO", "EmptySection", "Numbers"}));
    EXPECT_EQ(objIni.fnslSectionKeys("installation_info"),
              QStringList({"LANGUAGE", "WORKSTATION_ID", "DATABASE_PATH", "Quoted", "Mismatched",
                           "Empty", "Indented"}));
    EXPECT_TRUE(objIni.fnbSectionExists("numbers"));
    EXPECT_FALSE(objIni.fnbSectionExists("EmptySection"));
    EXPECT_TRUE(objIni.fnbValueExists("INSTALLATION_INFO", "empty"));
    EXPECT_FALSE(objIni.fnbValueExists("Log", "Extra"));
}

TEST_F(IniFileTest, IntegersAndBooleansOrTheirDefaults) {
    const struct {
        const char *pchKey;
        qint32 iInteger;    // read with default -99
        bool bFalse, bTrue; // read as Boolean with default false, and true
    } arrCases[] = {
        {"Plain", 42, true, true},   {"Negative", -17, true, true}, {"Hex", 31, true, true},
        {"Dollar", 16, true, true},  {"AllOnes", -1, true, true},   {"Quoted", 3, true, true},
        {"Zero", 0, false, false},   {"TooBig", -99, false, true},  {"Trailing", -99, false, true},
        {"Float", -99, false, true}, {"True", -99, true, true},     {"False", -99, false, false},
        {"Yes", -99, false, true},   {"Missing", -99, false, true},
    };
    for (const auto &objCase : arrCases) {
        SCOPED_TRACE(objCase.pchKey);
        EXPECT_EQ(objIni.fniReadInteger("Numbers", objCase.pchKey, -99), objCase.iInteger);
        EXPECT_EQ(objIni.fnbReadBool("Numbers", objCase.pchKey, false), objCase.bFalse);
        EXPECT_EQ(objIni.fnbReadBool("Numbers", objCase.pchKey, true), objCase.bTrue);
    }
}

TEST(IniFile, MissingFileGivesEveryDefault) {
    const TTempTree objTree;
    const TclsIniFile objIni(objTree.fnstPath("Config/none.ini"));
    EXPECT_FALSE(objIni.fnbFileExists());
    EXPECT_EQ(objIni.fnstReadString("Log", "FileName", "Morvane"), "Morvane");
    EXPECT_EQ(objIni.fniReadInteger("Log", "Severity", 3), 3);
    EXPECT_TRUE(objIni.fnslSections().isEmpty());
}

} // namespace
