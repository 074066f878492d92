// The SFTP and e-mail pages: their checks (nothing while the server is not
// used, every failed rule reported, a port that is not a number included) and
// their saves into the one configuration row, cut to its widths and refused
// while another workstation holds the row.
#include "unitRWEmailSetting.h"
#include "unitRWEmailSettingData.h"
#include "unitRWFTPSetting.h"
#include "unitRWFTPSettingData.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitLockHolder.h"
#include "UnitMV5Records.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {
using TEntries = std::vector<std::pair<QString, QString>>; // control, message

template <class TData> struct TrecCase {
    const char *pchCase;
    std::function<void(TData &)> fnChange;
    TEntries arExpected;
};

// Runs each case on a copy of the valid page; the list starts with an entry of
// an earlier page, which the check must drop.
template <class TSetting, class TData>
void pCheckCases(const TData &objValid, const std::vector<TrecCase<TData>> &arCases) {
    TSetting objSetting;
    for (const auto &rec : arCases) {
        TData obj = objValid;
        rec.fnChange(obj);
        TrecarErrorList ar = {{QStringLiteral("edtSenderCode"), QStringLiteral("Earlier."), 0, 0}};
        const QString stResult = objSetting.fnstValidate(obj, ar);
        TEntries arEntries;
        for (const auto &recEntry : ar)
            arEntries.emplace_back(recEntry.stControlName, recEntry.stMessage);
        EXPECT_EQ(arEntries, rec.arExpected) << rec.pchCase;
        EXPECT_EQ(stResult,
                  rec.arExpected.empty() ? QStringLiteral("success") : QStringLiteral("unsuccess"))
            << rec.pchCase;
    }
}

TclsRWFTPSettingData fnobjValidFTP() {
    TclsRWFTPSettingData obj;
    obj.bFTPInUse = true;
    obj.stHost = QStringLiteral("sftp.example.com");
    obj.stPort = QStringLiteral("22");
    obj.stUserId = QStringLiteral("site01");
    obj.stPassword = QStringLiteral("not-a-real-one");
    obj.stBuildDirPath = QStringLiteral("/manifests/build");
    obj.stWorkDirPath = QStringLiteral("/manifests/work");
    obj.iManifestMode = 1;
    return obj;
}

TclsRWEmailSettingData fnobjValidEmail() {
    TclsRWEmailSettingData obj;
    obj.bEmailInUse = true;
    obj.stHost = QStringLiteral("smtp.example.com");
    obj.stPort = QStringLiteral("587");
    obj.stUserId = QStringLiteral("site01@example.com");
    obj.stPassword = QStringLiteral("not-a-real-one");
    return obj;
}

std::pair<QString, QString> fnrecEntry(const char *pchControl, const char *pchMessage) {
    return {QString::fromLatin1(pchControl), QString::fromLatin1(pchMessage)};
}
} // namespace

TEST(RWFTPSetting, ValidationRules) {
    using D = TclsRWFTPSettingData;
    const auto recPortNotNumber = fnrecEntry("edtFTPPort", "Port must be a whole number.");
    pCheckCases<TclsRWFTPSetting, D>(
        fnobjValidFTP(),
        {
            {"valid", [](D &) {}, {}},
            {"port with blanks around it", [](D &o) { o.stPort = QStringLiteral(" 2222 "); }, {}},
            {"not in use, nothing filled", [](D &o) { o = D(); }, {}},
            {"not in use, port not a number",
             [](D &o) {
                 o.bFTPInUse = false;
                 o.stPort = QStringLiteral("abc");
             },
             {}},
            {"host blank",
             [](D &o) { o.stHost = QString(); },
             {fnrecEntry("edtFTPHost", "Host cannot be blank.")}},
            {"port zero",
             [](D &o) { o.stPort = QStringLiteral("0"); },
             {fnrecEntry("edtFTPPort", "Port cannot be zero.")}},
            {"port blank",
             [](D &o) { o.stPort = QString(); },
             {fnrecEntry("edtFTPPort", "Port cannot be blank.")}},
            {"port not a number, later rules still run",
             [](D &o) {
                 o.stPort = QStringLiteral("abc");
                 o.stUserId.clear();
                 o.stWorkDirPath.clear();
             },
             {recPortNotNumber, fnrecEntry("edtFTPUserId", "User Id cannot be blank."),
              fnrecEntry("edtFTPWorkDirPath", "Work Directory Path cannot be blank.")}},
            {"port with a fraction",
             [](D &o) { o.stPort = QStringLiteral("21.5"); },
             {recPortNotNumber}},
            {"everything blank, in the page's order",
             [](D &o) {
                 o = D();
                 o.bFTPInUse = true;
             },
             {fnrecEntry("edtFTPHost", "Host cannot be blank."),
              fnrecEntry("edtFTPPort", "Port cannot be blank."),
              fnrecEntry("edtFTPUserId", "User Id cannot be blank."),
              fnrecEntry("edtFTPPasswd", "Password cannot be blank."),
              fnrecEntry("edtFTPBuildDirPath", "Build Directory Path cannot be blank."),
              fnrecEntry("edtFTPWorkDirPath", "Work Directory Path cannot be blank.")}},
        });
}

