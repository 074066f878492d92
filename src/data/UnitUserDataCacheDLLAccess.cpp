// The user cache.
#include "UnitUserDataCacheDLLAccess.h"

#include "UnitRecordCache.h"

namespace {
TclsRecordCache<TclsUsersData> &gobjUsers() {
    static TclsRecordCache<TclsUsersData> obj;
    return obj;
}
QString &gstCurrentUser() {
    static QString st;
    return st;
}
} // namespace

int fniGetUsersData(std::vector<TclsUsersData> &arUsers) {
    return gobjUsers().fniGet(arUsers);
}

void pUnloadUserDLL() {
    gobjUsers().pClear();
    gstCurrentUser().clear();
}

int fniLoadUserDLL(const QString &stUserId, const QString &stPassword) {
    pUnloadUserDLL();
    std::vector<TclsUsersData> arUsers;
    if (const int iCode = gobjUsers().fniGet(arUsers); iCode != dbc::iSuccess)
        return iCode;
    for (const auto &rec : arUsers)
        if (rec.user_id.compare(stUserId, Qt::CaseInsensitive) == 0) {
            if (rec.password != stPassword)
                return dbc::iOperationFailed;
            gstCurrentUser() = rec.user_id;
            return dbc::iSuccess;
        }
    return dbc::iOperationFailed;
}

QString fnstCurrentUserId() {
    return gstCurrentUser();
}
