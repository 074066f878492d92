// The installed modems from the registry stand-in.
#include "unitModemRegistry.h"

#include "unitRegistry.h"

namespace {
// Windows numbers a class's devices from 0000; only the first 26 are looked at.
constexpr int ciLastModemKey = 25;

QString fnstValue(const TclsRegistry &objRegistry, const QString &stKey, const char *pchName) {
    return objRegistry.fnstReadString(TRootKey::HKEY_LOCAL_MACHINE, stKey, QLatin1String(pchName))
        .value_or(QString());
}
} // namespace

std::vector<TrecInstalledModem> fnarInstalledModems() {
    return fnarInstalledModems(TclsRegistry());
}

std::vector<TrecInstalledModem> fnarInstalledModems(const TclsRegistry &objRegistry) {
    std::vector<TrecInstalledModem> arModems;
    for (int i = 0; i <= ciLastModemKey; ++i) {
        const QString stKey = QLatin1String(cstModemClassKey) + QLatin1Char('\\') +
                              QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        if (!objRegistry.fnbKeyExists(TRootKey::HKEY_LOCAL_MACHINE, stKey))
            continue;
        arModems.push_back({fnstValue(objRegistry, stKey, "FriendlyName"),
                            fnstValue(objRegistry, stKey, "AttachedTo"), i});
    }
    return arModems;
}

QString fnstModemDevice(const QString &stFriendlyName) {
    return fnstModemDevice(TclsRegistry(), stFriendlyName);
}

QString fnstModemDevice(const TclsRegistry &objRegistry, const QString &stFriendlyName) {
    // The configured name went through an edit box that trims what it keeps.
    const QString stName = stFriendlyName.trimmed();
    if (stName.isEmpty())
        return {};
    for (const TrecInstalledModem &rec : fnarInstalledModems(objRegistry))
        if (rec.stFriendlyName.trimmed() == stName)
            return rec.stAttachedTo;
    return {};
}
