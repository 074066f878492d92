// The SFTP and e-mail pages: their checks (nothing while the server is not
// used, every failed rule reported, a port that is not a number included) and
// their saves into the one configuration row, cut to its widths and refused
// while another workstation holds the row.
#include "tstSettingsHelpers.h"
#include "UnitLockHolder.h"
#include "UnitMV5Records.h"
#include "unitRWEmailSetting.h"
#include "unitRWEmailSettingData.h"
#include "unitRWFTPSetting.h"
#include "unitRWFTPSettingData.h"

#include <functional>

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
        EXPECT_EQ(stResult, rec.arExpected.empty() ? cstSuccess : cstUnsuccess) << rec.pchCase;
    }
}

TclsRWFTPSettingData fnobjValidFTP() {
    TclsRWFTPSettingData obj;
    obj.bFTPInUse = true;
    obj.stHost = QStringLiteral("sftp.example.com");
    obj.stPort = QStringLiteral(" 2222 ");
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
    return obj; // no password needed
}

std::pair<QString, QString> fnrecEntry(const char *pchControl, const char *pchMessage) {
    return {QString::fromLatin1(pchControl), QString::fromLatin1(pchMessage)};
}
} // namespace

TEST(RWFTPSetting, ValidationRules) {
    using D = TclsRWFTPSettingData;
    pCheckCases<TclsRWFTPSetting, D>(
        fnobjValidFTP(),
        {
            {"valid", [](D &) {}, {}},
            {"not in use, port not a number",
             [](D &o) {
                 o.bFTPInUse = false;
                 o.stPort = QStringLiteral("abc");
             },
             {}},
            {"port zero",
             [](D &o) { o.stPort = QStringLiteral("0"); },
             {fnrecEntry("edtFTPPort", "Port cannot be zero.")}},
            {"port not a number, later rules still run",
             [](D &o) {
                 o.stPort = QStringLiteral("21.5");
                 o.stUserId.clear();
                 o.stWorkDirPath = QStringLiteral("  ");
             },
             {fnrecEntry("edtFTPPort", "Port must be a whole number."),
              fnrecEntry("edtFTPUserId", "User Id cannot be blank."),
              fnrecEntry("edtFTPWorkDirPath", "Work Directory Path cannot be blank.")}},
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
            {"not in use, nothing filled", [](D &o) { o = D(); }, {}},
            {"blanks only",
             [](D &o) { o.stHost = o.stPort = QStringLiteral("  "); },
             {fnrecEntry("edtEmailHost", "Outgoing Mail Server cannot be blank."),
              fnrecEntry("edtEmailPort", "Port(SMTP) cannot be blank.")}},
            {"port not a number, later rules still run",
             [](D &o) {
                 o.stPort = QStringLiteral("25x");
                 o.stUserId.clear();
             },
             {fnrecEntry("edtEmailPort", "Port(SMTP) must be a whole number."),
              fnrecEntry("edtEmailUserId", "User Id cannot be blank.")}},
            {"port zero",
             [](D &o) { o.stPort = QStringLiteral("0"); },
             {fnrecEntry("edtEmailPort", "Port(SMTP) cannot be zero.")}},
        });
}

namespace {
class RWFTPEmailSave : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override {
        ASSERT_INSTALLED(objInstallation);
        // Rows last written by someone else, so the save's own mark shows.
        pExecute(QStringLiteral("UPDATE config_zorv SET changed_by = 'ADMIN'"));
        pExecute(QStringLiteral("UPDATE config_morvane SET changed_by = 'ADMIN'"));
    }
};

