// Builds a client installation in a folder: Bin with the wizard and its
// libraries, Config, InfoFiles, Images, Help, Logs, Backup and a Database with
// the schema, the seed rows and the reference data. The demo and every test
// build their installation with it; options make the variants tests need.
#pragma once

#include "UnitDatabaseSettings.h"
#include "UnitReferenceData.h"
#include "UnitSeedRows.h"

#include <QStringList>

struct TrecInstallationOptions {
    QString stBinSource; // folder holding RegistrationWizard and lib*.so; empty: Bin stays empty
    TrecReferenceSources recSources;
    bool bReferenceData = true;
    // Without the other reference data: phonemobile_regex still gets its rows
    // (bPhoneRules) and Config its PhoneNumberMetadata.xml (bPhoneMetadata).
    // Both come with bReferenceData.
    bool bPhoneRules = false;
    bool bPhoneMetadata = false;
    TrecSeedOptions recSeed;
    QString stLanguage = QStringLiteral("English");
    QString stWorkstationId = QStringLiteral("WKST01");
    bool bTermsFile = true; // InfoFiles holds termsandconditions_english.txt
    bool bLogging = false;  // Installation.ini switches the diagnostic log on
    // Entries left out of Installation.ini: "SECTION" or "SECTION/KEY".
    QStringList slOmitInstallationIni;
    QStringList slDropTables; // tables removed after seeding
    QString stCAFile; // [COMMUNICATION] CA_FILE: a CA the host's certificate is checked against
    // Non-empty: registry.ini lists a modem under class key 0000, attached to
    // this serial device, named recSeed.stModemName ("Standard Modem" when empty).
    QString stModemDevice;
    // The database: SQLite (the default) in Database, or a PostgreSQL database
    // named in Installation.ini's [DATABASE]; bCreateDatabase makes it on the
    // server first. Its tables are created and seeded as SQLite's are.
    TrecDatabaseSettings recDatabase;
    bool bCreateDatabase = false;
};

// The default place of the reference packages: set at build time.
TrecReferenceSources fnrecDefaultReferenceSources();

bool fnbMakeInstallation(const QString &stRoot, const TrecInstallationOptions &rec,
                         QString &stError);