TEST(RWEmailSetting, ValidationRules) {
    using D = TclsRWEmailSettingData;
    pCheckCases<TclsRWEmailSetting, D>(
        fnobjValidEmail(),
        {
            {"valid", [](D &) {}, {}},
            {"no password needed", [](D &o) { o.stPassword.clear(); }, {}},
            {"not in use, nothing filled", [](D &o) { o = D(); }, {}},
            {"host blank",
             [](D &o) { o.stHost = QString(); },
             {fnrecEntry("edtEmailHost", "Outgoing Mail Server cannot be blank.")}},
            {"port zero",
             [](D &o) { o.stPort = QStringLiteral("0"); },
             {fnrecEntry("edtEmailPort", "Port(SMTP) cannot be zero.")}},
            {"port blank",
             [](D &o) { o.stPort = QStringLiteral("  "); },
             {fnrecEntry("edtEmailPort", "Port(SMTP) cannot be blank.")}},
            {"port not a number, later rules still run",
             [](D &o) {
                 o.stPort = QStringLiteral("25x");
                 o.stUserId.clear();
             },
             {fnrecEntry("edtEmailPort", "Port(SMTP) must be a whole number."),
              fnrecEntry("edtEmailUserId", "User Id cannot be blank.")}},
            {"everything blank, in the page's order",
             [](D &o) {
                 o = D();
                 o.bEmailInUse = true;
             },
             {fnrecEntry("edtEmailHost", "Outgoing Mail Server cannot be blank."),
              fnrecEntry("edtEmailPort", "Port(SMTP) cannot be blank."),
              fnrecEntry("edtEmailUserId", "User Id cannot be blank.")}},
        });
}

TEST(RWFTPEmailSetting, AHolderOfAnotherPageIsRefused) {
    TclsRWEmailSettingData objEmail;
    TclsRWFTPSettingData objFTP;
    TrecarErrorList ar;
    EXPECT_EQ(TclsRWFTPSetting().fnstValidate(objEmail, ar), QStringLiteral("unsuccess"));
    EXPECT_EQ(TclsRWFTPSetting().fnstSaveToDB(objEmail), QString());
    EXPECT_EQ(TclsRWEmailSetting().fnstValidate(objFTP, ar), QStringLiteral("unsuccess"));
    EXPECT_EQ(TclsRWEmailSetting().fnstSaveToDB(objFTP), QString());
}

namespace {
class RWFTPEmailSave : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    TclsAdHocQuery query;

    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
        // Rows last written by someone else, so the save's own mark shows.
        for (const char *pchTable : {"config_zorv", "config_morvane"})
            ASSERT_EQ(
                query.fniExecute(
                    QStringLiteral("UPDATE %1 SET changed_by = ?").arg(QLatin1String(pchTable)),
                    {QStringLiteral("ADMIN")}),
                0);
    }

    template <class T> T fnobjRow(const char *pchClass) {
        TobjarMVData objar;
        EXPECT_EQ(fniQueryRecords({{}}, objar, QString::fromLatin1(pchClass)), 0);
        EXPECT_EQ(objar.size(), 1u);
        return objar.empty() ? T() : *fnobjAs<T>(objar.front());
    }
    TclsConfigZorvData fnobjConfigZorv() {
        return fnobjRow<TclsConfigZorvData>("TclsConfigZorvDB");
    }
    TclsConfigMorvaneData fnobjConfigMorvane() {
        return fnobjRow<TclsConfigMorvaneData>("TclsConfigMorvaneDB");
    }
};

} // namespace

