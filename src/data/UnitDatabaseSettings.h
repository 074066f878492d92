// Which database an installation uses and how the library reaches it. The one
// place that reads the choice from Installation.ini and makes the backend.
#pragma once

#include <QString>

#include <memory>

class TclsDatabaseBackend;

inline constexpr const char *cstDriverSQLite = "SQLITE";
inline constexpr const char *cstDriverPostgreSQL = "POSTGRESQL";

struct TrecDatabaseSettings {
    QString stDriver = QString::fromLatin1(cstDriverSQLite);
    QString stDatabaseFile; // SQLite: the database file
    // PostgreSQL; an empty entry (or port 0) leaves it to libpq's environment
    // (PGHOST, PGPORT, PGDATABASE, PGUSER, PGPASSFILE) and defaults. The
    // password is never kept here: it comes from the password file or libpq.
    QString stHost; // a name, an address, or the folder of the server's socket
    int iPort = 0;
    QString stName;
    QString stUser;
    QString stPasswordFile;
    // libpq's sslmode (disable, allow, prefer, require, verify-ca,
    // verify-full) and the CA certificate that vouches for the server;
    // empty: libpq's default (prefer, ~/.postgresql/root.crt).
    QString stSslMode;
    QString stSslRootCert;
    // The key of the secret columns; empty: ..\Config\secrets.key of the
    // installation (relative to the current directory, its Bin).
    QString stKeyFile;
    // False for a connection that serves no installation (a server's own
    // maintenance database): no key is looked for or made.
    bool bInstallation = true;

    bool fnbPostgreSQL() const {
        return stDriver.compare(QLatin1String(cstDriverPostgreSQL), Qt::CaseInsensitive) == 0;
    }
};

// This installation's database, from ..\Config\Installation.ini (relative to
// the current directory, the installation's Bin):
//   [DATABASE] DRIVER=SQLITE (default) or POSTGRESQL; for PostgreSQL HOST, PORT,
//   NAME, USER, PASSWORD_FILE, SSLMODE and SSLROOTCERT.
//   [SECURITY] KEY_FILE: the key of the stored passwords (default
//   "..\Config\secrets.key").
//   SQLite: "Morvane_050300.db" in DATABASE_PATH of [INSTALLATION_INFO]
//   (default "..\Database").
TrecDatabaseSettings fnrecInstallationDatabaseSettings();

// The key file the settings name, resolved; the installation's default when
// they name none.
QString fnstKeyFileOf(const TrecDatabaseSettings &rec);

// The backend for the settings; nullptr for an unknown driver.
std::unique_ptr<TclsDatabaseBackend> fnobjCreateBackend(const TrecDatabaseSettings &rec);
