// The passwords the database library keeps: sealed where they are stored,
// plain to the library's callers, across starts; an installation made before
// they were sealed is sealed on its first start; a key that is missing, short
// or wrong, or a sealed value that was changed, stops the connection and
// changes nothing stored.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"
#include "UnitMV5Records.h"
#include "UnitSecretColumns.h"
#include "UnitSecretKey.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString cstKeyFile = QStringLiteral("Config/secrets.key");

// The stored (raw) value of the first row of a secret column.
QString fnstRaw(const QString &stTable, const QString &stColumn) {
    return fnvScalar(QStringLiteral("SELECT %1 FROM %2 ORDER BY record_key").arg(stColumn, stTable))
        .toString();
}

// Writes the password into the first row of every secret column's table
// through the library's records.
bool fnbStoreEverySecret(const QString &stPassword) {
    bool bStored = true;
    const auto fnbUpdate = [&](const QString &stClass, const auto &fnSet) {
        TobjarMVData objar;
        if (fniQueryRecords({{}}, objar, stClass) != 0 || objar.empty())
            return false;
        fnSet(objar.front().get());
        return fniUpdateRecord(*objar.front()) == 0;
    };
    bStored &= fnbUpdate(QStringLiteral("TclsUsersDB"), [&](TclsMVData *p) {
        static_cast<TclsUsersData *>(p)->password = stPassword;
    });
    bStored &= fnbUpdate(QStringLiteral("TclsConfigZorvDB"), [&](TclsMVData *p) {
        static_cast<TclsConfigZorvData *>(p)->ftp_password = stPassword;
    });
    bStored &= fnbUpdate(QStringLiteral("TclsConfigMorvaneDB"), [&](TclsMVData *p) {
        static_cast<TclsConfigMorvaneData *>(p)->smtp_password = stPassword;
    });
    bStored &= fnbUpdate(QStringLiteral("TclsInternetSettingDB"), [&](TclsMVData *p) {
        static_cast<TclsInternetSettingData *>(p)->proxy_password = stPassword;
    });
    return bStored;
}

// The passwords as the library's callers read them, one per secret column.
QStringList fnslReadEverySecret() {
    QStringList sl;
    const auto fnRead = [&](const QString &stClass, const auto &fnGet) {
        TobjarMVData objar;
        const int iCode = fniQueryRecords({{}}, objar, stClass);
        sl << (iCode != 0      ? QStringLiteral("code %1").arg(iCode)
               : objar.empty() ? QStringLiteral("no row")
                               : fnGet(objar.front().get()));
    };
    fnRead(QStringLiteral("TclsUsersDB"),
           [](TclsMVData *p) { return static_cast<TclsUsersData *>(p)->password; });
    fnRead(QStringLiteral("TclsConfigZorvDB"),
           [](TclsMVData *p) { return static_cast<TclsConfigZorvData *>(p)->ftp_password; });
    fnRead(QStringLiteral("TclsConfigMorvaneDB"),
           [](TclsMVData *p) { return static_cast<TclsConfigMorvaneData *>(p)->smtp_password; });
    fnRead(QStringLiteral("TclsInternetSettingDB"),
           [](TclsMVData *p) { return static_cast<TclsInternetSettingData *>(p)->proxy_password; });
    return sl;
}

// The raw values of the first row of every secret column.
QStringList fnslRawSecrets() {
    QStringList sl;
    for (const TrecSecretColumn &rec : fnarSecretColumns())
        sl << fnstRaw(rec.stTable, rec.stColumn);
    return sl;
}

TrecInstallationOptions fnrecLogging() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bLogging = true;
    return rec;
}

class SecretColumns : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation{fnrecLogging()};
    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    }
    void TearDown() override { pDisconnectDatabase(); }
    // The process starts anew on the installation: the next call connects.
    void pRestart() { pDisconnectDatabase(); }
    int fniConnect() {
        pRestart();
        return fniConnectDatabase(fnrecInstallationDatabaseSettings());
    }
    QString fnstKeyPath() const { return objInstallation.fnstPath(cstKeyFile); }
};
} // namespace

