// The installed modems and the dialling location from the registry stand-in.
#include "unitModemRegistry.h"

#include "unitRegistry.h"

namespace {
// Windows numbers a class's devices from 0000; only the first 26 are looked at.
constexpr int ciLastModemKey = 25;

QString fnstValue(const TclsRegistry &objRegistry, const QString &stKey, const char *pchName) {
    return objRegistry.fnstReadString(TRootKey::HKEY_LOCAL_MACHINE, stKey, QLatin1String(pchName))
        .value_or(QString());
}

// The modem of one class key ("0012"); nothing when the key does not exist.
std::optional<TrecInstalledModem> fnoptModemKey(const TclsRegistry &objRegistry,
                                                const QString &stSubKey) {
    const QString stKey = QLatin1String(cstModemClassKey) + QLatin1Char('\\') + stSubKey;
    if (!objRegistry.fnbKeyExists(TRootKey::HKEY_LOCAL_MACHINE, stKey))
        return std::nullopt;
    const QByteArray baDCB =
        objRegistry.fnbaReadBinary(TRootKey::HKEY_LOCAL_MACHINE, stKey, QStringLiteral("DCB"))
            .value_or(QByteArray());
    return TrecInstalledModem{fnstValue(objRegistry, stKey, "FriendlyName"),
                              fnstValue(objRegistry, stKey, "AttachedTo"), stSubKey.toInt(),
                              fniDCBBaudRate(baDCB)};
}
} // namespace

std::vector<TrecInstalledModem> fnarInstalledModems() {
    return fnarInstalledModems(TclsRegistry());
}

std::vector<TrecInstalledModem> fnarInstalledModems(const TclsRegistry &objRegistry) {
    std::vector<TrecInstalledModem> arModems;
    for (int i = 0; i <= ciLastModemKey; ++i)
        if (auto optModem =
                fnoptModemKey(objRegistry, QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'))))
            arModems.push_back(*optModem);
    return arModems;
}

std::vector<TrecInstalledModem> fnarEveryModemKey(const TclsRegistry &objRegistry) {
    std::vector<TrecInstalledModem> arModems;
    for (const QString &stSubKey :
         objRegistry.fnslSubKeyNames(TRootKey::HKEY_LOCAL_MACHINE, QLatin1String(cstModemClassKey)))
        if (auto optModem = fnoptModemKey(objRegistry, stSubKey))
            arModems.push_back(*optModem);
    return arModems;
}

std::optional<TrecInstalledModem> fnrecFindInstalledModem(const TclsRegistry &objRegistry,
                                                          const QString &stFriendlyName) {
    // The configured name went through an edit box that trims what it keeps.
    const QString stName = stFriendlyName.trimmed();
    if (stName.isEmpty())
        return std::nullopt;
    for (const TrecInstalledModem &rec : fnarInstalledModems(objRegistry))
        if (rec.stFriendlyName.trimmed() == stName)
            return rec;
    return std::nullopt;
}

std::optional<TrecInstalledModem> fnrecFindInstalledModem(const QString &stFriendlyName) {
    return fnrecFindInstalledModem(TclsRegistry(), stFriendlyName);
}

QString fnstModemDevice(const QString &stFriendlyName) {
    return fnstModemDevice(TclsRegistry(), stFriendlyName);
}

QString fnstModemDevice(const TclsRegistry &objRegistry, const QString &stFriendlyName) {
    const auto recModem = fnrecFindInstalledModem(objRegistry, stFriendlyName);
    return recModem ? recModem->stAttachedTo : QString();
}

quint32 fniDCBBaudRate(const QByteArray &baDCB) {
    if (baDCB.size() < 8)
        return 0;
    const auto *pb = reinterpret_cast<const uchar *>(baDCB.constData()) + 4;
    return quint32(pb[0]) | quint32(pb[1]) << 8 | quint32(pb[2]) << 16 | quint32(pb[3]) << 24;
}

TrecDialingLocation fnrecDialingLocation() {
    const TclsRegistry objRegistry;
    const QString stLocations = QLatin1String(cstTelephonyLocationsKey);
    TrecDialingLocation rec;
    for (const QString &stSubKey :
         objRegistry.fnslSubKeyNames(TRootKey::HKEY_LOCAL_MACHINE, stLocations)) {
        const QString stKey = stLocations + QLatin1Char('\\') + stSubKey;
        const qint32 iFlags =
            objRegistry.fniReadInteger(TRootKey::HKEY_LOCAL_MACHINE, stKey, QStringLiteral("Flags"))
                .value_or(0);
        rec.bTone = iFlags != 0 && iFlags != 4;
        rec.stOutsideAccess = fnstValue(objRegistry, stKey, "OutsideAccess");
    }
    return rec;
}
