// Reading answers files: every line that is not sound is refused with its
// line number, and what is kept keeps its section, key, value and line.
#include "UnitAnswersFile.h"

#include <gtest/gtest.h>

namespace {
struct TrecRefused {
    const char *pchText;
    const char *pchError;
};

const TrecRefused carRefused[] = {
    {"Company = X\n", "a.ini:1: a key before the first section"},
    {"[Shipper Information]\nCompany X\n",
     "a.ini:2: \"Key = Value\", \"[Section]\" or a comment expected"},
    {"; note\n[Shipper Info]\n", "a.ini:2: unknown section [Shipper Info]"},
    {"[Shipper Information\n", "a.ini:1: a section line must end with \"]\""},
    {"[Shipper Information]\nCompany = A\n\nCompany = B\n",
     "a.ini:4: key \"Company\" given twice (line 2)"},
    {"[Shipper Information]\n[Internet Settings]\n[Shipper Information]\n",
     "a.ini:3: section [Shipper Information] given twice"},
    {"[Communication Settings]\nEnd of day via Email = Perhaps\n",
     "a.ini:2: End of day via Email: Yes or No expected"},
    {"[Internet Settings]\nConnection = Cable\n",
     "a.ini:2: Connection: one of Proxy Server, Without Proxy, Dial Up expected"},
    {"[Pickup Location Details]\nDefault Close Time = 25:00\n",
     "a.ini:2: Default Close Time: a time hh:mm expected"},
    {"[Communication Settings]\nNo. Of Retries = three\n",
     "a.ini:2: No. Of Retries: a whole number expected"},
    {"[Shipper Information (continued)]\nLicense Expiration = 31/12/2030\n",
     "a.ini:2: License Expiration: a date yyyy-mm-dd expected"},
    {"[Email Settings]\n = x\n", "a.ini:2: a key is missing before \"=\""},
};
} // namespace

TEST(AnswersFile, RefusesUnsoundLinesWithTheirNumber) {
    for (const TrecRefused &rec : carRefused) {
        TclsAnswersFile objFile;
        QString stError;
        EXPECT_FALSE(
            objFile.fnbParse(QString::fromUtf8(rec.pchText), QStringLiteral("a.ini"), stError))
            << rec.pchText;
        EXPECT_EQ(stError.toStdString(), rec.pchError);
        EXPECT_TRUE(objFile.fnarAnswers().empty());
    }
}

TEST(AnswersFile, KeepsAnswersAndFillsPagesInFieldOrder) {
    TclsAnswersFile objFile;
    QString stError;
    ASSERT_TRUE(objFile.fnbParse(QStringLiteral("# demo\n[Shipper Information]\n"
                                                "Airport Code = EDI\r\n  Country = GB  \n"
                                                "[Answers]\nlaunch = No = really\n"
                                                "[Destination Billing]\nLHR = 123\n"),
                                 QStringLiteral("a.ini"), stError))
        << stError.toStdString();
    const auto arPage = objFile.fnarPage(2);
    ASSERT_EQ(arPage.size(), 2u);
    // The country goes before the airport, whatever the file's order.
    EXPECT_EQ(arPage[0].stKey, QStringLiteral("Country"));
    EXPECT_EQ(arPage[0].stValue, QStringLiteral("GB"));
    EXPECT_EQ(arPage[0].iLine, 4);
    EXPECT_EQ(arPage[1].stValue, QStringLiteral("EDI"));
    const auto arAnswers = objFile.fnarSection(cstAnswersSection);
    ASSERT_EQ(arAnswers.size(), 1u);
    EXPECT_EQ(arAnswers[0].stKey, QStringLiteral("launch"));
    EXPECT_EQ(arAnswers[0].stValue, QStringLiteral("No = really"));
    EXPECT_EQ(objFile.fnarSection(cstDestinationBillingSection).size(), 1u);
}
