// The secret columns of the schema and what a connection does about them
// before the library hands it out: the key is loaded, and every stored secret
// is checked to open with it; an installation without a key file (made before
// secrets were sealed) gets one, and its plain values are sealed in one
// transaction. A key that is missing, short or wrong is refused, and nothing
// stored is changed.
#pragma once

#include <QString>

#include <vector>

class TclsDatabaseBackend;

struct TrecSecretColumn {
    QString stTable, stColumn;
};

// Every column a record class marks cfSecret, with its table.
const std::vector<TrecSecretColumn> &fnarSecretColumns();

// 0, or dbc::iSecretKeyUnusable with the reason in the log.
int fniPrepareSecretColumns(TclsDatabaseBackend &objBackend, const QString &stKeyFile);
