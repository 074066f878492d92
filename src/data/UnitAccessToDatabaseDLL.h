// The database library's entry points. Every call answers with a code, 0 for
// success (the codes are in UnitDatabaseConstants.h). The library owns the one
// connection of the process; it opens it on the first call, from the
// installation's settings, unless a caller connected it explicitly.
#pragma once

#include "UnitDatabaseSettings.h"
#include "UnitMV5DataInterface.h"

#include <QSqlDatabase>

class TclsSendersData;
class TclsCustomerInfoData;
class TclsUsersData;
class TclsConfigZorvData;
class TclsConfigMorvaneData;
class TclsDatabaseBackend;

// Connects to the given database, closing any earlier connection.
int fniConnectDatabase(const TrecDatabaseSettings &recSettings);
// Closes the connection and releases every lock this process holds.
void pDisconnectDatabase();
// The backend of the open connection (connecting first); nullptr when it cannot be opened.
TclsDatabaseBackend *fnpBackend(int *piCode = nullptr);

int fniQueryRecords(const TrecarFields &arCriteria, TobjarMVData &objarResult,
                    const QString &stClassName);
// A text as a criterion of fniQueryRecords takes it: quoted, its quotes doubled.
QString fnstQuoted(const QString &st);
int fniInsertRecord(TobjarMVData &objarRecords);
int fniUpdateRecord(TclsMVData &objRecord);
// Updates the records in one transaction: all of them, or none.
int fniUpdateRecordsWhole(const std::vector<TclsMVData *> &arRecords);
int fniLockRecord(qint32 iRecordKey, const QString &stClassName);
int fniUnLockRecord(qint32 iRecordKey, const QString &stClassName);
int fniLockTable(const QString &stTableName, int iFlag);
int fniUnlockTable(const QString &stTableName);
int fniRecordCount(const QString &stSQL, qint64 &iCount);
QSqlDatabase fncnGetSQLConnection();
void pRollBackTran(const QString &stTransactionName);

// Sender, customer information, user and product configuration, each inserted
// (status 13) or updated (0 or 14), all or none.
int fniRWSenderInfoDB(TclsSendersData &objSender, TclsCustomerInfoData &objCustomerInfo,
                      TclsUsersData &objUser, TclsConfigMorvaneData &objConfigMorvane,
                      const TiarFields &iarStatus);
// The service rows by their statuses, then the two configuration rows (either may
// be null: it is then left alone).
int fniRWCommSettingDB(TobjarMVData &objarServices, TclsConfigZorvData *pobjConfigZorv,
                       TclsConfigMorvaneData *pobjConfigMorvane, const TiarFields &iarStatus,
                       int iServiceCount);
// The sender row and its destination-billing rows, which replace the stored ones.
int fniUpdateSenderRecord(TclsSendersData &objSender, TobjarMVData &objarDestinationBilling);
