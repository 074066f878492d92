// The database of a LAN installation on a PostgreSQL server: made for a new
// installation, removed with a test's installation.
#pragma once

#include "UnitDatabaseSettings.h"

// Creates the database rec.stName (connecting to the server's "postgres"
// database with the same host, port, user and password file).
bool fnbCreateServerDatabase(const TrecDatabaseSettings &rec, QString &stError);
// Removes the database rec.stName, ending the sessions still connected to it.
bool fnbDropServerDatabase(const TrecDatabaseSettings &rec, QString &stError);
// Connects the library to rec's database; fails when it already holds any of
// the installation's tables, which a new installation would otherwise seed twice.
bool fnbConnectEmptyServerDatabase(const TrecDatabaseSettings &rec, QString &stError);
