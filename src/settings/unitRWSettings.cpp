// Database error texts shared by every settings object.
#include "unitRWSettings.h"

#include "unitRWConstants.h"

#include "UnitDatabaseConstants.h"
#include "UnitSecretKey.h"

#include <QDir>

QString fnstGetDBErrorMessage(int iCode) {
    switch (iCode) {
    case 0:
    case 14:
    case 15:
    case 17:
        // The library answered "nothing went wrong" where a row was required.
        return QStringLiteral("0");
    case 8:
        return fnstRS(rs::rsDuplicateRecord);
    case 9:
        return fnstRS(rs::rsDatabaseConfiguration);
    case 11:
        return fnstRS(rs::rsNetworkError);
    case 12:
        return fnstRS(rs::rsRecordLocked);
    case 13:
        return fnstRS(rs::rsRecordDeleted);
    case 19:
        return fnstRS(rs::rsConnectionFailed);
    case 20:
        return fnstRS(rs::rsOperationFailed);
    case 28:
        return fnstRS(rs::rsCustomsInvoice);
    case dbc::iStorageError:
        return fnstRS(rs::rsStorageError);
    case dbc::iSecretKeyUnusable:
        return fnstRS(rs::rsSecretKeyUnusable).arg(QDir::toNativeSeparators(fnstSecretKeyFile()));
    default:
        return fnstRS(rs::rsDatabaseError);
    }
}
