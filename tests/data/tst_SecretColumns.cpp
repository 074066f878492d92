// The passwords the database library keeps: sealed where stored, plain to its callers.
#include "tstTextField.h"
#include "UnitDatabaseConstants.h"
#include "UnitSecretColumns.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {
const QString cstKeyFile = QStringLiteral("Config/secrets.key");

// Every secret column's first row as callers read it, with pstNew written through first.
QStringList fnslEverySecret(const QString *pstNew = nullptr) {
    const std::pair<const char *, const char *> arSecrets[] = {
        {"TclsUsersDB", "password"},
        {"TclsConfigZorvDB", "ftp_password"},
        {"TclsConfigMorvaneDB", "smtp_password"},
        {"TclsInternetSettingDB", "proxy_password"}};
    QStringList sl;
    for (const auto &[pchClass, pchColumn] : arSecrets) {
        TobjarMVData objar;
        const int iCode = fniQueryRecords({{}}, objar, QLatin1String(pchClass));
        TclsTextField objField(pchColumn, pstNew);
        if (iCode == 0 && !objar.empty())
            objar.front()->pVisitFields(objField);
        const bool bFailed =
            iCode != 0 || objar.empty() || (pstNew && fniUpdateRecord(*objar.front()) != 0);
        sl << (bFailed ? QStringLiteral("code %1").arg(iCode) : objField.stValue);
    }
    return sl;
}

QStringList fnslRawSecrets() {
    QStringList sl;
    for (const TrecSecretColumn &rec : fnarSecretColumns())
        sl << fnvScalar(QStringLiteral("SELECT %1 FROM %2 ORDER BY record_key")
                            .arg(rec.stColumn, rec.stTable))
                  .toString();
    return sl;
}

int fniRestart() {
    pDisconnectDatabase();
    return fniConnectDatabase(fnrecInstallationDatabaseSettings());
}

class SecretColumns : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    }
    void TearDown() override { pDisconnectDatabase(); }
    QString fnstKeyPath() const { return objInstallation.fnstPath(cstKeyFile); }
};
} // namespace

// A fresh nonce each time; a key file others can read is still used.
TEST_F(SecretColumns, AWrittenSecretIsSealedAndReadsBackOnTheNextStart) {
    const QString stPassword = QStringLiteral("Sherwood#7 \u00e9t\u00e9");
    ASSERT_TRUE(fnslEverySecret(&stPassword) == QStringList(4, stPassword));
    const QStringList slRaw = fnslRawSecrets();
    for (const QString &st : slRaw) {
        EXPECT_TRUE(st.startsWith(QLatin1String("mvs1:"))) << qPrintable(st);
        EXPECT_FALSE(st.contains(QLatin1String("Sherwood")));
    }
    EXPECT_EQ(slRaw.size(), QSet<QString>(slRaw.begin(), slRaw.end()).size());
    ASSERT_TRUE(QFile::setPermissions(
        fnstKeyPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    ASSERT_EQ(fniRestart(), 0);
    EXPECT_TRUE(fnslEverySecret() == QStringList(4, stPassword));
    // ftp_password is 25 characters wide: the plain value is cut, then sealed.
    const QString stLong(40, QLatin1Char('x'));
    fnslEverySecret(&stLong);
    EXPECT_EQ(fnslEverySecret()[1], QString(25, QLatin1Char('x')));
}

// An installation from before: its first start makes the key, its owner's alone whatever the umask.
TEST_F(SecretColumns, AnInstallationWithPlainPasswordsIsSealedOnItsFirstStart) {
    for (const TrecSecretColumn &rec : fnarSecretColumns())
        ASSERT_EQ(fniExec(QStringLiteral("UPDATE %1 SET %2 = ?").arg(rec.stTable, rec.stColumn),
                          {QStringLiteral("old plain")}),
                  0);
    pDisconnectDatabase();
    ASSERT_TRUE(QFile::remove(fnstKeyPath()));
    const mode_t uPrevious = ::umask(022);
    const int iCode = fniRestart();
    ::umask(uPrevious);
    ASSERT_EQ(iCode, 0);
    EXPECT_EQ(QFileInfo(fnstKeyPath()).permissions() & 0x0077, 0);
    EXPECT_EQ(QFileInfo(fnstKeyPath()).size(), 32);
    for (const QString &st : fnslRawSecrets())
        EXPECT_TRUE(fnbSealed(st)) << qPrintable(st);
    EXPECT_EQ(objInstallation.fnslFilesHolding(QStringLiteral("old plain")), QStringList());
    ASSERT_EQ(fniRestart(), 0);
    EXPECT_EQ(fnslEverySecret(), QStringList(4, QStringLiteral("old plain")));
}

// A missing or wrong key, or a moved sealed value: refused, and nothing stored changes.
TEST(SecretColumnsRefused, AKeyThatDoesNotOpenTheSecretsStopsTheConnection) {
    for (const char *pchCase : {"key file missing", "another key", "a sealed value moved"}) {
        SCOPED_TRACE(pchCase);
        TclsTestInstallation objInstallation;
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
        const QString stPassword = QStringLiteral("Sherwood#7");
        ASSERT_EQ(fnslEverySecret(&stPassword), QStringList(4, stPassword));
        const QString stKeyPath = objInstallation.fnstPath(cstKeyFile);
        const bool bKeyMissing = pchCase[0] == 'k';
        if (bKeyMissing)
            ASSERT_TRUE(QFile::remove(stKeyPath));
        else if (pchCase[1] == 'n')
            ASSERT_TRUE(objInstallation.fnbWriteFile(cstKeyFile, QByteArray(32, 'k')));
        else
            ASSERT_EQ(fniExec(QStringLiteral("UPDATE config_zorv SET ftp_password = ?"),
                              {fnslRawSecrets()[3]}),
                      0);
        const QStringList slSpoilt = fnslRawSecrets();
        EXPECT_EQ(fniRestart(), dbc::iSecretKeyUnusable);
        // A missing key is not made anew over sealed values.
        EXPECT_EQ(QFileInfo::exists(stKeyPath), !bKeyMissing);
        // Read without the library.
        TrecDatabaseSettings rec = fnrecInstallationDatabaseSettings();
        rec.bInstallation = false;
        ASSERT_EQ(fniConnectDatabase(rec), 0);
        EXPECT_EQ(fnslRawSecrets(), slSpoilt);
        pDisconnectDatabase();
    }
}
