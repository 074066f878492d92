// The application's data module: it works on the database library's connection
// (never one of its own), so its statements and the library's calls share one
// connection, and offers the general query the sender save uses.
#pragma once

#include "UnitAdHocQuery.h"

class TdmMorvaneV5 {
public:
    // Takes the library's connection; 0 or the library's code when the database
    // cannot be opened.
    int fniConnect();
    bool fnbConnected() const { return bConnected; }

    // The general query (DBISAMQuery1): runs one statement that changes rows.
    int fniExecGeneralQuery(const QString &stSQL, const QVariantList &vlBinds);

private:
    bool bConnected = false;
};
