// Result codes of the database library (0 = success) and the per-record
// statuses that tell it whether to insert or update.
#pragma once

namespace dbc {
inline constexpr int iSuccess = 0;
inline constexpr int iDuplicateRecord = 8;
inline constexpr int iConfigurationError = 9; // a table or column the library expects is missing
inline constexpr int iNetworkError = 11;
inline constexpr int iRecordLocked = 12;
inline constexpr int iRecordDeleted = 13;
inline constexpr int iStatusInsert = 13; // per-record status: row absent, insert
inline constexpr int iStatusUpdate = 14; // per-record status: row present, update
inline constexpr int iConnectionFailed = 19;
inline constexpr int iOperationFailed = 20;
// The installation's key file is missing, short or does not open the stored secrets.
inline constexpr int iSecretKeyUnusable = 21;
// The database's disk is full or failed a read or write.
inline constexpr int iStorageError = 22;
} // namespace dbc

// The name of the pseudo-table whose lock keeps a second wizard off the database.
inline constexpr const char *cstRunningExes = "runningexes";
