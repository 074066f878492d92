// The table map: which table holds the rows of which record class.
#pragma once

#include "UnitMV5DataInterface.h"

#include <vector>

struct TrecTableMapEntry {
    const char *pchClassName; // e.g. "TclsSendersDB"
    const char *pchTableName;
    std::unique_ptr<TclsMVData> (*pfnCreate)();
};

const std::vector<TrecTableMapEntry> &fnarTableMap();
// The entry of a class name, ignoring case; nullptr for an unknown class.
const TrecTableMapEntry *fnpTableMapEntry(const QString &stClassName);
// A new empty record of the class; nullptr for an unknown class.
std::unique_ptr<TclsMVData> fnobjCreateRecord(const QString &stClassName);
