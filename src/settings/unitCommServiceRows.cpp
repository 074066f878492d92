// The communication page's service rows.
#include "unitCommServiceRows.h"

#include "UnitAccessToDatabaseDLL.h"

#include <utility>

namespace {
TServiceRowsReader &fnReaderSlot() {
    static TServiceRowsReader fnReader;
    return fnReader;
}
} // namespace

int fniReadServiceRows(TobjarMVData &objarRows) {
    if (const TServiceRowsReader &fnReader = fnReaderSlot())
        return fnReader(objarRows);
    return fniQueryRecords({{}}, objarRows, QStringLiteral("TclsCommServiceSettingsDB"));
}

TServiceRowsReader pSetServiceRowsReader(TServiceRowsReader fnReader) {
    return std::exchange(fnReaderSlot(), std::move(fnReader));
}
