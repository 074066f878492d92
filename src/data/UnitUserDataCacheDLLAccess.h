// The user cache: an in-memory copy of the users table and the user the client
// runs as.
#pragma once

#include "UnitMV5Records.h"

#include <vector>

int fniGetUsersData(std::vector<TclsUsersData> &arUsers);
// Reloads the users and opens the given user: 0 when the user exists and the
// password is the stored one, otherwise a non-zero code.
int fniLoadUserDLL(const QString &stUserId, const QString &stPassword);
// Drops the cached users and the opened user (a new installation or connection).
void pUnloadUserDLL();
// The user opened by the last fniLoadUserDLL; empty when none.
QString fnstCurrentUserId();
