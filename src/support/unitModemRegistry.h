// The modems installed on this machine, as the registry's modem class keys
// list them, and the telephony location they dial from: the communication
// page offers the modems' names, the site file gives the speed and the
// dialling type, and the communication library finds the serial device,
// speed and outside-line prefix of the modem it is told to dial through.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class TclsRegistry;

// The modem class key under HKEY_LOCAL_MACHINE. Windows 9x kept its modems
// under "System\CurrentControlSet\Services\Class\Modem"; the registry
// stand-in plays Windows NT, where they live under the class GUID, so that is
// the only base this program reads.
inline constexpr char cstModemClassKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";
inline constexpr char cstTelephonyLocationsKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";

struct TrecInstalledModem {
    QString stFriendlyName; // empty when the key has no FriendlyName
    QString stAttachedTo;   // the serial device, empty when the key has no AttachedTo
    int iKeyNumber = 0;     // the class key's number: 12 for "0012"
    quint32 iBaudRate = 0;  // from the key's device control block; 0 without one
};

// The modems of the class keys "0000" to "0025" that exist, in key order;
// keys above are not looked at.
std::vector<TrecInstalledModem> fnarInstalledModems();
std::vector<TrecInstalledModem> fnarInstalledModems(const TclsRegistry &objRegistry);
// Every modem class key, whatever its name, in the registry's order.
std::vector<TrecInstalledModem> fnarEveryModemKey(const TclsRegistry &objRegistry);

// The first modem in key order whose friendly name is stFriendlyName, blanks
// around either name aside; nothing for a blank name or when there is none.
std::optional<TrecInstalledModem> fnrecFindInstalledModem(const TclsRegistry &objRegistry,
                                                          const QString &stFriendlyName);
std::optional<TrecInstalledModem> fnrecFindInstalledModem(const QString &stFriendlyName);
// Its device (AttachedTo); empty when there is none.
QString fnstModemDevice(const QString &stFriendlyName);
QString fnstModemDevice(const TclsRegistry &objRegistry, const QString &stFriendlyName);

// The baud rate of a Win32 device control block: the 32-bit little-endian
// value at byte 4. 0 when the block is too short.
quint32 fniDCBBaudRate(const QByteArray &baDCB);

struct TrecDialingLocation {
    bool bTone = false;
    QString stOutsideAccess;
};

// The last location listed wins; flags 0 and 4 mean pulse dialling, no
// location pulse with no prefix.
TrecDialingLocation fnrecDialingLocation();
