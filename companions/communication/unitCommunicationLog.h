// The one unit name every line of the communication library is logged under.
#pragma once

#include "unitLogToFile.h"

#include <QString>

inline void pCommLog(qint32 iLevel, const char *pchMethod, const QString &stMessage) {
    pWriteLog(iLevel, QStringLiteral("MorvaneCommunication"), QLatin1String(pchMethod), stMessage);
}
