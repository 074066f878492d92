#include "unitModemRegistry.h"

#include "unitRegistry.h"

QList<TrecInstalledModem> fnarInstalledModems() {
    const TclsRegistry objRegistry;
    QList<TrecInstalledModem> ar;
    for (int i = 0; i < ciModemKeyCount; ++i) {
        const QString stKey = cstModemClassKey + QLatin1Char('\\') +
                              QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        if (!objRegistry.fnbKeyExists(TRootKey::HKEY_LOCAL_MACHINE, stKey))
            continue;
        const auto fnstValue = [&](const char *pchName) {
            return objRegistry
                .fnstReadString(TRootKey::HKEY_LOCAL_MACHINE, stKey, QLatin1String(pchName))
                .value_or(QString());
        };
        ar.append({i, fnstValue("FriendlyName"), fnstValue("AttachedTo"),
                   fniDCBBaudRate(objRegistry
                                      .fnbaReadBinary(TRootKey::HKEY_LOCAL_MACHINE, stKey,
                                                      QStringLiteral("DCB"))
                                      .value_or(QByteArray()))});
    }
    return ar;
}

std::optional<TrecInstalledModem> fnrecFindInstalledModem(const QString &stFriendlyName) {
    const QString stName = stFriendlyName.trimmed();
    for (const TrecInstalledModem &rec : fnarInstalledModems()) {
        if (stName.isEmpty() ? !rec.stAttachedTo.trimmed().isEmpty()
                             : rec.stFriendlyName.trimmed() == stName)
            return rec;
    }
    return std::nullopt;
}

quint32 fniDCBBaudRate(const QByteArray &baDCB) {
    if (baDCB.size() < 8)
        return 0;
    const auto *pb = reinterpret_cast<const uchar *>(baDCB.constData()) + 4;
    return quint32(pb[0]) | quint32(pb[1]) << 8 | quint32(pb[2]) << 16 | quint32(pb[3]) << 24;
}

TrecDialingLocation fnrecDialingLocation() {
    const TclsRegistry objRegistry;
    TrecDialingLocation rec;
    for (const QString &stSubKey :
         objRegistry.fnslSubKeyNames(TRootKey::HKEY_LOCAL_MACHINE, cstTelephonyLocationsKey)) {
        const QString stKey = cstTelephonyLocationsKey + QLatin1Char('\\') + stSubKey;
        const qint32 iFlags =
            objRegistry.fniReadInteger(TRootKey::HKEY_LOCAL_MACHINE, stKey, QStringLiteral("Flags"))
                .value_or(0);
        rec.bTone = iFlags != 0 && iFlags != 4;
        rec.stOutsideAccess = objRegistry
                                  .fnstReadString(TRootKey::HKEY_LOCAL_MACHINE, stKey,
                                                  QStringLiteral("OutsideAccess"))
                                  .value_or(QString());
    }
    return rec;
}