// The two saves side by side, for what they share.
struct TrecPageSave {
    const char *pchTable, *pchClass, *pchHostColumn;
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

TEST_F(RWFTPEmailSave, FieldsAreCutToTheirWidths) {
    TclsRWFTPSettingData objFTP = fnobjValidFTP();
    objFTP.stHost = QString(55, u'h') + QStringLiteral(".example");
    objFTP.stPort = QStringLiteral("123456789");
    objFTP.stUserId = QString(40, u'u');
    objFTP.stPassword = QString(30, u'p');
    objFTP.stBuildDirPath = QStringLiteral("/b") + QString(260, u'b');
    objFTP.stWorkDirPath = QStringLiteral("/w") + QString(260, u'w');
    ASSERT_EQ(TclsRWFTPSetting().fnstSaveToDB(objFTP), cstSuccess);
    const TclsConfigZorvData objZorv = fnarRows<TclsConfigZorvData>().at(0);
    EXPECT_EQ(objZorv.ftp_host, QString(50, u'h'));
    EXPECT_EQ(objZorv.ftp_port, QStringLiteral("12345678"));
    EXPECT_EQ(objZorv.ftp_user_id, QString(35, u'u'));
    EXPECT_TRUE(objZorv.ftp_password == QString(25, u'p')) << "the password, cut to 25";
    EXPECT_EQ(objZorv.ftp_build_dir, objFTP.stBuildDirPath.left(250));
    EXPECT_EQ(objZorv.ftp_work_dir, objFTP.stWorkDirPath.left(250));
    EXPECT_EQ(objZorv.manifest_mode, 1);
    EXPECT_EQ(objZorv.changed_by, QStringLiteral("DEFAULT"));
    EXPECT_EQ(objZorv.no_of_retries, 1) << "fields of other pages stay";

    TclsRWEmailSettingData objEmail = fnobjValidEmail();
    objEmail.stHost = QString(60, u'm');
    objEmail.stPort = QStringLiteral(" 5870000 ");
    objEmail.stUserId = QString(90, u'u');
    objEmail.stPassword = QString(300, u'p');
    ASSERT_EQ(TclsRWEmailSetting().fnstSaveToDB(objEmail), cstSuccess);
    const TclsConfigMorvaneData objMorvane = fnarRows<TclsConfigMorvaneData>().at(0);
    EXPECT_EQ(objMorvane.smtp_host, QString(50, u'm'));
    EXPECT_EQ(objMorvane.smtp_port, QStringLiteral(" 5870000"));
    EXPECT_EQ(objMorvane.smtp_user_id, QString(80, u'u'));
    EXPECT_TRUE(objMorvane.smtp_password == QString(255, u'p')) << "the password, cut to 255";
    EXPECT_EQ(objMorvane.changed_by, QStringLiteral("DEFAULT"));
}

TEST_F(RWFTPEmailSave, AConfigurationTableWithoutRowGivesZeroAndGetsNoRow) {
    for (const TrecPageSave &rec : arPageSaves) {
        pExecute(QStringLiteral("DELETE FROM %1").arg(rec.pchTable));
        EXPECT_EQ(rec.fnstSave(QStringLiteral("new.example.com")), QStringLiteral("0"))
            << rec.pchTable;
        EXPECT_EQ(fnstScalar(QStringLiteral("SELECT count(*) FROM %1").arg(rec.pchTable)),
                  QStringLiteral("0"))
            << rec.pchTable << ": the save never inserts";
    }
}

// Two workstations saving one configuration row: the one that locked it first
// writes it, the other is refused and leaves the first one's values in place.
// Once the first is gone the save goes through, and leaves the row free.
TEST_F(RWFTPEmailSave, ARowBeingSavedByAnotherWorkstationKeepsThatWorkstationsValues) {
    for (const TrecPageSave &rec : arPageSaves) {
        SCOPED_TRACE(rec.pchTable);
        const QString stClass = QLatin1String(rec.pchClass);
        const QString stSelect = QStringLiteral("SELECT %1 || '/' || changed_by FROM %2")
                                     .arg(rec.pchHostColumn, rec.pchTable);
        const QString stKey = fnstScalar(QStringLiteral("SELECT record_key FROM ") + rec.pchTable);
        ASSERT_FALSE(stKey.isEmpty());
        {
            TclsLockHolder objFirst({QStringLiteral("save"), stClass, stKey,
                                     QLatin1String(rec.pchHostColumn),
                                     QStringLiteral("first.example.com")});
            ASSERT_EQ(objFirst.fnstAnswer(), QStringLiteral("locked"));
            EXPECT_EQ(rec.fnstSave(QStringLiteral("second.example.com")),
                      fnstGetDBErrorMessage(12));
            EXPECT_EQ(fnstScalar(stSelect), QStringLiteral("first.example.com/ADMIN"));
            EXPECT_EQ(fnstIntegrityCheck(), QStringLiteral("ok"));
        }
        EXPECT_EQ(rec.fnstSave(QStringLiteral("new.example.com")), cstSuccess);
        EXPECT_EQ(fnstScalar(stSelect), QStringLiteral("new.example.com/DEFAULT"));
        TclsLockHolder objNext({QStringLiteral("record"), stClass, stKey});
        EXPECT_EQ(objNext.fnstAnswer(), QStringLiteral("locked"));
    }
}
