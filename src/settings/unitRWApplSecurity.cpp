// The application password of the DEFAULT user, the user the wizard and the
// shipping application open with.
#include "unitRWApplSecurity.h"

#include "UnitMV5Records.h"
#include "unitRWRowSaver.h"

namespace {
const QString cstDefaultUser = QStringLiteral("DEFAULT");

TrecRowSave fnrecUsersSave() {
    return {.stUnit = QStringLiteral("unitRWApplSecurity"),
            .stClassName = QStringLiteral("TclsUsersDB"),
            // The library expects the value quoted as it would stand in SQL.
            .arCriteria = {{QStringLiteral("user_id"), QStringLiteral("'DEFAULT'")}},
            // Other workstations of the client log in as this user: change it under its lock.
            .bLock = true,
            .stSelectLog = QStringLiteral("Select * from Users"),
            .stFreeLog = QStringLiteral("Calling FreeAndNil method on objarUsersData")};
}
} // namespace

QString TclsRWApplSecurity::fnstValidate(const TclsRWSettingsData &, TrecarErrorList &) {
    return {};
}

QString TclsRWApplSecurity::fnstSaveToDB(const TclsRWSettingsData &objData) {
    return fnstSaveFirstRowAs<TclsUsersData>(fnrecUsersSave(), [&](TclsUsersData &objUser, bool) {
        const auto &objSecurity = dynamic_cast<const TclsRWApplSecurityData &>(objData);
        objUser.password = objSecurity.stPassword;
        // An empty password (the box left unticked) leaves the flag as the shipping
        // application last set it.
        if (!objSecurity.stPassword.isEmpty())
            objUser.password_set = true;
        objUser.changed_by = cstDefaultUser;
    });
}
