// The modems installed on this machine, as the registry's modem class keys
// list them: the communication page offers their names, and the communication
// library finds the serial device of the modem it is told to dial through.
#pragma once

#include <QString>

#include <vector>

class TclsRegistry;

// The modem class key under HKEY_LOCAL_MACHINE. Windows 9x kept its modems
// under "System\CurrentControlSet\Services\Class\Modem"; the registry
// stand-in plays Windows NT, where they live under the class GUID, so that is
// the only base this program reads.
inline constexpr char cstModemClassKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";

struct TrecInstalledModem {
    QString stFriendlyName; // empty when the key has no FriendlyName
    QString stAttachedTo;   // the serial device, empty when the key has no AttachedTo
    int iKeyNumber = 0;     // the class key's number: 12 for "0012"
};

// The modems of the class keys "0000" to "0025" that exist, in key order;
// keys above are not looked at.
std::vector<TrecInstalledModem> fnarInstalledModems();
std::vector<TrecInstalledModem> fnarInstalledModems(const TclsRegistry &objRegistry);

// The device (AttachedTo) of the first modem in key order whose friendly name
// is stFriendlyName, blanks around either name aside; empty when there is none.
QString fnstModemDevice(const QString &stFriendlyName);
QString fnstModemDevice(const TclsRegistry &objRegistry, const QString &stFriendlyName);