TEST_F(RWFTPEmailSave, FTPFieldsAreCutToTheirWidths) {
    TclsRWFTPSettingData obj = fnobjValidFTP();
    obj.stHost = QString(55, u'h') + QStringLiteral(".example");
    obj.stPort = QStringLiteral("123456789");
    obj.stUserId = QString(40, u'u');
    obj.stPassword = QString(30, u'p');
    obj.stBuildDirPath = QStringLiteral("/b") + QString(260, u'b');
    obj.stWorkDirPath = QStringLiteral("/w") + QString(260, u'w');
    obj.iManifestMode = 1;
    ASSERT_EQ(TclsRWFTPSetting().fnstSaveToDB(obj), QStringLiteral("success"));
    const TclsConfigZorvData row = fnobjConfigZorv();
    EXPECT_EQ(row.ftp_host, QString(50, u'h'));
    EXPECT_EQ(row.ftp_port, QStringLiteral("12345678"));
    EXPECT_EQ(row.ftp_user_id, QString(35, u'u'));
    EXPECT_TRUE(row.ftp_password == QString(25, u'p')) << "the password, cut to 25";
    EXPECT_EQ(row.ftp_build_dir, obj.stBuildDirPath.left(250));
    EXPECT_EQ(row.ftp_work_dir, obj.stWorkDirPath.left(250));
    EXPECT_EQ(row.manifest_mode, 1);
    EXPECT_EQ(row.changed_by, QStringLiteral("DEFAULT"));
    EXPECT_EQ(row.no_of_retries, 1) << "fields of other pages stay";
}

TEST_F(RWFTPEmailSave, EmailFieldsAreCutToTheirWidths) {
    TclsRWEmailSettingData obj = fnobjValidEmail();
    obj.stHost = QString(60, u'm');
    obj.stPort = QStringLiteral(" 5870000 ");
    obj.stUserId = QString(90, u'u');
    obj.stPassword = QString(300, u'p');
    ASSERT_EQ(TclsRWEmailSetting().fnstSaveToDB(obj), QStringLiteral("success"));
    const TclsConfigMorvaneData row = fnobjConfigMorvane();
    EXPECT_EQ(row.smtp_host, QString(50, u'm'));
    EXPECT_EQ(row.smtp_port, QStringLiteral(" 5870000"));
    EXPECT_EQ(row.smtp_user_id, QString(80, u'u'));
    EXPECT_TRUE(row.smtp_password == QString(255, u'p')) << "the password, cut to 255";
    EXPECT_EQ(row.changed_by, QStringLiteral("DEFAULT"));
}

namespace {
// The first column of the first row, or nullopt when there is none.
std::optional<QVariant> fnvStored(const QString &stSQL) {
    TclsAdHocQuery query;
    if (query.fniOpen(stSQL) != 0 || !query.fnbNext())
        return std::nullopt;
    return query.fnvField(0);
}

// The two saves side by side, for what they share.
struct TrecPageSave {
    const char *pchTable;
    const char *pchClass;
    const char *pchHostColumn;
    QString (*fnstSave)(const QString &stHost); // a valid page with that host
};
const TrecPageSave arPageSaves[] = {
    {"config_zorv", "TclsConfigZorvDB", "ftp_host",
     [](const QString &stHost) {
         TclsRWFTPSettingData obj = fnobjValidFTP();
         obj.stHost = stHost;
         return TclsRWFTPSetting().fnstSaveToDB(obj);
     }},
    {"config_morvane", "TclsConfigMorvaneDB", "smtp_host",
     [](const QString &stHost) {
         TclsRWEmailSettingData obj = fnobjValidEmail();
         obj.stHost = stHost;
         return TclsRWEmailSetting().fnstSaveToDB(obj);
     }},
};
} // namespace

