// Comma text as the phone-number library's answers are read.
#include "unitCommaText.h"

#include <gtest/gtest.h>

TEST(CommaText, SplitsLikeACommaTextList) {
    const struct {
        const char *pchText;
        QStringList slExpected;
    } arCases[] = {
        {"OK,,NationalNumber=12", {"OK", "", "NationalNumber=12"}},
        {"a b\tc", {"a", "b", "c"}},
        {"  a , b  ", {"a", "b"}},
        {"\"a b\",\"c,d\",\"say \"\"hi\"\"\"", {"a b", "c,d", "say \"hi\""}},
        {"a,", {"a", ""}},
        {",a", {"", "a"}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(fnslCommaText(QString::fromLatin1(rec.pchText)), rec.slExpected) << rec.pchText;
}

TEST(CommaText, FirstValueOfANameWins) {
    const QStringList sl = fnslCommaText(
        QStringLiteral("OK,,NationalNumber=1,CountryCode=44,NationalNumber=2,Empty=,X=a=b"));
    EXPECT_EQ(fnstCommaValue(sl, QStringLiteral("NationalNumber")), QStringLiteral("1"));
    EXPECT_EQ(fnstCommaValue(sl, QStringLiteral("CountryCode")), QStringLiteral("44"));
    EXPECT_EQ(fnstCommaValue(sl, QStringLiteral("X")), QStringLiteral("a=b"));
    EXPECT_EQ(fnstCommaValue(sl, QStringLiteral("Empty")), QString());
    EXPECT_EQ(fnstCommaValue(sl, QStringLiteral("Country")), QString());
}
