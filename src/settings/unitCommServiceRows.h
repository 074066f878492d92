// The communication page's service rows as stored (comm_service_settings).
#pragma once

#include "UnitMV5DataInterface.h"

#include <functional>

// How the rows are read: through the database library, unless another reader
// was put in its place (a test makes the read fail with it). 0 or the
// library's code.
using TServiceRowsReader = std::function<int(TobjarMVData &)>;
int fniReadServiceRows(TobjarMVData &objarRows);
// Replaces the reader and returns the one it replaces; an empty reader brings
// back the database library's.
TServiceRowsReader pSetServiceRowsReader(TServiceRowsReader fnReader);