TEST_F(SecretColumns, TheSchemaKnowsItsSecretColumns) {
    QStringList sl;
    for (const TrecSecretColumn &rec : fnarSecretColumns())
        sl << rec.stTable + QLatin1Char('.') + rec.stColumn;
    EXPECT_EQ(sl, QStringList({"users.password", "config_zorv.ftp_password",
                               "config_morvane.smtp_password", "internet_setting.proxy_password"}))
        << qPrintable(sl.join(u' '));
}

// Written on one start, read back on the next; sealed where it is stored, a
// fresh nonce each time, the width the plain value's.
TEST_F(SecretColumns, AWrittenSecretIsSealedAndReadsBackOnTheNextStart) {
    const QString stPassword = QStringLiteral("Sherwood#7 \u00e9t\u00e9");
    ASSERT_TRUE(fnbStoreEverySecret(stPassword));
    const QStringList slRaw = fnslRawSecrets();
    for (const QString &st : slRaw) {
        EXPECT_TRUE(st.startsWith(QLatin1String("mvs1:"))) << qPrintable(st);
        EXPECT_FALSE(st.contains(QLatin1String("Sherwood"))) << qPrintable(st);
    }
    EXPECT_EQ(slRaw.size(), QSet<QString>(slRaw.begin(), slRaw.end()).size());
    ASSERT_EQ(fniConnect(), 0);
    EXPECT_EQ(fnslReadEverySecret(), QStringList(4, stPassword));
    // ftp_password is 25 characters wide: the plain value is cut, then sealed.
    ASSERT_TRUE(fnbStoreEverySecret(QString(40, QLatin1Char('x'))));
    EXPECT_EQ(fnslReadEverySecret()[1], QString(25, QLatin1Char('x')));
    EXPECT_EQ(fnslReadEverySecret()[3], QString(30, QLatin1Char('x')));
    // The key file belongs to its owner alone.
    EXPECT_EQ(QFileInfo(fnstKeyPath()).permissions() & 0x0077, 0);
    EXPECT_EQ(QFileInfo(fnstKeyPath()).size(), 32);
}

// An installation from before: no key file, plain passwords. Its first start
// makes the key and seals every password in one go; later starts read them.
TEST_F(SecretColumns, AnInstallationWithPlainPasswordsIsSealedOnItsFirstStart) {
    for (const TrecSecretColumn &rec : fnarSecretColumns())
        ASSERT_EQ(fniExec(QStringLiteral("UPDATE %1 SET %2 = ?").arg(rec.stTable, rec.stColumn),
                          {QStringLiteral("old plain")}),
                  0);
    pRestart();
    ASSERT_TRUE(QFile::remove(fnstKeyPath()));
    ASSERT_EQ(fniConnect(), 0);
    EXPECT_TRUE(QFileInfo::exists(fnstKeyPath()));
    EXPECT_EQ(QFileInfo(fnstKeyPath()).permissions() & 0x0077, 0);
    for (const QString &st : fnslRawSecrets())
        EXPECT_TRUE(fnbSealed(st)) << qPrintable(st);
    EXPECT_EQ(fnslReadEverySecret(), QStringList(4, QStringLiteral("old plain")));
    // Nothing of the plain values is left in the installation's files.
    EXPECT_EQ(objInstallation.fnslFilesHolding(QStringLiteral("old plain")), QStringList());
    ASSERT_EQ(fniConnect(), 0);
    EXPECT_EQ(fnslReadEverySecret(), QStringList(4, QStringLiteral("old plain")));
}

