// The installed modems as the registry stand-in lists them: which class keys
// count, their order, and the device found for a modem's name.
#include "unitModemRegistry.h"
#include "UnitTestInstallation.h"

#include <gtest/gtest.h>

namespace {
const QByteArray baModemKeys =
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
    "{4D36E96D-E325-11CE-BFC1-08002BE10318}\\0012]\r\n"
    "FriendlyName=Hayes Optima\r\nAttachedTo=/dev/pts/7\r\n"
    "[HKLM\\system\\currentcontrolset\\control\\class\\"
    "{4d36e96d-e325-11ce-bfc1-08002be10318}\\0003]\r\n"
    "FriendlyName=\" USB Modem \"\r\nAttachedTo=/dev/ttyUSB0\r\n"
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
    "{4D36E96D-E325-11CE-BFC1-08002BE10318}\\0000]\r\n"
    "FriendlyName=Standard Modem\r\nAttachedTo=/dev/ttyS0\r\n"
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
    "{4D36E96D-E325-11CE-BFC1-08002BE10318}\\0005]\r\n"
    "FriendlyName=\"  \"\r\nAttachedTo=/dev/ttyS5\r\n"
    // Only a subkey names 0007: the key exists, without values of its own.
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
    "{4D36E96D-E325-11CE-BFC1-08002BE10318}\\0007\\Settings]\r\n"
    "Init=ATZ\r\n"
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
    "{4D36E96D-E325-11CE-BFC1-08002BE10318}\\0020]\r\n"
    "FriendlyName=USB Modem\r\nAttachedTo=/dev/ttyACM0\r\n"
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
    "{4D36E96D-E325-11CE-BFC1-08002BE10318}\\0026]\r\n"
    "FriendlyName=Beyond The Last Key\r\nAttachedTo=/dev/ttyS9\r\n"
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
    "{4D36E96D-E325-11CE-BFC1-08002BE10318}\\12]\r\n"
    "FriendlyName=Not Four Digits\r\nAttachedTo=/dev/ttyS8\r\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Modem\\0001]\r\n"
    "FriendlyName=Windows 95 Modem\r\nAttachedTo=COM2\r\n";

class ModemRegistry : public ::testing::Test {
protected:
    TclsTestInstallation objInstallation;
    void SetUp() override {
        ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
        const QString stFile = QStringLiteral("Config/registry.ini");
        ASSERT_TRUE(objInstallation.fnbWriteFile(stFile, objInstallation.fnbaReadFile(stFile) +
                                                             baModemKeys));
    }
};

std::string fnstDescribe(const std::vector<TrecInstalledModem> &arModems) {
    QStringList sl;
    for (const TrecInstalledModem &rec : arModems)
        sl << QStringLiteral("%1:%2:%3")
                  .arg(rec.iKeyNumber)
                  .arg(rec.stFriendlyName, rec.stAttachedTo);
    return sl.join(QLatin1Char('|')).toStdString();
}
} // namespace

TEST_F(ModemRegistry, TheKeysFromNoughtToTwentyFiveAreListedInKeyOrder) {
    EXPECT_EQ(fnstDescribe(fnarInstalledModems()),
              "0:Standard Modem:/dev/ttyS0|3: USB Modem :/dev/ttyUSB0|5:  :/dev/ttyS5|7::|"
              "12:Hayes Optima:/dev/pts/7|20:USB Modem:/dev/ttyACM0");
}

TEST_F(ModemRegistry, AModemsDeviceIsFoundByItsName) {
    const struct {
        QString stName;
        QString stDevice;
    } arCases[] = {
        {QStringLiteral("Hayes Optima"), QStringLiteral("/dev/pts/7")},
        {QStringLiteral("Standard Modem "), QStringLiteral("/dev/ttyS0")},
        // The first of two modems of one name, blanks around the name aside.
        {QStringLiteral("USB Modem"), QStringLiteral("/dev/ttyUSB0")},
        {QStringLiteral("hayes optima"), QString()},
        {QStringLiteral("Beyond The Last Key"), QString()},
        {QStringLiteral("Not Four Digits"), QString()},
        {QStringLiteral("Windows 95 Modem"), QString()},
        // A blank name is no modem, not the one registered without a name.
        {QStringLiteral(" "), QString()},
        {QString(), QString()},
    };
    for (const auto &c : arCases)
        EXPECT_EQ(fnstModemDevice(c.stName), c.stDevice) << qPrintable(c.stName);
}

TEST(ModemRegistryWithoutFile, NoRegistryFileMeansNoModems) {
    TclsTestInstallation objInstallation;
    ASSERT_TRUE(objInstallation.fnbOk()) << qPrintable(objInstallation.fnstError());
    ASSERT_TRUE(QFile::remove(objInstallation.fnstPath(QStringLiteral("Config/registry.ini"))));
    EXPECT_TRUE(fnarInstalledModems().empty());
    EXPECT_EQ(fnstModemDevice(QStringLiteral("Standard Modem")), QString());
}