TEST_F(RWFTPEmailSave, AConfigurationTableWithoutRowGivesZeroAndGetsNoRow) {
    for (const TrecPageSave &rec : arPageSaves) {
        const QString stTable = QLatin1String(rec.pchTable);
        ASSERT_EQ(query.fniExecute(QStringLiteral("DELETE FROM ") + stTable), 0);
        EXPECT_EQ(rec.fnstSave(QStringLiteral("new.example.com")), QStringLiteral("0"))
            << rec.pchTable;
        EXPECT_FALSE(fnvStored(QStringLiteral("SELECT record_key FROM ") + stTable))
            << rec.pchTable << ": the save never inserts";
    }
}

TEST_F(RWFTPEmailSave, ARowLockedByAnotherWorkstationIsLeftUnchanged) {
    for (const TrecPageSave &rec : arPageSaves) {
        SCOPED_TRACE(rec.pchTable);
        const QString stTable = QLatin1String(rec.pchTable);
        const QString stClass = QLatin1String(rec.pchClass);
        const QString stSelect = QStringLiteral("SELECT %1, changed_by FROM %2")
                                     .arg(QLatin1String(rec.pchHostColumn), stTable);
        const auto vKey = fnvStored(QStringLiteral("SELECT record_key FROM ") + stTable);
        ASSERT_TRUE(vKey);
        const QString stKey = vKey->toString();
        {
            TclsLockHolder objHolder({QStringLiteral("record"), stClass, stKey});
            ASSERT_EQ(objHolder.fnstAnswer(), QStringLiteral("locked"));
            EXPECT_EQ(rec.fnstSave(QStringLiteral("new.example.com")),
                      QStringLiteral("This record is being used by another user."));
            EXPECT_EQ(fnvStored(stSelect).value_or(QVariant()).toString(), QString());
            TclsAdHocQuery queryChanger;
            ASSERT_EQ(queryChanger.fniOpen(stSelect), 0);
            ASSERT_TRUE(queryChanger.fnbNext());
            EXPECT_EQ(queryChanger.fnvField(1).toString(), QStringLiteral("ADMIN"));
            EXPECT_EQ(fnstIntegrityCheck(), QStringLiteral("ok"));
        }
        // Once the other workstation is gone the save goes through, and leaves
        // the row free for the next one.
        EXPECT_EQ(rec.fnstSave(QStringLiteral("new.example.com")), QStringLiteral("success"));
        EXPECT_EQ(fnvStored(stSelect).value_or(QVariant()).toString(),
                  QStringLiteral("new.example.com"));
        TclsLockHolder objNext({QStringLiteral("record"), stClass, stKey});
        EXPECT_EQ(objNext.fnstAnswer(), QStringLiteral("locked"));
    }
}

// Two workstations saving one configuration row: the one that locked it first
// writes it, the other is refused and leaves the first one's values in place.
TEST_F(RWFTPEmailSave, ARowBeingSavedByAnotherWorkstationKeepsThatWorkstationsValues) {
    for (const TrecPageSave &rec : arPageSaves) {
        SCOPED_TRACE(rec.pchTable);
        const QString stTable = QLatin1String(rec.pchTable);
        const QString stHostColumn = QLatin1String(rec.pchHostColumn);
        const QString stSelect = QStringLiteral("SELECT %1 FROM %2").arg(stHostColumn, stTable);
        const auto vKey = fnvStored(QStringLiteral("SELECT record_key FROM ") + stTable);
        ASSERT_TRUE(vKey);
        TclsLockHolder objFirst({QStringLiteral("save"), QLatin1String(rec.pchClass),
                                 vKey->toString(), stHostColumn,
                                 QStringLiteral("first.example.com")});
        ASSERT_EQ(objFirst.fnstAnswer(), QStringLiteral("locked"));
        EXPECT_EQ(rec.fnstSave(QStringLiteral("second.example.com")),
                  QStringLiteral("This record is being used by another user."));
        EXPECT_EQ(fnvStored(stSelect).value_or(QVariant()).toString(),
                  QStringLiteral("first.example.com"));
    }
}
