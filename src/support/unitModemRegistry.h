// The modems and dialling location the registry describes: the modem class
// keys 0000 to 0025 with their friendly name, the serial device they are
// attached to and the speed of their device control block, and the telephony
// location's dialling type and outside-line prefix. Read by the wizard's modem
// list and site file, and by the communication library before it dials.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Only the NT family's class key: the registry stand-in plays Windows NT.
inline const QString cstModemClassKey = QStringLiteral(
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}");
inline const QString cstTelephonyLocationsKey =
    QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations");
// Class keys looked at: 0000 to 0025.
inline constexpr int ciModemKeyCount = 26;

struct TrecInstalledModem {
    int iKeyNumber = 0;
    QString stFriendlyName;
    QString stAttachedTo;
    quint32 iBaudRate = 0; // 0: the key has no device control block
};

// The class keys that exist among 0000 to 0025, in key order.
QList<TrecInstalledModem> fnarInstalledModems();
// The installed modem of that friendly name (trimmed, exact); with an empty
// name the first one attached to a device.
std::optional<TrecInstalledModem> fnrecFindInstalledModem(const QString &stFriendlyName);

// The baud rate of a Win32 device control block: the 32-bit little-endian
// value at byte 4. 0 when the block is too short.
quint32 fniDCBBaudRate(const QByteArray &baDCB);

struct TrecDialingLocation {
    bool bTone = false;
    QString stOutsideAccess;
};

// The last location listed wins; flags 0 and 4 mean pulse dialling, a
// missing location pulse with no prefix.
TrecDialingLocation fnrecDialingLocation();
