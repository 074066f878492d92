// A throw-away installation for one test: built in a temporary folder with
// the same code as make-installation, made the program's installation (Bin is
// the current directory and the executable's folder) and taken down again.
#pragma once

#include "UnitInstallationBuilder.h"
#include "UnitTestPrinters.h"

#include <QTemporaryDir>

// Options for a test installation: no reference tables unless a test asks for
// them, so most installations are built in a few milliseconds. With
// MORVANE_TEST_PGCLUSTER naming the folder of the test run's PostgreSQL cluster
// (tests/data/pgcluster.sh), the database is on that server.
TrecInstallationOptions fnrecTestOptions();
// The test run's PostgreSQL cluster (no database named yet), or SQLite settings
// when the run has none.
TrecDatabaseSettings fnrecTestClusterSettings();

class TclsTestInstallation {
public:
    explicit TclsTestInstallation(const TrecInstallationOptions &rec = fnrecTestOptions());
    ~TclsTestInstallation();
    TclsTestInstallation(const TclsTestInstallation &) = delete;
    TclsTestInstallation &operator=(const TclsTestInstallation &) = delete;

    bool fnbOk() const { return stError.isEmpty(); }
    const QString &fnstError() const { return stError; }
    QString fnstRoot() const { return dirRoot.path(); }
    QString fnstPath(const QString &stRelative) const { return dirRoot.filePath(stRelative); }
    QString fnstDatabaseFile() const {
        return fnstPath(QStringLiteral("Database/Morvane_050300.db"));
    }
    // The installation's database (on the server: a database of its own,
    // removed with the installation).
    const TrecDatabaseSettings &fnrecDatabase() const { return recDatabase; }
    bool fnbPostgreSQL() const { return recDatabase.fnbPostgreSQL(); }

    // Writes a file of the installation (for variants the builder has no option for).
    bool fnbWriteFile(const QString &stRelative, const QByteArray &baContent) const;
    QByteArray fnbaReadFile(const QString &stRelative) const;
    // The files of the installation (paths relative to its root) whose bytes
    // hold the text, as UTF-8 or as UTF-16.
    QStringList fnslFilesHolding(const QString &stText) const;
    // The files and folders of the installation that others than its owner
    // may read or change, with their modes; the programs and libraries of
    // Bin are not the client's data and are left out.
    QStringList fnslOpenToOthers() const;
    // Replaces baFrom by baTo in Config/Installation.ini; false when baFrom is
    // not there or the file cannot be written.
    bool fnbEditInstallationIni(const QByteArray &baFrom, const QByteArray &baTo) const;
    // Puts a library of the build (WIZARD_BIN_DIR) into Bin, under stAs when given.
    bool fnbCopyBuiltLibrary(const QString &stBuilt, const QString &stAs = {}) const;

private:
    QTemporaryDir dirRoot;
    TrecDatabaseSettings recDatabase;
    QString stError;
    QString stPreviousDir;
    QString stPreviousExecutableDir;
};
