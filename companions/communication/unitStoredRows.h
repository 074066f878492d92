// The stored rows a call reads: the first row of a table, or a host service's
// row by name, through the database library on the connection the wizard
// shares with this library. A failed read says why in stError.
#pragma once

#include "UnitMV5Records.h"

#include <QString>

#include <optional>

std::optional<TclsCommServiceSettingsData> fnobjReadServiceRow(const QString &stService,
                                                               QString &stError);
std::optional<TclsConfigZorvData> fnobjReadConfigZorvRow(QString &stError);
std::optional<TclsInternetSettingData> fnobjReadInternetSettingRow(QString &stError);
