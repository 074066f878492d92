// The rows the wizard reads from the installation's database at start-up,
// which the pages show when they are populated and the registration sends.
#pragma once

#include "UnitMV5DataInterface.h"

struct TrecInstallationRows {
    TobjarMVData objarConfigZorvData, objarConfigMorvaneData, objarUsersData;
    TobjarMVData objarCommServiceSettingsData, objarCustomerInfoData, objarCommModemData;
};
