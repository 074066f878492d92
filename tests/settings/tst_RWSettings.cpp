// The database error texts every settings object shows.
#include "unitRWSettings.h"

#include <gtest/gtest.h>

TEST(RWSettings, DatabaseCodesGiveTheirTexts) {
    const struct {
        int iCode;
        const char *pchText;
    } arCases[] = {
        {0, "0"},
        {14, "0"},
        {15, "0"},
        {17, "0"},
        {8, "Duplicate entry of record in database."},
        {9, "Database Configuration is not correct. Please contact System Administrator."},
        {11, "Network error occurred. Please contact System Administrator."},
        {12, "This record is being used by another user."},
        {13, "This record is already deleted by another user."},
        {19, "Databse Connection failed. Please contact System Administrator."},
        {20, "Database operation is unsuccessful."},
        {28, "Morvane Customs Invoice is not created for this shipment"},
        {1, "Database error occurred. Please contact System Administrator."},
        {-5, "Database error occurred. Please contact System Administrator."},
    };
    for (const auto &rec : arCases)
        EXPECT_EQ(fnstGetDBErrorMessage(rec.iCode), QString::fromLatin1(rec.pchText)) << rec.iCode;
}
