// The dial-up connection list from the pppd peers folder.
#include "unitDialUpEntries.h"

#include <QDir>

QString fnstDialUpPeersDir() {
    const QString stOverride = qEnvironmentVariable("MORVANE_PPP_PEERS_DIR").trimmed();
    return stOverride.isEmpty() ? QStringLiteral("/etc/ppp/peers") : stOverride;
}

QStringList fnslDialUpEntries() {
    // Peers are plain files; a subfolder or a link to nothing is no connection.
    QStringList slNames =
        QDir(fnstDialUpPeersDir()).entryList(QDir::Files | QDir::Readable, QDir::Name);
    slNames.removeIf([](const QString &st) { return st.endsWith(QLatin1Char('~')); });
    return slNames;
}