// A missing, short, wrong or unreadable key, or a sealed value changed or
// moved to another column: the connection is refused with its own code, and
// every stored value stays as it was.
TEST_F(SecretColumns, AKeyThatDoesNotOpenTheSecretsStopsTheConnection) {
    ASSERT_TRUE(fnbStoreEverySecret(QStringLiteral("Sherwood#7")));
    const QByteArray baKey = objInstallation.fnbaReadFile(cstKeyFile);
    ASSERT_EQ(baKey.size(), 32);
    const QString stSealedProxy =
        fnstRaw(QStringLiteral("internet_setting"), QStringLiteral("proxy_password"));
    QString stTampered = stSealedProxy;
    stTampered[stTampered.size() - 3] = stTampered.at(stTampered.size() - 3) == u'A' ? u'B' : u'A';
    const struct {
        const char *pchCase;
        std::function<bool()> fnbSpoil;
    } arCases[] = {
        {"key file missing", [&] { return QFile::remove(fnstKeyPath()); }},
        {"key file short",
         [&] { return objInstallation.fnbWriteFile(cstKeyFile, baKey.left(31)); }},
        {"another key",
         [&] { return objInstallation.fnbWriteFile(cstKeyFile, QByteArray(32, 'k')); }},
        {"a sealed value changed",
         [&] {
             return fniExec(QStringLiteral("UPDATE internet_setting SET proxy_password = ?"),
                            {stTampered}) == 0;
         }},
        {"a sealed value moved to another column",
         [&] {
             return fniExec(QStringLiteral("UPDATE config_zorv SET ftp_password = ?"),
                            {stSealedProxy}) == 0;
         }},
    };
    for (const auto &c : arCases) {
        ASSERT_EQ(fniConnect(), 0) << c.pchCase;
        const QStringList slBefore = fnslRawSecrets();
        ASSERT_TRUE(c.fnbSpoil()) << c.pchCase;
        const QStringList slSpoilt = fnslRawSecrets();
        pRestart();
        EXPECT_EQ(fniConnectDatabase(fnrecInstallationDatabaseSettings()), dbc::iSecretKeyUnusable)
            << c.pchCase;
        EXPECT_EQ(fnstSecretKeyFile(), fnstKeyPath()) << c.pchCase;
        // A missing key is not made anew over sealed values.
        EXPECT_EQ(objInstallation.fnbaReadFile(cstKeyFile).size() == 32,
                  QLatin1String(c.pchCase) != QLatin1String("key file missing") &&
                      QLatin1String(c.pchCase) != QLatin1String("key file short"))
            << c.pchCase;
        // Nothing stored was changed by the refused start: read without the library.
        TrecDatabaseSettings rec = fnrecInstallationDatabaseSettings();
        rec.bInstallation = false;
        ASSERT_EQ(fniConnectDatabase(rec), 0);
        EXPECT_EQ(fnslRawSecrets(), slSpoilt) << c.pchCase;
        // Put right again for the next case.
        ASSERT_TRUE(objInstallation.fnbWriteFile(cstKeyFile, baKey));
        for (int i = 0; i < int(fnarSecretColumns().size()); ++i)
            ASSERT_EQ(fniExec(QStringLiteral("UPDATE %1 SET %2 = ?")
                                  .arg(fnarSecretColumns()[size_t(i)].stTable,
                                       fnarSecretColumns()[size_t(i)].stColumn),
                              {slBefore[i]}),
                      0);
    }
}

// A key file others can read is used; the log says it should not be.
TEST_F(SecretColumns, AKeyFileOthersCanReadIsUsedWithAWarning) {
    ASSERT_TRUE(fnbStoreEverySecret(QStringLiteral("Sherwood#7")));
    pRestart();
    ASSERT_TRUE(QFile::setPermissions(
        fnstKeyPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    ASSERT_EQ(fniConnect(), 0);
    EXPECT_EQ(fnslReadEverySecret(), QStringList(4, QStringLiteral("Sherwood#7")));
    QByteArray baLogs;
    for (const QString &stLog :
         QDir(objInstallation.fnstPath(QStringLiteral("Logs"))).entryList(QDir::Files))
        baLogs += objInstallation.fnbaReadFile(QStringLiteral("Logs/") + stLog);
    EXPECT_TRUE(baLogs.contains("can be read by others than its owner")) << baLogs.constData();
}
