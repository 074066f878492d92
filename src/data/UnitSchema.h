// Creating the tables of every record class on the connected database.
#pragma once

#include <QString>

// Creates every table of the table map that does not exist yet; 0 or a library code.
int fniCreateSchema();
// Removes one table (installations built for tests of a damaged database).
int fniDropTable(const QString &stTableName);
